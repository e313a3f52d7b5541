#include "provisioning/ProvisionLog.h"

#include "config/CfgFile.h"
#include "config/ConfigLog.h"
#include "config/DisplayText.h"
#include "config/SystemReason.h"
#include "provisioning/LogCell.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <mutex>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
constexpr int ColumnCount = 12;
// Another program holds the file only while it writes one row; longer than this, it is a station's.
constexpr int RowLockWaitMs = 2000;
constexpr int RowLockStepMs = 10;
// Far above any row of ours; a longer line is not one, and a larger file is not a log we wrote.
constexpr qint64 MaxLineBytes = 64 * 1024;
constexpr qint64 MaxLogBytes = 64 * 1024 * 1024;

QByteArray csvField(const QByteArray& bytes, bool quoted)
{
    if (!quoted && !bytes.contains(',') && !bytes.contains('"'))
        return bytes;
    QByteArray field = bytes;
    field.replace('"', "\"\"");
    return '"' + field + '"';
}

// RFC 4180 fields of one line; false when a quote is left open or stray.
bool splitFields(const QByteArray& line, QList<QByteArray>& fields)
{
    qsizetype at = 0;
    while (true) {
        QByteArray field;
        if (at < line.size() && line.at(at) == '"') {
            ++at;
            while (true) {
                const qsizetype quote = line.indexOf('"', at);
                if (quote < 0)
                    return false;
                field += line.mid(at, quote - at);
                at = quote + 1;
                if (at < line.size() && line.at(at) == '"') {
                    field += '"';
                    ++at;
                    continue;
                }
                break;
            }
            if (at < line.size() && line.at(at) != ',')
                return false;
        } else {
            qsizetype comma = line.indexOf(',', at);
            if (comma < 0)
                comma = line.size();
            field = line.mid(at, comma - at);
            if (field.contains('"'))
                return false;
            at = comma;
        }
        fields.append(field);
        if (at >= line.size())
            return true;
        ++at; // the comma
    }
}

bool parseResult(const QString& name, ProvisionRow::Result& result)
{
    for (ProvisionRow::Result candidate :
         { ProvisionRow::Result::Verified, ProvisionRow::Result::WrittenUnverified, ProvisionRow::Result::Failed }) {
        if (ProvisionLog::resultName(candidate) == name) {
            result = candidate;
            return true;
        }
    }
    return false;
}

} // namespace

ProvisionLog::ProvisionLog(const QString& path)
    : m_path(path)
{
}

ProvisionLog::~ProvisionLog()
{
#ifdef Q_OS_UNIX
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock with the descriptor
#endif
}

#ifdef Q_OS_UNIX
namespace {
// A new file's name must reach the disk too, or a power cut can take the file with its rows.
void syncDirectoryOf(const QString& path)
{
    const int dir = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (dir < 0)
        return;
    ::fsync(dir);
    ::close(dir);
}
} // namespace

bool ProvisionLog::open(QString& error)
{
    const std::lock_guard<std::mutex> locker(m_mutex);
    if (m_fd >= 0)
        return true;
    const QByteArray name = QFile::encodeName(m_path);
    struct stat status = {};
    const bool existed = ::stat(name.constData(), &status) == 0;
    if (existed && !S_ISREG(status.st_mode)) {
        error = notAFileText(m_path);
        return false;
    }
    // Not blocking: should a FIFO take the file's place meanwhile, it is refused below instead of waited on.
    m_fd = ::open(name.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (m_fd < 0) {
        const int openErrno = errno;
        qCWarning(lcConfig) << "cannot open the log" << m_path << strerror(openErrno);
        error = cannotWriteText(m_path, openErrno);
        return false;
    }
    if (!existed)
        syncDirectoryOf(m_path);
    // Refused now rather than after the first unit was written.
    if (!lockForRow(error) || !isOurs(error)) {
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    unlockAfterRow();
    return true;
}

bool ProvisionLog::isOurs(QString& error)
{
    struct stat status = {};
    if (::fstat(m_fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        error = notAFileText(m_path);
        return false;
    }
    QByteArray start(headerLine().size() + 1, '\0');
    const ssize_t got = status.st_size > 0 ? ::pread(m_fd, start.data(), size_t(start.size()), 0) : 0;
    start.truncate(qMax<ssize_t>(got, 0));
    if (status.st_size > 0 && !isHeader(start.left(start.indexOf('\n') + 1))) {
        error = notOursText(m_path);
        return false;
    }
    return true;
}

bool ProvisionLog::holdForStation(QString& error)
{
    const std::lock_guard<std::mutex> locker(m_mutex);
    if (m_fd < 0) {
        error = tr("Could not write to %1").arg(m_path);
        return false;
    }
    if (m_held)
        return true;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        qCWarning(lcConfig) << "the log is held:" << m_path << strerror(errno);
        error = tr("The log %1 is in use by another program.").arg(m_path);
        return false;
    }
    m_held = true;
    return true;
}

bool ProvisionLog::lockForRow(QString& error)
{
    if (m_held)
        return true;
    for (int waited = 0;; waited += RowLockStepMs) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= RowLockWaitMs)
            break;
        QThread::msleep(RowLockStepMs);
    }
    qCWarning(lcConfig) << "cannot lock the log" << m_path << strerror(errno);
    error = tr("The log %1 is in use by another program.").arg(m_path);
    return false;
}

void ProvisionLog::unlockAfterRow()
{
    if (!m_held)
        ::flock(m_fd, LOCK_UN);
}

bool ProvisionLog::writeAll(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = EIO;
        if (written <= 0)
            return false;
        done += written;
    }
    return ::fsync(m_fd) == 0;
}

bool ProvisionLog::append(const ProvisionRow& row, QString& error)
{
    const std::lock_guard<std::mutex> locker(m_mutex);
    if (m_fd < 0) {
        error = tr("Could not write to %1").arg(m_path);
        return false;
    }
    if (!lockForRow(error))
        return false;
    QByteArray bytes;
    struct stat status = {};
    if (::fstat(m_fd, &status) != 0) {
        // Without its size, a row that fails half-way could not be taken back.
        const int statErrno = errno;
        unlockAfterRow();
        error = writeFailureText(statErrno);
        return false;
    }
    if (status.st_size > 0) {
        // A line cut short by a crash is closed first, so that this row starts a line of its own.
        char last = '\n';
        if (::pread(m_fd, &last, 1, status.st_size - 1) == 1 && last != '\n')
            bytes += '\n';
    }
    if (status.st_size == 0)
        bytes += headerLine();
    bytes += rowLine(row);
    const bool written = writeAll(bytes);
    const int writeErrno = errno;
    // A row is on disk whole or not at all: the part written is taken back, so that the next row, ours or
    // another program's, starts where this one would have.
    if (!written && ::ftruncate(m_fd, status.st_size) != 0)
        qCWarning(lcConfig) << "cannot take a part row back from the log" << m_path << strerror(errno);
    unlockAfterRow();
    if (!written) {
        qCWarning(lcConfig) << "cannot write to the log" << m_path << strerror(writeErrno);
        error = writeFailureText(writeErrno);
        return false;
    }
    return true;
}

QString ProvisionLog::writeFailureText(int error)
{
    switch (error) {
    case ENOSPC:
        return tr("the disk is full");
#ifdef EDQUOT
    case EDQUOT:
        return tr("the disk quota is used up");
#endif
    case EROFS:
        return tr("the file system is read-only");
    case EFBIG:
        return tr("the file is as large as the system lets it grow");
    default:
        return SystemReason::text(error);
    }
}

QString ProvisionLog::cannotWriteText(const QString& path, int error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (error == ENOENT && !QFileInfo(folder).isDir())
        return missingFolderText(path);
    if (error == EISDIR)
        return notAFileText(path);
    return tr("Could not write to %1: %2.").arg(path, SystemReason::text(error));
}

#else
// Locks and syncs are written for POSIX systems only; elsewhere the log is refused rather than kept unsafely.
bool ProvisionLog::open(QString& error)
{
    error = tr("Could not write to %1").arg(m_path);
    return false;
}

bool ProvisionLog::holdForStation(QString& error)
{
    error = tr("Could not write to %1").arg(m_path);
    return false;
}

bool ProvisionLog::append(const ProvisionRow&, QString& error)
{
    error = tr("Could not write to %1").arg(m_path);
    return false;
}
#endif

QString ProvisionLog::notAFileText(const QString& path)
{
    return tr("%1 is not a regular file; the log must be one.").arg(path);
}

QString ProvisionLog::notOursText(const QString& path)
{
    return tr("%1 is not a provisioning log of this program: its first line is not the log's header. Choose a new "
              "file, or a log this program wrote.")
        .arg(path);
}

QString ProvisionLog::missingFolderText(const QString& path)
{
    return tr("Could not write to %1: the folder %2 does not exist.").arg(path, QFileInfo(path).absolutePath());
}

bool ProvisionLog::readForAppending(const QString& path, QList<ProvisionRow>& rows, QString& error)
{
    const QFileInfo info(path);
    // A dangling symbolic link exists for open, which would follow it.
    if (!info.exists() && !info.isSymLink()) {
        rows.clear();
        if (QFileInfo(info.absolutePath()).isDir())
            return true;
        error = missingFolderText(path);
        return false;
    }
    return read(path, rows, error);
}

bool ProvisionLog::isHeader(QByteArray line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line == headerLine().chopped(1);
}

bool ProvisionLog::read(const QString& path, QList<ProvisionRow>& rows, QString& error)
{
    rows.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    // A FIFO would be waited on for ever, a device read without end.
    if (!info.isFile()) {
        error = notAFileText(path);
        return false;
    }
    if (info.size() > MaxLogBytes) {
        error = tr("%1 holds %2 MiB, more than a provisioning log may (%3 MiB); start a new log.")
                    .arg(path)
                    .arg(double(info.size()) / (1024 * 1024), 0, 'f', 1)
                    .arg(MaxLogBytes / (1024 * 1024));
        return false;
    }
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        const int openErrno = errno;
        qCWarning(lcConfig) << "cannot read the log" << path << file.errorString();
        error = tr("Could not read from %1: %2.").arg(path, SystemReason::text(file, openErrno));
        return false;
    }
    bool first = true;
    qint64 total = 0;
    while (!file.atEnd() && total <= MaxLogBytes) {
        QByteArray line = file.readLine(MaxLineBytes + 1);
        total += line.size();
        if (!line.endsWith('\n') && !file.atEnd()) {
            // Longer than any row: passed over to its end.
            qCWarning(lcConfig) << "a line of the log" << path << "is longer than any row";
            while (!file.atEnd() && !line.endsWith('\n') && total <= MaxLogBytes) {
                line = file.readLine(MaxLineBytes + 1);
                total += line.size();
            }
            line.clear();
        }
        if (first && !isHeader(line)) {
            error = notOursText(path);
            return false;
        }
        first = false;
        // A last line cut short by a crash does not parse as a row (see rowLine), so it needs no special case.
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        ProvisionRow row;
        if (parseRow(line, row))
            rows.append(row);
    }
    if (file.error() != QFileDevice::NoError) {
        const int readErrno = errno;
        qCWarning(lcConfig) << "cannot read the log" << path << file.errorString();
        error = tr("Could not read from %1: %2.").arg(path, SystemReason::text(file, readErrno));
        return false;
    }
    return true;
}

QString ProvisionLog::profileSha256(const Tavrin2QtCfg& profile, QString& error)
{
    const QString document = CfgFile::freezeForSave(profile, error);
    if (document.isNull())
        return QString();
    return QString::fromLatin1(
        QCryptographicHash::hash(CfgFile::encodeDocument(document), QCryptographicHash::Sha256).toHex());
}

QString ProvisionLog::oneLine(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineBreak, Qt::SkipEmptyParts);
    return lines.join(QStringLiteral(" / "));
}

QString ProvisionLog::sentencesOnOneLine(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QString joined;
    // The lines after one ending in a colon are the items of a list, to the end of the text.
    bool inList = false;
    for (const QString& line : text.split(lineBreak, Qt::SkipEmptyParts)) {
        if (!joined.isEmpty()) {
            const QChar last = joined.back();
            const bool sentenceEnds = last == QLatin1Char('.') || last == QLatin1Char('!') || last == QLatin1Char('?');
            if (last == QLatin1Char(':') && !inList) {
                inList = true;
                joined += QLatin1Char(' ');
            } else if (inList) {
                joined += QStringLiteral(" / ");
            } else if (sentenceEnds || line.front().isLower()) {
                // A line broken within a sentence goes on in lower case.
                joined += QLatin1Char(' ');
            } else {
                // A line that ends without a full stop is a sentence of its own.
                joined += QStringLiteral(". ");
            }
        }
        joined += line;
    }
    return joined;
}

QString ProvisionLog::resultName(ProvisionRow::Result result)
{
    switch (result) {
    case ProvisionRow::Result::Verified:
        return QStringLiteral("verified");
    case ProvisionRow::Result::WrittenUnverified:
        return QStringLiteral("written-unverified");
    case ProvisionRow::Result::Failed:
        break;
    }
    return QStringLiteral("failed");
}

QByteArray ProvisionLog::headerLine()
{
    return QByteArrayLiteral(
        "time,device,port,serial,model,firmware,profile,profile_sha256,result,seconds,message,number\n");
}

QByteArray ProvisionLog::rowLine(const ProvisionRow& row)
{
    // Our own texts on one line, and nothing in them (a NUL) that would make the row unreadable.
    const auto plain = [](const QString& text) { return displayText(oneLine(text)).toUtf8(); };
    const QList<QByteArray> fields = {
        // A row without its time would never read back as a row.
        csvField(
            (row.time.isValid() ? row.time : QDateTime::currentDateTimeUtc()).toUTC().toString(Qt::ISODate).toUtf8(),
            false),
        csvField(plain(row.device), false),
        csvField(plain(row.port), false),
        csvField(logcell::encodeUnitText(row.serial).toUtf8(), false),
        csvField(logcell::encodeUnitText(row.model).toUtf8(), false),
        csvField(logcell::encodeUnitText(row.firmware).toUtf8(), false),
        csvField(plain(row.profile), false),
        csvField(plain(row.profileSha256), false),
        csvField(resultName(row.result).toUtf8(), false),
        csvField(QByteArray::number(row.seconds, 'f', 1), false),
        csvField(plain(row.message), false),
        // The last field always in quotes: a row cut short by a crash then never reads as complete.
        csvField(row.number > 0 ? QByteArray::number(row.number) : QByteArray(), true),
    };
    return fields.join(',') + '\n';
}

bool ProvisionLog::parseRow(const QByteArray& line, ProvisionRow& row)
{
    QList<QByteArray> raw;
    if (line.contains('\0') || !splitFields(line, raw) || raw.size() != ColumnCount)
        return false;
    // rowLine quotes the last field: without its quotes, an empty last field is a row cut short after its
    // last comma, which may have lost its number. A number without quotes is a file saved by another program.
    if (raw.last().isEmpty() && !line.endsWith("\"\""))
        return false;
    QStringList field;
    for (const QByteArray& bytes : raw)
        field.append(QString::fromUtf8(bytes));
    row.time = QDateTime::fromString(field.at(0), Qt::ISODate);
    bool secondsOk = false;
    row.seconds = field.at(9).toDouble(&secondsOk);
    bool numberOk = field.at(11).isEmpty();
    row.number = numberOk ? 0 : field.at(11).toInt(&numberOk);
    if (!row.time.isValid() || !secondsOk || !numberOk || row.number < 0 || !parseResult(field.at(8), row.result))
        return false;
    row.device = field.at(1);
    row.port = field.at(2);
    row.serial = logcell::decodeUnitText(field.at(3));
    row.model = logcell::decodeUnitText(field.at(4));
    row.firmware = logcell::decodeUnitText(field.at(5));
    row.profile = field.at(6);
    row.profileSha256 = field.at(7);
    row.message = field.at(10);
    return true;
}
