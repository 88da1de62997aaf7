#include "WordBox.h"

#include "InputPanel.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// "&1: " to "&9: ", "1&0: ", then the plain number: accelerators 1 to 9 and 0.
QString RowCaption(int index)
{
    const QString caption = QString::number(index + 1) + QStringLiteral(": ");
    if (index < 9)
        return u'&' + caption;
    if (index == 9)
        return QStringLiteral("1&0: ");
    return caption;
}

} // namespace

TWordBox::TWordBox(QWidget* parent) : QScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    verticalScrollBar()->setTracking(true);

    auto* content = new QWidget;
    m_stack = new QVBoxLayout(content);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->setSpacing(0);
    m_stack->addStretch(1);
    setWidget(content);
    AddRow();
}

void TWordBox::Clear()
{
    qDeleteAll(m_rows);
    m_rows.clear();
    AddRow();
}

QStringList TWordBox::GetKeywords() const
{
    QStringList keywords;
    for (const TInputPanel* row : m_rows) {
        if (!row->EditText().isEmpty())
            keywords.append(row->EditText());
    }
    return keywords;
}

void TWordBox::AddRow()
{
    auto* row = new TInputPanel(widget());
    connect(row, &TInputPanel::OnChange, this, &TWordBox::RowChanged);
    m_stack->insertWidget(m_rows.size(), row);
    m_rows.append(row);
    Relayout();
}

void TWordBox::DeleteRow(int index)
{
    delete m_rows.takeAt(index);
    Relayout();
}

int TWordBox::EmptyRowCount() const
{
    return static_cast<int>(std::count_if(m_rows.begin(), m_rows.end(),
                                          [](const TInputPanel* row) { return row->EditText().isEmpty(); }));
}

void TWordBox::RowChanged(TInputPanel* row)
{
    if (!row->EditText().isEmpty()) {
        if (EmptyRowCount() == 0)
            AddRow();
        return;
    }
    if (EmptyRowCount() <= 1)
        return;
    for (int i = static_cast<int>(m_rows.size()) - 1; i >= 0; --i) {
        if (m_rows[i] != row && m_rows[i]->EditText().isEmpty())
            DeleteRow(i);
    }
}

void TWordBox::Relayout()
{
    const int position = verticalScrollBar()->value();
    for (int i = 0; i < m_rows.size(); ++i) {
        m_rows[i]->SetLabelCaption(RowCaption(i));
        // A new row comes last in the window's focus chain; Tab goes from
        // each row to the next one.
        if (i > 0)
            setTabOrder(m_rows[i - 1]->Edit(), m_rows[i]->Edit());
    }
    verticalScrollBar()->setValue(position);
}
