#include "sim/VirtualTavrinBus.h"

VirtualTavrin* VirtualTavrinBus::addUnit(std::unique_ptr<VirtualTavrin> unit)
{
    auto slot = std::make_unique<Slot>();
    slot->unit = std::move(unit);
    slot->mutex = std::make_unique<std::mutex>();
    VirtualTavrin* added = slot->unit.get();
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_slots.push_back(std::move(slot));
    return added;
}

int VirtualTavrinBus::unitCount() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_slots.size());
}

VirtualTavrin* VirtualTavrinBus::unit(int index) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_slots.at(size_t(index))->unit.get();
}

std::vector<QString> VirtualTavrinBus::enumerate(quint16 vendorIdHint)
{
    std::vector<Slot*> present;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto& slot : m_slots)
            present.push_back(slot.get());
    }
    std::vector<QString> paths;
    for (Slot* slot : present) {
        const std::lock_guard<std::mutex> unitLock(*slot->mutex);
        const std::vector<QString> own = slot->unit->enumerate(vendorIdHint);
        paths.insert(paths.end(), own.begin(), own.end());
    }
    return paths;
}

HidBackend::Handle VirtualTavrinBus::open(const QString& path, Access access, QString* error)
{
    std::vector<Slot*> present;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto& slot : m_slots)
            present.push_back(slot.get());
    }
    for (Slot* slot : present) {
        Handle own = NoHandle;
        {
            const std::lock_guard<std::mutex> unitLock(*slot->mutex);
            if (!slot->unit->owns(path))
                continue;
            own = slot->unit->open(path, access, error);
        }
        if (own == NoHandle)
            return NoHandle;
        const std::lock_guard<std::mutex> lock(m_mutex);
        const Handle handle = m_nextHandle++;
        m_handles[handle] = UnitHandle { slot, own };
        return handle;
    }
    if (error)
        *error = QStringLiteral("No such device\n");
    return NoHandle;
}

void VirtualTavrinBus::close(Handle handle)
{
    UnitHandle target;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        auto found = m_handles.find(handle);
        if (found == m_handles.end())
            return;
        target = found->second;
        m_handles.erase(found);
    }
    const std::lock_guard<std::mutex> unitLock(*target.slot->mutex);
    target.slot->unit->close(target.handle);
}

bool VirtualTavrinBus::attributes(Handle probe, quint16* vendorId, quint16* productId)
{
    const UnitHandle target = unitHandle(probe);
    if (!target.slot)
        return false;
    const std::lock_guard<std::mutex> unitLock(*target.slot->mutex);
    return target.slot->unit->attributes(target.handle, vendorId, productId);
}

bool VirtualTavrinBus::writeReport(Handle handle, const QByteArray& report)
{
    const UnitHandle target = unitHandle(handle);
    if (!target.slot)
        return false;
    const std::lock_guard<std::mutex> unitLock(*target.slot->mutex);
    return target.slot->unit->writeReport(target.handle, report);
}

int VirtualTavrinBus::readReport(Handle handle, QByteArray* data, int timeoutMs)
{
    const UnitHandle target = unitHandle(handle);
    if (!target.slot)
        return -1;
    const std::lock_guard<std::mutex> unitLock(*target.slot->mutex);
    return target.slot->unit->readReport(target.handle, data, timeoutMs);
}

int VirtualTavrinBus::discardInput(Handle handle)
{
    const UnitHandle target = unitHandle(handle);
    if (!target.slot)
        return 0;
    const std::lock_guard<std::mutex> unitLock(*target.slot->mutex);
    return target.slot->unit->discardInput(target.handle);
}

QString VirtualTavrinBus::lastErrorText(Handle handle)
{
    const UnitHandle target = unitHandle(handle);
    if (!target.slot)
        return QStringLiteral("Bad file descriptor\n");
    const std::lock_guard<std::mutex> unitLock(*target.slot->mutex);
    return target.slot->unit->lastErrorText(target.handle);
}

qint64 VirtualTavrinBus::nowMs(Handle handle)
{
    const UnitHandle target = unitHandle(handle);
    if (!target.slot)
        return HidBackend::nowMs(handle);
    const std::lock_guard<std::mutex> unitLock(*target.slot->mutex);
    return target.slot->unit->nowMs(target.handle);
}

bool VirtualTavrinBus::deviceGone(Handle handle) const
{
    const UnitHandle target = unitHandle(handle);
    if (!target.slot)
        return false;
    const std::lock_guard<std::mutex> unitLock(*target.slot->mutex);
    return target.slot->unit->deviceGone(target.handle);
}

VirtualTavrinBus::UnitHandle VirtualTavrinBus::unitHandle(Handle handle) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    auto found = m_handles.find(handle);
    return found != m_handles.end() ? found->second : UnitHandle();
}
