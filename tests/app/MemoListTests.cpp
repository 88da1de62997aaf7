// The memo list page: its columns, refreshing and sorting, renaming a memo
// in place or by title, and the selected title on both pages.
#include "AppFixture.h"
#include "Cp932Codec.h"
#include "ElidingDelegate.h"
#include "ListSortKey.h"
#include "MemoDocument.h"
#include "MemoListModel.h"
#include "QuorvexDataAccessSystem.h"
#include "SortedListRows.h"
#include "TextForms.h"
#include "WordBox.h"

#include <QAction>
#include <QFontMetrics>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <algorithm>
#include <numeric>
#include <random>

namespace {
QString Duplicate(const QString& title)
{
    return u'"' + title + QStringLiteral("\" は既に登録されています。");
}

const QString EmptyTitle = QStringLiteral("空の文字列は無効です");

std::string Bytes(const char* utf8)
{
    return Utf8ToCp932(utf8);
}
}  // namespace

class MemoListTest : public AppTest {
protected:
    void SetUp() override
    {
        m_savedFormats = CurrentFormats();
        Start();
    }

    void TearDown() override
    {
        CurrentFormats() = m_savedFormats;
        AppTest::TearDown();
    }

    QAbstractItemModel* Model() const { return Manager().MemoList()->model(); }

    QString Cell(int row, int column) const { return Model()->index(row, column).data().toString(); }

    // The list's texts of one column, top to bottom.
    QStringList Column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < Model()->rowCount(); ++row)
            texts << Cell(row, column);
        return texts;
    }

    void AddTitles(const QStringList& titles)
    {
        for (const QString& title : titles)
            AddMemo(title);
        Manager().RefreshList();
    }

    void Select(int row)
    {
        Manager().PageControl()->setCurrentIndex(1);
        Manager().MemoList()->setCurrentIndex(Model()->index(row, 0));
    }

    // Ends an in-place edit of list row `row` with `text`, as the editor does.
    bool Edit(int row, const QString& text) { return Model()->setData(Model()->index(row, 0), text, Qt::EditRole); }

    void TypeKeyword(const QString& keyword)
    {
        QTest::keyClicks(Manager().WordBox()->findChildren<QLineEdit*>().first(), keyword);
    }

    std::string RowName(int row) { return Manager().Store().GetRowName(MemoLayout::Table, row); }

    void SetUpdate(int row, int year, int month, int day)
    {
        Manager().Store().SetValue(MemoLayout::Table, MemoLayout::Update, row,
                                   CellValue::DateTime(EncodeDate(year, month, day)));
    }

    LocaleFormats m_savedFormats;
};

// The list's sort order, on code page 932 bytes.
TEST(ListSortKey, LetterCaseIsIgnoredForAsciiLetters)
{
    EXPECT_EQ(CompareListTexts("a", "A"), 0);
    EXPECT_EQ(CompareListTexts("memo Z", "MEMO z"), 0);
    EXPECT_LT(CompareListTexts("a", "B"), 0);
    EXPECT_GT(CompareListTexts("b", "A"), 0);
}

TEST(ListSortKey, LettersCompareAsCapitals)
{
    // '_' (0x5F) lies between the capitals and the small letters: a small
    // letter compared as a capital sorts before it.
    EXPECT_LT(CompareListTexts("a", "_"), 0);
    EXPECT_LT(CompareListTexts("Z", "["), 0);
}

TEST(ListSortKey, PrefixSortsFirst)
{
    EXPECT_LT(CompareListTexts("ab", "ABC"), 0);
    EXPECT_LT(CompareListTexts("", "a"), 0);
    EXPECT_GT(CompareListTexts("abc", "AB"), 0);
}

TEST(ListSortKey, BytesAboveAsciiAreUnsigned)
{
    // あ is 0x82 0xA0 and the half-width ｱ 0xB1: both after every ASCII text.
    EXPECT_LT(CompareListTexts("z", Bytes("あ")), 0);
    EXPECT_LT(CompareListTexts("~", Bytes("ｱ")), 0);
    EXPECT_LT(CompareListTexts(Bytes("あ"), Bytes("ｱ")), 0);
}

TEST(ListSortKey, TrailBytesAreNotFolded)
{
    // ア is 0x83 0x41 and ヂ 0x83 0x61: folding the second byte would make
    // them equal.
    ASSERT_EQ(Bytes("ヂ"), "\x83\x61");
    EXPECT_LT(CompareListTexts(Bytes("ア"), Bytes("ヂ")), 0);
    EXPECT_EQ(ListSortKey(Bytes("ヂa")), "\x83\x61" "A");
}

namespace {
class TOpenDelegate : public TElidingDelegate {
public:
    using TElidingDelegate::initStyleOption;
};

QStyleOptionViewItem CellOption(const QString& text, int width)
{
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), text);
    TOpenDelegate delegate;
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, width, 16);
    delegate.initStyleOption(&option, model.index(0, 0));
    return option;
}

// The list's sort of the texts against a stable sort by the plain rule.
void ExpectThePlainRulesOrder(const std::vector<std::string>& texts)
{
    std::vector<TListSortEntry> entries;
    for (const std::string& text : texts)
        entries.emplace_back(text, static_cast<int>(entries.size()));
    std::vector<int> expected(texts.size());
    std::iota(expected.begin(), expected.end(), 0);
    std::stable_sort(expected.begin(), expected.end(),
                     [&](int a, int b) { return CompareListTexts(texts[a], texts[b]) < 0; });
    EXPECT_EQ(SortedListRows(std::move(entries)), expected);
}

// 3,000 texts, each one of `starts` in turn and up to `most` random pieces.
std::vector<std::string> RandomTexts(const std::vector<std::string>& starts, const std::vector<std::string>& pieces,
                                     int most)
{
    std::mt19937 random(7);
    std::vector<std::string> texts;
    for (int i = 0; i < 3000; ++i) {
        std::string text = starts[static_cast<std::size_t>(i) % starts.size()];
        for (int n = static_cast<int>(random() % static_cast<unsigned>(most + 1)); n > 0; --n)
            text += pieces[random() % pieces.size()];
        texts.push_back(text);
    }
    return texts;
}
}  // namespace

// Texts that share beginnings and differ in letter case, in trail bytes
// that look like letters or lead bytes, or in length around the eight
// bytes compared at a time.
TEST(ListSortKey, SortKeepsThePlainRulesOrder)
{
    ExpectThePlainRulesOrder(RandomTexts({"", "memo", "memo-list"},
                                         {"a", "A", "b", "Z", "_", "[", "\x83\x61", "\x83\x41", "\x82\xa0",
                                          "\xfc\x7a", "\x88\x9f", "\x9f\x81", "\xb1", "1"},
                                         4));
}

// Long shared beginnings whose double-byte characters straddle every
// eight-byte boundary, or that end in a lead byte, so that the texts first
// differ in a trail byte; texts ending in the middle of a character, and
// zero bytes where a shorter text ends.
TEST(ListSortKey, SortKeepsThePlainRulesOrderPastLongSharedBeginnings)
{
    std::string katakana;
    for (int i = 0; i < 40; ++i)
        katakana += "\x83\x61";
    const std::vector<std::string> pieces = {"a", "A", "\x83\x61", "\x83\x41", "\x88\x9f", "\x9f", "z",
                                             std::string(1, '\0'), "memo-list"};
    ExpectThePlainRulesOrder(RandomTexts({"m" + katakana, "M" + katakana, "m" + katakana + "\x88"}, pieces, 12));
    ExpectThePlainRulesOrder(RandomTexts({katakana + "\x83"}, pieces, 12));
}

TEST(ElidingDelegate, LongTextIsCutToMoreThanFits)
{
    const QString text = QString(500, u'あ');
    const QStyleOptionViewItem option = CellOption(text, 80);
    EXPECT_LT(option.text.size(), text.size());
    EXPECT_TRUE(text.startsWith(option.text));
    // Still wider than the cell, so the style elides it as it would the whole.
    EXPECT_GT(QFontMetrics(option.font).horizontalAdvance(option.text), 80);
}

TEST(ElidingDelegate, TextThatFitsOrNoCellIsLeft)
{
    EXPECT_EQ(CellOption("short", 200).text, "short");
    const QString text = QString(500, u'x');
    EXPECT_EQ(CellOption(text, 0).text, text);
}

TEST_F(MemoListTest, FourColumnsWithTheirCaptions)
{
    ASSERT_EQ(Model()->columnCount(), 4);
    QStringList captions;
    for (int column = 0; column < 4; ++column)
        captions << Model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(captions, QStringList({"タイトル", "キーワード", "テキスト", "更新日"}));
}

TEST_F(MemoListTest, RefreshShowsEveryMemoInTableOrder)
{
    CurrentFormats().ShortDateFormat = "dd.MM.yyyy";
    AddMemo("zeta", {"two words", "b"}, "first\r\nsecond");
    AddMemo("alpha");
    SetUpdate(0, 2024, 3, 9);
    Manager().RefreshList();

    EXPECT_EQ(Column(0), QStringList({"zeta", "alpha"}));
    // The keyword text as stored, not decoded.
    EXPECT_EQ(Cell(0, 1), "\"two words\",b");
    EXPECT_EQ(Cell(0, 2), "first second");
    EXPECT_EQ(Cell(0, 3), "09.03.2024");
    EXPECT_EQ(Cell(1, 1), "");
}

TEST_F(MemoListTest, EmptyDocumentGivesAnEmptyListAndNoResults)
{
    TypeKeyword("k");
    Manager().RefreshList();
    EXPECT_EQ(Model()->rowCount(), 0);
    EXPECT_EQ(Manager().ResultList()->count(), 0);
}

TEST_F(MemoListTest, RefreshRerunsTheSearch)
{
    AddMemo("one", {"k"});
    TypeKeyword("k");
    Manager().RefreshList();
    ASSERT_EQ(Manager().ResultList()->count(), 1);
    AddMemo("two", {"k"});
    Manager().RefreshList();
    EXPECT_EQ(Manager().ResultList()->count(), 2);
}

TEST_F(MemoListTest, SortByKeywordsThenRefreshGivesTableOrderBack)
{
    AddMemo("first", {"c"});
    AddMemo("second", {"a"});
    AddMemo("third", {"B"});
    Manager().RefreshList();

    Manager().ListView1ColumnClick(1);
    EXPECT_EQ(Manager().SortColumn(), 1);
    EXPECT_EQ(Column(0), QStringList({"second", "third", "first"}));

    Manager().RefreshList();
    EXPECT_EQ(Column(0), QStringList({"first", "second", "third"}));
    EXPECT_EQ(Manager().SortColumn(), 1);
}

TEST_F(MemoListTest, HeaderClickSorts)
{
    AddTitles({"b", "a"});
    QHeaderView* header = Manager().MemoList()->header();
    const QPoint inTitle(header->sectionViewportPosition(0) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, inTitle);
    EXPECT_EQ(Column(0), QStringList({"a", "b"}));
    EXPECT_EQ(Manager().SortColumn(), 0);
}

TEST_F(MemoListTest, SortIsAscendingEveryTime)
{
    AddTitles({"b", "c", "a"});
    Manager().ListView1ColumnClick(0);
    Manager().ListView1ColumnClick(0);
    EXPECT_EQ(Column(0), QStringList({"a", "b", "c"}));
}

TEST_F(MemoListTest, TitlesSortByTheByteCompare)
{
    AddTitles({"あ", "_", "b", "a", "ｱ", "A", "ab"});
    Manager().ListView1ColumnClick(0);
    // a and A sort alike and keep their table order.
    EXPECT_EQ(Column(0), QStringList({"a", "A", "ab", "b", "_", "あ", "ｱ"}));
}

TEST_F(MemoListTest, SortSeesChangesAndFormatsSinceTheLastSort)
{
    AddTitles({"b", "c", "a"});
    Manager().ListView1ColumnClick(0);
    EXPECT_EQ(Column(0), QStringList({"a", "b", "c"}));
    Manager().Store().SetValue(MemoLayout::Table, MemoLayout::Title, 1, std::string("0"));
    Manager().ListView1ColumnClick(0);
    EXPECT_EQ(Column(0), QStringList({"0", "a", "b"}));

    SetUpdate(0, 2024, 2, 1);
    SetUpdate(1, 2024, 1, 2);
    SetUpdate(2, 2023, 12, 3);
    Manager().ListView1ColumnClick(3);
    EXPECT_EQ(Column(3), QStringList({"2023/12/03", "2024/01/02", "2024/02/01"}));
    CurrentFormats().ShortDateFormat = "dd/MM/yyyy";
    Manager().ListView1ColumnClick(3);
    EXPECT_EQ(Column(3), QStringList({"01/02/2024", "02/01/2024", "03/12/2023"}));
}

TEST_F(MemoListTest, DatesSortAsTheTextsShown)
{
    CurrentFormats().ShortDateFormat = "dd/MM/yyyy";
    AddTitles({"later", "earlier"});
    SetUpdate(0, 2024, 2, 1);
    SetUpdate(1, 2024, 1, 2);
    Manager().ListView1ColumnClick(3);
    EXPECT_EQ(Column(3), QStringList({"01/02/2024", "02/01/2024"}));
}

TEST_F(MemoListTest, EqualDatesKeepTableOrderAndNoDateSortsFirst)
{
    AddTitles({"x", "y", "z", "none"});
    SetUpdate(0, 2024, 5, 1);
    SetUpdate(1, 2024, 4, 1);
    SetUpdate(2, 2024, 5, 1);
    Manager().Store().SetValue(MemoLayout::Table, MemoLayout::Update, 3, CellValue());
    Manager().ListView1ColumnClick(3);
    EXPECT_EQ(Column(0), QStringList({"none", "y", "x", "z"}));
}

TEST_F(MemoListTest, ClosingAfterASortReadsNoFreedDocument)
{
    AddTitles({"b", "a"});
    Manager().show();
    Select(0);
    Manager().ListView1ColumnClick(0);
    m_app.reset();
}

TEST_F(MemoListTest, SortKeepsTheSelectedMemo)
{
    AddTitles({"b", "c", "a"});
    Select(0);
    Manager().ListView1ColumnClick(0);
    EXPECT_EQ(Manager().GetSelectedTitle(), "b");
    EXPECT_EQ(Manager().MemoList()->currentIndex().row(), 1);
}

TEST_F(MemoListTest, RenameChangesTheRowAndItsTitle)
{
    AddMemo("old", {"k"});
    TypeKeyword("k");
    Manager().RefreshList();
    Manager().SetDocumentModified(false);

    EXPECT_TRUE(Manager().RenameMemo("old", "新しい"));
    EXPECT_EQ(RowName(0), Bytes("新しい"));
    EXPECT_EQ(Manager().Store().GetValueAsString(MemoLayout::Table, MemoLayout::Title, 0), Bytes("新しい"));
    EXPECT_TRUE(Manager().DocumentModified());
    // The search follows at once.
    ASSERT_EQ(Manager().ResultList()->count(), 1);
    EXPECT_EQ(Manager().ResultList()->item(0)->text(), "新しい");
}

TEST_F(MemoListTest, RenameToACaseVariant)
{
    AddTitles({"a", "b"});
    EXPECT_TRUE(Manager().RenameMemo("a", "A"));
    EXPECT_EQ(RowName(0), "A");

    m_dialogs.ExpectMessage(Duplicate("A"), TMsgButton::Ok);
    EXPECT_FALSE(Manager().RenameMemo("b", "A"));
    EXPECT_EQ(m_dialogs.LastIcon(), TMsgIcon::Warning);
    EXPECT_EQ(m_dialogs.LastButtons(), TMsgButtons(TMsgButton::Ok));
    EXPECT_EQ(RowName(1), "b");
}

TEST_F(MemoListTest, RenameToAnyTakenTitleIsRefused)
{
    AddTitles({"a", "b"});
    Manager().SetDocumentModified(false);
    m_dialogs.ExpectMessage(Duplicate("b"), TMsgButton::Ok);
    EXPECT_FALSE(Manager().RenameMemo("a", "b"));
    // The memo's own title counts too.
    m_dialogs.ExpectMessage(Duplicate("a"), TMsgButton::Ok);
    EXPECT_FALSE(Manager().RenameMemo("a", "a"));
    EXPECT_EQ(RowName(0), "a");
    EXPECT_FALSE(Manager().DocumentModified());
}

TEST_F(MemoListTest, TitleTheDocumentCannotHoldIsRefused)
{
    AddTitles({"a"});
    Manager().SetDocumentModified(false);
    m_dialogs.ExpectMessage(
        "文字 \"😀\" (U+1F600) はシフト JIS (コード ページ 932) で表せないため保存できません", TMsgButton::Ok);
    EXPECT_FALSE(Manager().RenameMemo("a", "x😀"));
    EXPECT_EQ(RowName(0), "a");
    EXPECT_FALSE(Manager().DocumentModified());
}

TEST_F(MemoListTest, TitleWhoseBytesDoNotRoundTripCanBeRenamed)
{
    // 0x87 0x90 reads as U+2252, which is written back as 0x81 0xE0.
    MemoRecord memo;
    memo.Title = "\x87\x90";
    AddMemoRow(Manager().Store(), memo.Title);
    WriteMemo(Manager().Store(), memo, TodaySerial());
    Manager().RefreshList();
    Select(0);
    ASSERT_EQ(Manager().GetSelectedTitle(), "≒");
    ASSERT_NE(Utf8ToCp932(Manager().GetSelectedTitle().toStdString()), memo.Title);

    EXPECT_TRUE(Manager().RenameMemo(Manager().GetSelectedTitle(), "b"));
    EXPECT_EQ(RowName(0), "b");
}

TEST_F(MemoListTest, UnchangedEditDoesNothing)
{
    AddTitles({"a"});
    Manager().SetDocumentModified(false);
    Main().Command("MemoWithFileSave")->setChecked(true);
    Main().SetDocumentFileName(FilePath("doc.vlr"));
    EXPECT_FALSE(Edit(0, "a"));
    EXPECT_FALSE(Manager().DocumentModified());
    EXPECT_FALSE(QFile::exists(FilePath("doc.vlr")));
}

TEST_F(MemoListTest, EmptyEditIsRefusedAndTheOldCaptionStays)
{
    AddTitles({"a"});
    m_dialogs.ExpectMessage(EmptyTitle, TMsgButton::Ok);
    EXPECT_FALSE(Edit(0, ""));
    EXPECT_EQ(m_dialogs.LastIcon(), TMsgIcon::Warning);
    EXPECT_EQ(Cell(0, 0), "a");
    EXPECT_EQ(RowName(0), "a");
}

TEST_F(MemoListTest, DuplicateEditIsRefusedAndTheOldCaptionStays)
{
    AddTitles({"a", "b"});
    Manager().SetDocumentModified(false);
    m_dialogs.ExpectMessage(Duplicate("b"), TMsgButton::Ok);
    EXPECT_FALSE(Edit(0, "b"));
    EXPECT_EQ(Cell(0, 0), "a");
    EXPECT_FALSE(Manager().DocumentModified());
}

TEST_F(MemoListTest, EditRenamesTheMemo)
{
    AddTitles({"a", "b"});
    Manager().ListView1ColumnClick(0);
    EXPECT_TRUE(Edit(1, "c"));
    EXPECT_EQ(Column(0), QStringList({"a", "c"}));
    EXPECT_EQ(RowName(1), "c");
    EXPECT_TRUE(Manager().DocumentModified());
}

TEST_F(MemoListTest, EditorCommitRenames)
{
    AddTitles({"a"});
    QTreeView* list = Manager().MemoList();
    Manager().PageControl()->setCurrentIndex(1);
    Manager().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Manager().window()));
    list->setCurrentIndex(Model()->index(0, 0));
    list->edit(list->currentIndex());
    auto* editor = list->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "renamed");
    QTest::keyClick(editor, Qt::Key_Return);
    Idle();  // the editor hands its text over once the key is handled
    EXPECT_EQ(RowName(0), "renamed");
    EXPECT_EQ(Cell(0, 0), "renamed");
}

TEST_F(MemoListTest, EditWithFileSaveWritesTheDocument)
{
    AddTitles({"a"});
    const QString path = FilePath("doc.vlr");
    Main().SetDocumentFileName(path);
    Main().Command("MemoWithFileSave")->setChecked(true);

    EXPECT_TRUE(Edit(0, "b"));
    ASSERT_TRUE(QFile::exists(path));
    TQuorvexDataAccessSystem saved;
    saved.LoadFromFile(path.toStdString(), DocumentKey);
    EXPECT_EQ(saved.GetRowName(MemoLayout::Table, 0), "b");
    EXPECT_FALSE(Manager().DocumentModified());
}

TEST_F(MemoListTest, RenameWithoutFileSaveLeavesTheFile)
{
    AddTitles({"a"});
    Main().SetDocumentFileName(FilePath("doc.vlr"));
    Main().Command("MemoWithFileSave")->setChecked(false);
    EXPECT_TRUE(Manager().RenameMemo("a", "b"));
    EXPECT_FALSE(QFile::exists(FilePath("doc.vlr")));
    EXPECT_TRUE(Manager().DocumentModified());
}

TEST_F(MemoListTest, SelectedTitleOnTheSearchPage)
{
    AddMemo("one", {"k"});
    AddMemo("two", {"k"});
    TypeKeyword("k");
    Manager().RefreshList();
    Manager().PageControl()->setCurrentIndex(0);
    EXPECT_EQ(Manager().GetSelectedTitle(), "");
    Manager().ResultList()->setCurrentRow(1);
    EXPECT_EQ(Manager().GetSelectedTitle(), "two");
    // The memo list's selection does not count here.
    Select(0);
    Manager().PageControl()->setCurrentIndex(0);
    EXPECT_EQ(Manager().GetSelectedTitle(), "two");
}

TEST_F(MemoListTest, SelectedTitleOnTheListPage)
{
    AddTitles({"one", "two"});
    Manager().PageControl()->setCurrentIndex(1);
    EXPECT_EQ(Manager().GetSelectedTitle(), "");
    Select(1);
    EXPECT_EQ(Manager().GetSelectedTitle(), "two");
    Manager().ListView1ColumnClick(0);
    Select(0);
    EXPECT_EQ(Manager().GetSelectedTitle(), "one");
}
