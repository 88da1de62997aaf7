#pragma once
// A new file in a folder that gets its name only when complete: an unnamed
// file (O_TMPFILE) where the file system has them, a hidden name
// (".NAME.save-XXXXXX") elsewhere. Its writer holds an exclusive flock on
// it until the end, which tells a file being written from one left behind
// by a killed save.

#include "FileDescriptor.h"
#include "FileSink.h"
#include "FileIdentity.h"

#include <string>
#include <string_view>
#include <sys/types.h>

class TTemporaryFile : public TFileSink {
public:
    // A file in the folder open as folderFd, which Commit renames to
    // targetName; messageName names the target in errors. Every failure
    // raises EFCreateError with its cause.
    TTemporaryFile(const std::string& messageName, int folderFd, const std::string& targetName, mode_t mode);
    // Removes the file unless committed.
    ~TTemporaryFile();
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    int Fd() const { return fd_.Get(); }
    // All of the bytes, or EFCreateError.
    void Write(std::string_view bytes) override;
    // Empties the file, or EFCreateError.
    void Rewind() override;
    // Flushes the file to disk and renames it over the target; gives the
    // identity of the new file.
    TFileIdentity Commit();

    // Removes the hidden files that killed saves of targetName left behind.
    static void ClearLeftovers(int folderFd, const std::string& targetName);

private:
    [[noreturn]] void Fail(int error) const;
    bool OpenUnnamed(mode_t mode);
    void OpenNamed(mode_t mode);
    void GiveName();

    std::string messageName_;
    int folderFd_;
    std::string targetName_;
    TFileDescriptor fd_{-1};
    std::string name_;  // empty while unnamed
    std::size_t written_ = 0;
    bool committed_ = false;
};
