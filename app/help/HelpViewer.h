#pragma once
// The viewer that shows the compiled help file. The call carries what the
// HTML Help interface takes: the file, a command and the command's data.

#include <QString>

class THelpViewer {
public:
    // Command: open the viewer on the file's table of contents.
    static constexpr int DisplayContents = 1;

    virtual ~THelpViewer();
    virtual void Open(const QString& helpFile, int command, int data) = 0;
};
