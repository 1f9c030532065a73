#pragma once

#include "ui/Colour.h"
#include "ui/Control.h"
#include "ui/FontSettings.h"

#include <QFont>
#include <QString>
#include <QWidget>

#include <optional>

namespace ui {

// The caption: only its glyphs are drawn, over whatever lies beneath its box.
class TransparentLabel : public Control<QWidget> {
public:
    explicit TransparentLabel(QWidget *parent);

    QString text() const { return m_text; }
    void setText(const QString &text);

    // The font attributes; those of the default GUI font while none were written.
    FontSettings fontSettings() const;
    // Replaces the whole font; an unusable face name becomes the substitute face.
    void setFontSettings(const FontSettings &font);
    // The whole font with a character height in pixels, as the window definition gives it:
    // the height holds at any resolution until the size or the whole font is written.
    void setFontSettingsInPixels(const FontSettings &font, int pixelHeight);
    // Each changes one attribute of the current font.
    void setAngle(int tenths);
    void setBold(int bold);
    void setSize(int points);
    void setName(const std::optional<QString> &name);

    ColourValue textColour() const { return m_colour; }
    void setTextColour(ColourValue colour);

    // The font the caption draws with now.
    QFont screenFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    FontSettings &ownFont();

    QString m_text;
    std::optional<FontSettings> m_font;
    std::optional<int> m_pixelHeight;
    ColourValue m_colour = 0;
};

} // namespace ui
