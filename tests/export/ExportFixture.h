#pragma once

#include "app/Editor.h"
#include "exchange/Context.h"
#include "ui/Controls.h"
#include "ui/FontSettings.h"

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ui {
class PictureBox;
class Window;
} // namespace ui

namespace exchange::test {

// Four flat quadrants, so a pixel tells which part of the picture it came from however
// the picture is stretched.
inline const QColor kTopLeft{250, 240, 200};
inline const QColor kTopRight{200, 250, 220};
inline const QColor kBottomLeft{220, 220, 250};
inline const QColor kBottomRight{250, 210, 240};
QImage quadrantPicture(QSize size);

// The picture's file bytes: a BMP, which the picture area decodes without loss.
QByteArray pictureFile(const QImage &picture);

// Pixels of two pictures of the same size that differ by more than the tolerance per channel.
int differingPixels(const QImage &a, const QImage &b, int tolerance = 0);
int pixelsOfColour(const QImage &picture, const QRect &within, QColor colour);

// The fully wired editor, open on the offscreen screen, with the side effects of the
// export handlers replaced: a fixed clock that counts its reads, a temporary folder and a
// clipboard that records what it is given.
class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override;

    ui::Window &window() const { return editor.window(); }
    const ui::Controls &controls() const { return editor.controls(); }
    exchange::Context &exchange() { return editor.exchangeContext(); }
    ui::PictureBox &area() const;
    QString buttonCaption(QStringView button) const;
    QString folder() const { return m_dir.path(); }
    QString tempPath(const QString &relative) const;
    QStringList savedFiles() const;

    // Shows the picture in the picture area, stretched to the given size.
    void showPicture(const QImage &picture, QSize size);
    // The caption as the test wants it: text in red over the picture area.
    void placeCaption(const QString &text, QPoint topLeft, QSize size);
    // The mask shown at its place in the picture area.
    void showMask(QRect place, QColor colour);
    // What Qt draws for the main window over the area's rectangle: the screen's pixels.
    QImage screenOverArea();

    static QDateTime fixedMoment();

    ui::FontSettings font;
    editor::DragState drag;
    app::Editor editor{font, drag};
    int clockReads = 0;
    QList<QImage> placed;
    bool clipboardAccepts = true;

private:
    QTemporaryDir m_dir;
};

} // namespace exchange::test
