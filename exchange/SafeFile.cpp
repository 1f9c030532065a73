#include "exchange/SafeFile.h"

#include "exchange/SaveName.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace exchange {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now and reports the result, since close can be where a deferred write error shows.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    void reset()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    int m_fd;
};

enum class Attempt { Saved, Failed, Unsupported };

bool validBaseName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

bool writeAndFlush(const SaveOptions &options, int fd, QByteArrayView bytes)
{
    const WriteFunction &write = options.write ? options.write : WriteFunction(writeAllBytes);
    return write(fd, bytes) && ::fsync(fd) == 0;
}

// The data was synced before the name was given, so a crash can lose the new name but never
// leave it on a partial file; syncing the folder as well would only double the wait.
SaveOutcome saved(const QString &folder, const QString &name)
{
    return {SaveResult::Saved, QDir(folder).filePath(name)};
}

// Gives an unnamed file the first free name. /proc lets an unprivileged process link it;
// AT_EMPTY_PATH does without /proc but needs a capability.
Attempt linkAnonymous(int fd, int dirFd, const QString &folder, const QString &baseName, SaveOutcome &outcome)
{
    const QByteArray procPath = "/proc/self/fd/" + QByteArray::number(fd);
    const bool viaProc = ::access(procPath.constData(), F_OK) == 0;
    for (int number = 1; number <= kMaxSaveNumber; ++number) {
        const QString name = numberedJpegName(baseName, number);
        const QByteArray encoded = QFile::encodeName(name);
        const int rc = viaProc ? ::linkat(AT_FDCWD, procPath.constData(), dirFd, encoded.constData(), AT_SYMLINK_FOLLOW)
                               : ::linkat(fd, "", dirFd, encoded.constData(), AT_EMPTY_PATH);
        if (rc == 0) {
            outcome = saved(folder, name);
            return Attempt::Saved;
        }
        if (errno == EEXIST)
            continue;
        // Only the first name can tell that linking is unavailable rather than refused.
        return number == 1 && (errno == ENOENT || errno == EPERM || errno == EACCES) ? Attempt::Unsupported
                                                                                     : Attempt::Failed;
    }
    return Attempt::Failed;
}

Attempt saveAnonymous(int dirFd, const QString &folder, const QString &baseName, QByteArrayView bytes,
                      const SaveOptions &options, SaveOutcome &outcome)
{
    FileDescriptor file(::openat(dirFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (!file.valid())
        return Attempt::Unsupported;
    if (!writeAndFlush(options, file.get(), bytes))
        return Attempt::Failed;
    return linkAnonymous(file.get(), dirFd, folder, baseName, outcome);
}

// Moves the temporary file to the first free name without ever replacing one.
bool publishNamed(int dirFd, const QByteArray &temporary, const QString &folder, const QString &baseName,
                  SaveOutcome &outcome)
{
    bool renameRefusesReplace = true;
    for (int number = 1; number <= kMaxSaveNumber; ++number) {
        const QString name = numberedJpegName(baseName, number);
        const QByteArray encoded = QFile::encodeName(name);
        if (renameRefusesReplace) {
            if (::renameat2(dirFd, temporary.constData(), dirFd, encoded.constData(), RENAME_NOREPLACE) == 0) {
                outcome = saved(folder, name);
                return true;
            }
            if (errno == EEXIST)
                continue;
            if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
                return false;
            renameRefusesReplace = false;
        }
        // A hard link also refuses an existing name; the temporary name is dropped after.
        if (::linkat(dirFd, temporary.constData(), dirFd, encoded.constData(), 0) == 0) {
            ::unlinkat(dirFd, temporary.constData(), 0);
            outcome = saved(folder, name);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

SaveOutcome saveNamed(int dirFd, const QString &folder, const QString &baseName, QByteArrayView bytes,
                      const SaveOptions &options)
{
    QByteArray temporary;
    int fd = -1;
    for (int tries = 0; tries < 100 && fd < 0; ++tries) {
        temporary = ".zanvo-save-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
        fd = ::openat(dirFd, temporary.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return {};
    }
    FileDescriptor file(fd);
    if (!file.valid())
        return {};

    SaveOutcome outcome;
    const bool written = writeAndFlush(options, file.get(), bytes);
    if (!file.close() || !written || !publishNamed(dirFd, temporary, folder, baseName, outcome)) {
        ::unlinkat(dirFd, temporary.constData(), 0);
        return {};
    }
    return outcome;
}

} // namespace

bool writeAllBytes(int fd, QByteArrayView bytes)
{
    const char *at = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        at += written;
        left -= written;
    }
    return true;
}

SaveOutcome saveUnique(const QString &folder, const QString &baseName, QByteArrayView bytes, const SaveOptions &options)
{
    if (bytes.isEmpty())
        return {SaveResult::NothingToSave, {}};
    if (folder.isEmpty() || !validBaseName(baseName))
        return {};

    FileDescriptor dir(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid())
        return {};

    if (options.temporary == TemporaryKind::Anonymous) {
        SaveOutcome outcome;
        switch (saveAnonymous(dir.get(), folder, baseName, bytes, options, outcome)) {
        case Attempt::Saved: return outcome;
        case Attempt::Failed: return {};
        case Attempt::Unsupported: break;
        }
    }
    return saveNamed(dir.get(), folder, baseName, bytes, options);
}

} // namespace exchange
