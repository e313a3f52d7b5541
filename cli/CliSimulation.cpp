#include "cli/CliSimulation.h"

#include "cli/CliFailure.h"
#include "cli/CliLogging.h"
#include "config/CfgFile.h"
#include "protocol/Tavrin2QtComm.h"
#include "sim/VirtualTavrin.h"
#include "sim/VirtualTavrinBus.h"
#include "usb/UsbHid.h"

#include <optional>

namespace {
using Model = VirtualTavrin::Model;

std::optional<Model> modelOfType(int tavrinType)
{
    switch (tavrinType) {
    case DalenTavrin:
        return Model::DalenTavrin;
    case DalenTavrin2Button:
        return Model::DalenTavrin2Button;
    case TavrinII:
        return Model::TavrinII;
    default:
        return std::nullopt;
    }
}
} // namespace

void CliSimulation::setUp(const QString& modelNames, const QString& fromFile)
{
    QList<Model> models;
    if (!modelNames.isEmpty()) {
        QString unknown;
        const std::optional<QList<Model>> named = VirtualTavrinBus::modelsFromNames(modelNames, &unknown);
        if (!named)
            throw CliFailure::usage(
                tr("Unknown model \"%1\" for --simulate: use tavrin2, dalen or dalen2.").arg(unknown));
        models = *named;
    }

    std::unique_ptr<Tavrin2QtCfg> cfg;
    if (!fromFile.isEmpty()) {
        QString error;
        cfg = CfgFile::load(fromFile, error);
        if (!cfg)
            throw CliFailure::failure(error);
        const std::optional<Model> fileModel = modelOfType(cfg->tavrinType());
        if (!fileModel)
            throw CliFailure::failure(tr("%1 holds the settings of no model the virtual unit can be.").arg(fromFile));
        if (!models.isEmpty() && models.constFirst() != *fileModel)
            throw CliFailure::usage(
                tr("--simulate %1 is another model than the settings of %2.").arg(modelNames, fromFile));
        if (models.isEmpty())
            models.append(*fileModel);
    }
    if (models.isEmpty())
        return;

    install(models);
    // The protocol must identify the new unit, as after plugging it in.
    Tavrin2QtComm::instance()->reset();
    if (cfg)
        preload(fromFile, *cfg);
}

void CliSimulation::install(const QList<Model>& models)
{
    m_units = VirtualTavrinBus::install(models);
    m_device = m_units.constFirst();
}

void CliSimulation::preload(const QString& fromFile, const Tavrin2QtCfg& cfg)
{
    // What the file says the unit reported about itself, as far as the virtual unit can be that unit.
    const QString defaultVersion = m_device->firmware().version();
    if (cfg.firmware().startsWith(defaultVersion.left(2)))
        m_device->setVersion(cfg.firmware());
    if (!cfg.serNum().isEmpty())
        m_device->setSerialNumber(cfg.serNum());

    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    comm->chooseUnit(m_device->path());
    auto refused = [&fromFile](const QString& message) {
        return CliFailure::failure(tr("The virtual unit cannot take the settings of %1:\n%2").arg(fromFile, message));
    };
    try {
        comm->connectTavrin();
        comm->updateTavrin(cfg);
    } catch (const UsbHidException& e) {
        throw refused(e.message());
    } catch (const std::exception& e) {
        throw refused(QString::fromUtf8(e.what()));
    }
    qCDebug(lcCli) << "virtual unit preloaded from" << fromFile << "in" << m_device->transcript().size() << "commands";
    comm->reset();
    m_device->clearTranscript();
    m_device->resetElapsed();
}

QStringList CliSimulation::transcript() const
{
    if (m_units.size() == 1)
        return m_device->transcript();
    QStringList lines;
    for (const VirtualTavrin* unit : m_units) {
        for (const QString& line : unit->transcript())
            lines.append(unit->path() + QStringLiteral(": ") + line);
    }
    return lines;
}
