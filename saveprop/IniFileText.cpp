#include "IniFileText.h"

#include "Cp932Codec.h"
#include "Exceptions.h"
#include "FileDescriptor.h"
#include "FileIO.h"
#include "SavePropError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The store's words for why a read failed, but for permission, which a
// settings file reports as access refused.
QString CauseOf(int error)
{
    if (error == EACCES || error == EPERM)
        return QStringLiteral("アクセスが拒否されました");
    return QString::fromStdString(ReadErrorCause(error));
}

[[noreturn]] void Unreadable(const QString& fileName, const QString& cause)
{
    throw ESavePropError(QStringLiteral("設定ファイル %1 を読み込めません (%2)。").arg(fileName, cause));
}

bool HasControlCharacters(const QByteArray& bytes)
{
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n')
            return true;
    }
    return false;
}

// The file's bytes; empty when there is no file. Opening does not wait on
// a named pipe: only a regular file is read.
QByteArray ReadBytes(const QString& fileName)
{
    TFileDescriptor file(::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.Valid()) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        Unreadable(fileName, CauseOf(errno));
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        Unreadable(fileName, CauseOf(errno));
    if (S_ISDIR(info.st_mode))
        Unreadable(fileName, QStringLiteral("ファイルではなくフォルダです"));
    if (!S_ISREG(info.st_mode))
        Unreadable(fileName, QStringLiteral("通常のファイルではありません"));
    QByteArray bytes;
    char piece[1 << 14];
    for (;;) {
        const ssize_t got = ::read(file.Get(), piece, sizeof piece);
        if (got == 0)
            return bytes;
        if (got > 0)
            bytes.append(piece, got);
        else if (errno != EINTR)
            Unreadable(fileName, CauseOf(errno));
    }
}

} // namespace

std::optional<QString> TIniFileText::Decode(const QByteArray& bytes)
{
    if (HasControlCharacters(bytes))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    const std::string converted = Cp932ToUtf8(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (converted.find("\xEF\xBF\xBD") != std::string::npos) // U+FFFD: not code page 932 either
        return std::nullopt;
    return QString::fromStdString(converted);
}

QString TIniFileText::Read(const QString& fileName)
{
    const auto text = Decode(ReadBytes(fileName));
    if (!text)
        Unreadable(fileName, QStringLiteral("テキストファイルではありません"));
    return *text;
}

void TIniFileText::Write(const QString& fileName, const QString& text)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        throw ESavePropError(QStringLiteral("設定ファイル %1 を保存できません。フォルダ %2 を作成できません").arg(fileName, folder));
    try {
        WriteFileAtomically(QFile::encodeName(fileName).toStdString(), text.toStdString());
    } catch (const Exception& e) {
        throw ESavePropError(QStringLiteral("設定を保存できません。") + QString::fromUtf8(e.what()));
    }
}
