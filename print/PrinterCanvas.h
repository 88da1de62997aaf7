#pragma once
// The print canvas over a QPrinter: one QPainter for the job, fonts made
// from TPrintFont at the printer's resolution, device units of the
// printable area.

#include "PrintCanvas.h"
#include "ShapedTexts.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <optional>

class QPrinter;

class TPrinterCanvas : public TPrintCanvas {
public:
    explicit TPrinterCanvas(QPrinter& printer);
    ~TPrinterCanvas() override;

    // Cancels the job: the printer drops the pages drawn so far, a PDF
    // file is removed.
    void Abort();

    void BeginDoc() override;
    void EndDoc() override;
    void NewPage() override;
    int PageNumber() const override { return page_; }
    int PageWidth() const override;
    int PageHeight() const override;

    const TPrintFont& Font() const override { return font_; }
    void SetFont(const TPrintFont& font) override;
    void TextOut(int x, int y, std::string_view text) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;

    // The QFont drawn for a TPrintFont.
    static QFont ToQFont(const TPrintFont& font);

private:
    void CheckPainting() const;
    void ApplyFont();

    QPrinter& printer_;
    QPainter painter_;
    TPrintFont font_;
    std::optional<QFontMetrics> metrics_;  // of font_ on the printer
    TShapedTexts shaped_;                  // in font_ on the printer
    int page_ = 0;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
};
