#pragma once
// What a memo editor window needs from the program: the dialogs, the main
// window's commands by name and whether the document is being closed.

#include <QString>

class TDialogs;

class TMemoHost {
public:
    virtual ~TMemoHost() = default;
    virtual TDialogs& Dialogs() = 0;
    virtual void RunCommand(const QString& name) = 0;
    virtual bool ClosingDocument() const = 0;
};
