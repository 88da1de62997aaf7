#pragma once
// A document in a temporary folder and vellora-doc run in this process.

#include "DocCommand.h"
#include "LocaleFormats.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
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
