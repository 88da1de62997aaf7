#include "Props.h"

#include "AsciiText.h"
#include "SavePropError.h"

TProps::TProps(TCustomSaveProps* owner) : m_owner(owner) {}

TProps::~TProps() = default;

TProp* TProps::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw ESavePropError(QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(index));
    return m_items[std::size_t(index)].get();
}

TProp* TProps::Add()
{
    m_items.push_back(std::make_unique<TProp>(this));
    return m_items.back().get();
}

TProp* TProps::Add(QObject* compo, const QString& propName, const QString& sectionName,
                   const QString& keyName)
{
    TProp* item = Add();
    item->SetPropName(propName);
    item->SetSectionName(sectionName);
    item->SetKeyName(keyName);
    item->SetCompo(compo);
    return item;
}

void TProps::Delete(int index)
{
    Items(index); // range check
    m_items.erase(m_items.begin() + index);
}

void TProps::Clear()
{
    m_items.clear();
}

void TProps::Assign(const TProps& source)
{
    if (&source == this)
        return;
    Clear();
    for (const auto& item : source.m_items)
        Add()->Assign(*item);
}

bool TProps::IsUnique(const TProp* exclude, const QString& section, const QString& key) const
{
    QString itemSection;
    QString itemKey;
    for (const auto& item : m_items) {
        if (item.get() == exclude || !item->GetSectionKey(itemSection, itemKey))
            continue;
        if (SameTextAscii(itemSection, section) && SameTextAscii(itemKey, key))
            return false;
    }
    return true;
}

QString TProps::AttributeName(int attribute)
{
    switch (attribute) {
    case 0: return QStringLiteral("Property");
    case 1: return QStringLiteral("Section");
    case 2: return QStringLiteral("Key");
    default: return {};
    }
}

QString TProps::ItemAttribute(int attribute, int index) const
{
    const TProp* item = Items(index);
    if (attribute == 0)
        return item->DisplayName();
    QString section;
    QString key;
    item->GetSectionKey(section, key);
    switch (attribute) {
    case 1: return section;
    case 2: return key;
    default: return {};
    }
}

void TProps::WatchDestruction(QObject* component)
{
    if (m_watched.contains(component))
        return;
    m_watched.insert(component, QObject::connect(component, &QObject::destroyed, &m_watcher,
                                                 [this](QObject* gone) { ComponentDestroyed(gone); }));
}

void TProps::ComponentDestroyed(QObject* component)
{
    m_watched.remove(component);
    for (const auto& item : m_items) {
        if (item->Compo() == component)
            item->SetCompo(nullptr);
    }
}
