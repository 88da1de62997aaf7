// Replacing a file whole: links, owner and mode, read-only files, full
// disks, killed saves and the causes the errors give.
#include "Exceptions.h"
#include "FileIO.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class FileIOTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/vellora-fileio-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        folder = name;
    }
    void TearDown() override
    {
        FileWriteFaultsForTesting() = {};
        ::umount(folder.c_str());
        fs::remove_all(folder);
    }

    std::vector<std::string> Entries(const fs::path& dir) const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // The message of the error the write raised; empty when it succeeded.
    static std::string WriteError(const fs::path& path, std::string_view bytes)
    {
        try {
            WriteFileAtomically(path.string(), bytes);
        } catch (const EFCreateError& e) {
            return e.what();
        }
        return {};
    }

    static std::string Refused(const fs::path& path, const std::string& cause)
    {
        return "ファイル " + path.string() + " を作成できません (" + cause + ")";
    }

    fs::path folder;
};

TEST_F(FileIOTest, LinksAreFollowedAndStay)
{
    fs::create_directory(folder / "real");
    WriteFile(folder / "real" / "doc.vlr", "old");
    fs::create_symlink("real/doc.vlr", folder / "link1");
    fs::create_symlink(folder / "link1", folder / "link2");  // a chain, absolute then relative

    WriteFileAtomically((folder / "link2").string(), "new");
    EXPECT_TRUE(fs::is_symlink(folder / "link1"));
    EXPECT_TRUE(fs::is_symlink(folder / "link2"));
    EXPECT_EQ(ReadFile(folder / "real" / "doc.vlr"), "new");

    // A link to a file not there yet creates that file.
    fs::create_symlink("real/later.csv", folder / "dangling");
    WriteFileAtomically((folder / "dangling").string(), "csv");
    EXPECT_TRUE(fs::is_symlink(folder / "dangling"));
    EXPECT_EQ(ReadFile(folder / "real" / "later.csv"), "csv");
    EXPECT_EQ(Entries(folder / "real"), (std::vector<std::string>{"doc.vlr", "later.csv"}));
}

TEST_F(FileIOTest, OwnerGroupAndModeAreKept)
{
    const fs::path file = folder / "doc.vlr";
    WriteFile(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 02640), 0);
    const bool root = ::geteuid() == 0;
    // Only the superuser can give the file to someone else.
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), 4321, 8765), 0);
    }
    struct stat before;
    ASSERT_EQ(::stat(file.c_str(), &before), 0);

    const TFileIdentity written = WriteFileAtomically(file.string(), "new");
    struct stat after;
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(written, TFileIdentity::Of(file.string()));
    EXPECT_FALSE(written.ChangedAt(file.string()));
    if (!root)
        GTEST_SKIP() << "giving the file to another user needs the superuser";
}

// A group member who may write the file cannot give it back to its owner;
// the save still succeeds and keeps group and mode.
TEST_F(FileIOTest, AGroupMembersSaveKeepsGroupAndMode)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "playing another user needs the superuser";
    const fs::path file = folder / "doc.vlr";
    WriteFile(file, "old");
    ASSERT_EQ(::chown(file.c_str(), 4321, 8765), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0664), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const gid_t group = 8765;
        if (::setgroups(1, &group) != 0 || ::setgid(group) != 0 || ::setuid(1234) != 0)
            ::_exit(2);
        try {
            WriteFileAtomically(file.string(), "new");
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    struct stat after;
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, 1234u);
    EXPECT_EQ(after.st_gid, 8765u);
    EXPECT_EQ(after.st_mode & 07777, 0664u);
    EXPECT_EQ(ReadFile(file), "new");
}

TEST_F(FileIOTest, AFileWithoutWritePermissionIsRefusedAndKept)
{
    const fs::path file = folder / "doc.vlr";
    WriteFile(file, "keep me");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_EQ(WriteError(file, "new"), Refused(file, "書き込みが許可されていません"));
    EXPECT_EQ(ReadFile(file), "keep me");
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"doc.vlr"});
}

TEST_F(FileIOTest, ErrorsSayWhy)
{
    fs::create_directory(folder / "dir");
    WriteFile(folder / "plain", "x");
    EXPECT_EQ(WriteError(folder / "dir", "x"), Refused(folder / "dir", "同じ名前のフォルダーがあります"));
    EXPECT_EQ(WriteError(folder / "none" / "a", "x"), Refused(folder / "none" / "a", "フォルダーがありません"));
    EXPECT_EQ(WriteError(folder / "plain" / "a", "x"),
              Refused(folder / "plain" / "a", "パスの途中にフォルダーではないファイルがあります"));
    const fs::path longName = folder / std::string(300, 'n');
    EXPECT_EQ(WriteError(longName, "x"), Refused(longName, "ファイル名が長すぎます"));
    EXPECT_EQ(WriteError("/dev/null", "x"), Refused("/dev/null", "通常のファイルではありません"));
    EXPECT_EQ(FileErrorCause(ENOSPC), "ディスクの空き領域が足りません");
    EXPECT_EQ(FileErrorCause(EBADF), std::strerror(EBADF));
}

TEST_F(FileIOTest, AFullDiskKeepsTheOldFileAndLeavesNothing)
{
    const fs::path file = folder / "doc.vlr";
    const std::string big(256 * 1024, 'b');
    // A small file system where the machine lets us mount one: the write
    // comes back short, then fails.
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0) {
        WriteFile(file, "old");
        EXPECT_EQ(WriteError(file, big), Refused(file, "ディスクの空き領域が足りません"));
        EXPECT_TRUE(ReadFile(file) == "old");
        EXPECT_EQ(Entries(folder), std::vector<std::string>{"doc.vlr"});
        ::umount(folder.c_str());
    }
    // Elsewhere the failure is injected.
    WriteFile(file, "old");
    FileWriteFaultsForTesting().beforeWrite = [](std::size_t) { return ENOSPC; };
    EXPECT_EQ(WriteError(file, big), Refused(file, "ディスクの空き領域が足りません"));
    FileWriteFaultsForTesting().beforeWrite = [](std::size_t) { return EIO; };
    EXPECT_EQ(WriteError(file, big), Refused(file, "入出力エラーが発生しました"));
    EXPECT_TRUE(ReadFile(file) == "old");
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"doc.vlr"});
}

// A save killed while writing leaves nothing behind, or, where the file
// system has no unnamed files, a hidden file that the next save removes.
TEST_F(FileIOTest, AKilledSaveLeavesNoLitter)
{
    const fs::path file = folder / "doc.vlr";
    WriteFile(file, "old");
    for (const bool unnamed : {true, false}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FileWriteFaultsForTesting().noUnnamedTemporary = !unnamed;
            FileWriteFaultsForTesting().beforeWrite = [](std::size_t) { return ::raise(SIGKILL); };
            WriteFileAtomically(file.string(), "new");
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(ReadFile(file), "old");
        EXPECT_EQ(Entries(folder).size(), unnamed ? 1u : 2u) << "unnamed " << unnamed;
    }
    // A hidden file whose writer is still at work is left alone.
    const std::string busy = (folder / ".doc.vlr.save-abcdef").string();
    const int busyFd = ::open(busy.c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_EQ(::flock(busyFd, LOCK_EX), 0);
    WriteFileAtomically(file.string(), "next");
    EXPECT_EQ(ReadFile(file), "next");
    EXPECT_EQ(Entries(folder), (std::vector<std::string>{".doc.vlr.save-abcdef", "doc.vlr"}));
    ::close(busyFd);
}

}  // namespace
