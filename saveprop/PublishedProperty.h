#pragma once
// Reflection over an object's published properties: the Q_PROPERTYs of its
// class and its ancestors, found by name without regard to ASCII case.
//
// Each property falls into one value kind by its type:
//   ordinal  integers up to 32 bits, bool, enumerations, flags, QChar,
//            char16_t, char32_t; read and written as one 32-bit integer
//            (bool 0/1, an enumeration its value, flags their bit mask,
//            a character its code)
//   float    double and float
//   string   QString
//   object   a pointer to a QObject (or a class derived from it)
//   none     anything else: 64-bit integers, QVariant, containers, ...

#include <QMetaProperty>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

class QObject;

enum class TPropValueKind : std::uint8_t { pvNone, pvOrdinal, pvString, pvFloat, pvObject };

class TPublishedProperty {
public:
    // The property of `object` named `name` (ASCII case ignored; an exact
    // match comes first), or nothing when `object` is null or has no such
    // property.
    static std::optional<TPublishedProperty> Find(QObject* object, QStringView name);
    static TPropValueKind KindOf(const QMetaProperty& property);

    TPublishedProperty(QObject* object, const QMetaProperty& property);

    QString Name() const;
    TPropValueKind Kind() const { return KindOf(m_property); }
    const QMetaProperty& MetaProperty() const { return m_property; }

    // Each accessor requires a property of the matching kind and raises
    // ESavePropError otherwise. Writes raise ESavePropError when the value
    // does not fit the property's type or the property refuses it; nothing
    // is truncated.
    std::int32_t GetOrd() const;
    void SetOrd(std::int32_t value) const;
    QString GetStr() const;
    void SetStr(const QString& value) const;
    double GetFloat() const;
    void SetFloat(double value) const;
    QObject* GetObject() const;

    // Raw access for the kinds outside the value kinds (string lists in an
    // object's text form).
    QVariant Read() const;
    void Write(const QVariant& value) const;

private:
    void RequireKind(TPropValueKind kind) const;

    QObject* m_object;
    QMetaProperty m_property;
};
