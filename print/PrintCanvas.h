#pragma once
// The surface a print job draws on: exactly the operations the print layout
// uses. TPrinterCanvas draws on a QPrinter; the tests record the calls.
// Texts are UTF-8; positions and sizes are device units of the printable
// area, (0, 0) at its top-left corner.

#include "PrintFont.h"

#include <string_view>

class TPrintCanvas {
public:
    virtual ~TPrintCanvas() = default;

    // Starts the job on page 1; raises Exception when the printer refuses.
    virtual void BeginDoc() = 0;
    // Sends the pages.
    virtual void EndDoc() = 0;
    virtual void NewPage() = 0;
    // One-based number of the page being drawn.
    virtual int PageNumber() const = 0;
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;

    virtual const TPrintFont& Font() const = 0;
    virtual void SetFont(const TPrintFont& font) = 0;
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // Width and height of text in the current font.
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;
};
