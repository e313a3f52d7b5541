#pragma once

// The tests' side of the unit server (hidraw_units.cpp): plug, unplug and fault virtual units behind
// hidraw nodes, and look at what they received. Orders go over the control socket that
// hidraw-namespace.sh names in T2Q_HIDRAW_CONTROL.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace hidraw {

// The answer after "ok "; a failed order fails the running test and gives a null string.
inline QString order(const QString& line)
{
    const QByteArray path = qgetenv("T2Q_HIDRAW_CONTROL");
    const int connection = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    QByteArray answer;
    if (connection >= 0 && ::connect(connection, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        const QByteArray request = line.toLatin1() + '\n';
        if (::write(connection, request.constData(), size_t(request.size())) == request.size()) {
            char buffer[4096];
            ssize_t count;
            while ((count = ::read(connection, buffer, sizeof buffer)) > 0)
                answer.append(buffer, int(count));
        }
    }
    if (connection >= 0)
        ::close(connection);
    answer = answer.trimmed();
    if (answer == "ok" || answer.startsWith("ok "))
        return QString::fromLatin1(answer.mid(3));
    QTest::qFail(qPrintable(QStringLiteral("unit server, \"%1\": %2").arg(line, QString::fromLatin1(answer))), __FILE__,
                 __LINE__);
    return QString();
}

inline bool available()
{
    return !qEnvironmentVariableIsEmpty("T2Q_HIDRAW_CONTROL");
}

// Plugs a unit ("tavrin2", "dalen", "dalen2"); returns its node. productId 0: the model's own; serialNumber
// empty: one of the server's; deniedOpens: the node's first opens refused with EACCES, as when udev applies
// the seat's access after it announced the node.
inline QString plug(const QString& name, const QString& model, quint16 productId = 0,
                    const QString& serialNumber = QString(), int deniedOpens = 0)
{
    QString line = QStringLiteral("plug %1 %2").arg(name, model);
    if (productId)
        line += QStringLiteral(" %1").arg(productId, 0, 16);
    if (!serialNumber.isEmpty())
        line += QStringLiteral(" serial=") + serialNumber;
    if (deniedOpens)
        line += QStringLiteral(" deny-opens=%1").arg(deniedOpens);
    return order(line);
}

inline void unplug(const QString& name)
{
    order(QStringLiteral("unplug ") + name);
}

inline void fault(const QString& name, const QString& kind, int n = 0)
{
    order(QStringLiteral("fault %1 %2 %3").arg(name, kind).arg(n));
}

inline QString setting(const QString& name, const QString& keyword)
{
    return order(QStringLiteral("setting %1 %2").arg(name, keyword));
}

inline QStringList transcript(const QString& name)
{
    return order(QStringLiteral("transcript ") + name).split(QLatin1Char('\t'), Qt::SkipEmptyParts);
}

inline int opens(const QString& name)
{
    return order(QStringLiteral("opens ") + name).toInt();
}

} // namespace hidraw

// Tests of this folder run only inside hidraw-namespace.sh.
#define HIDRAW_REQUIRE_UNIT_SERVER()                                                                                   \
    do {                                                                                                               \
        if (!hidraw::available())                                                                                      \
            QSKIP("run through CTest: needs the namespaces and unit server of hidraw-namespace.sh");                   \
    } while (false)
