#include "SavePropError.h"

ESavePropError::ESavePropError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

QString ESavePropError::Message() const
{
    return QString::fromUtf8(what());
}
