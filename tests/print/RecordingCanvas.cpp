#include "RecordingCanvas.h"

void TRecordingCanvas::BeginDoc()
{
    ++begun;
    page_ = 1;
}

void TRecordingCanvas::TextOut(int x, int y, std::string_view text)
{
    drawn.push_back({page_, x, y, std::string(text), font_});
}

int TRecordingCanvas::CharWidth(char32_t c)
{
    if (c == U'■')
        return 1000;
    return c < 0x80 ? 5 : 10;
}

int TRecordingCanvas::TextWidth(std::string_view text)
{
    ++measured;
    int width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        width += CharWidth(c);
        i += length;
    }
    return width;
}

std::vector<std::string> TRecordingCanvas::Texts() const
{
    std::vector<std::string> texts;
    for (const DrawnText& d : drawn)
        texts.push_back(d.text);
    return texts;
}
