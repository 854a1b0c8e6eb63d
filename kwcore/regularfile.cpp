#include "regularfile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

bool refuse(QString *why, const QString &text)
{
    if (why)
        *why = text;
    return false;
}

QString tooLarge(const QString &path, qint64 maxBytes)
{
    return QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(maxBytes);
}

// Qt's resources are regular by construction.
bool readResource(const QString &path, qint64 maxBytes, QByteArray *data, QString *why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(why, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    if (file.size() > maxBytes)
        return refuse(why, tooLarge(path, maxBytes));
    *data = file.readAll();
    return true;
}

#ifdef Q_OS_UNIX

QString systemError(const QString &path)
{
    return QStringLiteral("cannot read %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
}

bool readDescriptor(int fd, const QString &path, qint64 maxBytes, QByteArray *data, QString *why)
{
    struct stat st;
    // Checked again on the open descriptor: the path may have been swapped since the first look.
    if (::fstat(fd, &st) != 0)
        return refuse(why, systemError(path));
    if (!S_ISREG(st.st_mode))
        return refuse(why, QStringLiteral("%1 is not a regular file").arg(path));
    if (st.st_size > maxBytes)
        return refuse(why, tooLarge(path, maxBytes));
    QByteArray out(int(st.st_size), Qt::Uninitialized);
    qint64 got = 0;
    // One byte beyond the bound tells a file that grew after fstat.
    for (;;) {
        if (got == out.size()) {
            if (got > maxBytes)
                return refuse(why, tooLarge(path, maxBytes));
            out.resize(int(qMin<qint64>(maxBytes + 1, qMax<qint64>(got * 2, 4096))));
        }
        const ssize_t n = ::read(fd, out.data() + got, size_t(out.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return refuse(why, systemError(path));
        if (n == 0)
            break;
        got += n;
    }
    if (got > maxBytes)
        return refuse(why, tooLarge(path, maxBytes));
    out.resize(int(got));
    *data = out;
    return true;
}

bool readFile(const QString &path, qint64 maxBytes, QByteArray *data, QString *why)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::stat(native.constData(), &st) != 0)
        return refuse(why, systemError(path));
    // Refused before any open: opening a FIFO blocks, opening some devices has effects.
    if (!S_ISREG(st.st_mode))
        return refuse(why, QStringLiteral("%1 is not a regular file").arg(path));
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return refuse(why, systemError(path));
    const bool ok = readDescriptor(fd, path, maxBytes, data, why);
    ::close(fd);
    return ok;
}

#else

bool readFile(const QString &path, qint64 maxBytes, QByteArray *data, QString *why)
{
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(why, QStringLiteral("cannot read %1: no such file").arg(path));
    if (!info.isFile())
        return refuse(why, QStringLiteral("%1 is not a regular file").arg(path));
    if (info.size() > maxBytes)
        return refuse(why, tooLarge(path, maxBytes));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(why, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    const QByteArray out = file.read(maxBytes + 1);
    if (out.size() > maxBytes)
        return refuse(why, tooLarge(path, maxBytes));
    *data = out;
    return true;
}

#endif

} // namespace

bool readRegularFile(const QString &path, qint64 maxBytes, QByteArray *data, QString *why)
{
    data->clear();
    if (path.startsWith(QLatin1Char(':')) || path.startsWith(QLatin1String("qrc:")))
        return readResource(path.startsWith(QLatin1Char(':')) ? path : path.mid(3), maxBytes, data, why);
    return readFile(path, maxBytes, data, why);
}
