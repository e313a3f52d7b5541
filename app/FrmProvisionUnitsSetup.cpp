#include "app/FrmProvisionUnits.h"

#include "config/CfgFile.h"
#include "provisioning/ProvisionLog.h"
#include "protocol/Tavrin2QtComm.h"
#include "uisupport/Prompter.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

// The set-up page: the profile, the log, the numbering and the units left out, before Start.

namespace {
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
