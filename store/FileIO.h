#pragma once
// Whole-file reads and crash-safe whole-file writes.

#include <string>
#include <string_view>

// Raises EFOpenError when the file cannot be opened or read.
std::string ReadWholeFile(const std::string& fileName);

// Writes the bytes to a temporary file in the target's folder, flushes it
// to disk and renames it over the target, keeping an existing file's
// permissions. On any failure the target is untouched, the temporary file
// removed, and EFCreateError raised.
void WriteFileAtomically(const std::string& fileName, std::string_view bytes);
