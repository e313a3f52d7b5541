#include "support/StationDialogKit.h"

#include "app/FrmProvisionUnits.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

namespace stationdialog {

void setUp(FrmProvisionUnits& dialog, const QString& logPath, int numberFrom, const QString& leaveOutSerial)
{
    dialog.findChild<QLineEdit*>(QStringLiteral("lineEditLogFile"))->setText(logPath);
    dialog.findChild<QCheckBox*>(QStringLiteral("checkBoxNumberUnits"))->setChecked(true);
    dialog.findChild<QSpinBox*>(QStringLiteral("spinBoxNumberFrom"))->setValue(numberFrom);
    dialog.findChild<QLineEdit*>(QStringLiteral("lineEditLeaveOut"))->setText(leaveOutSerial);
}

int rowOfSerial(QTableWidget* table, const QString& serial)
{
    for (int row = table->rowCount() - 1; row >= 0; --row) {
        if (table->item(row, FrmProvisionUnits::SerialColumn)->text() == serial)
            return row;
    }
    return -1;
}

QString resultOf(QTableWidget* table, const QString& serial)
{
    const int row = rowOfSerial(table, serial);
    return row < 0 ? QString() : table->item(row, FrmProvisionUnits::ResultColumn)->text();
}

} // namespace stationdialog
