#pragma once

#include <QCoreApplication>
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
    // holds the settings of fromFile (none when empty), written into it through the protocol. Throws
    // CliFailure: usage for an unknown model or one that contradicts the file, failure when the file
    // cannot be loaded or written. Progress of the preload is not shown.
    void setUp(const QString& modelName, const QString& fromFile);

    bool isActive() const { return m_device != nullptr; }
    VirtualTavrin* device() const { return m_device; }
    // What the unit received since set-up.
    QStringList transcript() const;

private:
    void install(int tavrinType);
    void preload(const QString& fromFile, const class Tavrin2QtCfg& cfg);

    VirtualTavrin* m_device = nullptr;
};
