#pragma once
// Whole-file reads and crash-safe whole-file writes.

#include "FileIdentity.h"
#include "FileSink.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Raises EFOpenError when the file cannot be opened or read.
std::string ReadWholeFile(const std::string& fileName);

// Replaces the file with the bytes, whole or not at all, and gives the
// identity of the new file:
// - a symbolic link is followed: the file it ends at is replaced, the link stays;
// - an existing file keeps its owner, group and mode, as far as the system
//   lets the writer (the superuser always gives the file back to its owner);
// - an existing file the user may not write is refused and left alone;
// - the bytes go to a temporary file in the target's folder (see
//   TTemporaryFile), flushed to disk and renamed over the target, so a
//   killed save leaves no file behind.
// On any failure the target is untouched and EFCreateError says why.
TFileIdentity WriteFileAtomically(const std::string& fileName, std::string_view bytes);
// The same with the bytes written by produce, a piece at a time, so that
// they need not exist whole in memory. An exception from produce leaves
// the target untouched and passes on.
using FileProducer = std::function<void(TFileSink& sink)>;
TFileIdentity WriteFileAtomically(const std::string& fileName, const FileProducer& produce);

// Whether WriteFileAtomically could replace or create the file: its
// folder may be written and an existing file is one it would not refuse.
bool CanReplace(const std::string& fileName);

// The path that fileName ends at after following symbolic links; fileName
// itself when it is no link.
std::string FinalTarget(const std::string& fileName);

// The folder part of a path: "." for a bare name.
std::string FolderOf(const std::string& fileName);

// Whether both paths name one existing file, links followed: a file that
// must not be written over with what is read from the other.
bool IsSameFile(const std::string& a, const std::string& b);

// Test seam for faults a disk cannot be made to show on demand.
struct TFileWriteFaults {
    // Called before each write of the data with the count of bytes in the
    // file so far;
    // a non-zero result fails that write with this errno.
    std::function<int(std::size_t written)> beforeWrite;
    // Behave as on a file system without unnamed temporary files.
    bool noUnnamedTemporary = false;
};
TFileWriteFaults& FileWriteFaultsForTesting();
