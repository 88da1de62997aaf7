#pragma once
// One entry of a saved-property list: a published property of a component
// of the same window, with the section and key it is stored under.
//
//   Compo        the component; may be empty (the entry is then inert)
//   PropName     name of one of Compo's properties (ASCII case ignored)
//   SectionName  explicit section; empty: Compo's objectName, or its class
//                name when that is empty
//   KeyName      explicit key; empty: PropName
//   Enabled      a disabled entry is skipped everywhere
//
// Every change of Compo, PropName, SectionName or KeyName re-resolves the
// entry: its value kind follows the property's type and its unique key is
// the base key, numbered (Left, Left1, Left2, ...) while another entry of the
// list already has that section and key. Changing Enabled does not resolve.

#include "PublishedProperty.h"

#include <QString>
#include <cstdint>
#include <optional>

class QObject;
class TProps;

class TProp {
public:
    explicit TProp(TProps* collection = nullptr);
    TProp(const TProp&) = delete;
    TProp& operator=(const TProp&) = delete;

    TProps* Collection() const { return m_collection; }

    QObject* Compo() const { return m_compo; }
    void SetCompo(QObject* compo);
    const QString& PropName() const { return m_propName; }
    void SetPropName(const QString& name);
    const QString& SectionName() const { return m_sectionName; }
    void SetSectionName(const QString& name);
    const QString& KeyName() const { return m_keyName; }
    void SetKeyName(const QString& name);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }

    // Computed by ResolveKey, never stored.
    const QString& UniqueKey() const { return m_uniqueKey; }
    TPropValueKind ValueKind() const { return m_valueKind; }

    // Copies Compo, PropName, SectionName and KeyName through their setters,
    // in that order, then Enabled.
    void Assign(const TProp& source);

    // "tlbMain.Left" when Compo and PropName are set, else "TProp".
    QString DisplayName() const;

    // Compo set, PropName not empty, Enabled, and Compo has that property.
    bool IsActive() const;
    // Clears both outputs; for an active entry fills in its effective
    // section and key and answers true.
    bool GetSectionKey(QString& section, QString& key) const;

    // The live value; an inactive entry reads 0, empty, 0.0 or null and
    // ignores writes. A value the property cannot take raises ESavePropError.
    std::int32_t GetOrdValue() const;
    void SetOrdValue(std::int32_t value) const;
    QString GetStrValue() const;
    void SetStrValue(const QString& value) const;
    double GetFloatValue() const;
    void SetFloatValue(double value) const;
    QObject* GetObjValue() const;

    // Recomputes ValueKind and UniqueKey.
    void ResolveKey();

private:
    std::optional<TPublishedProperty> ActiveProperty() const;
    QString EffectiveSection() const;
    QString BaseKey() const;
    bool IsFreeAddress(const QString& section, const QString& key) const;
    void ChangeText(QString& field, const QString& value);

    TProps* m_collection;
    QObject* m_compo = nullptr;
    QString m_propName;
    QString m_sectionName;
    QString m_keyName;
    bool m_enabled = true;
    QString m_uniqueKey;
    TPropValueKind m_valueKind = TPropValueKind::pvNone;
};
