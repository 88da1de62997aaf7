// Feeds arbitrary text to the settings file's INI reader and writer. What
// was read writes a text that reads back to the same document; an entry
// the text form can hold is stored, reads back as written after a write
// and a read, and leaves every other entry as it was; one it cannot hold
// is refused with the settings error and changes nothing. Storing never
// turns a file the settings reader takes into one it refuses.
//
// Input: one byte choosing the text's form (UTF-8, or UTF-16 units as
// they come, lone surrogates included), then the text. When the text
// holds three U+001F separators, the parts after the first name the
// section, key and value stored; otherwise an entry in the first section.
#include "FuzzCheck.h"
#include "IniDocument.h"
#include "IniFileText.h"
#include "SavePropError.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr const char* kTarget = "ini fuzz";

void Require(bool condition, const char* what) { ::Require(condition, kTarget, what); }

QString InputText(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    const auto count = static_cast<qsizetype>(size - 1);
    if (data[0] & 1)
        return QString(reinterpret_cast<const QChar*>(bytes), count / 2);
    return QString::fromUtf8(bytes, count);
}

struct Entry {
    QString section;
    QString key;
    QString value;
};

// The text the document is read from and the entry stored into it.
std::pair<QString, Entry> Split(const QString& input)
{
    const QStringList parts = input.split(QChar(0x1F));
    if (parts.size() >= 4)
        return {parts[0], {parts[1], parts[2], parts[3]}};
    const TIniDocument read = TIniDocument::FromText(input);
    const QString section = read.Sections().empty() ? QStringLiteral("Fuzz") : read.Sections().front().name;
    return {input, {section, QStringLiteral("Key"), parts.back()}};
}

// Line breaks and the other control characters but the tab: the reader
// ends a line at the first and refuses a file holding the others.
bool HasControlCharacter(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 && c != u'\t')
            return true;
    return false;
}

// What the text form cannot hold: a control character anywhere, or a key
// that would not read back as the name of its line.
bool Unstorable(const Entry& entry)
{
    return HasControlCharacter(entry.section) || HasControlCharacter(entry.key) ||
           HasControlCharacter(entry.value) || entry.key.contains(u'=') || entry.key.startsWith(u';') ||
           entry.key.startsWith(u'[');
}

bool ReaderTakes(const QString& text) { return TIniFileText::Decode(text.toUtf8()).has_value(); }

bool SameSections(const TIniDocument& a, const TIniDocument& b)
{
    if (a.Sections().size() != b.Sections().size())
        return false;
    for (std::size_t i = 0; i < a.Sections().size(); ++i)
        if (a.Sections()[i].name != b.Sections()[i].name || a.Sections()[i].lines != b.Sections()[i].lines)
            return false;
    return true;
}

struct Found {
    QString section;
    QString key;
    std::optional<QString> value;
};

// What Value finds for every section name and key of the document; a key
// of a later section of a repeated name finds nothing.
std::vector<Found> Entries(const TIniDocument& document)
{
    std::vector<Found> entries;
    for (const TIniSection& section : document.Sections())
        for (const QString& line : section.lines)
            if (line.contains(u'=')) {
                const QString key = TIniDocument::LineName(line).toString();
                entries.push_back({section.name, key, document.Value(section.name, key)});
            }
    return entries;
}

// Names match with the ASCII letters' case ignored, and only theirs.
bool SameName(QString a, QString b)
{
    for (QString* name : {&a, &b})
        for (QChar& c : *name)
            if (c >= u'A' && c <= u'Z')
                c = QChar(c.unicode() + (u'a' - u'A'));
    return a == b;
}

// Reads the written text of document back and checks that it is the same.
TIniDocument Reread(const TIniDocument& document)
{
    const QString text = document.ToText();
    TIniDocument reread = TIniDocument::FromText(text);
    Require(SameSections(reread, document), "a written document reads back as another");
    Require(reread.ToText() == text, "a written document writes another text when read back");
    return reread;
}

void CheckStore(TIniDocument document, const Entry& entry)
{
    const std::vector<Found> before = Entries(document);
    const QString textBefore = document.ToText();
    try {
        document.SetValue(entry.section, entry.key, entry.value);
    } catch (const ESavePropError&) {
        Require(Unstorable(entry), "an entry the text form can hold was refused");
        Require(document.ToText() == textBefore, "a refused entry changed the document");
        return;
    }
    Require(!Unstorable(entry), "an entry the text form cannot hold was stored");
    Require(!ReaderTakes(textBefore) || ReaderTakes(document.ToText()), "a stored entry made the file unreadable");
    Require(document.Value(entry.section, entry.key) == entry.value, "a stored value does not read back");
    const TIniDocument reread = Reread(document);
    Require(reread.Value(entry.section, entry.key) == entry.value, "a written value does not read back");
    for (const Found& other : before) {
        if (!SameName(other.section, entry.section) || !SameName(other.key, entry.key))
            Require(reread.Value(other.section, other.key) == other.value, "storing an entry changed another");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto [text, entry] = Split(InputText(data, size));
    const TIniDocument document = TIniDocument::FromText(text);
    Reread(document);
    CheckStore(document, entry);
    return 0;
}
