#include "FileIO.h"

#include "Exceptions.h"
#include "FileDescriptor.h"
#include "InputFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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
    TFileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (dir.Valid())
        ::fsync(dir.Get());
}

}  // namespace

std::string ReadWholeFile(const std::string& fileName)
{
    return TInputFile(fileName).ReadAll();
}

void WriteFileAtomically(const std::string& fileName, std::string_view bytes)
{
    const mode_t mode = TargetMode(fileName);
    std::string temporary = fileName + ".XXXXXX";
    TFileDescriptor file(::mkstemp(temporary.data()));
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
