#pragma once

#include "provisioning/ProvisionRow.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

// What a log says about units already provisioned, for skipping them and for numbering. Serial numbers are
// matched exactly as the units reported them.
class ProvisionHistory
{
public:
    explicit ProvisionHistory(const QList<ProvisionRow>& rows = {});

    // A row logged after the others.
    void add(const ProvisionRow& row);

    // The last row that logged the serial verified with this profile; nullptr when there is none.
    const ProvisionRow* verifiedWith(const QString& serial, const QString& profileSha256) const;
    // The number the serial holds: the one it last carried in a row that was not failed, else that of its last
    // failed row while no other unit holds that number; 0 when none.
    int numberOf(const QString& serial) const;
    // The number the serial holds (numberOf) when a row with this profile gave it that number; 0 otherwise.
    int numberWith(const QString& serial, const QString& profileSha256) const;
    // The serial holding a number; empty when none.
    QString holderOf(int number) const;
    // Whether a unit holds the number (a unit of an older log may hold one without a serial).
    bool isHeld(int number) const;
    // The highest number a unit was written with; 0 when none.
    int highestNumber() const { return m_highestNumber; }

private:
    // The serial of the unit whose failed row holds the number; nullptr when none.
    const QString* failedHolderOf(int number) const;

    QList<ProvisionRow> m_verified;
    // Rows that were not failed: a unit written without being verified carries its number too.
    QHash<QString, int> m_numberOfSerial;
    QHash<int, QString> m_serialOfNumber;
    // The last failed row of each serial and of each number: the number reached the unit before it failed.
    QHash<QString, int> m_failedNumberOfSerial;
    QHash<int, QString> m_failedSerialOfNumber;
    // "serial\nsha\nnumber" of every numbered row: which profile gave a serial which number.
    QSet<QString> m_numberedWith;
    int m_highestNumber = 0;
};
