#pragma once
// Texts laid out once in one font on one device, kept among the last few:
// a row measured while it is fitted to the page is drawn from the same
// layout, not shaped again, and is drawn exactly as wide as it measured.

#include <QFont>
#include <QTextLayout>

#include <array>
#include <memory>
#include <string>
#include <string_view>

class QPaintDevice;

class TShapedTexts {
public:
    // Forgets every layout; later ones are made in font on device.
    void Reset(const QFont& font, const QPaintDevice* device);
    // The text (UTF-8) laid out on one line.
    const QTextLayout& Layout(std::string_view text);
    int Width(std::string_view text);

private:
    struct Entry {
        std::string text;
        std::unique_ptr<QTextLayout> layout;
    };

    QFont font_;
    const QPaintDevice* device_ = nullptr;
    std::array<Entry, 4> entries_;
    std::size_t next_ = 0;  // the entry replaced next
};
