#include "ui/FontDialog.h"

#include "ui/text/FontRules.h"

#include <QFontDialog>
#include <QWidget>

#include <cmath>

namespace ui {

FontDialog::FontDialog(QWidget *owner) : QObject(owner), m_owner(owner), m_chooser(standardChooser()) {}

void FontDialog::setChooser(FontChooser chooser)
{
    m_chooser = std::move(chooser);
}

FontChooser FontDialog::standardChooser()
{
    return [](const FontChoice &start, QWidget *owner) -> std::optional<FontChoice> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, start.font, owner, QStringLiteral("字体"));
        if (!ok)
            return std::nullopt;
        return FontChoice{font, start.colour};
    };
}

bool FontDialog::open()
{
    const int dpi = m_owner ? m_owner->logicalDpiY() : 96;
    FontChoice start;
    start.font.setWeight(m_results.bold == 1 ? QFont::Bold : QFont::Normal);
    start.font.setItalic(m_results.italic == 1);
    start.font.setStrikeOut(m_results.strikeout == 1);
    start.font.setUnderline(m_results.underline == 1);
    if (!m_results.faceName.isEmpty())
        start.font.setFamily(m_results.faceName);
    if (m_results.size != 0)
        start.font.setPixelSize(std::max(1, characterHeight(m_results.size, dpi)));
    start.colour = m_results.colour;

    const std::optional<FontChoice> chosen = m_chooser(start, m_owner);
    if (!chosen)
        return false;
    const QFont &font = chosen->font;
    m_results.bold = font.weight() >= QFont::Bold ? 1 : 0;
    m_results.italic = font.italic() ? 1 : 0;
    m_results.strikeout = font.strikeOut() ? 1 : 0;
    m_results.underline = font.underline() ? 1 : 0;
    m_results.faceName = font.family();
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * dpi / 72.0;
    m_results.size = int(std::lround(pixels * 72.0 / dpi));
    m_results.colour = chosen->colour;
    return true;
}

} // namespace ui
