#include "ui/text/FontRules.h"

#include <QGuiApplication>

#include <cmath>

namespace ui {

int characterHeight(int points, int dotsPerInch)
{
    return int(std::lround(double(points) * dotsPerInch / 72.0));
}

QFont screenFont(const FontSettings &settings, int dotsPerInch)
{
    QFont font = QGuiApplication::font();
    if (settings.name)
        font.setFamily(*settings.name);
    const int size = std::max(settings.size, 0);
    if (size > 0)
        font.setPixelSize(std::max(1, characterHeight(size, dotsPerInch)));
    font.setWeight(settings.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(settings.italic != 0);
    font.setUnderline(settings.underline != 0);
    font.setStrikeOut(settings.strikeout != 0);
    return font;
}

} // namespace ui
