#include "FileIdentity.h"

#include <sys/stat.h>

TFileIdentity::TFileIdentity(const struct stat& info)
    : exists_(true),
      device_(info.st_dev),
      inode_(info.st_ino),
      size_(info.st_size),
      modifiedNs_(static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec)
{
}

TFileIdentity TFileIdentity::Of(const std::string& fileName)
{
    struct stat info;
    if (::stat(fileName.c_str(), &info) != 0)
        return {};
    return TFileIdentity(info);
}

bool TFileIdentity::ChangedAt(const std::string& fileName) const
{
    const TFileIdentity now = Of(fileName);
    return exists_ && now.exists_ && now != *this;
}
