#pragma once
// The one exception class of the settings component. Its message is UTF-8
// text meant for the program's general error message box.

#include <QString>
#include <stdexcept>

class ESavePropError : public std::runtime_error {
public:
    explicit ESavePropError(const QString& message);
    QString Message() const;
};
