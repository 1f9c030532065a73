#include "exchange/SaveSnapshot.h"

#include "codec/JpegEncoder.h"
#include "exchange/SaveName.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace exchange {

QString chooseSaveFolder(const QString &desktop, const QString &home)
{
    const auto usable = [](const QString &path) {
        if (path.isEmpty())
            return false;
        const QFileInfo info(path);
        return info.isAbsolute() && info.isDir();
    };
    if (usable(desktop))
        return QDir::cleanPath(desktop);
    if (usable(home))
        return QDir::cleanPath(home);
    return {};
}

QString desktopFolder()
{
    // QDir::homePath() answers "/" when HOME is unset; that is no home to save into.
    const QString home = qEnvironmentVariableIsEmpty("HOME") ? QString() : QDir::homePath();
    return chooseSaveFolder(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation), home);
}

namespace {

template <class Encode>
SaveOutcome saveEncoded(const SaveEnvironment &environment, Encode encode)
{
    const QString folder = environment.folder ? environment.folder() : desktopFolder();
    const QDateTime moment = environment.now ? environment.now() : QDateTime::currentDateTime();
    const QString baseName = dateTimeText(moment);
    const QByteArray jpeg = encode();
    if (folder.isEmpty() || baseName.isEmpty() || jpeg.isEmpty())
        return {};
    return saveUnique(folder, baseName, jpeg, environment.file);
}

} // namespace

SaveOutcome savePicture(const QImage &picture, const SaveEnvironment &environment)
{
    if (picture.isNull())
        return {SaveResult::NothingToSave, {}};
    return saveEncoded(environment, [&] { return codec::encodeJpeg(picture); });
}

} // namespace exchange
