#include "PublishedProperty.h"

#include "AsciiText.h"
#include "SavePropError.h"

#include <QChar>
#include <QMetaType>
#include <QObject>
#include <QVariant>
#include <cstring>
#include <limits>
#include <type_traits>

namespace {

bool IsNarrowIntegerType(QMetaType type)
{
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::QChar:
    case QMetaType::Char16:
    case QMetaType::Char32:
        return true;
    case QMetaType::Long:
    case QMetaType::ULong:
        return type.sizeOf() <= 4; // 64-bit longs are not ordinal
    default:
        return false;
    }
}

// Range of an integer property type, as 64-bit bounds.
struct TRange {
    std::int64_t min;
    std::int64_t max;
};

template <typename T> constexpr TRange RangeOf()
{
    return {std::int64_t(std::numeric_limits<T>::min()), std::int64_t(std::numeric_limits<T>::max())};
}

TRange IntegerRange(int typeId)
{
    switch (typeId) {
    case QMetaType::Short: return RangeOf<short>();
    case QMetaType::UShort: return RangeOf<unsigned short>();
    case QMetaType::Char: return RangeOf<char>();
    case QMetaType::SChar: return RangeOf<signed char>();
    case QMetaType::UChar: return RangeOf<unsigned char>();
    case QMetaType::QChar:
    case QMetaType::Char16: return RangeOf<char16_t>();
    case QMetaType::Char32: return {0, 0x10FFFF};
    default:
        // 32-bit types take the value or, unsigned, its bit pattern, so
        // that what was read writes back unchanged.
        return RangeOf<std::int32_t>();
    }
}

template <typename T> QVariant VariantOf(std::int64_t value)
{
    return QVariant::fromValue(static_cast<T>(value));
}

QVariant IntegerVariant(int typeId, std::int32_t value)
{
    switch (typeId) {
    case QMetaType::Int: return VariantOf<int>(value);
    case QMetaType::UInt: return VariantOf<unsigned int>(std::uint32_t(value));
    case QMetaType::Long: return VariantOf<long>(value);
    case QMetaType::ULong: return VariantOf<unsigned long>(std::uint32_t(value));
    case QMetaType::Short: return VariantOf<short>(value);
    case QMetaType::UShort: return VariantOf<unsigned short>(value);
    case QMetaType::Char: return VariantOf<char>(value);
    case QMetaType::SChar: return VariantOf<signed char>(value);
    case QMetaType::UChar: return VariantOf<unsigned char>(value);
    case QMetaType::QChar: return QVariant::fromValue(QChar(char16_t(value)));
    case QMetaType::Char16: return VariantOf<char16_t>(value);
    case QMetaType::Char32: return VariantOf<char32_t>(value);
    default: return {};
    }
}

std::int32_t IntegerOf(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int: return v.value<int>();
    case QMetaType::UInt: return std::int32_t(v.value<unsigned int>());
    case QMetaType::Long: return std::int32_t(v.value<long>());
    case QMetaType::ULong: return std::int32_t(v.value<unsigned long>());
    case QMetaType::Short: return v.value<short>();
    case QMetaType::UShort: return v.value<unsigned short>();
    case QMetaType::Char: return v.value<char>();
    case QMetaType::SChar: return v.value<signed char>();
    case QMetaType::UChar: return v.value<unsigned char>();
    case QMetaType::QChar: return v.value<QChar>().unicode();
    case QMetaType::Char16: return v.value<char16_t>();
    case QMetaType::Char32: return std::int32_t(v.value<char32_t>());
    default: return 0;
    }
}

// Enumerations and flags hold an integer of their type's size (1, 2 or 4).
template <typename T> std::int32_t LoadInteger(const void* data)
{
    T value;
    std::memcpy(&value, data, sizeof value);
    return std::int32_t(value);
}

template <typename T> bool StoreInteger(void* data, std::int32_t value)
{
    // Either reading of the bytes (signed or unsigned) is accepted.
    using U = std::make_unsigned_t<T>;
    if (value < std::numeric_limits<T>::min() || value > std::int64_t(std::numeric_limits<U>::max()))
        return false;
    const T narrow = T(value);
    std::memcpy(data, &narrow, sizeof narrow);
    return true;
}

std::int32_t EnumOf(const QVariant& v)
{
    switch (v.metaType().sizeOf()) {
    case 1: return LoadInteger<std::int8_t>(v.constData());
    case 2: return LoadInteger<std::int16_t>(v.constData());
    case 4: return LoadInteger<std::int32_t>(v.constData());
    default: return 0;
    }
}

QVariant EnumVariant(QMetaType type, std::int32_t value)
{
    QVariant v(type);
    bool stored = false;
    switch (type.sizeOf()) {
    case 1: stored = StoreInteger<std::int8_t>(v.data(), value); break;
    case 2: stored = StoreInteger<std::int16_t>(v.data(), value); break;
    case 4: stored = StoreInteger<std::int32_t>(v.data(), value); break;
    default: break;
    }
    return stored ? v : QVariant();
}

bool IsEnumeration(const QMetaProperty& p)
{
    return p.isEnumType() || p.isFlagType() || (p.metaType().flags() & QMetaType::IsEnumeration);
}

} // namespace

std::optional<TPublishedProperty> TPublishedProperty::Find(QObject* object, QStringView name)
{
    if (!object || name.isEmpty())
        return std::nullopt;
    const QMetaObject* meta = object->metaObject();
    // An exact match wins, so that a subclass's "Visible" is preferred to
    // the toolkit's own "visible".
    const int exact = meta->indexOfProperty(name.toUtf8().constData());
    if (exact >= 0)
        return TPublishedProperty(object, meta->property(exact));
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (SameTextAscii(QString::fromUtf8(p.name()), name))
            return TPublishedProperty(object, p);
    }
    return std::nullopt;
}

TPropValueKind TPublishedProperty::KindOf(const QMetaProperty& p)
{
    const QMetaType type = p.metaType();
    const int id = type.id();
    if (IsEnumeration(p))
        return type.sizeOf() <= 4 ? TPropValueKind::pvOrdinal : TPropValueKind::pvNone;
    if (id == QMetaType::Bool || IsNarrowIntegerType(type))
        return TPropValueKind::pvOrdinal;
    if (id == QMetaType::Double || id == QMetaType::Float)
        return TPropValueKind::pvFloat;
    if (id == QMetaType::QString)
        return TPropValueKind::pvString;
    if (type.flags() & QMetaType::PointerToQObject)
        return TPropValueKind::pvObject;
    return TPropValueKind::pvNone;
}

TPublishedProperty::TPublishedProperty(QObject* object, const QMetaProperty& property)
    : m_object(object), m_property(property)
{
}

QString TPublishedProperty::Name() const
{
    return QString::fromUtf8(m_property.name());
}

void TPublishedProperty::RequireKind(TPropValueKind kind) const
{
    if (Kind() != kind)
        throw ESavePropError(QStringLiteral("プロパティ %1 の型がこの値の読み書きに合いません").arg(Name()));
}

QVariant TPublishedProperty::Read() const
{
    return m_property.read(m_object);
}

void TPublishedProperty::Write(const QVariant& value) const
{
    if (!m_property.isWritable() || !m_property.write(m_object, value))
        throw ESavePropError(QStringLiteral("プロパティ %1 に書き込めません").arg(Name()));
}

std::int32_t TPublishedProperty::GetOrd() const
{
    RequireKind(TPropValueKind::pvOrdinal);
    const QVariant v = Read();
    if (m_property.metaType().id() == QMetaType::Bool)
        return v.toBool() ? 1 : 0;
    if (IsEnumeration(m_property))
        return EnumOf(v);
    return IntegerOf(v);
}

void TPublishedProperty::SetOrd(std::int32_t value) const
{
    RequireKind(TPropValueKind::pvOrdinal);
    const QMetaType type = m_property.metaType();
    QVariant v;
    if (type.id() == QMetaType::Bool) {
        v = QVariant(value != 0);
    } else if (IsEnumeration(m_property)) {
        v = EnumVariant(type, value);
    } else {
        const TRange range = IntegerRange(type.id());
        if (value >= range.min && value <= range.max)
            v = IntegerVariant(type.id(), value);
    }
    if (!v.isValid())
        throw ESavePropError(QStringLiteral("値 %1 はプロパティ %2 の範囲を超えています").arg(value).arg(Name()));
    Write(v);
}

QString TPublishedProperty::GetStr() const
{
    RequireKind(TPropValueKind::pvString);
    return Read().toString();
}

void TPublishedProperty::SetStr(const QString& value) const
{
    RequireKind(TPropValueKind::pvString);
    Write(QVariant(value));
}

double TPublishedProperty::GetFloat() const
{
    RequireKind(TPropValueKind::pvFloat);
    return Read().toDouble();
}

void TPublishedProperty::SetFloat(double value) const
{
    RequireKind(TPropValueKind::pvFloat);
    if (m_property.metaType().id() == QMetaType::Float)
        Write(QVariant::fromValue(static_cast<float>(value)));
    else
        Write(QVariant(value));
}

QObject* TPublishedProperty::GetObject() const
{
    RequireKind(TPropValueKind::pvObject);
    return Read().value<QObject*>();
}
