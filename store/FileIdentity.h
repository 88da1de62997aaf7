#pragma once
// Which file a path named at one moment: device, inode, size and
// modification time. Two identities differ when the file was replaced or
// written in between.

#include <cstdint>
#include <string>

struct stat;

class TFileIdentity {
public:
    // No file.
    TFileIdentity() = default;
    explicit TFileIdentity(const struct stat& info);
    // The file at fileName now (links followed); none when it cannot be seen.
    static TFileIdentity Of(const std::string& fileName);

    bool Exists() const { return exists_; }
    // Whether the file at fileName is another file than this one, or was
    // written since. A file that did not exist then, or is gone now, has
    // nothing another program wrote that a save would lose.
    bool ChangedAt(const std::string& fileName) const;

    bool operator==(const TFileIdentity&) const = default;

private:
    bool exists_ = false;
    std::uint64_t device_ = 0;
    std::uint64_t inode_ = 0;
    std::int64_t size_ = 0;
    std::int64_t modifiedNs_ = 0;
};
