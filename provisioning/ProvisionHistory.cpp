#include "provisioning/ProvisionHistory.h"

ProvisionHistory::ProvisionHistory(const QList<ProvisionRow>& rows)
{
    for (const ProvisionRow& row : rows)
        add(row);
}

void ProvisionHistory::add(const ProvisionRow& row)
{
    if (row.result == ProvisionRow::Result::Verified)
        m_verified.append(row);
    // A unit written without being verified carries its number too: giving it again could repeat it.
    if (row.result == ProvisionRow::Result::Failed || row.number <= 0)
        return;
    m_numberOfSerial.insert(row.serial, row.number);
    if (!m_serialOfNumber.contains(row.number))
        m_serialOfNumber.insert(row.number, row.serial);
    m_highestNumber = qMax(m_highestNumber, row.number);
}

const ProvisionRow* ProvisionHistory::verifiedWith(const QString& serial, const QString& profileSha256) const
{
    for (auto row = m_verified.crbegin(); row != m_verified.crend(); ++row) {
        if (row->serial == serial && row->profileSha256 == profileSha256)
            return &*row;
    }
    return nullptr;
}

int ProvisionHistory::numberOf(const QString& serial) const
{
    return m_numberOfSerial.value(serial);
}

QString ProvisionHistory::holderOf(int number) const
{
    return m_serialOfNumber.value(number);
}
