// Serves virtual Tavrin units behind hidraw nodes until it is killed, and takes orders on a Unix
// socket, one line per connection, answered by one line ("ok ..." or "error ..."):
//   plug NAME MODEL [PRODUCT_ID_HEX] [serial=SERIAL] [deny-opens=N]
//                                      a unit ("tavrin2", "dalen", "dalen2"), its first N opens refused
//                                      with EACCES; answers its node
//   unplug NAME
//   fault NAME KIND [N]                mute-after, unplug-after-reports, unplug-after-commands,
//                                      hold-after-commands, write-errno, stall-writes, short-writes,
//                                      descriptor-errno, deny-opens, fail-command KEYWORD (answered "Err"),
//                                      none (also releases held writes)
//   release NAME                       the writes held by hold-after-commands go through, in order
//   held NAME                          how many writes are held
//   execute NAME LINE                  a command straight to the firmware; answers its lines
//   setting NAME KEYWORD               the unit's READ line of that keyword
//   transcript NAME                    the command lines received over the node, tab-separated
//   opens NAME                         how often the node was opened
//   first-report NAME                  when the node received its first output report, in ns of
//                                      CLOCK_MONOTONIC; 0 before it did
// Plug and unplug are announced as udevd announces them. Meant to run inside the private namespaces that
// tests/hidraw/hidraw-namespace.sh sets up.
#include "HidrawUnit.h"
#include "UdevAnnouncer.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

class UnitServer
{
public:
    bool listen(const QByteArray& socketPath);
    void run();

private:
    void serveControl();
    QByteArray command(const QList<QByteArray>& words, const QByteArray& line);
    QByteArray plug(const QList<QByteArray>& words);
    QByteArray fault(HidrawUnit& unit, const QList<QByteArray>& words);
    int freeNumber() const;

    int m_control = -1;
    UdevAnnouncer m_announcer; // outlives the units
    std::map<QByteArray, std::unique_ptr<HidrawUnit>> m_units;
    // Unplugged units replaced by a new one of the same name, kept while files of theirs are open.
    std::vector<std::unique_ptr<HidrawUnit>> m_retired;
};

bool UnitServer::listen(const QByteArray& socketPath)
{
    m_control = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.constData(), sizeof address.sun_path - 1);
    ::unlink(socketPath.constData());
    return m_control >= 0 && ::bind(m_control, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && ::listen(m_control, 32) == 0;
}

void UnitServer::run()
{
    for (;;) {
        std::vector<pollfd> fds { pollfd { m_control, POLLIN, 0 } };
        m_retired.erase(std::remove_if(m_retired.begin(), m_retired.end(),
                                       [](const std::unique_ptr<HidrawUnit>& unit) { return !unit->isServing(); }),
                        m_retired.end());
        std::vector<HidrawUnit*> serving;
        for (auto& [name, unit] : m_units) {
            if (unit->isServing())
                serving.push_back(unit.get());
        }
        for (auto& unit : m_retired)
            serving.push_back(unit.get());
        std::optional<HidrawUnit::Clock::time_point> deadline;
        for (HidrawUnit* unit : serving) {
            fds.push_back(pollfd { unit->sessionFd(), POLLIN, 0 });
            if (const auto next = unit->nextDeadline(); next && (!deadline || *next < *deadline))
                deadline = next;
        }
        int timeoutMs = -1;
        if (deadline) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(*deadline - HidrawUnit::Clock::now());
            timeoutMs = int(qMax<qint64>(0, left.count()));
        }
        if (::poll(fds.data(), fds.size(), timeoutMs) < 0 && errno != EINTR)
            return;
        const auto now = HidrawUnit::Clock::now();
        for (HidrawUnit* unit : serving)
            unit->expireStalls(now);
        for (size_t i = 1; i < fds.size(); ++i) {
            if (fds[i].revents)
                serving[i - 1]->serveRequest();
        }
        if (fds[0].revents & POLLIN)
            serveControl();
    }
}

void UnitServer::serveControl()
{
    const int connection = ::accept4(m_control, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0)
        return;
    QByteArray line;
    char buffer[4096];
    while (!line.contains('\n')) {
        const ssize_t count = ::read(connection, buffer, sizeof buffer);
        if (count <= 0)
            break;
        line.append(buffer, int(count));
    }
    line = line.left(line.indexOf('\n'));
    const QByteArray answer = command(line.split(' '), line) + '\n';
    if (::write(connection, answer.constData(), size_t(answer.size())) < 0)
        std::perror("control answer");
    ::close(connection);
}

QByteArray UnitServer::command(const QList<QByteArray>& words, const QByteArray& line)
{
    if (words.size() < 2)
        return "error: no unit named";
    const QByteArray& verb = words.at(0);
    if (verb == "plug")
        return plug(words);
    auto found = m_units.find(words.at(1));
    if (found == m_units.end() && verb == "unplug")
        return "ok";
    if (found == m_units.end())
        return "error: no unit " + words.at(1);
    HidrawUnit& unit = *found->second;
    if (verb == "unplug") {
        unit.unplug();
        return "ok";
    }
    if (verb == "fault")
        return fault(unit, words);
    const QString rest = QString::fromLatin1(line.mid(verb.size() + words.at(1).size() + 2));
    if (verb == "execute")
        return "ok " + unit.unit().execute(rest).join(QLatin1Char('\t')).toLatin1();
    if (verb == "setting")
        return "ok " + unit.unit().settingLine(rest).toLatin1();
    if (verb == "transcript")
        return "ok " + unit.unit().transcript().join(QLatin1Char('\t')).toLatin1();
    if (verb == "release") {
        unit.releaseWrites();
        return "ok";
    }
    if (verb == "held")
        return "ok " + QByteArray::number(unit.heldWrites());
    if (verb == "opens")
        return "ok " + QByteArray::number(unit.openCount());
    if (verb == "first-report")
        return "ok " + QByteArray::number(unit.firstReportNs());
    return "error: unknown order " + verb;
}

QByteArray UnitServer::plug(const QList<QByteArray>& words)
{
    if (words.size() < 3)
        return "error: plug NAME MODEL [PRODUCT_ID_HEX] [serial=SERIAL] [deny-opens=N]";
    const std::optional<VirtualTavrin::Model> model = VirtualTavrin::modelFromName(QString::fromLatin1(words.at(2)));
    if (!model)
        return "error: unknown model " + words.at(2);
    quint16 productId = *model == VirtualTavrin::Model::TavrinII ? 0xAA55 : 0xAA57;
    QString serialNumber;
    int deniedOpens = 0;
    for (const QByteArray& word : words.mid(3)) {
        if (word.startsWith("serial="))
            serialNumber = QString::fromLatin1(word.mid(7));
        else if (word.startsWith("deny-opens="))
            deniedOpens = word.mid(11).toInt();
        else if (const uint id = word.toUInt(nullptr, 16); id > 0 && id <= 0xFFFF)
            productId = quint16(id);
        else
            return "error: plug: what is " + word + "?";
    }
    if (auto previous = m_units.find(words.at(1)); previous != m_units.end()) {
        previous->second->unplug();
        m_retired.push_back(std::move(previous->second));
        m_units.erase(previous);
    }
    auto unit
        = std::make_unique<HidrawUnit>(QString::fromLatin1(words.at(1)), *model, freeNumber(), productId, serialNumber);
    unit->faults().deniedOpens = deniedOpens;
    QString error;
    if (!unit->plug(&error, &m_announcer))
        return "error: " + error.toLocal8Bit();
    const QByteArray node = QFile::encodeName(unit->nodePath());
    m_units[words.at(1)] = std::move(unit);
    return "ok " + node;
}

QByteArray UnitServer::fault(HidrawUnit& unit, const QList<QByteArray>& words)
{
    const QByteArray kind = words.value(2);
    const int n = words.value(3).toInt();
    HidrawUnit::Faults& faults = unit.faults();
    if (kind == "none") {
        faults = HidrawUnit::Faults();
        unit.releaseWrites();
    } else if (kind == "hold-after-commands")
        faults.holdAfterCommands = n;
    else if (kind == "mute-after")
        faults.muteAfterReports = n;
    else if (kind == "unplug-after-reports")
        faults.unplugAfterReports = n;
    else if (kind == "unplug-after-commands")
        faults.unplugAfterCommands = n;
    else if (kind == "write-errno")
        faults.writeErrno = n;
    else if (kind == "stall-writes")
        faults.stallWrites = true;
    else if (kind == "short-writes")
        faults.shortWrites = true;
    else if (kind == "descriptor-errno")
        faults.descriptorSizeErrno = n;
    else if (kind == "deny-opens")
        faults.deniedOpens = n;
    else if (kind == "fail-command")
        unit.unit().failCommand(QString::fromLatin1(words.value(3)));
    else
        return "error: unknown fault " + kind;
    return "ok";
}

int UnitServer::freeNumber() const
{
    for (int number = 0;; ++number) {
        bool taken = false;
        const QString node = QStringLiteral("/dev/hidraw%1").arg(number);
        for (const auto& [name, unit] : m_units)
            taken = taken || (unit->isServing() && unit->nodePath() == node);
        for (const auto& unit : m_retired)
            taken = taken || unit->nodePath() == node;
        if (!taken)
            return number;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CONTROL_SOCKET\n", argv[0]);
        return 2;
    }
    UnitServer server;
    if (!server.listen(argv[1])) {
        std::fprintf(stderr, "cannot listen on %s: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    server.run();
    return 1;
}
