#pragma once
// A command line that vellora-doc cannot run: wrong subcommand, option or
// number of arguments. Reported with exit status 2.

#include <stdexcept>
#include <string>

class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};
