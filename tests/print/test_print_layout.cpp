#include "Cp932Codec.h"
#include "Exceptions.h"
#include "LocaleFormats.h"
#include "MemoDocument.h"
#include "PrintJob.h"
#include "PrintLayout.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Texts = std::vector<std::string>;

// Fixed metrics: 9 points give "X" 90 units high, so the header ends at
// 270 and a row of the general font steps 117; the indent unit is 12.
constexpr int HeaderEnd = 270;
constexpr int Step = 117;

std::string Repeat(const std::string& s, int n)
{
    std::string result;
    for (int i = 0; i < n; ++i)
        result += s;
    return result;
}

class PrintLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CurrentFormats() = LocaleFormats();
        CreateMemoLayout(store);
    }

    void AddMemo(const std::string& title, const std::vector<std::string>& keywords, const std::string& text)
    {
        const std::string cpTitle = Utf8ToCp932(title);
        AddMemoRow(store, cpTitle);
        std::vector<std::string> cpKeywords;
        for (const std::string& k : keywords)
            cpKeywords.push_back(Utf8ToCp932(k));
        WriteMemo(store, {cpTitle, cpKeywords, Utf8ToCp932(text)}, 45293);  // 2024/01/02
    }

    Texts Catalogue(TRecordingCanvas& canvas, const std::string& fileName = "/d/memos.vlr")
    {
        PrintCatalogue(canvas, options, store, fileName);
        return canvas.Texts();
    }

    TQuorvexDataAccessSystem store;
    TPrintOptions options;
};

TEST_F(PrintLayoutTest, EmptyDocumentPrintsOneHeaderOnlyAndAnUntitledOneHasNoName)
{
    TRecordingCanvas canvas(2000, 3000);
    EXPECT_EQ(Catalogue(canvas), Texts{"/d/memos.vlr - 1"});
    EXPECT_EQ(canvas.drawn[0].font, TPrintJob::HeaderFont());
    EXPECT_TRUE(canvas.drawn[0].font.Bold);
    EXPECT_EQ(canvas.begun, 1);
    EXPECT_EQ(canvas.ended, 1);

    TRecordingCanvas untitled(2000, 3000);
    EXPECT_EQ(Catalogue(untitled, ""), Texts{" - 1"});
}

TEST_F(PrintLayoutTest, CatalogueRowsAtTheirIndentsAndFonts)
{
    AddMemo("買い物", {"家", "a b"}, "牛乳\r\nパン");
    AddMemo("空", {}, "");
    options.IncludeTextPreview = true;
    options.TextOption = TTextOption::GeneralBold;
    TRecordingCanvas canvas(2000, 5000);
    EXPECT_EQ(Catalogue(canvas), (Texts{"/d/memos.vlr - 1", "買い物", "キーワード : 家,\"a b\"", "更新日 : 2024/01/02",
                                        "テキスト :", "牛乳", "パン", " ", "空", "キーワード : ",
                                        "更新日 : 2024/01/02", "テキスト :", " "}));
    const std::vector<int> xs = {0, 0, 48, 48, 48, 96, 96, 0};
    for (std::size_t i = 0; i < xs.size(); ++i) {
        EXPECT_EQ(canvas.drawn[i].x, xs[i]) << i;
        if (i > 0) {
            EXPECT_EQ(canvas.drawn[i].y, HeaderEnd + Step * static_cast<int>(i - 1)) << i;
        }
    }
    EXPECT_FALSE(canvas.drawn[4].font.Bold);
    EXPECT_TRUE(canvas.drawn[5].font.Bold);
}

TEST_F(PrintLayoutTest, PreviewCutAfterMaxLengthCharacters)
{
    const std::string hundred = Repeat("あ", 100);
    AddMemo("100", {}, hundred);
    AddMemo("101", {}, hundred + "い");
    options.IncludeTextPreview = true;
    TRecordingCanvas canvas(5000, 100000);
    const Texts texts = Catalogue(canvas);
    EXPECT_EQ(texts[5], hundred);
    EXPECT_EQ(texts[11], hundred + " ...");

    options.MaxLength = 0;
    TRecordingCanvas zero(5000, 100000);
    EXPECT_EQ(Catalogue(zero)[5], " ...");
}

TEST_F(PrintLayoutTest, RowsHoldWhatFitsAndAtLeastOneCharacter)
{
    TRecordingCanvas canvas(30, 100000);
    TPrintJob job(canvas, "");
    job.PrintWrapped("あいうえおか", 0, {});    // 30 units: three characters each
    job.PrintWrapped("■あ", 0, {});            // wider than the page: alone on its row
    job.PrintWrapped("あ■ab", 0, {});
    job.PrintWrapped("ab", 40, {});            // an indent past the page still prints
    EXPECT_EQ(canvas.Texts(), (Texts{"あいう", "えおか", "■", "あ", "あ", "■", "ab", "a", "b"}));
}

TEST_F(PrintLayoutTest, LineBreaks)
{
    TRecordingCanvas canvas(1000, 100000);
    TPrintJob job(canvas, "");
    job.PrintWrapped("a\r\n\r\nb", 0, {});
    job.PrintWrapped("c\n\nd\r\re\n", 0, {});
    job.PrintWrapped("", 0, {});
    job.PrintWrapped("\r\n", 0, {});
    EXPECT_EQ(canvas.Texts(), (Texts{"a", "", "b", "c", "", "d", "", "e", ""}));
}

// Rows as a row grows a character at a time, measured whole each time.
Texts NaiveRows(TRecordingCanvas& canvas, const std::u32string& line, int width)
{
    auto utf8 = [](const std::u32string& s) {
        std::string out;
        for (char32_t c : s)
            out += c < 0x80 ? std::string(1, char(c)) : c == U'■' ? std::string("■") : std::string("あ");
        return out;
    };
    Texts rows;
    std::size_t pos = 0;
    while (pos < line.size()) {
        std::size_t n = 1;
        while (pos + n < line.size() && width - canvas.TextWidth(utf8(line.substr(pos, n + 1))) >= 0)
            ++n;
        rows.push_back(utf8(line.substr(pos, n)));
        pos += n;
    }
    return rows;
}

TEST_F(PrintLayoutTest, WrappingMatchesGrowingTheRowAndMeasuresLittle)
{
    std::mt19937 random(13);
    const std::u32string alphabet = U"aあ■";
    for (int round = 0; round < 300; ++round) {
        std::u32string line;
        const int length = 1 + static_cast<int>(random() % 400);
        for (int i = 0; i < length; ++i) {
            const unsigned r = random() % 100;
            line += alphabet[r < 40 ? 0 : r < 98 ? 1 : 2];
        }
        const int width = static_cast<int>(random() % 1200);
        TRecordingCanvas reference(width, 1 << 30);
        const Texts expected = NaiveRows(reference, line, width);
        std::string text;
        for (const std::string& row : expected)
            text += row;
        TRecordingCanvas canvas(width, 1 << 30);
        TPrintJob(canvas, "").PrintWrapped(text, 0, {});
        ASSERT_EQ(canvas.Texts(), expected) << "width " << width;
    }

    TRecordingCanvas canvas(1000, 1 << 30);
    TPrintJob(canvas, "").PrintWrapped(Repeat("あいうえおかきくけこa", 1000), 0, {});
    EXPECT_LE(canvas.measured, 3 * static_cast<int>(canvas.drawn.size()));
}

TEST_F(PrintLayoutTest, LineStepRoundsAHalfToEven)
{
    EXPECT_EQ(TPrintJob::LineStep(5), 6);    // 6.5
    EXPECT_EQ(TPrintJob::LineStep(15), 20);  // 19.5
    EXPECT_EQ(TPrintJob::LineStep(11), 14);  // 14.3
    EXPECT_EQ(TPrintJob::LineStep(12), 16);  // 15.6
    EXPECT_EQ(TPrintJob::LineStep(90), Step);
}

TEST_F(PrintLayoutTest, ARowEndingAtThePageHeightStaysOnThePage)
{
    TPrintMemo memo{"メモ", {}, Utf8ToCp932("a\nb"), "", false};
    TRecordingCanvas exact(1000, HeaderEnd + 2 * Step);
    PrintMemo(exact, options, store, memo);
    EXPECT_EQ(exact.Texts(), (Texts{"メモ - 1", "a", "b", "メモ - 2"}));
    EXPECT_EQ(exact.drawn[2].page, 1);

    TRecordingCanvas over(1000, HeaderEnd + 2 * Step - 1);
    PrintMemo(over, options, store, memo);
    EXPECT_EQ(over.Texts(), (Texts{"メモ - 1", "a", "メモ - 2", "b", "メモ - 3"}));
    EXPECT_EQ(over.drawn[3].page, 2);
    EXPECT_EQ(over.drawn[3].y, HeaderEnd);
}

TEST_F(PrintLayoutTest, PageBreakUsesTheStepOfTheFontJustPrinted)
{
    TPrintFont large;
    large.Points = 20;  // step 260
    TRecordingCanvas canvas(1000, HeaderEnd + 2 * 260);
    canvas.BeginDoc();
    TPrintJob job(canvas, "");
    job.PrintPageHeader();
    job.PrintWrapped("a", 0, large);
    job.PrintWrapped("b", 0, {});  // would overflow by the small step, but not by the large one
    EXPECT_EQ(canvas.Texts(), (Texts{" - 1", "a", "b"}));
    EXPECT_EQ(canvas.drawn[2].y, HeaderEnd + 260);
}

TEST_F(PrintLayoutTest, ACancelledJobStopsAndIsNotEnded)
{
    AddMemo("a", {}, "");
    AddMemo("b", {}, "");
    TRecordingCanvas canvas(1000, 100000);
    struct Cancelled {};
    const TPrintProgress cancelAtSecond = [](int memo, int, int) {
        if (memo == 1)
            throw Cancelled();
    };
    EXPECT_THROW(PrintCatalogue(canvas, options, store, "", cancelAtSecond), Cancelled);
    EXPECT_EQ(canvas.Texts().size(), 5u);  // the header and the first memo only
    EXPECT_EQ(canvas.ended, 0);
}

TEST_F(PrintLayoutTest, ErrorsPassOnAndLeaveTheJobUnended)
{
    TPrintMemo memo{"メモ", {}, "", Utf8ToCp932("消えたメモ"), true};
    options.IncludeMemoInfo = true;
    TRecordingCanvas canvas(1000, 100000);
    EXPECT_THROW(PrintMemo(canvas, options, store, memo), EUnregisteredName);
    EXPECT_EQ(canvas.begun, 1);
    EXPECT_EQ(canvas.ended, 0);
}

TEST_F(PrintLayoutTest, MemoWithAndWithoutItsInformation)
{
    AddMemo("予定", {}, "old");
    TPrintMemo memo{"予定 *", {Utf8ToCp932("仕事"), Utf8ToCp932("a,b")}, Utf8ToCp932("一行目\r\n二行目"),
                    Utf8ToCp932("予定"), true};
    TRecordingCanvas plain(1000, 100000);
    PrintMemo(plain, options, store, memo);
    EXPECT_EQ(plain.Texts(), (Texts{"予定 * - 1", "一行目", "二行目"}));
    EXPECT_EQ(plain.drawn[1].x, 0);

    options.IncludeMemoInfo = true;
    options.TextOption = TTextOption::GeneralBold;  // the preview font is not used for a memo
    TRecordingCanvas stored(1000, 100000);
    PrintMemo(stored, options, store, memo);
    EXPECT_EQ(stored.Texts(), (Texts{"予定 * - 1", "キーワード : 仕事,\"a,b\"", "更新日 : 2024/01/02", "テキスト :",
                                     "一行目", "二行目"}));
    EXPECT_EQ(stored.drawn[4].x, 96);
    EXPECT_FALSE(stored.drawn[4].font.Bold);

    memo.Stored = false;
    TRecordingCanvas unsaved(1000, 100000);
    PrintMemo(unsaved, options, store, memo);
    EXPECT_EQ(unsaved.Texts()[2], "テキスト :");
}

}  // namespace
