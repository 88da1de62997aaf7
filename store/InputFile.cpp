#include "InputFile.h"

#include "Exceptions.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TInputFile::TInputFile(const std::string& fileName) : fileName_(fileName), fd_(::open(fileName.c_str(), O_RDONLY))
{
    struct stat info;
    if (fd_ < 0 || ::fstat(fd_, &info) != 0 || S_ISDIR(info.st_mode)) {
        if (fd_ >= 0)
            ::close(fd_);
        throw EFOpenError(fileName);
    }
    regular_ = S_ISREG(info.st_mode);
    size_ = regular_ ? static_cast<std::size_t>(info.st_size) : 0;
}

TInputFile::~TInputFile() { ::close(fd_); }

std::size_t TInputFile::Read(char* into, std::size_t size)
{
    for (;;) {
        const ssize_t got = ::read(fd_, into, size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            throw EFOpenError(fileName_);
    }
}

std::size_t TInputFile::ReadFully(char* into, std::size_t size)
{
    std::size_t filled = 0;
    while (filled < size) {
        const std::size_t got = Read(into + filled, size - filled);
        if (got == 0)
            break;
        filled += got;
    }
    return filled;
}
