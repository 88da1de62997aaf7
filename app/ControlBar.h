#pragma once
// The band container along the top of the main window: the four toolbars
// in the top toolbar area. Visible shows or hides all of them; Arrange puts
// the bands into rows by their Top and orders each row by Left.

#include <QList>
#include <QObject>

class QMainWindow;
class TToolBand;

class TControlBar : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TControlBar(QMainWindow* window);
    void AddBand(TToolBand* band);
    const QList<TToolBand*>& Bands() const { return m_bands; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    void Arrange();

private:
    QMainWindow* m_window;
    QList<TToolBand*> m_bands;
    bool m_visible = true;
};
