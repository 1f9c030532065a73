#pragma once

#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

// Parametric cartoon parts. Every part takes its place and size in pixels of the
// picture, so one recipe reads as a list of parts and works at any picture size.
namespace kit {

namespace colour {
inline const QColor ink{0x2a, 0x26, 0x2b};
inline const QColor white{0xff, 0xff, 0xff};
inline const QColor skin{0xff, 0xe0, 0xc4};
inline const QColor skinWarm{0xf6, 0xcf, 0xa8};
inline const QColor skinBrown{0xa8, 0x6f, 0x4c};
inline const QColor blush{0xff, 0x9c, 0xa4};
inline const QColor mouthDark{0x6e, 0x23, 0x2e};
inline const QColor tongue{0xf0, 0x7a, 0x86};
inline const QColor tear{0x6c, 0xbd, 0xf0};
inline const QColor sweat{0x9a, 0xd8, 0xf8};
inline const QColor pandaBlack{0x2a, 0x26, 0x2b};
inline const QColor red{0xe2, 0x4b, 0x4b};
inline const QColor gold{0xf2, 0xc1, 0x4e};
} // namespace colour

struct Canvas {
    QPainter &p;
    double w;
    double h;
    double lw; // outline width in pixels
};

// Outline pen of the kit: round caps and joins, width a multiple of the canvas line.
QPen inkPen(const Canvas &c, double scale = 1.0, const QColor &colour = colour::ink);

void strokePath(Canvas &c, const QPainterPath &path, double scale, const QColor &colour);
void strokeLine(Canvas &c, QPointF a, QPointF b, double scale, const QColor &colour = colour::ink);

void fillBackground(Canvas &c, const QColor &colour);
void sunburst(Canvas &c, QPointF centre, int rays, const QColor &light, const QColor &dark);
void halftone(Canvas &c, const QColor &dot, double spacing, double radius, QRectF area);
void diagonalStripes(Canvas &c, const QColor &stripe, double spacing, double width);
void softSpot(Canvas &c, QPointF centre, double rx, double ry, const QColor &colour);

void shape(Canvas &c, const QPainterPath &path, const QBrush &fill, double lineScale = 1.0);
void ellipse(Canvas &c, QPointF centre, double rx, double ry, const QColor &fill, double lineScale = 1.0);
QPainterPath ellipsePath(QPointF centre, double rx, double ry);
// Flat fill with a darker crescent low on the far side: a hint of volume, still two tones.
void shadedEllipse(Canvas &c, QPointF centre, double rx, double ry, const QColor &fill);

// Heads: centre and half-sizes of the face ellipse.
void humanHead(Canvas &c, QPointF centre, double rx, double ry, const QColor &skinColour, bool ears = true);
enum class Hair { Crop, Spiky, SidePart, Bowl, BowlSpots, LongBangs, Buns, Bob, Cowlick, Pompadour };
void hairBack(Canvas &c, QPointF centre, double rx, double ry, Hair hair, const QColor &colour);
void hairFront(Canvas &c, QPointF centre, double rx, double ry, Hair hair, const QColor &colour);
// A round-faced head under a mushroom-cap haircut: the common "mushroom head".
void mushroomHead(Canvas &c, QPointF centre, double r, const QColor &hairColour, Hair hair = Hair::Bowl,
                  const QColor &skinColour = colour::skin);
// patchTilt in degrees: positive droops the outer ends of the eye patches.
void pandaHead(Canvas &c, QPointF centre, double rx, double ry, double patchTilt = 20.0);
void dogHead(Canvas &c, QPointF centre, double r, const QColor &fur, const QColor &ears, bool oneEarUp);
void catHead(Canvas &c, QPointF centre, double r, const QColor &fur, const QColor &stripes);
void spartanHelmet(Canvas &c, QPointF centre, double rx, double ry);

enum class Eye {
    Dot,
    Round,
    Wide,
    Tiny,
    Teary,
    Happy,
    Closed,
    HalfLid,
    Glare,
    Squeeze,
    Cross,
    Spiral,
    Dead,
    Line,
    None
};
enum class Brow { None, Flat, Raised, Angry, Worried, Thick };
enum class Mouth {
    None,
    Smile,
    SmallSmile,
    Grin,
    Laugh,
    Open,
    Scream,
    Flat,
    Frown,
    Wail,
    Wavy,
    Smirk,
    Teeth,
    Cat,
    Tongue,
    Pout,
    Zipper
};

struct Face {
    Eye eyeL = Eye::Round;
    Eye eyeR = Eye::Round;
    Brow browL = Brow::None;
    Brow browR = Brow::None;
    Mouth mouth = Mouth::Smile;
    QPointF look{0.0, 0.0}; // pupil direction, each in -1 .. 1
    double eyeY = -0.05;    // the rest relative to the head's horizontal radius
    double eyeGap = 0.36;
    double eyeSize = 0.13;
    double browLift = 1.7; // brow height above the eye, in eye sizes
    double mouthY = 0.42;
    double mouthW = 0.24;
    bool blush = false;
    bool mirrorLook = false;   // the right eye looks the mirrored way: cross-eyed or wall-eyed
    QColor line = colour::ink; // strokes drawn on the face (white on panda patches)
    QColor cheek = colour::blush;
};
Face face(Eye both, Brow brows, Mouth mouth);
void drawFace(Canvas &c, QPointF centre, double r, const Face &f);
void eye(Canvas &c, QPointF centre, double size, Eye kind, QPointF look, bool right, const QColor &line);
void brow(Canvas &c, QPointF centre, double size, Brow kind, bool right);
void mouth(Canvas &c, QPointF centre, double halfWidth, Mouth kind, const QColor &line);

// Marks and effects.
void blush(Canvas &c, QPointF centre, double rx, const QColor &colour = colour::blush);
void sweatDrop(Canvas &c, QPointF tip, double size);
void tearStreams(Canvas &c, QPointF left, QPointF right, double width, double bottom);
void tearDrop(Canvas &c, QPointF tip, double size);
void angerMark(Canvas &c, QPointF centre, double size);
void gloomLines(Canvas &c, QRectF area, int count);
void speedLines(Canvas &c, QRectF area, int count, bool horizontal, const QColor &colour);
void shockLines(Canvas &c, QPointF centre, double inner, double outer, int count, double fromDeg = 0.0,
                double spanDeg = 360.0);
void impactStar(Canvas &c, QPointF centre, double r, int points, const QColor &fill);
void sparkle(Canvas &c, QPointF centre, double r, const QColor &fill);
void heart(Canvas &c, QPointF centre, double size, const QColor &fill);
void dots(Canvas &c, QPointF start, double gap, double r, int count);
void motionArcs(Canvas &c, QPointF centre, double r, double fromDeg, double spanDeg, int count);

// Text drawn as outlined glyph paths, fitted into a box.
void glyph(Canvas &c, const QString &text, QRectF box, const QColor &fill, double outlineScale = 1.0,
           double angleDeg = 0.0, bool serif = false);
void questionMark(Canvas &c, QPointF centre, double height, const QColor &fill, double angleDeg = 0.0);

// Hands: a mitten palm with the named fingers out. Local "up" is the fingers' way;
// angle turns it, mirror flips left for right.
struct HandPose {
    bool fingers[4]; // index, middle, ring, little
    bool thumbOut;
    double thumbAngle; // degrees from local up, towards the thumb side
    double spread;     // degrees between neighbouring fingers that are out
};
HandPose openHand();
HandPose fist();
HandPose pointing();
HandPose peace();
HandPose thumbUp(); // turn by 90 degrees to hold the thumb up
void hand(Canvas &c, QPointF centre, double size, double angleDeg, const HandPose &pose,
          const QColor &skinColour = colour::skin, bool mirror = false);

// Props.
void torso(Canvas &c, QPointF neck, double width, double height, const QColor &shirt,
           const QColor &skinColour = colour::skin);
void car(Canvas &c, QRectF box, const QColor &body);
QPainterPath carFrontWindow(QRectF box);
void steeringWheel(Canvas &c, QPointF centre, double r);
void sunglasses(Canvas &c, QPointF centre, double r);
void teacup(Canvas &c, QPointF centre, double size, const QColor &colour);
void speechBubble(Canvas &c, QRectF box, QPointF tail, const QColor &fill);
void ghost(Canvas &c, QPointF centre, double size);
void zzz(Canvas &c, QPointF start, double size);

} // namespace kit
