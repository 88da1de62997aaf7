#include "IniDocument.h"

#include "AsciiText.h"
#include "SavePropError.h"

#include <algorithm>

namespace {

// Line breaks would end the line; any other control character but the tab
// would make the whole file read as no text (see TIniFileText::Decode).
bool HasControlCharacter(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
}

bool IsSectionHeader(QStringView line)
{
    return line.size() >= 2 && line.startsWith(u'[') && line.endsWith(u']');
}

} // namespace

TIniDocument TIniDocument::FromText(QStringView text)
{
    TIniDocument document;
    TIniSection* current = nullptr;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QStringView line = text.sliced(start, end - start);
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
            ++end;
        start = end + 1;

        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (IsSectionHeader(line)) {
            document.m_sections.push_back({line.sliced(1, line.size() - 2).toString(), {}});
            current = &document.m_sections.back();
        } else if (current) {
            current->lines.append(line.toString());
        }
    }
    return document;
}

QString TIniDocument::ToText() const
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    for (const TIniSection& section : m_sections) {
        text += u'[' + section.name + u']' + lineEnd;
        for (const QString& line : section.lines)
            text += line + lineEnd;
        text += lineEnd;
    }
    return text;
}

QStringView TIniDocument::LineName(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QStringView() : line.first(equals);
}

QStringView TIniDocument::LineValue(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QStringView() : line.sliced(equals + 1);
}

const TIniSection* TIniDocument::FindSection(QStringView name) const
{
    for (const TIniSection& section : m_sections) {
        if (SameTextAscii(section.name, name))
            return &section;
    }
    return nullptr;
}

TIniSection* TIniDocument::SectionToChange(QStringView name)
{
    return const_cast<TIniSection*>(std::as_const(*this).FindSection(name));
}

qsizetype TIniDocument::FindKeyLine(const TIniSection& section, QStringView key)
{
    for (qsizetype i = 0; i < section.lines.size(); ++i) {
        const QString& line = section.lines[i];
        if (line.contains(u'=') && SameTextAscii(LineName(line), key))
            return i;
    }
    return -1;
}

std::optional<QString> TIniDocument::Value(QStringView section, QStringView key) const
{
    const TIniSection* found = FindSection(section);
    if (!found)
        return std::nullopt;
    const qsizetype index = FindKeyLine(*found, key);
    if (index < 0)
        return std::nullopt;
    return LineValue(found->lines[index]).toString();
}

void TIniDocument::CheckEntry(const QString& section, const QString& key, const QString& value)
{
    if (HasControlCharacter(section))
        throw ESavePropError(QStringLiteral("設定のセクション名に改行や制御文字は使えません: %1").arg(section));
    if (HasControlCharacter(key) || key.contains(u'=') || key.startsWith(u';') || key.startsWith(u'['))
        throw ESavePropError(QStringLiteral("設定のキー名 %1 は使えません (改行、制御文字と \"=\" は使えず、\";\" と \"[\" で始めることもできません)").arg(key));
    if (HasControlCharacter(value))
        throw ESavePropError(QStringLiteral("設定の値に改行や制御文字は使えません (セクション名 %1、キー名 %2)").arg(section, key));
}

void TIniDocument::SetValue(const QString& section, const QString& key, const QString& value)
{
    CheckEntry(section, key, value);
    TIniSection* target = SectionToChange(section);
    if (!target) {
        m_sections.push_back({section, {}});
        target = &m_sections.back();
    }
    const QString line = key + u'=' + value;
    const qsizetype index = FindKeyLine(*target, key);
    if (index >= 0)
        target->lines[index] = line;
    else
        target->lines.append(line);
}

void TIniDocument::ClearSection(QStringView name)
{
    if (TIniSection* section = SectionToChange(name))
        section->lines.clear();
}

QStringList TIniDocument::PrefixedValues(QStringView section, QStringView key) const
{
    QStringList values;
    const TIniSection* found = FindSection(section);
    if (!found)
        return values;
    for (const QString& line : found->lines) {
        const QStringView name = LineName(line);
        if (line.contains(u'=') && name.startsWith(key))
            values.append(LineValue(line).toString());
    }
    return values;
}
