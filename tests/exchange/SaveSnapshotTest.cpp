#include "exchange/SaveSnapshot.h"
#include "ScopedEnv.h"

#include "codec/SnapshotImage.h"

#include "ExchangeTestSupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTime>

#include <gtest/gtest.h>

#include <optional>

namespace exchange {
namespace {

using test::folderEntries;
using test::readWholeFile;

class SaveFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkpath("home/Desktop"));
        ASSERT_TRUE(QDir(m_dir.path()).mkpath("home/Bureau"));
        ASSERT_TRUE(QDir(m_dir.path()).mkpath("config"));
        QFile file(path("home/afile"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString path(const QString &relative) const { return QDir(m_dir.path()).filePath(relative); }

    void setUserDirs(const QByteArray &line)
    {
        QFile file(path("config/user-dirs.dirs"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(line + "\n");
    }

private:
    QTemporaryDir m_dir;
};

TEST_F(SaveFolder, ChoosesTheDesktopElseHomeElseNothing)
{
    const QString home = path("home");
    const struct {
        QString desktop;
        QString home;
        QString chosen;
    } cases[] = {
        {path("home/Desktop"), home, path("home/Desktop")},
        {path("home/Desktop/"), home, path("home/Desktop")},
        {path("home/Missing"), home, home},
        {path("home/afile"), home, home},
        {QString(), home, home},
        {QStringLiteral("Desktop"), home, home}, // relative: not a place to save into
        {path("home/Missing"), path("nohome"), QString()},
        {QString(), QString(), QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(chooseSaveFolder(c.desktop, c.home), c.chosen)
            << c.desktop.toStdString() << " | " << c.home.toStdString();
}

TEST_F(SaveFolder, FollowsTheUsersDesktopSetting)
{
    const ScopedEnv home("HOME", path("home"));
    const ScopedEnv config("XDG_CONFIG_HOME", path("config"));

    setUserDirs("XDG_DESKTOP_DIR=\"$HOME/Bureau\"");
    EXPECT_EQ(desktopFolder(), path("home/Bureau"));

    setUserDirs("XDG_DESKTOP_DIR=\"$HOME/Gone\"");
    EXPECT_EQ(desktopFolder(), path("home"));

    QFile::remove(path("config/user-dirs.dirs"));
    EXPECT_EQ(desktopFolder(), path("home/Desktop"));

    ASSERT_TRUE(QDir(path("home/Desktop")).removeRecursively());
    EXPECT_EQ(desktopFolder(), path("home"));
}

TEST_F(SaveFolder, NoHomeGivesNoFolderRatherThanTheRoot)
{
    const ScopedEnv home("HOME", QString());
    const ScopedEnv config("XDG_CONFIG_HOME", path("config"));
    const QString folder = desktopFolder();
    EXPECT_NE(folder, QStringLiteral("/"));
}

class SaveSnapshotFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        environment.now = [this] {
            ++clockReads;
            return QDateTime(QDate(2016, 12, 10), QTime(3, 18, 30));
        };
        environment.folder = [this] { return m_dir.path(); };
    }
    QString folder() const { return m_dir.path(); }

    SaveEnvironment environment;
    int clockReads = 0;

private:
    QTemporaryDir m_dir;
};

TEST_F(SaveSnapshotFlow, WritesARealJpegNamedAfterTheMoment)
{
    const QImage picture = test::patternPicture(379, 384);
    const SaveOutcome first = savePicture(picture, environment);
    ASSERT_EQ(first.result, SaveResult::Saved);
    EXPECT_EQ(clockReads, 1);
    EXPECT_EQ(first.path, QDir(folder()).filePath(QString::fromUtf8("2016年12月10日3时18分30秒.jpg")));

    const QByteArray written = readWholeFile(first.path);
    EXPECT_TRUE(written.startsWith("\xff\xd8"));
    const std::optional<test::DecodedJpeg> decoded = test::decodeJpeg(written);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->image.size(), QSize(379, 384));

    // A second click in the same second keeps the first file.
    const SaveOutcome second = savePicture(picture, environment);
    ASSERT_EQ(second.result, SaveResult::Saved);
    EXPECT_EQ(second.path, QDir(folder()).filePath(QString::fromUtf8("2016年12月10日3时18分30秒(2).jpg")));
    EXPECT_EQ(readWholeFile(first.path), written);
    EXPECT_EQ(folderEntries(folder()).size(), 2);
}

TEST_F(SaveSnapshotFlow, WritesNothingForANullPicture)
{
    EXPECT_EQ(savePicture(QImage(), environment).result, SaveResult::NothingToSave);
    EXPECT_TRUE(folderEntries(folder()).isEmpty());
}

TEST_F(SaveSnapshotFlow, NoFolderFails)
{
    environment.folder = [] { return QString(); };
    EXPECT_EQ(savePicture(test::patternPicture(4, 4), environment).result, SaveResult::Failed);
}

} // namespace
} // namespace exchange
