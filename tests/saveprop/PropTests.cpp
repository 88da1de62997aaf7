// The saved-property list: addresses, value kinds, numbering, inert entries.
#include "Props.h"
#include "SavePropError.h"
#include "TestComponents.h"

#include <gtest/gtest.h>

namespace {

struct TAddress {
    QString section;
    QString key;
    bool ok;
};

TAddress AddressOf(const TProp* item)
{
    TAddress a;
    a.ok = item->GetSectionKey(a.section, a.key);
    return a;
}

void ExpectAddress(const TProp* item, const QString& section, const QString& key)
{
    const TAddress a = AddressOf(item);
    EXPECT_TRUE(a.ok) << item->DisplayName().toStdString();
    EXPECT_EQ(a.section, section);
    EXPECT_EQ(a.key, key);
}

void ExpectInert(const TProp* item)
{
    const TAddress a = AddressOf(item);
    EXPECT_FALSE(a.ok);
    EXPECT_TRUE(a.section.isEmpty());
    EXPECT_TRUE(a.key.isEmpty());
    EXPECT_EQ(item->ValueKind(), TPropValueKind::pvNone);
    EXPECT_TRUE(item->UniqueKey().isEmpty());
}

} // namespace

TEST(Props, DerivesSectionAndKeyFromComponentAndProperty)
{
    TTestWindow w;
    TTestBar unnamed(&w);
    TProps props;
    ExpectAddress(props.Add(w.tlbMain, "Left"), "tlbMain", "Left");
    ExpectAddress(props.Add(w.statusBar, "Shown", "View", "StatusBar"), "View", "StatusBar");
    ExpectAddress(props.Add(&unnamed, "Top"), "TTestBar", "Top");
    // The name is found without regard to case; the key keeps what was given.
    ExpectAddress(props.Add(w.editor, "initialdir"), "Editor1", "initialdir");
    EXPECT_EQ(props.Items(0)->DisplayName(), "tlbMain.Left");
    EXPECT_EQ(TProps::AttributeName(0), "Property");
    EXPECT_EQ(props.ItemAttribute(1, 1), "View");
    EXPECT_EQ(props.ItemAttribute(2, 1), "StatusBar");
    EXPECT_THROW(props.Items(4), ESavePropError);
}

TEST(Props, ValueKindFollowsPropertyType)
{
    TTestWindow w;
    TProps props;
    const auto kind = [&](QObject* c, const char* name) { return props.Add(c, name)->ValueKind(); };
    EXPECT_EQ(kind(w.tlbMain, "Left"), TPropValueKind::pvOrdinal);
    EXPECT_EQ(kind(w.tlbMain, "Shown"), TPropValueKind::pvOrdinal);
    EXPECT_EQ(kind(w.tlbMain, "Small"), TPropValueKind::pvOrdinal);
    EXPECT_EQ(kind(w.editor, "EditMode"), TPropValueKind::pvOrdinal);
    EXPECT_EQ(kind(w.editor, "Mark"), TPropValueKind::pvOrdinal);
    EXPECT_EQ(kind(w.editor, "Zoom"), TPropValueKind::pvFloat);
    EXPECT_EQ(kind(w.editor, "InitialDir"), TPropValueKind::pvString);
    EXPECT_EQ(kind(w.editor, "Font"), TPropValueKind::pvObject);
    EXPECT_EQ(kind(w.tlbMain, "Tag"), TPropValueKind::pvNone);
    EXPECT_EQ(kind(w.tlbMain, "Big"), TPropValueKind::pvNone);
}

TEST(Props, OrdinalAccessCoversBooleansEnumerationsAndCharacters)
{
    TTestWindow w;
    TProps props;
    TProp* shown = props.Add(w.tlbMain, "Shown");
    TProp* mode = props.Add(w.editor, "EditMode");
    TProp* mark = props.Add(w.editor, "Mark");
    TProp* small = props.Add(w.tlbMain, "Small");
    EXPECT_EQ(shown->GetOrdValue(), 1);
    shown->SetOrdValue(0);
    EXPECT_FALSE(w.tlbMain->m_shown);
    mode->SetOrdValue(2);
    EXPECT_EQ(w.editor->m_mode, TTestEditor::Mode::Code);
    EXPECT_EQ(mode->GetOrdValue(), 2);
    EXPECT_EQ(mark->GetOrdValue(), int('*'));
    mark->SetOrdValue(0x3042);
    EXPECT_EQ(w.editor->m_mark, QChar(0x3042));
    // A value that does not fit is refused, not truncated.
    small->SetOrdValue(-300);
    EXPECT_EQ(w.tlbMain->m_small, -300);
    EXPECT_THROW(small->SetOrdValue(70000), ESavePropError);
    EXPECT_EQ(w.tlbMain->m_small, -300);
}

TEST(Props, ExactNameIsPreferredToACaseVariant)
{
    TTestWindow w;
    const auto own = TPublishedProperty::Find(w.tlbMain, u"Visible");
    ASSERT_TRUE(own.has_value());
    EXPECT_EQ(own->Name(), "Visible");
    const auto toolkit = TPublishedProperty::Find(w.tlbMain, u"VISIBLE");
    ASSERT_TRUE(toolkit.has_value());
    EXPECT_EQ(toolkit->Name(), "visible");
}

TEST(Props, ClashingAddressesAreNumberedInResolutionOrder)
{
    TTestWindow w;
    TProps props;
    props.Add(w.tlbMain, "Left");
    TProp* second = props.Add(w.tlbMain, "Left");
    TProp* third = props.Add(w.tlbMain, "Left");
    EXPECT_EQ(second->UniqueKey(), "Left1");
    EXPECT_EQ(third->UniqueKey(), "Left2");
    props.Delete(0);
    ExpectAddress(props.Items(0), "tlbMain", "Left1");
    ExpectAddress(props.Items(1), "tlbMain", "Left2");

    // Letter case does not tell addresses apart.
    TProp* lower = props.Add(w.tlbMain, "Top", "TLBMAIN", "left");
    EXPECT_EQ(lower->UniqueKey(), "left");
    EXPECT_EQ(props.Add(w.tlbMain, "Top", "tlbmain", "LEFT")->UniqueKey(), "LEFT3");
    EXPECT_FALSE(props.IsUnique(nullptr, "TLBMAIN", "LEFT2"));
    EXPECT_TRUE(props.IsUnique(nullptr, "tlbMain", "Left4"));
}

TEST(Props, UnstorableEntryStillOccupiesItsAddress)
{
    TTestWindow w;
    TProps props;
    TProp* tag = props.Add(w.tlbMain, "Tag");
    ExpectAddress(tag, "tlbMain", "Tag");
    EXPECT_TRUE(tag->UniqueKey().isEmpty());
    EXPECT_EQ(props.Add(w.tlbMain, "Left", {}, "Tag")->UniqueKey(), "Tag1");
}

TEST(Props, EntriesWithoutAPropertyAreInert)
{
    TTestWindow w;
    TProps props;
    TProp* dotted = props.Add(w.editor, "Font.Name");
    TProp* missing = props.Add(w.tlbMain, "Bogus");
    TProp* empty = props.Add(nullptr, "Left");
    for (const TProp* item : {dotted, missing, empty})
        ExpectInert(item);
    // Inert entries do not block an address.
    EXPECT_TRUE(props.IsUnique(nullptr, "tlbMain", "Bogus"));
    EXPECT_EQ(props.Add()->DisplayName(), "TProp");
    EXPECT_EQ(empty->DisplayName(), "TProp");

    // Disabled after resolution: skipped at once, and its accessors read
    // nothing and change nothing.
    TProp* disabled = props.Add(w.tlbMain, "Left");
    w.tlbMain->m_left = 7;
    disabled->SetEnabled(false);
    EXPECT_FALSE(AddressOf(disabled).ok);
    EXPECT_TRUE(props.IsUnique(nullptr, "tlbMain", "Left"));
    disabled->SetOrdValue(99);
    EXPECT_EQ(disabled->GetOrdValue(), 0);
    EXPECT_EQ(w.tlbMain->m_left, 7);
    EXPECT_TRUE(disabled->GetStrValue().isEmpty());
    EXPECT_EQ(disabled->GetFloatValue(), 0.0);
    EXPECT_EQ(disabled->GetObjValue(), nullptr);
}

TEST(Props, ComponentChangesClearMissingPropertyName)
{
    TTestWindow w;
    TProps props;
    TProp* item = props.Add(w.editor, "InitialDir");
    item->SetCompo(w.tlbMain);
    EXPECT_TRUE(item->PropName().isEmpty());
    ExpectInert(item);
    EXPECT_EQ(item->DisplayName(), "TProp");
    item->SetPropName("Top");
    ExpectAddress(item, "tlbMain", "Top");
}

TEST(Props, EnablingDoesNotResolve)
{
    TTestWindow w;
    TProps props;
    TProp* item = props.Add();
    item->SetEnabled(false);
    item->SetPropName("Left");
    item->SetCompo(w.tlbMain);
    item->SetEnabled(true);
    // Active, but resolved while disabled: no kind until set again.
    ExpectAddress(item, "tlbMain", "Left");
    EXPECT_EQ(item->ValueKind(), TPropValueKind::pvNone);
    item->SetKeyName("X");
    EXPECT_EQ(item->ValueKind(), TPropValueKind::pvOrdinal);
}

TEST(Props, DestroyedComponentLeavesEntryInert)
{
    TTestWindow w;
    TProps props;
    auto* bar = new TTestBar(&w);
    bar->setObjectName("tlbEdit");
    TProp* item = props.Add(bar, "Left");
    ExpectAddress(item, "tlbEdit", "Left");
    delete bar;
    EXPECT_EQ(item->Compo(), nullptr);
    ExpectInert(item);
    EXPECT_TRUE(props.IsUnique(nullptr, "tlbEdit", "Left"));
}

TEST(Props, AssignCopiesAndResolvesInListOrder)
{
    TTestWindow w;
    TProps source;
    source.Add(w.tlbMain, "Left");
    source.Add(w.tlbMain, "Left")->SetEnabled(false);
    source.Add(w.tlbMain, "Left");
    TProps copy;
    copy.Assign(source);
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy.Items(0)->UniqueKey(), "Left");
    EXPECT_FALSE(copy.Items(1)->Enabled());
    EXPECT_EQ(copy.Items(2)->UniqueKey(), "Left1");
    EXPECT_EQ(copy.Items(2)->Collection(), &copy);

    // The copy watches the component on its own.
    delete w.tlbMain;
    w.tlbMain = nullptr;
    EXPECT_EQ(copy.Items(0)->Compo(), nullptr);
}
