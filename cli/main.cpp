// vellora-doc: the command-line tool for memo documents.
#include "DocCommand.h"

#include <iostream>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunDocCommand(args, std::cin, std::cout, std::cerr);
}
