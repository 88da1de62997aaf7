#include "QxUEUpDown.h"

#include "QxUpDownEdit.h"

#include <QToolButton>

#include <algorithm>
#include <limits>

namespace {
QToolButton* MakeButton(QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

qint16 ToInt16(int value)
{
    return static_cast<qint16>(
        std::clamp(value, int(std::numeric_limits<qint16>::min()), int(std::numeric_limits<qint16>::max())));
}
}  // namespace

TQxUEUpDown::TQxUEUpDown(TQxUpDownEdit& container)
    : QWidget(&container), m_container(container), m_up(MakeButton(this)), m_down(MakeButton(this))
{
    SetOrientation(udVertical);
    // Steps happen on press and repeat while the button is held, as the
    // platform's own buttons do.
    connect(m_up, &QToolButton::pressed, this, [this] { Step(btNext); });
    connect(m_down, &QToolButton::pressed, this, [this] { Step(btPrev); });
}

void TQxUEUpDown::SetOrientation(TUDOrientation orientation)
{
    m_orientation = orientation;
    m_up->setArrowType(orientation == udVertical ? Qt::UpArrow : Qt::RightArrow);
    m_down->setArrowType(orientation == udVertical ? Qt::DownArrow : Qt::LeftArrow);
    PlaceButtons();
}

void TQxUEUpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PlaceButtons();
}

// Vertical: up above down. Horizontal: down at the left, up at the right.
void TQxUEUpDown::PlaceButtons()
{
    if (m_orientation == udVertical) {
        const int half = height() / 2;
        m_up->setGeometry(0, 0, width(), half);
        m_down->setGeometry(0, half, width(), height() - half);
    } else {
        const int half = width() / 2;
        m_down->setGeometry(0, 0, half, height());
        m_up->setGeometry(half, 0, width() - half, height());
    }
}

int TQxUEUpDown::StartValue() const
{
    qint16 shown = 0;
    if (!TQxUpDownEdit::TextToValue(m_container.EditText(), shown))
        return m_container.Value();
    return std::clamp<int>(shown, m_min, m_max);
}

int TQxUEUpDown::Stepped(int proposed) const
{
    if (proposed > m_max)
        return m_wrap ? m_min : m_max;
    if (proposed < m_min)
        return m_wrap ? m_max : m_min;
    return proposed;
}

void TQxUEUpDown::Step(TUDBtnType button)
{
    const int delta = button == btNext ? m_increment : -m_increment;
    const int proposed = StartValue() + delta;
    TUpDownDirection direction = delta > 0 ? updUp : delta < 0 ? updDown : updNone;
    if ((delta > 0 && proposed > m_max) || (delta < 0 && proposed < m_min))
        direction = updNone;
    if (!m_container.UpDownChanging(ToInt16(proposed), direction))
        return;
    m_container.SetEditText(QString::number(Stepped(proposed)));
    m_container.UpDownClick(button);
}
