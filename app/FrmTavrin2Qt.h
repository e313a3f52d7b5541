#pragma once

#include "app/FormSource.h"
#include "app/FrmTavrin2QtBase.h"
#include "app/TavrinIIBtnWidgets.h"
#include "config/Tavrin2QtCfg.h"
#include "config/TavrinIIButton.h"
#include "config/TavrinType.h"
#include "protocol/TavrinUnit.h"

#include <QList>
#include <QPointer>
#include <QScopeGuard>
#include <QString>

#include <functional>
#include <vector>

class FirmwareUpgrade;
class FrmProgramPagers;
class FrmProvisionUnits;
class QCloseEvent;
class QMimeData;
class QTimer;

// The main window: shows one model's settings, moves them between the form and a Tavrin2QtCfg,
// detects the attached device and runs the commands (Read, Update, Save, Load, Program Pagers,
// Upgrade). Every failure below the window reaches the user through showError.
class FrmTavrin2Qt : public FrmTavrin2QtBase
{
    Q_OBJECT

public:
    explicit FrmTavrin2Qt(QWidget* parent = nullptr, const char* name = nullptr, Qt::WindowFlags flags = {});
    ~FrmTavrin2Qt() override;

    // The form as a record, and a record into the form (switching to the record's model first).
    Tavrin2QtCfg uiSettings();
    void setUISettings(const Tavrin2QtCfg& cfg);

    // One button row (0 to 4, 5 the external input) to and from a button.
    TavrinIIButton tavrinIIBtn(int index);
    void setTavrinIIBtn(int index, const TavrinIIButton& button);

    // Mode codes of Zell and Guest buttons (10, 1, 2) against the mode selector's positions.
    static int modeToIndex(int type, int mode);
    static int indexToMode(int type, int index);

    // 0 off, 1 indefinite, 2 for the lockout time.
    void setLockoutSettings(int mode);
    int lockoutTimeMode();

    TavrinType selectedType() const { return selectedTavrinType; }
    QTimer* detectionTimer() const { return detectTimer; }
    FirmwareUpgrade* firmwareUpgrade() const { return m_firmwareUpgrade; }

    // Whether no detection has completed since the program started; tests start over with reset.
    static bool isFirstDetection();
    static void resetFirstDetection();

    // The window's events are processed while an operation waits for the device, so the window and its
    // progress dialog stay drawn; input that comes meanwhile is dropped, not kept for later. Installed
    // once by the entry point.
    static void keepResponsiveDuringDeviceWork();

    void showError(const QString& text);
    void saveConfiguration();
    void loadConfiguration();
    // Load without the file dialog: the file named at start and a file dropped onto the window.
    void loadConfigurationFile(const QString& fileName);
    void updateTavrinFirmware();
    // Tools > Provision Units: the station dialog, on the form's settings. Not one of the form's slots.
    void provisionUnits();

public slots:
    void detectTavrin();
    void helpAboutAction_activated() override;
    void toolsInitializeAction_activated() override;
    void tools_Reset_Action_activated() override;
    void tools_SelectDevice_TavrinII_Action_activated() override;
    void tools_SelectDevice_DalenTavrin_Action_activated() override;
    void tools_SelectDevice_DalenTavrin2Btn_Action_activated() override;
    void tools_ProgramPagers_Action_activated() override;
    void fileLoadConfigurationAction_activated() override;
    void fileSaveConfigurationAction_activated() override;
    void pushButtonRead_clicked() override;
    void pushButtonUpdateUnit_clicked() override;
    void pushButtonUpdateFirmware_clicked() override;
    void checkBoxBtn1Enable_toggled(bool) override;
    void checkBoxBtn2Enable_toggled(bool) override;
    void checkBoxBtn3Enable_toggled(bool) override;
    void checkBoxBtn4Enable_toggled(bool) override;
    void checkBoxBtn5Enable_toggled(bool) override;
    void checkBoxExtInputEnabled_toggled(bool) override;
    void comboBoxBtn1Type_activated(int) override;
    void comboBoxBtn2Type_activated(int) override;
    void comboBoxBtn3Type_activated(int) override;
    void comboBoxBtn4Type_activated(int) override;
    void comboBoxBtn5Type_activated(int) override;
    void comboBoxExtInputType_activated(int) override;
    void checkBoxEnableGrpPaging_toggled(bool) override;
    void checkBoxAutoOnOff1_toggled(bool) override;
    void checkBoxAutoOnOff2_toggled(bool) override;
    void checkBoxAutoOnOff3_toggled(bool) override;
    void checkBoxLockoutEnabled_toggled(bool) override;
    void radioButtonLockoutInterval_toggled(bool) override;
    void checkBoxLowBatteryPageEnabled_toggled(bool) override;
    void checkBoxAckPageEnabled_toggled(bool);
    void checkBoxRepageEnabled_toggled(bool) override;
    void checkBoxDTEnableGrpPaging_toggled(bool) override;
    void pushButtonDTUpdateFirmware_clicked() override;
    void checkBoxDTRepageEnabled_toggled(bool) override;
    void checkBoxDTLowBatteryEnable_toggled(bool) override;
    void checkBoxDTSecondaryPageEnabled_toggled(bool) override;
    void checkBoxDTCancelMsgEnabled_toggled(bool) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing deletes the window: refused while an action or a device operation still uses it.
    void closeEvent(QCloseEvent* event) override;

protected slots:
    void languageChange() override;

private:
    QPointer<FrmProgramPagers> programPagersDialog;
    QPointer<FrmProvisionUnits> m_provisionDialog;
    TavrinType selectedTavrinType = TavrinII;
    QTimer* detectTimer = nullptr;
    FirmwareUpgrade* m_firmwareUpgrade = nullptr;
    std::vector<TavrinIIBtnWidgets> tavrinIIBtnWidgets;

    void fillButtonRows();
    void refreshForm();
    void installMessageValidators();
    // The twelve message line edits.
    QList<QLineEdit*> messageEdits() const;
    void nameWidgetsForScreenReaders();
    void widenMessageFields();
    void takeBackKeyboardFocus();
    void refreshGroupPagingNote();

    void selectModel(TavrinType type);
    void applyModelTexts();
    // Update and the hidden Initialize: detection, the form's record, then the device.
    void updateUnit();
    // One attempt of updateUnit; throws AnotherUnitAnswered, having set nothing, when another unit answers.
    void sendForm();
    void handleDetectionFailure(const QString& message);
    // The detection step. With mayAskForUnit, several attached units and none chosen, asks which one
    // to use; throws SeveralTavrinsAttached when none is chosen. In a device action a unit that fails to
    // identify itself throws; every other failure is handled as detection handles it.
    void detect(bool mayAskForUnit);
    // The chosen unit's path, or empty when the operator cancelled.
    QString askForUnit();
    QString askForUnit(const QList<TavrinUnit>& units, const QString& caption, const QString& label);
    // After a detection that reached a unit: a unit other than the one in use (by serial number) is
    // never used unasked. A device action asks; the timer leaves it to the next action.
    void keepToChosenUnit(bool mayAskForUnit);
    // The unit in use from now on; the session compares the first READ of every update and pager
    // programming with it.
    void useUnit(const QString& serial);
    // True while an operation talks to the device, the flashing tool runs or one of the window's actions
    // has not ended: whatever the events processed meanwhile ask for (a queued call, a timer) must not
    // start another one.
    bool operationInProgress() const;
    // The start of an action: the previous action's note leaves the status bar, and the window stays
    // open until the returned guard ends the action.
    [[nodiscard]] QScopeGuard<std::function<void()>> beginAction();
    // What the status bar says when the operator asks for something an operation in progress forbids.
    void showBusyNote(const QString& text);
    // A dropped file is loaded once no operation runs any more; it may have been dropped just before
    // one started.
    void loadDroppedFile(const QString& fileName);
    // A short note in the status bar that goes away by itself.
    void showConfirmation(const QString& text);

    // While a station runs it owns every unit: the window's session lets go of its unit, and the form and
    // the menus keep still.
    void stationRunning(bool running);

    void refreshButtonRow(int index);
    Tavrin2QtCfg::TavrinIIAutoOnOffTime autoOnOffRow(int row) const;
    void setAutoOnOffRow(int row, const Tavrin2QtCfg::TavrinIIAutoOnOffTime& time);
    void refreshAutoOnOffRow(int row);
    // Why the form cannot show the record whole; empty when it can.
    static QString incompleteRecordReason(const Tavrin2QtCfg& cfg);
    void fillFromRecord(const Tavrin2QtCfg& cfg);
    void fillRecord(Tavrin2QtCfg& cfg);

    static QString configFilter();
    // The one configuration file a drag carries; empty when it carries anything else.
    static QString droppedConfigFile(const QMimeData* data);
    void acceptConfigFileDrops();
    // Asks, as the save dialog does for the name it was given, before a file is replaced.
    bool confirmReplace(const QString& fileName);

    // The model names (context QObject), the mode texts and the messages made once at start-up.
    QString m_tavrinIIName;
    QString m_dalenTavrinName;
    QString m_dalenTavrin2BtnName;
    QString m_zellModes[3];
    QString m_guestModes[3];
    QString m_invalidPagerNum;
    QString m_invalidExtInputSetting;
    QString m_invalidPagerType;
    QString m_invalidPagerMode;
    QString m_unableToLoad;
    QString m_unableToSave;
    // The serial number of the unit in use: the one chosen, or the first one found; empty before.
    QString m_unitSerial;
    // The Dalen model whose group titles the form shows, so a language change can put them back;
    // Unknown while the form's own titles stand.
    TavrinType m_dalenTitlesFor = Unknown;
    // The window's actions that have begun and not ended (a box of one may run its own event loop).
    int m_runningActions = 0;
    // A file dropped just before an action began, loaded when it has ended.
    QString m_droppedDuringAction;
    // While a record fills the form: its texts are not the operator's typing.
    bool m_showingRecord = false;
    // Where the form's settings came from, and their hash then: another hash now means edited since.
    FormSource m_formSource;
    QString m_formSourceSha;
    // The form as it opened: its defaults.
    Tavrin2QtCfg m_formAtStart;
    void noteFormSource(const FormSource& source);
    FormSource currentFormSource(const Tavrin2QtCfg& form) const;
};
