#pragma once
// A print canvas with fixed metrics that records what is drawn. A
// character is 10 units wide (an ASCII one 5, "■" 1000); the height of a
// text is the font's points times 10.

#include "PrintCanvas.h"

#include <string>
#include <vector>

struct DrawnText {
    int page;
    int x;
    int y;
    std::string text;
    TPrintFont font;
};

class TRecordingCanvas : public TPrintCanvas {
public:
    TRecordingCanvas(int width, int height) : width_(width), height_(height) {}

    void BeginDoc() override;
    void EndDoc() override { ++ended; }
    void NewPage() override { ++page_; }
    int PageNumber() const override { return page_; }
    int PageWidth() const override { return width_; }
    int PageHeight() const override { return height_; }
    const TPrintFont& Font() const override { return font_; }
    void SetFont(const TPrintFont& font) override { font_ = font; }
    void TextOut(int x, int y, std::string_view text) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view) override { return font_.Points * 10; }

    static int CharWidth(char32_t c);

    // The texts drawn, and only them.
    std::vector<std::string> Texts() const;
    int begun = 0;
    int ended = 0;
    int measured = 0;  // TextWidth calls
    std::vector<DrawnText> drawn;

private:
    int width_;
    int height_;
    int page_ = 0;
    TPrintFont font_;
};
