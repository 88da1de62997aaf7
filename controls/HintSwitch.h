#pragma once
// Switches the tool tips of a window and everything inside it off and on:
// an event filter on the window's widgets swallows their tool-tip events
// while the hints are off.

#include <QObject>
#include <QPointer>

class QWidget;

class THintSwitch : public QObject {
    Q_OBJECT
public:
    explicit THintSwitch(QWidget* root);
    bool ShowHints() const { return m_showHints; }
    void SetShowHints(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsInside(QObject* object) const;

    QPointer<QWidget> m_root;
    bool m_showHints = true;
};
