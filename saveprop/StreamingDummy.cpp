#include "StreamingDummy.h"

#include "ObjectTextStream.h"

TStreamingDummy::TStreamingDummy(QObject* obj) : m_obj(obj) {}

QStringList TStreamingDummy::ToText() const
{
    return TObjectTextStream::Write(*this);
}

void TStreamingDummy::FromText(const QStringList& lines)
{
    TObjectTextStream::Read(*this, lines);
}
