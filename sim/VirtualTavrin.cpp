#include "sim/VirtualTavrin.h"

#include "sim/SimLogging.h"

namespace {

constexpr int ReportSize = 9;
constexpr int ReportDataSize = 8;
constexpr char CarriageReturn = '\x0D';
// Longer than any line the host can send; beyond it the device drops what it has.
constexpr int MaxPendingBytes = 512;

const QByteArray lineEnd()
{
    return QByteArrayLiteral("\n\r");
}

} // namespace

VirtualTavrin::VirtualTavrin(Model model, const QString& path)
    : m_path(path)
    , m_firmware(model)
{
}

std::optional<VirtualTavrin::Model> VirtualTavrin::modelFromName(const QString& name)
{
    const QString key = name.toLower();
    if (key == QLatin1String("tavrin2") || key == QLatin1String("tavrinii"))
        return Model::TavrinII;
    if (key == QLatin1String("dalen"))
        return Model::DalenTavrin;
    if (key == QLatin1String("dalen2"))
        return Model::DalenTavrin2Button;
    return std::nullopt;
}

void VirtualTavrin::addInterface(const QString& path, quint16 vendorId, quint16 productId)
{
    m_otherInterfaces.append(Interface { path, vendorId, productId });
}

void VirtualTavrin::failNthCommand(int n)
{
    m_failAtCommand = n > 0 ? m_commandCount + n : 0;
}

void VirtualTavrin::unplug()
{
    leaveBus(false);
}

void VirtualTavrin::unplugAfterCommands(int n)
{
    if (n <= 0)
        unplug();
    else
        m_unplugAfterCommand = m_commandCount + n;
}

void VirtualTavrin::replug()
{
    leaveBus(false);
    m_present = true;
    qCDebug(lcSim) << "plugged in at" << m_path;
}

void VirtualTavrin::queueRawInput(const QByteArray& bytes)
{
    for (int offset = 0; offset < bytes.size(); offset += ReportDataSize) {
        QByteArray report = bytes.mid(offset, ReportDataSize);
        report.append(ReportDataSize - report.size(), '\0');
        queueReport(report);
    }
}

void VirtualTavrin::clearFaults()
{
    m_silent = false;
    m_failKeyword.clear();
    m_ignoreKeyword.clear();
    m_reportsLeft = -1;
    m_failAtCommand = 0;
    m_unplugAfterCommand = 0;
    m_babbling = false;
    m_garbage = false;
    m_openable = true;
}

void VirtualTavrin::setRealTime(bool realTime)
{
    m_clock.setRealTime(realTime);
    m_replyDelayMs = realTime ? RealTimeReplyDelayMs : 0;
}

std::vector<QString> VirtualTavrin::enumerate(quint16 vendorIdHint)
{
    // Every interface is listed whatever the hint, so the link's own matching is what decides.
    Q_UNUSED(vendorIdHint)
    ++m_enumerations;
    leaveBusIfDue();
    std::vector<QString> paths;
    for (const Interface& other : m_otherInterfaces)
        paths.push_back(other.path);
    if (m_present)
        paths.push_back(m_path);
    return paths;
}

HidBackend::Handle VirtualTavrin::open(const QString& path, Access access, QString* error)
{
    leaveBusIfDue();
    int generation = 0;
    if (!otherInterface(path)) {
        if (path != m_path || !m_present) {
            m_lastError = QStringLiteral("No such device\n");
            if (error)
                *error = m_lastError;
            return NoHandle;
        }
        if (access != Access::Probe && !m_openable) {
            m_lastError = QStringLiteral("Permission denied\n");
            if (error)
                *error = m_lastError;
            return NoHandle;
        }
        generation = m_generation;
    }
    const Handle handle = m_nextHandle++;
    m_handles[handle] = OpenHandle { path, access, generation };
    return handle;
}

void VirtualTavrin::close(Handle handle)
{
    m_handles.erase(handle);
}

bool VirtualTavrin::attributes(Handle probe, quint16* vendorId, quint16* productId)
{
    const OpenHandle* open = usableHandle(probe, std::nullopt);
    if (!open)
        return false;
    if (const Interface* other = otherInterface(open->path)) {
        *vendorId = other->vendorId;
        *productId = other->productId;
    } else {
        *vendorId = 0x03EB;
        *productId = m_firmware.productId();
    }
    return true;
}

bool VirtualTavrin::writeReport(Handle handle, const QByteArray& report)
{
    // A report of zeros only is the end of the line just executed, not the start of another.
    if (report.count('\0') != report.size())
        leaveBusIfDue();
    const OpenHandle* open = usableHandle(handle, Access::Write);
    if (!open)
        return false;
    if (report.size() != ReportSize || report.at(0) != 0) {
        m_lastError = QStringLiteral("Invalid argument\n");
        return false;
    }
    if (open->generation != 0)
        receive(report.mid(1));
    return true;
}

int VirtualTavrin::readReport(Handle handle, QByteArray* data, int timeoutMs)
{
    const OpenHandle* open = usableHandle(handle, Access::Read);
    if (!open)
        return -1;
    const qint64 deadline = m_clock.now() + qMax(timeoutMs, 0);
    if (open->generation != 0) {
        if (m_input.isEmpty() && m_babbling)
            m_input.append(InputReport { m_clock.now() + BabbleIntervalMs, QByteArrayLiteral("BABBLE\r\0") });
        if (m_reportsLeft == 0)
            m_input.clear();
        if (!m_input.isEmpty() && m_input.first().dueAt <= deadline) {
            m_clock.waitUntil(m_input.first().dueAt);
            *data = m_input.takeFirst().data;
            ++m_reportsDelivered;
            if (m_reportsLeft > 0)
                --m_reportsLeft;
            m_silentWaitMs = 0;
            return int(data->size());
        }
    }
    m_clock.waitUntil(deadline);
    m_silentWaitMs += qMax(timeoutMs, 0);
    if (m_input.isEmpty() && m_silentWaitMs >= DepartureSilenceMs)
        leaveBusIfDue();
    return 0;
}

int VirtualTavrin::discardInput(Handle handle)
{
    const OpenHandle* open = usableHandle(handle, Access::Read);
    int discarded = 0;
    while (open && open->generation != 0 && !m_input.isEmpty() && m_input.first().dueAt <= m_clock.now()) {
        m_input.removeFirst();
        ++discarded;
    }
    return discarded;
}

const VirtualTavrin::Interface* VirtualTavrin::otherInterface(const QString& path) const
{
    for (const Interface& other : m_otherInterfaces) {
        if (other.path == path)
            return &other;
    }
    return nullptr;
}

const VirtualTavrin::OpenHandle* VirtualTavrin::usableHandle(Handle handle, std::optional<Access> access)
{
    m_deviceGone = false;
    auto found = m_handles.find(handle);
    if (found == m_handles.end() || (access && found->second.access != *access)) {
        m_lastError = QStringLiteral("Bad file descriptor\n");
        return nullptr;
    }
    const int generation = found->second.generation;
    if (generation != 0 && (!m_present || generation != m_generation)) {
        m_lastError = QStringLiteral("No such device\n");
        m_deviceGone = true;
        return nullptr;
    }
    return &found->second;
}

void VirtualTavrin::receive(const QByteArray& data)
{
    m_silentWaitMs = 0;
    m_received += data;
    // Zero bytes between lines are the sender's terminator and padding.
    int start = 0;
    while (start < m_received.size() && m_received.at(start) == '\0')
        ++start;
    m_received.remove(0, start);

    const int end = int(m_received.indexOf(lineEnd()));
    if (end < 0) {
        if (m_received.size() > MaxPendingBytes) {
            qCWarning(lcSim) << "no line end in" << m_received.size() << "bytes; dropped";
            m_received.clear();
        }
        return;
    }
    const QByteArray line = m_received.left(end);
    // A line's end is also its report's end: the rest of that report is its zero byte and padding.
    m_received.clear();
    executeLine(QString::fromLatin1(line));
}

void VirtualTavrin::executeLine(const QString& line)
{
    m_transcript.append(line);
    ++m_commandCount;
    qCDebug(lcSim) << "received" << line;

    const QString keyword = line.section(QLatin1Char(','), 0, 0);
    QStringList answer;
    if ((!m_failKeyword.isEmpty() && keyword == m_failKeyword) || m_commandCount == m_failAtCommand) {
        answer = QStringList { QStringLiteral("Err: failed") };
    } else if (!m_ignoreKeyword.isEmpty() && keyword == m_ignoreKeyword) {
        answer = QStringList { QStringLiteral("OK") };
    } else {
        const VirtualTavrinFirmware::Result result = m_firmware.execute(line);
        answer = result.answer;
        if (result.enterBootLoader) {
            m_departureDue = true;
            m_departureForBootLoader = true;
        }
    }
    if (!m_silent) {
        for (const QString& answerLine : answer)
            queueLine(answerLine.toLatin1());
    }
    if (m_commandCount == m_unplugAfterCommand)
        m_departureDue = true;
}

void VirtualTavrin::queueLine(const QByteArray& line)
{
    if (m_garbage) {
        QByteArray noise(ReportDataSize, '\0');
        for (char& byte : noise) {
            do {
                byte = char(m_random.bounded(256));
            } while (byte == CarriageReturn);
        }
        queueReport(noise);
    }
    queueRawInput(line + CarriageReturn);
}

void VirtualTavrin::queueReport(const QByteArray& data)
{
    qint64 dueAt = m_clock.now() + m_replyDelayMs;
    if (!m_input.isEmpty())
        dueAt = qMax(dueAt, m_input.last().dueAt);
    m_input.append(InputReport { dueAt, data });
}

// A device that was told to leave (BL, or the unplug-after fault) goes once its last answer has
// been fetched and the host has waited DepartureSilenceMs in silence, or as soon as the host turns
// to anything else: the host's exchange ends normally, and what follows finds the device gone.
void VirtualTavrin::leaveBusIfDue()
{
    if (m_departureDue)
        leaveBus(m_departureForBootLoader);
}

void VirtualTavrin::leaveBus(bool forBootLoader)
{
    if (m_present)
        qCDebug(lcSim) << (forBootLoader ? "left the bus for the boot loader" : "unplugged");
    m_present = false;
    m_inBootLoader = forBootLoader;
    ++m_generation;
    m_input.clear();
    m_received.clear();
    m_departureDue = false;
    m_departureForBootLoader = false;
    m_unplugAfterCommand = 0;
}
