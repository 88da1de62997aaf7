#include "Exceptions.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const char* UnregisteredMessage(EUnregisteredName::What what)
{
    switch (what) {
    case EUnregisteredName::What::TableName: return "未だ登録されていない TableName です。";
    case EUnregisteredName::What::ColName: return "未だ登録されていない ColName です。";
    case EUnregisteredName::What::RowName: break;
    }
    return "未だ登録されていない RowName です。";
}

const char* ConvertSuffix(EConvertError::Wanted wanted)
{
    switch (wanted) {
    case EConvertError::Wanted::Integer: return "' は整数ではありません";
    case EConvertError::Wanted::Float: return "' は浮動小数点数ではありません";
    case EConvertError::Wanted::DateTime: break;
    }
    return "' は日付または時刻ではありません";
}

// The code point of the first UTF-8 character, as "U+XXXX".
std::string CodePointLabel(const std::string& utf8)
{
    if (utf8.empty())
        return "U+0000";
    const auto lead = static_cast<unsigned char>(utf8[0]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    unsigned long code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 1; i <= extra && i < static_cast<int>(utf8.size()); ++i)
        code = (code << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
    char label[16];
    std::snprintf(label, sizeof label, "U+%04lX", code);
    return label;
}

}  // namespace

EUnregisteredName::EUnregisteredName(What what) : Exception(UnregisteredMessage(what)) {}

EListError::EListError(long long index)
    : Exception("リストのインデックスが範囲を超えています (" + std::to_string(index) + ")")
{
}

EConvertError::EConvertError(Wanted wanted, const std::string& textUtf8)
    : Exception("'" + textUtf8 + ConvertSuffix(wanted))
{
}

EFOpenError::EFOpenError(const std::string& fileName, int error)
    : Exception("ファイル " + fileName + " は開けません (" + ReadErrorCause(error) + ")")
{
}

EFCreateError::EFCreateError(const std::string& fileName) : Exception("ファイル " + fileName + " を作成できません")
{
}

EFCreateError::EFCreateError(const std::string& fileName, int error)
    : EFCreateError(fileName, FileErrorCause(error))
{
}

EFCreateError::EFCreateError(const std::string& fileName, const std::string& cause)
    : Exception("ファイル " + fileName + " を作成できません (" + cause + ")")
{
}

std::string FileErrorCause(int error)
{
    switch (error) {
    case ENOSPC: return "ディスクの空き領域が足りません";
    case EACCES:
    case EPERM: return "書き込みが許可されていません";
    case EROFS: return "読み取り専用のファイル システムです";
    case EDQUOT: return "ディスク クォータを超えています";
    case ENOENT: return "フォルダーがありません";
    case EISDIR: return "同じ名前のフォルダーがあります";
    case ENOTDIR: return "パスの途中にフォルダーではないファイルがあります";
    case ENAMETOOLONG: return "ファイル名が長すぎます";
    case EIO: return "入出力エラーが発生しました";
    case ENOMEM: return "メモリが足りません";
    default: break;
    }
    return std::strerror(error);
}

std::string ReadErrorCause(int error)
{
    switch (error) {
    case ENOENT: return "ファイルがありません";
    case EACCES:
    case EPERM: return "読み取りが許可されていません";
    case EISDIR: return "ファイルではなくフォルダーです";
    case ELOOP: return "シンボリックリンクが循環しています";
    default: return FileErrorCause(error);
    }
}

EDamagedDocument::EDamagedDocument(const std::string& fileName, const std::string& detail)
    : Exception("ファイル " + fileName + " は壊れています (" + detail + ")")
{
}

ENotMemoDocument::ENotMemoDocument(const std::string& fileName, const std::string& detail)
    : Exception("ファイル " + fileName + " はメモの文書ではありません (" + detail + ")")
{
}

ENulInText::ENulInText(const std::string& where)
    : Exception(where + " に 0x00 バイトが含まれているため、文書ファイルに保存できません")
{
}

EUnmappableCharacter::EUnmappableCharacter(const std::string& characterUtf8)
    : Exception("文字 \"" + characterUtf8 + "\" (" + CodePointLabel(characterUtf8) +
                ") はシフト JIS (コード ページ 932) で表せないため保存できません")
{
}
