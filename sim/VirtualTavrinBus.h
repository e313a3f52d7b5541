#pragma once

#include "sim/VirtualTavrin.h"
#include "usb/HidBackend.h"

#include <QList>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <mutex>
#include <vector>

// Several virtual Tavrin units on one virtual HID bus, as on a hub: enumeration lists the interfaces
// of every unit in the order they were added, and each handle reaches the unit that opened it.
// Each unit keeps its own faults, transcript and clock. Sessions on several threads may use the bus at
// once: the bus's tables have one lock, and each unit one of its own, so a unit serves one call at a time.
class VirtualTavrinBus : public HidBackend
{
public:
    // The models of a --simulate list ("tavrin2,dalen"), in order, each name as
    // VirtualTavrin::modelFromName takes it; nullopt, and *unknown set to it, for the first name that is
    // no model.
    static std::optional<QList<VirtualTavrin::Model>> modelsFromNames(const QString& names, QString* unknown);
    // Puts units of these models behind the HID link: one alone at /dev/virtual-tavrin, several on a
    // bus at /dev/virtual-tavrin, /dev/virtual-tavrin-2 and so on, their serial numbers counting up
    // from the first's (units told apart by serial number must not share one). Returns the units in
    // order, owned by the link.
    static QList<VirtualTavrin*> install(const QList<VirtualTavrin::Model>& models);

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
    // The units sit on one hub, in the order they were added: "1-1.1", "1-1.2", ...
    QString portPath(const QString& path) override;
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
