#pragma once
// The dialogs seam for tests: every question the program asks must have
// been expected, in order, with its caption and text; each gets the queued
// answer. An unexpected question, or an expected one never asked, fails the
// test. Error messages are collected for the test to check.

#include "Dialogs.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

class TScriptedDialogs : public TDialogs {
public:
    ~TScriptedDialogs() override;

    void ExpectMessage(const QString& text, TMsgButton answer, const QString& caption = QStringLiteral("Vellora"));
    void ExpectInputBox(const QString& caption, const QString& prompt, const QString& answer);
    void ExpectInputQuery(const QString& caption, const QString& prompt, bool accept, const QString& text = {});
    void ExpectOpen(const QStringList& files);
    void ExpectSave(const QString& path);
    // A confirmed font dialog gives `choice` and, when given, `color`.
    void ExpectFont(std::optional<QFont> choice, std::optional<QColor> color = std::nullopt);
    // The printer setup: `choose` sets the printer up and tells whether it
    // was confirmed.
    void ExpectPrinterSetup(std::function<bool(QPrinter&)> choose);

    // Fails the test when an expected question has not been asked yet.
    void VerifyDone();
    QStringList TakeErrors();
    // Runs while each error message is shown, as the box's own event loop would.
    void WhileErrorShown(std::function<void()> work) { m_whileErrorShown = std::move(work); }
    const TFileDialogRequest& LastFileRequest() const { return m_lastFileRequest; }
    TMsgButtons LastButtons() const { return m_lastButtons; }
    TMsgIcon LastIcon() const { return m_lastIcon; }
    // The font and colour the last font dialog started from.
    const QFont& LastFont() const { return m_lastFont; }
    const QColor& LastColor() const { return m_lastColor; }

    TMsgButton MessageBox(const QString& caption, const QString& text, TMsgIcon icon, TMsgButtons buttons) override;
    QString InputBox(const QString& caption, const QString& prompt, const QString& defaultText) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& text) override;
    QStringList OpenFiles(const TFileDialogRequest& request) override;
    QString SaveFile(const TFileDialogRequest& request) override;
    bool ChooseFont(QFont& font, QColor& color) override;
    bool PrinterSetup(QPrinter& printer) override;
    void ShowError(const QString& message) override;

private:
    enum class TKind { Message, InputBox, InputQuery, Open, Save, Font, Printer };
    struct TStep {
        TKind kind = TKind::Message;
        QString caption;
        QString text;
        TMsgButton button = TMsgButton::None;
        bool accept = false;
        QStringList answers;
        std::optional<QFont> font;
        std::optional<QColor> color;
        std::function<bool(QPrinter&)> printer;
    };
    static TStep Step(TKind kind, const QString& caption, const QString& text);
    // The next step when it is of `kind`; nothing (and a failure) otherwise.
    std::optional<TStep> Next(TKind kind, const QString& caption, const QString& text);

    std::deque<TStep> m_steps;
    QStringList m_errors;
    std::function<void()> m_whileErrorShown;
    TFileDialogRequest m_lastFileRequest;
    TMsgButtons m_lastButtons;
    TMsgIcon m_lastIcon = TMsgIcon::None;
    QFont m_lastFont;
    QColor m_lastColor;
};
