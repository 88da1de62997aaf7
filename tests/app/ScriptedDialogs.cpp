#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {
const char* KindName(int kind)
{
    static const char* const names[] = {"message box", "input box", "input query", "open dialog", "save dialog",
                                        "font dialog", "printer setup"};
    return names[kind];
}
}  // namespace

TScriptedDialogs::~TScriptedDialogs()
{
    VerifyDone();
    for (const QString& error : m_errors)
        ADD_FAILURE() << "error message not checked: " << error.toStdString();
}

void TScriptedDialogs::VerifyDone()
{
    for (const TStep& step : m_steps)
        ADD_FAILURE() << "expected " << KindName(static_cast<int>(step.kind)) << " not shown: "
                      << step.text.toStdString();
    m_steps.clear();
}

QStringList TScriptedDialogs::TakeErrors()
{
    return std::exchange(m_errors, {});
}

TScriptedDialogs::TStep TScriptedDialogs::Step(TKind kind, const QString& caption, const QString& text)
{
    TStep step;
    step.kind = kind;
    step.caption = caption;
    step.text = text;
    return step;
}

void TScriptedDialogs::ExpectMessage(const QString& text, TMsgButton answer, const QString& caption)
{
    TStep step = Step(TKind::Message, caption, text);
    step.button = answer;
    m_steps.push_back(step);
}

void TScriptedDialogs::ExpectInputBox(const QString& caption, const QString& prompt, const QString& answer)
{
    TStep step = Step(TKind::InputBox, caption, prompt);
    step.answers = {answer};
    m_steps.push_back(step);
}

void TScriptedDialogs::ExpectInputQuery(const QString& caption, const QString& prompt, bool accept,
                                        const QString& text)
{
    TStep step = Step(TKind::InputQuery, caption, prompt);
    step.accept = accept;
    step.answers = {text};
    m_steps.push_back(step);
}

void TScriptedDialogs::ExpectOpen(const QStringList& files)
{
    TStep step = Step(TKind::Open, {}, {});
    step.accept = !files.isEmpty();
    step.answers = files;
    m_steps.push_back(step);
}

void TScriptedDialogs::ExpectSave(const QString& path)
{
    TStep step = Step(TKind::Save, {}, {});
    step.accept = !path.isEmpty();
    step.answers = {path};
    m_steps.push_back(step);
}

void TScriptedDialogs::ExpectFont(std::optional<QFont> choice, std::optional<QColor> color)
{
    TStep step = Step(TKind::Font, {}, {});
    step.font = std::move(choice);
    step.color = std::move(color);
    m_steps.push_back(step);
}

void TScriptedDialogs::ExpectPrinterSetup(std::function<bool(QPrinter&)> choose)
{
    TStep step = Step(TKind::Printer, {}, {});
    step.printer = std::move(choose);
    m_steps.push_back(step);
}

std::optional<TScriptedDialogs::TStep> TScriptedDialogs::Next(TKind kind, const QString& caption,
                                                              const QString& text)
{
    if (m_steps.empty()) {
        ADD_FAILURE() << "unexpected " << KindName(static_cast<int>(kind)) << ": " << caption.toStdString() << " / "
                      << text.toStdString();
        return std::nullopt;
    }
    TStep step = m_steps.front();
    m_steps.pop_front();
    const bool checkTexts = kind != TKind::Open && kind != TKind::Save && kind != TKind::Font && kind != TKind::Printer;
    if (step.kind != kind || (checkTexts && (step.caption != caption || step.text != text))) {
        ADD_FAILURE() << "expected " << KindName(static_cast<int>(step.kind)) << " \"" << step.caption.toStdString()
                      << "\" / \"" << step.text.toStdString() << "\", got " << KindName(static_cast<int>(kind))
                      << " \"" << caption.toStdString() << "\" / \"" << text.toStdString() << "\"";
        return std::nullopt;
    }
    return step;
}

TMsgButton TScriptedDialogs::MessageBox(const QString& caption, const QString& text, TMsgIcon icon,
                                        TMsgButtons buttons)
{
    m_lastButtons = buttons;
    m_lastIcon = icon;
    const auto step = Next(TKind::Message, caption, text);
    if (!step)
        return buttons.testFlag(TMsgButton::Cancel) ? TMsgButton::Cancel : TMsgButton::Ok;
    EXPECT_TRUE(buttons.testFlag(step->button)) << "the answer is not one of the buttons: " << text.toStdString();
    return step->button;
}

QString TScriptedDialogs::InputBox(const QString& caption, const QString& prompt, const QString& defaultText)
{
    const auto step = Next(TKind::InputBox, caption, prompt);
    return step ? step->answers.value(0) : defaultText;
}

bool TScriptedDialogs::InputQuery(const QString& caption, const QString& prompt, QString& text)
{
    const auto step = Next(TKind::InputQuery, caption, prompt);
    if (!step || !step->accept)
        return false;
    text = step->answers.value(0);
    return true;
}

QStringList TScriptedDialogs::OpenFiles(const TFileDialogRequest& request)
{
    m_lastFileRequest = request;
    const auto step = Next(TKind::Open, request.title, {});
    return step && step->accept ? step->answers : QStringList();
}

QString TScriptedDialogs::SaveFile(const TFileDialogRequest& request)
{
    m_lastFileRequest = request;
    const auto step = Next(TKind::Save, request.title, {});
    return step && step->accept ? step->answers.value(0) : QString();
}

bool TScriptedDialogs::ChooseFont(QFont& font, QColor& color)
{
    m_lastFont = font;
    m_lastColor = color;
    const auto step = Next(TKind::Font, {}, {});
    if (!step || !step->font)
        return false;
    font = *step->font;
    if (step->color)
        color = *step->color;
    return true;
}

bool TScriptedDialogs::PrinterSetup(QPrinter& printer)
{
    const auto step = Next(TKind::Printer, {}, {});
    return step && step->printer && step->printer(printer);
}

void TScriptedDialogs::ShowError(const QString& message)
{
    m_errors << message;
    if (m_whileErrorShown)
        m_whileErrorShown();
}
