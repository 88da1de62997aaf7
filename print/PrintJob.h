#pragma once
// One print job's running state: the page header and the rows wrapped to
// the page width, from CurrentY downward, with a new page whenever the
// next row would not fit.

#include "PrintCanvas.h"
#include "PrintFont.h"

#include <functional>
#include <string>
#include <string_view>

class TRowFitter;

class TPrintJob {
public:
    // caption (UTF-8) heads every page, followed by " - " and the page
    // number; pageStarted runs before the header of every new page.
    TPrintJob(TPrintCanvas& canvas, std::string caption, std::function<void()> pageStarted = {});

    // Draws the page header and puts CurrentY below it.
    void PrintPageHeader();
    // Prints a UTF-8 text at indent in a copy of font: every line of the
    // text in rows as wide as fit. An empty text prints nothing.
    void PrintWrapped(std::string_view text, int indent, const TPrintFont& font);

    int CurrentY() const { return currentY_; }

    // Bold black 9-point "ＭＳ Ｐゴシック".
    static TPrintFont HeaderFont();
    // 1.3 × height to the nearest integer, a half to the even neighbour.
    static int LineStep(int height);

private:
    void PrintLine(std::string_view line, TRowFitter& fitter, int indent, int step);
    void EndRow(int step);

    TPrintCanvas& canvas_;
    std::string caption_;
    std::function<void()> pageStarted_;
    int currentY_ = 0;
};
