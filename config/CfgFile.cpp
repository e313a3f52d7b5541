#include "config/CfgFile.h"

#include "config/CfgFieldList.h"
#include "config/ConfigLog.h"
#include "config/Latin1Text.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

bool CfgFile::readDocument(const QString& path, QString& text, QString& error)
{
    // A directory, a named pipe (whose open waits for a writer) or a device (/dev/zero never ends)
    // is no document.
    if (!QFileInfo(path).isFile()) {
        qCWarning(lcConfig) << "not a regular file:" << path;
        error = tr("Could not read from %1").arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcConfig) << "cannot open" << path << file.errorString();
        error = tr("Could not read from %1").arg(path);
        return false;
    }
    // One byte more than the limit tells a file that is too large without reading all of it.
    const QByteArray bytes = file.read(MaxDocumentBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcConfig) << "cannot read" << path << file.errorString();
        error = tr("Could not read from %1").arg(path);
        return false;
    }
    if (bytes.size() > MaxDocumentBytes) {
        qCWarning(lcConfig) << "refusing" << path << "of more than" << MaxDocumentBytes << "bytes";
        error = tr("Could not read from %1").arg(path) + QLatin1Char('\n')
            + tr("It is larger than %1 MB, far larger than any configuration file.").arg(MaxDocumentBytes >> 20);
        return false;
    }
    text = decodeDocument(bytes);
    return true;
}

bool CfgFile::writeDocument(const QString& path, const QString& text, QString& error)
{
    return writeBytes(path, encodeDocument(text), error);
}

bool CfgFile::writeBytes(const QString& path, const QByteArray& bytes, QString& error)
{
    QSaveFile file(path);
    // Unbuffered, so that a write that stops part-way (a full disk, a file size limit) is seen here: through
    // the buffer the shortfall went unnoticed and commit() put the cut-off file in place of the previous one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size()
        || !file.commit()) {
        qCWarning(lcConfig) << "cannot write" << path << file.errorString();
        error = tr("Could not write to %1").arg(path);
        return false;
    }
    return true;
}

namespace {
bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = utf8.decode(bytes);
    return !utf8.hasError();
}

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}
} // namespace

QStringConverter::Encoding CfgFile::documentEncoding(const QString& text)
{
    // A character beyond Latin-1 has no byte of its own; UTF-8 keeps it (Save refuses such a record before).
    if (!Latin1Text::firstForeignCharacter(text).isNull())
        return QStringConverter::Utf8;
    const QByteArray latin1 = text.toLatin1();
    return !isAscii(latin1) && isValidUtf8(latin1) ? QStringConverter::Utf8 : QStringConverter::Latin1;
}

QByteArray CfgFile::encodeDocument(const QString& text)
{
    return QStringEncoder(documentEncoding(text)).encode(text);
}

namespace {
bool holdsC1Byte(const QByteArray& bytes)
{
    return std::any_of(bytes.cbegin(), bytes.cend(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x80 && byte <= 0x9F;
    });
}

QString decodeText(const QByteArray& bytes, bool markedUtf8)
{
    // Editors on Windows start a UTF-8 file with a byte order mark, which the document must not begin with.
    static const QByteArray utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
    if (bytes.startsWith(utf8Bom))
        return decodeText(bytes.mid(utf8Bom.size()), true);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        qCDebug(lcConfig, "document is not UTF-8, reading it as Latin-1");
        return QString::fromLatin1(bytes);
    }
    // An older Latin-1 file's bytes may happen to form UTF-8 (E acute and a no-break space are C9 A0, U+0260 in
    // UTF-8). We never write a character beyond Latin-1, so such a reading is taken for Latin-1, unless a byte
    // order mark says UTF-8 or the Latin-1 reading holds C1 controls, which an older file's texts do not: a
    // hand-edited euro sign is E2 82 AC, and stays UTF-8 to be refused by name.
    if (!markedUtf8 && !Latin1Text::firstForeignCharacter(text).isNull() && !holdsC1Byte(bytes)) {
        qCDebug(lcConfig, "document reads as UTF-8 beyond Latin-1, reading it as Latin-1");
        return QString::fromLatin1(bytes);
    }
    return text;
}
} // namespace

QString CfgFile::decodeDocument(const QByteArray& bytes)
{
    return decodeText(bytes, false);
}

std::unique_ptr<Tavrin2QtCfg> CfgFile::load(const QString& path, QString& error)
{
    QString text;
    if (!readDocument(path, text, error))
        return nullptr;
    QString thawError;
    std::unique_ptr<Tavrin2QtCfg> cfg = Tavrin2QtCfg::thaw(text, thawError);
    if (!cfg) {
        error = unreadableText(path, thawError);
        return nullptr;
    }
    if (!checkLoadable(*cfg, error))
        return nullptr;
    return cfg;
}

bool CfgFile::checkLoadable(const Tavrin2QtCfg& cfg, QString& error)
{
    for (const CfgField& text : CfgFieldList::textFields(cfg)) {
        const QString foreign = Latin1Text::firstForeignCharacter(text.value);
        if (!foreign.isEmpty()) {
            qCWarning(lcConfig) << "not loading: a character beyond Latin-1 in" << text.label;
            error = tr("The %1 holds the character %2, which Tavrin cannot take.\nPlease replace it; the file "
                       "was not loaded.")
                        .arg(text.label, Latin1Text::characterName(foreign));
            return false;
        }
    }
    return true;
}

bool CfgFile::checkLengths(const Tavrin2QtCfg& cfg, QString& error)
{
    const QList<CfgMessageField> over = CfgFieldList::overLimitFields(cfg);
    if (over.isEmpty())
        return true;
    const CfgMessageField& text = over.constFirst();
    qCWarning(lcConfig) << "not loading:" << text.label << "is longer than its field takes";
    error = tr("The %1 is %n characters long; its field takes at most %2.\nPlease shorten it; the file was not "
               "loaded.",
               nullptr, int(text.value.size()))
                .arg(text.label)
                .arg(text.maxLength);
    return false;
}

bool CfgFile::checkSavable(const Tavrin2QtCfg& cfg, QString& error)
{
    // Refused rather than written with "?" in its place: neither the file nor the unit can take it.
    for (const CfgField& text : CfgFieldList::textFields(cfg)) {
        const QString foreign = Latin1Text::firstForeignCharacter(text.value);
        if (!foreign.isEmpty()) {
            qCWarning(lcConfig) << "not saving: a character beyond Latin-1 in" << text.label;
            error = tr("The %1 holds the character \"%2\", which Tavrin cannot take.\nPlease replace it; the "
                       "file was not saved.")
                        .arg(text.label, foreign);
            return false;
        }
    }
    return true;
}

QString CfgFile::freezeForSave(const Tavrin2QtCfg& cfg, QString& error)
{
    if (!checkSavable(cfg, error))
        return QString();
    QString freezeError;
    const QString text = cfg.freeze(freezeError);
    if (text.isEmpty()) {
        error = failureText(freezeError, unableToSaveText());
        return QString();
    }
    return text;
}

bool CfgFile::save(const Tavrin2QtCfg& cfg, const QString& path, QString& error)
{
    const QString text = freezeForSave(cfg, error);
    return !text.isNull() && writeDocument(path, text, error);
}

QString CfgFile::unreadableText(const QString& fileName, const QString& reason)
{
    return tr("%1 is not a Tavrin configuration file (it could not be read as one: %2)").arg(fileName, reason);
}

QString CfgFile::failureText(const QString& layerError, const QString& fallback)
{
    if (layerError.isEmpty())
        return fallback;
    if (layerError.endsWith(QLatin1Char('\n')))
        return layerError + fallback;
    return layerError + QLatin1Char('\n') + fallback;
}
