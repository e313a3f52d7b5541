#pragma once

// One order to the unit server (hidraw_units.cpp) over the control socket that hidraw-namespace.sh names
// in T2Q_HIDRAW_CONTROL; shared by the tests and the benchmark, which run inside that script.

#include <QByteArray>
#include <QString>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace hidraw {

// True with the answer after "ok " in *answer; false with the whole answer (or nothing, when the server
// could not be reached) in *answer.
inline bool request(const QString& line, QString* answer)
{
    const QByteArray path = qgetenv("T2Q_HIDRAW_CONTROL");
    const int connection = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    QByteArray text;
    if (connection >= 0 && ::connect(connection, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        const QByteArray order = line.toLatin1() + '\n';
        if (::write(connection, order.constData(), size_t(order.size())) == order.size()) {
            char buffer[4096];
            ssize_t count;
            while ((count = ::read(connection, buffer, sizeof buffer)) > 0)
                text.append(buffer, int(count));
        }
    }
    if (connection >= 0)
        ::close(connection);
    text = text.trimmed();
    const bool ok = text == "ok" || text.startsWith("ok ");
    *answer = QString::fromLatin1(ok ? text.mid(3) : text);
    return ok;
}

inline bool available()
{
    return !qEnvironmentVariableIsEmpty("T2Q_HIDRAW_CONTROL");
}

} // namespace hidraw
