#include "InputFile.h"

#include "Exceptions.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

TInputFile::TInputFile(const std::string& fileName, Kinds kinds)
    : fileName_(fileName), fd_(::open(fileName.c_str(), O_RDONLY | (kinds == Kinds::RegularOnly ? O_NONBLOCK : 0)))
{
    // The kind is taken from the open file, so it cannot change in between.
    struct stat info;
    if (!fd_.Valid() || ::fstat(fd_.Get(), &info) != 0)
        throw EFOpenError(fileName, errno);
    if (S_ISDIR(info.st_mode))
        throw EFOpenError(fileName, EISDIR);
    regular_ = S_ISREG(info.st_mode);
    identity_ = TFileIdentity(info);
    if (kinds == Kinds::RegularOnly && !regular_)
        throw Exception("ファイル " + fileName + " は通常のファイルではないため読み込めません (パイプやデバイスなど)");
    size_ = regular_ ? static_cast<std::size_t>(info.st_size) : 0;
}

std::size_t TInputFile::Read(char* into, std::size_t size)
{
    for (;;) {
        const ssize_t got = ::read(fd_.Get(), into, size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            throw EFOpenError(fileName_, errno);
    }
}

std::string TInputFile::ReadAll()
{
    // Read straight into the result, one byte of room beyond the known size
    // so that the end is seen without growing.
    std::string bytes(regular_ ? size_ + 1 : 1 << 16, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2);
        const std::size_t got = Read(bytes.data() + filled, bytes.size() - filled);
        if (got == 0)
            break;
        filled += got;
    }
    bytes.resize(filled);
    return bytes;
}
