#include "FontColors.h"

const std::array<TFontColor, 16>& FontColors()
{
    static const std::array<TFontColor, 16> colors = {{
        {0x000000, "Black", "黒"},      {0x800000, "Maroon", "栗色"}, {0x008000, "Green", "緑"},
        {0x808000, "Olive", "オリーブ"}, {0x000080, "Navy", "濃紺"},   {0x800080, "Purple", "紫"},
        {0x008080, "Teal", "緑青"},      {0x808080, "Gray", "灰色"},   {0xC0C0C0, "Silver", "銀色"},
        {0xFF0000, "Red", "赤"},         {0x00FF00, "Lime", "ライム"}, {0xFFFF00, "Yellow", "黄"},
        {0x0000FF, "Blue", "青"},        {0xFF00FF, "Fuchsia", "赤紫"}, {0x00FFFF, "Aqua", "水色"},
        {0xFFFFFF, "White", "白"},
    }};
    return colors;
}

const TFontColor* FindFontColor(const QColor& color)
{
    const QRgb rgb = color.rgb() & 0xFFFFFF;
    for (const TFontColor& entry : FontColors()) {
        if (entry.rgb == rgb)
            return &entry;
    }
    return nullptr;
}
