#pragma once
// The edit box of the spin edit: a borderless one-line edit that lets only
// digits and a sign through, passes its keys and mouse to the container's
// events, steps the number with the Up and Down keys and commits its text
// when it loses the focus.

#include <QLineEdit>

class TQxUpDownEdit;

class TQxUEEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TQxUEEdit(TQxUpDownEdit& container);

    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool autoSelect) { m_autoSelect = autoSelect; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A typed character after OnKeyPress: passes to the edit, edits the
    // sign, or is dropped.
    void FilterCharacter(QKeyEvent* event, QChar key);
    void TypeSign(QChar sign);
    bool SteppedByArrow(int key);

    TQxUpDownEdit& m_container;
    bool m_autoSelect = true;
};
