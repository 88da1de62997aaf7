#pragma once
// The arguments after a subcommand: positional ones in order, the flags
// given and the values of value options. "--name value" and "--name=value"
// both work; "--" ends the options, so later arguments are positional even
// when they start with a dash.

#include <map>
#include <set>
#include <string>
#include <vector>

class ArgumentList {
public:
    // Raises UsageError for an option not in flags or valueOptions, a value
    // option without its value, or a flag given a value.
    ArgumentList(const std::vector<std::string>& args, const std::set<std::string>& flags,
                 const std::set<std::string>& valueOptions);

    const std::vector<std::string>& Positional() const { return positional_; }
    const std::string& Positional(std::size_t index) const { return positional_.at(index); }
    bool HasFlag(const std::string& name) const { return flagsGiven_.count(name) > 0; }
    // Every value given for the option, in order.
    std::vector<std::string> Values(const std::string& name) const;

private:
    void TakeOption(const std::string& arg, const std::vector<std::string>& args, std::size_t& next,
                    const std::set<std::string>& flags, const std::set<std::string>& valueOptions);

    std::vector<std::string> positional_;
    std::set<std::string> flagsGiven_;
    std::map<std::string, std::vector<std::string>> values_;
};

// Whether an argument before any "--" asks for the help text.
bool AsksForHelp(const std::vector<std::string>& args);
