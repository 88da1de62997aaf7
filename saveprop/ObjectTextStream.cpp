#include "ObjectTextStream.h"

#include "PublishedProperty.h"
#include "SavePropError.h"
#include "ValueText.h"

#include <QObject>
#include <QVariant>

namespace {

const QString kIndent = QStringLiteral("  ");
const QString kAssign = QStringLiteral(" = ");
const QString kEnd = QStringLiteral("end");

QString FrameLine(const QObject& root)
{
    return QStringLiteral("object ") + QString::fromUtf8(root.metaObject()->className());
}

bool IsControl(char16_t c)
{
    return c < 0x20 || c == 0x7F;
}

QString Quote(const QString& text)
{
    QString out;
    bool quoted = false;
    for (QChar c : text) {
        if (IsControl(c.unicode())) {
            if (quoted)
                out += u'\'';
            quoted = false;
            out += u'#' + QString::number(c.unicode());
            continue;
        }
        if (!quoted)
            out += u'\'';
        quoted = true;
        out += c == u'\'' ? QStringLiteral("''") : QString(c);
    }
    if (quoted)
        out += u'\'';
    return out.isEmpty() ? QStringLiteral("''") : out;
}

// ---- writing ----------------------------------------------------------

void WriteObject(const QObject& holder, const QString& prefix, bool isRoot, QStringList& out);

void WriteList(const QString& path, const QStringList& items, QStringList& out)
{
    if (items.isEmpty()) {
        out << kIndent + path + kAssign + QStringLiteral("()");
        return;
    }
    out << kIndent + path + kAssign + u'(';
    for (qsizetype i = 0; i < items.size(); ++i)
        out << kIndent + kIndent + Quote(items[i]) + (i + 1 == items.size() ? QStringLiteral(")") : QString());
}

void WriteProperty(const QObject& holder, const TPublishedProperty& property, const QString& path, bool isRoot,
                   QStringList& out)
{
    switch (property.Kind()) {
    case TPropValueKind::pvOrdinal:
        out << kIndent + path + kAssign + ValueText::FormatInteger(property.GetOrd());
        break;
    case TPropValueKind::pvFloat:
        out << kIndent + path + kAssign + QString::number(property.GetFloat(), 'g', QLocale::FloatingPointShortest);
        break;
    case TPropValueKind::pvString:
        out << kIndent + path + kAssign + Quote(property.GetStr());
        break;
    case TPropValueKind::pvObject:
        if (QObject* value = property.GetObject(); value && value != &holder && (isRoot || value->parent() == &holder))
            WriteObject(*value, path + u'.', false, out);
        break;
    case TPropValueKind::pvNone:
        if (property.MetaProperty().metaType().id() == QMetaType::QStringList)
            WriteList(path, property.Read().toStringList(), out);
        break;
    }
}

void WriteObject(const QObject& holder, const QString& prefix, bool isRoot, QStringList& out)
{
    const QMetaObject* meta = holder.metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (!p.isReadable() || !p.isWritable() || !p.isStored())
            continue;
        const TPublishedProperty property(const_cast<QObject*>(&holder), p);
        WriteProperty(holder, property, prefix + property.Name(), isRoot, out);
    }
}

// ---- reading ----------------------------------------------------------

[[noreturn]] void Fail(const QString& line, const QString& reason)
{
    throw ESavePropError(QStringLiteral("オブジェクトの設定 \"%1\" を読み込めません: %2").arg(line.trimmed(), reason));
}

// A string literal at pos: quoted runs and #n characters. Advances pos.
std::optional<QString> ParseLiteral(QStringView text, qsizetype& pos)
{
    QString out;
    bool any = false;
    while (pos < text.size()) {
        if (text[pos] == u'\'') {
            for (++pos;; ++pos) {
                if (pos >= text.size())
                    return std::nullopt;
                if (text[pos] == u'\'') {
                    if (pos + 1 < text.size() && text[pos + 1] == u'\'') {
                        out += u'\'';
                        ++pos;
                        continue;
                    }
                    ++pos;
                    break;
                }
                out += text[pos];
            }
        } else if (text[pos] == u'#') {
            const qsizetype start = ++pos;
            while (pos < text.size() && text[pos].isDigit())
                ++pos;
            bool ok = false;
            const uint code = text.sliced(start, pos - start).toUInt(&ok);
            if (!ok || code > 0x10FFFF)
                return std::nullopt;
            out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        } else {
            break;
        }
        any = true;
    }
    if (!any)
        return std::nullopt;
    return out;
}

struct TTextValue {
    enum class Form { Number, String, List } form = Form::Number;
    QString text;
    QStringList items;
};

// A list value: one literal per line, the last followed by ")".
QStringList ReadListItems(const QStringList& lines, qsizetype& next, qsizetype end, const QString& statement)
{
    QStringList items;
    while (next < end) {
        const QString line = lines[next++].trimmed();
        qsizetype pos = 0;
        const auto item = ParseLiteral(line, pos);
        const QStringView rest = QStringView(line).sliced(pos);
        if (!item || (!rest.isEmpty() && rest != u")"))
            Fail(line, QStringLiteral("リストの項目の書式が正しくありません"));
        items << *item;
        if (rest == u")")
            return items;
    }
    Fail(statement, QStringLiteral("リストが閉じていません"));
}

TTextValue ParseValue(const QString& text, const QStringList& lines, qsizetype& next, qsizetype end,
                      const QString& statement)
{
    TTextValue value;
    if (text == u"(" || text == u"()") {
        value.form = TTextValue::Form::List;
        if (text == u"(")
            value.items = ReadListItems(lines, next, end, statement);
        return value;
    }
    if (text.startsWith(u'\'') || text.startsWith(u'#')) {
        qsizetype pos = 0;
        const auto literal = ParseLiteral(text, pos);
        if (!literal || pos != text.size())
            Fail(statement, QStringLiteral("文字列の書式が正しくありません"));
        value.form = TTextValue::Form::String;
        value.text = *literal;
        return value;
    }
    value.text = text;
    return value;
}

// The property at the end of a dotted path, through object properties.
TPublishedProperty ResolvePath(QObject& root, const QString& path, const QString& statement)
{
    const QStringList names = path.split(u'.');
    QObject* object = &root;
    for (qsizetype i = 0;; ++i) {
        const auto property = TPublishedProperty::Find(object, names[i]);
        if (!property)
            Fail(statement, QStringLiteral("プロパティ %1 がありません").arg(names[i]));
        if (i + 1 == names.size())
            return *property;
        if (property->Kind() != TPropValueKind::pvObject || !(object = property->GetObject()))
            Fail(statement, QStringLiteral("%1 はオブジェクトを持っていません").arg(names[i]));
    }
}

void Apply(const TPublishedProperty& property, const TTextValue& value, const QString& statement)
{
    using Form = TTextValue::Form;
    const bool isList = property.MetaProperty().metaType().id() == QMetaType::QStringList;
    const TPropValueKind kind = property.Kind();
    if (kind == TPropValueKind::pvOrdinal && value.form == Form::Number) {
        if (const auto number = ValueText::ParseInteger(value.text))
            return property.SetOrd(*number);
    } else if (kind == TPropValueKind::pvFloat && value.form == Form::Number) {
        bool ok = false;
        const double number = value.text.toDouble(&ok);
        if (ok)
            return property.SetFloat(number);
    } else if (kind == TPropValueKind::pvString && value.form == Form::String) {
        return property.SetStr(value.text);
    } else if (isList && value.form == Form::List) {
        return property.Write(QVariant(value.items));
    }
    Fail(statement, QStringLiteral("値がプロパティ %1 に合いません").arg(property.Name()));
}

} // namespace

QStringList TObjectTextStream::Write(const QObject& root)
{
    QStringList out{FrameLine(root)};
    WriteObject(root, QString(), true, out);
    out << kEnd;
    return out;
}

void TObjectTextStream::Read(QObject& root, const QStringList& lines)
{
    if (lines.size() < 2 || lines.first().trimmed() != FrameLine(root) || lines.last().trimmed() != kEnd)
        Fail(lines.value(0), QStringLiteral("%1 と %2 の行に囲まれていません").arg(FrameLine(root), kEnd));
    const qsizetype end = lines.size() - 1;
    for (qsizetype next = 1; next < end;) {
        const QString statement = lines[next++].trimmed();
        const qsizetype assign = statement.indexOf(kAssign);
        if (assign <= 0)
            Fail(statement, QStringLiteral("\" = \" がありません"));
        const QString path = statement.first(assign);
        const TTextValue value = ParseValue(statement.sliced(assign + kAssign.size()), lines, next, end, statement);
        Apply(ResolvePath(root, path, statement), value, statement);
    }
}
