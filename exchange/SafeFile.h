#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace exchange {

enum class SaveResult { Saved, NothingToSave, Failed };

struct SaveOutcome {
    SaveResult result = SaveResult::Failed;
    QString path; // the file written; empty unless Saved
};

// "<base>.jpg", then "<base>(2).jpg" … up to this number; beyond it the save fails.
inline constexpr int kMaxSaveNumber = 1000;

// Writes every byte to an open file; false on any error. Tests replace it to fail a write.
using WriteFunction = std::function<bool(int fd, QByteArrayView bytes)>;
bool writeAllBytes(int fd, QByteArrayView bytes);

enum class TemporaryKind {
    Anonymous, // an unnamed file (O_TMPFILE) that nothing can see until it is linked into place
    Named,     // a hidden named file, for file systems without unnamed ones
};

struct SaveOptions {
    WriteFunction write = writeAllBytes;
    TemporaryKind temporary = TemporaryKind::Anonymous;
};

// Writes the bytes as a new file "<baseName>.jpg" in the folder, numbered when the name
// is taken; never replaces an existing file. The bytes go to a temporary file in the same
// folder, are flushed to disk and only then given their name, so a failed write leaves
// neither a partial nor a temporary file. Empty bytes write nothing (NothingToSave).
SaveOutcome saveUnique(const QString &folder, const QString &baseName, QByteArrayView bytes,
                       const SaveOptions &options = {});

} // namespace exchange
