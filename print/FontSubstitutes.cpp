#include "FontSubstitutes.h"

#include <QFont>
#include <QStringList>

namespace {
void AddJapaneseFontSubstitutes()
{
    const QStringList proportionalGothic = {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    const QStringList gothic = {QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")};
    const QStringList proportionalMincho = {QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho")};
    const QStringList mincho = {QStringLiteral("IPAMincho"), QStringLiteral("IPAPMincho")};
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), proportionalGothic);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), proportionalGothic);
    QFont::insertSubstitutions(QStringLiteral("MS UI Gothic"), proportionalGothic);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), gothic);
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), gothic);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐ明朝"), proportionalMincho + gothic);
    QFont::insertSubstitutions(QStringLiteral("MS PMincho"), proportionalMincho + gothic);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"), mincho + gothic);
    QFont::insertSubstitutions(QStringLiteral("MS Mincho"), mincho + gothic);
}
}  // namespace

void RegisterJapaneseFontSubstitutes()
{
    static const bool registered = [] {
        AddJapaneseFontSubstitutes();
        return true;
    }();
    (void)registered;
}
