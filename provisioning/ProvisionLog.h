#pragma once

#include "provisioning/ProvisionRow.h"
#include "config/Tavrin2QtCfg.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <mutex>

// The provisioning log: a CSV file (RFC 4180) with one row per unit that was tried, appended by the
// window and the command line alike. A row is on disk before append returns, so a crash or a power cut
// loses no unit that was reported.
//
// append may be called from several threads at once; rows never interleave. Across programs the file is
// locked (flock) while a row is written, and holdForStation keeps it locked for a whole run.
class ProvisionLog
{
    Q_DECLARE_TR_FUNCTIONS(ProvisionLog)

public:
    explicit ProvisionLog(const QString& path);
    ~ProvisionLog();
    ProvisionLog(const ProvisionLog&) = delete;
    ProvisionLog& operator=(const ProvisionLog&) = delete;

    QString path() const { return m_path; }

    // Opens the file for appending, creating it; false and the message to show when it cannot be
    // written, is not a regular file, is not a log of this program (its first line is not headerLine();
    // an empty file is a new log), or a station of another program holds it.
    bool open(QString& error);
    // After open: keeps the log to this object until it is destroyed; another object or program that
    // opens or holds the same file is refused meanwhile.
    bool holdForStation(QString& error);
    // Writes, flushes and syncs one row, after the header row when the file is empty. Thread-safe. A row
    // that cannot be written whole is taken back (the file keeps its size before it); error says why.
    bool append(const ProvisionRow& row, QString& error);

    // The complete rows of a log; a missing file has none. Lines that are not a complete row (the header,
    // a row cut short by a crash, a line edited out of shape or longer than any row) are passed over. A file
    // that is not a regular file, not a log of this program or larger than a log may be is refused.
    //
    // The serial, model and firmware cells read back exactly as the unit said them: a backslash, line
    // breaks, tabs and other controls are stored as \\, \n, \r, \t and \xNN (an apostrophe in front as
    // \x27), and a cell starting with = + - @ (or tab, CR) gets a leading ' that reading removes.
    static bool read(const QString& path, QList<ProvisionRow>& rows, QString& error);
    // What a station appending to the file would find, told before it starts: read's rows and refusals for a
    // file that exists; for a new one no rows, or false and why when its folder does not exist.
    static bool readForAppending(const QString& path, QList<ProvisionRow>& rows, QString& error);

    // The profile of the window's own settings.
    static QString formProfile() { return QStringLiteral("form"); }
    // The SHA-256 (lowercase hex) of the document Save writes for the record; a null string and the
    // message to show when it cannot be saved.
    static QString profileSha256(const Tavrin2QtCfg& profile, QString& error);
    // A text on one line: its lines joined with " / ", empty lines left out.
    static QString oneLine(const QString& text);
    // A message on one line as it is read out: its sentences joined with a space (a line that ends without a
    // full stop gets one), the items of a list (the lines after one that ends in a colon) with " / ".
    static QString sentencesOnOneLine(const QString& text);
    static QString resultName(ProvisionRow::Result result);

    static QByteArray headerLine();
    static QByteArray rowLine(const ProvisionRow& row);
    // False when the line is not a complete row.
    static bool parseRow(const QByteArray& line, ProvisionRow& row);

private:
    static QString notAFileText(const QString& path);
    static QString notOursText(const QString& path);
    static QString missingFolderText(const QString& path);
    static QString cannotWriteText(const QString& path, int error);
    // Why a row could not be written: the disk full, the file system read-only, the file too large.
    static QString writeFailureText(int error);
    static bool isHeader(QByteArray line);
    // The open file is a regular file that is empty or starts with our header; else false and why.
    bool isOurs(QString& error);
    bool lockForRow(QString& error);
    void unlockAfterRow();
    bool writeAll(const QByteArray& bytes);

    QString m_path;
    int m_fd = -1;
    bool m_held = false;
    std::mutex m_mutex;
};
