#pragma once
// The spin edit: a bordered box holding a borderless edit box and a pair of
// up/down buttons for one 16-bit signed number. Typing, pasting and
// stepping change Value at once, clamped to Min…Max; the text shown is put
// right (the last good number, clamped, in plain decimal) when the edit box
// loses the focus. No error is ever shown.
//
// The events are signals raised with this container as sender; the key
// events and the changing events pass their key or veto by reference, so a
// directly connected handler can change them.

#include "QxUEUpDown.h"

#include <QColor>
#include <QFrame>

class TQxUEEdit;

enum TUDAlignButton { udLeft, udRight };

class TQxUpDownEdit : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool AutoHeight READ AutoHeight WRITE SetAutoHeight)
    Q_PROPERTY(TUDAlignButton AlignButton READ AlignButton WRITE SetAlignButton)
    Q_PROPERTY(bool ArrowKeys READ ArrowKeys WRITE SetArrowKeys)
    Q_PROPERTY(int Increment READ Increment WRITE SetIncrement)
    Q_PROPERTY(qint16 Max READ Max WRITE SetMax)
    Q_PROPERTY(qint16 Min READ Min WRITE SetMin)
    Q_PROPERTY(TUDOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(int UpDownWidth READ UpDownWidth WRITE SetUpDownWidth)
    Q_PROPERTY(qint16 Value READ Value WRITE SetValue)
    Q_PROPERTY(bool Wrap READ Wrap WRITE SetWrap)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
public:
    explicit TQxUpDownEdit(QWidget* parent = nullptr);
    ~TQxUpDownEdit() override;

    // The number in text: an optional "-", at most nine significant digits,
    // clamped to the 16-bit range. Fails on "", "-" and anything else;
    // `number` is left untouched then.
    static bool TextToValue(const QString& text, qint16& number);

    bool AutoSelect() const;
    void SetAutoSelect(bool autoSelect);
    bool AutoHeight() const { return m_autoHeight; }
    void SetAutoHeight(bool autoHeight);
    TUDAlignButton AlignButton() const { return m_alignButton; }
    void SetAlignButton(TUDAlignButton side);
    bool ArrowKeys() const { return m_upDown->ArrowKeys(); }
    void SetArrowKeys(bool arrowKeys) { m_upDown->SetArrowKeys(arrowKeys); }
    int Increment() const { return m_upDown->Increment(); }
    void SetIncrement(int increment) { m_upDown->SetIncrement(increment); }
    // Changing a bound leaves Value as it is.
    qint16 Max() const { return m_upDown->Max(); }
    void SetMax(qint16 max) { m_upDown->SetMax(max); }
    qint16 Min() const { return m_upDown->Min(); }
    void SetMin(qint16 min) { m_upDown->SetMin(min); }
    TUDOrientation Orientation() const { return m_upDown->Orientation(); }
    void SetOrientation(TUDOrientation orientation);
    int UpDownWidth() const;
    void SetUpDownWidth(int width);
    qint16 Value() const { return m_value; }
    // ChangeValue, then the edit box shows Value.
    void SetValue(qint16 value);
    bool Wrap() const { return m_upDown->Wrap(); }
    void SetWrap(bool wrap) { m_upDown->SetWrap(wrap); }
    QColor Color() const { return m_color; }
    void SetColor(const QColor& color);

    TQxUEEdit& Edit() const { return *m_edit; }
    TQxUEUpDown& UpDown() const { return *m_upDown; }
    QString EditText() const;
    void SetEditText(const QString& text);

    // Places the edit box and the buttons side by side, the buttons W wide.
    virtual void ArrangeControls(int buttonWidth, TUDAlignButton side);
    void AdjustHeight();
    // Shows Value again from the edit box's text, or the last good value.
    void CommitText();
    // Value := number clamped to Min…Max; OnValueChange, also when nothing
    // changed. The text is not touched.
    void ChangeValue(int number);

    // The button pair's notifications: whether the step may happen, and the
    // step done.
    bool UpDownChanging(qint16 newValue, TUpDownDirection direction);
    void UpDownClick(TUDBtnType button);

signals:
    void OnEditChange();
    void OnEditClick();
    void OnEditDblClick();
    void OnKeyDown(int& key, Qt::KeyboardModifiers shift);
    void OnKeyPress(QChar& key);
    void OnKeyUp(int& key, Qt::KeyboardModifiers shift);
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void OnMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPoint pos);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void OnUpDownChanging(bool& allowChange);
    void OnUpDownChangingEX(bool& allowChange, qint16 newValue, TUpDownDirection direction);
    void OnUpDownClick(TUDBtnType button);
    void OnValueChange();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void EditChanged(const QString& text);
    void Arrange();
    void PaintEdit();

    TQxUEEdit* m_edit;
    TQxUEUpDown* m_upDown;
    TUDAlignButton m_alignButton = udRight;
    bool m_autoHeight = false;
    qint16 m_value = 0;  // also the last good value the edit rules fall back to
    QColor m_color;
};
