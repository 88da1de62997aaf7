#pragma once
// A file opened for reading, read a piece at a time.

#include "FileDescriptor.h"
#include "FileIdentity.h"

#include <cstddef>
#include <string>

class TInputFile {
public:
    enum class Kinds {
        Any,          // pipes and devices too, read to their end
        RegularOnly,  // anything else is refused before a byte is read
    };

    // Raises EFOpenError when the file cannot be opened or is a folder, and
    // Exception when kinds is RegularOnly and it is not a regular file. The
    // open of RegularOnly never waits (for a pipe's writer, say).
    explicit TInputFile(const std::string& fileName, Kinds kinds = Kinds::Any);

    // Whether the file is a regular file, whose size is known before reading.
    bool Regular() const { return regular_; }
    std::size_t Size() const { return size_; }
    // The file as it was opened.
    const TFileIdentity& Identity() const { return identity_; }
    // Reads up to size bytes into the buffer; fewer only at the end of the
    // file, 0 there. Raises EFOpenError when the read fails.
    std::size_t Read(char* into, std::size_t size);
    // The rest of the file; one that grows while read is read on.
    std::string ReadAll();

private:
    std::string fileName_;
    TFileDescriptor fd_;
    bool regular_ = false;
    std::size_t size_ = 0;
    TFileIdentity identity_;
};
