#pragma once
// The about box: the program's icon, name and file version.

#include <QDialog>

class QLabel;
class QPushButton;

// The value `key` of the program's Japanese version string table
// ("\StringFileInfo\041103A4\" + key); an empty string for a key it lacks.
QString GetVersionValue(const QString& key);

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Runs FormShow and centres the box on the screen before it shows.
    void setVisible(bool visible) override;

private:
    void CreatePanel();
    void CreateButton();
    void FormShow();
    void CenterOnScreen();

    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Comments = nullptr;
    QPushButton* OKButton = nullptr;
};
