// The memo editor window: new windows, keywords and the save question.
#include "AppFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTest>

TEST_F(AppTest, NewMemoWindowsCountUpInTheirCaptions)
{
    Start();
    TfrmMemo* first = NewMemo();
    EXPECT_EQ(first->Caption(), "無題 - 1");
    EXPECT_TRUE(first->Title().isEmpty());
    EXPECT_FALSE(first->Stored());
    Main().RunCommand("MemoClose");
    Idle();
    EXPECT_EQ(Main().MemoWindowCount(), 0);
    EXPECT_EQ(NewMemo()->Caption(), "無題 - 2");
    EXPECT_EQ(Main().UntitledCount(), 2);
}

TEST_F(AppTest, KeywordsAreSortedAndDuplicatesRefused)
{
    Start();
    TfrmMemo* memo = NewMemo();
    memo->AddKeyword("beta");
    memo->AddKeyword("Alpha");
    memo->AddKeyword("alpha");  // a case variant is another keyword
    EXPECT_EQ(memo->Keywords().size(), 3);
    EXPECT_EQ(memo->Keywords().last(), "beta");
    EXPECT_TRUE(memo->Modified());
    memo->SetModified(false);

    m_dialogs.ExpectMessage("\"beta\" は既に登録されています。", TMsgButton::Ok);
    memo->AddKeyword("beta");
    EXPECT_EQ(memo->Keywords().size(), 3);
    EXPECT_FALSE(memo->Modified());

    m_dialogs.ExpectInputBox("キーワードの入力", "新たなキーワードを入力してください。", "gamma");
    Main().RunCommand("KeywordNew");
    m_dialogs.ExpectInputBox("キーワードの入力", "新たなキーワードを入力してください。", "");
    Main().RunCommand("KeywordNew");
    EXPECT_EQ(memo->Keywords().size(), 4);

    QApplication::clipboard()->setText(" pasted \n");
    Main().RunCommand("KeywordPaste");
    EXPECT_TRUE(memo->Keywords().contains(" pasted \n"));
}

TEST_F(AppTest, KeywordsFollowTheLocalesOrder)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Start();
    TfrmMemo* memo = NewMemo();
    memo->SetKeywords({"c", "Äpfel", "b", "Apfel", "Zug", "apfel2"});
    QLocale::setDefault(saved);
    EXPECT_EQ(memo->Keywords(), QStringList({"Apfel", "Äpfel", "apfel2", "b", "c", "Zug"}));
}

TEST_F(AppTest, DeletingSelectedKeywordsRemovesThemAll)
{
    Start();
    TfrmMemo* memo = NewMemo();
    memo->SetKeywords({"a", "b", "c", "d"});
    memo->SetModified(false);
    Main().ApplicationIdle();
    EXPECT_FALSE(Main().Command("KeywordDelete")->isEnabled());
    for (int i : {0, 2, 3})
        memo->KeywordList()->item(i)->setSelected(true);
    Main().RunCommand("KeywordDelete");
    EXPECT_EQ(memo->Keywords(), QStringList({"b"}));
    EXPECT_TRUE(memo->Modified());
}

TEST_F(AppTest, SendingTheSelectionAddsItOnce)
{
    Start();
    TfrmMemo* memo = NewMemo();
    memo->SetText("hello world");
    QTextCursor cursor = memo->Editor()->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    memo->Editor()->setTextCursor(cursor);
    Main().RunCommand("EditSendKeyWord");
    EXPECT_EQ(memo->Keywords(), QStringList({"hello"}));
    memo->SetModified(false);
    Main().RunCommand("EditSendKeyWord");
    EXPECT_EQ(memo->Keywords().size(), 1);
    EXPECT_FALSE(memo->Modified());
}

TEST_F(AppTest, DoubleClickOnTheKeywordListAsksForAKeyword)
{
    Start();
    TfrmMemo* memo = NewMemo();
    m_dialogs.ExpectInputBox("キーワードの入力", "新たなキーワードを入力してください。", "clicked");
    QTest::mouseDClick(memo->KeywordList()->viewport(), Qt::LeftButton, {}, QPoint(20, 60));
    EXPECT_EQ(memo->Keywords(), QStringList({"clicked"}));
}

TEST_F(AppTest, SaveQuestionOfAMemoWindow)
{
    Start();
    TfrmMemo* memo = NewMemo();
    memo->Editor()->insertPlainText("draft");
    const QString question = ChangedQuestion("\"無題 - 1\" ");
    m_dialogs.ExpectMessage(question, TMsgButton::Cancel);
    Main().RunCommand("MemoClose");
    Idle();
    EXPECT_EQ(Main().MemoWindowCount(), 1);
    EXPECT_EQ(m_dialogs.LastIcon(), TMsgIcon::Warning);
    EXPECT_EQ(m_dialogs.LastButtons(), TMsgButton::Yes | TMsgButton::No | TMsgButton::Cancel);

    // Yes with nothing stored keeps the window and its edits.
    m_dialogs.ExpectMessage(question, TMsgButton::Yes);
    m_dialogs.ExpectInputBox("メモの保存", "タイトルを入力してください｡", "");
    EXPECT_FALSE(memo->AskSave());
    EXPECT_EQ(Main().MemoWindowCount(), 1);

    m_dialogs.ExpectMessage(question, TMsgButton::No);
    Main().RunCommand("MemoClose");
    Idle();
    EXPECT_EQ(Main().MemoWindowCount(), 0);
}
