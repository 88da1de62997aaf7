#pragma once
// The plain stream of a document file (before scrambling, see Scrambler.h).
// Integers are little-endian two's complement, reals IEEE 754 little-endian,
// texts their code page 932 bytes followed by one 0x00; no padding.
//
//   StrictTypes     1 byte
//   TableCount      4 bytes signed, then that many table records:
//     TableName     text
//     RowCount      4 bytes signed
//     RowName       text, RowCount times
//     ColCount      4 bytes signed, then that many column records:
//       ColType     1 byte
//       ColName     text
//       cell        RowCount times: EmptyFlag (1 byte, non-zero = empty),
//                   then, when it is 0, the value by ColType:
//                   0 u8, 1 i16, 2 i32, 3 u8 (non-zero = true), 4 float,
//                   5 double, 6 i64 (amount x 10,000), 7 double (date),
//                   8 text, other types no bytes
//     RowNameRule   1 byte
//
// A count of zero or less means no records; bytes after the last table are
// ignored.

#include "FileSink.h"
#include "Scrambler.h"

#include <string>

class TQuorvexDataAccessSystem;

class TDocumentFormat {
public:
    // Writes the file's bytes to the sink, scrambled with the key, a
    // bounded piece at a time (see Scrambler.h for the two forms); the sink
    // is rewound when the stream has to start again in the extended form.
    // Raises ENulInText for a name or text holding 0x00, EVariantTypeCast
    // for a value that cannot be converted, with part of the stream written.
    static void Write(const TQuorvexDataAccessSystem& store, ScrambleKey key, TFileSink& sink);
    // Fills an empty store. Raises EDamagedDocument (naming fileName) when
    // the data ends early, and the store's duplicate-name exceptions.
    // Text cells refer to their bytes in plain, which the store keeps.
    static void Read(TUnscrambler& plain, const std::string& fileName, TQuorvexDataAccessSystem& store);

private:
    class StreamCursor;
    static void WritePlain(const TQuorvexDataAccessSystem& store, TFileSink& sink, TStreamScrambler& scrambler);
    static void ReadTable(StreamCursor& in, TQuorvexDataAccessSystem& store, int table);
    static void ReadColumn(StreamCursor& in, TQuorvexDataAccessSystem& store, int table);
};
