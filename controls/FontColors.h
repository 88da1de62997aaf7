#pragma once
// The sixteen colours a font can be given in the font dialog, and a font
// together with the colour it is drawn in.

#include <QColor>
#include <QFont>
#include <QString>

#include <array>

struct TFontColor {
    QRgb rgb;
    const char* name;       // as font descriptions give it: "Black", "Maroon", …
    const char* localName;  // as the font dialog offers it
};

const std::array<TFontColor, 16>& FontColors();
// The entry of a colour, or nullptr when it is none of the sixteen.
const TFontColor* FindFontColor(const QColor& color);

struct TColoredFont {
    QFont font;
    QColor color = Qt::black;
};
