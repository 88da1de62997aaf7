#include "DocumentLock.h"

#include "Exceptions.h"
#include "FileIO.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>

namespace {

constexpr auto kPatience = std::chrono::seconds(30);
constexpr auto kPollInterval = std::chrono::milliseconds(5);

[[noreturn]] void Refuse(const std::string& fileName, const std::string& cause)
{
    throw EFCreateError(fileName, cause);
}

}  // namespace

TDocumentLock::TDocumentLock(const std::string& fileName)
    : folder_(::open(FolderOf(FinalTarget(fileName)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    // The lock needs the folder open for reading, which a folder that may
    // be written but not listed refuses.
    if (!folder_.Valid() && errno == EACCES)
        Refuse(fileName, "フォルダーの内容を読み取れないため、他のプログラムの書き込みと調整できません");
    if (!folder_.Valid())
        Refuse(fileName, FileErrorCause(errno));
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (::flock(folder_.Get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            Refuse(fileName, FileErrorCause(errno));
        if (std::chrono::steady_clock::now() >= deadline)
            Refuse(fileName, "他のプログラムが使用中です");
        std::this_thread::sleep_for(kPollInterval);
    }
}
