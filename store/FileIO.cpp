#include "FileIO.h"

#include "Exceptions.h"
#include "FileDescriptor.h"
#include "InputFile.h"
#include "TemporaryFile.h"

#include <cerrno>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMaxLinks = 40;  // as the kernel follows them

std::string BaseName(const std::string& fileName)
{
    const auto slash = fileName.rfind('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

// The text of a symbolic link; empty when it cannot be read.
std::string ReadLink(const std::string& link, std::size_t size)
{
    std::string text(size + 1, '\0');
    const ssize_t length = ::readlink(link.c_str(), text.data(), text.size());
    if (length < 0 || static_cast<std::size_t>(length) > size)
        return {};
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Zero when the user may replace the existing file, the cause otherwise.
int ReplaceRefusal(const std::string& target, const struct stat& info)
{
    if (S_ISDIR(info.st_mode))
        return EISDIR;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return errno;
    // The superuser passes every permission check: a file without any
    // write permission was made read-only on purpose.
    if (::geteuid() == 0 && (info.st_mode & 0222) == 0)
        return EACCES;
    return 0;
}

void KeepOwnerAndMode(const std::string& fileName, int fd, const struct stat& old)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Only the superuser may give a file away; anyone else keeps at
        // least the group when a member of it.
        if (errno != EPERM || ::geteuid() == 0)
            throw EFCreateError(fileName, errno);
        if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0 && errno != EPERM)
            throw EFCreateError(fileName, errno);
    }
    // After the owner: a change of owner clears the set-id bits.
    if (::fchmod(fd, old.st_mode & 07777) != 0)
        throw EFCreateError(fileName, errno);
}

// The folder for *at calls; one the user may not list still works as a path.
int OpenFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0 || errno != EACCES)
        return fd;
    return ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

// The old file's pages in the page cache are of no use once it is replaced;
// given back now, the new file's pages are made from them instead of from
// fresh memory. Advice only: nothing to check.
void DropCachedPages(const std::string& target)
{
    const TFileDescriptor file(::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Valid())
        ::posix_fadvise(file.Get(), 0, 0, POSIX_FADV_DONTNEED);
}

}  // namespace

std::string FolderOf(const std::string& fileName)
{
    const auto slash = fileName.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return fileName.substr(0, slash);
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

std::string FinalTarget(const std::string& fileName)
{
    std::string path = fileName;
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat info;
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            break;
        const std::string link = ReadLink(path, info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 4096);
        if (link.empty())
            break;
        path = link[0] == '/' ? link : FolderOf(path) + '/' + link;
    }
    return path;
}

bool CanReplace(const std::string& fileName)
{
    const std::string target = FinalTarget(fileName);
    if (::faccessat(AT_FDCWD, FolderOf(target).c_str(), W_OK, AT_EACCESS) != 0)
        return false;
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode) && ReplaceRefusal(target, info) == 0;
}

std::string ReadWholeFile(const std::string& fileName)
{
    return TInputFile(fileName).ReadAll();
}

TFileIdentity WriteFileAtomically(const std::string& fileName, std::string_view bytes)
{
    return WriteFileAtomically(fileName, [bytes](TFileSink& sink) { sink.Write(bytes); });
}

TFileIdentity WriteFileAtomically(const std::string& fileName, const FileProducer& produce)
{
    const std::string target = FinalTarget(fileName);
    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        throw EFCreateError(fileName, errno);
    if (exists) {
        if (const int refusal = ReplaceRefusal(target, old))
            throw EFCreateError(fileName, refusal);
        if (!S_ISREG(old.st_mode))
            throw EFCreateError(fileName, "通常のファイルではありません");
    }
    const TFileDescriptor folder(OpenFolder(FolderOf(target)));
    if (!folder.Valid())
        throw EFCreateError(fileName, errno);
    const std::string name = BaseName(target);
    TTemporaryFile::ClearLeftovers(folder.Get(), name);
    TTemporaryFile file(fileName, folder.Get(), name, exists ? old.st_mode & 07777 : 0666);
    if (exists) {
        KeepOwnerAndMode(fileName, file.Fd(), old);
        DropCachedPages(target);
    }
    produce(file);
    return file.Commit();
}

TFileWriteFaults& FileWriteFaultsForTesting()
{
    static TFileWriteFaults faults;
    return faults;
}
