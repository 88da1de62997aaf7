#pragma once
// What a column of each type code accepts and how its cells read and write
// as text: the rules behind SetValue, GetValueAsString and SetValueAsString.

#include "CellValue.h"

#include <cstdint>
#include <string>

struct ColumnFit {
    enum Outcome { Store, Unfit, Ignore };
    Outcome outcome;
    CellValue value;  // what the cell gets when outcome is Store
};

// Checks v against the column type's range and converts it to the type's
// kind. The empty value always fits. Raises EVariantTypeCast when v cannot
// be converted for the comparison or for storage.
ColumnFit FitToColumn(std::uint8_t colType, const CellValue& v);

// The text form of a cell of the given type; empty cells give "".
std::string CellText(std::uint8_t colType, const CellValue& v);

// Converts a non-empty text to the column type's kind, raising
// EConvertError when it does not read as that kind.
CellValue ParseCellText(std::uint8_t colType, const std::string& text);
