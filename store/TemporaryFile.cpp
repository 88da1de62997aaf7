#include "TemporaryFile.h"

#include "Exceptions.h"
#include "FileIO.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kSuffixLength = 6;
constexpr int kNameTries = 100;

// The hidden names of a target's temporary files start with this; the
// target's name is shortened so that the whole stays a valid name.
std::string HiddenPrefix(const std::string& targetName)
{
    return '.' + targetName.substr(0, 200) + ".save-";
}

std::string RandomName(const std::string& targetName)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::string name = HiddenPrefix(targetName);
    for (std::size_t i = 0; i < kSuffixLength; ++i)
        name += kLetters[random() % (sizeof kLetters - 1)];
    return name;
}

bool IsHiddenName(const std::string& name, const std::string& targetName)
{
    const std::string prefix = HiddenPrefix(targetName);
    return name.size() == prefix.size() + kSuffixLength && name.compare(0, prefix.size(), prefix) == 0;
}

// A file system without unnamed files answers O_TMPFILE with one of these.
bool UnnamedUnsupported(int error)
{
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

ssize_t WriteSome(int fd, std::string_view bytes, std::size_t written)
{
    const auto& faults = FileWriteFaultsForTesting();
    if (faults.beforeWrite) {
        if (const int error = faults.beforeWrite(written)) {
            errno = error;
            return -1;
        }
    }
    return ::write(fd, bytes.data(), bytes.size());
}

}  // namespace

TTemporaryFile::TTemporaryFile(const std::string& messageName, int folderFd, const std::string& targetName,
                               mode_t mode)
    : messageName_(messageName), folderFd_(folderFd), targetName_(targetName)
{
    if (!OpenUnnamed(mode))
        OpenNamed(mode);
    if (::flock(fd_.Get(), LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (!name_.empty())
            ::unlinkat(folderFd_, name_.c_str(), 0);  // the destructor does not run for a failed constructor
        Fail(error);
    }
}

TTemporaryFile::~TTemporaryFile()
{
    if (!name_.empty() && !committed_)
        ::unlinkat(folderFd_, name_.c_str(), 0);
}

void TTemporaryFile::Fail(int error) const
{
    throw EFCreateError(messageName_, error);
}

bool TTemporaryFile::OpenUnnamed(mode_t mode)
{
    if (FileWriteFaultsForTesting().noUnnamedTemporary)
        return false;
    fd_.Reset(::openat(folderFd_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    if (fd_.Valid())
        return true;
    if (!UnnamedUnsupported(errno))
        Fail(errno);
    return false;
}

void TTemporaryFile::OpenNamed(mode_t mode)
{
    for (int tries = 0; tries < kNameTries; ++tries) {
        std::string name = RandomName(targetName_);
        fd_.Reset(::openat(folderFd_, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode));
        if (fd_.Valid()) {
            name_ = std::move(name);
            return;
        }
        if (errno != EEXIST)
            Fail(errno);
    }
    Fail(EEXIST);
}

void TTemporaryFile::Write(std::string_view bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = WriteSome(fd_.Get(), bytes.substr(written), written_ + written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            Fail(errno);
        if (count == 0)
            Fail(ENOSPC);  // a regular file takes no bytes only when full
        written += static_cast<std::size_t>(count);
    }
    written_ += written;
}

void TTemporaryFile::Rewind()
{
    if (::ftruncate(fd_.Get(), 0) != 0 || ::lseek(fd_.Get(), 0, SEEK_SET) != 0)
        Fail(errno);
    written_ = 0;
}

// Links the unnamed file under a hidden name, through /proc, or through
// the descriptor itself where /proc is missing (that needs privileges).
void TTemporaryFile::GiveName()
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd_.Get());
    for (int tries = 0; tries < kNameTries; ++tries) {
        std::string name = RandomName(targetName_);
        if (::linkat(AT_FDCWD, self.c_str(), folderFd_, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            (errno == ENOENT && ::linkat(fd_.Get(), "", folderFd_, name.c_str(), AT_EMPTY_PATH) == 0)) {
            name_ = std::move(name);
            return;
        }
        if (errno != EEXIST)
            Fail(errno);
    }
    Fail(EEXIST);
}

TFileIdentity TTemporaryFile::Commit()
{
    // After a successful fsync the data is on disk; close can add nothing.
    struct stat info;
    if (::fsync(fd_.Get()) != 0 || ::fstat(fd_.Get(), &info) != 0)
        Fail(errno);
    if (name_.empty())
        GiveName();
    if (::renameat(folderFd_, name_.c_str(), folderFd_, targetName_.c_str()) != 0)
        Fail(errno);
    committed_ = true;
    ::fsync(folderFd_);  // some file systems cannot sync a folder; the rename stands either way
    return TFileIdentity(info);
}

void TTemporaryFile::ClearLeftovers(int folderFd, const std::string& targetName)
{
    const int listFd = ::fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    DIR* folder = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!folder) {
        if (listFd >= 0)
            ::close(listFd);  // a folder open only as a path cannot be listed
        return;
    }
    ::rewinddir(folder);
    while (const dirent* entry = ::readdir(folder)) {
        if (!IsHiddenName(entry->d_name, targetName))
            continue;
        // A file whose lock can be taken has no writer any more.
        TFileDescriptor leftover(::openat(folderFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat info;
        if (leftover.Valid() && ::fstat(leftover.Get(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::flock(leftover.Get(), LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(folderFd, entry->d_name, 0);
    }
    ::closedir(folder);
}
