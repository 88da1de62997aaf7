#pragma once
// A file opened for reading, read a piece at a time.

#include "FileDescriptor.h"
#include "FileIdentity.h"

#include <cstddef>
#include <string>

class TInputFile {
public:
    // Raises EFOpenError when the file cannot be opened or is a folder.
    explicit TInputFile(const std::string& fileName);

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
