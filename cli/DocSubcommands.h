#pragma once
// The subcommands of vellora-doc, one function each. Arguments arrive in
// UTF-8 (file paths as the platform gives them) and every text goes out in
// UTF-8, except the CSV export, which is written in code page 932 exactly
// as the program writes it. Each raises Exception on failure, UsageError on
// a bad argument.

#include "ArgumentList.h"

#include <istream>
#include <ostream>
#include <string>

struct CommandIo {
    std::istream& in;
    std::ostream& out;
};

// An output file must never replace the document it is made from, also
// through a link or another spelling of its path: raises UsageError.
void CheckOutputIsNotDocument(const std::string& fileName, const std::string& out);

// list FILE: the titles, one a line, in row order.
void ListCommand(const ArgumentList& args, CommandIo& io);
// show FILE TITLE [--keywords]: the memo's text (lines ended by LF), or its
// keywords one a line.
void ShowCommand(const ArgumentList& args, CommandIo& io);
// search FILE KEYWORD...: the titles of the memos carrying every keyword.
void SearchCommand(const ArgumentList& args, CommandIo& io);
// csv FILE [OUT]: the CSV export to OUT (replaced whole) or to the output.
void CsvCommand(const ArgumentList& args, CommandIo& io);
// add FILE TITLE [--keyword K]...: the memo with the text read from the
// input, added or replacing the memo of that title, dated today; FILE is
// created with the memo layout when it does not exist.
void AddCommand(const ArgumentList& args, CommandIo& io);
// check FILE: each table with its row and column counts.
void CheckCommand(const ArgumentList& args, CommandIo& io);
