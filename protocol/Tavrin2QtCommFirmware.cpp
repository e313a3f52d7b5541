// The firmware half of the protocol: the boot-loader command, and what the flashing tool is given.
#include "protocol/Tavrin2QtComm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

Q_DECLARE_LOGGING_CATEGORY(lcProtocol)

namespace {
constexpr int BootLoaderReadWindowMs = 100;
} // namespace

bool Tavrin2QtComm::firmwareFileNameFits(int type, const QString& path)
{
    const QString baseName = QFileInfo(path.toLower()).fileName().section(QLatin1Char('.'), 0, 0);
    if (baseName.contains(QLatin1String("wbl")))
        return false;
    switch (type) {
    case DalenTavrin:
    case DalenTavrin2Button:
        return baseName.contains(QLatin1String("dalentavrin"));
    case TavrinII:
        return baseName.contains(QLatin1String("tavriniiusb"));
    default:
        return false;
    }
}

QStringList Tavrin2QtComm::batchispArguments(const QString& firmwareFile)
{
    return { QStringLiteral("batchisp"),
             QStringLiteral("-device"),
             QStringLiteral("at90usb647"),
             QStringLiteral("-hardware"),
             QStringLiteral("usb"),
             QStringLiteral("-operation"),
             QStringLiteral("erase"),
             QStringLiteral("f"),
             QStringLiteral("memory"),
             QStringLiteral("flash"),
             QStringLiteral("blankcheck"),
             QStringLiteral("loadbuffer"),
             firmwareFile,
             QStringLiteral("program"),
             QStringLiteral("verify"),
             QStringLiteral("start"),
             QStringLiteral("reset"),
             QStringLiteral("0") };
}

QString Tavrin2QtComm::flashProgram()
{
#ifdef Q_OS_WIN
    return QStringLiteral("batchisp");
#else
    // Our own tool: from the search path first (tests put fakes there), then beside the utility.
    const QString name = QStringLiteral("tavrin-flash");
    const QString found = QStandardPaths::findExecutable(name);
    if (!found.isEmpty())
        return found;
    const QString besideUs = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    return QFileInfo(besideUs).isExecutable() ? besideUs : name;
#endif
}

void Tavrin2QtComm::startBootLoader()
{
    refuseWhileBusy();
    const Operation operation(this);
    QStringList response;
    exchange(QStringLiteral("BL"), BootLoaderReadWindowMs, response);
    qCDebug(lcProtocol, "Finished BL read()");
}
