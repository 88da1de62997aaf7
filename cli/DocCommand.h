#pragma once
// vellora-doc: runs one subcommand on a document. The streams stand for
// the standard input, output and error output, so tests can run it in the
// same process.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// args are the arguments after the program name. Returns the exit status:
// 0 on success, 1 when the subcommand fails (its message on err), 2 for a
// command line it cannot run (with a hint on err).
int RunDocCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

// The text --help prints.
std::string DocCommandHelp();
