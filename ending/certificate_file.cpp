// SPDX-License-Identifier: GPL-3.0-or-later
#include "ending/certificate_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bq {

QString certificateTitle()
{
    return QStringLiteral("Quellmärker-Urkunde");
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

namespace {

// Why a file could not be written, in the player's words where the cause is a common one.
QString fileProblem(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei.");
    case EROFS:
        return QStringLiteral("Der Ordner ist schreibgeschützt.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Du darfst in diesem Ordner keine Dateien anlegen.");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

bool writeWhole(int fd, const QByteArray &data)
{
    const char *next = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

// Gives the written file the name without replacing anything that has it, even a dangling link.
bool nameWithoutReplacing(int folder, const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(folder, from.constData(), folder, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system that cannot rename this way: a second name, then the first one goes.
    if (::linkat(folder, from.constData(), folder, to.constData(), 0) == 0) {
        ::unlinkat(folder, from.constData(), 0);
        return true;
    }
    if (errno != EPERM && errno != ENOSYS && errno != EOPNOTSUPP)
        return false;
    // Nor that (many shared folders and FUSE mounts): the name is taken by an empty file of
    // our own first, which the written file then replaces.
    const int claim = ::openat(folder, to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (claim < 0)
        return false;
    ::close(claim);
    if (::renameat(folder, from.constData(), folder, to.constData()) == 0)
        return true;
    const int error = errno;
    ::unlinkat(folder, to.constData(), 0);
    errno = error;
    return false;
}

// The hidden files certificates are written to before they get their names. The game writing
// one holds a lock on it until it is named.
QString partFileName(quint32 tag)
{
    return QStringLiteral(".%1-%2.part").arg(certificateTitle()).arg(tag, 8, 16, QChar(u'0'));
}

// Removes the part files of games that ended while writing them (killed, or the machine went
// off); one that another game is still writing is locked, and stays.
void removeAbandonedParts(int folder, const QDir &dir)
{
    const QString pattern = QStringLiteral(".%1-*.part").arg(certificateTitle());
    for (const QString &name : dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System)) {
        const QByteArray file = QFile::encodeName(name);
        const int fd = ::openat(folder, file.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        struct stat locked = {}, named = {};
        // Still the file that was locked, not one a new game made under the same name since.
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &locked) == 0
            && ::fstatat(folder, file.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && locked.st_ino == named.st_ino
            && locked.st_dev == named.st_dev)
            ::unlinkat(folder, file.constData(), 0);
        if (fd >= 0)
            ::close(fd);
    }
}

// A new part file, open for writing and locked; -1 with errno set when none can be made.
int createPart(int folder, QByteArray *part)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *part = QFile::encodeName(partFileName(QRandomGenerator::global()->generate()));
        const int fd = ::openat(folder, part->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return -1;
        if (fd < 0)
            continue;
        // Another game clearing away abandoned parts may have taken it before it was locked.
        struct stat own = {};
        ::flock(fd, LOCK_EX | LOCK_NB);
        if (::fstat(fd, &own) == 0 && own.st_nlink > 0)
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

} // namespace

bool saveCertificate(const QByteArray &pdf, const QString &folderPath, QString *path, QString *error)
{
    const QDir dir(folderPath);
    *path = dir.filePath(certificateTitle() + QStringLiteral(".pdf"));
    const int folder = ::open(QFile::encodeName(folderPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        *error = fileProblem(errno);
        return false;
    }
    const auto failed = [&](int why, const QByteArray &remove) {
        *error = fileProblem(why);
        if (!remove.isEmpty())
            ::unlinkat(folder, remove.constData(), 0);
        ::close(folder);
        return false;
    };
    removeAbandonedParts(folder, dir);
    QByteArray part;
    const int fd = createPart(folder, &part);
    if (fd < 0)
        return failed(errno, {});
    const bool written = writeWhole(fd, pdf) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written)
        return failed(written ? errno : writeError, part);
    for (int copy = 1; copy <= 9999; ++copy) {
        const QString fileName = copy == 1 ? certificateTitle() + QStringLiteral(".pdf")
                                           : QStringLiteral("%1 (%2).pdf").arg(certificateTitle()).arg(copy);
        *path = dir.filePath(fileName);
        const QByteArray name = QFile::encodeName(fileName);
        if (nameWithoutReplacing(folder, part, name)) {
            // The new name itself is on the disk too, where the file system can say so.
            if (::fsync(folder) != 0 && errno != EINVAL)
                return failed(errno, name);
            ::close(folder);
            return true;
        }
        if (errno != EEXIST)
            return failed(errno, part);
    }
    failed(EEXIST, part);
    *error = QStringLiteral("Es gibt dort schon zu viele Urkunden.");
    return false;
}

} // namespace bq
