#pragma once
// The INI document held in memory while the settings store is open: an
// ordered list of sections, each a name and an ordered list of text lines,
// normally name "=" value. Nothing is trimmed: a line's name is the text
// before its first "=", its value the text after it, spaces included.
// Sections and keys are looked up without regard to ASCII letter case; the
// first match wins.
//
// Text read:    lines end at CR, LF or CR LF; empty lines and lines that
//               begin with ";" are dropped; "[name]" starts a section (a
//               name may occur twice; lookups find the first); other lines
//               belong to the current section; lines before the first
//               section are dropped.
// Text written: for each section "[name]", its lines, then an empty line;
//               every line ends with CR LF.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

struct TIniSection {
    QString name;
    QStringList lines;
};

class TIniDocument {
public:
    static TIniDocument FromText(QStringView text);
    QString ToText() const;

    const std::vector<TIniSection>& Sections() const { return m_sections; }
    const TIniSection* FindSection(QStringView name) const;

    // The value of the first line of the section named key, if any.
    std::optional<QString> Value(QStringView section, QStringView key) const;
    // Replaces the first line named key (its name taking the given letter
    // case) or appends key=value to the section, appending the section
    // when it is missing. Raises ESavePropError, changing nothing, for an
    // entry that would not read back as written (see CheckEntry).
    void SetValue(const QString& section, const QString& key, const QString& value);
    // Removes every line of the first section of that name.
    void ClearSection(QStringView name);
    // Values of the lines of the section whose names begin with key
    // (compared with letter case), in document order.
    QStringList PrefixedValues(QStringView section, QStringView key) const;

    // Refuses what the text form cannot hold: a line break or another
    // control character (the tab excepted) anywhere, a "="
    // in the key, or a key that begins with ";" or "[" (a comment or a
    // section header when read back).
    static void CheckEntry(const QString& section, const QString& key, const QString& value);

    static QStringView LineName(QStringView line);
    static QStringView LineValue(QStringView line);

private:
    TIniSection* SectionToChange(QStringView name);
    static qsizetype FindKeyLine(const TIniSection& section, QStringView key);

    std::vector<TIniSection> m_sections;
};
