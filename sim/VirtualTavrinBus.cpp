#include "sim/VirtualTavrinBus.h"

#include "usb/UsbHid.h"

std::optional<QList<VirtualTavrin::Model>> VirtualTavrinBus::modelsFromNames(const QString& names, QString* unknown)
{
    QList<VirtualTavrin::Model> models;
    for (const QString& name : names.split(QLatin1Char(','))) {
        const std::optional<VirtualTavrin::Model> model = VirtualTavrin::modelFromName(name);
        if (!model) {
            if (unknown)
                *unknown = name;
            return std::nullopt;
        }
        models.append(*model);
    }
    return models;
}

QList<VirtualTavrin*> VirtualTavrinBus::install(const QList<VirtualTavrin::Model>& models)
{
    if (models.size() == 1)
        return { static_cast<VirtualTavrin*>(UsbHid::setBackend(std::make_unique<VirtualTavrin>(models.first()))) };
    auto bus = std::make_unique<VirtualTavrinBus>();
    QList<VirtualTavrin*> units;
    for (int i = 0; i < models.size(); ++i) {
        const QString path
            = i == 0 ? QStringLiteral("/dev/virtual-tavrin") : QStringLiteral("/dev/virtual-tavrin-%1").arg(i + 1);
        VirtualTavrin* unit = bus->addUnit(std::make_unique<VirtualTavrin>(models.at(i), path));
        unit->setSerialNumber(
            QStringLiteral("%1").arg(unit->firmware().serialNumber().toInt() + i, 8, 10, QLatin1Char('0')));
        units.append(unit);
    }
    UsbHid::setBackend(std::move(bus));
    return units;
}

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

QString VirtualTavrinBus::portPath(const QString& path)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (size_t i = 0; i < m_slots.size(); ++i) {
        const std::lock_guard<std::mutex> unitLock(*m_slots[i]->mutex);
        if (m_slots[i]->unit->owns(path))
            return QStringLiteral("1-1.%1").arg(i + 1);
    }
    return QString();
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
