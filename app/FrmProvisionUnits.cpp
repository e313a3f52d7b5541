#include "app/FrmProvisionUnits.h"

#include "config/CfgFile.h"
#include "config/DisplayText.h"
#include "provisioning/ProvisionLog.h"
#include "provisioning/HubStation.h"
#include "uisupport/FitAndCentre.h"
#include "uisupport/Prompter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QSessionManager>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace {
FrmProvisionUnits::StationFactory stationFactory;

} // namespace

FrmProvisionUnits::FrmProvisionUnits(const Tavrin2QtCfg& formSettings, QWidget* parent)
    : QDialog(parent)
    , m_formSettings(formSettings)
{
    setObjectName(QStringLiteral("FrmProvisionUnits"));
    setWindowTitle(tr("Provision Units"));
    qRegisterMetaType<StationUnit>();

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("stackedWidgetProvision"));
    buildSetupPage();
    buildStationPage();

    m_start = new QPushButton(tr("&Start"), this);
    m_start->setObjectName(QStringLiteral("pushButtonStart"));
    m_start->setDefault(true);
    m_stop = new QPushButton(tr("S&top"), this);
    m_stop->setObjectName(QStringLiteral("pushButtonStop"));
    m_stop->setAccessibleDescription(tr("Finishes the units being written, then stops"));
    m_stop->setEnabled(false);
    m_close = new QPushButton(tr("&Close"), this);
    m_close->setObjectName(QStringLiteral("pushButtonClose"));
    auto* buttons = new QHBoxLayout;
    buttons->addLayout(logButtons());
    buttons->addStretch();
    buttons->addWidget(m_start);
    buttons->addWidget(m_stop);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);

    connect(m_start, &QPushButton::clicked, this, &FrmProvisionUnits::start);
    connect(m_stop, &QPushButton::clicked, this, &FrmProvisionUnits::stop);
    connect(m_close, &QPushButton::clicked, this, &FrmProvisionUnits::reject);

    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &FrmProvisionUnits::refreshElapsed);

    // Its log path is elided to the width there is: the dialog never grows with it.
    m_stationProfile->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_stationProfile->setMinimumWidth(0);
    refreshLogNote();
    // At logout the session manager asks first: the units in flight are finished and logged before it goes on.
#ifndef QT_NO_SESSIONMANAGER
    if (qGuiApp)
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &FrmProvisionUnits::finishUnitsInFlight);
#endif
    resize(900, 560);
    fitAndCentre(this);
}

FrmProvisionUnits::~FrmProvisionUnits()
{
    // A dialog destroyed with its station running (the window quitting on a stop signal or at logout) finishes
    // the units in flight first, waiting for them: their rows are written, nothing more is shown.
    if (m_station) {
        disconnect(m_station.get(), nullptr, this, nullptr);
        m_station->stop();
        m_station.reset();
        emit runningChanged(false);
    }
}

void FrmProvisionUnits::finishUnitsInFlight()
{
    if (!m_station)
        return;
    QEventLoop loop;
    connect(this, &FrmProvisionUnits::runningChanged, &loop, [&loop](bool running) {
        if (!running)
            loop.quit();
    });
    stop();
    if (m_station)
        loop.exec();
}

QString FrmProvisionUnits::refusalText(const ProfileRefusal& refusal)
{
    if (refusal.kind == ProfileRefusal::Kind::UnnumberedPlaceholder)
        return tr("The profile's messages hold {n}, which only numbered units can take: every unit would get it as "
                  "it stands. Number the units, or take {n} out of the messages.");
    return refusal.message;
}

void FrmProvisionUnits::setStationFactory(StationFactory factory)
{
    stationFactory = std::move(factory);
}

void FrmProvisionUnits::start()
{
    if (m_station)
        return;
    ProvisionSettings settings;
    if (m_useFile->isChecked() && m_fileProfile) {
        settings.profile = *m_fileProfile;
        settings.profileName = QFileInfo(m_profileFile).fileName();
    } else {
        settings.profile = m_formSettings;
        settings.profileName = ProvisionLog::formProfile();
    }
    // A name without its folder is in the folder last used, and shown in full.
    settings.logPath = resolvedLogPath();
    m_logEdit->setText(QDir::toNativeSeparators(settings.logPath));
    if (m_numberUnits->isChecked())
        settings.numberFrom = m_numberFrom->value();
    settings.leaveOutSerials = leaveOutEntries();

    std::unique_ptr<Station> station
        = stationFactory ? stationFactory(settings) : std::make_unique<HubStation>(settings);
    connect(station.get(), &Station::unitChanged, this, &FrmProvisionUnits::showUnit);
    connect(station.get(), &Station::stopped, this, &FrmProvisionUnits::stationStopped, Qt::QueuedConnection);
    // The station has stopped starting units by itself; the operator must know why before plugging in more.
    connect(
        station.get(), &Station::stoppedTakingUnits, this,
        [this](const QString& reason) {
            m_stopReason = reason;
            m_stopping = true;
            m_stop->setEnabled(false);
            m_stop->setText(tr("Stopping..."));
            refreshRowButtons();
            Prompter::instance().critical(this, tr("Error"), reason);
        },
        Qt::QueuedConnection);
    m_station = std::move(station);
    // Started again after Stop: a run of its own, counted afresh.
    m_table->setRowCount(0);
    m_units.clear();
    m_tally = ProvisionTally();
    m_stopReason.clear();
    m_closeWhenStopped = false;
    // The window lets go of its unit before the station looks for units.
    emit runningChanged(true);
    m_pages->setCurrentIndex(1);
    m_table->setColumnHidden(NumberColumn, !settings.numberFrom);
    ProfileRefusal refusal;
    if (!m_station->start(refusal)) {
        m_station.reset();
        m_pages->setCurrentIndex(0);
        emit runningChanged(false);
        Prompter::instance().critical(this, tr("Error"), refusalText(refusal));
        refreshStartButton();
        return;
    }
    rememberChoices(settings.logPath);
    m_stationLogPath = settings.logPath;
    m_stationHeader
        = { settings.profileName == ProvisionLog::formProfile() ? tr("the form's settings") : settings.profileName,
            profileSummary(settings.profile) };
    refreshStationHeader();
    refreshLogButtons();
    m_elapsed.start();
    m_clock->start();
    refreshElapsed();
    refreshCounters();
    refreshStateLine();
    m_start->setEnabled(false);
    m_stop->setEnabled(true);
    m_close->setEnabled(false);
    m_stop->setFocus();
    refreshRowButtons();
}

void FrmProvisionUnits::stop()
{
    if (!m_station || m_stopping)
        return;
    m_stopping = true;
    m_stop->setEnabled(false);
    m_stop->setText(tr("Stopping..."));
    m_station->stop();
    refreshStateLine();
    refreshRowButtons();
}

void FrmProvisionUnits::stationStopped()
{
    if (!m_station)
        return;
    m_clock->stop();
    refreshElapsed();
    // Deleted from the event loop: the signal may come from inside the station.
    m_station.release()->deleteLater();
    m_stopping = false;
    m_stop->setText(tr("S&top"));
    m_stop->setEnabled(false);
    m_close->setEnabled(true);
    m_close->setFocus();
    refreshStateLine();
    refreshRowButtons();
    refreshLogButtons();
    // The same set-up starts again.
    refreshStartButton();
    emit runningChanged(false);
    if (std::exchange(m_closeWhenStopped, false))
        QDialog::reject();
}

QString FrmProvisionUnits::pressStopFirstText(int units)
{
    return units == 1 ? tr("Press Stop first: 1 unit is being written")
                      : tr("Press Stop first: %1 units are being written").arg(units);
}

bool FrmProvisionUnits::mayClose()
{
    if (!m_station)
        return true;
    // Escape or the window's close button must not abandon units being written.
    const int units = unitsInFlight();
    if (units > 0 && !m_stopping) {
        Prompter::instance().information(this, tr("Provision Units"), pressStopFirstText(units));
        return false;
    }
    // Nothing being written (or Stop pressed already): the station stops and the dialog closes when it has.
    m_closeWhenStopped = true;
    stop();
    return false;
}

void FrmProvisionUnits::reject()
{
    if (mayClose())
        QDialog::reject();
}

void FrmProvisionUnits::closeEvent(QCloseEvent* event)
{
    if (!mayClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void FrmProvisionUnits::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    refreshStationHeader();
    // The number grows with the window, to be read from further off on a larger screen.
    const QFont large = numberFont();
    for (int row = 0; row < m_table->rowCount(); ++row)
        m_table->item(row, NumberColumn)->setFont(large);
}

QStringList FrmProvisionUnits::stopAtOnce()
{
    QStringList left;
    auto* station = qobject_cast<HubStation*>(m_station.get());
    if (!station)
        return left;
    // Logged failed by the station, and shown so, with the number each holds once its write began.
    for (StationUnit unit : station->abandonUnitsInFlight()) {
        left << displayText(unit.serialNumber.isEmpty() ? unit.device
                                                        : QStringLiteral("%1 %2").arg(unit.device, unit.serialNumber));
        unit.state = UnitState::Failed;
        unit.detail = HubStation::abandonedText();
        unit.setCommandsSent = unit.number > 0;
        showUnit(unit);
    }
    return left;
}
