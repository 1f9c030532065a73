#include "ui/ColourPicker.h"
#include "ui/FontDialog.h"
#include "ui/Platform.h"
#include "ui/TransparentLabel.h"
#include "ui/text/FontRules.h"
#include "ui/text/TextDrawing.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

const QString kSerif = QStringLiteral("Noto Serif CJK SC");
const QString kSans = QStringLiteral("Noto Sans CJK SC");

class FontsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::preparePlatform();
        ASSERT_EQ(window.logicalDpiY(), 96);
    }

    QWidget window;
    ui::TransparentLabel caption{&window};
};

TEST(FontRules, CharacterHeightRoundsHalvesAwayFromZero)
{
    const struct {
        int points, dpi, pixels;
    } cases[] = {
        {12, 96, 16},  {9, 96, 12},   {11, 96, 15},
        {3, 84, 4},    {-3, 84, -4},  {0, 96, 0},
        {95, 96, 127}, {12, 120, 20}, {2147483647, 96, 32767}, // kept within the coordinate range
    };
    for (const auto &c : cases)
        EXPECT_EQ(ui::characterHeight(c.points, c.dpi), c.pixels) << c.points << " pt at " << c.dpi;
}

TEST(FontRules, FaceNamesLoseTheFoundryTheListsAdd)
{
    const struct {
        const char *listed;
        const char *face;
    } cases[] = {
        {"Nimbus Sans [urw]", "Nimbus Sans"},
        {"Nimbus Sans", "Nimbus Sans"},
        {"URW Gothic [UKWN]", "URW Gothic"},
        {"DejaVu Sans", "DejaVu Sans"},
        {"[urw]", "[urw]"},
        {"A [b] c", "A [b] c"},
        {"Odd]", "Odd]"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ui::faceWithoutFoundry(QString::fromUtf8(c.listed)), QString::fromUtf8(c.face)) << c.listed;
}

TEST(FontRules, PrefixMarks)
{
    const struct {
        const char16_t *written;
        ui::PrefixedText shown;
    } cases[] = {
        {u"&A", {QStringLiteral("A"), {{0, 1}}}},
        {u"&&A", {QStringLiteral("&A"), {}}},
        {u"a&&&b", {QStringLiteral("a&b"), {{2, 1}}}},
        {u"&字&体", {QStringLiteral("字体"), {{0, 1}, {1, 1}}}},
        {u"end&", {QStringLiteral("end"), {}}},
        {u"&&&&", {QStringLiteral("&&"), {}}},
        {u"", {QString(), {}}},
        // A mark takes the whole character after it, however many code units it has.
        {u"&😀", {QString::fromUtf16(u"😀"), {{0, 2}}}},
        {u"x&𠀀y", {QString::fromUtf16(u"x𠀀y"), {{1, 2}}}},
        {u"&e\u0301t", {QString::fromUtf16(u"e\u0301t"), {{0, 2}}}},
        {u"&👍🏽!", {QString::fromUtf16(u"👍🏽!"), {{0, 4}}}},
        {u"&&😀", {QString::fromUtf16(u"&😀"), {}}},
        {u"&\u0301", {QString::fromUtf16(u"\u0301"), {{0, 1}}}},
    };
    for (const auto &c : cases) {
        const ui::PrefixedText shown = ui::resolvePrefixMarks(QStringView(c.written));
        EXPECT_EQ(shown.text, c.shown.text) << QString::fromUtf16(c.written).toStdString();
        ASSERT_EQ(shown.marked.size(), c.shown.marked.size()) << QString::fromUtf16(c.written).toStdString();
        for (qsizetype i = 0; i < shown.marked.size(); ++i) {
            EXPECT_EQ(shown.marked[i].start, c.shown.marked[i].start) << QString::fromUtf16(c.written).toStdString();
            EXPECT_EQ(shown.marked[i].length, c.shown.marked[i].length) << QString::fromUtf16(c.written).toStdString();
        }
    }
}

TEST_F(FontsTest, FacesForTheDefinitionsNamesAreInstalledCjkFaces)
{
    const struct {
        const char16_t *requested;
        QString shown;
    } cases[] = {
        {u"宋体", kSerif},
        {u"SimSun", kSerif},
        {u"微软雅黑", kSans},
        {u"Microsoft YaHei", kSans},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QFontInfo(QFont(QString::fromUtf16(c.requested))).family(), c.shown)
            << QString::fromUtf16(c.requested).toStdString();
    const QFontInfo gui(QApplication::font());
    EXPECT_EQ(gui.family(), kSans);
    EXPECT_EQ(gui.pointSize(), 9);
}

TEST_F(FontsTest, SizeAttributeGivesTheCharacterHeight)
{
    // Size 0 and below ask for the default height: that of 9 points.
    const struct {
        int size, pixels;
    } cases[] = {{12, 16}, {95, 127}, {1, 1}, {0, 12}, {-12, 12}};
    for (const auto &c : cases) {
        caption.setSize(c.size);
        EXPECT_EQ(caption.fontSettings().size, c.size);
        EXPECT_EQ(QFontInfo(caption.screenFont()).pixelSize(), c.pixels) << c.size;
    }
}

TEST_F(FontsTest, WholeFontWriteSetsEveryAttribute)
{
    ui::FontSettings font;
    font.angle = 450;
    font.bold = 5; // any non-zero value
    font.italic = 1;
    font.strikeout = 1;
    font.underline = 1;
    font.size = 20;
    font.name = QStringLiteral("宋体");
    caption.setFontSettings(font);
    EXPECT_EQ(caption.fontSettings(), font);
    const QFontInfo shown(caption.screenFont());
    EXPECT_EQ(shown.family(), kSerif);
    EXPECT_EQ(shown.pixelSize(), 27);
    EXPECT_EQ(shown.weight(), QFont::Bold);
    EXPECT_TRUE(shown.italic());
    EXPECT_TRUE(caption.screenFont().underline());
    EXPECT_TRUE(caption.screenFont().strikeOut());

    font.bold = 0;
    font.italic = font.strikeout = font.underline = 0;
    caption.setFontSettings(font);
    EXPECT_EQ(QFontInfo(caption.screenFont()).weight(), QFont::Normal);
    EXPECT_FALSE(QFontInfo(caption.screenFont()).italic());
    EXPECT_FALSE(caption.screenFont().underline());
}

TEST_F(FontsTest, FaceNameLimitsCountGbkBytes)
{
    const QString songti = QStringLiteral("宋体");
    const QString bytes31 = QStringLiteral("a") + QString(15, QChar(u'字')); // 16 characters
    const QString bytes32 = QString(16, QChar(u'字'));                       // 16 characters
    const struct {
        const char *what;
        std::optional<QString> name;
        QString wholeFont, nameOnly;
    } cases[] = {
        {"31 bytes", bytes31, bytes31, bytes31},
        {"32 bytes", bytes32, songti, songti},
        {"31 ASCII", QString(31, QChar(u'x')), QString(31, QChar(u'x')), QString(31, QChar(u'x'))},
        {"32 ASCII", QString(32, QChar(u'x')), songti, songti},
        {"empty", QString(), QString(), songti},
        {"missing", std::nullopt, songti, songti},
        {"usable", QStringLiteral("微软雅黑"), QStringLiteral("微软雅黑"), QStringLiteral("微软雅黑")},
    };
    for (const auto &c : cases) {
        ui::FontSettings font;
        font.name = c.name;
        caption.setFontSettings(font);
        EXPECT_EQ(caption.fontSettings().name, c.wholeFont) << "whole font, " << c.what;
        caption.setName(QStringLiteral("Noto Sans CJK SC"));
        caption.setName(c.name);
        EXPECT_EQ(caption.fontSettings().name, c.nameOnly) << "name only, " << c.what;
    }
    // An empty face leaves the choice to the platform: the default GUI face.
    ui::FontSettings unnamed;
    unnamed.name = QString();
    caption.setFontSettings(unnamed);
    EXPECT_EQ(QFontInfo(caption.screenFont()).family(), kSans);
}

TEST_F(FontsTest, AngleWrittenAloneIsReducedToOneTurn)
{
    const struct {
        int written, stored;
    } cases[] = {{450, 450}, {3600, 0}, {3700, 100}, {-10, 3590}, {-3600, 0}, {-7201, 3599}, {0, 0}};
    for (const auto &c : cases) {
        caption.setAngle(c.written);
        EXPECT_EQ(caption.fontSettings().angle, c.stored) << c.written;
    }
}

TEST_F(FontsTest, OneAttributeWriteStartsFromTheCurrentFont)
{
    // Without font attributes the caption starts from the default GUI font.
    caption.setBold(1);
    ui::FontSettings expected;
    expected.bold = 1;
    expected.size = 9;
    expected.name = kSans;
    EXPECT_EQ(caption.fontSettings(), expected);

    ui::FontSettings font;
    font.italic = 1;
    font.size = 12;
    font.name = QStringLiteral("微软雅黑");
    caption.setFontSettings(font);
    caption.setSize(30);
    caption.setBold(1);
    font.size = 30;
    font.bold = 1;
    EXPECT_EQ(caption.fontSettings(), font);
}

// The font dialog answered as a person would, remembering what it was preset to.
struct ScriptedChooser {
    std::optional<ui::FontChoice> answer;
    std::optional<ui::FontChoice> start;

    ui::FontChooser chooser()
    {
        return [this](const ui::FontChoice &preset, QWidget *) {
            start = preset;
            return answer;
        };
    }
};

ui::FontChoice pointChoice(const QString &face, double points, int weight)
{
    QFont font(face);
    font.setPointSizeF(points);
    font.setWeight(QFont::Weight(weight));
    return {font, 0};
}

TEST_F(FontsTest, DialogChoiceBecomesResultsAndTheCaptionsFont)
{
    ui::FontDialog dialog(&window);
    ScriptedChooser person;
    dialog.setChooser(person.chooser());
    const struct {
        double points;
        int weight;
        int size, bold, pixels, shownWeight;
    } cases[] = {
        {12, 400, 12, 0, 16, QFont::Normal}, {10.5, 400, 11, 0, 15, QFont::Normal}, {12, 650, 12, 0, 16, QFont::Normal},
        {12, 700, 12, 1, 16, QFont::Bold},   {12, 900, 12, 1, 16, QFont::Bold},     {20, 400, 20, 0, 27, QFont::Normal},
    };
    for (const auto &c : cases) {
        person.answer = pointChoice(kSerif, c.points, c.weight);
        ASSERT_TRUE(dialog.open());
        EXPECT_EQ(dialog.results().size, c.size) << c.points << " pt, weight " << c.weight;
        EXPECT_EQ(dialog.results().bold, c.bold) << c.points << " pt, weight " << c.weight;
        ui::FontSettings font;
        font.size = dialog.results().size;
        font.bold = dialog.results().bold;
        font.name = dialog.results().faceName;
        caption.setFontSettings(font);
        const QFontInfo shown(caption.screenFont());
        EXPECT_EQ(shown.pixelSize(), c.pixels) << c.points << " pt";
        EXPECT_EQ(shown.weight(), c.shownWeight) << "weight " << c.weight;
    }
}

TEST_F(FontsTest, DialogStartsFromItsResultsAndCancelKeepsThem)
{
    ui::FontDialog dialog(&window);
    ScriptedChooser person;
    dialog.setChooser(person.chooser());
    EXPECT_FALSE(dialog.open());
    EXPECT_EQ(dialog.results(), ui::FontDialogResults{});

    ui::FontChoice choice = pointChoice(kSerif, 20, 700);
    choice.font.setItalic(true);
    choice.font.setUnderline(true);
    choice.colour = 0x000000FF;
    person.answer = choice;
    ASSERT_TRUE(dialog.open());
    const ui::FontDialogResults confirmed{1, 1, 0, 1, kSerif, 20, 0x000000FF};
    EXPECT_EQ(dialog.results(), confirmed);

    person.answer.reset();
    EXPECT_FALSE(dialog.open());
    EXPECT_EQ(dialog.results(), confirmed);
    ASSERT_TRUE(person.start.has_value());
    EXPECT_EQ(person.start->font.pixelSize(), 27);
    EXPECT_EQ(person.start->font.weight(), QFont::Bold);
    EXPECT_TRUE(person.start->font.italic());
    EXPECT_TRUE(person.start->font.underline());
    EXPECT_FALSE(person.start->font.strikeOut());
    EXPECT_EQ(person.start->font.family(), kSerif);
    EXPECT_EQ(person.start->colour, 0x000000FFu);
}

// Presses a button of the chooser once it is up.
void answerChooser(bool accept, ui::ColourValue *colourShown = nullptr)
{
    QTimer::singleShot(0, [accept, colourShown] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_NE(dialog->findChild<QFontDialog *>(), nullptr);
        for (QToolButton *button : dialog->findChildren<QToolButton *>()) {
            if (auto *picker = dynamic_cast<ui::ColourPicker *>(button); picker && colourShown)
                *colourShown = picker->colour();
        }
        accept ? dialog->accept() : dialog->reject();
    });
}

TEST_F(FontsTest, StandardChooserIsPresetAndHandsBackTheChoice)
{
    window.show();
    QFont start(kSerif);
    start.setPixelSize(28); // 21 points at 96 dots per inch
    start.setWeight(QFont::Bold);
    start.setStrikeOut(true);
    const ui::FontChooser chooser = ui::FontDialog::standardChooser();

    ui::ColourValue shownColour = 0;
    answerChooser(true, &shownColour);
    const std::optional<ui::FontChoice> chosen = chooser({start, 0x0000FF00}, &window);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(shownColour, 0x0000FF00u);
    EXPECT_EQ(chosen->colour, 0x0000FF00u);
    EXPECT_EQ(chosen->font.family(), kSerif);
    EXPECT_DOUBLE_EQ(chosen->font.pointSizeF(), 21.0);
    EXPECT_GE(chosen->font.weight(), QFont::Bold);
    EXPECT_TRUE(chosen->font.strikeOut());
    EXPECT_FALSE(chosen->font.underline());

    answerChooser(false);
    EXPECT_FALSE(chooser({start, 0}, &window).has_value());
}

TEST_F(FontsTest, FoundryIsNotPartOfTheFaceName)
{
    ui::FontDialog dialog(&window);
    ScriptedChooser person;
    dialog.setChooser(person.chooser());
    person.answer = pointChoice(QStringLiteral("Nimbus Sans [urw]"), 12, 400);
    ASSERT_TRUE(dialog.open());
    EXPECT_EQ(dialog.results().faceName, QStringLiteral("Nimbus Sans"));
}

// The parts of Qt's chooser inside the font dialog, found as a person finds them on screen.
struct ShownChooser {
    QDialog *dialog = nullptr;
    QFontDialog *fonts = nullptr;
    QComboBox *writingSystems = nullptr;
    QListView *families = nullptr;
    QListView *styles = nullptr;
    QLineEdit *size = nullptr;
    QLineEdit *preview = nullptr;
    ui::ColourPicker *colour = nullptr;

    static ShownChooser find()
    {
        ShownChooser shown;
        shown.dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!shown.dialog)
            return shown;
        shown.fonts = shown.dialog->findChild<QFontDialog *>();
        for (QToolButton *button : shown.dialog->findChildren<QToolButton *>())
            if (auto *picker = dynamic_cast<ui::ColourPicker *>(button))
                shown.colour = picker;
        if (!shown.fonts)
            return shown;
        shown.writingSystems = shown.fonts->findChild<QComboBox *>();
        const QList<QListView *> lists = shown.fonts->findChildren<QListView *>();
        if (lists.size() == 3) {
            shown.families = lists[0];
            shown.styles = lists[1];
        }
        for (QLineEdit *edit : shown.fonts->findChildren<QLineEdit *>()) {
            if (qobject_cast<QGroupBox *>(edit->parentWidget()))
                shown.preview = edit;
            else if (!edit->isReadOnly())
                shown.size = edit;
        }
        return shown;
    }

    bool complete() const
    {
        return dialog && fonts && writingSystems && families && styles && size && preview && colour;
    }
};

// Runs the steps on the chooser once it is up. A chooser the steps leave open is a failure,
// and is then cancelled so that the test goes on.
void withChooser(std::function<void(const ShownChooser &)> steps)
{
    QTimer::singleShot(0, [steps] {
        const ShownChooser shown = ShownChooser::find();
        if (!shown.complete()) {
            ADD_FAILURE() << "the chooser's parts were not found";
            if (shown.dialog)
                shown.dialog->reject();
            return;
        }
        steps(shown);
        if (shown.dialog->isVisible()) {
            ADD_FAILURE() << "the font dialog is still open";
            shown.dialog->reject();
        }
    });
}

void typeSize(const ShownChooser &shown, const char *points)
{
    shown.size->setFocus();
    shown.size->selectAll();
    QTest::keyClicks(shown.size, QString::fromLatin1(points));
}

TEST_F(FontsTest, OneEscapeCancelsAndOneEnterConfirmsFromAnyPartOfTheDialog)
{
    window.show();
    enum Part { FamilyList, StyleList, SizeBox, Preview, ColourButton };
    const struct {
        const char *what;
        Part part;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool confirms;
    } cases[] = {
        {"Esc in the family list", FamilyList, Qt::Key_Escape, {}, false},
        {"Esc in the size box", SizeBox, Qt::Key_Escape, {}, false},
        {"Esc on the colour button", ColourButton, Qt::Key_Escape, {}, false},
        {"Enter in the family list", FamilyList, Qt::Key_Return, {}, true},
        {"Enter in the style list", StyleList, Qt::Key_Return, {}, true},
        {"Enter in the size box", SizeBox, Qt::Key_Return, {}, true},
        {"keypad Enter in the size box", SizeBox, Qt::Key_Enter, Qt::KeypadModifier, true},
        {"Enter in the preview", Preview, Qt::Key_Return, {}, true},
        {"Enter on the colour button", ColourButton, Qt::Key_Return, {}, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ui::FontDialog dialog(&window);
        withChooser([&c](const ShownChooser &shown) {
            typeSize(shown, "20");
            QWidget *part = c.part == FamilyList  ? static_cast<QWidget *>(shown.families)
                            : c.part == StyleList ? static_cast<QWidget *>(shown.styles)
                            : c.part == SizeBox   ? static_cast<QWidget *>(shown.size)
                            : c.part == Preview   ? static_cast<QWidget *>(shown.preview)
                                                  : static_cast<QWidget *>(shown.colour);
            part->setFocus();
            QTest::keyClick(part, c.key, c.modifiers);
        });
        EXPECT_EQ(dialog.open(), c.confirms);
        if (c.confirms)
            EXPECT_EQ(dialog.results().size, 20);
        else
            EXPECT_EQ(dialog.results(), ui::FontDialogResults{});
    }
}

TEST_F(FontsTest, ChooserOpensOnChineseWithAPreviewInTheChosenColour)
{
    window.show();
    ui::FontDialog dialog(&window);
    withChooser([](const ShownChooser &shown) {
        EXPECT_EQ(shown.writingSystems->currentText(),
                  QFontDatabase::writingSystemName(QFontDatabase::SimplifiedChinese));
        EXPECT_EQ(shown.preview->text(), QFontDatabase::writingSystemSample(QFontDatabase::SimplifiedChinese));
        EXPECT_EQ(shown.preview->palette().color(QPalette::Text), QColor(0, 0, 0));
        shown.colour->confirmChoice(ui::colourValue(200, 30, 10));
        EXPECT_EQ(shown.preview->palette().color(QPalette::Text), QColor(200, 30, 10));
        // Every face listed can show the caption.
        const QAbstractItemModel *families = shown.families->model();
        for (int row = 0; row < families->rowCount(); ++row)
            EXPECT_TRUE(QFontDatabase::writingSystems(families->index(row, 0).data().toString())
                            .contains(QFontDatabase::SimplifiedChinese));
        shown.dialog->accept();
    });
    ASSERT_TRUE(dialog.open());
    EXPECT_EQ(dialog.results().colour, ui::colourValue(200, 30, 10));
}

TEST_F(FontsTest, ChoosingAFamilyKeepsTheStyleShownOrTakesItsNearest)
{
    window.show();
    const QString any = QFontDatabase::writingSystemName(QFontDatabase::Any);
    const struct {
        const char *what;
        const char *startFamily;
        int startWeight;
        std::vector<const char *> typed; // family names typed into the list, one after the other
        const char *style;               // the style shown at the end
    } cases[] = {
        {"a regular face to one with slanted styles listed first", "Noto Sans CJK SC", 400, {"DejaVu Sans"}, "Book"},
        {"a regular face to one with condensed styles listed first", "Noto Sans CJK SC", 400, {"DejaVu Serif"}, "Book"},
        {"a bold face keeps bold", "Noto Sans CJK SC", 700, {"DejaVu Sans"}, "Bold"},
        {"a regular face by another name", "Noto Sans CJK SC", 400, {"DejaVu Sans", "Noto Serif CJK JP"}, "Regular"},
        {"a regular face without Chinese is shown as it is", "DejaVu Sans", 400, {}, "Book"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        bool installed = QFontDatabase::hasFamily(QString::fromLatin1(c.startFamily));
        for (const char *family : c.typed)
            installed = installed && QFontDatabase::hasFamily(QString::fromLatin1(family));
        if (!installed)
            continue;
        ui::FontChoice start;
        start.font = QFont(QString::fromLatin1(c.startFamily));
        start.font.setPointSize(12);
        start.font.setWeight(QFont::Weight(c.startWeight));
        QString shownStyle;
        withChooser([&](const ShownChooser &shown) {
            if (!c.typed.empty()) {
                const int index = shown.writingSystems->findText(any);
                shown.writingSystems->setCurrentIndex(index);
                emit shown.writingSystems->activated(index);
            }
            shown.families->setFocus();
            for (std::size_t i = 0; i < c.typed.size(); ++i) {
                const QString family = QString::fromLatin1(c.typed[i]);
                // The first typed into the list as a person types; later ones picked as by a click.
                if (i == 0) {
                    shown.families->keyboardSearch(family);
                } else {
                    const QModelIndexList found = shown.families->model()->match(
                        shown.families->model()->index(0, 0), Qt::DisplayRole, family, 1, Qt::MatchExactly);
                    ASSERT_EQ(found.size(), 1);
                    shown.families->setCurrentIndex(found.first());
                }
                EXPECT_EQ(shown.families->currentIndex().data().toString(), family);
            }
            shownStyle = shown.styles->currentIndex().data().toString();
            QTest::keyClick(shown.families, Qt::Key_Return);
        });
        const std::optional<ui::FontChoice> chosen = ui::FontDialog::standardChooser()(start, &window);
        EXPECT_EQ(shownStyle, QString::fromLatin1(c.style));
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(chosen->font.style(), QFont::StyleNormal);
        EXPECT_EQ(chosen->font.weight() >= QFont::Bold, c.startWeight >= 700);
    }
}

} // namespace
