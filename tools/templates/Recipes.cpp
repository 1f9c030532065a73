#include "Recipes.h"

#include "Kit.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cstddef>

namespace templates {

namespace {

using namespace kit;

QPointF at(const Canvas &c, double fx, double fy)
{
    return {c.w * fx, c.h * fy};
}

double side(const Canvas &c)
{
    return std::min(c.w, c.h);
}

// A person's head: hair behind, head, face, hair in front. Faces sit lower under a bowl cut.
void person(Canvas &c, QPointF centre, double r, Hair hair, const QColor &hairColour, const Face &f,
            const QColor &skinColour = colour::skin, double ry = 0.0)
{
    const double h = ry > 0.0 ? ry : r * 1.08;
    hairBack(c, centre, r, h, hair, hairColour);
    humanHead(c, centre, r, h, skinColour);
    hairFront(c, centre, r, h, hair, hairColour);
    drawFace(c, centre, r, f);
}

Face mushroomFace(Eye eyes, Brow brows, Mouth m)
{
    Face f = face(eyes, brows, m);
    f.eyeY = 0.14;
    f.eyeGap = 0.38;
    f.eyeSize = 0.12;
    f.browLift = 1.5;
    f.mouthY = 0.55;
    return f;
}

void mushroom(Canvas &c, QPointF centre, double r, const QColor &hair, const Face &f, Hair style = Hair::Bowl,
              const QColor &skinColour = colour::skin)
{
    mushroomHead(c, centre, r, hair, style, skinColour);
    drawFace(c, centre, r, f);
}

Face pandaFace(Eye eyes, Brow brows, Mouth m)
{
    Face f = face(eyes, brows, m);
    f.eyeY = 0.0;
    f.eyeGap = 0.36;
    f.eyeSize = 0.1;
    f.browLift = 3.1;
    f.mouthY = 0.5;
    f.mouthW = 0.2;
    f.line = colour::white;
    return f;
}

void panda(Canvas &c, QPointF centre, double rx, double ry, double tilt, const Face &f)
{
    pandaHead(c, centre, rx, ry, tilt);
    drawFace(c, centre, rx, f);
}

void turn(Canvas &c, QPointF pivot, double deg)
{
    c.p.translate(pivot);
    c.p.rotate(deg);
    c.p.translate(-pivot);
}

// --- short hair, pandas, the Spartan ---

void shortHair1(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xdc, 0xef, 0xff));
    softSpot(c, at(c, 0.5, 0.42), s * 0.42, s * 0.4, QColor(0xc8, 0xe4, 0xfb));
    Face f = face(Eye::Round, Brow::Raised, Mouth::Grin);
    f.look = {0.25, -0.1};
    person(c, at(c, 0.5, 0.43), s * 0.27, Hair::Spiky, QColor(0x2f, 0x2a, 0x33), f);
    sparkle(c, at(c, 0.84, 0.2), s * 0.06, colour::gold);
    sparkle(c, at(c, 0.15, 0.3), s * 0.04, colour::white);
}

void shortHair2(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xff, 0xf1, 0xc9));
    Face f = face(Eye::HalfLid, Brow::Flat, Mouth::Flat);
    f.look = {-0.7, 0.1};
    f.mouthW = 0.18;
    person(c, at(c, 0.47, 0.44), s * 0.29, Hair::SidePart, QColor(0x6b, 0x42, 0x26), f);
    dots(c, at(c, 0.76, 0.16), s * 0.06, s * 0.018, 3);
}

void panda1(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xe1, 0xf4, 0xd8));
    Face f = pandaFace(Eye::HalfLid, Brow::Raised, Mouth::Smirk);
    f.look = {0.5, 0.2};
    f.mouthW = 0.26;
    panda(c, at(c, 0.5, 0.46), s * 0.36, s * 0.32, 28, f);
    sparkle(c, at(c, 0.86, 0.18), s * 0.06, colour::gold);
}

void panda2(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xda, 0xea, 0xfb));
    const QPointF ctr = at(c, 0.5, 0.42);
    const double rx = s * 0.35;
    Face f = pandaFace(Eye::Teary, Brow::Worried, Mouth::Frown);
    f.eyeSize = 0.12;
    panda(c, ctr, rx, s * 0.31, 38, f);
    tearStreams(c, ctr + QPointF(-0.36 * rx, 0.12 * rx), ctr + QPointF(0.36 * rx, 0.12 * rx), s * 0.045, c.h * 0.9);
}

void panda3(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xff, 0xf5, 0xc0));
    const QPointF ctr = at(c, 0.5, 0.44);
    shockLines(c, ctr, s * 0.4, s * 0.48, 14, 200, 140);
    Face f = pandaFace(Eye::Wide, Brow::Raised, Mouth::Scream);
    f.eyeSize = 0.11;
    panda(c, ctr, s * 0.32, s * 0.29, 12, f);
    sweatDrop(c, ctr + QPointF(s * 0.3, -s * 0.16), s * 0.08);
}

void panda4(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xff, 0xe0, 0xea));
    const QPointF ctr = at(c, 0.5, 0.4);
    c.p.save();
    turn(c, ctr, -9);
    Face f = pandaFace(Eye::Happy, Brow::None, Mouth::Laugh);
    f.mouthW = 0.26;
    f.mouthY = 0.46;
    panda(c, ctr, s * 0.36, s * 0.33, 20, f);
    c.p.restore();
    tearDrop(c, ctr + QPointF(-s * 0.44, -s * 0.05), s * 0.07);
    tearDrop(c, ctr + QPointF(s * 0.42, -s * 0.12), s * 0.07);
}

void panda5(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xff, 0xe0, 0xc8));
    const QPointF ctr = at(c, 0.46, 0.46);
    Face f = pandaFace(Eye::Glare, Brow::Angry, Mouth::Teeth);
    f.mouthW = 0.2;
    panda(c, ctr, s * 0.38, s * 0.34, 5, f);
    angerMark(c, ctr + QPointF(s * 0.42, -s * 0.26), s * 0.13);
}

void panda6(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xe8, 0xe3, 0xff));
    const QPointF ctr = at(c, 0.47, 0.45);
    Face f = pandaFace(Eye::Dot, Brow::Worried, Mouth::Wavy);
    f.look = {0.9, -0.4};
    f.mouthW = 0.17;
    panda(c, ctr, s * 0.35, s * 0.32, 24, f);
    sweatDrop(c, ctr + QPointF(s * 0.34, -s * 0.3), s * 0.12);
}

void spartan1(Canvas &c)
{
    const double s = side(c);
    sunburst(c, at(c, 0.5, 0.56), 20, QColor(0xf8, 0xe9, 0xcc), QColor(0xf2, 0xdc, 0xb2));
    const QPointF ctr = at(c, 0.5, 0.56);
    const double rx = s * 0.27, ry = s * 0.3;
    humanHead(c, ctr, rx, ry, colour::skinWarm, false);
    Face f = face(Eye::Glare, Brow::None, Mouth::Scream);
    f.eyeY = -0.08;
    f.eyeGap = 0.4;
    f.eyeSize = 0.12;
    f.mouthY = 0.52;
    f.mouthW = 0.3;
    drawFace(c, ctr, rx, f);
    spartanHelmet(c, ctr, rx, ry);
    for (int k : {-1, 1})
        shockLines(c, ctr + QPointF(k * rx * 0.2, ry * 0.7), rx * 1.25, rx * 1.6, 3, k < 0 ? 150 : -30, 60);
}

// --- dogs, characters, faces ---

void baffledDog(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xef, 0xe6, 0xfb));
    const QPointF ctr = at(c, 0.42, 0.48);
    const double r = s * 0.3;
    c.p.save();
    turn(c, ctr, -14);
    dogHead(c, ctr, r, QColor(0xec, 0xc6, 0x86), QColor(0x9a, 0x68, 0x3c), true);
    Face f = face(Eye::Dot, Brow::Worried, Mouth::Cat);
    f.eyeGap = 0.46;
    f.eyeY = -0.12;
    f.eyeSize = 0.1;
    f.browLift = 2.2;
    f.mouthY = 0.5;
    f.mouthW = 0.16;
    drawFace(c, ctr, r, f);
    c.p.restore();
    questionMark(c, at(c, 0.8, 0.24), s * 0.28, QColor(0xa9, 0x8b, 0xf0), 14);
    questionMark(c, at(c, 0.92, 0.5), s * 0.16, QColor(0xa9, 0x8b, 0xf0), -12);
}

void dukesh(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xcf, 0xef, 0xea));
    halftone(c, QColor(0xbb, 0xe6, 0xdf), s * 0.09, s * 0.018, QRectF(0, 0, c.w, c.h));
    const QPointF ctr = at(c, 0.5, 0.44);
    const double r = s * 0.33, ry = s * 0.35;
    humanHead(c, ctr, r, ry, colour::skinWarm);
    strokeLine(c, ctr + QPointF(-r * 0.55, -ry * 0.7), ctr + QPointF(-r * 0.3, -ry * 0.84), 1.6, colour::white);
    Face f = face(Eye::None, Brow::Thick, Mouth::Grin);
    f.eyeY = -0.12;
    f.eyeGap = 0.4;
    f.browLift = 2.4;
    f.mouthY = 0.56;
    f.mouthW = 0.26;
    drawFace(c, ctr, r, f);
    sunglasses(c, ctr + QPointF(0, -r * 0.1), r);
    ellipse(c, ctr + QPointF(0, r * 0.2), r * 0.13, r * 0.11, colour::skinWarm.darker(108), 0.9);
    QPainterPath tache;
    tache.moveTo(ctr + QPointF(0, r * 0.3));
    tache.cubicTo(ctr + QPointF(-r * 0.2, r * 0.22), ctr + QPointF(-r * 0.5, r * 0.28),
                  ctr + QPointF(-r * 0.58, r * 0.5));
    tache.cubicTo(ctr + QPointF(-r * 0.4, r * 0.42), ctr + QPointF(-r * 0.2, r * 0.46), ctr + QPointF(0, r * 0.4));
    tache.cubicTo(ctr + QPointF(r * 0.2, r * 0.46), ctr + QPointF(r * 0.4, r * 0.42), ctr + QPointF(r * 0.58, r * 0.5));
    tache.cubicTo(ctr + QPointF(r * 0.5, r * 0.28), ctr + QPointF(r * 0.2, r * 0.22), ctr + QPointF(0, r * 0.3));
    tache.closeSubpath();
    shape(c, tache, QColor(0x3b, 0x2a, 0x22));
    sparkle(c, ctr + QPointF(r * 0.72, -r * 0.32), r * 0.14, colour::white);
}

void lorvane(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xee, 0xe6, 0xfa));
    diagonalStripes(c, QColor(0xe4, 0xd9, 0xf6), s * 0.16, s * 0.06);
    const QPointF ctr = at(c, 0.33, 0.58);
    const double r = s * 0.26, ry = s * 0.33;
    torso(c, ctr + QPointF(0, ry * 0.95), r * 2.7, c.h * 0.3, QColor(0x3c, 0x8c, 0x7a), colour::skin);
    humanHead(c, ctr, r, ry, colour::skin);
    ellipse(c, ctr + QPointF(-r * 0.98, ry * 0.32), r * 0.06, r * 0.06, colour::gold, 0.7);
    hairFront(c, ctr, r, ry, Hair::Pompadour, QColor(0x7b, 0x4f, 0xc2));
    Face f = face(Eye::HalfLid, Brow::Flat, Mouth::Smirk);
    f.eyeR = Eye::Round;
    f.browR = Brow::Raised;
    f.look = {0.6, 0.0};
    f.eyeY = -0.06;
    f.mouthY = 0.56;
    f.mouthW = 0.28;
    drawFace(c, ctr, r, f);
    shape(
        c,
        [&] {
            QPainterPath beard;
            beard.moveTo(ctr + QPointF(-r * 0.16, ry * 0.8));
            beard.quadTo(ctr + QPointF(0, ry * 0.76), ctr + QPointF(r * 0.16, ry * 0.8));
            beard.quadTo(ctr + QPointF(r * 0.05, ry * 1.12), ctr + QPointF(0, ry * 1.14));
            beard.quadTo(ctr + QPointF(-r * 0.05, ry * 1.12), ctr + QPointF(-r * 0.16, ry * 0.8));
            beard.closeSubpath();
            return beard;
        }(),
        QColor(0x7b, 0x4f, 0xc2), 0.8);
    hand(c, at(c, 0.64, 0.66), s * 0.2, 65, pointing(), colour::skin);
    motionArcs(c, at(c, 0.64, 0.66), s * 0.2, -40, 60, 2);
    sparkle(c, at(c, 0.78, 0.24), s * 0.05, colour::white);
    sparkle(c, at(c, 0.9, 0.4), s * 0.035, colour::gold);
}

void questionFace(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xfd, 0xf1, 0xdc));
    Face f = face(Eye::HalfLid, Brow::Flat, Mouth::Pout);
    f.eyeR = Eye::Round;
    f.browR = Brow::Raised;
    f.look = {-0.2, -0.2};
    f.mouthW = 0.3;
    person(c, at(c, 0.4, 0.5), s * 0.27, Hair::Crop, QColor(0x1e, 0x1a, 0x1d), f, colour::skinBrown);
    const QColor fill(0xff, 0xd0, 0x3a);
    questionMark(c, at(c, 0.8, 0.26), s * 0.34, fill, 12);
    questionMark(c, at(c, 0.9, 0.6), s * 0.2, fill, -8);
    questionMark(c, at(c, 0.1, 0.18), s * 0.18, fill, -16);
}

void massage(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xe3, 0xf6, 0xec));
    const QPointF ctr = at(c, 0.5, 0.4);
    const double r = s * 0.25;
    torso(c, ctr + QPointF(0, r * 1.05), s * 0.82, s * 0.34, QColor(0xf3, 0xf3, 0xf0));
    Face f = face(Eye::Closed, Brow::Raised, Mouth::SmallSmile);
    f.blush = true;
    f.mouthW = 0.3;
    person(c, ctr, r, Hair::Crop, QColor(0x8c, 0x8c, 0x94), f);
    hand(c, at(c, 0.16, 0.72), s * 0.15, 150, openHand(), colour::skinWarm, true);
    hand(c, at(c, 0.84, 0.72), s * 0.15, -150, openHand(), colour::skinWarm);
    motionArcs(c, at(c, 0.16, 0.72), s * 0.12, 200, 50, 2);
    motionArcs(c, at(c, 0.84, 0.72), s * 0.12, -20, 50, 2);
    for (double x : {0.2, 0.8}) {
        QPainterPath wave;
        wave.moveTo(at(c, x, 0.3));
        wave.cubicTo(at(c, x - 0.04, 0.24), at(c, x + 0.04, 0.18), at(c, x, 0.12));
        c.p.setPen(inkPen(c, 0.8, QColor(0x6a, 0xb8, 0x8e)));
        c.p.setBrush(Qt::NoBrush);
        c.p.drawPath(wave);
    }
}

void brat(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xff, 0xfa, 0xe2));
    Face f = face(Eye::Round, Brow::Raised, Mouth::Tongue);
    f.eyeR = Eye::Happy;
    f.blush = true;
    f.eyeSize = 0.14;
    person(c, at(c, 0.5, 0.45), s * 0.3, Hair::Cowlick, QColor(0x8a, 0x5a, 0x32), f);
}

void sillyCat1(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xfd, 0xe6, 0xcc));
    const QPointF ctr = at(c, 0.5, 0.46);
    const double r = s * 0.3;
    catHead(c, ctr, r, QColor(0xf4, 0xa6, 0x4c), QColor(0xbf, 0x6a, 0x20));
    Face f = face(Eye::Round, Brow::None, Mouth::Tongue);
    f.look = {0.8, 0.1};
    f.mirrorLook = true;
    f.eyeSize = 0.17;
    f.eyeY = -0.12;
    f.mouthY = 0.36;
    f.mouthW = 0.16;
    drawFace(c, ctr, r, f);
}

void sillyCat2(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xdd, 0xef, 0xff));
    const QPointF ctr = at(c, 0.5, 0.42);
    const double r = s * 0.27;
    c.p.save();
    turn(c, ctr, 12);
    catHead(c, ctr, r, QColor(0xbc, 0xc0, 0xcc), QColor(0x7b, 0x80, 0x92));
    Face f = face(Eye::Wide, Brow::None, Mouth::Open);
    f.eyeR = Eye::Tiny;
    f.eyeSize = 0.17;
    f.eyeY = -0.12;
    f.mouthY = 0.4;
    f.mouthW = 0.12;
    drawFace(c, ctr, r, f);
    c.p.restore();
    const QColor card(0xd9, 0xa8, 0x6a);
    QPainterPath box;
    box.addRect(QRectF(at(c, 0.14, 0.6), at(c, 0.86, 1.02)));
    shape(c, box, card);
    QPainterPath flapL;
    flapL.moveTo(at(c, 0.14, 0.6));
    flapL.lineTo(at(c, 0.02, 0.72));
    flapL.lineTo(at(c, 0.12, 0.76));
    flapL.lineTo(at(c, 0.14, 0.6));
    shape(c, flapL, card.darker(112));
    QPainterPath flapR;
    flapR.moveTo(at(c, 0.86, 0.6));
    flapR.lineTo(at(c, 0.98, 0.72));
    flapR.lineTo(at(c, 0.88, 0.76));
    flapR.lineTo(at(c, 0.86, 0.6));
    shape(c, flapR, card.darker(112));
    for (double x : {0.3, 0.7})
        shape(c, ellipsePath(at(c, x, 0.6), s * 0.07, s * 0.045), QColor(0xbc, 0xc0, 0xcc));
}

// --- mushroom heads, girls ---

void mushroom1(Canvas &c)
{
    const double s = side(c);
    sunburst(c, at(c, 0.42, 0.45), 24, QColor(0xff, 0xf6, 0xcf), QColor(0xff, 0xec, 0xa8));
    Face f = mushroomFace(Eye::Happy, Brow::Raised, Mouth::Grin);
    f.mouthW = 0.34;
    mushroom(c, at(c, 0.4, 0.44), s * 0.3, QColor(0x26, 0x22, 0x28), f);
    hand(c, at(c, 0.8, 0.56), s * 0.17, 90, thumbUp());
    sparkle(c, at(c, 0.85, 0.22), s * 0.05, colour::white);
}

void mushroom2(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xdd, 0xe8, 0xf7));
    const QPointF ctr = at(c, 0.5, 0.43);
    const double r = s * 0.32;
    Face f = mushroomFace(Eye::Squeeze, Brow::Worried, Mouth::Wail);
    f.mouthW = 0.28;
    mushroom(c, ctr, r, QColor(0x3a, 0x2a, 0x20), f);
    for (int k : {-1, 1}) {
        tearDrop(c, ctr + QPointF(k * r * 0.72, r * 0.18), s * 0.06);
        tearDrop(c, ctr + QPointF(k * r * 0.95, r * 0.02), s * 0.045);
        tearDrop(c, ctr + QPointF(k * r * 0.86, r * 0.42), s * 0.035);
    }
}

void mushroom3(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xe6, 0xf7, 0xdc));
    Face f = mushroomFace(Eye::HalfLid, Brow::Raised, Mouth::Smirk);
    f.look = {0.7, 0.2};
    f.mouthW = 0.26;
    mushroom(c, at(c, 0.48, 0.44), s * 0.31, QColor(0x5b, 0x3b, 0x28), f);
    sparkle(c, at(c, 0.86, 0.62), s * 0.05, colour::gold);
}

void mushroom4(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xea, 0xed, 0xf5));
    const QPointF ctr = at(c, 0.5, 0.44);
    const double r = s * 0.3;
    shockLines(c, ctr, r * 1.3, r * 1.6, 12, 190, 160);
    Face f = mushroomFace(Eye::Tiny, Brow::None, Mouth::Open);
    f.eyeSize = 0.15;
    f.mouthW = 0.22;
    mushroomHead(c, ctr, r, QColor(0x22, 0x22, 0x2a), Hair::Bowl, QColor(0xf4, 0xe4, 0xd8));
    gloomLines(c, QRectF(ctr.x() - r * 0.6, ctr.y() - r * 0.16, r * 1.2, r * 0.12), 7);
    drawFace(c, ctr, r, f);
}

void mushroom5(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xff, 0xe3, 0xdb));
    Face f = mushroomFace(Eye::Glare, Brow::Angry, Mouth::Teeth);
    f.blush = true;
    f.cheek = QColor(0xff, 0x7a, 0x6a);
    f.mouthW = 0.24;
    mushroom(c, at(c, 0.44, 0.43), s * 0.3, QColor(0x24, 0x20, 0x24), f);
    angerMark(c, at(c, 0.78, 0.14), s * 0.08);
    hand(c, at(c, 0.8, 0.62), s * 0.16, -12, fist());
    shockLines(c, at(c, 0.8, 0.62), s * 0.12, s * 0.17, 4, 200, 100);
}

void mushroom6(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xff, 0xf7, 0xd2));
    const QPointF ctr = at(c, 0.47, 0.45);
    const double r = s * 0.32;
    Face f = mushroomFace(Eye::Dot, Brow::Worried, Mouth::Wavy);
    f.look = {0.8, -0.5};
    f.mouthW = 0.22;
    mushroom(c, ctr, r, QColor(0x4a, 0x3a, 0x30), f);
    sweatDrop(c, ctr + QPointF(r * 1.08, -r * 0.1), s * 0.11);
}

void mushroom7(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xfc, 0xe3, 0xf3));
    const QPointF ctr = at(c, 0.5, 0.42);
    const double r = s * 0.29;
    c.p.save();
    turn(c, ctr, -10);
    Face f = mushroomFace(Eye::Squeeze, Brow::Raised, Mouth::Laugh);
    f.mouthW = 0.3;
    f.mouthY = 0.5;
    mushroom(c, ctr, r, QColor(0x2b, 0x26, 0x2c), f);
    c.p.restore();
    tearDrop(c, ctr + QPointF(-r * 1.05, -r * 0.05), s * 0.05);
    tearDrop(c, ctr + QPointF(r * 1.02, -r * 0.2), s * 0.05);
    hand(c, at(c, 0.16, 0.66), s * 0.14, -30, openHand());
    motionArcs(c, at(c, 0.16, 0.66), s * 0.11, 180, 60, 2);
    shockLines(c, ctr, r * 1.3, r * 1.55, 7, 230, 80);
}

void girl1(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xff, 0xe8, 0xef));
    const QPointF ctr = at(c, 0.5, 0.42);
    const double r = s * 0.26;
    Face f = face(Eye::Happy, Brow::None, Mouth::Smile);
    f.blush = true;
    f.mouthW = 0.2;
    f.eyeY = 0.02;
    person(c, ctr, r, Hair::LongBangs, QColor(0x2d, 0x26, 0x30), f);
    heart(c, ctr + QPointF(r * 0.78, -r * 0.72), s * 0.09, QColor(0xff, 0x6f, 0x91));
    sparkle(c, at(c, 0.14, 0.2), s * 0.04, colour::white);
}

void girl2(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xff, 0xf3, 0xd9));
    const QPointF ctr = at(c, 0.5, 0.46);
    const double r = s * 0.27;
    Face f = face(Eye::HalfLid, Brow::Angry, Mouth::Pout);
    f.look = {-0.7, 0.2};
    f.blush = true;
    f.mouthW = 0.28;
    f.eyeY = 0.0;
    person(c, ctr, r, Hair::Buns, QColor(0x8a, 0x5a, 0x3c), f);
    angerMark(c, ctr + QPointF(r * 1.15, -r * 0.7), s * 0.07);
}

void taunt(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xe4, 0xfb, 0xf0));
    Face f = face(Eye::HalfLid, Brow::Raised, Mouth::Tongue);
    f.browR = Brow::Angry;
    f.look = {0.4, 0.0};
    person(c, at(c, 0.4, 0.44), s * 0.27, Hair::Crop, QColor(0xc8, 0x66, 0x2a), f);
    hand(c, at(c, 0.8, 0.6), s * 0.15, 25, pointing(), colour::skin, true);
    motionArcs(c, at(c, 0.8, 0.46), s * 0.08, -60, 60, 2);
}

void mushroom8(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xe2, 0xf0, 0xfb));
    const QPointF ctr = at(c, 0.46, 0.44);
    const double r = s * 0.3;
    Face f = mushroomFace(Eye::Round, Brow::Raised, Mouth::Flat);
    f.browR = Brow::Flat;
    f.look = {-0.5, -0.7};
    f.mouthW = 0.14;
    mushroom(c, ctr, r, QColor(0x3e, 0x2c, 0x22), f);
    hand(c, ctr + QPointF(r * 0.45, r * 1.12), s * 0.15, -10, pointing());
    for (int i = 0; i < 3; ++i)
        ellipse(c, at(c, 0.8 + 0.04 * i, 0.3 - 0.09 * i), s * (0.018 + 0.012 * i), s * (0.018 + 0.012 * i),
                colour::white, 0.7);
}

void mushroom9(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xd6, 0xf0, 0xff));
    diagonalStripes(c, QColor(0xc8, 0xe9, 0xfc), s * 0.14, s * 0.05);
    const QPointF ctr = at(c, 0.5, 0.44);
    const double r = s * 0.32;
    Face f = mushroomFace(Eye::None, Brow::None, Mouth::Smirk);
    f.mouthW = 0.24;
    mushroom(c, ctr, r, QColor(0x22, 0x20, 0x26), f);
    sunglasses(c, ctr + QPointF(0, r * 0.14), r);
    sparkle(c, ctr + QPointF(r * 0.62, r * 0.0), r * 0.16, colour::white);
}

void mushroom10(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xfa, 0xf0, 0xe6));
    const QPointF ctr = at(c, 0.62, 0.36);
    const double r = s * 0.38;
    Face f = mushroomFace(Eye::Round, Brow::Worried, Mouth::SmallSmile);
    f.look = {-0.8, 0.1};
    f.blush = true;
    mushroom(c, ctr, r, QColor(0x4b, 0x33, 0x2a), f);
    QPainterPath wall;
    wall.addRect(QRectF(c.w * 0.76, -2, c.w * 0.3, c.h + 4));
    shape(c, wall, QColor(0xb8, 0x8a, 0x62));
    for (double y : {0.25, 0.55, 0.85})
        strokeLine(c, QPointF(c.w * 0.76, c.h * y), QPointF(c.w + 2, c.h * y), 0.6);
    hand(c, QPointF(c.w * 0.78, c.h * 0.62), s * 0.16, -90, openHand());
    sweatDrop(c, ctr + QPointF(-r * 0.9, -r * 0.4), s * 0.1);
}

void mushroom11(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xff, 0xee, 0xf4));
    const QPointF ctr = at(c, 0.5, 0.42);
    const double r = s * 0.29;
    Face f = mushroomFace(Eye::Happy, Brow::Raised, Mouth::None);
    f.blush = true;
    mushroom(c, ctr, r, QColor(0x2a, 0x26, 0x2a), f);
    hand(c, ctr + QPointF(r * 0.1, r * 0.72), s * 0.13, -15, openHand());
    glyph(c, QStringLiteral("嘻嘻"), QRectF(at(c, 0.7, 0.08), at(c, 0.95, 0.2)), QColor(0xff, 0x8f, 0xb1), 0.8, 10);
}

void girl3(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xfb, 0xe8, 0xff));
    const QPointF ctr = at(c, 0.5, 0.42);
    const double r = s * 0.24;
    Face f = face(Eye::Teary, Brow::Raised, Mouth::Open);
    f.blush = true;
    f.mouthW = 0.16;
    f.eyeSize = 0.15;
    f.eyeY = 0.02;
    person(c, ctr, r, Hair::Bob, QColor(0xb5, 0x64, 0x3a), f);
    hand(c, ctr + QPointF(-r * 0.95, r * 0.72), s * 0.1, 25, openHand(), colour::skin, true);
    hand(c, ctr + QPointF(r * 0.95, r * 0.72), s * 0.1, -25, openHand());
    heart(c, at(c, 0.18, 0.18), s * 0.08, QColor(0xff, 0x6f, 0x91));
    heart(c, at(c, 0.84, 0.14), s * 0.06, QColor(0xff, 0x6f, 0x91));
    heart(c, at(c, 0.88, 0.34), s * 0.045, QColor(0xff, 0xa0, 0xba));
}

void mushroom12(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xe5, 0xfb, 0xe7));
    const QPointF ctr = at(c, 0.45, 0.45);
    const double r = s * 0.3;
    Face f = mushroomFace(Eye::Round, Brow::Raised, Mouth::Tongue);
    f.eyeR = Eye::Happy;
    f.mouthW = 0.2;
    mushroom(c, ctr, r, QColor(0xe2, 0x57, 0x4c), f, Hair::BowlSpots);
    hand(c, at(c, 0.82, 0.56), s * 0.15, 10, peace());
}

void mushroom13(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xdb, 0xe1, 0xee));
    const QPointF ctr = at(c, 0.5, 0.52);
    const double r = s * 0.34;
    Face f = mushroomFace(Eye::Line, Brow::Worried, Mouth::Frown);
    f.eyeY = 0.22;
    f.mouthY = 0.6;
    f.mouthW = 0.16;
    mushroomHead(c, ctr, r, QColor(0x30, 0x30, 0x3a), Hair::Bowl, QColor(0xf0, 0xe2, 0xda));
    gloomLines(c, QRectF(ctr.x() - r * 0.6, ctr.y() - r * 0.18, r * 1.2, r * 0.16), 8);
    drawFace(c, ctr, r, f);
    QPainterPath cloud;
    for (const QPointF &u : {QPointF{-0.5, 0}, QPointF{-0.15, -0.2}, QPointF{0.25, -0.1}, QPointF{0.5, 0.05}})
        cloud = cloud.united(ellipsePath(at(c, 0.8, 0.2) + u * (s * 0.12), s * 0.09, s * 0.07));
    shape(c, cloud, QColor(0x8e, 0x93, 0xa8));
    for (double x : {-0.05, 0.03})
        strokeLine(c, at(c, 0.8 + x, 0.28), at(c, 0.78 + x, 0.36), 0.7, QColor(0x6c, 0xa8, 0xe0));
}

void mushroom14(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xff, 0xf1, 0xc2));
    const QPointF ctr = at(c, 0.44, 0.42);
    const double r = s * 0.29;
    shockLines(c, ctr + QPointF(0, r * 0.6), r * 1.35, r * 1.75, 9, -60, 120);
    Face f = mushroomFace(Eye::Squeeze, Brow::Angry, Mouth::Scream);
    f.mouthW = 0.34;
    f.mouthY = 0.52;
    mushroom(c, ctr, r, QColor(0x6a, 0x45, 0x2c), f);
    glyph(c, QStringLiteral("啊"), QRectF(at(c, 0.76, 0.12), at(c, 0.96, 0.32)), QColor(0xff, 0x70, 0x50), 0.8, 12);
}

void pandaHead1(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xec, 0xf5, 0xe2));
    halftone(c, QColor(0xe1, 0xee, 0xd4), s * 0.07, s * 0.012, QRectF(0, 0, c.w, c.h));
    const QPointF ctr = at(c, 0.5, 0.4);
    const double rx = s * 0.3, ry = s * 0.27;
    for (int k : {-1, 1})
        ellipse(c, ctr + QPointF(k * rx * 0.42, ry * 2.02), rx * 0.26, ry * 0.16, colour::pandaBlack);
    QPainterPath body;
    body.addRoundedRect(QRectF(ctr.x() - rx * 0.68, ctr.y() + ry * 0.8, rx * 1.36, ry * 1.2), rx * 0.5, rx * 0.5);
    shadedEllipse(c, ctr + QPointF(0, ry * 1.45), rx * 0.7, ry * 0.62, colour::white);
    shape(c, QPainterPath(ellipsePath(ctr + QPointF(-rx * 0.75, ry * 1.3), rx * 0.16, ry * 0.36)), colour::pandaBlack);
    shape(c, QPainterPath(ellipsePath(ctr + QPointF(rx * 0.75, ry * 1.3), rx * 0.16, ry * 0.36)), colour::pandaBlack);
    Face f = pandaFace(Eye::HalfLid, Brow::Raised, Mouth::Grin);
    f.look = {0.3, 0.1};
    f.mouthW = 0.26;
    panda(c, ctr, rx, ry, 24, f);
    sparkle(c, ctr + QPointF(rx * 0.42, ry * 0.45), rx * 0.12, colour::white);
    sparkle(c, at(c, 0.84, 0.16), s * 0.04, colour::gold);
}

void pandaHead2(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xd6, 0xe6, 0xf7));
    const QPointF ctr = at(c, 0.5, 0.4);
    const double rx = s * 0.37;
    Face f = pandaFace(Eye::Squeeze, Brow::Worried, Mouth::Wail);
    f.mouthW = 0.32;
    f.mouthY = 0.52;
    panda(c, ctr, rx, s * 0.33, 30, f);
    tearStreams(c, ctr + QPointF(-0.36 * rx, 0.1 * rx), ctr + QPointF(0.36 * rx, 0.1 * rx), s * 0.05, c.h);
    for (int k : {-1, 1})
        tearDrop(c, ctr + QPointF(k * rx * 1.08, -rx * 0.15), s * 0.06);
}

void pandaHead3(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xf3, 0xee, 0xe2));
    const QPointF ctr = at(c, 0.45, 0.42);
    const double rx = s * 0.3;
    Face f = pandaFace(Eye::HalfLid, Brow::Flat, Mouth::Flat);
    f.look = {0.9, 0.0};
    f.mouthW = 0.12;
    panda(c, ctr, rx, s * 0.27, 18, f);
    teacup(c, at(c, 0.8, 0.64), s * 0.16, QColor(0xfa, 0xfa, 0xf4));
    dots(c, at(c, 0.76, 0.2), s * 0.045, s * 0.013, 3);
}

void selfAssured(Canvas &c)
{
    const double s = side(c);
    sunburst(c, at(c, 0.5, 0.36), 18, QColor(0xff, 0xef, 0xd8), QColor(0xff, 0xe2, 0xbd));
    const QPointF ctr = at(c, 0.5, 0.34);
    const double r = s * 0.22;
    torso(c, ctr + QPointF(0, r * 1.12), s * 0.72, s * 0.4, QColor(0xd9, 0x4a, 0x44));
    for (int k : {-1, 1}) {
        const QPointF a = ctr + QPointF(k * r * 1.5, r * (k < 0 ? 1.62 : 1.72));
        const QPointF b = ctr + QPointF(-k * r * 0.95, r * (k < 0 ? 2.2 : 2.0));
        QPainterPath arm;
        arm.moveTo(a);
        arm.lineTo(b);
        c.p.setBrush(Qt::NoBrush);
        c.p.setPen(QPen(colour::ink, r * 0.5 + c.lw * 2, Qt::SolidLine, Qt::RoundCap));
        c.p.drawPath(arm);
        c.p.setPen(QPen(QColor(0xd9, 0x4a, 0x44).darker(108), r * 0.5, Qt::SolidLine, Qt::RoundCap));
        c.p.drawPath(arm);
        ellipse(c, b, r * 0.22, r * 0.2, colour::skin);
    }
    c.p.save();
    turn(c, ctr, -8);
    Face f = face(Eye::Closed, Brow::Raised, Mouth::Smile);
    f.eyeY = -0.02;
    f.mouthW = 0.3;
    person(c, ctr, r, Hair::SidePart, QColor(0x2e, 0x28, 0x2e), f);
    c.p.restore();
}

void slap1(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xff, 0xfb, 0xf2));
    const QPointF ctr = at(c, 0.58, 0.46);
    const double r = s * 0.3;
    impactStar(c, ctr + QPointF(-r * 1.0, 0), r * 0.7, 10, QColor(0xff, 0xe0, 0x6a));
    c.p.save();
    turn(c, ctr, 14);
    Face f = face(Eye::Squeeze, Brow::Worried, Mouth::Wavy);
    f.look = {0.5, 0};
    f.eyeGap = 0.32;
    person(c, ctr + QPointF(r * 0.08, 0), r, Hair::Crop, QColor(0x34, 0x2c, 0x2c), f);
    hand(c, ctr + QPointF(-r * 0.55, r * 0.3), r * 0.36, -70, openHand(), QColor(0xff, 0x90, 0x8c));
    c.p.restore();
    hand(c, at(c, 0.13, 0.45), s * 0.2, 80, openHand(), colour::skinWarm, true);
    speedLines(c, QRectF(0, c.h * 0.28, c.w * 0.12, c.h * 0.36), 5, true, colour::ink);
}

void blankStare(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xee, 0xf0, 0xf3));
    Face f = face(Eye::Tiny, Brow::None, Mouth::Flat);
    f.eyeGap = 0.42;
    f.eyeSize = 0.15;
    f.mouthW = 0.1;
    f.mouthY = 0.46;
    person(c, at(c, 0.5, 0.45), s * 0.28, Hair::Crop, QColor(0x55, 0x55, 0x5e), f, QColor(0xf6, 0xe8, 0xdc));
    dots(c, at(c, 0.44, 0.08), s * 0.06, s * 0.015, 3);
}

void pain(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xfd, 0xe5, 0xe5));
    const QPointF ctr = at(c, 0.5, 0.46);
    const double r = s * 0.3;
    Face f = face(Eye::Squeeze, Brow::Worried, Mouth::Teeth);
    f.mouthW = 0.28;
    f.browLift = 1.5;
    person(c, ctr, r, Hair::Crop, QColor(0x22, 0x1e, 0x22), f);
    gloomLines(c, QRectF(ctr.x() - r * 0.35, ctr.y() - r * 0.5, r * 0.7, r * 0.14), 5);
    hand(c, ctr + QPointF(-r * 0.55, -r * 0.75), r * 0.42, 120, openHand());
    sweatDrop(c, ctr + QPointF(r * 1.1, -r * 0.5), s * 0.09);
    sweatDrop(c, ctr + QPointF(r * 1.25, -r * 0.05), s * 0.06);
}

void stunnedDog(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xff, 0xf3, 0xd8));
    const QPointF ctr = at(c, 0.5, 0.56);
    const double r = s * 0.31;
    dogHead(c, ctr, r, QColor(0xf2, 0xf0, 0xea), QColor(0x5d, 0x4a, 0x3e), false);
    Face f = face(Eye::Wide, Brow::None, Mouth::Open);
    f.eyeY = -0.16;
    f.eyeGap = 0.38;
    f.eyeSize = 0.17;
    f.mouthY = 0.62;
    f.mouthW = 0.22;
    drawFace(c, ctr, r, f);
    shockLines(c, ctr + QPointF(0, -r * 0.2), r * 1.25, r * 1.5, 5, 225, 90);
}

void exclaimHuo(Canvas &c)
{
    fillBackground(c, QColor(0xff, 0xef, 0xc6));
    glyph(c, QStringLiteral("嚯"), QRectF(at(c, 0.08, 0.08), at(c, 0.62, 0.92)), QColor(0xff, 0x6b, 0x3d), 0.45);
    glyph(c, QStringLiteral("!"), QRectF(at(c, 0.68, 0.14), at(c, 0.8, 0.86)), QColor(0xff, 0x6b, 0x3d), 0.45, 10);
    shockLines(c, at(c, 0.82, 0.5), c.h * 0.22, c.h * 0.34, 3, -50, 100);
}

void exclaimHa(Canvas &c)
{
    fillBackground(c, QColor(0xe4, 0xf3, 0xff));
    glyph(c, QStringLiteral("哈"), QRectF(at(c, 0.04, 0.06), at(c, 0.56, 0.94)), QColor(0xff, 0xd2, 0x3f), 0.5, -6);
    glyph(c, QStringLiteral("哈"), QRectF(at(c, 0.6, 0.3), at(c, 0.88, 0.9)), QColor(0xff, 0xd2, 0x3f), 0.45, 10);
    glyph(c, QStringLiteral("哈"), QRectF(at(c, 0.84, 0.06), at(c, 0.98, 0.38)), QColor(0xff, 0xd2, 0x3f), 0.35, 16);
}

void hugeSadFace(Canvas &c)
{
    fillBackground(c, QColor(0xd8, 0xe6, 0xf5));
    const QPointF ctr = at(c, 0.5, 0.66);
    const double r = c.w * 0.6;
    shadedEllipse(c, ctr, r, r * 0.92, colour::skin);
    for (double x : {-0.08, 0.0, 0.09}) {
        QPainterPath strand;
        strand.moveTo(ctr + QPointF(x * r, -r * 0.9));
        strand.quadTo(ctr + QPointF((x + 0.06) * r, -r * 1.02), ctr + QPointF((x + 0.02) * r, -r * 1.1));
        strokePath(c, strand, 1.0, colour::ink);
    }
    Face f = face(Eye::Teary, Brow::Worried, Mouth::Frown);
    f.eyeY = -0.42;
    f.eyeGap = 0.3;
    f.eyeSize = 0.12;
    f.browLift = 1.6;
    f.mouthY = -0.08;
    f.mouthW = 0.16;
    drawFace(c, ctr, r, f);
    tearDrop(c, ctr + QPointF(-r * 0.34, -r * 0.26), r * 0.08);
    tearDrop(c, ctr + QPointF(r * 0.38, -r * 0.22), r * 0.06);
}

void shutUp(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xee, 0xf5, 0xff));
    const QPointF ctr = at(c, 0.4, 0.4);
    Face f = face(Eye::Glare, Brow::Angry, Mouth::Flat);
    f.mouthW = 0.18;
    person(c, ctr, s * 0.26, Hair::Spiky, QColor(0x3a, 0x30, 0x46), f);
    hand(c, at(c, 0.7, 0.66), s * 0.28, -8, openHand(), colour::skin, true);
    speedLines(c, QRectF(c.w * 0.86, c.h * 0.5, c.w * 0.12, c.h * 0.3), 4, true, colour::ink);
}

void politeSmile(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xf2, 0xf7, 0xee));
    const QPointF ctr = at(c, 0.5, 0.36);
    const double r = s * 0.34;
    torso(c, ctr + QPointF(0, r * 1.12), c.w * 0.96, c.h * 0.35, QColor(0xfb, 0xfb, 0xfb));
    QPainterPath tie;
    const QPointF knot = ctr + QPointF(0, r * 1.26);
    tie.moveTo(knot + QPointF(-r * 0.12, 0));
    tie.lineTo(knot + QPointF(r * 0.12, 0));
    tie.lineTo(knot + QPointF(r * 0.18, r * 0.9));
    tie.lineTo(knot + QPointF(0, r * 1.1));
    tie.lineTo(knot + QPointF(-r * 0.18, r * 0.9));
    tie.closeSubpath();
    shape(c, tie, QColor(0x3d, 0x6f, 0xc9), 0.8);
    Face f = face(Eye::Happy, Brow::Flat, Mouth::SmallSmile);
    f.mouthW = 0.34;
    f.eyeSize = 0.12;
    person(c, ctr, r, Hair::SidePart, QColor(0x24, 0x22, 0x26), f);
}

void slap2(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xf7, 0xf0, 0xff));
    const QPointF ctr = at(c, 0.42, 0.44);
    const double r = s * 0.27;
    impactStar(c, ctr + QPointF(r * 1.05, r * 0.1), r * 0.75, 12, QColor(0xff, 0xf0, 0x8a));
    c.p.save();
    turn(c, ctr, -20);
    Face f = face(Eye::Spiral, Brow::None, Mouth::Open);
    f.mouthW = 0.18;
    person(c, ctr, r, Hair::Spiky, QColor(0xe0, 0x8a, 0x2e), f);
    ellipse(c, ctr + QPointF(r * 0.72, r * 0.32), r * 0.3, r * 0.24, QColor(0xff, 0x8c, 0x8c), 0.8);
    c.p.restore();
    hand(c, at(c, 0.86, 0.42), s * 0.17, -80, openHand());
    glyph(c, QStringLiteral("啪"), QRectF(at(c, 0.68, 0.06), at(c, 0.94, 0.26)), QColor(0xff, 0x5a, 0x5a), 0.8, 10);
    for (const QPointF &u : {QPointF{0.2, 0.12}, QPointF{0.1, 0.3}})
        sparkle(c, at(c, u.x(), u.y()), s * 0.04, colour::gold);
}

void whisper(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xfb, 0xf4, 0xe8));
    const double r = s * 0.26;
    const QPointF left = at(c, 0.3, 0.5), right = at(c, 0.72, 0.5);
    c.p.save();
    turn(c, left, 12);
    Face f = face(Eye::HalfLid, Brow::Raised, Mouth::SmallSmile);
    f.look = {0.8, 0.1};
    f.mouthW = 0.28;
    person(c, left, r, Hair::Crop, QColor(0x3a, 0x2c, 0x4a), f);
    c.p.restore();
    Face g = face(Eye::Wide, Brow::Raised, Mouth::Pout);
    g.look = {-0.6, 0};
    g.blush = true;
    g.mouthW = 0.3;
    person(c, right, r, Hair::Buns, QColor(0xa0, 0x5c, 0x34), g);
    hand(c, left + QPointF(r * 1.05, r * 0.3), r * 0.4, 80, openHand(), colour::skinWarm);
    dots(c, at(c, 0.44, 0.16), s * 0.06, s * 0.014, 3);
}

void pimAndTavo(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xf4, 0xf0, 0xdf));
    softSpot(c, at(c, 0.3, 0.86), s * 0.2, s * 0.04, QColor(0xe2, 0xdc, 0xc4));
    softSpot(c, at(c, 0.7, 0.86), s * 0.22, s * 0.04, QColor(0xe2, 0xdc, 0xc4));
    // Tavo: a tall box of a fellow with an aerial.
    const QRectF tavo(at(c, 0.52, 0.22), at(c, 0.88, 0.86));
    strokeLine(c, QPointF(tavo.center().x(), tavo.top()), QPointF(tavo.center().x(), tavo.top() - s * 0.08), 1.0);
    ellipse(c, QPointF(tavo.center().x(), tavo.top() - s * 0.09), s * 0.025, s * 0.025, colour::gold);
    QPainterPath body;
    body.addRoundedRect(tavo, s * 0.07, s * 0.07);
    shape(c, body, QColor(0x6a, 0xa8, 0xe8));
    for (int k : {-1, 1}) {
        QPainterPath eyeBox;
        const QPointF e(tavo.center().x() + k * tavo.width() * 0.22, tavo.top() + tavo.height() * 0.26);
        eyeBox.addRoundedRect(QRectF(e.x() - s * 0.045, e.y() - s * 0.05, s * 0.09, s * 0.1), s * 0.02, s * 0.02);
        shape(c, eyeBox, colour::white, 0.9);
        ellipse(c, e + QPointF(-k * s * 0.012, s * 0.01), s * 0.022, s * 0.026, colour::ink, 0.0);
    }
    mouth(c, QPointF(tavo.center().x(), tavo.top() + tavo.height() * 0.48), s * 0.1, Mouth::Grin, colour::ink);
    hand(c, QPointF(tavo.right() + s * 0.04, tavo.top() + tavo.height() * 0.45), s * 0.08, 20, openHand(),
         QColor(0x6a, 0xa8, 0xe8));
    // Pim: a small round pink one with a sprout.
    const QPointF pim = at(c, 0.28, 0.66);
    const double pr = s * 0.19;
    QPainterPath sprout;
    sprout.moveTo(pim + QPointF(0, -pr));
    sprout.quadTo(pim + QPointF(pr * 0.1, -pr * 1.4), pim + QPointF(pr * 0.05, -pr * 1.6));
    c.p.setPen(inkPen(c, 1.0));
    c.p.setBrush(Qt::NoBrush);
    c.p.drawPath(sprout);
    shape(c, QPainterPath(ellipsePath(pim + QPointF(pr * 0.22, -pr * 1.6), pr * 0.22, pr * 0.12)),
          QColor(0x7c, 0xc8, 0x6a), 0.8);
    ellipse(c, pim, pr, pr * 0.92, QColor(0xff, 0xa8, 0xc4));
    Face f = face(Eye::Happy, Brow::None, Mouth::Smile);
    f.blush = true;
    f.cheek = QColor(0xff, 0x6f, 0x91);
    f.eyeGap = 0.4;
    f.eyeSize = 0.16;
    f.mouthY = 0.3;
    f.mouthW = 0.2;
    drawFace(c, pim, pr, f);
    ellipse(c, pim + QPointF(-pr * 0.5, pr * 0.92), pr * 0.22, pr * 0.12, QColor(0xff, 0xa8, 0xc4), 0.9);
    ellipse(c, pim + QPointF(pr * 0.5, pr * 0.92), pr * 0.22, pr * 0.12, QColor(0xff, 0xa8, 0xc4), 0.9);
}

void driving(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xe2, 0xf4, 0xff));
    QPainterPath road;
    road.addRect(QRectF(-2, c.h * 0.84, c.w + 4, c.h * 0.2));
    shape(c, road, QColor(0xc4, 0xc8, 0xd0));
    for (double x : {0.1, 0.4, 0.7})
        strokeLine(c, at(c, x, 0.93), at(c, x + 0.12, 0.93), 0.9, colour::white);
    speedLines(c, QRectF(0, c.h * 0.3, c.w * 0.16, c.h * 0.45), 5, true, colour::ink);
    const QRectF carBox(at(c, 0.14, 0.26), at(c, 0.98, 0.88));
    car(c, carBox, QColor(0xf0, 0x5a, 0x4a));
    const QPainterPath window = carFrontWindow(carBox);
    c.p.save();
    c.p.setClipPath(window);
    const QPointF head = window.boundingRect().center() + QPointF(-s * 0.01, s * 0.03);
    Face f = face(Eye::Round, Brow::Raised, Mouth::Grin);
    f.look = {1.0, 0};
    person(c, head, s * 0.1, Hair::Spiky, QColor(0x2a, 0x26, 0x2b), f);
    steeringWheel(c, head + QPointF(s * 0.09, s * 0.1), s * 0.06);
    c.p.restore();
    shape(c, window, Qt::NoBrush, 0.8);
    glyph(c, QStringLiteral("嘀嘀"), QRectF(at(c, 0.04, 0.04), at(c, 0.34, 0.2)), QColor(0xff, 0xc8, 0x3a), 0.6, -8);
}

void despair(Canvas &c)
{
    const double s = side(c);
    fillBackground(c, QColor(0xe0, 0xe2, 0xea));
    QPainterPath desk;
    desk.addRect(QRectF(-2, c.h * 0.74, c.w + 4, c.h * 0.3));
    shape(c, desk, QColor(0xc8, 0xa0, 0x78));
    const QPointF ctr = at(c, 0.42, 0.56);
    const double r = s * 0.26;
    for (int k : {-1, 1}) {
        QPainterPath arm;
        arm.addRoundedRect(QRectF(ctr.x() + (k < 0 ? -r * 1.6 : r * 0.3), ctr.y() + r * 0.62, r * 1.3, r * 0.4),
                           r * 0.2, r * 0.2);
        shape(c, arm, QColor(0x8a, 0x94, 0xa8));
    }
    c.p.save();
    turn(c, ctr, 12);
    Face f = face(Eye::Dead, Brow::Worried, Mouth::Wavy);
    f.mouthW = 0.16;
    person(c, ctr, r, Hair::Crop, QColor(0x3a, 0x38, 0x40), f, QColor(0xf0, 0xe2, 0xd8));
    gloomLines(c, QRectF(ctr.x() - r * 0.55, ctr.y() - r * 0.48, r * 1.1, r * 0.2), 7);
    c.p.restore();
    ghost(c, at(c, 0.76, 0.3), s * 0.24);
}

} // namespace

using Recipe = void (*)(kit::Canvas &);

struct RecipeRow {
    int index;
    Recipe draw;
};

// One row for each row of the template table, in the same order.
// clang-format off
constexpr auto kRecipes = std::to_array<RecipeRow>({
    {0, shortHair1},
    {1, shortHair2},
    {2, panda1},
    {3, panda2},
    {4, panda3},
    {5, panda4},
    {6, panda5},
    {7, panda6},
    {8, spartan1},
    {9, baffledDog},
    {10, dukesh},
    {11, lorvane},
    {12, questionFace},
    {13, massage},
    {14, brat},
    {15, sillyCat1},
    {16, sillyCat2},
    {17, mushroom1},
    {18, mushroom2},
    {19, mushroom3},
    {20, mushroom4},
    {21, mushroom5},
    {22, girl1},
    {23, girl2},
    {24, taunt},
    {25, mushroom6},
    {26, mushroom7},
    {27, pandaHead1},
    {28, pandaHead2},
    {29, girl3},
    {30, mushroom8},
    {31, mushroom9},
    {32, selfAssured},
    {33, mushroom10},
    {34, slap1},
    {35, mushroom11},
    {36, pandaHead3},
    {37, blankStare},
    {38, pain},
    {39, stunnedDog},
    {40, exclaimHuo},
    {41, exclaimHa},
    {42, hugeSadFace},
    {43, shutUp},
    {44, politeSmile},
    {45, slap2},
    {46, whisper},
    {47, mushroom12},
    {48, mushroom13},
    {49, pimAndTavo},
    {50, driving},
    {51, mushroom14},
    {52, despair},
});
// clang-format on

static_assert(kRecipes.size() == ui::kTemplates.size());
static_assert([] {
    for (std::size_t i = 0; i < kRecipes.size(); ++i) {
        if (kRecipes[i].index != ui::kTemplates[i].index)
            return false;
    }
    return true;
}());

QImage renderTemplate(const ui::TemplateRecord &entry)
{
    const int width = entry.image.width();
    const int height = entry.image.height();
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = std::min(width, height);
    kit::Canvas canvas{painter, static_cast<double>(width), static_cast<double>(height),
                       std::clamp(s / 72.0, 2.0, 4.0)};
    kRecipes[static_cast<std::size_t>(entry.index)].draw(canvas);
    painter.end();
    return image;
}

} // namespace templates
