// Arbitrary READ responses, one line per '\n', through the parser into a fresh record of every
// variant. Besides not crashing: the response is refused exactly when it is empty or starts with
// an error, the record keeps its shape, and a record read from a device can be saved and loaded.
#include "FuzzSupport.h"

#include "config/Tavrin2QtCfg.h"
#include "protocol/Tavrin2QtComm.h"
#include "usb/UsbHid.h"

#include <QStringList>

#include <optional>

namespace {

QStringList linesOf(const std::uint8_t* data, std::size_t size)
{
    QStringList lines;
    if (size == 0)
        return lines;
    const QByteArray response(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& line : response.split('\n'))
        lines.append(QString::fromLatin1(line));
    return lines;
}

// A file holds times of day only: a time the device sent as "no time" (hour 255) or out of range
// is saved, and so loaded, as midnight.
Tavrin2QtCfg asLoaded(Tavrin2QtCfg cfg)
{
    for (int i = 0; i < cfg.tavrinIIAutoOnOffTimeCount(); ++i) {
        Tavrin2QtCfg::TavrinIIAutoOnOffTime pair = cfg.tavrinIIAutoOnOffTimeVectorAtIndex(i);
        if (!pair.autoOnTime().isValid())
            pair.setAutoOnTime(QTime(0, 0, 0));
        if (!pair.autoOffTime().isValid())
            pair.setAutoOffTime(QTime(0, 0, 0));
        cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(i, pair);
    }
    return cfg;
}

// Returns the record filled, or nothing when the response was refused.
std::optional<Tavrin2QtCfg> parseInto(Tavrin2QtCfg cfg, const QStringList& lines)
{
    const bool refused = lines.isEmpty() || lines.constFirst().left(3).toLower() == QLatin1String("err");
    try {
        Tavrin2QtComm::parseReadTavrinOutput(cfg, lines);
    } catch (const UsbHidException& e) {
        FUZZ_CHECK(refused, e.message());
        const int code = lines.isEmpty() ? LostCommunication : DeviceReportedError;
        FUZZ_CHECK(e.message() == UsbHid::errorText(code), e.message());
        return std::nullopt;
    }
    FUZZ_CHECK(!refused, lines.join(QLatin1Char('\n')));
    FUZZ_CHECK(cfg.tavrinIIButtonCount() == Tavrin2QtCfg::DefaultButtonCount
                   && cfg.tavrinIIAutoOnOffTimeCount() == Tavrin2QtCfg::DefaultAutoOnOffTimeCount,
               lines.join(QLatin1Char('\n')));
    return cfg;
}

void checkSavedAndLoaded(const Tavrin2QtCfg& cfg)
{
    QString error;
    const QString document = cfg.freeze(error);
    FUZZ_CHECK(!document.isNull(), error);
    const std::unique_ptr<Tavrin2QtCfg> loaded = Tavrin2QtCfg::thaw(document, error);
    FUZZ_CHECK(loaded != nullptr, error + document);
    FUZZ_CHECK(*loaded == asLoaded(cfg), document);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzInit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = linesOf(data, size);
    // A read starts from a default record, a Tavrin II one until a VER line says otherwise; that
    // record is the one saved to a file. The others start as if an earlier VER line had named
    // their variant, which reaches each variant's lines without one.
    if (const std::optional<Tavrin2QtCfg> read = parseInto(Tavrin2QtCfg(), lines))
        checkSavedAndLoaded(*read);
    for (int variant : { DalenTavrin, DalenTavrin2Button, Unknown }) {
        Tavrin2QtCfg cfg;
        cfg.setTavrinType(variant);
        parseInto(cfg, lines);
    }
    return 0;
}
