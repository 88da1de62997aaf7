#include "FileIO.h"

#include "Exceptions.h"
#include "InputFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    bool Close()
    {
        if (fd_ < 0) return true;
        const bool ok = ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string FolderOf(const std::string& fileName)
{
    const auto slash = fileName.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return fileName.substr(0, slash);
}

// The mode the new file gets: the old file's, or what a plain create gives.
mode_t TargetMode(const std::string& fileName)
{
    struct stat info;
    if (::stat(fileName.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncFolder(const std::string& folder)
{
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (dir.Valid())
        ::fsync(dir.Get());
}

}  // namespace

std::string ReadWholeFile(const std::string& fileName)
{
    TInputFile file(fileName);
    // Read straight into the result; a file that grows while read is read on.
    std::string bytes(file.Regular() ? file.Size() + 1 : 1 << 16, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2);
        const std::size_t got = file.Read(bytes.data() + filled, bytes.size() - filled);
        if (got == 0)
            break;
        filled += got;
    }
    bytes.resize(filled);
    return bytes;
}

void WriteFileAtomically(const std::string& fileName, std::string_view bytes)
{
    const mode_t mode = TargetMode(fileName);
    std::string temporary = fileName + ".XXXXXX";
    FileDescriptor file(::mkstemp(temporary.data()));
    if (!file.Valid())
        throw EFCreateError(fileName);
    const bool written = ::fchmod(file.Get(), mode) == 0 && WriteAll(file.Get(), bytes) &&
                         ::fsync(file.Get()) == 0 && file.Close();
    if (!written || ::rename(temporary.c_str(), fileName.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw EFCreateError(fileName);
    }
    SyncFolder(FolderOf(fileName));
}
