#include "About.h"

#include "VersionInfo.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

// Design values, in pixels.
const QSize ClientSize(298, 94);
const QRect PanelPlace(8, 8, 281, 49);
const QRect IconPlace(8, 8, 32, 32);
const QPoint NamePlace(56, 8);
constexpr int VersionLeft = 96;
const QPoint CommentsPlace(56, 28);
const QRect ButtonPlace(96, 66, 105, 21);
constexpr int Gap = 4;

QLabel* NewLabel(const QString& name, const QString& text, QWidget* parent, QPoint place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(place);
    label->adjustSize();
    return label;
}

}  // namespace

QString GetVersionValue(const QString& key)
{
    return TVersionInfo::QueryValue(TVersionInfo::StringTablePath() + key);
}

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("AboutBox");
    setWindowTitle(QStringLiteral("Velloraのバージョン情報"));
    setModal(true);
    setFixedSize(ClientSize);
    CreatePanel();
    CreateButton();
}

void TAboutBox::CreatePanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    // A raised bevel inside a lowered one: an etched frame.
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setGeometry(PanelPlace);

    ProgramIcon = NewLabel("ProgramIcon", QString(), panel, IconPlace.topLeft());
    ProgramIcon->setFixedSize(IconPlace.size());
    ProductName = NewLabel("ProductName", QStringLiteral("Vellora"), panel, NamePlace);
    Version = NewLabel("Version", QStringLiteral("Version"), panel, QPoint(VersionLeft, NamePlace.y()));
    Comments = NewLabel("Comments", QStringLiteral("キーワードで探せるメモ帳"), panel, CommentsPlace);
}

void TAboutBox::CreateButton()
{
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(ButtonPlace);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        FormShow();
        CenterOnScreen();
    }
    QDialog::setVisible(visible);
}

void TAboutBox::FormShow()
{
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    ProgramIcon->setPixmap(icon.pixmap(IconPlace.size()));
    Version->setText(GetVersionValue(QStringLiteral("FileVersion")));
    // A wider product name in a larger font pushes the version along.
    Version->move(qMax(VersionLeft, ProductName->geometry().right() + Gap), NamePlace.y());
    Version->adjustSize();
    OKButton->setFocus();
}

void TAboutBox::CenterOnScreen()
{
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame counts, as far as the system tells it before the showing.
    winId();
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}
