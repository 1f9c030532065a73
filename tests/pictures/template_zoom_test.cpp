#include "PictureTestSupport.h"
#include "WiredEditorTest.h"

#include "app/Editor.h"
#include "app/EditorState.h"
#include "ui/Buttons.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/PictureBox.h"
#include "ui/Platform.h"
#include "ui/Window.h"

#include <QListWidgetItem>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

namespace {

class EditorTest : public WiredEditorTest {
protected:
    ui::PictureBox &area() const { return w().pictureBox(u"图片框1"); }
    ui::ListBox &list() const { return w().listBox(u"列表框1"); }
    QString widthLabel() const { return w().label(u"标签1").caption(); }
    QString heightLabel() const { return w().label(u"标签4").caption(); }

    // Clicks the entry's row as a user does, scrolling it into view first.
    void clickEntry(int index, Qt::KeyboardModifiers keys = {})
    {
        QListWidgetItem *item = list().item(index);
        ASSERT_NE(item, nullptr);
        list().scrollToItem(item);
        QTest::mouseClick(list().viewport(), Qt::LeftButton, keys, list().visualItemRect(item).center());
    }

    void setArea(QPoint place, QSize size)
    {
        area().move(place);
        area().setWidth(size.width());
        area().setHeight(size.height());
    }
};

struct EntryRow {
    int index;
    QSize display;
    QSize image;
};

void PrintTo(const EntryRow &row, std::ostream *os)
{
    *os << "entry " << row.index;
}

class ChoosingATemplate : public EditorTest, public ::testing::WithParamInterface<EntryRow> {};

TEST_P(ChoosingATemplate, ShowsItAtItsDisplaySizeAndLabelsTheSize)
{
    const EntryRow &row = GetParam();
    area().move(30, 40);
    clickEntry(row.index);
    ASSERT_EQ(list().selectedIndex(), row.index);
    EXPECT_EQ(area().size(), row.display);
    EXPECT_EQ(area().pos(), QPoint(30, 40));
    EXPECT_EQ(area().currentFrame().size(), row.image);
    EXPECT_EQ(widthLabel(), QStringLiteral("图片宽度：%1").arg(row.display.width()));
    EXPECT_EQ(heightLabel(), QStringLiteral("图片高度：%1").arg(row.display.height()));
}

INSTANTIATE_TEST_SUITE_P(TemplateList, ChoosingATemplate,
                         ::testing::Values(EntryRow{27, {400, 400}, {400, 400}}, EntryRow{9, {264, 237}, {264, 237}},
                                           EntryRow{15, {265, 265}, {266, 266}}, EntryRow{16, {265, 265}, {264, 265}},
                                           EntryRow{0, {234, 234}, {234, 234}}, EntryRow{52, {272, 238}, {272, 238}}));

TEST_F(EditorTest, LabelsReadTheSizeNumbers)
{
    clickEntry(27);
    EXPECT_EQ(widthLabel(), QStringLiteral("图片宽度：400"));
    EXPECT_EQ(heightLabel(), QStringLiteral("图片高度：400"));
}

TEST_F(EditorTest, TemplateFillsTheAreaStretched)
{
    clickEntry(15);
    const QImage shown = pictures::rendered(area());
    ASSERT_EQ(shown.size(), QSize(265, 265));
    // The mask lies hidden in the area; everything else is the template, nothing of the face colour.
    const QImage expected = area().currentFrame().scaled(265, 265, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (const QPoint &at : {QPoint(0, 0), QPoint(264, 0), QPoint(0, 264), QPoint(264, 264), QPoint(132, 132)})
        EXPECT_EQ(shown.pixel(at), expected.pixel(at)) << at.x() << "," << at.y();
}

TEST_F(EditorTest, ChoosingAnEntryTakesBackTheSuccessMessages)
{
    const auto markSuccess = [&] {
        w().button(u"按钮1").setCaption(QStringLiteral("复制成功!!"));
        w().button(u"按钮3").setCaption(QStringLiteral("保存成功!!"));
    };
    const auto expectReset = [&] {
        EXPECT_EQ(w().button(u"按钮1").caption(), QStringLiteral("复制图片"));
        EXPECT_EQ(w().button(u"按钮3").caption(), QStringLiteral("保存到桌面"));
    };
    markSuccess();
    clickEntry(9);
    expectReset();

    markSuccess();
    clickEntry(27);
    expectReset();

    // Deselecting leaves no entry chosen: nothing loads, the captions still go back.
    markSuccess();
    clickEntry(27, Qt::ControlModifier);
    ASSERT_EQ(list().selectedIndex(), -1);
    expectReset();
    EXPECT_EQ(area().size(), QSize(400, 400));
    EXPECT_EQ(area().currentFrame().size(), QSize(400, 400));
}

TEST_F(EditorTest, ChoosingAnEntryAfterZoomingSetsItsSizeAgain)
{
    clickEntry(9);
    QTest::mouseClick(&w().button(u"按钮4"), Qt::LeftButton);
    ASSERT_EQ(area().size(), QSize(290, 260));
    clickEntry(27);
    EXPECT_EQ(area().size(), QSize(400, 400));
    EXPECT_EQ(widthLabel(), QStringLiteral("图片宽度：400"));
}

struct ZoomRow {
    int side;
    int zoomedIn;
    int zoomedOut;
};

void PrintTo(const ZoomRow &row, std::ostream *os)
{
    *os << "side " << row.side;
}

class Zooming : public EditorTest, public ::testing::WithParamInterface<ZoomRow> {};

TEST_P(Zooming, ScalesFromTheHomePlace)
{
    const ZoomRow &row = GetParam();
    // Width and height are scaled on their own: the other side comes from the next-larger row.
    const int other = row.side + 30;
    const int otherIn = int(other * 1.1);
    const int otherOut = int(other * 0.9);
    for (const auto &[button, side, height] :
         {std::tuple{u"按钮4", row.zoomedIn, otherIn}, std::tuple{u"按钮5", row.zoomedOut, otherOut}}) {
        setArea({60, 70}, {row.side, other});
        QTest::mouseClick(&w().button(button), Qt::LeftButton);
        EXPECT_EQ(area().pos(), QPoint(5, 16));
        EXPECT_EQ(area().size(), QSize(side, height));
        EXPECT_EQ(widthLabel(), QStringLiteral("图片宽度：%1").arg(side));
        EXPECT_EQ(heightLabel(), QStringLiteral("图片高度：%1").arg(height));
    }
}

INSTANTIATE_TEST_SUITE_P(ZoomButtons, Zooming,
                         ::testing::Values(ZoomRow{10, 11, 9}, ZoomRow{234, 257, 210}, ZoomRow{400, 440, 360},
                                           ZoomRow{9, 9, 8}, ZoomRow{1, 1, 0}, ZoomRow{0, 0, 0}));

TEST_F(EditorTest, ZoomsCompoundAndReachZero)
{
    setArea({5, 16}, {234, 1});
    QTest::mouseClick(&w().button(u"按钮4"), Qt::LeftButton);
    QTest::mouseClick(&w().button(u"按钮5"), Qt::LeftButton);
    EXPECT_EQ(area().size(), QSize(231, 0));
    QTest::mouseClick(&w().button(u"按钮4"), Qt::LeftButton);
    EXPECT_EQ(area().height(), 0);
    EXPECT_EQ(heightLabel(), QStringLiteral("图片高度：0"));
}

TEST_F(EditorTest, ZoomingGoesPastTheClampWithoutGrowingFurther)
{
    setArea({5, 16}, {32000, 30000});
    QTest::mouseClick(&w().button(u"按钮4"), Qt::LeftButton);
    EXPECT_EQ(area().size(), QSize(32627, 32627));
    EXPECT_EQ(widthLabel(), QStringLiteral("图片宽度：32627"));
}

} // namespace
