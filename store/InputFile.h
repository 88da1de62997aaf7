#pragma once
// A file opened for reading, read a piece at a time.

#include <cstddef>
#include <string>

class TInputFile {
public:
    // Raises EFOpenError when the file cannot be opened or is a folder.
    explicit TInputFile(const std::string& fileName);
    ~TInputFile();
    TInputFile(const TInputFile&) = delete;
    TInputFile& operator=(const TInputFile&) = delete;

    // Whether the file is a regular file, whose size is known before reading.
    bool Regular() const { return regular_; }
    std::size_t Size() const { return size_; }
    // Reads up to size bytes into the buffer; fewer only at the end of the
    // file, 0 there. Raises EFOpenError when the read fails.
    std::size_t Read(char* into, std::size_t size);
    // Reads into the buffer until it is full or the file ends; the count read.
    std::size_t ReadFully(char* into, std::size_t size);

private:
    std::string fileName_;
    int fd_;
    bool regular_ = false;
    std::size_t size_ = 0;
};
