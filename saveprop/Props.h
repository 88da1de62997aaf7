#pragma once
// The ordered saved-property list of a settings component. The list owns
// its entries; an entry only refers to its component. When a component
// named by an entry is destroyed (QObject::destroyed), every entry that
// refers to it has its Compo emptied and becomes inert.
//
// For a collection editor the list describes three columns, "Property",
// "Section" and "Key": an entry's display name, effective section and
// effective key.

#include "Prop.h"

#include <QHash>
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class TCustomSaveProps;

class TProps {
public:
    explicit TProps(TCustomSaveProps* owner = nullptr);
    TProps(const TProps&) = delete;
    TProps& operator=(const TProps&) = delete;
    ~TProps();

    TCustomSaveProps* Owner() const { return m_owner; }

    int Count() const { return int(m_items.size()); }
    // Raises ESavePropError for an index outside the list.
    TProp* Items(int index) const;
    TProp* Add();
    // Adds a filled entry; Compo is set last, as when the list is read
    // from a window description, so the entry is resolved once it is whole.
    TProp* Add(QObject* compo, const QString& propName, const QString& sectionName = {},
               const QString& keyName = {});
    void Delete(int index);
    void Clear();
    // Replaces the entries by copies of source's, resolved in list order.
    void Assign(const TProps& source);

    // False when an entry other than exclude, with a section and key, has
    // this section and key (ASCII case ignored). Active entries of kind
    // pvNone count too: they occupy their address.
    bool IsUnique(const TProp* exclude, const QString& section, const QString& key) const;

    static constexpr int AttributeCount = 3;
    static QString AttributeName(int attribute);
    QString ItemAttribute(int attribute, int index) const;

    // Called by an entry whose Compo was set to component.
    void WatchDestruction(QObject* component);

private:
    void ComponentDestroyed(QObject* component);

    TCustomSaveProps* m_owner;
    std::vector<std::unique_ptr<TProp>> m_items;
    QHash<QObject*, QMetaObject::Connection> m_watched;
    // Context of the destruction connections; declared last so that it goes
    // first and no notice reaches a list being destroyed.
    QObject m_watcher;
};
