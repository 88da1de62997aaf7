#include "IniSaveProps.h"

#include "IniFileLocation.h"
#include "IniFileText.h"
#include "SavePropError.h"
#include "StreamingDummy.h"
#include "ValueText.h"


TIniSaveProps::TIniSaveProps(QObject* owner) : TCustomSaveProps(owner) {}

// A document still in memory is discarded without writing.
TIniSaveProps::~TIniSaveProps() = default;

QString TIniSaveProps::GetIniFileName() const
{
    return m_fileName.isEmpty() ? TIniFileLocation::ForThisProgram() : m_fileName;
}

// ---- the file ----------------------------------------------------------

void TIniSaveProps::SetFileName(const QString& fileName)
{
    m_fileName = fileName;
    if (Unreadable() && OpenCount() <= 0) {
        m_unreadable = false;
        m_document.reset();
    }
}

void TIniSaveProps::ReportFileError(const QString& message)
{
    if (!OnFileError)
        throw ESavePropError(message);
    OnFileError(message);
}

// Without a handler the store stays closed, holding the empty document
// that later openings use.
void TIniSaveProps::ReadFile()
{
    const QString fileName = GetIniFileName();
    m_document = std::make_unique<TIniDocument>();
    try {
        *m_document = TIniDocument::FromText(TIniFileText::Read(fileName));
    } catch (const ESavePropError& e) {
        m_unreadable = true;
        ReportFileError(e.Message() + QStringLiteral("設定は既定値で始め、このファイルには書き込みません。"));
    }
}

void TIniSaveProps::WriteFile()
{
    try {
        TIniFileText::Write(GetIniFileName(), m_document->ToText());
    } catch (const ESavePropError& e) {
        if (e.Message() == m_lastWriteFailure)
            return;
        m_lastWriteFailure = e.Message();
        ReportFileError(m_lastWriteFailure);
        return;
    }
    m_lastWriteFailure.clear();
    m_document.reset();
}

// ---- opening and closing ----------------------------------------------

void TIniSaveProps::Open()
{
    if (!m_document)
        ReadFile();
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
    if (DecrementOpenCount() <= 0 && !Unreadable())
        m_document.reset();
}

void TIniSaveProps::EndWrite()
{
    if (DecrementOpenCount() > 0 || !m_document || Unreadable())
        return;
    WriteFile(); // on failure the document stays
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
    const QStringList lines = OpenDocument("ReadObject").PrefixedValues(section, key);
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

void TIniSaveProps::BeforeSaveEntries()
{
    QString section;
    QString key;
    for (int i = 0; i < Props().Count(); ++i) {
        const TProp* item = Props().Items(i);
        if (item->ValueKind() == TPropValueKind::pvObject && item->GetSectionKey(section, key))
            m_document->ClearSection(section);
    }
}

