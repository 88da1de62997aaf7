#pragma once
// The keyword entry box: a vertically scrolling stack of numbered one-line
// rows with always exactly one empty row to type the next keyword into.
// Typing into the empty row adds a new empty row below; emptying a row
// removes the other empty row, so the emptied row becomes the one left.

#include <QList>
#include <QScrollArea>
#include <QStringList>

class QVBoxLayout;
class TInputPanel;

class TWordBox : public QScrollArea {
    Q_OBJECT
public:
    explicit TWordBox(QWidget* parent = nullptr);

    // Removes every row and starts again with one empty row. Raises no change events.
    void Clear();
    // The texts of the non-empty rows, top to bottom, exactly as typed.
    QStringList GetKeywords() const;

private:
    void AddRow();
    void DeleteRow(int index);
    int EmptyRowCount() const;
    void RowChanged(TInputPanel* row);
    void Relayout();

    QVBoxLayout* m_stack;
    QList<TInputPanel*> m_rows;  // display order; the rows are children of the stack's widget
};
