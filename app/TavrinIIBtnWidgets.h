#pragma once

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QStackedWidget;

// The widgets of one Tavrin II button row (or of the external input). A pointer may be null: the
// five button rows have no external input setting.
struct TavrinIIBtnWidgets
{
    QCheckBox* enable = nullptr;
    QSpinBox* pager = nullptr;
    QComboBox* setting = nullptr;
    QComboBox* type = nullptr;
    QComboBox* mode = nullptr;
    QComboBox* zellMsg = nullptr;
    QLineEdit* alphaMsg = nullptr;
    // Page 0 holds the Alpha line edit, page 1 the Zell selector.
    QStackedWidget* msgStack = nullptr;
};
