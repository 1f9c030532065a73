#include "EditorFixture.h"

#include "ui/Buttons.h"
#include "ui/DropTarget.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/TransparentLabel.h"

#include <QApplication>
#include <QByteArray>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QMimeData>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QVariant>

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

QString fixture(const char *relative)
{
    return QStringLiteral(ZANVO_FIXTURES "/") + QString::fromUtf8(relative);
}

std::unique_ptr<QMimeData> filesDrag(const QStringList &paths)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}

// A text/uri-list as the platform hands over a drop: the bytes as the source wrote them
// (QMimeData::setData would parse them into URLs first).
class RawUriList : public QMimeData {
public:
    explicit RawUriList(QByteArray list) : m_list(std::move(list)) {}
    QStringList formats() const override { return {QStringLiteral("text/uri-list")}; }
    bool hasFormat(const QString &mimeType) const override { return mimeType == QLatin1String("text/uri-list"); }

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override
    {
        if (mimeType != QLatin1String("text/uri-list"))
            return {};
        if (type.id() == QMetaType::QByteArray)
            return m_list;
        return QMimeData::retrieveData(mimeType, type);
    }

private:
    QByteArray m_list;
};

std::unique_ptr<QMimeData> uriListDrag(const QByteArray &uriList)
{
    return std::make_unique<RawUriList>(uriList);
}

struct UriCase {
    const char *name;
    QByteArray uriList;
    QStringList expected;
};

void PrintTo(const UriCase &c, std::ostream *os)
{
    *os << c.name;
}

class DroppedFilesTest : public ::testing::TestWithParam<UriCase> {};

// What Linux file managers put in text/uri-list: escaped UTF-8, CR LF between the lines.
TEST_P(DroppedFilesTest, LocalPathsInDeliveryOrder)
{
    const std::unique_ptr<QMimeData> data = uriListDrag(GetParam().uriList);
    EXPECT_EQ(ui::droppedFiles(*data), GetParam().expected);
    EXPECT_EQ(ui::acceptsDrag(*data, Qt::CopyAction | Qt::MoveAction), !GetParam().expected.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    UriLists, DroppedFilesTest,
    ::testing::Values(
        UriCase{"OneFile", "file:///home/u/a.jpg\r\n", {QStringLiteral("/home/u/a.jpg")}},
        UriCase{"EscapedChineseAndSpace",
                "file:///home/u/%E7%85%A7%E7%89%87%20%E4%B8%80.jpg\r\n",
                {QStringLiteral("/home/u/照片 一.jpg")}},
        UriCase{"TwoFilesInOrder",
                "file:///b/2.jpg\r\nfile:///a/1.jpg\r\n",
                {QStringLiteral("/b/2.jpg"), QStringLiteral("/a/1.jpg")}},
        UriCase{"LocalhostNamed", "file://localhost/home/u/a.jpg\r\n", {QStringLiteral("/home/u/a.jpg")}},
        UriCase{"AnotherMachine", "file://faraway/home/u/a.jpg\r\n", {}},
        UriCase{"WebLink", "https://example.org/cat.jpg\r\n", {}},
        UriCase{
            "WebLinkBesideAFile", "https://example.org/cat.jpg\r\nfile:///a/1.jpg\r\n", {QStringLiteral("/a/1.jpg")}},
        UriCase{"Empty", "", {}},
        // An entry is one path: a line break inside it never splits it into two names.
        UriCase{"EscapedCrLfInAName", "file:///home/u/a%0D%0Ab.jpg\r\n", {}},
        UriCase{"EscapedLfInAName", "file:///home/u/a%0Ab.jpg\r\nfile:///a/1.jpg\r\n", {QStringLiteral("/a/1.jpg")}},
        UriCase{"RawLfInsideAnEntry", "file:///home/u/x\ny.jpg\r\nfile:///a/1.jpg\r\n", {QStringLiteral("/a/1.jpg")}},
        UriCase{"RawCrInsideAnEntry", "file:///home/u/p\rq.jpg\r\n", {}},
        UriCase{"LinesEndingInLfOnly",
                "file:///b/2.jpg\nfile:///a/1.jpg\n",
                {QStringLiteral("/b/2.jpg"), QStringLiteral("/a/1.jpg")}},
        UriCase{"RelativePath", "file:a/1.jpg\r\n", {}}, UriCase{"EscapedNul", "file:///a/1.jpg%00.png\r\n", {}},
        UriCase{"CommentLine", "# dragged from a file manager\r\nfile:///a/1.jpg\r\n", {QStringLiteral("/a/1.jpg")}}),
    [](const ::testing::TestParamInfo<UriCase> &row) { return std::string(row.param.name); });

TEST(DropRules, TextHtmlAndMoveOnlyDragsAreRefused)
{
    QMimeData text;
    text.setText(QStringLiteral("/home/u/a.jpg"));
    EXPECT_FALSE(ui::acceptsDrag(text, Qt::CopyAction));
    QMimeData html;
    html.setHtml(QStringLiteral("<img src=\"file:///home/u/a.jpg\">"));
    EXPECT_FALSE(ui::acceptsDrag(html, Qt::CopyAction));
    // Taking a file the source offers only to move would have the source delete it.
    const std::unique_ptr<QMimeData> files = filesDrag({QStringLiteral("/home/u/a.jpg")});
    EXPECT_FALSE(ui::acceptsDrag(*files, Qt::MoveAction));
    EXPECT_TRUE(ui::acceptsDrag(*files, Qt::CopyAction));
}

TEST(DropRules, GotFileTextIsOnePathAloneOrEveryPathWithCrLf)
{
    EXPECT_EQ(ui::gotFileText({QStringLiteral("/a b/1.jpg")}), QStringLiteral("/a b/1.jpg"));
    EXPECT_EQ(ui::gotFileText({QStringLiteral("/1.jpg"), QStringLiteral("/2.jpg")}),
              QStringLiteral("/1.jpg\r\n/2.jpg\r\n"));
}

struct DragResult {
    bool accepted = false;
    Qt::DropAction action = Qt::IgnoreAction;
};

class DropTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    ui::PictureBox &area() const { return w().pictureBox(u"图片框1"); }

    static DragResult enter(QWidget &target, const QMimeData &data,
                            Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction)
    {
        QDragEnterEvent event(QPoint(2, 2), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
        return {event.isAccepted(), event.dropAction()};
    }

    static DragResult drop(QWidget &target, const QMimeData &data,
                           Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction)
    {
        if (!enter(target, data, offered).accepted)
            return {};
        QDropEvent event(QPointF(2, 2), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
        return {event.isAccepted(), event.dropAction()};
    }

    DragResult dropFiles(const QStringList &paths) { return drop(area(), *filesDrag(paths)); }

    QString copyNamed(const char *fixtureName, const QString &name) const
    {
        const QString path = folder.filePath(name);
        QFile::copy(fixture(fixtureName), path);
        return path;
    }

    QString writeFile(const QString &name, const QByteArray &bytes) const
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    QSize areaSize() const { return area().size(); }
    QString sizeLabels() const { return w().label(u"标签1").caption() + w().label(u"标签4").caption(); }

    QTemporaryDir folder;
};

struct PictureCase {
    const char *name;
    const char *file;
    QSize size;
};

void PrintTo(const PictureCase &c, std::ostream *os)
{
    *os << c.name;
}

class PictureDropTest : public DropTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(PictureDropTest, TheAreaTakesThePicturesSizeAtItsPlace)
{
    const PictureCase &c = GetParam();
    const DragResult result = dropFiles({fixture(c.file)});
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.action, Qt::CopyAction);
    EXPECT_EQ(areaSize(), c.size);
    EXPECT_EQ(area().pos(), QPoint(5, 16));
    EXPECT_TRUE(area().hasPicture());
    EXPECT_EQ(area().currentFrame().size(), c.size);
    EXPECT_EQ(w().label(u"标签1").caption(), QStringLiteral("图片宽度：%1").arg(c.size.width()));
    EXPECT_EQ(w().label(u"标签4").caption(), QStringLiteral("图片高度：%1").arg(c.size.height()));
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureDropTest,
                         ::testing::Values(PictureCase{"Jpeg", "jpeg/testorig.jpg", {227, 149}},
                                           PictureCase{"Png", "misc/python.png", {16, 16}},
                                           PictureCase{"Bmp", "misc/python.bmp", {16, 16}},
                                           PictureCase{"Gif", "misc/python.gif", {16, 16}},
                                           PictureCase{"IconTakesItsLargestImage", "misc/idle.ico", {256, 256}}),
                         [](const ::testing::TestParamInfo<PictureCase> &row) { return std::string(row.param.name); });

TEST_F(DropTest, OnlyThePictureAreaAndTheMaskInsideItTakeDrops)
{
    EXPECT_FALSE(w().dropTarget(u"拖放对象1").registerOn(&w().pictureBox(u"图片框1")));
    for (QWidget *widget : main().findChildren<QWidget *>()) {
        const bool inArea = widget == &area() || widget == w().widget(u"标签6");
        EXPECT_EQ(widget->acceptDrops(), inArea)
            << widget->metaObject()->className() << " " << widget->objectName().toStdString();
    }
    EXPECT_FALSE(main().acceptDrops());
}

TEST_F(DropTest, DropOnTheMaskLoadsLikeTheRestOfTheArea)
{
    QTest::mouseClick(&w().radioButton(u"单选框1"), Qt::LeftButton);
    ui::Label &mask = w().label(u"标签6");
    const DragResult result = drop(mask, *filesDrag({fixture("jpeg/testorig.jpg")}));
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(areaSize(), QSize(227, 149));
    EXPECT_TRUE(mask.isVisible());
    EXPECT_EQ(mask.geometry(), QRect(11, 8, 104, 48));
}

TEST_F(DropTest, TextHtmlLinksAndMoveOnlyDragsAreRefusedOverTheAreaAndTheMask)
{
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    QMimeData html;
    html.setHtml(QStringLiteral("<b>hello</b>"));
    const std::unique_ptr<QMimeData> link = uriListDrag("https://example.org/cat.jpg\r\n");
    const std::unique_ptr<QMimeData> file = filesDrag({fixture("jpeg/testorig.jpg")});
    for (QWidget *target : {static_cast<QWidget *>(&area()), w().widget(u"标签6")}) {
        EXPECT_FALSE(enter(*target, text).accepted);
        EXPECT_FALSE(enter(*target, html).accepted);
        EXPECT_FALSE(enter(*target, *link).accepted);
        EXPECT_FALSE(enter(*target, *file, Qt::MoveAction).accepted);
    }
    // Even a drop delivered without an accepted enter loads nothing.
    QDropEvent event(QPointF(2, 2), Qt::MoveAction, file.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&area(), &event);
    EXPECT_FALSE(event.isAccepted());
    EXPECT_EQ(areaSize(), QSize(379, 384));
}

TEST_F(DropTest, AFileThatIsNoPictureLeavesTheCurrentPictureAsItWas)
{
    ASSERT_TRUE(dropFiles({fixture("jpeg/testorig.jpg")}).accepted);
    const QImage before = area().currentFrame();
    const QString labels = sizeLabels();
    const QString text = writeFile(QStringLiteral("notes.txt"), "not a picture\n");
    const QString empty = writeFile(QStringLiteral("empty.jpg"), QByteArray());
    const QString truncated = writeFile(QStringLiteral("cut.jpg"), [] {
        QFile whole(fixture("jpeg/testorig.jpg"));
        whole.open(QIODevice::ReadOnly);
        return whole.read(600);
    }());
    for (const QString &path : {text, empty, truncated, folder.filePath(QStringLiteral("gone.jpg")), folder.path()}) {
        EXPECT_TRUE(dropFiles({path}).accepted) << path.toStdString();
        EXPECT_EQ(areaSize(), QSize(227, 149)) << path.toStdString();
        EXPECT_EQ(area().currentFrame(), before) << path.toStdString();
        EXPECT_EQ(sizeLabels(), labels) << path.toStdString();
    }
}

TEST_F(DropTest, SeveralFilesLoadTheFirstThatIsAPicture)
{
    const QString text = writeFile(QStringLiteral("notes.txt"), "not a picture\n");
    dropFiles({text, fixture("jpeg/testorig.jpg"), fixture("misc/idle.ico")});
    EXPECT_EQ(areaSize(), QSize(227, 149));
    dropFiles({fixture("misc/idle.ico"), fixture("jpeg/testorig.jpg")});
    EXPECT_EQ(areaSize(), QSize(256, 256));
}

TEST_F(DropTest, ChineseNameWithASpaceLoadsFromAnEscapedUriList)
{
    const QString path = copyNamed("jpeg/testorig.jpg", QStringLiteral("照片 一.jpg"));
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded();
    ASSERT_TRUE(uri.contains("%E7%85%A7")) << uri.toStdString();
    EXPECT_TRUE(drop(area(), *uriListDrag(uri + "\r\n")).accepted);
    EXPECT_EQ(areaSize(), QSize(227, 149));
}

TEST_F(DropTest, TheDroppedFileIsLeftAsItWas)
{
    const QString path = copyNamed("misc/python.gif", QStringLiteral("python.gif"));
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    const QByteArray before = [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    const QDateTime modified = QFileInfo(path).lastModified();
    // A read-only file loads: it is opened for reading only.
    EXPECT_EQ(dropFiles({path}).action, Qt::CopyAction);
    EXPECT_EQ(areaSize(), QSize(16, 16));
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(QFileInfo(path).lastModified(), modified);
}

TEST_F(DropTest, EverythingButThePictureAreaStaysAsItWas)
{
    ui::TransparentLabel &caption = w().transparentLabel(u"透明标签1");
    caption.setLeft(120);
    caption.setText(QStringLiteral("新的文字"));
    w().button(u"按钮1").setCaption(QStringLiteral("复制成功!!"));
    w().button(u"按钮3").setCaption(QStringLiteral("保存成功!!"));
    const QRect captionPlace = caption.geometry();
    const QRect maskPlace = w().label(u"标签6").geometry();
    const int captionSize = caption.fontSettings().size;
    dropFiles({fixture("jpeg/testorig.jpg")});
    EXPECT_EQ(caption.geometry(), captionPlace);
    EXPECT_EQ(caption.text(), QStringLiteral("新的文字"));
    EXPECT_EQ(caption.fontSettings().size, captionSize);
    EXPECT_EQ(w().label(u"标签6").geometry(), maskPlace);
    EXPECT_FALSE(w().label(u"标签6").isVisible());
    EXPECT_EQ(w().button(u"按钮1").caption(), QStringLiteral("复制成功!!"));
    EXPECT_EQ(w().button(u"按钮3").caption(), QStringLiteral("保存成功!!"));
}

} // namespace
