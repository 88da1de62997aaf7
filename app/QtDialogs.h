#pragma once
// The dialogs seam over Qt's own dialogs, parented to the main window.

#include "Dialogs.h"

#include <QPointer>

class QWidget;

class TQtDialogs : public TDialogs {
public:
    void SetParent(QWidget* parent) { m_parent = parent; }

    TMsgButton MessageBox(const QString& caption, const QString& text, TMsgIcon icon, TMsgButtons buttons) override;
    QString InputBox(const QString& caption, const QString& prompt, const QString& defaultText) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& text) override;
    QStringList OpenFiles(const TFileDialogRequest& request) override;
    QString SaveFile(const TFileDialogRequest& request) override;
    bool ChooseFont(QFont& font, QColor& color) override;
    bool PrinterSetup(QPrinter& printer) override;
    void ShowError(const QString& message) override;

private:
    QPointer<QWidget> m_parent;
};
