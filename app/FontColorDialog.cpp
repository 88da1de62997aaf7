#include "FontColorDialog.h"

#include "FontColors.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
QIcon Swatch(QRgb rgb)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(QColor::fromRgb(rgb));
    return QIcon(pixmap);
}

// A family missing on this system is shown as the family drawn for it, so
// that a change of size or style alone keeps the look of the text. The
// style is named as the family names it ("Book", "Regular"): the chooser
// would otherwise select its first style, an oblique one for some families.
QFont Shown(const QFont& font)
{
    QFont shown = font;
    if (!QFontDatabase::hasFamily(font.family()))
        shown.setFamily(QFontInfo(font).family());
    if (shown.styleName().isEmpty())
        shown.setStyleName(QFontInfo(shown).styleName());
    return shown;
}

// The chooser's sample text is the line edit in its sample group box.
QLineEdit* SampleOf(QFontDialog* fonts)
{
    for (auto* edit : fonts->findChildren<QLineEdit*>()) {
        if (qobject_cast<QGroupBox*>(edit->parentWidget()))
            return edit;
    }
    return nullptr;
}
}  // namespace

TFontColorDialog::TFontColorDialog(const QFont& font, const QColor& color, QWidget* parent)
    : QDialog(parent), m_font(font), m_fonts(new QFontDialog(Shown(font), this)), m_colors(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("フォント"));
    // The chooser is embedded as a plain widget; this dialog has the buttons.
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setSizeGripEnabled(false);
    m_shown = m_fonts->currentFont();

    for (const TFontColor& entry : FontColors())
        m_colors->addItem(Swatch(entry.rgb), QString::fromUtf8(entry.localName), QColor::fromRgb(entry.rgb));
    const TFontColor* current = FindFontColor(color);
    m_colors->setCurrentIndex(current ? static_cast<int>(current - FontColors().data()) : 0);
    connect(m_colors, &QComboBox::currentIndexChanged, this, [this] { ShowColorInSample(); });
    ShowColorInSample();

    auto* colorRow = new QFormLayout;
    colorRow->addRow(QStringLiteral("色(&C):"), m_colors);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

void TFontColorDialog::ShowColorInSample()
{
    if (QLineEdit* sample = SampleOf(m_fonts)) {
        QPalette palette = sample->palette();
        palette.setColor(QPalette::Text, SelectedColor());
        sample->setPalette(palette);
    }
}

QFont TFontColorDialog::SelectedFont() const
{
    const QFont current = m_fonts->currentFont();
    return current == m_shown ? m_font : current;
}

QColor TFontColorDialog::SelectedColor() const
{
    return m_colors->currentData().value<QColor>();
}
