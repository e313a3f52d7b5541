#pragma once

#include "provisioning/ProvisionRow.h"

#include <QHash>
#include <QList>
#include <QString>

// What a log says about units already provisioned, for skipping them and for numbering.
class ProvisionHistory
{
public:
    explicit ProvisionHistory(const QList<ProvisionRow>& rows = {});

    // A row logged after the others.
    void add(const ProvisionRow& row);

    // The last row that logged the serial verified with this profile; nullptr when there is none.
    const ProvisionRow* verifiedWith(const QString& serial, const QString& profileSha256) const;
    // The number the serial last carried in a row that was not failed; 0 when none.
    int numberOf(const QString& serial) const;
    // The serial holding a number (it was written with it and did not fail); empty when none.
    QString holderOf(int number) const;
    // The highest number a unit holds; 0 when none.
    int highestNumber() const { return m_highestNumber; }

private:
    QList<ProvisionRow> m_verified;
    QHash<QString, int> m_numberOfSerial;
    QHash<int, QString> m_serialOfNumber;
    int m_highestNumber = 0;
};
