#pragma once
// The help viewer of the desktop: the file is handed to the handler the
// desktop has for it, which opens it on its contents page.

#include "HelpViewer.h"

class TDesktopHelpViewer : public THelpViewer {
public:
    void Open(const QString& helpFile, int command, int data) override;
};
