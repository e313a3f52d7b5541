#include "app/FrmProvisionUnits.h"

#include "config/CfgFile.h"
#include "provisioning/ProvisionHistory.h"
#include "provisioning/ProvisionLog.h"
#include "provisioning/UnitNumbering.h"
#include "protocol/Tavrin2QtComm.h"
#include "uisupport/Prompter.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QUrl>
#include <QStackedWidget>
#include <QVBoxLayout>

// The set-up page: the profile, the log, the numbering and the units left out, before Start.

namespace {
const QString logFileKey = QStringLiteral("provision/logFile");
const QString lastFolderKey = QStringLiteral("files/lastFolder");
const QString profileFileKey = QStringLiteral("provision/profileFile");

FrmProvisionUnits::UrlOpener urlOpener;

// A USB string descriptor holds at most 126 characters: a longer entry can be no unit's serial number.
constexpr int maxSerialLength = 126;
// A message shown among the key values; the Tavrin II's long ones would fill the page.
constexpr int shownMessageLength = 40;
// Pixels an elided path keeps however narrow the dialog.
constexpr int minimumPathWidth = 120;

// The profile's fingerprint as the log holds it, short enough to compare by eye.
constexpr int shortHashLength = 8;

QString defaultLogFile()
{
    QSettings settings;
    const QString remembered = settings.value(logFileKey).toString();
    // A log whose folder has gone (a removed stick) gives way to a new name in the folder last used.
    if (!remembered.isEmpty() && QFileInfo(QFileInfo(remembered).absolutePath()).isDir())
        return remembered;
    QString folder = settings.value(lastFolderKey).toString();
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("provisioning-log.csv"));
}
// A note that keeps Start from starting stands out.
void showAsRefusal(QLabel* note, bool refusal)
{
    note->setStyleSheet(refusal ? QStringLiteral("QLabel { color: #b00000; }") : QString());
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
    m_formDetails = plainLabel(QStringLiteral("labelFormDetails"), profileBox);
    m_formWarning = plainLabel(QStringLiteral("labelFormWarning"), profileBox);
    m_formWarning->setText(tr("Warning: these are the form's default settings, never read from a unit nor loaded "
                              "from a file. Start would write factory defaults to every unit."));
    m_formWarning->setStyleSheet(QStringLiteral("QLabel { color: #a04000; font-weight: bold; }"));
    m_useFile = new QRadioButton(tr("A configuration f&ile:"), profileBox);
    m_useFile->setObjectName(QStringLiteral("radioButtonProfileFile"));
    m_profileEdit = new QLineEdit(profileBox);
    m_profileEdit->setObjectName(QStringLiteral("lineEditProfileFile"));
    m_profileEdit->setReadOnly(true);
    m_profileEdit->setAccessibleName(tr("Configuration file"));
    m_chooseProfile = new QPushButton(tr("C&hoose..."), profileBox);
    m_chooseProfile->setObjectName(QStringLiteral("pushButtonChooseProfile"));
    m_chooseProfile->setAccessibleName(tr("Choose configuration file"));
    m_fileDetails = plainLabel(QStringLiteral("labelFileDetails"), profileBox);
    auto* profileLayout = new QFormLayout(profileBox);
    auto* formColumn = new QVBoxLayout;
    formColumn->addWidget(m_formSummary);
    formColumn->addWidget(m_formDetails);
    formColumn->addWidget(m_formWarning);
    profileLayout->addRow(m_useForm, formColumn);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_profileEdit, 1);
    fileRow->addWidget(m_chooseProfile);
    auto* fileColumn = new QVBoxLayout;
    fileColumn->addLayout(fileRow);
    fileColumn->addWidget(m_fileDetails);
    profileLayout->addRow(m_useFile, fileColumn);

    auto* logBox = new QGroupBox(tr("Log"), page);
    m_logEdit = new QLineEdit(QDir::toNativeSeparators(defaultLogFile()), logBox);
    m_logEdit->setObjectName(QStringLiteral("lineEditLogFile"));
    m_logEdit->setAccessibleName(tr("Log file"));
    m_chooseLog = new QPushButton(tr("Ch&oose..."), logBox);
    m_chooseLog->setObjectName(QStringLiteral("pushButtonChooseLog"));
    m_chooseLog->setAccessibleName(tr("Choose log file"));
    auto* logLabel = new QLabel(tr("&Log file:"), logBox);
    logLabel->setBuddy(m_logEdit);
    m_logNote = plainLabel(QStringLiteral("labelLogNote"), logBox);
    auto* logRow = new QHBoxLayout;
    logRow->addWidget(logLabel);
    logRow->addWidget(m_logEdit, 1);
    logRow->addWidget(m_chooseLog);
    auto* logLayout = new QVBoxLayout(logBox);
    logLayout->addLayout(logRow);
    logLayout->addWidget(m_logNote);

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
    m_numberNote = plainLabel(QStringLiteral("labelNumberNote"), numberBox);
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(m_numberUnits);
    numberRow->addWidget(m_numberFrom);
    numberRow->addStretch();
    auto* numberLayout = new QVBoxLayout(numberBox);
    numberLayout->addLayout(numberRow);
    numberLayout->addWidget(numberNote);
    numberLayout->addWidget(m_numberNote);

    auto* leaveOutBox = new QGroupBox(tr("Units left as they are"), page);
    m_leaveOutEdit = new QLineEdit(leaveOutBox);
    m_leaveOutEdit->setObjectName(QStringLiteral("lineEditLeaveOut"));
    m_leaveOutEdit->setPlaceholderText(tr("serial numbers, such as 00012345 00012346"));
    m_leaveOutEdit->setAccessibleName(tr("Serial numbers of units left out"));
    auto* leaveOutLabel = new QLabel(tr("Le&ave out:"), leaveOutBox);
    leaveOutLabel->setBuddy(m_leaveOutEdit);
    m_leaveOutNote = plainLabel(QStringLiteral("labelLeaveOutNote"), leaveOutBox);
    auto* leaveOutNote
        = new QLabel(tr("The units with these serial numbers (the reference unit, for one) stay attached without being "
                        "written."),
                     leaveOutBox);
    leaveOutNote->setWordWrap(true);
    auto* leaveOutRow = new QHBoxLayout;
    leaveOutRow->addWidget(leaveOutLabel);
    leaveOutRow->addWidget(m_leaveOutEdit, 1);
    auto* leaveOutLayout = new QVBoxLayout(leaveOutBox);
    leaveOutLayout->addLayout(leaveOutRow);
    leaveOutLayout->addWidget(m_leaveOutNote);
    leaveOutLayout->addWidget(leaveOutNote);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(profileBox);
    layout->addWidget(logBox);
    layout->addWidget(numberBox);
    layout->addWidget(leaveOutBox);
    layout->addStretch();
    m_pages->addWidget(page);
    // The number follows its box, not the next field.
    setTabOrder(m_numberUnits, m_numberFrom);
    setTabOrder(m_numberFrom, m_leaveOutEdit);

    connect(m_useForm, &QRadioButton::toggled, this, [this] {
        refreshFormDetails();
        refreshStartButton();
    });
    connect(m_chooseProfile, &QPushButton::clicked, this, &FrmProvisionUnits::chooseProfileFile);
    connect(m_chooseLog, &QPushButton::clicked, this, &FrmProvisionUnits::chooseLogFile);
    connect(m_logEdit, &QLineEdit::textChanged, this, &FrmProvisionUnits::refreshLogNote);
    connect(m_numberUnits, &QCheckBox::toggled, this, [this](bool checked) {
        m_numberFrom->setEnabled(checked);
        refreshNumberNote();
    });
    connect(m_leaveOutEdit, &QLineEdit::textChanged, this, &FrmProvisionUnits::refreshLeaveOutNote);

    refreshFormDetails();
    openLastProfile();
    refreshLogNote();
    refreshLeaveOutNote();
}

QLabel* FrmProvisionUnits::plainLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    // It names files and shows what units and files say: never markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    // A long file name wraps or is cut; it never widens the dialog.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setMinimumWidth(0);
    label->hide();
    return label;
}

void FrmProvisionUnits::setFormSource(const FormSource& source)
{
    m_formSource = source;
    refreshFormDetails();
}

void FrmProvisionUnits::setUrlOpener(UrlOpener opener)
{
    urlOpener = std::move(opener);
}

QString FrmProvisionUnits::profileSummary(const Tavrin2QtCfg& profile) const
{
    QString error;
    const QString sha = ProvisionLog::profileSha256(profile, error);
    if (sha.isNull())
        return Tavrin2QtComm::tavrinTypeName(profile.tavrinType());
    return tr("%1, profile %2").arg(Tavrin2QtComm::tavrinTypeName(profile.tavrinType()), sha.left(shortHashLength));
}

QString FrmProvisionUnits::formSourceText() const
{
    switch (m_formSource.kind) {
    case FormSource::Kind::ReadFromUnit:
        return tr("Read from unit %1.").arg(m_formSource.name);
    case FormSource::Kind::LoadedFromFile:
        return tr("Loaded from %1.").arg(m_formSource.name);
    case FormSource::Kind::Edited:
        return tr("The form's settings (edited).");
    case FormSource::Kind::Defaults:
        break;
    }
    return tr("The form's default settings.");
}

QString FrmProvisionUnits::profileDetails(const Tavrin2QtCfg& profile, const QString& source) const
{
    int pager = 0;
    QString message;
    const int sysID = profile.tavrinType() == TavrinII ? profile.sysID() : profile.dtSysID();
    if (profile.tavrinType() == TavrinII) {
        if (profile.tavrinIIButtonCount() > 0) {
            const TavrinIIButton button = profile.tavrinIIButtonVectorAtIndex(0);
            pager = button.pagerNum();
            if (button.type() == TavrinIIButton::AlphaType)
                message = button.alphaMsg();
            else if (button.type() == TavrinIIButton::ZellType)
                message = tr("number %1").arg(button.zellMsgInt());
        }
    } else {
        pager = profile.dtBtn1PagerNum();
        message = profile.dtBtn1SettingMsg();
    }
    message = ProvisionLog::oneLine(message);
    if (message.size() > shownMessageLength)
        message = message.left(shownMessageLength - 1) + QChar(0x2026);
    const QString values = message.isEmpty()
        ? tr("System ID %1; button 1: pager %2.").arg(sysID).arg(pager)
        : tr("System ID %1; button 1: pager %2, message \u201c%3\u201d.").arg(sysID).arg(pager).arg(message);
    return source + QLatin1Char(' ') + values;
}

void FrmProvisionUnits::refreshFormDetails()
{
    m_formDetails->setText(profileDetails(m_formSettings, formSourceText()));
    m_formDetails->show();
    m_formWarning->setVisible(m_formSource.kind == FormSource::Kind::Defaults && m_useForm->isChecked());
}

bool FrmProvisionUnits::loadProfileFile(const QString& fileName, QString& error)
{
    std::unique_ptr<Tavrin2QtCfg> profile = CfgFile::load(fileName, error);
    if (!profile)
        return false;
    m_fileProfile = std::move(profile);
    m_profileFile = fileName;
    m_profileEdit->setText(QDir::toNativeSeparators(fileName));
    m_profileEdit->setToolTip(QDir::toNativeSeparators(fileName));
    m_useFile->setText(tr("A configuration f&ile (%1):").arg(profileSummary(*m_fileProfile)));
    m_fileDetails->setText(profileDetails(*m_fileProfile, tr("Loaded from %1.").arg(QFileInfo(fileName).fileName())));
    m_fileDetails->show();
    m_useFile->setChecked(true);
    refreshStartButton();
    return true;
}

void FrmProvisionUnits::openLastProfile()
{
    const QString fileName = QSettings().value(profileFileKey).toString();
    // Gone or no longer loadable: the form's settings, as for a first run.
    QString error;
    if (!fileName.isEmpty() && QFileInfo(fileName).isFile())
        loadProfileFile(fileName, error);
}

void FrmProvisionUnits::chooseProfileFile()
{
    const QString fileName = Prompter::instance().getOpenFileName(
        this, tr("Load File"), tr("Choose a profile"), tr("Tavrin Config (*.%1)").arg(QStringLiteral("t2c")));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!loadProfileFile(fileName, error))
        Prompter::instance().critical(this, tr("Error"), error);
}

void FrmProvisionUnits::chooseLogFile()
{
    const QString fileName = Prompter::instance().getAppendFileName(this, tr("Log File"), tr("Log the units to"),
                                                                    tr("Provisioning log (*.csv)"),
                                                                    QFileInfo(resolvedLogPath()).fileName());
    if (fileName.isEmpty())
        return;
    // Refused here, before Start, naming the file and why; the log chosen before stays.
    QList<ProvisionRow> rows;
    QString error;
    if (!ProvisionLog::readForAppending(fileName, rows, error)) {
        Prompter::instance().critical(this, tr("Log File"), error);
        return;
    }
    m_logEdit->setText(QDir::toNativeSeparators(fileName));
}

QString FrmProvisionUnits::resolvedLogPath() const
{
    const QString typed = QDir::fromNativeSeparators(m_logEdit->text().trimmed());
    if (typed.isEmpty())
        return typed;
    if (!QDir::isRelativePath(typed))
        return QDir::cleanPath(typed);
    QString folder = QSettings().value(lastFolderKey).toString();
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir::cleanPath(QDir(folder).absoluteFilePath(typed));
}

void FrmProvisionUnits::refreshLogNote()
{
    const QString path = resolvedLogPath();
    m_logUsable = false;
    m_logHighestNumber = 0;
    QList<ProvisionRow> rows;
    QString error;
    if (path.isEmpty()) {
        m_logNote->clear();
    } else if (!ProvisionLog::readForAppending(path, rows, error)) {
        m_logNote->setText(error);
    } else {
        m_logUsable = true;
        m_logHighestNumber = ProvisionHistory(rows).highestNumber();
        // Ticked later, the box starts where the station would have gone on.
        if (m_logHighestNumber > 0 && !m_numberUnits->isChecked())
            m_numberFrom->setValue(m_logHighestNumber + 1);
        const QString where = QDir::isRelativePath(QDir::fromNativeSeparators(m_logEdit->text().trimmed()))
            ? QLatin1Char(' ') + tr("It is %1.").arg(QDir::toNativeSeparators(path))
            : QString();
        m_logNote->setText((QFileInfo::exists(path) ? tr("New rows are added to this log.") : tr("A new log is made."))
                           + where);
    }
    m_logNote->setVisible(!m_logNote->text().isEmpty());
    showAsRefusal(m_logNote, !path.isEmpty() && !m_logUsable);
    refreshNumberNote();
    refreshLogButtons();
    refreshStartButton();
}

void FrmProvisionUnits::refreshNumberNote()
{
    // Without the box the station goes on from the log's highest number; with it, from the number chosen.
    if (m_logHighestNumber == 0)
        m_numberNote->clear();
    else if (!m_numberUnits->isChecked() && m_logHighestNumber >= UnitNumbering::LastNumber)
        m_numberNote->setText(tr("This log numbered its units up to %1: no number is left for the next unit. Tick "
                                 "the box to number from a number its units do not hold.")
                                  .arg(m_logHighestNumber));
    else if (m_numberUnits->isChecked())
        m_numberNote->setText(tr("This log numbered its units up to %1; the numbers its units hold are passed over.")
                                  .arg(m_logHighestNumber));
    else
        m_numberNote->setText(tr("This log numbered its units; the next unit gets %1. Ticking the box numbers from "
                                 "the number chosen instead, passing over the numbers the log's units hold.")
                                  .arg(m_logHighestNumber + 1));
    m_numberNote->setVisible(!m_numberNote->text().isEmpty());
}

QStringList FrmProvisionUnits::leaveOutEntries() const
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    QStringList entries = m_leaveOutEdit->text().split(separators, Qt::SkipEmptyParts);
    entries.removeDuplicates();
    return entries;
}

void FrmProvisionUnits::refreshLeaveOutNote()
{
    const QStringList entries = leaveOutEntries();
    m_leaveOutUsable = true;
    QString note;
    for (const QString& entry : entries) {
        if (entry.size() > maxSerialLength) {
            m_leaveOutUsable = false;
            note = tr("\u201c%1\u2026\u201d cannot be left out: a serial number has at most %2 characters.")
                       .arg(entry.left(shownMessageLength))
                       .arg(maxSerialLength);
            break;
        }
    }
    if (m_leaveOutUsable && !entries.isEmpty())
        note = entries.size() == 1
            ? tr("Leaves out 1 unit: %1").arg(entries.constFirst())
            : tr("Leaves out %1 units: %2").arg(entries.size()).arg(entries.join(QStringLiteral(", ")));
    m_leaveOutNote->setText(note);
    showAsRefusal(m_leaveOutNote, !m_leaveOutUsable);
    m_leaveOutNote->setVisible(!note.isEmpty());
    refreshStartButton();
}

QLayout* FrmProvisionUnits::logButtons()
{
    m_openLog = new QPushButton(tr("Open Lo&g"), this);
    m_openLog->setObjectName(QStringLiteral("pushButtonOpenLog"));
    m_openFolder = new QPushButton(tr("Open Fol&der"), this);
    m_openFolder->setObjectName(QStringLiteral("pushButtonOpenFolder"));
    const auto open = [this](const QUrl& url) {
        const bool opened = urlOpener ? urlOpener(url) : QDesktopServices::openUrl(url);
        if (!opened)
            Prompter::instance().critical(this, tr("Error"),
                                          tr("No program opens %1.").arg(QDir::toNativeSeparators(url.toLocalFile())));
    };
    connect(m_openLog, &QPushButton::clicked, this, [this, open] { open(QUrl::fromLocalFile(logShown())); });
    connect(m_openFolder, &QPushButton::clicked, this,
            [this, open] { open(QUrl::fromLocalFile(QFileInfo(logShown()).absolutePath())); });
    auto* row = new QHBoxLayout;
    row->addWidget(m_openLog);
    row->addWidget(m_openFolder);
    return row;
}

QString FrmProvisionUnits::logShown() const
{
    return m_stationLogPath.isEmpty() ? resolvedLogPath() : m_stationLogPath;
}

void FrmProvisionUnits::refreshLogButtons()
{
    if (!m_openLog)
        return;
    const bool exists = QFileInfo(logShown()).isFile();
    m_openLog->setEnabled(exists);
    m_openFolder->setEnabled(exists);
}

void FrmProvisionUnits::refreshStationHeader()
{
    if (m_stationHeader.size() != 2)
        return;
    const auto header = [this](const QString& path) {
        return tr("Profile: %1 (%2); log: %3").arg(m_stationHeader.at(0), m_stationHeader.at(1), path);
    };
    // The log's path is cut in its middle, where a long one differs least, so the dialog keeps its width.
    const QFontMetrics metrics(m_stationProfile->font());
    const QString shownPath = QDir::toNativeSeparators(m_stationLogPath);
    const int room = m_stationProfile->width() - metrics.horizontalAdvance(header(QString()));
    m_stationProfile->setText(header(metrics.elidedText(shownPath, Qt::ElideMiddle, qMax(room, minimumPathWidth))));
    m_stationProfile->setToolTip(header(shownPath));
}

void FrmProvisionUnits::rememberChoices(const QString& logPath)
{
    QSettings settings;
    settings.setValue(logFileKey, logPath);
    // The next set-up opens on this profile.
    settings.setValue(profileFileKey, m_useFile->isChecked() ? m_profileFile : QString());
}

void FrmProvisionUnits::refreshStartButton()
{
    if (!m_start)
        return;
    const bool profileChosen = m_useForm->isChecked() || m_fileProfile;
    m_start->setEnabled(!m_station && profileChosen && !m_logEdit->text().trimmed().isEmpty() && m_logUsable
                        && m_leaveOutUsable);
}
