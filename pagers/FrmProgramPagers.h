#pragma once

#include "pagers/frmProgramPagersBase.h"
#include "protocol/AlphaProgramData.h"

#include <array>
#include <functional>

// The program pagers dialog: checks the settings of one pager and programs it through the
// attached device on each press of Program, staying open until Cancel.
class FrmProgramPagers : public frmProgramPagersBase
{
    Q_OBJECT

public:
    FrmProgramPagers(bool grpPagingEnabled, bool disableZellCoasterTab, int sysID, QWidget* parent = nullptr,
                     const char* name = nullptr, bool modal = false, Qt::WindowFlags flags = {});

    // True when the welcome message fits the pager: at most 3 lines (2 line breaks), 48 characters
    // with the line breaks, no comma. Otherwise the message is left selected for correction.
    bool checkWelcomeMsg();

    // The Alpha tab's settings, all five groups included whether used or not.
    AlphaProgramData alphaProgramData() const;
    // The Zell / Coaster tab's options as ZellPagerFlags bits.
    int zellPagerFlags() const;

    // Finds the unit to program before each programming, throwing when there is none to use. Unset, the
    // only attached unit (or the one chosen before) is used.
    using UnitCheck = std::function<void()>;
    void setUnitCheck(UnitCheck check) { m_unitCheck = std::move(check); }
    // Whether a program outside the session holds the unit (the window's flashing tool): no programming
    // starts meanwhile. Unset, none does.
    using UnitHeldCheck = std::function<bool()>;
    void setUnitHeldCheck(UnitHeldCheck check) { m_unitHeld = std::move(check); }

signals:
    // After a pager was programmed, with a short note for the operator.
    void pagerProgrammed(const QString& confirmation);
    // Why the dialog did not do what it was asked (it stays open while a pager is programmed).
    void busyNote(const QString& note);

public slots:
    void pushButtonProgram_pressed() override;
    // Cancel and the close button: refused while a pager is programmed, so the dialog is not deleted
    // under its operation.
    void reject() override;
    void spinBoxGroup1_valueChanged(int value) override;
    void spinBoxGroup2_valueChanged(int value) override;
    void spinBoxGroup3_valueChanged(int value) override;
    void spinBoxGroup4_valueChanged(int value) override;
    void spinBoxGroup5_valueChanged(int value) override;
    void checkBoxEnableGrpPaging_toggled(bool) override;
    void radioButtonCoaster_toggled(bool) override;

protected:
    // Programs one pager from the current tab through the device protocol. Throws std::exception
    // subclasses on failure; pushButtonProgram_pressed shows them.
    virtual void programCurrentTab();

private:
    static constexpr int groupCount = 5;

    std::array<QSpinBox*, groupCount> groupSpinBoxes() const;
    std::array<QLineEdit*, groupCount> groupNameEdits() const;
    void updateGroupNameEnabled(int group, int value);
    void releaseProgramButton();

    bool m_disableZellCoasterTab;
    UnitCheck m_unitCheck;
    UnitHeldCheck m_unitHeld;
};
