#pragma once

#include "ui_frmProgramPagersBase.h"

#include <QDialog>

// The program pagers form: widgets (public, by their object names), texts, layout and
// connections. The slots are stubs that only warn; FrmProgramPagers implements them.
class frmProgramPagersBase : public QDialog, public Ui::frmProgramPagersBase
{
    Q_OBJECT

public:
    explicit frmProgramPagersBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                                  Qt::WindowFlags flags = {});
    ~frmProgramPagersBase() override;

public slots:
    virtual void pushButtonProgram_pressed();
    virtual void spinBoxGroup1_valueChanged(int);
    virtual void spinBoxGroup2_valueChanged(int);
    virtual void spinBoxGroup3_valueChanged(int);
    virtual void spinBoxGroup4_valueChanged(int);
    virtual void spinBoxGroup5_valueChanged(int);
    virtual void checkBoxEnableGrpPaging_toggled(bool);
    virtual void radioButtonCoaster_toggled(bool);
    // Sets every user-visible text of the form through tr(); runs again on a language change.
    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;
};
