#pragma once
// The exceptions the table store and its helpers raise. Every message is
// UTF-8 text meant for the general error message box.

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

#define VELLORA_FIXED_MESSAGE_ERROR(Name, Text)                                \
    class Name : public Exception {                                            \
    public:                                                                    \
        Name() : Exception(Text) {}                                            \
    };

VELLORA_FIXED_MESSAGE_ERROR(EDuplicateTableName, "TableName が重複しています。")
VELLORA_FIXED_MESSAGE_ERROR(EDuplicateColName, "ColName が重複しています。")
VELLORA_FIXED_MESSAGE_ERROR(EDuplicateRowName, "RowName が重複しています。")
VELLORA_FIXED_MESSAGE_ERROR(EIncompatibleTypes, "適切な値ではありません。")
VELLORA_FIXED_MESSAGE_ERROR(EVariantTypeCast, "バリアントの型変換が不正です")
#undef VELLORA_FIXED_MESSAGE_ERROR

// A name that matches no table, column or row; the message says which kind.
class EUnregisteredName : public Exception {
public:
    enum class What { TableName, ColName, RowName };
    explicit EUnregisteredName(What what);
};

// A position outside a list: "リストのインデックスが範囲を超えています (%d)".
class EListError : public Exception {
public:
    explicit EListError(long long index);
};

// A text that does not read as the wanted kind; Text is shown in UTF-8.
class EConvertError : public Exception {
public:
    enum class Wanted { Integer, Float, DateTime };
    EConvertError(Wanted wanted, const std::string& textUtf8);
};

// File errors; FileName is the platform path (UTF-8).
// "ファイル %s は開けません", followed by the cause when one is known.
class EFOpenError : public Exception {
public:
    EFOpenError(const std::string& fileName, int error);
};

// "ファイル %s を作成できません", followed by the cause when one is known.
class EFCreateError : public Exception {
public:
    explicit EFCreateError(const std::string& fileName);
    EFCreateError(const std::string& fileName, int error);
    EFCreateError(const std::string& fileName, const std::string& cause);
};

// Why a file operation failed, in words for the user: Japanese for the
// common causes (disk full, no permission, ...), the system's text otherwise.
std::string FileErrorCause(int error);
// The same for reading a file.
std::string ReadErrorCause(int error);

// A document file whose data ends early or is otherwise unreadable.
class EDamagedDocument : public Exception {
public:
    EDamagedDocument(const std::string& fileName, const std::string& detail);
};

// A document that loads but lacks the memo layout; Detail names what is missing.
class ENotMemoDocument : public Exception {
public:
    ENotMemoDocument(const std::string& fileName, const std::string& detail);
};

// A name or text holding a 0x00 byte, which the document file cannot carry.
class ENulInText : public Exception {
public:
    explicit ENulInText(const std::string& where);
};

// A character that code page 932 cannot hold.
class EUnmappableCharacter : public Exception {
public:
    explicit EUnmappableCharacter(const std::string& characterUtf8);
};
