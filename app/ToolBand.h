#pragma once
// One movable toolbar of the main window's band container. Left and Top
// are its band position inside the container (below the menu bar), saved
// and restored by the settings component. They follow the band wherever
// it is laid out while it is on screen and keep that place while the band
// or the whole window is hidden, so that the settings written after the
// window has closed hold where the user left the band.

#include <QToolBar>

class TToolBand : public QToolBar {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
public:
    TToolBand(const QString& name, int left, int top, QWidget* parent);
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    void SetLeft(int left) { m_left = left; }
    void SetTop(int top) { m_top = top; }

signals:
    // The user let go of the band's handle: a drag has ended.
    void Dropped();

protected:
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void RecordPosition();

    int m_left;
    int m_top;
};
