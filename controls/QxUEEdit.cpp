#include "QxUEEdit.h"

#include "QxUEUpDown.h"
#include "QxUpDownEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace {
// A key that types a character, rather than a command such as Ctrl+V.
bool IsCharacter(const QKeyEvent* event)
{
    const QString text = event->text();
    if (text.size() != 1 || event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const char16_t c = text[0].unicode();
    return c == u'\b' || (c >= 0x20 && c != 0x7f);
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
}  // namespace

TQxUEEdit::TQxUEEdit(TQxUpDownEdit& container) : QLineEdit(&container), m_container(container)
{
    setFrame(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setTextMargins(2, 0, 2, 0);
}

void TQxUEEdit::keyPressEvent(QKeyEvent* event)
{
    int key = event->key();
    emit m_container.OnKeyDown(key, event->modifiers());
    if (key == 0)
        return;
    if (SteppedByArrow(key))
        return;
    if (!IsCharacter(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar character = event->text()[0];
    emit m_container.OnKeyPress(character);
    FilterCharacter(event, character);
}

bool TQxUEEdit::SteppedByArrow(int key)
{
    TQxUEUpDown& pair = m_container.UpDown();
    if (!pair.ArrowKeys() || (key != Qt::Key_Up && key != Qt::Key_Down))
        return false;
    pair.Step(key == Qt::Key_Up ? btNext : btPrev);
    return true;
}

void TQxUEEdit::FilterCharacter(QKeyEvent* event, QChar key)
{
    if (key == u'+' || key == u'-') {
        TypeSign(key);
        return;
    }
    const bool beforeSign = text().startsWith(u'-') && cursorPosition() == 0 && !hasSelectedText();
    if (key != u'\b' && (!IsDigit(key) || beforeSign))
        return;
    if (key == event->text()[0]) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // OnKeyPress replaced the character: type the replacement instead.
    QKeyEvent replaced(event->type(), key == u'\b' ? int(Qt::Key_Backspace) : 0, event->modifiers(), QString(key));
    QLineEdit::keyPressEvent(&replaced);
}

// The sign is put in front or taken away whatever the caret's place; the
// typed character itself never reaches the text.
void TQxUEEdit::TypeSign(QChar sign)
{
    const int caret = cursorPosition();
    const bool negative = text().startsWith(u'-');
    if (sign == u'+' && negative && m_container.Max() >= 0) {
        setText(text().mid(1));
        setCursorPosition(std::max(caret - 1, 0));
    } else if (sign == u'-' && !negative && m_container.Min() < 0) {
        setText(u'-' + text());
        setCursorPosition(caret + 1);
    }
}

void TQxUEEdit::keyReleaseEvent(QKeyEvent* event)
{
    int key = event->key();
    emit m_container.OnKeyUp(key, event->modifiers());
    if (key != 0)
        QLineEdit::keyReleaseEvent(event);
}

void TQxUEEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    emit m_container.OnMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TQxUEEdit::mouseMoveEvent(QMouseEvent* event)
{
    QLineEdit::mouseMoveEvent(event);
    emit m_container.OnMouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}

void TQxUEEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit m_container.OnEditClick();
    emit m_container.OnMouseUp(event->button(), event->modifiers(), event->position().toPoint());
}

void TQxUEEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit m_container.OnEditDblClick();
}

// AutoSelect selects the whole text when the focus comes from the keyboard;
// without it the toolkit's own select-all on Tab is undone.
void TQxUEEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!m_autoSelect)
        deselect();
    else if (event->reason() != Qt::MouseFocusReason)
        selectAll();
}

void TQxUEEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    m_container.CommitText();
}

void TQxUEEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        m_container.AdjustHeight();
}
