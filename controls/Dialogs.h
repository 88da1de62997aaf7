#pragma once
// Every modal interaction of the program goes through this interface: the
// program's implementation shows Qt's dialogs, the tests answer from a
// script. Windows receive it at construction and never open a dialog
// themselves.

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QString>
#include <QStringList>

class QPrinter;

enum class TMsgIcon { None, Information, Warning, Error, Question };

enum class TMsgButton { None = 0x0, Ok = 0x1, Cancel = 0x2, Yes = 0x4, No = 0x8 };
Q_DECLARE_FLAGS(TMsgButtons, TMsgButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(TMsgButtons)

// What a file dialog is asked for. The filter is written as pairs of a
// description and its patterns, joined by "|": "Text (*.txt)|*.txt|All|*.*".
struct TFileDialogRequest {
    QString title;
    QString filter;
    int filterIndex = 1;          // one-based, the first pair by default
    QString defaultExt;           // added to a typed name that has none
    QString initialDir;
    QString fileName;
    bool overwritePrompt = false;
    bool multiSelect = false;
};

class TDialogs {
public:
    virtual ~TDialogs() = default;

    // The button pressed; Cancel (or No when there is no Cancel) when the
    // box is closed without a choice.
    virtual TMsgButton MessageBox(const QString& caption, const QString& text, TMsgIcon icon,
                                  TMsgButtons buttons) = 0;
    // The text typed; Cancel returns `defaultText` unchanged.
    virtual QString InputBox(const QString& caption, const QString& prompt, const QString& defaultText) = 0;
    // True when accepted; `text` holds the start text and receives the typed one.
    virtual bool InputQuery(const QString& caption, const QString& prompt, QString& text) = 0;
    // The chosen files (one unless multiSelect); empty when cancelled.
    virtual QStringList OpenFiles(const TFileDialogRequest& request) = 0;
    // The chosen path; empty when cancelled.
    virtual QString SaveFile(const TFileDialogRequest& request) = 0;
    // True when confirmed; `font` and `color` hold the start font and its
    // colour (one of the sixteen of FontColors) and receive the choice.
    virtual bool ChooseFont(QFont& font, QColor& color) = 0;
    // True when confirmed; the printer receives the choices.
    virtual bool PrinterSetup(QPrinter& printer) = 0;
    // The general error message box.
    virtual void ShowError(const QString& message) = 0;
};
