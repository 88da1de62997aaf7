#include "QxUpDownEdit.h"

#include "QxUEEdit.h"

#include <QEvent>
#include <QFontInfo>
#include <QStyle>

#include <algorithm>
#include <cstdlib>

TQxUpDownEdit::TQxUpDownEdit(QWidget* parent)
    : QFrame(parent), m_edit(new TQxUEEdit(*this)), m_upDown(new TQxUEUpDown(*this))
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    m_color = palette().color(QPalette::Base);
    setFocusPolicy(m_edit->focusPolicy());
    setFocusProxy(m_edit);
    connect(m_edit, &QLineEdit::textChanged, this, &TQxUpDownEdit::EditChanged);

    const QSize editSize = m_edit->sizeHint();
    const int pairWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_upDown->resize(pairWidth, editSize.height());
    resize(editSize.width() + pairWidth, editSize.height());
    SetColor(m_color);
    SetValue(0);
}

// The parts go while the container is whole: the edit box losing the focus
// on its way out must not reach a half-destroyed container.
TQxUpDownEdit::~TQxUpDownEdit()
{
    delete m_edit;
    delete m_upDown;
}

bool TQxUpDownEdit::TextToValue(const QString& text, qint16& number)
{
    const qsizetype signLength = text.startsWith(u'-') ? 1 : 0;
    qsizetype first = signLength;
    while (first < text.size() && text[first] == u'0')
        ++first;
    const QStringView digits = QStringView(text).mid(first);
    if (digits.size() > 9)
        return false;
    if (digits.isEmpty()) {
        if (first == signLength)
            return false;  // "" or "-"
        number = 0;
        return true;
    }
    int value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (signLength == 1)
        value = -value;
    number = static_cast<qint16>(std::clamp(value, -32768, 32767));
    return true;
}

bool TQxUpDownEdit::AutoSelect() const
{
    return m_edit->AutoSelect();
}

void TQxUpDownEdit::SetAutoSelect(bool autoSelect)
{
    m_edit->SetAutoSelect(autoSelect);
}

void TQxUpDownEdit::SetAutoHeight(bool autoHeight)
{
    m_autoHeight = autoHeight;
    AdjustHeight();
}

void TQxUpDownEdit::SetAlignButton(TUDAlignButton side)
{
    if (side == m_alignButton)
        return;
    ArrangeControls(m_upDown->width(), side);
    m_alignButton = side;
}

void TQxUpDownEdit::SetOrientation(TUDOrientation orientation)
{
    if (orientation == m_upDown->Orientation())
        return;
    const int width = m_upDown->width();
    m_upDown->SetOrientation(orientation);
    m_upDown->resize(width, m_upDown->height());
    ArrangeControls(width, m_alignButton);
}

int TQxUpDownEdit::UpDownWidth() const
{
    return m_upDown->width();
}

void TQxUpDownEdit::SetUpDownWidth(int width)
{
    ArrangeControls(std::min(width, contentsRect().width()), m_alignButton);
}

void TQxUpDownEdit::SetValue(qint16 value)
{
    ChangeValue(value);
    SetEditText(QString::number(m_value));
}

void TQxUpDownEdit::SetColor(const QColor& color)
{
    m_color = color;
    QPalette own = palette();
    own.setColor(QPalette::Window, color);
    setPalette(own);
    PaintEdit();
}

QString TQxUpDownEdit::EditText() const
{
    return m_edit->text();
}

// Only a different text counts as a change of the edit box.
void TQxUpDownEdit::SetEditText(const QString& text)
{
    if (m_edit->text() != text)
        m_edit->setText(text);
}

void TQxUpDownEdit::ArrangeControls(int buttonWidth, TUDAlignButton side)
{
    const QRect client = contentsRect();
    const int editWidth = std::max(client.width() - buttonWidth, 0);
    const int editLeft = side == udLeft ? client.left() + buttonWidth : client.left();
    const int pairLeft = side == udLeft ? client.left() : client.left() + editWidth;
    m_edit->setGeometry(editLeft, client.top(), editWidth, m_edit->height());
    m_upDown->setGeometry(pairLeft, client.top(), buttonWidth, m_upDown->height());
    AdjustHeight();
}

void TQxUpDownEdit::AdjustHeight()
{
    if (m_autoHeight)
        resize(width(), std::abs(QFontInfo(font()).pixelSize()) + 4);
    const int height = contentsRect().height();
    m_edit->resize(m_edit->width(), height);
    m_upDown->resize(m_upDown->width(), height);
}

void TQxUpDownEdit::CommitText()
{
    qint16 number = 0;
    SetValue(TextToValue(m_edit->text(), number) ? number : m_value);
}

void TQxUpDownEdit::ChangeValue(int number)
{
    if (number > Max())
        m_value = Max();
    else if (number < Min())
        m_value = Min();
    else
        m_value = static_cast<qint16>(number);
    emit OnValueChange();
}

bool TQxUpDownEdit::UpDownChanging(qint16 newValue, TUpDownDirection direction)
{
    bool allowChange = true;
    emit OnUpDownChanging(allowChange);
    emit OnUpDownChangingEX(allowChange, newValue, direction);
    return allowChange;
}

void TQxUpDownEdit::UpDownClick(TUDBtnType button)
{
    emit OnUpDownClick(button);
}

// Every change of the text, typed or written: "-0" becomes a bare sign, a
// bare sign or nothing leaves Value alone, anything else sets it, falling
// back to the last good value when it is not a number.
void TQxUpDownEdit::EditChanged(const QString& text)
{
    emit OnEditChange();
    if (text == QStringLiteral("-0")) {
        m_edit->setText(QStringLiteral("-"));
        m_edit->setCursorPosition(1);
        return;
    }
    if (text.isEmpty() || text == QStringLiteral("-"))
        return;
    qint16 number = 0;
    ChangeValue(TextToValue(text, number) ? number : m_value);
}

void TQxUpDownEdit::Arrange()
{
    ArrangeControls(m_upDown->width(), m_alignButton);
}

void TQxUpDownEdit::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    Arrange();
}

void TQxUpDownEdit::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    Arrange();
}

void TQxUpDownEdit::hideEvent(QHideEvent* event)
{
    QFrame::hideEvent(event);
    Arrange();
}

void TQxUpDownEdit::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        PaintEdit();
}

// Enabled, the edit box wears the container's colour; disabled, the colour
// of a button's face.
void TQxUpDownEdit::PaintEdit()
{
    QPalette editPalette = m_edit->palette();
    editPalette.setColor(QPalette::Base, isEnabled() ? m_color : palette().color(QPalette::Button));
    m_edit->setPalette(editPalette);
}
