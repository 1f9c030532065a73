#include "E2e.h"

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QIODevice>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The photo is one flat colour, so its pixels are easy to tell from the window's after JPEG.
const QColor kPhotoColour(200, 40, 120);
constexpr QPoint kSourceCentre(80, 65); // the drag source's window lies at 10, 10, 140 x 110

QByteArray runForBytes(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return process.readAllStandardOutput();
}

void xdotool(const QStringList &arguments)
{
    e2e::run(QStringLiteral("xdotool"), arguments);
}

bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8
           && std::abs(a.blue() - b.blue()) <= 8;
}

// A program other than the editor to drag the file from, as a file manager would.
class DragSource {
public:
    explicit DragSource(const QString &file, bool moveOnly = false)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_process.setProcessEnvironment(environment);
        QStringList arguments{file, QStringLiteral("10"), QStringLiteral("10")};
        if (moveOnly)
            arguments << QStringLiteral("move-only");
        m_process.start(QStringLiteral(ZANVO_DRAGSOURCE), arguments);
        for (int i = 0; i < 200 && !m_shown; ++i) {
            m_shown =
                !e2e::run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                      QStringLiteral("--name"), QStringLiteral("^zanvo-dragsource$")})
                     .isEmpty();
            if (!m_shown)
                QThread::msleep(50);
        }
    }
    ~DragSource()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    bool shown() const { return m_shown; }

    // Presses on the source, moves in small steps to the screen point and lets go there;
    // the action the target chose, as the source saw it.
    QString dragTo(QPoint screen)
    {
        const auto moveTo = [](QPoint p) {
            xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
        };
        moveTo(kSourceCentre);
        QThread::msleep(200);
        xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
        QThread::msleep(300);
        constexpr int kSteps = 12;
        for (int i = 1; i <= kSteps; ++i) {
            moveTo(kSourceCentre + (screen - kSourceCentre) * i / kSteps);
            QThread::msleep(50);
        }
        // One more small move over the target lets it answer the last position.
        moveTo(screen + QPoint(1, 1));
        QThread::msleep(200);
        moveTo(screen);
        QThread::msleep(300);
        xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
        m_process.waitForReadyRead(10000);
        return QString::fromUtf8(m_process.readAllStandardOutput()).trimmed();
    }

private:
    QProcess m_process;
    bool m_shown = false;
};

class DragDropEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        photo = folder.filePath(QStringLiteral("照片 一.jpg"));
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(kPhotoColour);
        ASSERT_TRUE(picture.save(photo, "JPG", 95));
        ASSERT_TRUE(editor.started()) << editor.process().readAllStandardError().toStdString();
        const e2e::WindowGeometry g = e2e::geometryOf(editor.windowId());
        client = QPoint(g.left, g.top);
    }

    QImage shot() const
    {
        return QImage::fromData(runForBytes(QStringLiteral("import"),
                                            {QStringLiteral("-window"), editor.windowId(), QStringLiteral("png:-")}));
    }

    // The photo's pixels fill exactly 300 x 200 at the picture area's place, 5, 16.
    static bool showsThePhoto(const QImage &window)
    {
        return near(window.pixelColor(5 + 150, 16 + 50), kPhotoColour)
               && near(window.pixelColor(5 + 299, 16 + 100), kPhotoColour)
               && near(window.pixelColor(5 + 20, 16 + 199), kPhotoColour)
               && !near(window.pixelColor(5 + 310, 16 + 100), kPhotoColour)
               && !near(window.pixelColor(5 + 20, 16 + 210), kPhotoColour);
    }

    QTemporaryDir folder;
    QString photo;
    e2e::EditorProcess editor;
    QPoint client;
};

TEST_F(DragDropEndToEnd, APhotoDraggedFromAnotherProgramIsShownAtItsSizeAndCopied)
{
    const QByteArray before = [&] {
        QFile file(photo);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    DragSource source(photo);
    ASSERT_TRUE(source.shown());
    // Below the caption, well inside the picture area.
    EXPECT_EQ(source.dragTo(client + QPoint(60, 300)), QStringLiteral("copy"));
    QThread::msleep(300);
    const QImage window = shot();
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(showsThePhoto(window));
    // Copied, not moved: the source keeps its file as it was.
    QFile after(photo);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);

    editor.click(395 + 66, 407 + 21); // "复制图片"
    QThread::msleep(500);
    const QImage copied = QImage::fromData(runForBytes(
        QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
                                  QStringLiteral("image/png"), QStringLiteral("-o")}));
    EXPECT_EQ(copied.size(), QSize(300, 200));
}

TEST_F(DragDropEndToEnd, DropsElsewhereAndMoveOnlyDragsAreRefused)
{
    {
        DragSource source(photo);
        ASSERT_TRUE(source.shown());
        // The template list is no drop target.
        EXPECT_EQ(source.dragTo(client + QPoint(500, 240)), QStringLiteral("ignore"));
    }
    {
        // Taking a file offered only for a move would have the source delete it.
        DragSource source(photo, true);
        ASSERT_TRUE(source.shown());
        EXPECT_EQ(source.dragTo(client + QPoint(60, 300)), QStringLiteral("ignore"));
    }
    EXPECT_TRUE(QFile::exists(photo));
    EXPECT_FALSE(showsThePhoto(shot()));
}

} // namespace
