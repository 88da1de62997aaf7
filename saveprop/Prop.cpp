#include "Prop.h"

#include "Props.h"

#include <QObject>

TProp::TProp(TProps* collection) : m_collection(collection) {}

void TProp::SetCompo(QObject* compo)
{
    if (compo == m_compo)
        return;
    m_compo = compo;
    if (compo) {
        if (!TPublishedProperty::Find(compo, m_propName))
            m_propName.clear();
        if (m_collection)
            m_collection->WatchDestruction(compo);
    }
    ResolveKey();
}

void TProp::SetPropName(const QString& name)
{
    ChangeText(m_propName, name);
}

void TProp::SetSectionName(const QString& name)
{
    ChangeText(m_sectionName, name);
}

void TProp::SetKeyName(const QString& name)
{
    ChangeText(m_keyName, name);
}

void TProp::ChangeText(QString& field, const QString& value)
{
    if (field == value)
        return;
    field = value;
    ResolveKey();
}

void TProp::Assign(const TProp& source)
{
    if (&source == this)
        return;
    SetCompo(source.m_compo);
    SetPropName(source.m_propName);
    SetSectionName(source.m_sectionName);
    SetKeyName(source.m_keyName);
    m_enabled = source.m_enabled;
}

QString TProp::DisplayName() const
{
    if (m_compo && !m_propName.isEmpty())
        return m_compo->objectName() + u'.' + m_propName;
    return QStringLiteral("TProp");
}

std::optional<TPublishedProperty> TProp::ActiveProperty() const
{
    if (!m_compo || m_propName.isEmpty() || !m_enabled)
        return std::nullopt;
    return TPublishedProperty::Find(m_compo, m_propName);
}

bool TProp::IsActive() const
{
    return ActiveProperty().has_value();
}

QString TProp::EffectiveSection() const
{
    if (!m_sectionName.isEmpty())
        return m_sectionName;
    if (!m_compo->objectName().isEmpty())
        return m_compo->objectName();
    return QString::fromUtf8(m_compo->metaObject()->className());
}

QString TProp::BaseKey() const
{
    return m_keyName.isEmpty() ? m_propName : m_keyName;
}

bool TProp::GetSectionKey(QString& section, QString& key) const
{
    section.clear();
    key.clear();
    if (!IsActive())
        return false;
    section = EffectiveSection();
    key = m_uniqueKey.isEmpty() ? BaseKey() : m_uniqueKey;
    return true;
}

bool TProp::IsFreeAddress(const QString& section, const QString& key) const
{
    return !m_collection || m_collection->IsUnique(this, section, key);
}

void TProp::ResolveKey()
{
    m_uniqueKey.clear();
    m_valueKind = TPropValueKind::pvNone;
    const std::optional<TPublishedProperty> property = ActiveProperty();
    if (!property)
        return;
    m_valueKind = property->Kind();
    if (m_valueKind == TPropValueKind::pvNone)
        return;
    const QString section = EffectiveSection();
    const QString base = BaseKey();
    QString candidate = base;
    for (int n = 1; !IsFreeAddress(section, candidate); ++n)
        candidate = base + QString::number(n);
    m_uniqueKey = candidate;
}

std::int32_t TProp::GetOrdValue() const
{
    const auto property = ActiveProperty();
    return property ? property->GetOrd() : 0;
}

void TProp::SetOrdValue(std::int32_t value) const
{
    if (const auto property = ActiveProperty())
        property->SetOrd(value);
}

QString TProp::GetStrValue() const
{
    const auto property = ActiveProperty();
    return property ? property->GetStr() : QString();
}

void TProp::SetStrValue(const QString& value) const
{
    if (const auto property = ActiveProperty())
        property->SetStr(value);
}

double TProp::GetFloatValue() const
{
    const auto property = ActiveProperty();
    return property ? property->GetFloat() : 0.0;
}

void TProp::SetFloatValue(double value) const
{
    if (const auto property = ActiveProperty())
        property->SetFloat(value);
}

QObject* TProp::GetObjValue() const
{
    const auto property = ActiveProperty();
    return property ? property->GetObject() : nullptr;
}
