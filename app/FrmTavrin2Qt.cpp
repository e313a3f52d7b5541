#include "app/FrmTavrin2Qt.h"

#include "app/AppLogging.h"
#include "app/FirmwareUpgrade.h"
#include "app/FrmProvisionUnits.h"
#include "pagers/FrmProgramPagers.h"
#include "protocol/Tavrin2QtComm.h"
#include "provisioning/ProvisionLog.h"
#include "uisupport/InputDiscarder.h"
#include "uisupport/ProgressDialog.h"
#include "uisupport/Prompter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>

#include <array>
#include <exception>
#include <utility>

namespace {
constexpr int detectionIntervalMs = 3000;
constexpr int confirmationMs = 10000;
} // namespace

FrmTavrin2Qt::FrmTavrin2Qt(QWidget* parent, const char* name, Qt::WindowFlags flags)
    : FrmTavrin2QtBase(parent, name, flags)
    , m_firmwareUpgrade(new FirmwareUpgrade(Tavrin2QtComm::instance(), this))
{
    m_tavrinIIName = QObject::tr("Tavrin II");
    m_dalenTavrinName = QObject::tr("Dalen Tavrin");
    m_dalenTavrin2BtnName = QObject::tr("Dalen Tavrin - 2 Button");
    m_zellModes[0] = tr("VIBE 1", "zell pgr vibration mode 1");
    m_zellModes[1] = tr("VIBE 2", "zell pgr vibration mode 2");
    m_zellModes[2] = tr("VIBE 3", "zell pgr vibration mode 3");
    m_guestModes[0] = tr("1 Sec", "guest pgr flash mode 1");
    m_guestModes[1] = tr("30 Sec", "guest pgr flash mode 2");
    m_guestModes[2] = tr("5 Min", "guest pgr flash mode 3");
    m_invalidPagerNum = tr("Invalid pager number, using default");
    m_invalidExtInputSetting = tr("Invalid external input setting, using default");
    m_invalidPagerType = tr("Invalid pager type, using default");
    m_invalidPagerMode = tr("Invalid pager mode, using default");
    m_unableToLoad = tr("Unable to load config file");
    m_unableToSave = tr("Unable to save config file");

    fillButtonRows();
    acceptConfigFileDrops();
    nameWidgetsForScreenReaders();
    widenMessageFields();
    detectTavrin();
    refreshForm();
    m_formAtStart = uiSettings();

    connect(tools_ProvisionUnits_Action, &QAction::triggered, this, &FrmTavrin2Qt::provisionUnits);

    detectTimer = new QTimer(this);
    connect(detectTimer, &QTimer::timeout, this, &FrmTavrin2Qt::detectTavrin);
    detectTimer->start(detectionIntervalMs);
}

FrmTavrin2Qt::~FrmTavrin2Qt() = default;

void FrmTavrin2Qt::keepResponsiveDuringDeviceWork()
{
    // Input that were only held back would be replayed when the operation ends, against a form already
    // sent: it is dropped instead, as a modal progress dialog drops input to the window it blocks.
    InputDiscarder::install([] { return Tavrin2QtComm::instance()->isBusy(); });
    Tavrin2QtComm::instance()->setWaitHook([] { QCoreApplication::processEvents(); });
}

bool FrmTavrin2Qt::operationInProgress() const
{
    const Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    if (m_runningActions == 0 && !comm->isBusy() && !m_firmwareUpgrade->isFlashing())
        return false;
    qCDebug(lcApp, "FrmTavrin2Qt: an operation is in progress; nothing else starts");
    return true;
}

QScopeGuard<std::function<void()>> FrmTavrin2Qt::beginAction()
{
    statusBar()->clearMessage();
    ++m_runningActions;
    return QScopeGuard<std::function<void()>>([self = QPointer<FrmTavrin2Qt>(this)] {
        if (!self || --self->m_runningActions > 0 || self->m_droppedDuringAction.isEmpty())
            return;
        QMetaObject::invokeMethod(
            self, [self] { self->loadDroppedFile(std::exchange(self->m_droppedDuringAction, QString())); },
            Qt::QueuedConnection);
    });
}

void FrmTavrin2Qt::showBusyNote(const QString& text)
{
    statusBar()->showMessage(text, confirmationMs);
}

void FrmTavrin2Qt::closeEvent(QCloseEvent* event)
{
    const bool pagersBusy = programPagersDialog && Tavrin2QtComm::instance()->isBusy();
    const int stationUnits = m_provisionDialog ? m_provisionDialog->unitsInFlight() : 0;
    if (stationUnits > 0) {
        event->ignore();
        showBusyNote(FrmProvisionUnits::pressStopFirstText(stationUnits));
        return;
    }
    if (operationInProgress() || pagersBusy) {
        event->ignore();
        showBusyNote(tr("The window stays open until the Tavrin operation has ended."));
        return;
    }
    // The dialog belongs to the window; its own event loop ends before the window goes.
    if (programPagersDialog)
        programPagersDialog->reject();
    FrmTavrin2QtBase::closeEvent(event);
}

void FrmTavrin2Qt::showConfirmation(const QString& text)
{
    statusBar()->showMessage(text, confirmationMs);
}

void FrmTavrin2Qt::showError(const QString& text)
{
    Prompter::instance().critical(this, tr("Error"), text);
}

void FrmTavrin2Qt::languageChange()
{
    FrmTavrin2QtBase::languageChange();
    // The form's own step puts back its default caption and Dalen titles; the selected model's stay.
    applyModelTexts();
    nameWidgetsForScreenReaders();
}

// Column headers alone tell a screen reader nothing about the row a widget sits in.
void FrmTavrin2Qt::nameWidgetsForScreenReaders()
{
    // Called from the form's constructor through languageChange, before the rows exist.
    if (tavrinIIBtnWidgets.empty())
        return;
    for (int i = 0; i < static_cast<int>(tavrinIIBtnWidgets.size()); ++i) {
        const TavrinIIBtnWidgets& row = tavrinIIBtnWidgets[i];
        const QString what = i < 5 ? tr("Button %1").arg(i + 1) : tr("External input");
        const std::pair<QWidget*, QString> names[] = {
            { row.enable, tr("%1 enabled").arg(what) },
            { row.pager, tr("%1 pager").arg(what) },
            { row.setting, tr("%1 setting").arg(what) },
            { row.type, tr("%1 type").arg(what) },
            { row.mode, tr("%1 mode").arg(what) },
            { row.zellMsg, tr("%1 Zell message").arg(what) },
            { row.alphaMsg, tr("%1 Alpha message").arg(what) },
            { row.msgStack, tr("%1 message").arg(what) },
        };
        for (const auto& [widget, name] : names)
            if (widget)
                widget->setAccessibleName(name);
    }
    const std::pair<QWidget*, QString> others[] = {
        { checkBoxLowBatteryPageEnabled, tr("Low battery page enabled") },
        { spinBoxLowBatteryPager, tr("Low battery pager") },
        { lineEditLowBatteryPageMsg, tr("Low battery message") },
        { checkBoxAckPageEnabled, tr("Acknowledge page enabled") },
        { spinBoxAckPager, tr("Acknowledge pager") },
        { lineEditAckPageMsg, tr("Acknowledge message") },
        { checkBoxAutoOnOff1, tr("Auto on/off 1 enabled") },
        { timeEditAutoOn1, tr("Auto on/off 1 on time") },
        { timeEditAutoOff1, tr("Auto on/off 1 off time") },
        { checkBoxAutoOnOff2, tr("Auto on/off 2 enabled") },
        { timeEditAutoOn2, tr("Auto on/off 2 on time") },
        { timeEditAutoOff2, tr("Auto on/off 2 off time") },
        { checkBoxAutoOnOff3, tr("Auto on/off 3 enabled") },
        { timeEditAutoOn3, tr("Auto on/off 3 on time") },
        { timeEditAutoOff3, tr("Auto on/off 3 off time") },
        { checkBoxDTSecondaryPageEnabled, tr("Secondary page enabled") },
        { spinBoxDTSecondaryPager, tr("Secondary pager") },
        { checkBoxDTCancelMsgEnabled, tr("Cancel message enabled") },
        { lineEditDTCancelMsg, tr("Cancel message") },
        { checkBoxDTLowBatteryPageEnabled, tr("Low battery page enabled") },
        { spinBoxDTLowBatteryPager, tr("Low battery pager") },
        { lineEditDTLowBatteryPageMsg, tr("Low battery message") },
        { checkBoxDTRepageEnabled, tr("Repage enabled") },
        { spinBoxDTRepageInterval, tr("Repage interval") },
        { textLabel33, tr("Tavrin II unit with buttons 1 to 5") },
    };
    for (const auto& [widget, name] : others)
        widget->setAccessibleName(name);
}

// A message takes up to 64 characters; the fields show at least half of one at a time.
void FrmTavrin2Qt::widenMessageFields()
{
    constexpr int shownCharacters = 32;
    for (QLineEdit* edit : messageEdits()) {
        const QFontMetrics metrics = edit->fontMetrics();
        // The frame and the text margins take a few pixels on each side.
        const int width = metrics.averageCharWidth() * shownCharacters + 2 * metrics.averageCharWidth();
        edit->setMinimumWidth(width);
    }
}

// After a box whose parent has gone (the firmware progress dialog), no window would hold the keyboard.
void FrmTavrin2Qt::takeBackKeyboardFocus()
{
    if (isVisible() && !QApplication::activeWindow())
        activateWindow();
}

void FrmTavrin2Qt::selectModel(TavrinType type)
{
    switch (type) {
    case DalenTavrin:
    case DalenTavrin2Button:
        selectedTavrinType = type;
        m_dalenTitlesFor = type;
        applyModelTexts();
        buttonGroupBtn2->setVisible(type == DalenTavrin2Button);
        textLabel3_2->setPixmap(QPixmap(type == DalenTavrin2Button ? QStringLiteral(":/images/dalen2.png")
                                                                   : QStringLiteral(":/images/dalen.png")));
        widgetStackSwitchDevice->setCurrentWidget(pgDalenTavrin);
        tools_SelectDevice_DalenTavrin_Action->setChecked(type == DalenTavrin);
        tools_SelectDevice_DalenTavrin2Btn_Action->setChecked(type == DalenTavrin2Button);
        checkBoxDTEnableGrpPaging_toggled(false);
        break;
    default:
        selectedTavrinType = TavrinII;
        applyModelTexts();
        widgetStackSwitchDevice->setCurrentWidget(pgTavrinII);
        tools_SelectDevice_TavrinII_Action->setChecked(true);
        checkBoxEnableGrpPaging_toggled(false);
        break;
    }
}

void FrmTavrin2Qt::applyModelTexts()
{
    // Called from the form's constructor through languageChange, before this class has set anything up.
    if (m_tavrinIIName.isNull())
        return;
    switch (selectedTavrinType) {
    case DalenTavrin:
        setWindowTitle(m_dalenTavrinName);
        break;
    case DalenTavrin2Button:
        setWindowTitle(m_dalenTavrin2BtnName);
        break;
    default:
        setWindowTitle(m_tavrinIIName);
        break;
    }
    if (m_dalenTitlesFor == DalenTavrin) {
        buttonGroupBtn1->setTitle(tr("Button"));
    } else if (m_dalenTitlesFor == DalenTavrin2Button) {
        buttonGroupBtn1->setTitle(tr("Button 2"));
        buttonGroupBtn2->setTitle(tr("Button 1"));
    }
    textLabel3_2->setAccessibleName(m_dalenTitlesFor == DalenTavrin2Button
                                        ? tr("Dalen Tavrin - 2 Button unit with buttons 1 and 2")
                                        : tr("Dalen Tavrin unit with one button"));
    // The Dalen button groups carry the model's titles, so their fields are named after them.
    const std::pair<QGroupBox*, std::array<QWidget*, 3>> dalenButtons[] = {
        { buttonGroupBtn1, { spinBoxDTBtn1PagerNum, lineEditDTBtn1SettingMsg, comboBoxDTBtn1Mode } },
        { buttonGroupBtn2, { spinBoxDTBtn2PagerNum, lineEditDTBtn2SettingMsg, comboBoxDTBtn2Mode } },
    };
    for (const auto& [group, fields] : dalenButtons) {
        fields[0]->setAccessibleName(tr("%1 pager").arg(group->title()));
        fields[1]->setAccessibleName(tr("%1 message").arg(group->title()));
        fields[2]->setAccessibleName(tr("%1 mode").arg(group->title()));
    }
}

void FrmTavrin2Qt::tools_SelectDevice_TavrinII_Action_activated()
{
    selectModel(TavrinII);
}

void FrmTavrin2Qt::tools_SelectDevice_DalenTavrin_Action_activated()
{
    selectModel(DalenTavrin);
}

void FrmTavrin2Qt::tools_SelectDevice_DalenTavrin2Btn_Action_activated()
{
    selectModel(DalenTavrin2Button);
}

void FrmTavrin2Qt::helpAboutAction_activated()
{
    Prompter::instance().about(this, tr("About"),
                               tr("USB Tavrin Configuration Utility\nVersion %1\nVersion Date: %2")
                                   .arg(QStringLiteral(T2Q_VERSION), QLatin1String(__DATE__)));
}

void FrmTavrin2Qt::tools_Reset_Action_activated()
{
    Prompter::instance().information(this, tr("Reset"),
                                     tr("To reset Tavrin, please remove\nthen re-attach Tavrin to PC"));
}

void FrmTavrin2Qt::tools_ProgramPagers_Action_activated()
{
    const bool dalen = selectedTavrinType == DalenTavrin || selectedTavrinType == DalenTavrin2Button;
    const bool grpPaging = dalen ? checkBoxDTEnableGrpPaging->isChecked() : checkBoxEnableGrpPaging->isChecked();
    const int sysID = dalen ? spinBoxDTSysID->value() : spinBoxSysID->value();
    if (programPagersDialog || operationInProgress())
        return;
    statusBar()->clearMessage();
    programPagersDialog = new FrmProgramPagers(grpPaging, dalen, sysID, this);
    // The unit is found as Read and Update find it: the choice among several, and never another unit unasked.
    programPagersDialog->setUnitCheck([this] { detect(true); });
    programPagersDialog->setUnitHeldCheck([this] { return m_firmwareUpgrade->isFlashing(); });
    connect(programPagersDialog, &FrmProgramPagers::pagerProgrammed, this, &FrmTavrin2Qt::showConfirmation);
    connect(programPagersDialog, &FrmProgramPagers::busyNote, this, &FrmTavrin2Qt::showBusyNote);
    const QPointer<FrmTavrin2Qt> self(this);
    programPagersDialog->exec();
    // Closed while the dialog was open (a logout): the window may be gone with it.
    if (!self)
        return;
    delete programPagersDialog.data();
    programPagersDialog = nullptr;
    takeBackKeyboardFocus();
}

void FrmTavrin2Qt::provisionUnits()
{
    if (m_provisionDialog || operationInProgress())
        return;
    // The window's detection stays away from the units while the dialog is open.
    const auto action = beginAction();
    const Tavrin2QtCfg form = uiSettings();
    m_provisionDialog = new FrmProvisionUnits(form, this);
    m_provisionDialog->setFormSource(currentFormSource(form));
    connect(m_provisionDialog, &FrmProvisionUnits::runningChanged, this, &FrmTavrin2Qt::stationRunning);
    const QPointer<FrmTavrin2Qt> self(this);
    m_provisionDialog->exec();
    if (!self)
        return;
    delete m_provisionDialog.data();
    takeBackKeyboardFocus();
}

void FrmTavrin2Qt::noteFormSource(const FormSource& source)
{
    m_formSource = source;
    QString error;
    m_formSourceSha = ProvisionLog::profileSha256(uiSettings(), error);
}

FormSource FrmTavrin2Qt::currentFormSource(const Tavrin2QtCfg& form) const
{
    QString error;
    const QString sha = ProvisionLog::profileSha256(form, error);
    if (!m_formSourceSha.isEmpty())
        return sha == m_formSourceSha ? m_formSource : FormSource { FormSource::Kind::Edited, QString() };
    // Never read nor loaded: the defaults unless typed over, on whichever model's page.
    Tavrin2QtCfg defaults = m_formAtStart;
    defaults.setTavrinType(form.tavrinType());
    if (!sha.isNull() && sha == ProvisionLog::profileSha256(defaults, error))
        return {};
    return { FormSource::Kind::Edited, QString() };
}

void FrmTavrin2Qt::stationRunning(bool running)
{
    if (running)
        Tavrin2QtComm::instance()->reset();
    centralWidget()->setEnabled(!running);
    menuBar()->setEnabled(!running);
}

void FrmTavrin2Qt::pushButtonUpdateFirmware_clicked()
{
    updateTavrinFirmware();
}

void FrmTavrin2Qt::pushButtonDTUpdateFirmware_clicked()
{
    updateTavrinFirmware();
}

void FrmTavrin2Qt::updateTavrinFirmware()
{
    if (operationInProgress())
        return;
    const auto action = beginAction();
    qCDebug(lcApp, "FrmTavrin2Qt::updateTavrinFirmware()");
    try {
        detect(true);
        const ProgressDialog::Owner owner(this);
        m_firmwareUpgrade->updateFirmware();
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
    takeBackKeyboardFocus();
}
