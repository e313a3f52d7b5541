#include "support/ScriptedHidBackend.h"

namespace {

QString accessName(HidBackend::Access access)
{
    switch (access) {
    case HidBackend::Access::Probe:
        return QStringLiteral("probe");
    case HidBackend::Access::Read:
        return QStringLiteral("read");
    case HidBackend::Access::Write:
        return QStringLiteral("write");
    }
    return QString();
}

} // namespace

ScriptedHidBackend::Interface& ScriptedHidBackend::addInterface(const QString& path, quint16 vendorId,
                                                                quint16 productId)
{
    Interface entry;
    entry.path = path;
    entry.vendorId = vendorId;
    entry.productId = productId;
    m_interfaces.append(entry);
    return m_interfaces.last();
}

void ScriptedHidBackend::removeInterface(const QString& path)
{
    m_interfaces.removeIf([&](const Interface& entry) { return entry.path == path; });
}

void ScriptedHidBackend::queueReport(const QByteArray& data)
{
    m_input.append({ InputKind::Report, data });
}

void ScriptedHidBackend::queueTimeout()
{
    m_input.append({ InputKind::Timeout, {} });
}

void ScriptedHidBackend::queueReadFailure()
{
    m_input.append({ InputKind::Failure, {} });
}

void ScriptedHidBackend::failWriteAt(int n)
{
    m_writesUntilFailure = n;
}

QList<QByteArray> ScriptedHidBackend::writtenBytes() const
{
    QList<QByteArray> bytes;
    for (const WrittenReport& report : m_written)
        bytes.append(report.bytes);
    return bytes;
}

bool ScriptedHidBackend::init()
{
    return m_initSucceeds;
}

std::vector<QString> ScriptedHidBackend::enumerate(quint16 vendorIdHint)
{
    m_vendorIdHint = vendorIdHint;
    std::vector<QString> paths;
    for (const Interface& entry : m_interfaces)
        paths.push_back(entry.path);
    return paths;
}

HidBackend::Handle ScriptedHidBackend::open(const QString& path, Access access, QString* error)
{
    const Interface* entry = find(path);
    const bool opens = entry && (access == Access::Probe ? entry->probeOpens : entry->ioOpens);
    if (!opens) {
        m_log.append(QStringLiteral("open %1 %2 failed").arg(accessName(access), path));
        if (error)
            *error = m_lastError;
        return NoHandle;
    }
    const Handle handle = m_nextHandle++;
    m_handles[handle] = OpenHandle { path, access };
    m_log.append(QStringLiteral("open %1 %2 -> %3").arg(accessName(access), path).arg(handle));
    return handle;
}

void ScriptedHidBackend::close(Handle handle)
{
    m_log.append(QStringLiteral("close %1%2")
                     .arg(handle)
                     .arg(m_handles.erase(handle) ? QString() : QStringLiteral(" (not open)")));
}

bool ScriptedHidBackend::attributes(Handle probe, quint16* vendorId, quint16* productId)
{
    auto found = m_handles.find(probe);
    if (found == m_handles.end())
        return false;
    const Interface* entry = find(found->second.path);
    if (!entry || !entry->attributesWork)
        return false;
    *vendorId = entry->vendorId;
    *productId = entry->productId;
    return true;
}

bool ScriptedHidBackend::writeReport(Handle handle, const QByteArray& report)
{
    if (!usable(handle, Access::Write))
        return false;
    if (m_writesUntilFailure > 0 && --m_writesUntilFailure == 0)
        return false;
    m_written.append({ handle, m_handles.at(handle).path, report });
    return true;
}

int ScriptedHidBackend::readReport(Handle handle, QByteArray* data, int timeoutMs)
{
    m_readTimeouts.append(timeoutMs);
    if (!usable(handle, Access::Read))
        return -1;
    if (m_input.isEmpty() || m_input.constFirst().kind == InputKind::Timeout)
        m_nowMs += qMax(timeoutMs, 0);
    if (m_input.isEmpty())
        return 0;
    const Input input = m_input.takeFirst();
    switch (input.kind) {
    case InputKind::Report:
        *data = input.data;
        return int(input.data.size());
    case InputKind::Timeout:
        return 0;
    case InputKind::Failure:
        return -1;
    }
    return -1;
}

const ScriptedHidBackend::Interface* ScriptedHidBackend::find(const QString& path) const
{
    for (const Interface& entry : m_interfaces) {
        if (entry.path == path)
            return &entry;
    }
    return nullptr;
}

bool ScriptedHidBackend::usable(Handle handle, Access access) const
{
    auto found = m_handles.find(handle);
    return found != m_handles.end() && found->second.access == access && find(found->second.path);
}
