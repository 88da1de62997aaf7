// vellora-doc pdf, read back with pdftotext.
#include "DocCommandFixture.h"

#include <QLocale>

#include <cstdio>
#include <memory>

namespace {

class PdfCommandTest : public DocCommandTest {
protected:
    // The PDF's text, with the characters the font draws alike made one:
    // ～ comes back as 〜 and ― as —.
    std::string PdfText(const std::string& pdf)
    {
        const std::string command = "pdftotext -enc UTF-8 '" + pdf + "' -";
        std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
        std::string text;
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe.get()))
            text.append(buffer, n);
        for (const auto& [from, to] : {std::pair<std::string, std::string>{"～", "〜"}, {"―", "—"}})
            for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
                text.replace(at, from.size(), to);
        return text;
    }

    std::string Pdf(const std::string& name) const { return (folder / name).string(); }

    bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
};

TEST_F(PdfCommandTest, CatalogueOfJapaneseMemosWithPreview)
{
    Add("買い物", {"家", "a b"}, "牛乳〜パン―卵\n" + std::string(150, 'x'));
    for (int i = 0; i < 120; ++i)
        Add("メモ" + std::to_string(i), {}, "本文");
    // 20 characters: seven, the line break (two) and eleven of the second line.
    ASSERT_EQ(Run({"pdf", document, Pdf("out.pdf"), "--preview", "20"}).status, 0);

    const std::string text = PdfText(Pdf("out.pdf"));
    EXPECT_TRUE(Contains(text, fs::absolute(document).string() + " - 1")) << text.substr(0, 200);
    EXPECT_TRUE(Contains(text, fs::absolute(document).string() + " - 2"));
    EXPECT_TRUE(Contains(text, "買い物\nキーワード : 家,\"a b\"\n更新日 : "));
    EXPECT_TRUE(Contains(text, "テキスト :\n牛乳〜パン—卵\nxxxxxxxxxxx ...\n"));
    EXPECT_TRUE(Contains(text, "メモ119\n"));
    EXPECT_TRUE(Contains(Run({"--help"}).out, "vellora-doc pdf FILE OUT [--preview N]"));
}

TEST_F(PdfCommandTest, MemoWithItsInformationAndKeywordsAsTheWindowSortsThem)
{
    Add("予定", {"b", "A", "c", "ａ"}, "一行目\n二行目");
    // The C locale orders by code; a Japanese user's window puts "ａ" by "a".
    const QLocale kept;
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    const int status =
        Run({"pdf", document, Pdf("memo.pdf"), "--memo", "予定", "--info", "--font", "IPAGothic:12"}).status;
    QLocale::setDefault(kept);
    ASSERT_EQ(status, 0);
    const std::string text = PdfText(Pdf("memo.pdf"));
    EXPECT_TRUE(Contains(text, "予定 - 1\n")) << text;
    EXPECT_TRUE(Contains(text, "キーワード : A,ａ,b,c\n更新日 : ")) << text;
    EXPECT_TRUE(Contains(text, "テキスト :\n一行目\n二行目\n")) << text;

    ASSERT_EQ(Run({"pdf", document, Pdf("plain.pdf"), "--memo", "予定"}).status, 0);
    EXPECT_FALSE(Contains(PdfText(Pdf("plain.pdf")), "キーワード"));
}

TEST_F(PdfCommandTest, FailuresLeaveTheOutputUntouched)
{
    Add("予定", {}, "x");
    const std::string out = Pdf("out.pdf");
    std::ofstream(out) << "keep";
    EXPECT_EQ(Run({"pdf", document, out, "--memo", "nobody"}).status, 1);
    EXPECT_EQ(Run({"pdf", Pdf("missing.vlr"), out}).status, 1);
    EXPECT_EQ(Run({"pdf", document, (folder / "no" / "out.pdf").string()}).status, 1);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"pdf", document, out, "--preview", "x"},
             {"pdf", document, out, "--preview", "1001"},
             {"pdf", document, out, "--info"},
             {"pdf", document, out, "--memo", "予定", "--preview", "10"},
             {"pdf", document, out, "--font", ":9"},
             {"pdf", document, out, "--font", "IPAGothic:0"},
             {"pdf", document, out, "--memo", "予定", "--memo", "予定"},
         })
        EXPECT_EQ(Run(args).status, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(FileBytes(out), "keep");
    // The document itself, by another path or a link, is never replaced.
    const std::string before = FileBytes(document);
    fs::create_symlink(document, Pdf("link.vlr"));
    for (const std::string& same : {document, (folder / "." / "memos.vlr").string(), Pdf("link.vlr")})
        EXPECT_EQ(Run({"pdf", document, same}).status, 2) << same;
    EXPECT_EQ(FileBytes(document), before);
    fs::remove(Pdf("link.vlr"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

}  // namespace
