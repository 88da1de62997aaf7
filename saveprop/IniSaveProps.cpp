#include "IniSaveProps.h"

#include "IniFileLocation.h"
#include "SavePropError.h"
#include "StreamingDummy.h"
#include "ValueText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

TIniSaveProps::TIniSaveProps(QObject* owner) : TCustomSaveProps(owner) {}

// A document still in memory is discarded without writing.
TIniSaveProps::~TIniSaveProps() = default;

QString TIniSaveProps::GetIniFileName() const
{
    return m_fileName.isEmpty() ? TIniFileLocation::ForThisProgram() : m_fileName;
}

// ---- the file ----------------------------------------------------------

TIniDocument TIniSaveProps::ReadFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw ESavePropError(QStringLiteral("設定ファイル %1 を読み込めません: %2").arg(fileName, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ESavePropError(QStringLiteral("設定ファイル %1 を読み込めません: %2").arg(fileName, file.errorString()));
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        throw ESavePropError(QStringLiteral("設定ファイル %1 は UTF-8 のテキストではありません").arg(fileName));
    return TIniDocument::FromText(text);
}

void TIniSaveProps::WriteFile(const QString& fileName, const TIniDocument& document)
{
    const auto fail = [&](const QString& reason) {
        throw ESavePropError(QStringLiteral("設定ファイル %1 に書き込めません: %2").arg(fileName, reason));
    };
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        fail(QStringLiteral("フォルダ %1 を作れません").arg(folder));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(document.ToText().toUtf8()) < 0 || !file.commit())
        fail(file.errorString());
}

// ---- opening and closing ----------------------------------------------

void TIniSaveProps::Open()
{
    if (!m_document)
        m_document = std::make_unique<TIniDocument>(ReadFile(GetIniFileName()));
    IncrementOpenCount();
}

void TIniSaveProps::BeginRead()
{
    Open();
}

void TIniSaveProps::BeginWrite()
{
    Open();
}

void TIniSaveProps::EndRead()
{
    if (DecrementOpenCount() <= 0)
        m_document.reset();
}

void TIniSaveProps::EndWrite()
{
    if (DecrementOpenCount() > 0 || !m_document)
        return;
    WriteFile(GetIniFileName(), *m_document); // on failure the document stays
    m_document.reset();
}

TIniDocument& TIniSaveProps::OpenDocument(const char* operation)
{
    if (!m_document || OpenCount() <= 0)
        throw ESavePropError(QStringLiteral("Assertion failure (IniSaveProps.cpp): %1 needs an open store")
                                 .arg(QString::fromLatin1(operation)));
    return *m_document;
}

// ---- values -------------------------------------------------------------

std::optional<QString> TIniSaveProps::ReadValue(const QString& section, const QString& key)
{
    return WithRead([&] { return m_document->Value(section, key); });
}

void TIniSaveProps::WriteValue(const QString& section, const QString& key, const QString& value)
{
    CheckDuplicate(section, key);
    TIniDocument::CheckEntry(section, key, value);
    WithWrite([&] { m_document->SetValue(section, key, value); });
}

std::int32_t TIniSaveProps::ReadInteger(const QString& section, const QString& key)
{
    const auto text = ReadValue(section, key);
    return text ? ValueText::ParseInteger(*text).value_or(0) : 0;
}

QString TIniSaveProps::ReadString(const QString& section, const QString& key)
{
    return ReadValue(section, key).value_or(QString());
}

double TIniSaveProps::ReadFloat(const QString& section, const QString& key)
{
    const auto text = ReadValue(section, key);
    return text ? ValueText::ParseFloat(*text, m_locale).value_or(0.0) : 0.0;
}

void TIniSaveProps::WriteInteger(const QString& section, const QString& key, std::int32_t value)
{
    WriteValue(section, key, ValueText::FormatInteger(value));
}

void TIniSaveProps::WriteString(const QString& section, const QString& key, const QString& value)
{
    WriteValue(section, key, value);
}

void TIniSaveProps::WriteFloat(const QString& section, const QString& key, double value)
{
    WriteValue(section, key, ValueText::FormatFloat(value, m_locale));
}

bool TIniSaveProps::ValueExists(const QString& section, const QString& key)
{
    return ReadValue(section, key).has_value();
}

// ---- objects and sections ----------------------------------------------

void TIniSaveProps::WriteObject(const QString& section, const QString& key, QObject* obj)
{
    TIniDocument& document = OpenDocument("WriteObject");
    const QStringList text = TStreamingDummy(obj).ToText();
    for (qsizetype i = 1; i + 1 < text.size(); ++i)
        document.SetValue(section, key + QString::number(i - 1), text[i]);
}

void TIniSaveProps::ReadObject(const QString& section, const QString& key, QObject* obj)
{
    const QStringList lines = OpenDocument("ReadObject").NumberedValues(section, key);
    if (lines.isEmpty() || !obj)
        return;
    TStreamingDummy(obj).FromText(QStringList{QStringLiteral("object TStreamingDummy")} + lines
                                  + QStringList{QStringLiteral("end")});
}

void TIniSaveProps::FindValues(const QString& section)
{
    const TIniSection* found = OpenDocument("FindValues").FindSection(section);
    if (!found)
        return;
    const QStringList lines = found->lines; // handlers may write meanwhile
    bool cont = true;
    for (const QString& line : lines) {
        ReportFoundValue(section, TIniDocument::LineName(line).toString(), TIniDocument::LineValue(line).toString(),
                         cont);
        if (!cont)
            break;
    }
}

void TIniSaveProps::EmptyObjectSections()
{
    QString section;
    QString key;
    for (int i = 0; i < Props().Count(); ++i) {
        const TProp* item = Props().Items(i);
        if (item->ValueKind() == TPropValueKind::pvObject && item->GetSectionKey(section, key))
            m_document->ClearSection(section);
    }
}

void TIniSaveProps::Save()
{
    if (IsLoading())
        return;
    WithWrite([this] {
        EmptyObjectSections();
        TCustomSaveProps::Save();
    });
}
