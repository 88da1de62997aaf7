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

    // The font asked for when the choice was left as shown: a font missing
    // on this system is not silently replaced by the one shown for it.
    QFont SelectedFont() const;
    QColor SelectedColor() const;

private:
    // The sample text is drawn in the chosen colour.
    void ShowColorInSample();

    QFont m_font;   // the font asked for
    QFont m_shown;  // what the chooser shows for it
    QFontDialog* m_fonts;
    QComboBox* m_colors;
};
