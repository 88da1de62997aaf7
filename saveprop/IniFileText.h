#pragma once
// The settings file on disk: its bytes read and decoded, its text written.
//
// Read:  a missing file (or a missing folder on its path) is empty text. A
//        file that is valid UTF-8 is read as UTF-8 (a byte-order mark is
//        dropped); one that is not is read as code page 932, the encoding
//        settings files of older versions were written in. Bytes that are
//        neither, or control characters other than tab, CR and LF (binary
//        junk), make the file unreadable. So does a folder or anything else
//        that is not a regular file in its place, or a failing read.
// Write: UTF-8, through a temporary file renamed over the old one, so a
//        full disk or a crash never leaves a truncated file; the folder is
//        created when missing.
// Failures raise ESavePropError with a Japanese message naming the file and
// the cause.

#include <QByteArray>
#include <QString>
#include <optional>

class TIniFileText {
public:
    static QString Read(const QString& fileName);
    static void Write(const QString& fileName, const QString& text);

    // The text of the bytes, or nothing when they are not text.
    static std::optional<QString> Decode(const QByteArray& bytes);
};
