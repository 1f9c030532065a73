#include "CaptionTestSupport.h"

#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Platform.h"
#include "ui/TransparentLabel.h"
#include "ui/Window.h"
#include "ui/text/TextDrawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor kPicture(200, 120, 40);

class RenderingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::preparePlatform();
        QString why;
        window = ui::Window::load(ui::mainWindowDefinition(), {}, &why);
        ASSERT_NE(window, nullptr) << why.toStdString();
        ui::PictureBox &picture = window->pictureBox(u"图片框1");
        picture.setPicture(solidPicture(QSize(40, 40), kPicture));
        picture.setDisplayMode(1);
        main().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
        ASSERT_TRUE(picture.hasPicture());
    }

    QWidget &main() const { return window->mainWidget(); }
    ui::TransparentLabel &caption() const { return window->transparentLabel(u"透明标签1"); }
    QRect captionBox() const { return caption().geometry(); }

    // The caption's box as shown, with its own origin.
    QImage shownCaption() { return shownPixels(main()).copy(captionBox()); }

    std::unique_ptr<ui::Window> window;
};

// A pixel of antialiased black glyphs over the picture: the picture's colour scaled down.
bool isPictureOrInk(QColor c)
{
    const double share = c.redF() / kPicture.redF();
    return share <= 1.0 + 1e-6 && std::abs(c.greenF() - share * kPicture.greenF()) < 0.02
           && std::abs(c.blueF() - share * kPicture.blueF()) < 0.02;
}

TEST_F(RenderingTest, CaptionDrawsOnlyGlyphsOverThePicture)
{
    caption().setText(QStringLiteral("这里显示文字,可拖动"));
    const QImage shown = shownCaption();
    int picture = 0, ink = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            ASSERT_TRUE(isPictureOrInk(c)) << x << "," << y << " " << c.name().toStdString();
            (c == kPicture ? picture : ink)++;
        }
    }
    EXPECT_GT(ink, 200);
    EXPECT_GT(picture, ink);
}

TEST_F(RenderingTest, DoubleAmpersandDrawsOneAndAMarkUnderlines)
{
    caption().setText(QStringLiteral("&&A"));
    const QImage doubled = shownCaption();

    // The same box with a literal "&A", drawn by the toolkit without mark handling.
    QImage literal(doubled.size(), QImage::Format_RGB32);
    literal.fill(kPicture);
    {
        QPainter painter(&literal);
        painter.setFont(caption().screenFont());
        painter.setPen(Qt::black);
        painter.drawText(literal.rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, QStringLiteral("&A"));
    }
    EXPECT_TRUE(doubled == literal);

    caption().setText(QStringLiteral("A"));
    const QImage plain = shownCaption();
    caption().setText(QStringLiteral("&A"));
    const QImage marked = shownCaption();
    const QFontMetrics metrics(caption().screenFont());
    const int baseline = metrics.ascent();
    // Above the baseline the letter is the same; below it only the marked one has a line.
    EXPECT_TRUE(plain.copy(0, 0, plain.width(), baseline) == marked.copy(0, 0, marked.width(), baseline));
    const QRect below(0, baseline, plain.width(), plain.height() - baseline);
    EXPECT_EQ(countOtherThan(plain, below, kPicture), 0);
    const int underline = countOtherThan(marked, below, kPicture);
    EXPECT_GE(underline, metrics.horizontalAdvance(u'A') / 2);
}

TEST_F(RenderingTest, AMarkUnderlinesAWholeCharacterBeyondOneCodeUnit)
{
    const char16_t *characters[] = {u"😀", u"𠀀", u"e\u0301", u"👍🏽"};
    const QFontMetrics metrics(caption().screenFont());
    const int baseline = metrics.ascent();
    for (const char16_t *character : characters) {
        const QString text = QString::fromUtf16(character);
        SCOPED_TRACE(text.toStdString());
        caption().setText(text);
        const QImage plain = shownCaption();
        caption().setText(QStringLiteral("&") + text);
        const QImage marked = shownCaption();
        // One character, drawn as without the mark, with a line under it.
        EXPECT_TRUE(plain.copy(0, 0, plain.width(), baseline) == marked.copy(0, 0, marked.width(), baseline));
        const QRect below(0, baseline, plain.width(), plain.height() - baseline);
        EXPECT_GE(countOtherThan(marked, below, kPicture) - countOtherThan(plain, below, kPicture),
                  metrics.horizontalAdvance(text) / 2);
    }
}

TEST_F(RenderingTest, LongChineseCaptionWrapsBetweenCharactersInsideTheBox)
{
    caption().setWidth(100);
    caption().setHeight(200);
    const QString text(20, QChar(u'字'));
    caption().setText(text);
    const QImage shown = shownCaption();
    const QFontMetrics metrics(caption().screenFont());
    const int perLine = 100 / metrics.horizontalAdvance(QChar(u'字'));
    ASSERT_GT(perLine, 1);
    const int lines = (20 + perLine - 1) / perLine;
    const int step = metrics.height();
    for (int line = 0; line < 200 / step; ++line) {
        const QRect band(0, line * step, 100, step);
        const int ink = countOtherThan(shown, band, kPicture);
        if (line < lines)
            EXPECT_GT(ink, 0) << "line " << line;
        else
            EXPECT_EQ(ink, 0) << "line " << line;
    }
    // A full line is centred: its ink starts as far from the left edge as it ends from the right.
    int first = shown.width(), last = -1;
    for (int x = 0; x < shown.width(); ++x) {
        if (countOtherThan(shown, QRect(x, 0, 1, step), kPicture) > 0) {
            first = std::min(first, x);
            last = x;
        }
    }
    EXPECT_LE(std::abs(first - (shown.width() - 1 - last)), 3);
}

TEST_F(RenderingTest, NoTraceRemainsAfterWritesAndMoves)
{
    caption().setText(QString());
    const QImage clean = shownPixels(main());
    const QRect home = captionBox();

    struct Step {
        const char *what;
        std::function<void(ui::TransparentLabel &)> write;
    };
    const Step steps[] = {
        {"shorter text", [](ui::TransparentLabel &c) { c.setText(QStringLiteral("i")); }},
        {"smaller font", [](ui::TransparentLabel &c) { c.setSize(5); }},
        {"name only", [](ui::TransparentLabel &c) { c.setName(QStringLiteral("宋体")); }},
        {"colour", [](ui::TransparentLabel &c) { c.setTextColour(ui::colourValue(255, 255, 255)); }},
        {"empty text", [](ui::TransparentLabel &c) { c.setText(QString()); }},
        {"move away", [](ui::TransparentLabel &c) { c.setLeft(c.left() + 200); }},
    };
    for (const Step &step : steps) {
        caption().move(home.topLeft());
        caption().setTextColour(0);
        ui::FontSettings big = caption().fontSettings();
        big.size = 18;
        caption().setFontSettings(big);
        caption().setText(QStringLiteral("WWWW字字字字"));
        const QImage before = shownPixels(main());
        ASSERT_GT(countOtherThan(before, home, kPicture), 100) << step.what;

        step.write(caption());
        const QImage after = shownPixels(main());
        // Where the new caption draws nothing, the picture shows as it did without a caption.
        QImage expected = clean;
        {
            QPainter painter(&expected);
            caption().render(&painter, caption().pos(), QRegion(), QWidget::DrawChildren);
        }
        const QRect checked = home.united(captionBox());
        int traces = 0;
        for (int y = checked.top(); y <= checked.bottom(); ++y)
            for (int x = checked.left(); x <= checked.right(); ++x)
                traces += after.pixelColor(x, y) != expected.pixelColor(x, y);
        EXPECT_EQ(traces, 0) << step.what;
    }
}

TEST_F(RenderingTest, WrappingLabelFitsItsEightLinesInTheBox)
{
    ui::Label &legend = window->label(u"标签5");
    const QImage shown = shownPixels(main()).copy(QRect(legend.mapTo(&main(), QPoint(0, 0)), legend.size()));
    const QColor face = QApplication::palette().color(QPalette::Window);
    const int step = shown.height() / 8;
    ASSERT_EQ(step, 12);
    // "↑", "", "字", "体", "大", "小", "", "↓": one character per line.
    const bool drawn[8] = {true, false, true, true, true, true, false, true};
    for (int line = 0; line < 8; ++line) {
        // The middle of each line's slot: glyphs may reach a pixel or two into the next.
        const int ink = countOtherThan(shown, QRect(0, line * step + 3, shown.width(), step - 6), face);
        EXPECT_EQ(ink > 0, drawn[line]) << "line " << line << " ink " << ink;
    }
}

TEST_F(RenderingTest, LabelFillsItsBoxWithItsBackground)
{
    ui::Label &mask = window->label(u"标签6");
    mask.setShown(1);
    const struct {
        ui::ColourValue written;
        QColor shown;
    } cases[] = {
        {ui::kFaceColour, QApplication::palette().color(QPalette::Window)},
        {0x000000FF, QColor(255, 0, 0)},
        {0x00FF0000, QColor(0, 0, 255)},
        {0x00000000, QColor(0, 0, 0)},
    };
    for (const auto &c : cases) {
        mask.setBackgroundColour(c.written);
        const QRect box(mask.mapTo(&main(), QPoint(0, 0)), mask.size());
        EXPECT_EQ(countOtherThan(shownPixels(main()), box, c.shown), 0) << c.written;
    }
}

TEST_F(RenderingTest, LabelCaptionIsOneLineVerticallyCentred)
{
    ui::Label &label = window->label(u"标签2");
    const QImage shown = shownPixels(main()).copy(label.geometry());
    const QList<int> rows = rowsOtherThan(shown, shown.rect(), QApplication::palette().color(QPalette::Window));
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_LE(std::abs(rows.first() - (shown.height() - 1 - rows.last())), 3);
    EXPECT_LT(rows.last() - rows.first(), QFontMetrics(label.font()).height());
}

} // namespace
