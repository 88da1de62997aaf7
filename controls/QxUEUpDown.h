#pragma once
// The button pair of the spin edit: an up and a down button that step the
// number shown in the edit box (its buddy) by Increment within Min…Max, or
// round to the other bound when Wrap is on. Before a step it asks the
// container whether the step may happen; after it, it reports the click.

#include <QWidget>

class QToolButton;
class TQxUpDownEdit;

enum TUDOrientation { udHorizontal, udVertical };
enum TUDBtnType { btNext, btPrev };
enum TUpDownDirection { updNone, updUp, updDown };

class TQxUEUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TQxUEUpDown(TQxUpDownEdit& container);

    qint16 Min() const { return m_min; }
    void SetMin(qint16 min) { m_min = min; }
    qint16 Max() const { return m_max; }
    void SetMax(qint16 max) { m_max = max; }
    int Increment() const { return m_increment; }
    void SetIncrement(int increment) { m_increment = increment; }
    bool Wrap() const { return m_wrap; }
    void SetWrap(bool wrap) { m_wrap = wrap; }
    bool ArrowKeys() const { return m_arrowKeys; }
    void SetArrowKeys(bool arrowKeys) { m_arrowKeys = arrowKeys; }
    TUDOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TUDOrientation orientation);

    // One step up (btNext) or down (btPrev), as a click on that button.
    void Step(TUDBtnType button);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The number the step starts from: the edit box's, kept within the
    // bounds, or the container's last good value when it shows none.
    int StartValue() const;
    int Stepped(int proposed) const;
    void PlaceButtons();

    TQxUpDownEdit& m_container;
    QToolButton* m_up;
    QToolButton* m_down;
    qint16 m_min = 0;
    qint16 m_max = 100;
    int m_increment = 1;
    bool m_wrap = false;
    bool m_arrowKeys = true;
    TUDOrientation m_orientation = udVertical;
};
