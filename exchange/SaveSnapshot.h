#pragma once

#include "codec/SnapshotImage.h"
#include "exchange/SafeFile.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <functional>

namespace exchange {

// The folder to save into: the desktop folder when it is an existing directory, else the
// home folder when that is one, else empty (and the save then fails rather than writing
// to the file-system root).
QString chooseSaveFolder(const QString &desktop, const QString &home);

// chooseSaveFolder for the user's XDG desktop directory and $HOME.
QString desktopFolder();

// Where the save handler gets the time and the folder from; tests give fixed ones.
struct SaveEnvironment {
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    std::function<QString()> folder = [] { return desktopFolder(); };
    SaveOptions file;
};

// Saves the snapshot as a JPEG named after the moment (one clock read) in the folder, as a
// new file. An empty snapshot gives NothingToSave without touching the disk.
SaveOutcome saveSnapshot(const codec::SnapshotImage &snapshot, const SaveEnvironment &environment = {});

// The same for the picture a snapshot is made from, encoded straight from its pixels into
// the same file, so a large picture is not first copied into a BMP only to be thrown away. A null picture gives NothingToSave.
SaveOutcome savePicture(const QImage &picture, const SaveEnvironment &environment = {});

} // namespace exchange
