#pragma once

#include "ui/Colour.h"
#include "ui/Control.h"
#include "ui/FontSettings.h"

#include <QString>
#include <QWidget>

namespace ui {

// The caption: only its glyphs are drawn, over whatever lies beneath its box.
class TransparentLabel : public Control<QWidget> {
public:
    explicit TransparentLabel(QWidget *parent);

    QString text() const { return m_text; }
    void setText(const QString &text);
    const FontSettings &fontSettings() const { return m_font; }
    void setFontSettings(const FontSettings &font);
    void setBold(int bold);
    void setSize(int points);
    ColourValue textColour() const { return m_colour; }
    void setTextColour(ColourValue colour);

    // The font the caption draws with now.
    QFont screenFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    FontSettings m_font;
    ColourValue m_colour = 0;
};

} // namespace ui
