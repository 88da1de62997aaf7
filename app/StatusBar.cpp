#include "StatusBar.h"

#include "HintText.h"

#include <QLabel>

namespace {
constexpr int PanelIndent = 2;
constexpr int CaretPanel = 1;
}  // namespace

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    SetHint(this, QStringLiteral("各種情報を表示"));
    setSizeGripEnabled(true);
    const int widths[3] = {200, 100, 0};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setObjectName(QStringLiteral("Panel%1").arg(i));
        m_panels[i]->setFrameShape(QFrame::StyledPanel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        m_panels[i]->setTextFormat(Qt::PlainText);
        m_panels[i]->setIndent(PanelIndent);
        if (widths[i] > 0)
            m_panels[i]->setFixedWidth(widths[i]);
        else
            m_panels[i]->setMinimumWidth(1);
        // Permanent widgets: a temporary message never covers the panels.
        addPermanentWidget(m_panels[i], widths[i] > 0 ? 0 : 1);
    }
}

QString TStatusBar::CaretText(int line, int column)
{
    return QString::asprintf("%6d行,%6d桁", line, column);
}

QString TStatusBar::PanelText(int panel) const
{
    return m_panels[panel]->text();
}

void TStatusBar::SetPanelText(int panel, const QString& text)
{
    if (m_panels[panel]->text() == text)
        return;
    m_panels[panel]->setText(text);
    // The caret position is always shown whole; a long hint may be cut.
    if (panel == CaretPanel)
        FitPanelTo(panel, text);
}

int TStatusBar::PanelWidth(int panel) const
{
    return m_panels[panel]->width();
}

int TStatusBar::PanelTextWidth(int panel) const
{
    const QLabel* label = m_panels[panel];
    return label->contentsRect().width() - 2 * label->margin() - label->indent();
}

void TStatusBar::FitPanelTo(int panel, const QString& widest)
{
    QLabel* label = m_panels[panel];
    const int needed = label->fontMetrics().horizontalAdvance(widest) + label->width() - PanelTextWidth(panel);
    if (needed > label->width())
        label->setFixedWidth(needed);
}
