#include "About.h"

#include "VersionInfo.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr int Margin = 8;
constexpr int IconSize = 32;
const QSize PanelMinimum(281, 49);
const QSize ButtonMinimum(105, 21);

QLabel* NewLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
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

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(Margin, Margin, Margin + 1, Margin);
    root->setSpacing(Margin);
    root->addWidget(CreatePanel());
    root->addLayout(CreateButtonRow());
    // A fixed dialog border, as large as its texts need and never smaller
    // than the design size.
    root->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TAboutBox::CreatePanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    // A raised bevel inside a lowered one: an etched frame.
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setMinimumSize(PanelMinimum);

    ProgramIcon = NewLabel("ProgramIcon", QString(), panel);
    ProgramIcon->setFixedSize(IconSize, IconSize);
    ProductName = NewLabel("ProductName", QStringLiteral("Vellora"), panel);
    Version = NewLabel("Version", QStringLiteral("Version"), panel);
    Comments = NewLabel("Comments", QStringLiteral("キーワードで探せるメモ帳"), panel);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(ProductName);
    nameRow->addWidget(Version);
    nameRow->addStretch();
    auto* texts = new QVBoxLayout;
    texts->addLayout(nameRow);
    texts->addWidget(Comments);
    texts->addStretch();

    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(Margin, Margin, Margin, Margin);
    row->setSpacing(2 * Margin);
    row->addWidget(ProgramIcon, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
    return panel;
}

QLayout* TAboutBox::CreateButtonRow()
{
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setMinimumSize(ButtonMinimum);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(OKButton);
    row->addStretch();
    return row;
}

void TAboutBox::setVisible(bool visible)
{
    if (visible && !isVisible())
        FormShow();
    QDialog::setVisible(visible);
}

void TAboutBox::FormShow()
{
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    ProgramIcon->setPixmap(icon.pixmap(IconSize, IconSize));
    Version->setText(GetVersionValue(QStringLiteral("FileVersion")));
    OKButton->setFocus();
}
