#pragma once

#include "ui_FrmTavrin2QtBase.h"

#include <QMainWindow>

class QEvent;

// The main window's form: every widget, menu and action, their limits and texts, and the wiring of their signals
// to virtual slots. The widgets are public members named after their object names, so the window's logic
// (a subclass) and the tests reach each of them. The slots here only warn; the subclass overrides them.
class FrmTavrin2QtBase : public QMainWindow, public Ui::FrmTavrin2QtBase
{
    Q_OBJECT

public:
    explicit FrmTavrin2QtBase(QWidget* parent = nullptr, const char* name = nullptr, Qt::WindowFlags flags = {});
    ~FrmTavrin2QtBase() override;

    // The Tools menu's "Select Device" entry (the submenu's own action).
    QAction* tools_SelectDevice_Action = nullptr;

public slots:
    virtual void helpAboutAction_activated();
    virtual void toolsInitializeAction_activated();
    virtual void tools_Reset_Action_activated();
    virtual void tools_SelectDevice_TavrinII_Action_activated();
    virtual void tools_SelectDevice_DalenTavrin_Action_activated();
    virtual void tools_SelectDevice_DalenTavrin2Btn_Action_activated();
    virtual void tools_ProgramPagers_Action_activated();
    virtual void fileLoadConfigurationAction_activated();
    virtual void fileSaveConfigurationAction_activated();
    virtual void pushButtonRead_clicked();
    virtual void pushButtonUpdateUnit_clicked();
    virtual void pushButtonUpdateFirmware_clicked();
    virtual void checkBoxBtn1Enable_toggled(bool);
    virtual void checkBoxBtn2Enable_toggled(bool);
    virtual void checkBoxBtn3Enable_toggled(bool);
    virtual void checkBoxBtn4Enable_toggled(bool);
    virtual void checkBoxBtn5Enable_toggled(bool);
    virtual void checkBoxExtInputEnabled_toggled(bool);
    virtual void comboBoxBtn1Type_activated(int);
    virtual void comboBoxBtn2Type_activated(int);
    virtual void comboBoxBtn3Type_activated(int);
    virtual void comboBoxBtn4Type_activated(int);
    virtual void comboBoxBtn5Type_activated(int);
    virtual void comboBoxExtInputType_activated(int);
    virtual void checkBoxEnableGrpPaging_toggled(bool);
    virtual void checkBoxAutoOnOff1_toggled(bool);
    virtual void checkBoxAutoOnOff2_toggled(bool);
    virtual void checkBoxAutoOnOff3_toggled(bool);
    virtual void checkBoxLockoutEnabled_toggled(bool);
    virtual void radioButtonLockoutInterval_toggled(bool);
    virtual void checkBoxLowBatteryPageEnabled_toggled(bool);
    virtual void checkBoxRepageEnabled_toggled(bool);
    virtual void checkBoxDTEnableGrpPaging_toggled(bool);
    virtual void pushButtonDTUpdateFirmware_clicked();
    virtual void checkBoxDTRepageEnabled_toggled(bool);
    virtual void checkBoxDTLowBatteryEnable_toggled(bool);
    virtual void checkBoxDTSecondaryPageEnabled_toggled(bool);
    virtual void checkBoxDTCancelMsgEnabled_toggled(bool);

protected slots:
    // Sets every visible text through the translator; runs once at construction and on each language change.
    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyMessageLimits();
    void connectActions();
    void connectButtonRows();
    void connectFeatureRules();
    void refreshLayoutSizes();
};
