#pragma once
// What the print dialog needs from the program: the dialogs, the open
// document and its name, the memo windows and the editor font. The main
// window implements it; the print dialog never sees the main window's
// class.

#include "PrintLayout.h"

#include <QString>

class TDialogs;
class TQuorvexDataAccessSystem;
struct TColoredFont;

class TPrintHost {
public:
    virtual ~TPrintHost() = default;

    virtual TDialogs& Dialogs() = 0;
    virtual const TQuorvexDataAccessSystem& PrintStore() const = 0;
    // The full path of the open document; empty while it is untitled.
    virtual QString DocumentFileName() const = 0;
    virtual const TColoredFont& EditorFont() const = 0;
    virtual int MemoWindowCount() const = 0;
    // The active memo window as it is printed, unsaved edits included; only
    // while a memo window is open.
    virtual TPrintMemo ActivePrintMemo() const = 0;
};
