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
    m_units.push_back(std::move(unit));
    return m_units.back().get();
}

std::vector<QString> VirtualTavrinBus::enumerate(quint16 vendorIdHint)
{
    std::vector<QString> paths;
    for (const auto& unit : m_units) {
        const std::vector<QString> own = unit->enumerate(vendorIdHint);
        paths.insert(paths.end(), own.begin(), own.end());
    }
    return paths;
}

QString VirtualTavrinBus::portPath(const QString& path)
{
    for (size_t i = 0; i < m_units.size(); ++i) {
        if (m_units[i]->owns(path))
            return QStringLiteral("1-1.%1").arg(i + 1);
    }
    return QString();
}

HidBackend::Handle VirtualTavrinBus::open(const QString& path, Access access)
{
    for (const auto& unit : m_units) {
        if (!unit->owns(path))
            continue;
        const Handle own = unit->open(path, access);
        if (own == NoHandle) {
            m_lastFailedOpen = unit.get();
            m_lastError = unit->lastErrorText();
            return NoHandle;
        }
        const Handle handle = m_nextHandle++;
        m_handles[handle] = UnitHandle { unit.get(), own };
        return handle;
    }
    m_lastError = QStringLiteral("No such device\n");
    return NoHandle;
}

void VirtualTavrinBus::close(Handle handle)
{
    auto found = m_handles.find(handle);
    if (found == m_handles.end())
        return;
    found->second.unit->close(found->second.handle);
    m_handles.erase(found);
}

bool VirtualTavrinBus::attributes(Handle probe, quint16* vendorId, quint16* productId)
{
    const UnitHandle target = unitHandle(probe);
    const bool known = target.unit && target.unit->attributes(target.handle, vendorId, productId);
    return succeeded(target, known);
}

bool VirtualTavrinBus::writeReport(Handle handle, const QByteArray& report)
{
    const UnitHandle target = unitHandle(handle);
    return succeeded(target, target.unit && target.unit->writeReport(target.handle, report));
}

int VirtualTavrinBus::readReport(Handle handle, QByteArray* data, int timeoutMs)
{
    const UnitHandle target = unitHandle(handle);
    const int count = target.unit ? target.unit->readReport(target.handle, data, timeoutMs) : -1;
    succeeded(target, count >= 0);
    return count;
}

VirtualTavrinBus::UnitHandle VirtualTavrinBus::unitHandle(Handle handle) const
{
    if (handle == NoHandle && m_lastFailedOpen)
        return UnitHandle { m_lastFailedOpen, NoHandle };
    auto found = m_handles.find(handle);
    return found != m_handles.end() ? found->second : UnitHandle { nullptr, NoHandle };
}

bool VirtualTavrinBus::succeeded(const UnitHandle& target, bool success)
{
    if (!success)
        m_lastError = target.unit ? target.unit->lastErrorText() : QStringLiteral("Bad file descriptor\n");
    return success;
}
