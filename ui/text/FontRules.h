#pragma once

#include "ui/FontSettings.h"

#include <QFont>
#include <QString>
#include <QStringView>

#include <optional>

namespace ui {

// The face that stands in for a missing or unusable face name.
inline constexpr QStringView kSubstituteFace = u"宋体";

// Size 0 (or less) asks for the default height: that of the default GUI font's 9 points.
inline constexpr int kDefaultPoints = 9;

// Character heights are kept within what the window's coordinates can hold.
inline constexpr int kMaximumCharacterHeight = 32767;

// Character height in pixels for a size in points: halves round away from zero.
int characterHeight(int points, int dotsPerInch);

// Whole points for a character height in pixels, rounded the same way.
int pointsForHeight(double pixels, int dotsPerInch);

// An angle written on its own, brought into 0 … 3599 tenths of a degree.
int normalisedAngle(int tenths);

// Length of a face name as GBK text, the measure the face-name limits are given in.
int gbkByteLength(QStringView text);

// The face a whole-font write keeps: a missing name or one of 32 bytes or more
// becomes the substitute, an empty name stays empty.
QString faceForFontWrite(const std::optional<QString> &name);
// The face a name-only write keeps: 1 to 31 bytes, else the substitute.
QString faceForNameWrite(const std::optional<QString> &name);

// A family name as the font lists show it, without the foundry they add when two foundries
// make a family of the same name: "Nimbus Sans [urw]" is the face "Nimbus Sans".
QString faceWithoutFoundry(const QString &family);

// The attributes that describe a screen font, for a label that has none of its own yet.
FontSettings fontSettingsOf(const QFont &font, int dotsPerInch);

// The screen font the attributes make. An empty face keeps the base font's family.
QFont screenFont(const FontSettings &settings, int dotsPerInch, const QFont &base);

} // namespace ui
