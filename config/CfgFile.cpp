#include "config/CfgFile.h"

#include "config/ConfigLog.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

bool CfgFile::readDocument(const QString& path, QString& text, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcConfig) << "cannot open" << path << file.errorString();
        error = tr("Could not read from %1").arg(path);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qCWarning(lcConfig) << "cannot read" << path << file.errorString();
        error = tr("Could not read from %1").arg(path);
        return false;
    }
    text = decodeDocument(bytes);
    return true;
}

bool CfgFile::writeDocument(const QString& path, const QString& text, QString& error)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toLatin1();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        qCWarning(lcConfig) << "cannot write" << path << file.errorString();
        error = tr("Could not write to %1").arg(path);
        return false;
    }
    return true;
}

QString CfgFile::decodeDocument(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    qCDebug(lcConfig, "document is not UTF-8, reading it as Latin-1");
    return QString::fromLatin1(bytes);
}

std::unique_ptr<Tavrin2QtCfg> CfgFile::load(const QString& path, QString& error)
{
    QString text;
    if (!readDocument(path, text, error))
        return nullptr;
    QString thawError;
    std::unique_ptr<Tavrin2QtCfg> cfg = Tavrin2QtCfg::thaw(text, thawError);
    if (!cfg)
        error = failureText(thawError, unableToLoadText());
    return cfg;
}

QString CfgFile::freezeForSave(const Tavrin2QtCfg& cfg, QString& error)
{
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

QString CfgFile::failureText(const QString& layerError, const QString& fallback)
{
    if (layerError.isEmpty())
        return fallback;
    if (layerError.endsWith(QLatin1Char('\n')))
        return layerError + fallback;
    return layerError + QLatin1Char('\n') + fallback;
}
