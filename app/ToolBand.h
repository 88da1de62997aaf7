#pragma once
// One movable toolbar of the main window's band container. Left and Top
// are its band position, saved and restored by the settings component;
// while the band is hidden they keep the last position it had.

#include <QToolBar>

class TToolBand : public QToolBar {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
public:
    TToolBand(const QString& name, int left, int top, QWidget* parent);
    int Left() const;
    int Top() const;
    void SetLeft(int left) { m_left = left; }
    void SetTop(int top) { m_top = top; }
    // Takes the position the band has now as its remembered one.
    void RememberPosition();

private:
    int m_left;
    int m_top;
};
