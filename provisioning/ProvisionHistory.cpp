#include "provisioning/ProvisionHistory.h"

namespace {
QString numberedKey(const QString& serial, const QString& profileSha256, int number)
{
    return serial + QLatin1Char('\n') + profileSha256 + QLatin1Char('\n') + QString::number(number);
}
} // namespace

ProvisionHistory::ProvisionHistory(const QList<ProvisionRow>& rows)
{
    for (const ProvisionRow& row : rows)
        add(row);
}

void ProvisionHistory::add(const ProvisionRow& row)
{
    if (row.result == ProvisionRow::Result::Verified)
        m_verified.append(row);
    if (row.number <= 0)
        return;
    m_highestNumber = qMax(m_highestNumber, row.number);
    m_numberedWith.insert(numberedKey(row.serial, row.profileSha256, row.number));
    // A unit that failed after its number was written keeps it; an older log's failed row may name a number
    // another unit was given afterwards, and that unit holds it.
    if (row.result == ProvisionRow::Result::Failed) {
        m_failedNumberOfSerial.insert(row.serial, row.number);
        m_failedSerialOfNumber.insert(row.number, row.serial);
        return;
    }
    m_numberOfSerial.insert(row.serial, row.number);
    if (!m_serialOfNumber.contains(row.number))
        m_serialOfNumber.insert(row.number, row.serial);
}

const ProvisionRow* ProvisionHistory::verifiedWith(const QString& serial, const QString& profileSha256) const
{
    for (auto row = m_verified.crbegin(); row != m_verified.crend(); ++row) {
        if (row->serial == serial && row->profileSha256 == profileSha256)
            return &*row;
    }
    return nullptr;
}

const QString* ProvisionHistory::failedHolderOf(int number) const
{
    if (m_serialOfNumber.contains(number))
        return nullptr;
    const auto serial = m_failedSerialOfNumber.constFind(number);
    if (serial == m_failedSerialOfNumber.cend() || m_numberOfSerial.contains(*serial)
        || m_failedNumberOfSerial.value(*serial) != number)
        return nullptr;
    return &*serial;
}

int ProvisionHistory::numberOf(const QString& serial) const
{
    if (const int number = m_numberOfSerial.value(serial))
        return number;
    const int failed = m_failedNumberOfSerial.value(serial);
    const QString* holder = failed > 0 ? failedHolderOf(failed) : nullptr;
    return holder && *holder == serial ? failed : 0;
}

int ProvisionHistory::numberWith(const QString& serial, const QString& profileSha256) const
{
    const int number = numberOf(serial);
    return number > 0 && m_numberedWith.contains(numberedKey(serial, profileSha256, number)) ? number : 0;
}

QString ProvisionHistory::holderOf(int number) const
{
    if (const auto serial = m_serialOfNumber.constFind(number); serial != m_serialOfNumber.cend())
        return *serial;
    const QString* failed = failedHolderOf(number);
    return failed ? *failed : QString();
}

bool ProvisionHistory::isHeld(int number) const
{
    return m_serialOfNumber.contains(number) || failedHolderOf(number);
}
