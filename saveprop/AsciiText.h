#pragma once
// Comparison of names without regard to ASCII letter case: A–Z match a–z,
// every other character must be equal. Property, section and key names are
// compared this way throughout the settings component.

#include <QStringView>

inline char16_t AsciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

inline bool SameTextAscii(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i].unicode()) != AsciiLower(b[i].unicode()))
            return false;
    }
    return true;
}
