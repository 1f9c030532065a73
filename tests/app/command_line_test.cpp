#include "WiredEditorTest.h"

#include "app/CommandLine.h"
#include "app/EndOnSignal.h"
#include "ui/Controls.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <ostream>

namespace {

using Action = app::CommandLine::Action;

struct LineCase {
    const char *name;
    QStringList arguments;
    QStringList files;
    QStringList ignored;
    Action action = Action::Run;
};

void PrintTo(const LineCase &c, std::ostream *os)
{
    *os << c.name;
}

class CommandLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLineTest, SplitsFilesFromOptionsThatAreSetAside)
{
    const app::CommandLine line = app::parseCommandLine(GetParam().arguments, QStringLiteral("/home/u/图片"));
    EXPECT_EQ(line.files, GetParam().files);
    EXPECT_EQ(line.ignored, GetParam().ignored);
    EXPECT_EQ(line.action, GetParam().action);
}

QStringList args(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *a : list)
        out << QString::fromUtf8(a);
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    ::testing::Values(
        LineCase{"Nothing", {}, {}, {}},
        LineCase{"AbsolutePath", args({"/tmp/照片 一.jpg"}), args({"/tmp/照片 一.jpg"}), {}},
        LineCase{"RelativeToTheWorkingFolder",
                 args({"a.jpg", "../b.png", "./c/./d.gif"}),
                 args({"/home/u/图片/a.jpg", "/home/u/b.png", "/home/u/图片/c/d.gif"}),
                 {}},
        LineCase{"FileUriFromALauncher",
                 args({"file:///tmp/%E7%85%A7%E7%89%87%20%E4%B8%80.jpg"}),
                 args({"/tmp/照片 一.jpg"}),
                 {}},
        LineCase{"ReverseIsSetAside", args({"-reverse", "/a.jpg"}), args({"/a.jpg"}), args({"-reverse"})},
        LineCase{"DoubleDashFormsOfQtOptions", args({"--reverse", "--style", "windows", "/a.jpg"}), args({"/a.jpg"}),
                 args({"--reverse", "--style", "windows"})},
        LineCase{"QtOptionValuesAreNoFiles",
                 args({"-qwindowtitle", "x.jpg", "-qwindowgeometry", "10x10+0+0", "-platform", "xcb", "/a.jpg"}),
                 args({"/a.jpg"}),
                 args({"-qwindowtitle", "x.jpg", "-qwindowgeometry", "10x10+0+0", "-platform", "xcb"})},
        LineCase{"ValueJoinedByEquals", args({"-style=windows", "/a.jpg"}), args({"/a.jpg"}), args({"-style=windows"})},
        LineCase{"ValuedOptionLastOfAll", args({"/a.jpg", "-stylesheet"}), args({"/a.jpg"}), args({"-stylesheet"})},
        LineCase{"UnknownOptionsTooAndStandardInput",
                 args({"-x", "--frobnicate", "-"}),
                 {},
                 args({"-x", "--frobnicate", "-"})},
        LineCase{"AfterDoubleDashEverythingIsAFile",
                 args({"--", "-reverse", "--help"}),
                 args({"/home/u/图片/-reverse", "/home/u/图片/--help"}),
                 {}},
        LineCase{"Help", args({"--help", "/a.jpg"}), args({"/a.jpg"}), {}, Action::Help},
        LineCase{"ShortHelp", args({"-h"}), {}, {}, Action::Help},
        LineCase{"Version", args({"--version"}), {}, {}, Action::Version}));

// Opening files from the command line follows the drop's rules.
class OpenFilesTest : public WiredEditorTest {
protected:
    const ui::Controls &c() const { return editor.controls(); }

    QSize areaSize() const { return QSize(c().pictureArea.width(), c().pictureArea.height()); }
    QString fixture(const char *relative) const
    {
        return QStringLiteral(ZANVO_FIXTURES "/") + QString::fromUtf8(relative);
    }
};

TEST_F(OpenFilesTest, APictureTakesItsOwnSizeAndTheLabelsSayIt)
{
    editor.openFiles({fixture("jpeg/testorig.jpg")});
    EXPECT_TRUE(c().pictureArea.hasPicture());
    EXPECT_EQ(areaSize(), QSize(227, 149));
    EXPECT_EQ(c().widthLabel.caption(), QStringLiteral("图片宽度：227"));
    EXPECT_EQ(c().heightLabel.caption(), QStringLiteral("图片高度：149"));
}

TEST_F(OpenFilesTest, TheFirstPictureOfSeveralFilesIsTaken)
{
    QTemporaryDir folder;
    const QString notes = folder.filePath(QStringLiteral("notes.txt"));
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture\n");
    file.close();
    editor.openFiles({notes, fixture("misc/python.gif"), fixture("jpeg/testorig.jpg")});
    const QImage gif(fixture("misc/python.gif"));
    ASSERT_FALSE(gif.isNull());
    EXPECT_EQ(areaSize(), gif.size());
}

TEST_F(OpenFilesTest, RefusedFilesLeaveThePictureAreaAsItIs)
{
    editor.openFiles({fixture("jpeg/testorig.jpg")});
    const QImage before = c().pictureArea.currentFrame();
    QTemporaryDir folder;
    for (const QStringList &refused :
         {QStringList{folder.filePath(QStringLiteral("gone.jpg"))}, QStringList{folder.path()}, QStringList{}}) {
        editor.openFiles(refused);
        EXPECT_EQ(areaSize(), QSize(227, 149)) << refused.join(u',').toStdString();
        EXPECT_EQ(c().pictureArea.currentFrame(), before);
        EXPECT_EQ(c().widthLabel.caption(), QStringLiteral("图片宽度：227"));
    }
}

TEST(EndOnSignalTest, EndsFromTheLoopAndGivesTheSignalsBack)
{
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        int ended = 0;
        {
            const app::EndOnSignal guard([&ended] { ++ended; });
            ASSERT_EQ(std::raise(signal), 0);
            EXPECT_EQ(ended, 0) << "runs from the event loop, not inside the signal handler";
            EXPECT_TRUE(QTest::qWaitFor([&ended] { return ended == 1; }, 10000)) << signal;
        }
        struct sigaction now {};
        ASSERT_EQ(::sigaction(signal, nullptr, &now), 0);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << signal;
    }
}

} // namespace
