#pragma once
// Carrier for storing an object held by a property: the object becomes the
// property Obj of this component, whose text form (TObjectTextStream)
// starts with "object TStreamingDummy", names each of the object's stored
// properties as Obj.<name> and ends with "end".

#include <QObject>
#include <QStringList>

class TStreamingDummy : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject* Obj READ Obj WRITE SetObj)

public:
    explicit TStreamingDummy(QObject* obj = nullptr);

    QObject* Obj() const { return m_obj; }
    void SetObj(QObject* obj) { m_obj = obj; }

    QStringList ToText() const;
    // Sets the properties the text names on the existing Obj.
    void FromText(const QStringList& lines);

private:
    QObject* m_obj;
};
