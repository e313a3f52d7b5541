#pragma once

#include "config/Tavrin2QtCfg.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <memory>

// Configuration files on disk, for every front end: the bytes, their text, and the messages a failed
// Save or Load shows.
//
// Files are written as Latin-1 bytes, one byte per character of the document. Reading accepts those
// and also files that went through a UTF-8 editor: valid UTF-8 is decoded as such, anything else as
// Latin-1 (a file from an 8-bit code page). A UTF-8 byte order mark at the start is skipped.
class CfgFile
{
    Q_DECLARE_TR_FUNCTIONS(CfgFile)

public:
    // The whole file as text; false and "Could not read from %1" when it cannot be read, is no regular
    // file, or holds more than MaxDocumentBytes.
    static bool readDocument(const QString& path, QString& text, QString& error);
    // Far above any document the utility writes (some 6 KB; under 400 KB with the longest messages
    // escaped), and small enough that reading one costs little memory.
    static constexpr qsizetype MaxDocumentBytes = 4 << 20;
    // Replaces the file with the text as Latin-1 bytes, through a temporary file, so a failure leaves
    // an existing file as it was; false and "Could not write to %1" on failure.
    static bool writeDocument(const QString& path, const QString& text, QString& error);
    static QString decodeDocument(const QByteArray& bytes);

    // A record from a configuration file; nullptr and the message to show when it cannot be had.
    static std::unique_ptr<Tavrin2QtCfg> load(const QString& path, QString& error);
    // The document text of a record; a null string and the message to show when it cannot be made.
    static QString freezeForSave(const Tavrin2QtCfg& cfg, QString& error);
    // freezeForSave, then writeDocument.
    static bool save(const Tavrin2QtCfg& cfg, const QString& path, QString& error);

    // The file layer's message, a line break and the fallback; the fallback alone when there is no message.
    static QString failureText(const QString& layerError, const QString& fallback);
    static QString unableToLoadText() { return tr("Unable to load config file"); }
    static QString unableToSaveText() { return tr("Unable to save config file"); }
};
