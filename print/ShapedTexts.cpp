#include "ShapedTexts.h"

#include <cmath>

void TShapedTexts::Reset(const QFont& font, const QPaintDevice* device)
{
    font_ = font;
    device_ = device;
    for (Entry& entry : entries_)
        entry = {};
}

const QTextLayout& TShapedTexts::Layout(std::string_view text)
{
    for (const Entry& entry : entries_)
        if (entry.layout && entry.text == text)
            return *entry.layout;
    Entry& entry = entries_[next_];
    next_ = (next_ + 1) % entries_.size();
    entry.text = text;
    entry.layout = std::make_unique<QTextLayout>(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), font_, device_);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    entry.layout->setTextOption(option);
    entry.layout->setCacheEnabled(true);
    entry.layout->beginLayout();
    entry.layout->createLine();
    entry.layout->endLayout();
    return *entry.layout;
}

int TShapedTexts::Width(std::string_view text)
{
    return static_cast<int>(std::lround(Layout(text).lineAt(0).horizontalAdvance()));
}
