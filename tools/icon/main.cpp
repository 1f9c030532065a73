#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <cstdio>

namespace {

// The window icon: a speech bubble holding a small picture, the two things the editor joins.
QImage drawIcon()
{
    QImage icon(50, 48, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);

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
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: zanvo-icon OUTPUT.png\n");
        return 2;
    }
    if (!drawIcon().save(args.at(1), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
