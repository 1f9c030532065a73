#include "Kit.h"

#include <QFont>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <random>
#include <vector>

namespace kit {

namespace {

constexpr double kPi = 3.14159265358979323846;

double rad(double deg)
{
    return deg * kPi / 180.0;
}

// Screen angles: 0 points right, 90 points down.
QPointF polar(QPointF centre, double rx, double ry, double deg)
{
    return {centre.x() + rx * std::cos(rad(deg)), centre.y() + ry * std::sin(rad(deg))};
}

// Points given in units of the radii around a centre, so shapes scale with their head.
std::vector<QPointF> rel(QPointF centre, double rx, double ry, std::initializer_list<QPointF> units)
{
    std::vector<QPointF> out;
    out.reserve(units.size());
    for (const QPointF &u : units)
        out.emplace_back(centre.x() + u.x() * rx, centre.y() + u.y() * ry);
    return out;
}

// Catmull-Rom through the points: organic outlines from a handful of control points.
QPainterPath smooth(const std::vector<QPointF> &pts, bool closed = true)
{
    QPainterPath path;
    const int n = static_cast<int>(pts.size());
    if (n < 2)
        return path;
    auto at = [&](int i) {
        if (closed)
            return pts[static_cast<std::size_t>((i % n + n) % n)];
        return pts[static_cast<std::size_t>(std::clamp(i, 0, n - 1))];
    };
    path.moveTo(pts.front());
    const int segments = closed ? n : n - 1;
    for (int i = 0; i < segments; ++i) {
        const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    if (closed)
        path.closeSubpath();
    return path;
}

QPainterPath polygon(const std::vector<QPointF> &pts)
{
    QPainterPath path;
    path.moveTo(pts.front());
    for (std::size_t i = 1; i < pts.size(); ++i)
        path.lineTo(pts[i]);
    path.closeSubpath();
    return path;
}

QPainterPath capsule(QPointF a, QPointF b, double radius)
{
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    QPainterPath local;
    local.addRoundedRect(QRectF(-radius, -radius, len + 2 * radius, 2 * radius), radius, radius);
    QTransform t;
    t.translate(a.x(), a.y());
    t.rotate(std::atan2(d.y(), d.x()) * 180.0 / kPi);
    return t.map(local);
}

// Pastes a shape drawn in a unit frame: centre, scale, turn and optional mirror.
QTransform frame(QPointF centre, double scale, double angleDeg, bool mirror = false)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(angleDeg);
    t.scale(mirror ? -scale : scale, scale);
    return t;
}

} // namespace

QPen inkPen(const Canvas &c, double scale, const QColor &colour)
{
    return QPen(colour, c.lw * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void strokePath(Canvas &c, const QPainterPath &path, double scale, const QColor &colour)
{
    c.p.setPen(inkPen(c, scale, colour));
    c.p.setBrush(Qt::NoBrush);
    c.p.drawPath(path);
}

void strokeLine(Canvas &c, QPointF a, QPointF b, double scale, const QColor &colour)
{
    c.p.setPen(inkPen(c, scale, colour));
    c.p.drawLine(a, b);
}

void fillBackground(Canvas &c, const QColor &colour)
{
    c.p.fillRect(QRectF(0, 0, c.w, c.h), colour);
}

void sunburst(Canvas &c, QPointF centre, int rays, const QColor &light, const QColor &dark)
{
    fillBackground(c, light);
    const double far = std::hypot(c.w, c.h) * 1.5;
    const double step = 360.0 / rays;
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(dark);
    for (int i = 0; i < rays; i += 2) {
        const double a = i * step;
        c.p.drawPath(polygon({centre, polar(centre, far, far, a), polar(centre, far, far, a + step)}));
    }
}

void halftone(Canvas &c, const QColor &dot, double spacing, double radius, QRectF area)
{
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(dot);
    int row = 0;
    for (double y = area.top(); y <= area.bottom() + spacing; y += spacing * 0.87, ++row) {
        const double shift = (row % 2) * spacing * 0.5;
        for (double x = area.left() - spacing + shift; x <= area.right() + spacing; x += spacing)
            c.p.drawEllipse(QPointF(x, y), radius, radius);
    }
}

void diagonalStripes(Canvas &c, const QColor &stripe, double spacing, double width)
{
    c.p.setPen(QPen(stripe, width, Qt::SolidLine, Qt::FlatCap));
    for (double x = -c.h; x < c.w + c.h; x += spacing)
        c.p.drawLine(QPointF(x, c.h + 2), QPointF(x + c.h + 2, -2));
}

void softSpot(Canvas &c, QPointF centre, double rx, double ry, const QColor &colour)
{
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(colour);
    c.p.drawEllipse(centre, rx, ry);
}

void shape(Canvas &c, const QPainterPath &path, const QBrush &fill, double lineScale)
{
    if (lineScale > 0.0)
        c.p.setPen(inkPen(c, lineScale));
    else
        c.p.setPen(Qt::NoPen);
    c.p.setBrush(fill);
    c.p.drawPath(path);
}

QPainterPath ellipsePath(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void ellipse(Canvas &c, QPointF centre, double rx, double ry, const QColor &fill, double lineScale)
{
    shape(c, ellipsePath(centre, rx, ry), fill, lineScale);
}

void shadedEllipse(Canvas &c, QPointF centre, double rx, double ry, const QColor &fill)
{
    const QPainterPath outline = ellipsePath(centre, rx, ry);
    shape(c, outline, fill.darker(109), 0.0);
    c.p.save();
    c.p.setClipPath(outline);
    ellipse(c, centre + QPointF(-rx * 0.09, -ry * 0.1), rx * 0.97, ry * 0.97, fill, 0.0);
    c.p.restore();
    shape(c, outline, Qt::NoBrush, 1.0);
}

void humanHead(Canvas &c, QPointF centre, double rx, double ry, const QColor &skinColour, bool ears)
{
    if (ears) {
        for (int side : {-1, 1}) {
            const QPointF e(centre.x() + side * rx * 0.96, centre.y() + ry * 0.06);
            ellipse(c, e, rx * 0.17, ry * 0.23, skinColour);
            QPainterPath inner;
            inner.moveTo(e.x() + side * rx * 0.02, e.y() - ry * 0.1);
            inner.quadTo(e.x() + side * rx * 0.1, e.y(), e.x() + side * rx * 0.01, e.y() + ry * 0.1);
            strokePath(c, inner, 0.6, colour::ink);
        }
    }
    shadedEllipse(c, centre, rx, ry, skinColour);
}

void hairBack(Canvas &c, QPointF centre, double rx, double ry, Hair hair, const QColor &colour)
{
    switch (hair) {
    case Hair::LongBangs:
        shape(c,
              smooth(rel(centre, rx, ry,
                         {{-1.12, -0.5},
                          {-1.22, 0.3},
                          {-1.2, 1.1},
                          {-1.05, 1.6},
                          {0, 1.7},
                          {1.05, 1.6},
                          {1.2, 1.1},
                          {1.22, 0.3},
                          {1.12, -0.5},
                          {0.75, -1.05},
                          {0, -1.2},
                          {-0.75, -1.05}})),
              colour);
        break;
    case Hair::Buns:
        for (int side : {-1, 1})
            ellipse(c, QPointF(centre.x() + side * rx * 0.78, centre.y() - ry * 0.8), rx * 0.34, rx * 0.34, colour);
        break;
    case Hair::Bob:
        shape(c,
              smooth(rel(centre, rx, ry,
                         {{-1.14, -0.4},
                          {-1.2, 0.3},
                          {-1.12, 0.72},
                          {-0.8, 0.8},
                          {0.8, 0.8},
                          {1.12, 0.72},
                          {1.2, 0.3},
                          {1.14, -0.4},
                          {0.8, -1.02},
                          {0, -1.2},
                          {-0.8, -1.02}})),
              colour);
        break;
    default: break;
    }
}

void hairFront(Canvas &c, QPointF centre, double rx, double ry, Hair hair, const QColor &colour)
{
    switch (hair) {
    case Hair::Crop:
    case Hair::Cowlick:
        shape(c,
              smooth(rel(centre, rx, ry,
                         {{-1.02, 0.0},
                          {-1.04, -0.4},
                          {-0.82, -0.84},
                          {-0.4, -1.08},
                          {0.1, -1.12},
                          {0.6, -1.0},
                          {0.94, -0.7},
                          {1.04, -0.34},
                          {1.02, 0.0},
                          {0.88, -0.3},
                          {0.62, -0.52},
                          {0.3, -0.5},
                          {0.05, -0.62},
                          {-0.3, -0.55},
                          {-0.62, -0.5},
                          {-0.88, -0.3}})),
              colour);
        if (hair == Hair::Cowlick) {
            QPainterPath curl;
            const auto pts = rel(centre, rx, ry, {{0.05, -1.08}, {0.12, -1.32}, {0.34, -1.42}, {0.42, -1.28}});
            curl.moveTo(pts[0]);
            curl.cubicTo(pts[1], pts[2], pts[3]);
            strokePath(c, curl, 2.6, colour::ink);
            strokePath(c, curl, 1.0, colour);
        }
        break;
    case Hair::Spiky: {
        std::vector<QPointF> pts;
        const int spikes = 9;
        for (int i = 0; i <= spikes * 2; ++i) {
            const double a = 190.0 + 160.0 * i / (spikes * 2);
            const double k = (i % 2) ? 1.26 : 1.02;
            pts.push_back(polar(centre, rx * k, ry * k, a));
        }
        for (const QPointF &u : {QPointF{0.92, -0.2}, QPointF{0.7, -0.58}, QPointF{0.5, -0.42}, QPointF{0.3, -0.62},
                                 QPointF{0.08, -0.45}, QPointF{-0.15, -0.64}, QPointF{-0.38, -0.45},
                                 QPointF{-0.6, -0.6}, QPointF{-0.8, -0.38}, QPointF{-0.94, -0.2}})
            pts.emplace_back(centre.x() + u.x() * rx, centre.y() + u.y() * ry);
        shape(c, polygon(pts), colour);
        break;
    }
    case Hair::SidePart:
        shape(c,
              smooth(rel(centre, rx, ry,
                         {{-1.03, 0.05},
                          {-1.06, -0.4},
                          {-0.85, -0.85},
                          {-0.4, -1.1},
                          {0.15, -1.13},
                          {0.65, -1.0},
                          {0.96, -0.7},
                          {1.05, -0.3},
                          {1.02, 0.05},
                          {0.9, -0.45},
                          {0.55, -0.64},
                          {0.1, -0.6},
                          {-0.35, -0.42},
                          {-0.75, -0.15}})),
              colour);
        strokePath(c, smooth(rel(centre, rx, ry, {{0.3, -1.05}, {0.2, -0.8}, {0.02, -0.62}}), false), 0.7, colour::ink);
        break;
    case Hair::Bowl:
    case Hair::BowlSpots: {
        const QPainterPath dome = smooth(rel(centre, rx, ry,
                                             {{-1.16, 0.18},
                                              {-1.22, -0.3},
                                              {-1.02, -0.82},
                                              {-0.52, -1.16},
                                              {0.0, -1.22},
                                              {0.52, -1.16},
                                              {1.02, -0.82},
                                              {1.22, -0.3},
                                              {1.16, 0.18},
                                              {0.95, 0.22},
                                              {0.86, -0.16},
                                              {0.62, -0.28},
                                              {0.3, -0.24},
                                              {0.0, -0.3},
                                              {-0.3, -0.24},
                                              {-0.62, -0.28},
                                              {-0.86, -0.16},
                                              {-0.95, 0.22}}));
        shape(c, dome, colour);
        if (hair == Hair::BowlSpots) {
            c.p.save();
            c.p.setClipPath(dome);
            for (const QPointF &u : {QPointF{-0.62, -0.72}, QPointF{0.05, -0.92}, QPointF{0.66, -0.62},
                                     QPointF{-0.2, -0.55}, QPointF{0.98, -0.22}, QPointF{-1.0, -0.2}})
                ellipse(c, QPointF(centre.x() + u.x() * rx, centre.y() + u.y() * ry), rx * 0.15, ry * 0.12,
                        colour::white, 0.7);
            c.p.restore();
            shape(c, dome, Qt::NoBrush);
        } else {
            // A few strands give the cap its direction without breaking the flat fill.
            for (double x : {-0.5, 0.05, 0.55}) {
                strokePath(c, smooth(rel(centre, rx, ry, {{x - 0.12, -0.95}, {x, -0.7}, {x + 0.04, -0.45}}), false),
                           0.55, colour.lighter(135));
            }
        }
        break;
    }
    case Hair::LongBangs:
        shape(c,
              smooth(rel(centre, rx, ry,
                         {{-1.06, 0.2},
                          {-1.1, -0.42},
                          {-0.85, -0.9},
                          {-0.4, -1.13},
                          {0.1, -1.16},
                          {0.6, -1.04},
                          {0.96, -0.74},
                          {1.1, -0.42},
                          {1.06, 0.2},
                          {0.9, -0.3},
                          {0.7, -0.22},
                          {0.5, -0.42},
                          {0.25, -0.24},
                          {0.0, -0.44},
                          {-0.25, -0.24},
                          {-0.5, -0.42},
                          {-0.7, -0.22},
                          {-0.9, -0.3}})),
              colour);
        break;
    case Hair::Buns:
        shape(c,
              smooth(rel(centre, rx, ry,
                         {{-1.02, 0.0},
                          {-1.05, -0.42},
                          {-0.82, -0.86},
                          {-0.4, -1.1},
                          {0.0, -1.13},
                          {0.4, -1.1},
                          {0.82, -0.86},
                          {1.05, -0.42},
                          {1.02, 0.0},
                          {0.88, -0.36},
                          {0.5, -0.5},
                          {0.06, -0.66},
                          {-0.06, -0.66},
                          {-0.5, -0.5},
                          {-0.88, -0.36}})),
              colour);
        break;
    case Hair::Bob:
        shape(c,
              smooth(rel(centre, rx, ry,
                         {{-1.1, 0.62},
                          {-1.12, -0.2},
                          {-0.92, -0.86},
                          {-0.45, -1.12},
                          {0.0, -1.16},
                          {0.45, -1.12},
                          {0.92, -0.86},
                          {1.12, -0.2},
                          {1.1, 0.62},
                          {0.9, 0.62},
                          {0.84, -0.26},
                          {0.4, -0.3},
                          {0.0, -0.28},
                          {-0.4, -0.3},
                          {-0.84, -0.26},
                          {-0.9, 0.62}})),
              colour);
        break;
    case Hair::Pompadour:
        shape(c,
              smooth(rel(centre, rx, ry,
                         {{-1.02, 0.0},
                          {-1.08, -0.5},
                          {-0.88, -1.02},
                          {-0.35, -1.36},
                          {0.4, -1.5},
                          {1.05, -1.44},
                          {1.42, -1.2},
                          {1.3, -0.98},
                          {1.0, -0.88},
                          {1.04, -0.4},
                          {1.02, 0.0},
                          {0.86, -0.36},
                          {0.5, -0.55},
                          {0.0, -0.6},
                          {-0.5, -0.52},
                          {-0.88, -0.32}})),
              colour);
        strokePath(c, smooth(rel(centre, rx, ry, {{-0.6, -0.85}, {-0.1, -1.2}, {0.6, -1.3}, {1.1, -1.2}}), false), 0.7,
                   colour.lighter(140));
        strokePath(c, smooth(rel(centre, rx, ry, {{-0.4, -0.62}, {0.1, -0.92}, {0.7, -1.02}}), false), 0.6,
                   colour.darker(130));
        break;
    }
}

void mushroomHead(Canvas &c, QPointF centre, double r, const QColor &hairColour, Hair hair, const QColor &skinColour)
{
    humanHead(c, centre, r, r * 0.92, skinColour, false);
    hairFront(c, centre, r, r * 0.92, hair, hairColour);
}

void pandaHead(Canvas &c, QPointF centre, double rx, double ry, double patchTilt)
{
    for (int side : {-1, 1})
        ellipse(c, QPointF(centre.x() + side * rx * 0.74, centre.y() - ry * 0.76), rx * 0.3, rx * 0.28,
                colour::pandaBlack);
    shadedEllipse(c, centre, rx, ry, colour::white);
    for (int side : {-1, 1}) {
        const QTransform t =
            frame(QPointF(centre.x() + side * rx * 0.36, centre.y() - ry * 0.0), 1.0, side * -patchTilt);
        shape(c, t.map(ellipsePath(QPointF(0, 0), rx * 0.2, ry * 0.27)), colour::pandaBlack, 0.0);
    }
    const QPointF nose(centre.x(), centre.y() + ry * 0.26);
    shape(c, smooth(rel(nose, rx, ry, {{-0.1, -0.05}, {0.1, -0.05}, {0.0, 0.06}})), colour::pandaBlack, 0.6);
}

void dogHead(Canvas &c, QPointF centre, double r, const QColor &fur, const QColor &ears, bool oneEarUp)
{
    shape(
        c,
        smooth(rel(
            centre, r, r,
            {{-0.42, -0.8}, {-0.95, -0.74}, {-1.24, -0.2}, {-1.2, 0.36}, {-0.96, 0.42}, {-0.76, -0.1}, {-0.5, -0.5}})),
        ears);
    if (oneEarUp)
        shape(c, smooth(rel(centre, r, r, {{0.36, -0.74}, {0.66, -1.3}, {0.86, -1.38}, {0.96, -0.9}, {0.86, -0.5}})),
              ears);
    else
        shape(c,
              smooth(rel(
                  centre, r, r,
                  {{0.42, -0.8}, {0.95, -0.74}, {1.24, -0.2}, {1.2, 0.36}, {0.96, 0.42}, {0.76, -0.1}, {0.5, -0.5}})),
              ears);
    shadedEllipse(c, centre, r, r * 0.9, fur);
    ellipse(c, QPointF(centre.x(), centre.y() + r * 0.4), r * 0.44, r * 0.32, fur.lighter(118), 0.8);
    shape(c, smooth(rel(centre, r, r, {{-0.14, 0.22}, {0.14, 0.22}, {0.07, 0.34}, {-0.07, 0.34}})), colour::ink, 0.6);
    strokeLine(c, QPointF(centre.x(), centre.y() + r * 0.34), QPointF(centre.x(), centre.y() + r * 0.46), 0.8);
}

void catHead(Canvas &c, QPointF centre, double r, const QColor &fur, const QColor &stripes)
{
    for (int side : {-1, 1}) {
        const auto outer = rel(centre, side * r, r, {{0.25, -0.72}, {0.82, -1.22}, {0.96, -0.42}});
        shape(c, polygon(outer), fur);
        const auto inner = rel(centre, side * r, r, {{0.42, -0.74}, {0.8, -1.04}, {0.86, -0.58}});
        shape(c, polygon(inner), colour::tongue.lighter(120), 0.0);
    }
    shadedEllipse(c, centre, r * 1.06, r * 0.88, fur);
    for (double x : {-0.18, 0.0, 0.18}) {
        const double len = x == 0.0 ? 0.3 : 0.22;
        strokeLine(c, QPointF(centre.x() + x * r, centre.y() - r * 0.86),
                   QPointF(centre.x() + x * r * 0.9, centre.y() - r * (0.86 - len)), 1.3, stripes);
    }
    for (int side : {-1, 1}) {
        strokeLine(c, QPointF(centre.x() + side * r * 1.16, centre.y() + r * 0.05),
                   QPointF(centre.x() + side * r * 0.96, centre.y() + r * 0.12), 1.3, stripes);
        for (double dy : {-0.06, 0.06, 0.18})
            strokeLine(c, QPointF(centre.x() + side * r * 0.5, centre.y() + r * (0.3 + dy * 0.4)),
                       QPointF(centre.x() + side * r * 1.22, centre.y() + r * (0.24 + dy * 1.2)), 0.55);
    }
    shape(c, smooth(rel(centre, r, r, {{-0.09, 0.2}, {0.09, 0.2}, {0.0, 0.29}})), colour::tongue, 0.6);
}

void spartanHelmet(Canvas &c, QPointF centre, double rx, double ry)
{
    const QPainterPath crest = smooth(rel(centre, rx, ry,
                                          {{-1.18, -0.7},
                                           {-1.05, -1.32},
                                           {-0.55, -1.72},
                                           {0.0, -1.84},
                                           {0.55, -1.72},
                                           {1.05, -1.32},
                                           {1.18, -0.7},
                                           {0.0, -0.9}}));
    shape(c, crest, QColor(0xc8, 0x36, 0x3a));
    c.p.save();
    c.p.setClipPath(crest);
    for (int i = -6; i <= 6; ++i) {
        const double a = 270.0 + i * 12.0;
        strokeLine(c, polar(QPointF(centre.x(), centre.y() - ry * 0.7), rx * 0.5, ry * 0.3, a),
                   polar(QPointF(centre.x(), centre.y() - ry * 0.7), rx * 1.3, ry * 1.3, a), 0.6,
                   QColor(0x92, 0x1f, 0x27));
    }
    c.p.restore();

    const QPainterPath outer = smooth(rel(centre, rx, ry,
                                          {{-1.06, 0.1},
                                           {-1.1, -0.45},
                                           {-0.84, -0.96},
                                           {0.0, -1.16},
                                           {0.84, -0.96},
                                           {1.1, -0.45},
                                           {1.06, 0.1},
                                           {0.98, 0.74},
                                           {0.62, 1.12},
                                           {0.0, 1.18},
                                           {-0.62, 1.12},
                                           {-0.98, 0.74}}));
    QPainterPath band;
    band.addRoundedRect(QRectF(centre.x() - rx * 0.74, centre.y() - ry * 0.26, rx * 1.48, ry * 0.36), rx * 0.12,
                        rx * 0.12);
    QPainterPath slot;
    slot.addRoundedRect(QRectF(centre.x() - rx * 0.3, centre.y() - ry * 0.1, rx * 0.6, ry * 1.5), rx * 0.12, rx * 0.12);
    QPainterPath nose;
    nose.addRoundedRect(QRectF(centre.x() - rx * 0.09, centre.y() - ry * 0.3, rx * 0.18, ry * 0.62), rx * 0.08,
                        rx * 0.08);
    const QPainterPath helmet = outer.subtracted(band.united(slot)).united(nose.intersected(outer));
    const QColor bronze(0xd8, 0xa2, 0x45);
    shape(c, helmet, bronze);
    c.p.save();
    c.p.setClipPath(helmet);
    strokePath(c, smooth(rel(centre, rx, ry, {{-0.78, -0.55}, {0.0, -0.78}, {0.78, -0.55}}), false), 0.7,
               bronze.darker(135));
    strokePath(c, smooth(rel(centre, rx, ry, {{0.0, -1.15}, {0.0, -0.3}}), false), 0.7, bronze.darker(135));
    c.p.restore();
    for (int side : {-1, 1})
        for (double y : {0.35, 0.6, 0.85})
            ellipse(c, QPointF(centre.x() + side * rx * 0.62 * (1.0 - (y - 0.35) * 0.3), centre.y() + ry * y),
                    rx * 0.04, rx * 0.04, bronze.lighter(130), 0.4);
}

Face face(Eye both, Brow brows, Mouth m)
{
    Face f;
    f.eyeL = both;
    f.eyeR = both;
    f.browL = brows;
    f.browR = brows;
    f.mouth = m;
    return f;
}

void eye(Canvas &c, QPointF centre, double e, Eye kind, QPointF look, bool right, const QColor &line)
{
    QPainter &p = c.p;
    p.save();
    p.translate(centre);
    if (right)
        p.scale(-1.0, 1.0);
    const QPointF lk(right ? -look.x() : look.x(), look.y());
    auto pupil = [&](double travel, double r, bool shine) {
        const QPointF pc = lk * (travel * e);
        ellipse(c, pc, r * e, r * e, colour::ink, 0.0);
        if (shine)
            ellipse(c, pc + QPointF(-0.3 * r * e * (right ? -1 : 1), -0.32 * r * e), 0.3 * r * e, 0.3 * r * e,
                    colour::white, 0.0);
    };
    switch (kind) {
    case Eye::Dot: ellipse(c, lk * (0.2 * e), 0.44 * e, 0.52 * e, line, 0.0); break;
    case Eye::Round:
        ellipse(c, QPointF(0, 0), e, 1.1 * e, colour::white, 0.9);
        pupil(0.38, 0.56, true);
        break;
    case Eye::Wide:
        ellipse(c, QPointF(0, 0), 1.15 * e, 1.32 * e, colour::white, 0.9);
        pupil(0.45, 0.26, false);
        break;
    case Eye::Tiny:
        ellipse(c, QPointF(0, 0), e, e, colour::white, 0.9);
        pupil(0.3, 0.13, false);
        break;
    case Eye::Teary: {
        ellipse(c, QPointF(0, 0), 1.05 * e, 1.15 * e, colour::white, 0.9);
        const QPointF pc = lk * (0.2 * e) + QPointF(0, 0.08 * e);
        ellipse(c, pc, 0.74 * e, 0.82 * e, colour::ink, 0.0);
        ellipse(c, pc + QPointF(-0.28 * e, -0.32 * e), 0.26 * e, 0.26 * e, colour::white, 0.0);
        ellipse(c, pc + QPointF(0.3 * e, 0.32 * e), 0.13 * e, 0.13 * e, colour::white, 0.0);
        break;
    }
    case Eye::Happy: {
        QPainterPath arc;
        arc.moveTo(-e, 0.35 * e);
        arc.quadTo(0, -0.8 * e, e, 0.35 * e);
        strokePath(c, arc, 1.2, line);
        break;
    }
    case Eye::Closed: {
        QPainterPath arc;
        arc.moveTo(-e, -0.2 * e);
        arc.quadTo(0, 0.75 * e, e, -0.2 * e);
        strokePath(c, arc, 1.2, line);
        break;
    }
    case Eye::HalfLid:
    case Eye::Glare: {
        const double outerY = kind == Eye::Glare ? -0.5 * e : -0.05 * e;
        const double innerY = kind == Eye::Glare ? 0.2 * e : -0.05 * e;
        QPainterPath white = ellipsePath(QPointF(0, 0), e, 1.05 * e);
        QPainterPath below;
        below.moveTo(-1.3 * e, outerY - (innerY - outerY) * 0.15);
        below.lineTo(1.3 * e, innerY + (innerY - outerY) * 0.15);
        below.lineTo(1.3 * e, 1.4 * e);
        below.lineTo(-1.3 * e, 1.4 * e);
        below.closeSubpath();
        const QPainterPath open = white.intersected(below);
        shape(c, open, colour::white, 0.0);
        p.save();
        p.setClipPath(open);
        pupil(0.45, 0.5, false);
        p.restore();
        shape(c, open, Qt::NoBrush, 0.9);
        strokeLine(c, QPointF(-1.12 * e, outerY), QPointF(1.12 * e, innerY), 1.4);
        break;
    }
    case Eye::Squeeze: {
        QPainterPath chevron;
        chevron.moveTo(-0.8 * e, -0.7 * e);
        chevron.lineTo(0.8 * e, 0.0);
        chevron.lineTo(-0.8 * e, 0.7 * e);
        strokePath(c, chevron, 1.25, line);
        break;
    }
    case Eye::Cross:
        strokeLine(c, QPointF(-0.7 * e, -0.7 * e), QPointF(0.7 * e, 0.7 * e), 1.2, line);
        strokeLine(c, QPointF(-0.7 * e, 0.7 * e), QPointF(0.7 * e, -0.7 * e), 1.2, line);
        break;
    case Eye::Spiral: {
        QPainterPath spiral;
        const int steps = 60;
        for (int i = 0; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            const double r = e * (0.08 + 0.95 * t);
            const QPointF pt = polar(QPointF(0, 0), r, r, t * 900.0);
            if (i == 0)
                spiral.moveTo(pt);
            else
                spiral.lineTo(pt);
        }
        strokePath(c, spiral, 0.8, line);
        break;
    }
    case Eye::Dead: {
        QPainterPath half;
        half.moveTo(-0.5 * e, -0.05 * e);
        half.arcTo(QRectF(-0.5 * e, -0.55 * e, e, e), 180.0, 180.0);
        half.closeSubpath();
        shape(c, half, colour::ink, 0.0);
        strokeLine(c, QPointF(-1.1 * e, -0.05 * e), QPointF(1.1 * e, -0.05 * e), 1.3);
        QPainterPath bag;
        bag.moveTo(-0.8 * e, 0.75 * e);
        bag.quadTo(0, 1.1 * e, 0.8 * e, 0.7 * e);
        strokePath(c, bag, 0.6, QColor(0x7d, 0x6a, 0x8a));
        break;
    }
    case Eye::Line: strokeLine(c, QPointF(-0.9 * e, 0), QPointF(0.9 * e, 0), 1.2, line); break;
    case Eye::None: break;
    }
    p.restore();
}

void brow(Canvas &c, QPointF centre, double e, Brow kind, bool right)
{
    if (kind == Brow::None)
        return;
    QPainter &p = c.p;
    p.save();
    p.translate(centre);
    if (right)
        p.scale(-1.0, 1.0);
    QPainterPath path;
    double width = 1.2;
    switch (kind) {
    case Brow::Flat:
        path.moveTo(-e, 0);
        path.lineTo(e, 0);
        break;
    case Brow::Thick:
        path.moveTo(-e, 0.05 * e);
        path.quadTo(0, -0.15 * e, e, 0.05 * e);
        width = 2.4;
        break;
    case Brow::Raised:
        path.moveTo(-e, 0.1 * e);
        path.quadTo(0, -0.9 * e, e, 0.0);
        break;
    case Brow::Angry:
        path.moveTo(-1.05 * e, -0.5 * e);
        path.quadTo(0.1 * e, -0.2 * e, 1.0 * e, 0.45 * e);
        width = 1.6;
        break;
    case Brow::Worried:
        path.moveTo(-1.05 * e, 0.35 * e);
        path.quadTo(0.1 * e, 0.0, 0.95 * e, -0.45 * e);
        width = 1.3;
        break;
    case Brow::None: break;
    }
    strokePath(c, path, width, colour::ink);
    p.restore();
}

void mouth(Canvas &c, QPointF centre, double m, Mouth kind, const QColor &line)
{
    QPainter &p = c.p;
    p.save();
    p.translate(centre);
    auto openMouth = [&](const QPainterPath &outline, bool teeth, double tongueY) {
        shape(c, outline, colour::mouthDark, 0.0);
        p.save();
        p.setClipPath(outline);
        const QRectF b = outline.boundingRect();
        if (teeth)
            shape(
                c,
                [&] {
                    QPainterPath t;
                    t.addRect(QRectF(b.left(), b.top() - m, b.width(), m + b.height() * 0.24));
                    return t;
                }(),
                colour::white, 0.6);
        ellipse(c, QPointF(b.center().x(), b.top() + b.height() * tongueY), b.width() * 0.32, b.height() * 0.32,
                colour::tongue, 0.0);
        p.restore();
        shape(c, outline, Qt::NoBrush, 1.0);
    };
    switch (kind) {
    case Mouth::None: break;
    case Mouth::Smile: {
        QPainterPath s;
        s.moveTo(-m, -0.12 * m);
        s.quadTo(0, 0.72 * m, m, -0.12 * m);
        strokePath(c, s, 1.15, line);
        break;
    }
    case Mouth::SmallSmile: {
        QPainterPath s;
        s.moveTo(-0.6 * m, 0);
        s.quadTo(0, 0.38 * m, 0.6 * m, 0);
        strokePath(c, s, 1.0, line);
        break;
    }
    case Mouth::Grin:
    case Mouth::Laugh: {
        const double depth = kind == Mouth::Laugh ? 1.5 * m : 0.95 * m;
        QPainterPath o;
        o.moveTo(-m, -0.15 * m);
        o.quadTo(0, 0.05 * m, m, -0.15 * m);
        o.cubicTo(0.85 * m, depth, -0.85 * m, depth, -m, -0.15 * m);
        o.closeSubpath();
        openMouth(o, true, 0.86);
        break;
    }
    case Mouth::Open: openMouth(ellipsePath(QPointF(0, 0.1 * m), 0.5 * m, 0.56 * m), false, 0.85); break;
    case Mouth::Scream: openMouth(ellipsePath(QPointF(0, 0.35 * m), 0.62 * m, 0.95 * m), false, 0.85); break;
    case Mouth::Flat: strokeLine(c, QPointF(-0.75 * m, 0.1 * m), QPointF(0.75 * m, 0.1 * m), 1.15, line); break;
    case Mouth::Frown: {
        QPainterPath s;
        s.moveTo(-0.85 * m, 0.3 * m);
        s.quadTo(0, -0.45 * m, 0.85 * m, 0.3 * m);
        strokePath(c, s, 1.15, line);
        break;
    }
    case Mouth::Wail: {
        QPainterPath o;
        o.moveTo(-m, 0.2 * m);
        o.quadTo(0, -0.55 * m, m, 0.2 * m);
        o.cubicTo(0.8 * m, 1.0 * m, -0.8 * m, 1.0 * m, -m, 0.2 * m);
        o.closeSubpath();
        openMouth(o, false, 0.9);
        break;
    }
    case Mouth::Wavy: {
        QPainterPath s;
        s.moveTo(-m, 0.1 * m);
        const int waves = 4;
        for (int i = 0; i < waves; ++i) {
            const double x0 = -m + 2 * m * i / waves;
            const double x1 = -m + 2 * m * (i + 1) / waves;
            s.quadTo((x0 + x1) / 2, (i % 2 ? 0.45 : -0.25) * m, x1, 0.1 * m);
        }
        strokePath(c, s, 1.1, line);
        break;
    }
    case Mouth::Smirk: {
        QPainterPath s;
        s.moveTo(-0.75 * m, 0.1 * m);
        s.quadTo(0.25 * m, 0.42 * m, m, -0.35 * m);
        strokePath(c, s, 1.15, line);
        strokeLine(c, QPointF(0.86 * m, -0.52 * m), QPointF(1.08 * m, -0.2 * m), 0.8, line);
        break;
    }
    case Mouth::Teeth: {
        QPainterPath t;
        t.addRoundedRect(QRectF(-m, -0.32 * m, 2 * m, 0.64 * m), 0.25 * m, 0.25 * m);
        shape(c, t, colour::white, 1.0);
        p.save();
        p.setClipPath(t);
        strokeLine(c, QPointF(-m, 0), QPointF(m, 0), 0.7);
        for (double x : {-0.55, -0.18, 0.18, 0.55})
            strokeLine(c, QPointF(x * m, -0.4 * m), QPointF(x * m, 0.4 * m), 0.6);
        p.restore();
        break;
    }
    case Mouth::Cat: {
        QPainterPath s;
        s.moveTo(-0.7 * m, -0.1 * m);
        s.quadTo(-0.35 * m, 0.5 * m, 0, 0);
        s.quadTo(0.35 * m, 0.5 * m, 0.7 * m, -0.1 * m);
        strokePath(c, s, 1.05, line);
        break;
    }
    case Mouth::Tongue: {
        QPainterPath t;
        t.moveTo(-0.3 * m, 0.15 * m);
        t.lineTo(-0.3 * m, 0.6 * m);
        t.quadTo(0, 1.05 * m, 0.3 * m, 0.6 * m);
        t.lineTo(0.3 * m, 0.15 * m);
        t.closeSubpath();
        shape(c, t, colour::tongue, 0.9);
        strokeLine(c, QPointF(0, 0.3 * m), QPointF(0, 0.6 * m), 0.6);
        QPainterPath s;
        s.moveTo(-m, -0.15 * m);
        s.quadTo(0, 0.55 * m, m, -0.15 * m);
        strokePath(c, s, 1.15, line);
        break;
    }
    case Mouth::Pout: ellipse(c, QPointF(0, 0.05 * m), 0.22 * m, 0.2 * m, colour::mouthDark, 0.9); break;
    case Mouth::Zipper:
        strokeLine(c, QPointF(-m, 0), QPointF(m, 0), 1.1, line);
        for (double x = -0.8; x <= 0.81; x += 0.27)
            strokeLine(c, QPointF(x * m, -0.18 * m), QPointF(x * m, 0.18 * m), 0.7, line);
        break;
    }
    p.restore();
}

void drawFace(Canvas &c, QPointF centre, double r, const Face &f)
{
    const double e = f.eyeSize * r;
    for (int side : {-1, 1}) {
        const bool right = side > 0;
        const QPointF ec(centre.x() + side * f.eyeGap * r, centre.y() + f.eyeY * r);
        if (f.blush)
            blush(c, QPointF(ec.x() + side * 0.12 * r, ec.y() + e + 0.12 * r), 0.13 * r, f.cheek);
        const QPointF look = right && f.mirrorLook ? QPointF(-f.look.x(), f.look.y()) : f.look;
        eye(c, ec, e, right ? f.eyeR : f.eyeL, look, right, f.line);
        brow(c, QPointF(ec.x(), ec.y() - f.browLift * e), e, right ? f.browR : f.browL, right);
    }
    mouth(c, QPointF(centre.x(), centre.y() + f.mouthY * r), f.mouthW * r, f.mouth, f.line);
}

void blush(Canvas &c, QPointF centre, double rx, const QColor &colour)
{
    QColor soft = colour;
    soft.setAlpha(170);
    softSpot(c, centre, rx, rx * 0.55, soft);
}

void sweatDrop(Canvas &c, QPointF tip, double s)
{
    QPainterPath drop;
    drop.moveTo(tip);
    drop.cubicTo(tip + QPointF(0.2 * s, 0.35 * s), tip + QPointF(0.55 * s, 0.7 * s), tip + QPointF(0.5 * s, 1.05 * s));
    drop.arcTo(QRectF(tip.x() - 0.5 * s, tip.y() + 0.55 * s, s, s), 0.0, -180.0);
    drop.cubicTo(tip + QPointF(-0.55 * s, 0.7 * s), tip + QPointF(-0.2 * s, 0.35 * s), tip);
    drop.closeSubpath();
    shape(c, drop, colour::sweat, 0.8);
    ellipse(c, tip + QPointF(-0.18 * s, 0.95 * s), 0.1 * s, 0.16 * s, colour::white, 0.0);
}

void tearDrop(Canvas &c, QPointF tip, double s)
{
    QPainterPath drop;
    drop.moveTo(tip);
    drop.cubicTo(tip + QPointF(0.2 * s, 0.35 * s), tip + QPointF(0.55 * s, 0.7 * s), tip + QPointF(0.5 * s, 1.05 * s));
    drop.arcTo(QRectF(tip.x() - 0.5 * s, tip.y() + 0.55 * s, s, s), 0.0, -180.0);
    drop.cubicTo(tip + QPointF(-0.55 * s, 0.7 * s), tip + QPointF(-0.2 * s, 0.35 * s), tip);
    drop.closeSubpath();
    shape(c, drop, colour::tear, 0.8);
}

void tearStreams(Canvas &c, QPointF left, QPointF right, double width, double bottom)
{
    for (const QPointF &top : {left, right}) {
        QPainterPath s;
        s.moveTo(top.x() - width * 0.45, top.y());
        s.cubicTo(top.x() - width * 0.5, (top.y() + bottom) / 2, top.x() - width * 0.7, bottom - width,
                  top.x() - width * 0.75, bottom + width);
        s.lineTo(top.x() + width * 0.75, bottom + width);
        s.cubicTo(top.x() + width * 0.7, bottom - width, top.x() + width * 0.5, (top.y() + bottom) / 2,
                  top.x() + width * 0.45, top.y());
        s.closeSubpath();
        shape(c, s, colour::tear, 0.8);
        strokeLine(c, QPointF(top.x() - width * 0.1, top.y() + width), QPointF(top.x() - width * 0.15, bottom - width),
                   0.6, colour::tear.lighter(135));
    }
}

void angerMark(Canvas &c, QPointF centre, double s)
{
    for (int k = 0; k < 4; ++k) {
        c.p.save();
        c.p.translate(centre);
        c.p.rotate(90.0 * k + 8.0);
        QPainterPath bracket;
        bracket.moveTo(0.14 * s, 0.55 * s);
        bracket.quadTo(0.14 * s, 0.14 * s, 0.55 * s, 0.14 * s);
        strokePath(c, bracket, 2.6, colour::ink);
        strokePath(c, bracket, 1.4, colour::red);
        c.p.restore();
    }
}

void gloomLines(Canvas &c, QRectF area, int count)
{
    const QColor gloom(0x5a, 0x5f, 0x9a);
    for (int i = 0; i < count; ++i) {
        const double x = area.left() + area.width() * (i + 0.5) / count;
        const double len = area.height() * (0.55 + 0.45 * ((i * 7) % 5) / 4.0);
        strokeLine(c, QPointF(x, area.top()), QPointF(x, area.top() + len), 0.8, gloom);
    }
}

void speedLines(Canvas &c, QRectF area, int count, bool horizontal, const QColor &colour)
{
    std::minstd_rand rng(20240611u + static_cast<unsigned>(count));
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < count; ++i) {
        const double t = (i + 0.2 + 0.6 * unit(rng)) / count;
        const double len = 0.4 + 0.6 * unit(rng);
        const double start = unit(rng) * (1.0 - len);
        if (horizontal) {
            const double y = area.top() + t * area.height();
            strokeLine(c, QPointF(area.left() + start * area.width(), y),
                       QPointF(area.left() + (start + len) * area.width(), y), 0.7, colour);
        } else {
            const double x = area.left() + t * area.width();
            strokeLine(c, QPointF(x, area.top() + start * area.height()),
                       QPointF(x, area.top() + (start + len) * area.height()), 0.7, colour);
        }
    }
}

void shockLines(Canvas &c, QPointF centre, double inner, double outer, int count, double fromDeg, double spanDeg)
{
    for (int i = 0; i < count; ++i) {
        const double a =
            fromDeg + spanDeg * (count == 1 ? 0.5 : static_cast<double>(i) / (spanDeg >= 360.0 ? count : count - 1));
        const double o = outer - (i % 2) * (outer - inner) * 0.3;
        strokeLine(c, polar(centre, inner, inner, a), polar(centre, o, o, a), 1.0);
    }
}

void impactStar(Canvas &c, QPointF centre, double r, int points, const QColor &fill)
{
    std::vector<QPointF> pts;
    for (int i = 0; i < points * 2; ++i) {
        const double k = (i % 2) ? 0.52 : (i % 4 == 0 ? 1.0 : 0.82);
        pts.push_back(polar(centre, r * k, r * k, -90.0 + 180.0 * i / points));
    }
    shape(c, polygon(pts), fill);
}

void sparkle(Canvas &c, QPointF centre, double r, const QColor &fill)
{
    QPainterPath s;
    s.moveTo(centre + QPointF(0, -r));
    s.quadTo(centre, centre + QPointF(r, 0));
    s.quadTo(centre, centre + QPointF(0, r));
    s.quadTo(centre, centre + QPointF(-r, 0));
    s.quadTo(centre, centre + QPointF(0, -r));
    s.closeSubpath();
    shape(c, s, fill, 0.6);
}

void heart(Canvas &c, QPointF centre, double s, const QColor &fill)
{
    QPainterPath h;
    h.moveTo(centre + QPointF(0, 0.42 * s));
    h.cubicTo(centre + QPointF(-0.62 * s, 0.02 * s), centre + QPointF(-0.4 * s, -0.55 * s),
              centre + QPointF(0, -0.2 * s));
    h.cubicTo(centre + QPointF(0.4 * s, -0.55 * s), centre + QPointF(0.62 * s, 0.02 * s),
              centre + QPointF(0, 0.42 * s));
    h.closeSubpath();
    shape(c, h, fill, 0.8);
}

void dots(Canvas &c, QPointF start, double gap, double r, int count)
{
    for (int i = 0; i < count; ++i)
        ellipse(c, start + QPointF(gap * i, 0), r, r, colour::ink, 0.0);
}

void motionArcs(Canvas &c, QPointF centre, double r, double fromDeg, double spanDeg, int count)
{
    for (int i = 0; i < count; ++i) {
        const double rr = r * (1.0 + 0.18 * i);
        QPainterPath arc;
        arc.arcMoveTo(QRectF(centre.x() - rr, centre.y() - rr, 2 * rr, 2 * rr), -fromDeg);
        arc.arcTo(QRectF(centre.x() - rr, centre.y() - rr, 2 * rr, 2 * rr), -fromDeg, -spanDeg);
        strokePath(c, arc, 0.8, colour::ink);
    }
}

void glyph(Canvas &c, const QString &text, QRectF box, const QColor &fill, double outlineScale, double angleDeg,
           bool serif)
{
    QFont font(serif ? QStringLiteral("Noto Serif CJK SC") : QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(200);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    if (b.isEmpty())
        return;
    const double scale = std::min(box.width() / b.width(), box.height() / b.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.rotate(angleDeg);
    t.scale(scale, scale);
    t.translate(-b.center().x(), -b.center().y());
    const QPainterPath placed = t.map(path);
    // Stroke at twice the width first, then fill over it: the outline stays outside the letter.
    c.p.setPen(inkPen(c, 2.0 * outlineScale));
    c.p.setBrush(colour::ink);
    c.p.drawPath(placed);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(fill);
    c.p.drawPath(placed);
}

void questionMark(Canvas &c, QPointF centre, double height, const QColor &fill, double angleDeg)
{
    glyph(c, QStringLiteral("?"), QRectF(centre.x() - height * 0.35, centre.y() - height / 2, height * 0.7, height),
          fill, 0.9, angleDeg);
}

HandPose openHand()
{
    return {{true, true, true, true}, true, 50.0, 9.0};
}

HandPose fist()
{
    return {{false, false, false, false}, false, 0.0, 0.0};
}

HandPose pointing()
{
    return {{true, false, false, false}, false, 0.0, 0.0};
}

HandPose peace()
{
    return {{true, true, false, false}, false, 0.0, 26.0};
}

HandPose thumbUp()
{
    return {{false, false, false, false}, true, 90.0, 0.0};
}

void hand(Canvas &c, QPointF centre, double size, double angleDeg, const HandPose &pose, const QColor &skinColour,
          bool mirror)
{
    // Built in a unit frame where the palm is one wide and the fingers point to -y.
    QPainterPath local;
    local.addRoundedRect(QRectF(-0.5, -0.45, 1.0, 0.95), 0.3, 0.3);
    const double xs[4] = {-0.36, -0.12, 0.12, 0.36};
    const double lengths[4] = {0.78, 0.86, 0.78, 0.62};
    for (int i = 0; i < 4; ++i) {
        if (pose.fingers[i]) {
            const double a = rad((i - 1.5) * pose.spread);
            const QPointF base(xs[i], -0.3);
            local = local.united(capsule(base, base + QPointF(std::sin(a), -std::cos(a)) * lengths[i], 0.115));
        } else
            local = local.united(ellipsePath(QPointF(xs[i], -0.42), 0.125, 0.13));
    }
    if (pose.thumbOut) {
        QTransform t;
        t.translate(-0.36, 0.05);
        t.rotate(-pose.thumbAngle);
        local = local.united(t.map(capsule(QPointF(0, 0), QPointF(0, -0.52), 0.13)));
    }
    const QTransform place = frame(centre, size, angleDeg, mirror);
    shape(c, place.map(local), skinColour);
    for (int i = 0; i < 3; ++i) {
        if (!pose.fingers[i] || !pose.fingers[i + 1]) {
            const double x = (xs[i] + xs[i + 1]) / 2;
            strokeLine(c, place.map(QPointF(x, -0.36)), place.map(QPointF(x, -0.2)), 0.6);
        }
    }
    if (!pose.thumbOut)
        shape(c, place.map(capsule(QPointF(-0.4, -0.1), QPointF(0.08, -0.16), 0.12)), skinColour, 0.9);
}

void torso(Canvas &c, QPointF neck, double width, double height, const QColor &shirt, const QColor &skinColour)
{
    QPainterPath n;
    n.addRect(QRectF(neck.x() - width * 0.12, neck.y() - height * 0.25, width * 0.24, height * 0.4));
    shape(c, n, skinColour);
    QPainterPath body;
    body.moveTo(neck.x() - width * 0.16, neck.y());
    body.cubicTo(neck.x() - width * 0.42, neck.y() + height * 0.02, neck.x() - width * 0.5, neck.y() + height * 0.22,
                 neck.x() - width * 0.5, neck.y() + height * 0.5);
    body.lineTo(neck.x() - width * 0.5, neck.y() + height * 1.2);
    body.lineTo(neck.x() + width * 0.5, neck.y() + height * 1.2);
    body.lineTo(neck.x() + width * 0.5, neck.y() + height * 0.5);
    body.cubicTo(neck.x() + width * 0.5, neck.y() + height * 0.22, neck.x() + width * 0.42, neck.y() + height * 0.02,
                 neck.x() + width * 0.16, neck.y());
    body.lineTo(neck.x(), neck.y() + height * 0.22);
    body.closeSubpath();
    shape(c, body, shirt);
}

QPainterPath carFrontWindow(QRectF b)
{
    return polygon({{b.left() + 0.52 * b.width(), b.top() + 0.16 * b.height()},
                    {b.left() + 0.66 * b.width(), b.top() + 0.16 * b.height()},
                    {b.left() + 0.8 * b.width(), b.top() + 0.45 * b.height()},
                    {b.left() + 0.52 * b.width(), b.top() + 0.45 * b.height()}});
}

void car(Canvas &c, QRectF b, const QColor &body)
{
    auto at = [&](double x, double y) { return QPointF(b.left() + x * b.width(), b.top() + y * b.height()); };
    QPainterPath lower;
    lower.addRoundedRect(QRectF(at(0.02, 0.42), at(0.98, 0.84)), 0.12 * b.height(), 0.12 * b.height());
    const QPainterPath cabin = smooth({at(0.18, 0.46), at(0.3, 0.1), at(0.68, 0.08), at(0.86, 0.46)});
    shape(c, lower.united(cabin), body);
    shape(c, polygon({at(0.25, 0.45), at(0.34, 0.16), at(0.48, 0.16), at(0.48, 0.45)}), QColor(0xcf, 0xec, 0xfa), 0.8);
    shape(c, carFrontWindow(b), QColor(0xcf, 0xec, 0xfa), 0.8);
    strokeLine(c, at(0.5, 0.5), at(0.5, 0.76), 0.7);
    strokeLine(c, at(0.58, 0.56), at(0.64, 0.56), 0.9);
    ellipse(c, at(0.95, 0.54), 0.025 * b.width(), 0.05 * b.height(), colour::gold, 0.7);
    for (double x : {0.24, 0.77}) {
        ellipse(c, at(x, 0.84), 0.16 * b.height(), 0.16 * b.height(), QColor(0x3a, 0x37, 0x40));
        ellipse(c, at(x, 0.84), 0.07 * b.height(), 0.07 * b.height(), QColor(0xc9, 0xcc, 0xd4), 0.7);
    }
}

void steeringWheel(Canvas &c, QPointF centre, double r)
{
    const QColor rubber(0x44, 0x42, 0x4d);
    const QPainterPath ring = ellipsePath(centre, r, r * 0.86).subtracted(ellipsePath(centre, r * 0.76, r * 0.62));
    QPainterPath spokes;
    spokes.addRect(QRectF(centre.x() - r * 0.8, centre.y() - r * 0.08, r * 1.6, r * 0.16));
    spokes.addRect(QRectF(centre.x() - r * 0.08, centre.y(), r * 0.16, r * 0.75));
    shape(c, ring.united(spokes.intersected(ellipsePath(centre, r * 0.8, r * 0.7))), rubber);
    ellipse(c, centre, r * 0.24, r * 0.2, rubber.lighter(150));
}

void sunglasses(Canvas &c, QPointF centre, double r)
{
    const QColor lens(0x22, 0x20, 0x2a);
    for (int side : {-1, 1}) {
        QPainterPath l;
        l.addRoundedRect(QRectF(centre.x() + side * r * 0.4 - r * 0.3, centre.y() - r * 0.16, r * 0.6, r * 0.36),
                         r * 0.12, r * 0.12);
        shape(c, l, lens);
        strokeLine(c, QPointF(centre.x() + side * r * 0.28, centre.y() - r * 0.08),
                   QPointF(centre.x() + side * r * 0.4, centre.y() - r * 0.02), 0.9, QColor(0xc8, 0xc8, 0xd8));
        strokeLine(c, QPointF(centre.x() + side * r * 0.7, centre.y() - r * 0.1),
                   QPointF(centre.x() + side * r * 0.98, centre.y() - r * 0.16), 1.0);
    }
    strokeLine(c, QPointF(centre.x() - r * 0.12, centre.y() - r * 0.08),
               QPointF(centre.x() + r * 0.12, centre.y() - r * 0.08), 1.1);
}

void teacup(Canvas &c, QPointF centre, double s, const QColor &colour)
{
    shape(c,
          ellipsePath(centre + QPointF(0.42 * s, 0.02 * s), 0.2 * s, 0.18 * s)
              .subtracted(ellipsePath(centre + QPointF(0.42 * s, 0.02 * s), 0.1 * s, 0.08 * s)),
          colour);
    QPainterPath cup;
    cup.moveTo(centre + QPointF(-0.5 * s, -0.3 * s));
    cup.lineTo(centre + QPointF(0.5 * s, -0.3 * s));
    cup.cubicTo(centre + QPointF(0.5 * s, 0.25 * s), centre + QPointF(0.3 * s, 0.4 * s), centre + QPointF(0, 0.4 * s));
    cup.cubicTo(centre + QPointF(-0.3 * s, 0.4 * s), centre + QPointF(-0.5 * s, 0.25 * s),
                centre + QPointF(-0.5 * s, -0.3 * s));
    cup.closeSubpath();
    shape(c, cup, colour);
    ellipse(c, centre + QPointF(0, -0.3 * s), 0.5 * s, 0.09 * s, QColor(0xb5, 0x7a, 0x3c), 0.8);
    for (double x : {-0.2, 0.15}) {
        QPainterPath steam;
        steam.moveTo(centre + QPointF(x * s, -0.45 * s));
        steam.cubicTo(centre + QPointF((x - 0.12) * s, -0.6 * s), centre + QPointF((x + 0.12) * s, -0.7 * s),
                      centre + QPointF(x * s, -0.85 * s));
        strokePath(c, steam, 0.7, QColor(0x9a, 0x9a, 0xa8));
    }
}

void speechBubble(Canvas &c, QRectF box, QPointF tail, const QColor &fill)
{
    QPainterPath b;
    b.addRoundedRect(box, box.height() * 0.4, box.height() * 0.4);
    const QPointF mid = box.center();
    const double w = std::min(box.width(), box.height()) * 0.22;
    b = b.united(polygon({mid + QPointF(-w, 0), tail, mid + QPointF(w, 0)}));
    shape(c, b, fill);
}

void ghost(Canvas &c, QPointF centre, double s)
{
    QPainterPath g;
    g.moveTo(centre + QPointF(-0.4 * s, 0.1 * s));
    g.arcTo(QRectF(centre.x() - 0.4 * s, centre.y() - 0.5 * s, 0.8 * s, 0.8 * s), 180.0, -180.0);
    g.cubicTo(centre + QPointF(0.45 * s, 0.45 * s), centre + QPointF(0.7 * s, 0.6 * s),
              centre + QPointF(0.9 * s, 0.5 * s));
    g.cubicTo(centre + QPointF(0.55 * s, 0.75 * s), centre + QPointF(0.1 * s, 0.6 * s),
              centre + QPointF(-0.1 * s, 0.5 * s));
    g.cubicTo(centre + QPointF(-0.3 * s, 0.42 * s), centre + QPointF(-0.4 * s, 0.3 * s),
              centre + QPointF(-0.4 * s, 0.1 * s));
    g.closeSubpath();
    shape(c, g, QColor(0xf4, 0xf8, 0xff), 0.9);
    for (int side : {-1, 1})
        strokeLine(c, centre + QPointF(side * 0.14 * s - 0.06 * s, -0.12 * s),
                   centre + QPointF(side * 0.14 * s + 0.06 * s, -0.12 * s), 0.9);
    ellipse(c, centre + QPointF(0, 0.08 * s), 0.06 * s, 0.08 * s, colour::ink, 0.0);
}

void zzz(Canvas &c, QPointF start, double s)
{
    for (int i = 0; i < 3; ++i) {
        const double k = 0.6 + 0.3 * i;
        glyph(c, QStringLiteral("Z"), QRectF(start.x() + i * s * 0.75, start.y() - i * s * 0.8, s * k, s * k),
              colour::white, 0.6);
    }
}

} // namespace kit
