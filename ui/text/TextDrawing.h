#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringView>
#include <Qt>

class QPainter;

namespace ui {

// Text with its prefix marks resolved: "&x" shows x underlined, "&&" shows one "&".
struct PrefixedText {
    QString text;
    QList<int> marked; // positions in text of the underlined characters

    bool operator==(const PrefixedText &) const = default;
};
PrefixedText resolvePrefixMarks(QStringView text);

// How a control lays its text out in its box.
struct TextBoxStyle {
    Qt::Alignment horizontal = Qt::AlignLeft;
    // On: lines break at word boundaries and between CJK characters, the first
    // at the top. Off: one line, vertically centred.
    bool wordWrap = false;
    int lineStep = 0; // pixels from one line to the next; 0: the font's own height
    int angle = 0;    // tenths of a degree, counter-clockwise, about the box's centre
};

// Draws a control's text with the painter's font and pen, cut at the box: CR, LF
// and CR LF break lines when wrapping, the prefix marks are resolved.
void drawControlText(QPainter &painter, const QRect &box, const TextBoxStyle &style, const QString &text);

} // namespace ui
