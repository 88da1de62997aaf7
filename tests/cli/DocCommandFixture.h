#pragma once
// A document in a temporary folder and vellora-doc run in this process.

#include "DocCommand.h"
#include "LocaleFormats.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

struct Result {
    int status;
    std::string out;
    std::string err;
    bool operator==(const Result&) const = default;
};

class DocCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CurrentFormats() = LocaleFormats();
        folder = fs::temp_directory_path() / ("vellora-doc-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        document = (folder / "memos.vlr").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    Result Run(const std::vector<std::string>& args, const std::string& input = "")
    {
        std::istringstream in(input);
        std::ostringstream out, err;
        const int status = RunDocCommand(args, in, out, err);
        return {status, out.str(), err.str()};
    }

    // The command in a child process, after prepare (false: exit 9 without
    // running); its status and error output.
    Result RunInChild(const std::function<bool()>& prepare, const std::vector<std::string>& args,
                      const std::string& input = "")
    {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0)
            return {-1, "", "pipe"};
        const pid_t child = ::fork();
        if (child == 0) {
            const Result result = prepare() ? Run(args, input) : Result{9, "", ""};
            const ssize_t written = ::write(pipeFds[1], result.err.data(), result.err.size());
            ::_exit(written < 0 ? 8 : result.status);
        }
        ::close(pipeFds[1]);
        std::string err;
        char buffer[512];
        for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
            err.append(buffer, static_cast<std::size_t>(n));
        ::close(pipeFds[0]);
        int status = -1;
        if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
            return {-1, "", err};
        return {WEXITSTATUS(status), "", err};
    }

    void Add(const std::string& title, const std::vector<std::string>& keywords, const std::string& text)
    {
        std::vector<std::string> args = {"add", document, title};
        for (const std::string& keyword : keywords) {
            args.push_back("--keyword");
            args.push_back(keyword);
        }
        const Result result = Run(args, text);
        ASSERT_EQ(result.status, 0) << result.err;
    }

    std::string FileBytes(const std::string& path) const
    {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    fs::path folder;
    std::string document;
};
