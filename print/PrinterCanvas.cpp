#include "PrinterCanvas.h"

#include "Exceptions.h"
#include "FontSubstitutes.h"

#include <QFile>
#include <QPrinter>

TPrinterCanvas::TPrinterCanvas(QPrinter& printer) : printer_(printer)
{
    RegisterJapaneseFontSubstitutes();
    ApplyFont();
}

TPrinterCanvas::~TPrinterCanvas()
{
    // A job left unended (an error on the way) is dropped, not sent.
    if (painter_.isActive())
        Abort();
}

QFont TPrinterCanvas::ToQFont(const TPrintFont& font)
{
    QFont result(QString::fromUtf8(font.Name.data(), static_cast<qsizetype>(font.Name.size())));
    result.setPointSize(font.Points);
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    result.setUnderline(font.Underline);
    result.setStrikeOut(font.StrikeOut);
    return result;
}

void TPrinterCanvas::Abort()
{
    if (!painter_.isActive())
        return;
    const bool dropped = printer_.abort();
    painter_.end();
    // The PDF writer cannot drop its pages and ends the file whole: a
    // cancelled job must not leave what looks like a finished print.
    if (!dropped && !printer_.outputFileName().isEmpty())
        QFile::remove(printer_.outputFileName());
}

void TPrinterCanvas::BeginDoc()
{
    if (!painter_.begin(&printer_))
        throw Exception("印刷を開始できません。プリンタの設定を確かめてください。");
    // The printer's paint engine outlives the painter and keeps the pen of
    // its last job, while a new painter takes its own default pen as set:
    // a pen that differs makes the painter hand the job's first colour on.
    painter_.setPen(Qt::NoPen);
    page_ = 1;
    // The printer works the page out anew at every query; it holds for the job.
    pageWidth_ = printer_.width();
    pageHeight_ = printer_.height();
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

int TPrinterCanvas::PageWidth() const { return painter_.isActive() ? pageWidth_ : printer_.width(); }

int TPrinterCanvas::PageHeight() const { return painter_.isActive() ? pageHeight_ : printer_.height(); }

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
    shaped_.Reset(font, &printer_);
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
    shaped_.Layout(text).draw(&painter_, QPointF(x, y));
}

int TPrinterCanvas::TextWidth(std::string_view text) { return shaped_.Width(text); }

// The height of a row of the font, whatever its characters.
int TPrinterCanvas::TextHeight(std::string_view) { return metrics_->height(); }

void TPrinterCanvas::CheckPainting() const
{
    if (!painter_.isActive())
        throw Exception("印刷は中止されています。");
}
