#include "ui/FontDialog.h"

#include "ui/ColourPicker.h"
#include "ui/text/FontRules.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>

namespace ui {

FontDialog::FontDialog(QWidget *owner) : QObject(owner), m_owner(owner), m_chooser(standardChooser())
{
}

void FontDialog::setChooser(FontChooser chooser)
{
    m_chooser = std::move(chooser);
}

FontChooser FontDialog::standardChooser()
{
    return [](const FontChoice &start, QWidget *owner) -> std::optional<FontChoice> {
        // Qt's chooser offers no colour: it is embedded beside a colour row.
        QDialog dialog(owner);
        dialog.setWindowTitle(QStringLiteral("字体"));
        auto *fonts = new QFontDialog(&dialog);
        fonts->setWindowFlags(Qt::Widget);
        fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        QFont preset = start.font;
        // The list holds installed families: a substituted face is shown as the face it maps to.
        preset.setFamily(QFontInfo(preset).family());
        if (preset.pixelSize() > 0) {
            const int dpi = owner ? owner->logicalDpiY() : 96;
            preset.setPointSizeF(preset.pixelSize() * 72.0 / dpi);
        }
        fonts->setCurrentFont(preset);

        auto *colour = new ColourPicker(&dialog);
        colour->setInitialColour(start.colour);
        auto *colourRow = new QHBoxLayout;
        colourRow->addWidget(new QLabel(QStringLiteral("颜色"), &dialog));
        colourRow->addWidget(colour);
        colourRow->addStretch();

        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

        auto *layout = new QVBoxLayout(&dialog);
        layout->addWidget(fonts);
        layout->addLayout(colourRow);
        layout->addWidget(buttons);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return FontChoice{fonts->currentFont(), colour->colour()};
    };
}

int FontDialog::dotsPerInch() const
{
    if (m_owner)
        return m_owner->logicalDpiY();
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? int(std::lround(screen->logicalDotsPerInchY())) : 96;
}

bool FontDialog::open()
{
    const int dpi = dotsPerInch();
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
    // A character height is whole pixels; a size in points becomes one first.
    const int height =
        font.pixelSize() > 0 ? font.pixelSize() : std::max(0, int(std::lround(font.pointSizeF() * dpi / 72.0)));
    m_results.bold = font.weight() >= QFont::Bold ? 1 : 0;
    m_results.italic = font.italic() ? 1 : 0;
    m_results.strikeout = font.strikeOut() ? 1 : 0;
    m_results.underline = font.underline() ? 1 : 0;
    m_results.faceName = font.family();
    m_results.size = pointsForHeight(height, dpi);
    m_results.colour = chosen->colour & 0x00FFFFFFu;
    return true;
}

} // namespace ui
