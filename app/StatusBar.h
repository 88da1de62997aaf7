#pragma once
// The main window's status bar with its three panels: 0 the long hint, 1
// the caret position of the active memo, 2 the document path and its memo
// count. Visible is the user's choice, kept while the window is hidden.

#include <QStatusBar>

class QLabel;

class TStatusBar : public QStatusBar {
    Q_OBJECT
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TStatusBar(QWidget* parent);
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool visible) { setVisible(visible); }

    QString PanelText(int panel) const;
    void SetPanelText(int panel, const QString& text);
    int PanelWidth(int panel) const;
    // The width a panel's text may take without being cut off: the panel's
    // own width less its frame, margins and indent.
    int PanelTextWidth(int panel) const;
    QLabel* Panel(int panel) const { return m_panels[panel]; }
    // Panel 1's text for a zero-based line and column.
    static QString CaretText(int line, int column);

private:
    // Widens a fixed panel beyond its design width where its font needs
    // more room for `text`, so that no text is cut off; it never narrows.
    void FitPanelTo(int panel, const QString& text);

    QLabel* m_panels[3];
};
