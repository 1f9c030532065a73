#include "E2e.h"

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>

namespace {

// One flat colour, easy to tell from the window's own pixels after JPEG.
const QColor kPhotoColour(200, 40, 120);
const QString kPhotoName = QStringLiteral("照片 一.jpg");

QByteArray outputOf(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}

bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8
           && std::abs(a.blue() - b.blue()) <= 8;
}

struct OpenCase {
    const char *name;
    QStringList arguments; // "PHOTO" stands for the photo's full path
    bool fromItsFolder = false;
};

void PrintTo(const OpenCase &c, std::ostream *os)
{
    *os << c.name;
}

class OpenWithTest : public ::testing::TestWithParam<OpenCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QImage photo(300, 200, QImage::Format_RGB32);
        photo.fill(kPhotoColour);
        ASSERT_TRUE(photo.save(folder.filePath(kPhotoName), "JPG", 95));
    }

    QTemporaryDir folder;
};

// The photo fills exactly 300 x 200 at the picture area's place, 5, 16, left to right.
bool showsThePhoto(const QImage &window)
{
    return near(window.pixelColor(5 + 150, 16 + 50), kPhotoColour)
           && near(window.pixelColor(5 + 299, 16 + 100), kPhotoColour)
           && near(window.pixelColor(5 + 1, 16 + 199), kPhotoColour)
           && !near(window.pixelColor(5 + 310, 16 + 100), kPhotoColour)
           && !near(window.pixelColor(5 + 20, 16 + 210), kPhotoColour);
}

int darkPixels(const QImage &image, const QRect &area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    return dark;
}

// Mirrored controls keep their places but turn inside out: the template list (414, 170)
// would have its scroll bar on the left and its names against the right edge.
bool listReadsLeftToRight(const QImage &window)
{
    return darkPixels(window, QRect(418, 172, 60, 18)) > 10 && darkPixels(window, QRect(590, 172, 45, 18)) == 0;
}

TEST_P(OpenWithTest, ShowsTheFileAtItsSizeInTheUsualWindow)
{
    QStringList arguments;
    for (const QString &argument : GetParam().arguments)
        arguments << (argument == QLatin1String("PHOTO") ? folder.filePath(kPhotoName) : argument);
    e2e::EditorProcess editor(
        {.arguments = arguments, .workingDirectory = GetParam().fromItsFolder ? folder.path() : QString()});
    // Found by its own title, so a title option did not reach the window either.
    ASSERT_TRUE(editor.started()) << editor.process().readAllStandardError().toStdString();

    const e2e::WindowGeometry g = e2e::geometryOf(editor.windowId());
    EXPECT_EQ(g.left, (1024 - 683) / 2);
    EXPECT_EQ(g.top, (768 - 483) / 2);

    QImage shot;
    for (int tries = 0; tries < 50 && !showsThePhoto(shot); ++tries) {
        if (tries > 0)
            QThread::msleep(100);
        shot = QImage::fromData(outputOf(QStringLiteral("import"),
                                         {QStringLiteral("-window"), editor.windowId(), QStringLiteral("png:-")}));
    }
    EXPECT_TRUE(showsThePhoto(shot));
    EXPECT_TRUE(listReadsLeftToRight(shot));

    editor.click(395 + 66, 407 + 21); // 复制图片: the picture area at its size
    QImage copied;
    for (int tries = 0; tries < 100 && copied.size() != QSize(300, 200); ++tries) {
        if (tries > 0)
            QThread::msleep(100);
        copied = QImage::fromData(outputOf(QStringLiteral("xclip"),
                                           {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                            QStringLiteral("-t"), QStringLiteral("image/png"), QStringLiteral("-o")}),
                                  "PNG");
    }
    ASSERT_EQ(copied.size(), QSize(300, 200));
    EXPECT_TRUE(near(copied.pixelColor(150, 100), kPhotoColour));
    EXPECT_TRUE(near(copied.pixelColor(299, 199), kPhotoColour));

    editor.key(QStringLiteral("Escape"));
    EXPECT_EQ(editor.waitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, OpenWithTest,
    ::testing::Values(OpenCase{"FullPath", {QStringLiteral("PHOTO")}},
                      OpenCase{"RelativeToTheWorkingFolder", {kPhotoName}, true},
                      // Qt's own options would mirror, move, retitle and restyle the window.
                      OpenCase{"ReverseIsNotHonoured", {QStringLiteral("-reverse"), QStringLiteral("PHOTO")}},
                      OpenCase{"WindowOptionsAreNotHonoured",
                               {QStringLiteral("--reverse"), QStringLiteral("-qwindowgeometry"),
                                QStringLiteral("200x150+0+0"), QStringLiteral("-qwindowtitle"), QStringLiteral("Other"),
                                QStringLiteral("-style"), QStringLiteral("Windows"), QStringLiteral("PHOTO")}}));

TEST(EndingEndToEnd, TermSignalEndsTheEditorAsItsCloseButtonWould)
{
    e2e::EditorProcess editor;
    ASSERT_TRUE(editor.started()) << editor.process().readAllStandardError().toStdString();
    editor.process().terminate(); // SIGTERM
    EXPECT_EQ(editor.waitForExit(), 0);
    EXPECT_EQ(editor.process().exitStatus(), QProcess::NormalExit);
}

} // namespace
