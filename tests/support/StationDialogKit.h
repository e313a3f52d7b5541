#pragma once

#include <QString>

class FrmProvisionUnits;
class QTableWidget;

// Drives the Provision Units dialog as an installer would: its setup fields, and a unit's row found by
// the unit's serial number.
namespace stationdialog {

// Log file, numbering from numberFrom and the reference unit left out.
void setUp(FrmProvisionUnits& dialog, const QString& logPath, int numberFrom, const QString& leaveOutSerial);
// The unit's latest row (a unit plugged in again gets a new one); -1 for none.
int rowOfSerial(QTableWidget* table, const QString& serial);
// Its result in words; empty when it has no row.
QString resultOf(QTableWidget* table, const QString& serial);

} // namespace stationdialog
