#include "exchange/SafeFile.h"

#include "ExchangeTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace exchange {
namespace {

using test::folderEntries;
using test::readWholeFile;

const QString kBase = QString::fromUtf8("2016年12月10日3时18分30秒");

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Both ways of making the temporary file must behave alike.
class SafeSave : public ::testing::TestWithParam<TemporaryKind> {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    SaveOutcome save(QByteArrayView bytes, const QString &base = kBase)
    {
        SaveOptions options;
        options.temporary = GetParam();
        return saveUnique(folder(), base, bytes, options);
    }
    QString folder() const { return m_dir.path(); }
    QString pathOf(const QString &name) const { return QDir(folder()).filePath(name); }

private:
    QTemporaryDir m_dir;
};

TEST_P(SafeSave, WritesExactlyTheBytesUnderTheName)
{
    const char raw[] = "\xff\xd8 some picture bytes\0 \xff\xd9";
    const QByteArray bytes(raw, sizeof raw - 1);
    const SaveOutcome outcome = save(bytes);
    ASSERT_EQ(outcome.result, SaveResult::Saved);
    EXPECT_EQ(outcome.path, pathOf(kBase + ".jpg"));
    EXPECT_EQ(readWholeFile(outcome.path), bytes);
    EXPECT_EQ(folderEntries(folder()), QStringList{kBase + ".jpg"}); // no temporary left behind

    // Created like any other new file of the user's, not private or unreadable.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(outcome.path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST_P(SafeSave, TakenNamesGetTheNextNumberAndAreNeverReplaced)
{
    ASSERT_TRUE(writeFile(pathOf(kBase + ".jpg"), "older file"));
    ASSERT_TRUE(QDir(folder()).mkdir(kBase + "(3).jpg")); // a folder takes the name as well

    const SaveOutcome second = save("second");
    ASSERT_EQ(second.result, SaveResult::Saved);
    EXPECT_EQ(second.path, pathOf(kBase + "(2).jpg"));
    const SaveOutcome fourth = save("fourth");
    ASSERT_EQ(fourth.result, SaveResult::Saved);
    EXPECT_EQ(fourth.path, pathOf(kBase + "(4).jpg"));

    EXPECT_EQ(readWholeFile(pathOf(kBase + ".jpg")), QByteArray("older file"));
    EXPECT_EQ(readWholeFile(second.path), QByteArray("second"));
    EXPECT_EQ(readWholeFile(fourth.path), QByteArray("fourth"));
    EXPECT_EQ(folderEntries(folder()).size(), 4);
}

TEST_P(SafeSave, FailsWhenEveryNumberIsTaken)
{
    for (int number = 1; number <= kMaxSaveNumber; ++number)
        ASSERT_TRUE(writeFile(pathOf(number == 1 ? "n.jpg" : QStringLiteral("n(%1).jpg").arg(number)), {}));
    const SaveOutcome outcome = save("bytes", QStringLiteral("n"));
    EXPECT_EQ(outcome.result, SaveResult::Failed);
    EXPECT_TRUE(outcome.path.isEmpty());
    EXPECT_EQ(folderEntries(folder()).size(), kMaxSaveNumber);
}

TEST_P(SafeSave, FailedWriteLeavesNoFile)
{
    SaveOptions options;
    options.temporary = GetParam();
    // Half the bytes reach the disk, then it is full.
    options.write = [](int fd, QByteArrayView bytes) {
        writeAllBytes(fd, bytes.first(bytes.size() / 2));
        return false;
    };
    const SaveOutcome outcome = saveUnique(folder(), kBase, QByteArray(100'000, 'x'), options);
    EXPECT_EQ(outcome.result, SaveResult::Failed);
    EXPECT_TRUE(folderEntries(folder()).isEmpty());
}

TEST_P(SafeSave, EmptyBytesWriteNothing)
{
    EXPECT_EQ(save(QByteArrayView()).result, SaveResult::NothingToSave);
    EXPECT_TRUE(folderEntries(folder()).isEmpty());
}

TEST_P(SafeSave, RefusesNamesThatLeaveTheFolder)
{
    for (const QString &base :
         {QString(), QStringLiteral("../up"), QStringLiteral("a/b"), QStringLiteral("."), QStringLiteral("..")})
        EXPECT_EQ(save("bytes", base).result, SaveResult::Failed) << base.toStdString();
    EXPECT_TRUE(folderEntries(folder()).isEmpty());
}

TEST_P(SafeSave, UnwritableFolderFailsAndLeavesNoFile)
{
    // Root ignores permission bits, so it only gets the folders that cannot exist.
    ASSERT_TRUE(writeFile(pathOf("plain-file"), "x"));
    for (const QString &target : {pathOf("plain-file/inside"), pathOf("missing"), QString()}) {
        SaveOptions options;
        options.temporary = GetParam();
        EXPECT_EQ(saveUnique(target, kBase, "bytes", options).result, SaveResult::Failed) << target.toStdString();
    }
    EXPECT_EQ(folderEntries(folder()), QStringList{"plain-file"});

    if (::geteuid() != 0) {
        const QString readOnly = pathOf("read-only");
        ASSERT_TRUE(QDir(folder()).mkdir("read-only"));
        ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
        SaveOptions options;
        options.temporary = GetParam();
        EXPECT_EQ(saveUnique(readOnly, kBase, "bytes", options).result, SaveResult::Failed);
        EXPECT_TRUE(folderEntries(readOnly).isEmpty());
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

INSTANTIATE_TEST_SUITE_P(Temporaries, SafeSave, ::testing::Values(TemporaryKind::Anonymous, TemporaryKind::Named),
                         [](const ::testing::TestParamInfo<TemporaryKind> &param) {
                             return param.param == TemporaryKind::Anonymous ? "Anonymous" : "Named";
                         });

} // namespace
} // namespace exchange
