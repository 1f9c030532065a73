#include "ExportFixture.h"
#include "ScopedEnv.h"

#include "codec/JpegEncoder.h"
#include "codec/PictureDecoder.h"
#include "codec/SnapshotImage.h"
#include "exchange/Handlers.h"
#include "ui/Buttons.h"
#include "ui/ListBox.h"
#include "ui/PictureBox.h"
#include "ui/Window.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <optional>

namespace exchange::test {
namespace {

const QString kFirstName = QString::fromUtf8("2016年12月10日3时18分30秒.jpg");
const QString kSecondName = QString::fromUtf8("2016年12月10日3时18分30秒(2).jpg");

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage decodedFile(const QByteArray &bytes)
{
    const std::optional<codec::DecodedPicture> decoded = codec::decodePicture(bytes);
    return decoded ? decoded->frames.first() : QImage();
}

class SaveTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        showPicture(quadrantPicture(QSize(50, 50)), QSize(379, 384));
        placeCaption(QStringLiteral("ZANVO"), QPoint(60, 150), QSize(220, 40));
    }
};

TEST_F(SaveTest, WritesTheAreaAsARealJpegNamedAfterTheClickAndNeverReplacesOne)
{
    window().button(u"按钮3").click();
    ASSERT_EQ(savedFiles(), QStringList{kFirstName});
    EXPECT_EQ(clockReads, 1);
    EXPECT_EQ(buttonCaption(u"按钮3"), QStringLiteral("保存成功!!"));

    const QByteArray first = readWholeFile(QDir(folder()).filePath(kFirstName));
    EXPECT_TRUE(first.startsWith("\xff\xd8\xff")) << "a JPEG, not BMP bytes under a .jpg name";
    // Made from the pixels, the file is the one the snapshot itself would give.
    const codec::SnapshotImage snapshot = takeSnapshot(controls(), 379, 384);
    EXPECT_EQ(first, codec::encodeJpegFromSnapshot(snapshot));
    const QImage decoded = decodedFile(first);
    ASSERT_EQ(decoded.size(), QSize(379, 384));
    EXPECT_EQ(differingPixels(decoded, screenOverArea(), 48), 0);

    // A second click in the same second keeps the first file.
    window().button(u"按钮3").click();
    QStringList both = savedFiles();
    both.sort();
    QStringList expected{kFirstName, kSecondName};
    expected.sort();
    EXPECT_EQ(both, expected);
    EXPECT_EQ(readWholeFile(QDir(folder()).filePath(kFirstName)), first);
    EXPECT_EQ(clockReads, 2);
}

TEST_F(SaveTest, ALargeAreaSavesTheSnapshotsPixelsAsWell)
{
    // Past the window's edge: the saved file still holds the whole area.
    showPicture(quadrantPicture(QSize(50, 50)), QSize(2000, 1500));
    showMask(QRect(1500, 1200, 300, 200), QColor(0x33, 0x66, 0xcc));
    window().button(u"按钮3").click();
    ASSERT_EQ(savedFiles(), QStringList{kFirstName});
    const QImage saved = decodedFile(readWholeFile(QDir(folder()).filePath(kFirstName)));
    const QImage snapshotAsJpeg = decodedFile(codec::encodeJpegFromSnapshot(takeSnapshot(controls(), 2000, 1500)));
    ASSERT_EQ(saved.size(), QSize(2000, 1500));
    EXPECT_EQ(saved, snapshotAsJpeg);
}

TEST_F(SaveTest, FailedWritesLeaveNoFileAndTheCaptionAsItWas)
{
    QFile regular(tempPath(QStringLiteral("a-file")));
    ASSERT_TRUE(regular.open(QIODevice::WriteOnly));
    regular.close();
    const QString unwritable = tempPath(QStringLiteral("a-file/Desktop"));

    const struct {
        const char *what;
        std::function<QString()> folder;
        WriteFunction write;
        TemporaryKind temporary;
    } cases[] = {
        {"disk full, unnamed temporary", nullptr, [](int, QByteArrayView) { return false; }, TemporaryKind::Anonymous},
        {"disk full, named temporary", nullptr, [](int, QByteArrayView) { return false; }, TemporaryKind::Named},
        {"folder under a regular file", [unwritable] { return unwritable; }, writeAllBytes, TemporaryKind::Anonymous},
        {"no folder at all", [] { return QString(); }, writeAllBytes, TemporaryKind::Anonymous},
    };
    for (const auto &c : cases) {
        SaveEnvironment &save = exchange().save;
        save.folder = c.folder ? c.folder : std::function<QString()>([this] { return folder(); });
        save.file.write = c.write;
        save.file.temporary = c.temporary;
        window().button(u"按钮3").click();
        EXPECT_EQ(savedFiles(), QStringList{QStringLiteral("a-file")}) << c.what;
        EXPECT_EQ(buttonCaption(u"按钮3"), QStringLiteral("保存到桌面")) << c.what;
    }
}

TEST_F(SaveTest, AnEmptyPictureAreaWritesNothingAndReportsNoSuccess)
{
    area().setWidth(0);
    window().button(u"按钮3").click();
    EXPECT_TRUE(savedFiles().isEmpty());
    EXPECT_EQ(buttonCaption(u"按钮3"), QStringLiteral("保存到桌面"));
}

TEST_F(SaveTest, GoesToTheDesktopFolderElseToHome)
{
    const QString home = tempPath(QStringLiteral("home"));
    ASSERT_TRUE(QDir().mkpath(home + QStringLiteral("/Desktop")));
    const ScopedEnv homeVariable("HOME", home);
    const ScopedEnv config("XDG_CONFIG_HOME", tempPath(QStringLiteral("config")));
    exchange().save.folder = [] { return desktopFolder(); };

    window().button(u"按钮3").click();
    EXPECT_TRUE(QFile::exists(home + QStringLiteral("/Desktop/") + kFirstName));

    ASSERT_TRUE(QDir(home + QStringLiteral("/Desktop")).removeRecursively());
    window().button(u"按钮3").click();
    EXPECT_TRUE(QFile::exists(home + QStringLiteral("/") + kFirstName));
}

TEST_F(SaveTest, ChoosingATemplatePutsBothCaptionsBack)
{
    window().button(u"按钮3").click();
    window().button(u"按钮1").click();
    EXPECT_EQ(buttonCaption(u"按钮3"), QStringLiteral("保存成功!!"));
    EXPECT_EQ(buttonCaption(u"按钮1"), QStringLiteral("复制成功!!"));
    window().listBox(u"列表框1").setCurrentRow(9);
    EXPECT_EQ(buttonCaption(u"按钮3"), QStringLiteral("保存到桌面"));
    EXPECT_EQ(buttonCaption(u"按钮1"), QStringLiteral("复制图片"));
    EXPECT_EQ(area().size(), QSize(264, 237));

    window().button(u"按钮3").click();
    ASSERT_EQ(savedFiles().size(), 2);
    const QImage saved = decodedFile(readWholeFile(QDir(folder()).filePath(kSecondName)));
    EXPECT_EQ(saved.size(), QSize(264, 237));
}

using CopyTest = SaveTest;

TEST_F(CopyTest, PlacesThePictureOfTheAreasSizeAndPixels)
{
    window().button(u"按钮1").click();
    ASSERT_EQ(placed.size(), 1);
    EXPECT_EQ(placed.first().size(), QSize(379, 384));
    EXPECT_EQ(differingPixels(placed.first(), composePictureArea(controls(), 379, 384)), 0);
    EXPECT_EQ(buttonCaption(u"按钮1"), QStringLiteral("复制成功!!"));
    EXPECT_TRUE(savedFiles().isEmpty());
}

TEST_F(CopyTest, NothingPlacedLeavesTheCaption)
{
    clipboardAccepts = false;
    window().button(u"按钮1").click();
    EXPECT_EQ(placed.size(), 1);
    EXPECT_EQ(buttonCaption(u"按钮1"), QStringLiteral("复制图片"));

    // An empty picture area does not even ask: the user's clipboard keeps what it held.
    clipboardAccepts = true;
    area().setHeight(0);
    window().button(u"按钮1").click();
    EXPECT_EQ(placed.size(), 1);
    EXPECT_EQ(buttonCaption(u"按钮1"), QStringLiteral("复制图片"));
}

TEST(SystemClipboard, HoldsThePictureAfterThePlacerReturns)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("what the user had"));
    EXPECT_FALSE(placeOnSystemClipboard(QImage()));
    EXPECT_EQ(clipboard->text(), QStringLiteral("what the user had"));

    {
        QImage picture = quadrantPicture(QSize(30, 20));
        ASSERT_TRUE(placeOnSystemClipboard(picture));
    }
    const QImage held = clipboard->image();
    ASSERT_EQ(held.size(), QSize(30, 20));
    EXPECT_EQ(differingPixels(held, quadrantPicture(QSize(30, 20))), 0);
}

} // namespace
} // namespace exchange::test
