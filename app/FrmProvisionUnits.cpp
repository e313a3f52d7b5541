#include "app/FrmProvisionUnits.h"

#include "config/CfgFile.h"
#include "config/DisplayText.h"
#include "provisioning/ProvisionLog.h"
#include "protocol/Tavrin2QtComm.h"
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
#include <QFormLayout>
#include <QGroupBox>
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

const QString logFileKey = QStringLiteral("provision/logFile");
const QString lastFolderKey = QStringLiteral("files/lastFolder");

// The profile's fingerprint as the log holds it, short enough to compare by eye.
constexpr int shortHashLength = 8;

QString defaultLogFile()
{
    QSettings settings;
    const QString remembered = settings.value(logFileKey).toString();
    if (!remembered.isEmpty())
        return remembered;
    QString folder = settings.value(lastFolderKey).toString();
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("provisioning-log.csv"));
}
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

    refreshStartButton();
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

void FrmProvisionUnits::buildSetupPage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("pageSetup"));

    auto* profileBox = new QGroupBox(tr("Profile"), page);
    m_useForm = new QRadioButton(tr("The &form's settings"), profileBox);
    m_useForm->setObjectName(QStringLiteral("radioButtonProfileForm"));
    m_useForm->setChecked(true);
    m_formSummary = new QLabel(profileSummary(m_formSettings), profileBox);
    m_formSummary->setObjectName(QStringLiteral("labelFormProfile"));
    m_useFile = new QRadioButton(tr("A configuration f&ile:"), profileBox);
    m_useFile->setObjectName(QStringLiteral("radioButtonProfileFile"));
    m_profileEdit = new QLineEdit(profileBox);
    m_profileEdit->setObjectName(QStringLiteral("lineEditProfileFile"));
    m_profileEdit->setReadOnly(true);
    m_profileEdit->setAccessibleName(tr("Configuration file"));
    m_chooseProfile = new QPushButton(tr("C&hoose..."), profileBox);
    m_chooseProfile->setObjectName(QStringLiteral("pushButtonChooseProfile"));
    m_chooseProfile->setAccessibleName(tr("Choose configuration file"));
    auto* profileLayout = new QFormLayout(profileBox);
    profileLayout->addRow(m_useForm, m_formSummary);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_profileEdit, 1);
    fileRow->addWidget(m_chooseProfile);
    profileLayout->addRow(m_useFile, fileRow);

    auto* logBox = new QGroupBox(tr("Log"), page);
    m_logEdit = new QLineEdit(defaultLogFile(), logBox);
    m_logEdit->setObjectName(QStringLiteral("lineEditLogFile"));
    m_logEdit->setAccessibleName(tr("Log file"));
    m_chooseLog = new QPushButton(tr("Ch&oose..."), logBox);
    m_chooseLog->setObjectName(QStringLiteral("pushButtonChooseLog"));
    m_chooseLog->setAccessibleName(tr("Choose log file"));
    auto* logLabel = new QLabel(tr("&Log file:"), logBox);
    logLabel->setBuddy(m_logEdit);
    auto* logLayout = new QHBoxLayout(logBox);
    logLayout->addWidget(logLabel);
    logLayout->addWidget(m_logEdit, 1);
    logLayout->addWidget(m_chooseLog);

    auto* numberBox = new QGroupBox(tr("Numbering"), page);
    m_numberUnits = new QCheckBox(tr("&Number the units from"), numberBox);
    m_numberUnits->setObjectName(QStringLiteral("checkBoxNumberUnits"));
    m_numberFrom = new QSpinBox(numberBox);
    m_numberFrom->setObjectName(QStringLiteral("spinBoxNumberFrom"));
    m_numberFrom->setRange(1, 9999);
    m_numberFrom->setEnabled(false);
    m_numberFrom->setAccessibleName(tr("First unit number"));
    auto* numberNote = new QLabel(
        tr("Each unit gets the next number: a Dalen unit's ID, and {n} in the profile's messages."), numberBox);
    numberNote->setWordWrap(true);
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(m_numberUnits);
    numberRow->addWidget(m_numberFrom);
    numberRow->addStretch();
    auto* numberLayout = new QVBoxLayout(numberBox);
    numberLayout->addLayout(numberRow);
    numberLayout->addWidget(numberNote);

    auto* leaveOutBox = new QGroupBox(tr("Units left as they are"), page);
    m_leaveOutEdit = new QLineEdit(leaveOutBox);
    m_leaveOutEdit->setObjectName(QStringLiteral("lineEditLeaveOut"));
    m_leaveOutEdit->setPlaceholderText(tr("serial numbers, such as 00012345 00012346"));
    m_leaveOutEdit->setAccessibleName(tr("Serial numbers of units left out"));
    auto* leaveOutLabel = new QLabel(tr("Le&ave out:"), leaveOutBox);
    leaveOutLabel->setBuddy(m_leaveOutEdit);
    auto* leaveOutNote = new QLabel(
        tr("The reference unit stays attached without being written. A unit plugged in later can also be left "
           "out from its row while it waits."),
        leaveOutBox);
    leaveOutNote->setWordWrap(true);
    auto* leaveOutRow = new QHBoxLayout;
    leaveOutRow->addWidget(leaveOutLabel);
    leaveOutRow->addWidget(m_leaveOutEdit, 1);
    auto* leaveOutLayout = new QVBoxLayout(leaveOutBox);
    leaveOutLayout->addLayout(leaveOutRow);
    leaveOutLayout->addWidget(leaveOutNote);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(profileBox);
    layout->addWidget(logBox);
    layout->addWidget(numberBox);
    layout->addWidget(leaveOutBox);
    layout->addStretch();
    m_pages->addWidget(page);

    connect(m_useForm, &QRadioButton::toggled, this, &FrmProvisionUnits::refreshStartButton);
    connect(m_chooseProfile, &QPushButton::clicked, this, &FrmProvisionUnits::chooseProfileFile);
    connect(m_chooseLog, &QPushButton::clicked, this, &FrmProvisionUnits::chooseLogFile);
    connect(m_logEdit, &QLineEdit::textChanged, this, &FrmProvisionUnits::refreshStartButton);
    connect(m_numberUnits, &QCheckBox::toggled, m_numberFrom, &QSpinBox::setEnabled);
}

QString FrmProvisionUnits::profileSummary(const Tavrin2QtCfg& profile) const
{
    QString error;
    const QString sha = ProvisionLog::profileSha256(profile, error);
    if (sha.isNull())
        return Tavrin2QtComm::tavrinTypeName(profile.tavrinType());
    return tr("%1, profile %2").arg(Tavrin2QtComm::tavrinTypeName(profile.tavrinType()), sha.left(shortHashLength));
}

void FrmProvisionUnits::chooseProfileFile()
{
    const QString fileName = Prompter::instance().getOpenFileName(
        this, tr("Load File"), tr("Choose a profile"), tr("Tavrin Config (*.%1)").arg(QStringLiteral("t2c")));
    if (fileName.isEmpty())
        return;
    QString error;
    std::unique_ptr<Tavrin2QtCfg> profile = CfgFile::load(fileName, error);
    if (!profile) {
        Prompter::instance().critical(this, tr("Error"), error);
        return;
    }
    m_fileProfile = std::move(profile);
    m_profileFile = fileName;
    m_profileEdit->setText(QDir::toNativeSeparators(fileName));
    m_profileEdit->setToolTip(profileSummary(*m_fileProfile));
    m_useFile->setText(tr("A configuration f&ile (%1):").arg(profileSummary(*m_fileProfile)));
    m_useFile->setChecked(true);
    refreshStartButton();
}

void FrmProvisionUnits::chooseLogFile()
{
    const QString fileName = Prompter::instance().getSaveFileName(this, tr("Log File"), tr("Log the units to"),
                                                                  tr("Provisioning log (*.csv)"));
    if (fileName.isEmpty())
        return;
    m_logEdit->setText(QDir::toNativeSeparators(fileName));
}

void FrmProvisionUnits::refreshStartButton()
{
    const bool profileChosen = m_useForm->isChecked() || m_fileProfile;
    m_start->setEnabled(!m_station && profileChosen && !m_logEdit->text().trimmed().isEmpty());
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
    settings.logPath = QDir::fromNativeSeparators(m_logEdit->text().trimmed());
    // A name without its folder is in the folder last used, and shown in full.
    if (QDir::isRelativePath(settings.logPath)) {
        QString folder = QSettings().value(lastFolderKey).toString();
        if (folder.isEmpty())
            folder = QDir::homePath();
        settings.logPath = QDir::cleanPath(QDir(folder).absoluteFilePath(settings.logPath));
        m_logEdit->setText(QDir::toNativeSeparators(settings.logPath));
    }
    if (m_numberUnits->isChecked())
        settings.numberFrom = m_numberFrom->value();
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    settings.leaveOutSerials = m_leaveOutEdit->text().split(separators, Qt::SkipEmptyParts);

    std::unique_ptr<Station> station
        = stationFactory ? stationFactory(settings) : std::make_unique<HubStation>(settings);
    connect(station.get(), &Station::unitChanged, this, &FrmProvisionUnits::showUnit);
    connect(station.get(), &Station::stopped, this, &FrmProvisionUnits::stationStopped, Qt::QueuedConnection);
    // The station has stopped starting units by itself; the operator must know why before plugging in more.
    connect(
        station.get(), &Station::logUnwritable, this,
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
    QSettings().setValue(logFileKey, settings.logPath);
    m_stationProfile->setText(
        tr("Profile: %1 (%2); log: %3")
            .arg(settings.profileName == ProvisionLog::formProfile() ? tr("the form's settings") : settings.profileName,
                 profileSummary(settings.profile), QDir::toNativeSeparators(settings.logPath)));
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
    // The same set-up starts again.
    refreshStartButton();
    emit runningChanged(false);
    if (std::exchange(m_closeWhenStopped, false))
        QDialog::reject();
}

bool FrmProvisionUnits::mayClose()
{
    if (!m_station)
        return true;
    // Escape or the window's close button must not abandon units being written.
    const int units = unitsInFlight();
    if (units > 0 && !m_stopping) {
        Prompter::instance().information(this, tr("Provision Units"),
                                         units == 1 ? tr("Press Stop first: 1 unit is being written")
                                                    : tr("Press Stop first: %1 units are being written").arg(units));
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
