#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringView>
#include <Qt>

class QPainter;

namespace ui {

// A run of UTF-16 code units in a text.
struct TextSpan {
    int start = 0;
    int length = 0;

    bool operator==(const TextSpan &) const = default;
};

// Text with its prefix marks resolved: "&x" shows x underlined, "&&" shows one "&". The
// character after a mark is a whole grapheme cluster: a surrogate pair, a letter with its
// combining marks or an emoji sequence is underlined as one.
struct PrefixedText {
    QString text;
    QList<TextSpan> marked; // the underlined characters in text

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
