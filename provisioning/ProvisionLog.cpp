#include "provisioning/ProvisionLog.h"

#include "config/CfgFile.h"
#include "config/ConfigLog.h"

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

QByteArray csvField(const QString& text, bool quoted)
{
    QByteArray bytes = ProvisionLog::oneLine(text).toUtf8();
    if (!quoted && !bytes.contains(',') && !bytes.contains('"'))
        return bytes;
    bytes.replace('"', "\"\"");
    return '"' + bytes + '"';
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
    const bool existed = QFileInfo::exists(m_path);
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        qCWarning(lcConfig) << "cannot open the log" << m_path << strerror(errno);
        error = tr("Could not write to %1").arg(m_path);
        return false;
    }
    if (!existed)
        syncDirectoryOf(m_path);
    // Refused now rather than after the first unit was written.
    if (!lockForRow(error)) {
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    unlockAfterRow();
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
        status.st_size = 0;
    } else if (status.st_size > 0) {
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
    unlockAfterRow();
    if (!written) {
        qCWarning(lcConfig) << "cannot write to the log" << m_path << strerror(writeErrno);
        error = tr("Could not write to %1").arg(m_path);
        return false;
    }
    return true;
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

bool ProvisionLog::read(const QString& path, QList<ProvisionRow>& rows, QString& error)
{
    rows.clear();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcConfig) << "cannot read the log" << path << file.errorString();
        error = tr("Could not read from %1").arg(path);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcConfig) << "cannot read the log" << path << file.errorString();
        error = tr("Could not read from %1").arg(path);
        return false;
    }
    // A last line cut short by a crash does not parse as a row (see rowLine), so it needs no special case.
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        ProvisionRow row;
        if (parseRow(line, row))
            rows.append(row);
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
    const QStringList fields = {
        // A row without its time would never read back as a row.
        (row.time.isValid() ? row.time : QDateTime::currentDateTimeUtc()).toUTC().toString(Qt::ISODate),
        row.device,
        row.port,
        row.serial,
        row.model,
        row.firmware,
        row.profile,
        row.profileSha256,
        resultName(row.result),
        QString::number(row.seconds, 'f', 1),
        row.message,
        row.number > 0 ? QString::number(row.number) : QString(),
    };
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        // The last field always in quotes: a row cut short by a crash then never reads as complete.
        const bool last = i == fields.size() - 1;
        line += csvField(fields.at(i), last) + (last ? '\n' : ',');
    }
    return line;
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
    row.serial = field.at(3);
    row.model = field.at(4);
    row.firmware = field.at(5);
    row.profile = field.at(6);
    row.profileSha256 = field.at(7);
    row.message = field.at(10);
    return true;
}
