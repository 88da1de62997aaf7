#include "ArgumentList.h"

#include "UsageError.h"

namespace {

bool IsOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

}  // namespace

ArgumentList::ArgumentList(const std::vector<std::string>& args, const std::set<std::string>& flags,
                           const std::set<std::string>& valueOptions)
{
    bool optionsEnded = false;
    for (std::size_t next = 0; next < args.size();) {
        const std::string& arg = args[next++];
        if (!optionsEnded && arg == "--")
            optionsEnded = true;
        else if (!optionsEnded && IsOption(arg))
            TakeOption(arg, args, next, flags, valueOptions);
        else
            positional_.push_back(arg);
    }
}

void ArgumentList::TakeOption(const std::string& arg, const std::vector<std::string>& args, std::size_t& next,
                              const std::set<std::string>& flags, const std::set<std::string>& valueOptions)
{
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (flags.count(name)) {
        if (equals != std::string::npos)
            throw UsageError("オプション " + name + " に値は指定できません");
        flagsGiven_.insert(name);
        return;
    }
    if (!valueOptions.count(name))
        throw UsageError("不明なオプションです: " + arg);
    if (equals != std::string::npos) {
        values_[name].push_back(arg.substr(equals + 1));
        return;
    }
    if (next >= args.size())
        throw UsageError("オプション " + name + " の値がありません");
    values_[name].push_back(args[next++]);
}

std::vector<std::string> ArgumentList::Values(const std::string& name) const
{
    const auto found = values_.find(name);
    return found == values_.end() ? std::vector<std::string>() : found->second;
}

bool AsksForHelp(const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        if (arg == "--")
            return false;
        if (arg == "--help" || arg == "-h")
            return true;
    }
    return false;
}
