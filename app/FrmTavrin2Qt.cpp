#include "app/FrmTavrin2Qt.h"

#include "app/AppLogging.h"
#include "pagers/FrmProgramPagers.h"
#include "protocol/Tavrin2QtComm.h"
#include "uisupport/Prompter.h"
#include "usb/UsbHid.h"

#include <QCoreApplication>
#include <QStatusBar>
#include <QTimer>

#include <exception>

namespace {
// Only the first detection after start-up moves the form to a model.
bool firstDetection = true;

constexpr int detectionIntervalMs = 3000;
constexpr int confirmationMs = 10000;
} // namespace

FrmTavrin2Qt::FrmTavrin2Qt(QWidget* parent, const char* name, Qt::WindowFlags flags)
    : FrmTavrin2QtBase(parent, name, flags)
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
    detectTavrin();
    refreshForm();

    detectTimer = new QTimer(this);
    connect(detectTimer, &QTimer::timeout, this, &FrmTavrin2Qt::detectTavrin);
    detectTimer->start(detectionIntervalMs);
}

FrmTavrin2Qt::~FrmTavrin2Qt() = default;

bool FrmTavrin2Qt::isFirstDetection()
{
    return firstDetection;
}

void FrmTavrin2Qt::resetFirstDetection()
{
    firstDetection = true;
}

void FrmTavrin2Qt::keepResponsiveDuringDeviceWork()
{
    // Input stays queued until the operation ends, as if the thread were blocked: nothing the user does
    // reaches the window meanwhile.
    Tavrin2QtComm::instance()->setWaitHook([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
}

bool FrmTavrin2Qt::operationInProgress() const
{
    const Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    if (!comm->isBusy() && !comm->isFlashing())
        return false;
    qCDebug(lcApp, "FrmTavrin2Qt: a device operation is in progress; nothing else starts");
    return true;
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
        widgetStackSwitchDevice->setCurrentWidget(pgDalenTavrin);
        checkBoxDTEnableGrpPaging_toggled(false);
        break;
    default:
        selectedTavrinType = TavrinII;
        applyModelTexts();
        widgetStackSwitchDevice->setCurrentWidget(pgTavrinII);
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
                               tr("USB Tavrin Configuration Utility\nVersion Date: %2").arg(QLatin1String(__DATE__)));
}

void FrmTavrin2Qt::tools_Reset_Action_activated()
{
    Prompter::instance().information(this, tr("Reset"),
                                     tr("To reset Tavrin, please remove\nthen re-attach Tavrin to PC"));
}

void FrmTavrin2Qt::detectTavrin()
{
    // The timer fires while an operation waits for the device; the device link is that operation's.
    if (Tavrin2QtComm::instance()->isBusy())
        return;
    try {
        const TavrinType type = Tavrin2QtComm::instance()->connectTavrin();
        if (firstDetection) {
            selectedTavrinType = type;
            selectModel(type);
        }
    } catch (const std::exception& e) {
        handleDetectionFailure(QString::fromUtf8(e.what()));
    }
    firstDetection = false;
}

void FrmTavrin2Qt::handleDetectionFailure(const QString& message)
{
    const UsbHid* hid = UsbHid::instance();
    if (message == hid->errorMessage(NoDeviceFound)) {
        if (!firstDetection)
            return;
        qCDebug(lcApp, "FrmTavrin2Qt::detectTavrin() 1");
        // Cleared before asking: the timer may fire while the choice is open.
        firstDetection = false;
        const QStringList items = { m_dalenTavrinName, m_dalenTavrin2BtnName, m_tavrinIIName };
        bool ok = false;
        const QString choice = Prompter::instance().getItem(this, tr("No Tavrin Device Found"),
                                                            tr("Please select your Tavrin type:"), items, 2, true, &ok);
        if (!ok)
            return;
        const int position = items.indexOf(choice);
        selectModel(position == 0 ? DalenTavrin : position == 1 ? DalenTavrin2Button : TavrinII);
    } else if (message == hid->errorMessage(UnsupportedVersion)) {
        // Only a freshly opened device reports it; while it stays attached the timer stays quiet.
        if (Tavrin2QtComm::instance()->connectionStatus() != Opened)
            return;
        qCDebug(lcApp, "FrmTavrin2Qt::detectTavrin() 2");
        showError(message);
    }
}

void FrmTavrin2Qt::tools_ProgramPagers_Action_activated()
{
    const bool dalen = selectedTavrinType == DalenTavrin || selectedTavrinType == DalenTavrin2Button;
    const bool grpPaging = dalen ? checkBoxDTEnableGrpPaging->isChecked() : checkBoxEnableGrpPaging->isChecked();
    const int sysID = dalen ? spinBoxDTSysID->value() : spinBoxSysID->value();
    if (programPagersDialog || operationInProgress())
        return;
    programPagersDialog = new FrmProgramPagers(grpPaging, dalen, sysID, this);
    connect(programPagersDialog, &FrmProgramPagers::pagerProgrammed, this, &FrmTavrin2Qt::showConfirmation);
    programPagersDialog->exec();
    delete programPagersDialog.data();
    programPagersDialog = nullptr;
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
    qCDebug(lcApp, "FrmTavrin2Qt::updateTavrinFirmware()");
    detectTavrin();
    try {
        Tavrin2QtComm::instance()->updateFirmware();
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
}
