#pragma once
// One row of the keyword entry box: a number label at the left and a
// one-line edit filling the rest. The label's accelerator moves the focus
// into the edit.

#include <QFrame>

class QLabel;
class QLineEdit;

class TInputPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString EditText READ EditText)
    Q_PROPERTY(QString LabelCaption READ LabelCaption WRITE SetLabelCaption)
public:
    explicit TInputPanel(QWidget* parent = nullptr);

    QString EditText() const;
    QString LabelCaption() const;
    void SetLabelCaption(const QString& caption);
    // The edit, which takes the row's place in the focus chain.
    QLineEdit* Edit() const { return m_edit; }

signals:
    // Raised whenever the edit's text changes, with this row as sender.
    void OnChange(TInputPanel* sender);

private:
    QLabel* m_label;
    QLineEdit* m_edit;
};
