#pragma once
// The font dialog: Qt's font chooser with a choice of the sixteen font
// colours below it.

#include <QDialog>

class QComboBox;
class QFontDialog;

class TFontColorDialog : public QDialog {
    Q_OBJECT
public:
    TFontColorDialog(const QFont& font, const QColor& color, QWidget* parent = nullptr);

    QFont SelectedFont() const;
    QColor SelectedColor() const;

private:
    QFontDialog* m_fonts;
    QComboBox* m_colors;
};
