#include "InputPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int kRowHeight = 24;
constexpr int kLabelWidth = 28;
}

TInputPanel::TInputPanel(QWidget* parent)
    : QFrame(parent), m_label(new QLabel(this)), m_edit(new QLineEdit(this))
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMinimumHeight(kRowHeight);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    m_label->setFixedWidth(kLabelWidth);
    m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_label->setBuddy(m_edit);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_label);
    layout->addWidget(m_edit, 1);

    connect(m_edit, &QLineEdit::textChanged, this, [this] { emit OnChange(this); });
}

QString TInputPanel::EditText() const
{
    return m_edit->text();
}

QString TInputPanel::LabelCaption() const
{
    return m_label->text();
}

void TInputPanel::SetLabelCaption(const QString& caption)
{
    m_label->setText(caption);
}
