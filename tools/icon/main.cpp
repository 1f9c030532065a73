#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kDrawnWidth = 50;
constexpr int kDrawnHeight = 48;

// The window icon: a speech bubble holding a small picture, the two things the editor joins.
// Drawn at 50 x 48; a square side gives a theme icon of that size with the drawing scaled to
// fit and centred, since icon themes want square pictures.
QImage drawIcon(int side)
{
    const bool square = side > 0;
    QImage icon(square ? side : kDrawnWidth, square ? side : kDrawnHeight, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    if (square) {
        const qreal scale = qreal(side) / kDrawnWidth;
        p.translate(0, (side - kDrawnHeight * scale) / 2);
        p.scale(scale, scale);
    }

    const QColor ink(0x2a, 0x26, 0x2b);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(2.5, 2.5, 45, 34), 9, 9);
    QPainterPath tail;
    tail.moveTo(11, 34);
    tail.lineTo(8, 45.5);
    tail.lineTo(22, 34);
    tail.closeSubpath();
    bubble = bubble.united(tail);
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xff, 0xb8, 0x3d));
    p.drawPath(bubble);

    const QRectF frame(9, 8, 32, 23);
    QPainterPath picture;
    picture.addRoundedRect(frame, 3, 3);
    p.setPen(QPen(ink, 1.6));
    p.setBrush(QColor(0xdc, 0xef, 0xff));
    p.drawPath(picture);
    p.save();
    p.setClipPath(picture);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe0, 0x5a));
    p.drawEllipse(QPointF(33.5, 14), 3.4, 3.4);
    QPainterPath hills;
    hills.moveTo(8, 31);
    hills.lineTo(18, 18);
    hills.lineTo(25, 26);
    hills.lineTo(29, 22);
    hills.lineTo(42, 31);
    hills.closeSubpath();
    p.setBrush(QColor(0x5c, 0xb8, 0x6e));
    p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(hills);
    p.restore();
    p.end();
    return icon;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool sized = true;
    const int side = args.size() == 3 ? args.at(2).toInt(&sized) : 0;
    if (args.size() < 2 || args.size() > 3 || !sized || (args.size() == 3 && (side < 1 || side > 1024))) {
        std::fprintf(stderr, "usage: zanvo-icon OUTPUT.png [SIDE]\n");
        return 2;
    }
    if (!drawIcon(side).save(args.at(1), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
