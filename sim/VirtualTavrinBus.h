#pragma once

#include "sim/VirtualTavrin.h"
#include "usb/HidBackend.h"

#include <map>
#include <memory>
#include <mutex>
#include <vector>

// Several virtual Tavrin units on one virtual HID bus, as on a hub: enumeration lists the interfaces
// of every unit in the order they were added, and each handle reaches the unit that opened it.
// Each unit keeps its own faults, transcript and clock. Sessions on several threads may use the bus at
// once: the bus's tables have one lock, and each unit one of its own, so a unit serves one call at a time.
class VirtualTavrinBus : public HidBackend
{
public:
    // The unit's path must be its own on this bus. Returns the unit, owned by the bus.
    VirtualTavrin* addUnit(std::unique_ptr<VirtualTavrin> unit);
    int unitCount() const;
    VirtualTavrin* unit(int index) const;

    bool init() override { return true; }
    std::vector<QString> enumerate(quint16 vendorIdHint) override;
    Handle open(const QString& path, Access access, QString* error) override;
    void close(Handle handle) override;
    bool attributes(Handle probe, quint16* vendorId, quint16* productId) override;
    bool writeReport(Handle handle, const QByteArray& report) override;
    int readReport(Handle handle, QByteArray* data, int timeoutMs) override;
    int discardInput(Handle handle) override;
    QString lastErrorText(Handle handle) override;
    qint64 nowMs(Handle handle) override;
    bool deviceGone(Handle handle) const override;

private:
    struct Slot
    {
        std::unique_ptr<VirtualTavrin> unit;
        std::unique_ptr<std::mutex> mutex;
    };
    struct UnitHandle
    {
        Slot* slot = nullptr;
        Handle handle = NoHandle;
    };

    UnitHandle unitHandle(Handle handle) const;

    mutable std::mutex m_mutex;
    // Slots never move: units are only added, each slot on the heap.
    std::vector<std::unique_ptr<Slot>> m_slots;
    std::map<Handle, UnitHandle> m_handles;
    Handle m_nextHandle = 1;
};
