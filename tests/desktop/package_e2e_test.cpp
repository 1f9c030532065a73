#include "E2e.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kAppId = QStringLiteral(ZANVO_APP_ID);

// The package is made once, from this build, into a folder of the suite's own.
class PackageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<QTemporaryDir>();
        QProcess cpack;
        cpack.setProcessChannelMode(QProcess::MergedChannels);
        cpack.start(QStringLiteral(ZANVO_CPACK),
                    {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                     QStringLiteral(ZANVO_CPACK_CONFIG), QStringLiteral("-B"), s_folder->path()});
        // Stripping and dpkg-shlibdeps take a while in a sanitizer build.
        const bool ended = cpack.waitForFinished(300000);
        s_log = QString::fromUtf8(cpack.readAll());
        const QStringList made = QDir(s_folder->path()).entryList({QStringLiteral("*.deb")}, QDir::Files);
        if (ended && cpack.exitStatus() == QProcess::NormalExit && cpack.exitCode() == 0 && made.size() == 1)
            s_package = QDir(s_folder->path()).filePath(made.first());
    }
    static void TearDownTestSuite() { s_folder.reset(); }

    void SetUp() override { ASSERT_FALSE(s_package.isEmpty()) << s_log.toStdString(); }

    static QString field(const QString &name)
    {
        return e2e::run(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), s_package, name});
    }
    // The package names of a relationship field, without their version constraints.
    static QSet<QString> names(const QString &relationship)
    {
        QSet<QString> out;
        for (const QString &entry : relationship.split(QLatin1Char(','), Qt::SkipEmptyParts))
            out.insert(entry.trimmed().section(QLatin1Char(' '), 0, 0));
        return out;
    }

    static inline std::unique_ptr<QTemporaryDir> s_folder;
    static inline QString s_package;
    static inline QString s_log;
};

TEST_F(PackageTest, ControlNamesTheLinkedLibrariesAndWhatTheEditorLoads)
{
    EXPECT_EQ(field(QStringLiteral("Package")), QStringLiteral("zanvo"));
    EXPECT_EQ(field(QStringLiteral("Version")), QStringLiteral(ZANVO_VERSION));
    EXPECT_EQ(field(QStringLiteral("Architecture")),
              e2e::run(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}));
    EXPECT_EQ(
        QFileInfo(s_package).fileName(),
        QStringLiteral("zanvo_%1_%2.deb").arg(QStringLiteral(ZANVO_VERSION), field(QStringLiteral("Architecture"))));

    const QSet<QString> depends = names(field(QStringLiteral("Depends")));
    for (const char *needed : {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6", "libturbojpeg0",
                               "fonts-noto-cjk", "qt6-image-formats-plugins"})
        EXPECT_TRUE(depends.contains(QString::fromUtf8(needed))) << needed;
    const QSet<QString> recommends = names(field(QStringLiteral("Recommends")));
    EXPECT_EQ(recommends, (QSet<QString>{QStringLiteral("qt6-wayland"), QStringLiteral("qttranslations6-l10n")}));
}

class UnpackedPackageTest : public PackageTest {
protected:
    void SetUp() override
    {
        PackageTest::SetUp();
        ASSERT_TRUE(root.isValid());
        int code = -1;
        e2e::run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), s_package, root.path()}, &code);
        ASSERT_EQ(code, 0);
    }
    QString path(const QString &relative) const { return root.filePath(relative); }

    QTemporaryDir root;
};

TEST_F(UnpackedPackageTest, HoldsTheEditorItsMenuEntryThemeIconsAndMetainfoAndNothingElse)
{
    QSet<QString> expected{QStringLiteral("usr/bin/zanvo"),
                           QStringLiteral("usr/share/applications/%1.desktop").arg(kAppId),
                           QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(kAppId)};
    const QList<int> sizes{16, 22, 24, 32, 48, 64, 128, 256};
    for (const int size : sizes)
        expected.insert(QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId));

    QSet<QString> found;
    QDirIterator files(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext())
        found.insert(QDir(root.path()).relativeFilePath(files.next()));
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("usr/bin/zanvo"))).isExecutable());

    for (const int size : sizes) {
        const QImage icon(path(QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId)));
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel()) << size;
    }

    // The metainfo as software centres read it beside the menu entry it names.
    int code = -1;
    const QString report = e2e::run(
        QStringLiteral("appstreamcli"),
        {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), QStringLiteral("--strict"), root.path()}, &code);
    EXPECT_EQ(code, 0) << report.toStdString();
}

TEST_F(UnpackedPackageTest, ItsEditorStartsFromThereAndEndsOnEscape)
{
    e2e::EditorProcess editor({.binary = path(QStringLiteral("usr/bin/zanvo"))});
    ASSERT_TRUE(editor.started()) << editor.process().readAllStandardError().toStdString();
    editor.key(QStringLiteral("Escape"));
    EXPECT_EQ(editor.waitForExit(), 0);
}

} // namespace
