// The protocol's core: the session's link and operations, the exchange, and reading the settings.
#include "protocol/Tavrin2QtComm.h"

#include "config/DisplayText.h"
#include "usb/HidBackend.h"
#include "usb/UsbHid.h"

#include <QLoggingCategory>
#include <QScopeGuard>

Q_LOGGING_CATEGORY(lcProtocol, "tavrin.protocol")

namespace {
constexpr int ReadWindowMs = 100;
// Far above a real response (a READ answers some 25 lines): a device that keeps sending past
// these counts is broken, and counting keeps the bound independent of how time passes.
constexpr int MaxLinesPerExchange = 1000;
constexpr int MaxReportsPerExchange = 8192;
// With a wait hook a read window is waited in slices of at most this, so the front end's event loop
// never stops for much longer than a frame.
constexpr int WaitSliceMs = 15;

QTime localTime()
{
    return QTime::currentTime();
}

[[noreturn]] void fail(int code)
{
    throw UsbHidException([&]() -> QString { return UsbHid::errorText(code); });
}

} // namespace

Tavrin2QtComm::Tavrin2QtComm(std::shared_ptr<HidBackend> backend, QObject* parent)
    : QObject(parent)
    , m_fixedBackend(std::move(backend))
    , m_clock(localTime)
{
}

Tavrin2QtComm::~Tavrin2QtComm() = default;

Tavrin2QtComm* Tavrin2QtComm::instance()
{
    // The window's session lives as long as the process.
    static Tavrin2QtComm* const comm = [] {
        auto* session = new Tavrin2QtComm;
        session->m_isWindowSession = true;
        return session;
    }();
    return comm;
}

void Tavrin2QtComm::reset()
{
    _detectedType = Unknown;
    m_connectionStatus = NotFound;
    // Closed through the backend it was opened with; the next use opens a link on the current one.
    m_link.reset();
    m_serialNumber.clear();
    m_unitInUse.clear();
}

std::shared_ptr<HidBackend> Tavrin2QtComm::currentBackend() const
{
    return m_fixedBackend ? m_fixedBackend : UsbHid::sharedBackend();
}

UsbHid* Tavrin2QtComm::link()
{
    const std::shared_ptr<HidBackend> backend = currentBackend();
    if (!m_link || m_link->backend() != backend.get()) {
        // A new backend (a test's, the virtual device's) holds other units: what was open is gone.
        if (m_link)
            m_connectionStatus = NotFound;
        m_link = std::make_unique<UsbHid>(backend);
    }
    return m_link.get();
}

void Tavrin2QtComm::setProgressFactory(ProgressIndicator::Factory factory)
{
    m_progressFactory = std::move(factory);
}

std::unique_ptr<ProgressIndicator> Tavrin2QtComm::createProgress(const QString& label, bool modal) const
{
    if (m_progressFactory)
        return m_progressFactory(label, modal);
    if (m_isWindowSession)
        return ProgressIndicator::create(label, modal);
    return ProgressIndicator::quiet();
}

void Tavrin2QtComm::endOperation()
{
    m_trafficStarted = false;
    if (m_link)
        m_link->unlockNode();
}

void Tavrin2QtComm::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(localTime);
}

QString Tavrin2QtComm::tavrinTypeName(int type)
{
    switch (type) {
    case DalenTavrin:
        return tr("Dalen Tavrin");
    case DalenTavrin2Button:
        return tr("Dalen Tavrin - 2 Button");
    case TavrinII:
        return tr("Tavrin II");
    default:
        return tr("unknown");
    }
}

void Tavrin2QtComm::checkResponse(const QStringList& lines)
{
    if (lines.isEmpty())
        fail(LostCommunication);
    if (isErrorAnswer(lines.constFirst()))
        fail(DeviceReportedError);
    for (const QString& line : lines)
        qCDebug(lcProtocol, "(*it).ascii(): %s", qUtf8Printable(line));
}

bool Tavrin2QtComm::isErrorAnswer(const QString& line)
{
    return line.left(3).toLower() == QLatin1String("err");
}

QString Tavrin2QtComm::refusalMessage(const QString& keyword, const QString& what, const QString& answer)
{
    return UsbHid::errorText(DeviceReportedError) + QLatin1Char('\n')
        + tr("Tavrin refused %1 (%2), answering \"%3\".\nThe commands before it were applied; the ones after it "
             "were not sent.")
              .arg(keyword, what, displayText(answer));
}

QString Tavrin2QtComm::dtModeCode(int mode)
{
    static const char* const codes[]
        = { "", "VV1v6X85", "VV3v6X85", "VV5v6X85", "B1b0", "B2b0", "B3b0", "Bb0V1v6", "Bb0V3v6", "Bb0V5v6", "B1b3" };
    constexpr int count = int(sizeof(codes) / sizeof(codes[0]));
    if (mode <= 0 || mode >= count)
        return QString();
    // A backslash and an f, not a form feed: the device turns the pair into its separator.
    return QStringLiteral("\\f") + QLatin1String(codes[mode]);
}

void Tavrin2QtComm::exchange(const QString& command, int windowMs, QStringList& response)
{
    send(command);
    collectResponse(windowMs, response);
}

void Tavrin2QtComm::send(const QString& command)
{
    refuseWhileBusy();
    // The last search found none (never one, or it has gone): say so, not what a dead handle says.
    if (m_connectionStatus == NotFound)
        fail(NoDeviceFound);
    UsbHid* link = this->link();
    if (!m_trafficStarted) {
        // Before the operation's first command: no other program may talk to the unit meanwhile, and
        // nothing already queued (another program's answers, the end of an earlier operation) is an answer.
        link->lockNode();
        link->discardInput();
        m_trafficStarted = m_operationDepth > 0;
    }
    link->write(command);
}

void Tavrin2QtComm::collectResponse(int windowMs, QStringList& response)
{
    UsbHid* link = this->link();
    const int linesBefore = int(response.size());
    const int sliceMs = m_waitHook ? qMin(windowMs, WaitSliceMs) : windowMs;
    // Silence is measured on the link's clock from the last report, the time the hook takes included,
    // so the window closes after exactly windowMs without a report, as one wait would. Only the wait
    // that closes it drops a partial line; a report that came while the hook ran is still taken.
    qint64 silentSince = link->nowMs();
    int reports = 0;
    for (;;) {
        const qint64 silentMs = link->nowMs() - silentSince;
        const int waitMs = int(qBound(qint64(0), windowMs - silentMs, qint64(sliceMs)));
        const bool closing = silentMs + waitMs >= windowMs;
        if ((closing ? link->read(response, waitMs) : link->readSlice(response, waitMs)) != 0) {
            silentSince = link->nowMs();
            if (++reports >= MaxReportsPerExchange || response.size() - linesBefore >= MaxLinesPerExchange) {
                qCWarning(lcProtocol, "Tavrin does not stop sending (%d reports, %d lines); giving up", reports,
                          int(response.size()) - linesBefore);
                fail(LostCommunication);
            }
        } else if (closing) {
            return;
        }
        runWaitHook();
    }
}

void Tavrin2QtComm::runWaitHook()
{
    if (!m_waitHook)
        return;
    ++m_waitDepth;
    const auto leave = qScopeGuard([this] { --m_waitDepth; });
    m_waitHook();
}

void Tavrin2QtComm::refuseWhileBusy() const
{
    if (!isBusy())
        return;
    qCWarning(lcProtocol, "A device operation was started while another one waits for the device; refused");
    throw UsbHidException([&]() -> QString { return tr("Tavrin is busy with another operation."); });
}

Tavrin2QtCfg Tavrin2QtComm::readTavrin(QStringList* unreported)
{
    const Operation operation(this);
    Tavrin2QtCfg cfg;
    QStringList lines;
    const std::unique_ptr<ProgressIndicator> progress = createProgress(tr("Reading Tavrin..."), false);
    if (!softwareSupported())
        fail(UnsupportedVersion);
    progress->setCaption(tr("Please Wait"));
    progress->show();
    progress->setTotalSteps(2);

    send(QStringLiteral("READ"));
    progress->setProgress(1);
    collectSettings(lines);
    qCDebug(lcProtocol, "Finished read()");
    progress->setProgress(2);

    parseDeviceSettings(cfg, lines, unreported);
    m_serialNumber = cfg.serNum();
    return cfg;
}

Tavrin2QtCfg Tavrin2QtComm::readTavrinNoGui(QStringList* unreported)
{
    qCDebug(lcProtocol, "Tavrin2QtComm::readTavrinNoGui()");
    const Operation operation(this);
    Tavrin2QtCfg cfg;
    QStringList lines;
    send(QStringLiteral("READ"));
    collectSettings(lines);
    qCDebug(lcProtocol, "Finished no gui read()");
    parseDeviceSettings(cfg, lines, unreported);
    m_serialNumber = cfg.serNum();
    return cfg;
}

void Tavrin2QtComm::collectSettings(QStringList& lines)
{
    collectResponse(ReadWindowMs, lines);
    if (!lines.isEmpty() && isErrorAnswer(lines.constFirst()))
        throw UsbHidException([&]() -> QString {
            return refusalMessage(QStringLiteral("READ"), tr("Settings report"), lines.constFirst());
        });
    // The unit stopped in the middle of a line: what follows the cut would show as defaults.
    if (link()->lineCutOff()) {
        qCWarning(lcProtocol, "Tavrin's answer to READ stopped in the middle of a line after %d lines",
                  int(lines.size()));
        fail(LostCommunication);
    }
}

void Tavrin2QtComm::parseDeviceSettings(Tavrin2QtCfg& cfg, const QStringList& lines, QStringList* unreported)
{
    QStringList reported;
    if (parseReadTavrinOutput(cfg, lines, &reported) == 0) {
        qCWarning(lcProtocol, "Tavrin answered READ with %d lines of no known keyword", int(lines.size()));
        fail(LostCommunication);
    }
    if (unreported)
        *unreported = unreportedSettings(cfg.tavrinType(), reported);
}
