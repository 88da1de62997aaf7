#include "PrinterCanvas.h"

#include "Exceptions.h"

#include <QPrinter>

namespace {
QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
}  // namespace

TPrinterCanvas::TPrinterCanvas(QPrinter& printer) : printer_(printer) { ApplyFont(); }

TPrinterCanvas::~TPrinterCanvas()
{
    // A job left unended (an error on the way) is dropped, not sent.
    if (painter_.isActive())
        Abort();
}

QFont TPrinterCanvas::ToQFont(const TPrintFont& font)
{
    QFont result(QString::fromStdString(font.Name));
    result.setPointSize(font.Points);
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    result.setUnderline(font.Underline);
    result.setStrikeOut(font.StrikeOut);
    return result;
}

void TPrinterCanvas::Abort()
{
    aborted_ = true;
    if (painter_.isActive()) {
        printer_.abort();
        painter_.end();
    }
}

void TPrinterCanvas::BeginDoc()
{
    aborted_ = false;
    if (!painter_.begin(&printer_))
        throw Exception("印刷を開始できません。プリンタの設定を確かめてください。");
    page_ = 1;
    ApplyFont();
}

void TPrinterCanvas::EndDoc()
{
    CheckPainting();
    if (!painter_.end())
        throw Exception("印刷を終了できません。");
    page_ = 0;
}

void TPrinterCanvas::NewPage()
{
    CheckPainting();
    if (!printer_.newPage())
        throw Exception("新しいページを開始できません。");
    ++page_;
}

int TPrinterCanvas::PageWidth() const { return printer_.width(); }

int TPrinterCanvas::PageHeight() const { return printer_.height(); }

void TPrinterCanvas::SetFont(const TPrintFont& font)
{
    if (font == font_ && metrics_)
        return;
    font_ = font;
    ApplyFont();
}

void TPrinterCanvas::ApplyFont()
{
    const QFont font = ToQFont(font_);
    metrics_.emplace(font, &printer_);
    if (!painter_.isActive())
        return;
    painter_.setFont(font);
    painter_.setPen(QColor::fromRgb(font_.Color));
}

void TPrinterCanvas::TextOut(int x, int y, std::string_view text)
{
    CheckPainting();
    if (text.empty())
        return;
    // The position is the top-left corner of the text, as a row is placed.
    painter_.drawText(x, y + metrics_->ascent(), ToQString(text));
}

int TPrinterCanvas::TextWidth(std::string_view text) { return metrics_->horizontalAdvance(ToQString(text)); }

// The height of a row of the font, whatever its characters.
int TPrinterCanvas::TextHeight(std::string_view) { return metrics_->height(); }

void TPrinterCanvas::CheckPainting() const
{
    if (!painter_.isActive())
        throw Exception("印刷は中止されています。");
}
