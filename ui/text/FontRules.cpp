#include "ui/text/FontRules.h"

#include <QByteArray>
#include <QStringEncoder>

#include <algorithm>
#include <cmath>

namespace ui {

int characterHeight(int points, int dotsPerInch)
{
    const double pixels = std::round(double(points) * dotsPerInch / 72.0);
    return int(std::clamp(pixels, double(-kMaximumCharacterHeight), double(kMaximumCharacterHeight)));
}

int pointsForHeight(double pixels, int dotsPerInch)
{
    if (dotsPerInch <= 0)
        return 0;
    const double points = std::round(pixels * 72.0 / dotsPerInch);
    return int(std::clamp(points, -2147483647.0, 2147483647.0));
}

int normalisedAngle(int tenths)
{
    const int angle = tenths % 3600;
    return angle < 0 ? angle + 3600 : angle;
}

int gbkByteLength(QStringView text)
{
    QStringEncoder gbk("GBK");
    if (gbk.isValid())
        return int(QByteArray(gbk.encode(text)).size());
    // Without a GBK codec: ASCII takes one byte, other characters two, and a
    // character outside the BMP one, as the encoder's replacement does.
    int bytes = 0;
    for (const QChar c : text) {
        if (!c.isLowSurrogate())
            bytes += c.unicode() < 0x80 || c.isHighSurrogate() ? 1 : 2;
    }
    return bytes;
}

QString faceForFontWrite(const std::optional<QString> &name)
{
    if (!name || gbkByteLength(*name) >= 32)
        return kSubstituteFace.toString();
    return *name;
}

QString faceForNameWrite(const std::optional<QString> &name)
{
    const int bytes = name ? gbkByteLength(*name) : 0;
    if (bytes < 1 || bytes >= 32)
        return kSubstituteFace.toString();
    return *name;
}

QString faceWithoutFoundry(const QString &family)
{
    const QString trimmed = family.trimmed();
    if (!trimmed.endsWith(u']'))
        return family;
    const qsizetype open = trimmed.lastIndexOf(u'[');
    if (open <= 0 || trimmed.indexOf(u']', open) != trimmed.size() - 1)
        return family;
    const QString face = trimmed.left(open).trimmed();
    return face.isEmpty() ? family : face;
}

FontSettings fontSettingsOf(const QFont &font, int dotsPerInch)
{
    FontSettings settings;
    settings.bold = font.weight() >= QFont::Bold ? 1 : 0;
    settings.italic = font.italic() ? 1 : 0;
    settings.strikeout = font.strikeOut() ? 1 : 0;
    settings.underline = font.underline() ? 1 : 0;
    settings.size = font.pixelSize() > 0 ? pointsForHeight(font.pixelSize(), dotsPerInch)
                                         : int(std::round(std::max(font.pointSizeF(), 0.0)));
    settings.name = font.family();
    return settings;
}

QFont screenFont(const FontSettings &settings, int dotsPerInch, const QFont &base)
{
    QFont font = base;
    if (settings.name && !settings.name->isEmpty())
        font.setFamily(*settings.name);
    const int points = settings.size > 0 ? settings.size : kDefaultPoints;
    font.setPixelSize(std::max(1, characterHeight(points, dotsPerInch)));
    font.setWeight(settings.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(settings.italic != 0);
    font.setUnderline(settings.underline != 0);
    font.setStrikeOut(settings.strikeout != 0);
    return font;
}

} // namespace ui
