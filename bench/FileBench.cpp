// File: converting a full record to the configuration file's text and back, per call.
#include "BenchFigures.h"
#include "BenchTable.h"
#include "CpuClock.h"
#include "Samples.h"
#include "config/Tavrin2QtCfg.h"

#include <memory>

namespace {
constexpr int Batches = 10;
constexpr int CallsPerBatch = 1000;

// Every string set and every list full: the largest document a record makes.
Tavrin2QtCfg fullRecord()
{
    Tavrin2QtCfg cfg;
    cfg.setRepageEnabled(true);
    cfg.setSysID(42);
    cfg.setLowBatteryPageMsg(QStringLiteral("Battery low at the front desk"));
    cfg.setAckPageMsg(QStringLiteral("Call acknowledged"));
    cfg.setDtBtn1SettingMsg(QStringLiteral("Service needed at table 4"));
    cfg.setDtBtn2SettingMsg(QStringLiteral("Bill requested at table 4"));
    cfg.setDtLowBatteryPageMsg(QStringLiteral("Dalen battery low"));
    cfg.setDtCancelMsg(QStringLiteral("Call cancelled"));
    cfg.setFirmware(QStringLiteral("2.14"));
    cfg.setSerNum(QStringLiteral("TV2-00481516"));
    for (int i = 0; i < Tavrin2QtCfg::DefaultButtonCount; ++i) {
        TavrinIIButton button;
        button.setButtonEnabled(true);
        button.setPagerNum(10 + i);
        button.setType(TavrinIIButton::AlphaType);
        button.setMode(TavrinIIButton::AlphaMode);
        button.setAlphaMsg(QStringLiteral("Assistance please, station %1").arg(i + 1));
        cfg.setTavrinIIButtonVectorAtIndex(i, button);
    }
    for (int i = 0; i < Tavrin2QtCfg::DefaultAutoOnOffTimeCount; ++i) {
        Tavrin2QtCfg::TavrinIIAutoOnOffTime time;
        time.setIsEnabled(true);
        time.setAutoOnTime(QTime(7 + i, 30));
        time.setAutoOffTime(QTime(18 + i, 15));
        cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(i, time);
    }
    return cfg;
}

template<typename Call> Samples usPerCall(Call call)
{
    Samples samples;
    for (int batch = 0; batch < Batches; ++batch) {
        const qint64 before = processCpuNs();
        for (int i = 0; i < CallsPerBatch; ++i)
            call();
        samples.add(double(processCpuNs() - before) / 1e3 / CallsPerBatch);
    }
    return samples;
}
} // namespace

void measureFile(BenchTable& table)
{
    const Tavrin2QtCfg cfg = fullRecord();
    QString error;
    const QString text = cfg.freeze(error);
    std::unique_ptr<Tavrin2QtCfg> back = Tavrin2QtCfg::thaw(text, error);
    if (text.isEmpty() || !back || *back != cfg) {
        table.addError(QStringLiteral("4 file"), QStringLiteral("the full record does not come back whole: ") + error);
        return;
    }

    qsizetype sink = 0; // keeps the calls from being optimised away
    const Samples freeze = usPerCall([&] { sink += cfg.freeze(error).size(); });
    const Samples thaw = usPerCall([&] { sink += Tavrin2QtCfg::thaw(text, error) ? 1 : 0; });
    table.addRow({ QStringLiteral("4 freeze, full record (CPU)"), BenchTable::microseconds(freeze.median()),
                   QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"), BenchTable::Verdict::Info });
    table.addRow({ QStringLiteral("4 thaw, full record (CPU)"), BenchTable::microseconds(thaw.median()),
                   QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"), BenchTable::Verdict::Info });
    table.addNote(QStringLiteral("4: per call, median of %1 batches of %2; the document is %3 characters (check %4).")
                      .arg(Batches)
                      .arg(CallsPerBatch)
                      .arg(text.size())
                      .arg(sink > 0 ? QStringLiteral("ok") : QStringLiteral("none")));
}
