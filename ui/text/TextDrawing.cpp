#include "ui/text/TextDrawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextLayout>

namespace ui {
namespace {

// QTextLayout breaks lines only at the line separator; one line shows breaks as spaces.
QString withLineBreaks(const QString &text, bool wrapping)
{
    const QChar mark = wrapping ? QChar(QChar::LineSeparator) : QChar(u' ');
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QString(mark));
    lines.replace(QChar(u'\r'), mark);
    lines.replace(QChar(u'\n'), mark);
    return lines;
}

// Code units of the grapheme cluster that starts the text.
qsizetype firstClusterLength(QStringView text)
{
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    const qsizetype end = clusters.toNextBoundary();
    return end > 0 ? end : 1;
}

} // namespace

PrefixedText resolvePrefixMarks(QStringView text)
{
    PrefixedText shown;
    shown.text.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] != u'&') {
            shown.text.append(text[i++]);
            continue;
        }
        ++i;
        if (i == text.size())
            break; // a mark with nothing after it shows nothing
        if (text[i] == u'&') {
            shown.text.append(text[i++]);
            continue;
        }
        // Measured from the mark's end, so the mark never joins the cluster it precedes.
        const qsizetype length = firstClusterLength(text.mid(i));
        shown.marked.append({int(shown.text.size()), int(length)});
        shown.text.append(text.mid(i, length));
        i += length;
    }
    return shown;
}

void drawControlText(QPainter &painter, const QRect &box, const TextBoxStyle &style, const QString &text)
{
    const PrefixedText shown = resolvePrefixMarks(withLineBreaks(text, style.wordWrap));
    if (shown.text.isEmpty())
        return;
    const QFontMetrics metrics(painter.font(), painter.device());
    QTextLayout layout(shown.text, painter.font(), painter.device());
    QTextOption option(style.horizontal);
    option.setWrapMode(style.wordWrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    QList<QTextLayout::FormatRange> marks;
    for (const TextSpan &mark : shown.marked) {
        QTextLayout::FormatRange range{mark.start, mark.length, {}};
        range.format.setFontUnderline(true);
        marks.append(range);
    }
    layout.setFormats(marks);

    // Each line sits centred in its step, on a whole-pixel baseline.
    const int step = style.lineStep > 0 ? style.lineStep : metrics.height();
    const int ascentInStep = (step + metrics.ascent() - metrics.descent()) / 2;
    int slotTop = style.wordWrap ? 0 : (box.height() - step) / 2;
    layout.beginLayout();
    while (slotTop < box.height()) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(box.width());
        line.setPosition(QPointF(0, slotTop + ascentInStep - line.ascent()));
        if (!style.wordWrap)
            break;
        slotTop += step;
    }
    layout.endLayout();

    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    if (style.angle != 0) {
        const QPointF centre = QRectF(box).center();
        painter.translate(centre);
        painter.rotate(-style.angle / 10.0);
        painter.translate(-centre);
    }
    layout.draw(&painter, box.topLeft());
    painter.restore();
}

} // namespace ui
