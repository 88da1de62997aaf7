// The table store's operations: names, references, cell rules and failures.
#include "Exceptions.h"
#include "LocaleFormats.h"
#include "QuorvexDataAccessSystem.h"

#include <gtest/gtest.h>

namespace {

template <typename E, typename F>
void ExpectMessage(F&& action, const std::string& message)
{
    try {
        action();
        ADD_FAILURE() << "nothing raised, expected: " << message;
    } catch (const E& e) {
        EXPECT_EQ(e.what(), message);
    }
}

class TableStoreTest : public ::testing::Test {
protected:
    void SetUp() override { CurrentFormats() = LocaleFormats{}; }

    // A table "T" with one column of the type and one row "r".
    void OneCell(std::uint8_t type)
    {
        store.AddTable("T");
        store.AddCol("T", "C", type);
        store.AddRow("T", "r");
    }
    CellValue Cell() const { return store.GetValue("T", "C", "r"); }

    TQuorvexDataAccessSystem store;
};

TEST_F(TableStoreTest, NamesAreExactAndUniqueByKind)
{
    store.AddTable("Memos");
    ExpectMessage<EDuplicateTableName>([&] { store.AddTable("Memos"); }, "TableName が重複しています。");
    store.AddTable("memos");  // letter case makes another name
    EXPECT_EQ(store.TableCount(), 2);

    store.AddCol("Memos", "", ctString);
    store.AddCol("Memos", "", ctString);  // empty column names never clash
    store.AddCol("Memos", "Title", ctString);
    store.AddCol("Memos", "title", ctString);
    ExpectMessage<EDuplicateColName>([&] { store.AddCol("Memos", "Title", ctInteger); }, "ColName が重複しています。");
    EXPECT_EQ(store.ColCount("Memos"), 4);

    store.AddRow("Memos", "");
    store.AddRow("Memos", "");  // rule 1 allows any number of empty names
    store.AddRow("Memos", "A");
    store.AddRow("Memos", "a");
    ExpectMessage<EDuplicateRowName>([&] { store.AddRow("Memos", "A"); }, "RowName が重複しています。");
    EXPECT_EQ(store.RowCount("Memos"), 4);

    store.SetRowNameRule("memos", rnUnique);
    store.AddRow("memos", "");
    EXPECT_THROW(store.AddRow("memos", ""), EDuplicateRowName);
    store.SetRowNameRule("memos", 7);  // no check at all
    store.AddRow("memos", "x");
    store.AddRow("memos", "x");
    EXPECT_EQ(store.RowIndex("memos", "x"), 1);  // the first of equal names wins
}

TEST_F(TableStoreTest, ReferencesResolveTableThenColumnThenRow)
{
    ExpectMessage<EUnregisteredName>([&] { store.RowCount("Memos"); }, "未だ登録されていない TableName です。");
    store.AddTable("Memos");
    store.AddCol("Memos", "Title", ctString);
    ExpectMessage<EUnregisteredName>([&] { store.RowIndex("Memos", "A"); }, "未だ登録されていない RowName です。");
    ExpectMessage<EUnregisteredName>([&] { store.GetValue("Memos", "Nope", "Nobody"); },
                                     "未だ登録されていない ColName です。");
    ExpectMessage<EUnregisteredName>([&] { store.GetValue("Nope", "Nope", "Nobody"); },
                                     "未だ登録されていない TableName です。");

    // A number written as text is a name; a number is a position.
    store.AddRow("Memos", "0");
    store.AddRow("Memos", "B");
    EXPECT_EQ(store.RowIndex("Memos", "0"), 0);
    EXPECT_EQ(store.GetRowName("Memos", 1), "B");
    EXPECT_EQ(store.RowIndex("Memos", 5), 5);  // positions are not tested here...
    ExpectMessage<EListError>([&] { store.GetRowName("Memos", 5); },
                              "リストのインデックスが範囲を超えています (5)");  // ...but on use
    EXPECT_THROW(store.GetValue(0, 0, -1), EListError);
    EXPECT_THROW(store.ColCount(3), EListError);

    // The caller's reference still holds its name afterwards.
    NameOrIndex table = "Memos";
    store.SetValue(table, "Title", "B", "x");
    EXPECT_TRUE(table.IsText());
}

TEST_F(TableStoreTest, RowsDeleteClearAndRenameKeepCellsInStep)
{
    store.AddTable("T");
    store.AddCol("T", "C", ctString);
    for (const char* name : {"a", "b", "c"}) {
        store.AddRow("T", name);
        store.SetValue("T", "C", name, std::string("cell ") + name);
    }
    store.AddCol("T", "D", ctInteger);  // a late column gets one empty cell per row
    EXPECT_TRUE(store.GetValue("T", "D", "c").IsEmpty());

    store.DeleteRow("T", "a");
    EXPECT_EQ(store.RowIndex("T", "b"), 0);
    EXPECT_EQ(store.RowIndex("T", "c"), 1);
    EXPECT_EQ(store.GetValueAsString("T", "C", "c"), "cell c");
    EXPECT_THROW(store.RowIndex("T", "a"), EUnregisteredName);

    ExpectMessage<EDuplicateRowName>([&] { store.RenameRow("T", "b", "c"); }, "RowName が重複しています。");
    EXPECT_THROW(store.RenameRow("T", "b", "b"), EDuplicateRowName);  // its own name counts
    store.RenameRow("T", "b", "B");
    EXPECT_EQ(store.RowIndex("T", "B"), 0);
    EXPECT_EQ(store.GetValueAsString("T", "C", "B"), "cell b");
    EXPECT_THROW(store.RowIndex("T", "b"), EUnregisteredName);

    store.ClearRows("T");
    EXPECT_EQ(store.RowCount("T"), 0);
    EXPECT_EQ(store.ColCount("T"), 2);
    store.AddRow("T", "c");
    EXPECT_TRUE(store.GetValue("T", "C", "c").IsEmpty());
}

TEST_F(TableStoreTest, RenamingAndDeletingAmongEqualNamesFindsTheRightFirst)
{
    store.AddTable("T");
    store.SetRowNameRule("T", 9);
    for (const char* name : {"x", "y", "x", "x"})
        store.AddRow("T", name);
    store.RenameRow("T", 0, "z");
    EXPECT_EQ(store.RowIndex("T", "x"), 2);
    store.DeleteRow("T", 2);
    EXPECT_EQ(store.RowIndex("T", "x"), 2);
    store.DeleteRow("T", "x");
    EXPECT_THROW(store.RowIndex("T", "x"), EUnregisteredName);
    EXPECT_EQ(store.RowIndex("T", "y"), 1);
}

TEST_F(TableStoreTest, IntegerColumnsCheckTheirRanges)
{
    OneCell(ctByte);
    store.SetValue("T", "C", "r", 255);
    ExpectMessage<EIncompatibleTypes>([&] { store.SetValue("T", "C", "r", 256); }, "適切な値ではありません。");
    EXPECT_THROW(store.SetValue("T", "C", "r", -1), EIncompatibleTypes);
    EXPECT_EQ(Cell(), CellValue(255));
    store.SetValue("T", "C", "r", CellValue::Real(2.5));  // ties to even
    EXPECT_EQ(Cell(), CellValue(2));
    store.SetValue("T", "C", "r", "17");
    EXPECT_EQ(Cell(), CellValue(17));
    ExpectMessage<EVariantTypeCast>([&] { store.SetValue("T", "C", "r", "abc"); }, "バリアントの型変換が不正です");
    EXPECT_EQ(Cell(), CellValue(17));

    store.SetStrictTypes(0);
    store.SetValue("T", "C", "r", 256);  // dropped silently
    EXPECT_EQ(Cell(), CellValue(17));
    EXPECT_THROW(store.SetValue("T", "C", "r", "abc"), EVariantTypeCast);  // whatever StrictTypes says

    store.AddCol("T", "S", ctSmallint);
    store.SetStrictTypes(1);
    store.SetValue("T", "S", "r", -32768);
    EXPECT_THROW(store.SetValue("T", "S", "r", 32768), EIncompatibleTypes);
    EXPECT_EQ(store.GetValueAsString("T", "S", "r"), "-32768");
}

TEST_F(TableStoreTest, RealDateAndCurrencyColumnsCheckTheirRanges)
{
    OneCell(ctDouble);
    EXPECT_THROW(store.SetValue("T", "C", "r", CellValue::Real(0.0)), EIncompatibleTypes);
    EXPECT_THROW(store.SetValue("T", "C", "r", CellValue::Real(-1.5)), EIncompatibleTypes);
    store.SetValue("T", "C", "r", CellValue::Real(1.5));
    EXPECT_EQ(Cell(), CellValue::Real(1.5));

    store.AddCol("T", "D", ctDateTime);
    EXPECT_THROW(store.SetValue("T", "D", "r", CellValue::DateTime(0.0)), EIncompatibleTypes);
    store.SetValue("T", "D", "r", CellValue::DateTime(36892.0));
    EXPECT_EQ(store.GetValueAsString("T", "D", "r"), "2001/01/01");
    store.SetValue("T", "D", "r", CellValue::DateTime(1.5));
    EXPECT_EQ(store.GetValueAsString("T", "D", "r"), "1899/12/31 12:00:00");

    store.AddCol("T", "M", ctCurrency);
    store.SetValue("T", "M", "r", CellValue::Currency(9223372036854775807LL));
    EXPECT_THROW(store.SetValue("T", "M", "r", CellValue::Currency(INT64_MIN)), EIncompatibleTypes);
    store.SetValue("T", "M", "r", CellValue::Real(12.5));
    EXPECT_EQ(store.GetValueAsString("T", "M", "r"), "12.5");
    EXPECT_THROW(store.SetValue("T", "M", "r", CellValue::Real(1e16)), EIncompatibleTypes);

    store.AddCol("T", "F", ctSingle);  // no range at all
    store.SetValue("T", "F", "r", CellValue::Real(-1e300));
    EXPECT_EQ(store.GetValue("T", "F", "r"), CellValue::Real(-1e300));
}

TEST_F(TableStoreTest, BooleanStringAndEmptyValues)
{
    OneCell(ctBoolean);
    store.SetValue("T", "C", "r", CellValue::Boolean(true));
    EXPECT_EQ(store.GetValueAsString("T", "C", "r"), "True");
    EXPECT_THROW(store.SetValue("T", "C", "r", 5), EIncompatibleTypes);
    store.SetValue("T", "C", "r", CellValue());  // empty fits every type
    EXPECT_TRUE(Cell().IsEmpty());
    EXPECT_EQ(store.GetValueAsString("T", "C", "r"), "");

    store.AddCol("T", "S", ctString);
    store.SetValue("T", "S", "r", 1);
    EXPECT_EQ(store.GetValue("T", "S", "r"), CellValue("1"));

    store.AddCol("T", "X", 42);  // codes above 8 are kept; their cells stay empty
    EXPECT_EQ(store.GetColType("T", "X"), 42);
    store.SetValue("T", "X", "r", "anything");
    EXPECT_TRUE(store.GetValue("T", "X", "r").IsEmpty());
}

TEST_F(TableStoreTest, ValuesAsStringFollowTheColumnType)
{
    OneCell(ctBoolean);
    store.SetValueAsString("T", "C", "r", "True");
    EXPECT_EQ(Cell(), CellValue::Boolean(true));
    store.SetValueAsString("T", "C", "r", "true");  // letter case matters
    EXPECT_EQ(Cell(), CellValue::Boolean(false));

    store.AddCol("T", "I", ctInteger);
    store.SetValueAsString("T", "I", "r", "-42");
    EXPECT_EQ(store.GetValue("T", "I", "r"), CellValue(-42));
    ExpectMessage<EConvertError>([&] { store.SetValueAsString("T", "I", "r", "abc"); }, "'abc' は整数ではありません");
    EXPECT_EQ(store.GetValue("T", "I", "r"), CellValue(-42));
    EXPECT_THROW(store.SetValueAsString("T", "I", "r", "3000000000"), EConvertError);

    store.AddCol("T", "D", ctDateTime);
    store.SetValueAsString("T", "D", "r", "2001/01/01");
    EXPECT_EQ(store.GetValue("T", "D", "r"), CellValue::DateTime(36892.0));
    ExpectMessage<EConvertError>([&] { store.SetValueAsString("T", "D", "r", "someday"); },
                                 "'someday' は日付または時刻ではありません");
    store.SetValueAsString("T", "D", "r", "");
    EXPECT_TRUE(store.GetValue("T", "D", "r").IsEmpty());

    store.AddCol("T", "R", ctDouble);
    ExpectMessage<EConvertError>([&] { store.SetValueAsString("T", "R", "r", "1,5"); },
                                 "'1,5' は浮動小数点数ではありません");
    CurrentFormats().DecimalSeparator = ',';
    store.SetValueAsString("T", "R", "r", "1,5");
    EXPECT_EQ(store.GetValueAsString("T", "R", "r"), "1,5");
    EXPECT_THROW(store.SetValueAsString("T", "R", "r", "-1,5"), EIncompatibleTypes);
}

}  // namespace
