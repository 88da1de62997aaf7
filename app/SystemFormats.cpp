#include "SystemFormats.h"

#include "Cp932Codec.h"
#include "Exceptions.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace {
// Qt's letters as the store's: "h" is on the 24-hour clock unless the
// format has an AM/PM marker ("AP", "ap", "A", "a"), which becomes "ampm";
// the time zone ("t") and milliseconds ("z") are left out.
QString StoreFormat(const QString& qt)
{
    const bool twelveHour = qt.contains(u'a', Qt::CaseInsensitive);
    QString out;
    for (qsizetype i = 0; i < qt.size();) {
        const QChar c = qt[i];
        qsizetype run = 1;
        while (i + run < qt.size() && qt[i + run] == c)
            ++run;
        if (c == u'\'') {
            const qsizetype close = qt.indexOf(u'\'', i + 1);
            const qsizetype end = close < 0 ? qt.size() : close + 1;
            out += qt.mid(i, end - i);
            i = end;
            continue;
        }
        if (c == u'a' || c == u'A') {
            out += QStringLiteral("ampm");
            i += i + 1 < qt.size() && (qt[i + 1] == u'p' || qt[i + 1] == u'P') ? 2 : 1;
            continue;
        }
        if (c == u'h' && !twelveHour)
            out += QString(qMin<qsizetype>(run, 2), u'H');
        else if (c != u't' && c != u'z')
            out += qt.mid(i, run);
        i += run;
    }
    return out.simplified();
}

std::optional<std::string> InCodePage(const QString& text)
{
    try {
        return Utf8ToCp932(text.toStdString());
    } catch (const Exception&) {
        return std::nullopt;
    }
}
}  // namespace

LocaleFormats FormatsOfLocale(const QLocale& locale)
{
    LocaleFormats formats;
    if (locale.language() == QLocale::C)
        return formats;
    if (const auto date = InCodePage(StoreFormat(locale.dateFormat(QLocale::ShortFormat))))
        formats.ShortDateFormat = *date;
    const auto time = InCodePage(StoreFormat(locale.timeFormat(QLocale::LongFormat)));
    const auto am = InCodePage(locale.amText());
    const auto pm = InCodePage(locale.pmText());
    if (time && am && pm) {
        formats.LongTimeFormat = *time;
        formats.TimeAMString = *am;
        formats.TimePMString = *pm;
    }
    const QString decimal = locale.decimalPoint();
    if (decimal.size() == 1 && decimal[0].unicode() < 0x80)
        formats.DecimalSeparator = static_cast<char>(decimal[0].unicode());
    return formats;
}
