#pragma once

#include "config/Tavrin2QtCfg.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringConverter>

#include <memory>

// Configuration files on disk, for every front end: the bytes, their text, and the messages a failed
// Save or Load shows.
//
// Files are written as Latin-1 bytes, one byte per character, as every earlier reader of these files
// takes them (whatever the declaration names). The one exception is a document whose Latin-1 bytes
// would also form UTF-8 with characters beyond ASCII: read back, it would turn into other text, so it
// is written in UTF-8. Reading takes valid UTF-8 as UTF-8 and anything else as Latin-1 (older files, an
// 8-bit code page); so every text within Latin-1 saves and loads unchanged. A UTF-8 byte order mark at
// the start is skipped. Without one, valid UTF-8 that would hold a character beyond Latin-1 is read as
// Latin-1 when that reading holds no C1 control (U+0080 to U+009F): an older file's bytes, not an editor's.
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
    // Replaces the file with the encoded text, through a temporary file, so a failure leaves an
    // existing file as it was; false and "Could not write to %1" on failure.
    static bool writeDocument(const QString& path, const QString& text, QString& error);
    // writeDocument for bytes that are already encoded.
    static bool writeBytes(const QString& path, const QByteArray& bytes, QString& error);
    static QByteArray encodeDocument(const QString& text);
    static QString decodeDocument(const QByteArray& bytes);
    // How encodeDocument writes the text: Latin-1, or UTF-8 where Latin-1 would not read back as written.
    static QStringConverter::Encoding documentEncoding(const QString& text);

    // A record from a configuration file; nullptr and the message to show when it cannot be had.
    static std::unique_ptr<Tavrin2QtCfg> load(const QString& path, QString& error);
    // False and the message to show, naming the field and the character, when a text of a record read
    // from a file holds a character beyond Latin-1 (a file written by a text editor): shown, sent or
    // saved again, it could only become something else.
    static bool checkLoadable(const Tavrin2QtCfg& cfg, QString& error);
    // False and the message to show, naming the field, its length and its limit, when a message of a record
    // read from a file is longer than its field takes (a hand-edited file): the form would cut it short.
    static bool checkLengths(const Tavrin2QtCfg& cfg, QString& error);
    // False and the message to show, naming the field, when a text of the record holds a character
    // beyond Latin-1, which the file and the unit cannot take (it would be saved as "?").
    static bool checkSavable(const Tavrin2QtCfg& cfg, QString& error);
    // The document text of a record, after checkSavable; a null string and the message to show when it
    // cannot be made.
    static QString freezeForSave(const Tavrin2QtCfg& cfg, QString& error);
    // freezeForSave, then writeDocument.
    static bool save(const Tavrin2QtCfg& cfg, const QString& path, QString& error);

    // "FILE is not a Tavrin configuration file (it could not be read as one: REASON)", REASON being thaw's;
    // every front end says it so, naming the file as its user gave it.
    static QString unreadableText(const QString& fileName, const QString& reason);
    // The file layer's message, a line break and the fallback; the fallback alone when there is no message.
    static QString failureText(const QString& layerError, const QString& fallback);
    static QString unableToLoadText() { return tr("Unable to load config file"); }
    static QString unableToSaveText() { return tr("Unable to save config file"); }
};
