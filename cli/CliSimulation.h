#pragma once

#include "sim/VirtualTavrinFirmware.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class VirtualTavrin;

// The virtual unit of --simulate and --simulate-from, installed behind the HID link in virtual time,
// so that a script runs without hardware and without waiting.
class CliSimulation
{
    Q_DECLARE_TR_FUNCTIONS(CliSimulation)

public:
    // Installs a virtual unit of the model named (tavrin2, dalen, dalen2; empty: the file's model) that
    // holds the settings of fromFile (none when empty), written into it through the protocol. Several
    // names separated by commas put several units on the bus, each with a serial number of its own;
    // the file's settings go into the first. Throws CliFailure: usage for an unknown model or one that
    // contradicts the file, failure when the file cannot be loaded or written. Progress of the preload
    // is not shown.
    void setUp(const QString& modelNames, const QString& fromFile);

    bool isActive() const { return m_device != nullptr; }
    // The first unit.
    VirtualTavrin* device() const { return m_device; }
    // What the units received since set-up; with several, each line starts with the unit's path.
    QStringList transcript() const;

private:
    void install(const QList<VirtualTavrinFirmware::Model>& models);
    void preload(const QString& fromFile, const class Tavrin2QtCfg& cfg);

    VirtualTavrin* m_device = nullptr;
    QList<VirtualTavrin*> m_units;
};
