#include "provisioning/UnitNumbering.h"

#include <QRegularExpression>

#include <mutex>

namespace {
// Digits only: toInt would take "+5" and " 5".
bool parseNumber(const QString& text, int& number)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return false;
    number = text.toInt();
    return true;
}

bool inRange(int number)
{
    return number >= UnitNumbering::FirstNumber && number <= UnitNumbering::LastNumber;
}
} // namespace

std::optional<QList<int>> UnitNumbering::parseList(const QString& text, QString& error)
{
    const QString notAList = tr("\"%1\" is not a list of numbers such as 12,14,20-35.").arg(text);
    QList<int> numbers;
    QSet<int> seen;
    for (const QString& item : text.split(QLatin1Char(','))) {
        const QStringList ends = item.trimmed().split(QLatin1Char('-'));
        int from = 0;
        int to = 0;
        if (ends.size() > 2 || !parseNumber(ends.first().trimmed(), from) || !parseNumber(ends.last().trimmed(), to)
            || to < from) {
            error = notAList;
            return std::nullopt;
        }
        for (int end : { from, to }) {
            if (!inRange(end)) {
                error = tr("The number %1 is outside %2 to %3.").arg(end).arg(FirstNumber).arg(LastNumber);
                return std::nullopt;
            }
        }
        for (int number = from; number <= to; ++number) {
            if (seen.contains(number)) {
                error = tr("The number %1 is given twice.").arg(number);
                return std::nullopt;
            }
            seen.insert(number);
            numbers.append(number);
        }
    }
    return numbers;
}

std::optional<int> UnitNumbering::parseFirst(const QString& text, QString& error)
{
    int first = 0;
    if (!parseNumber(text.trimmed(), first)) {
        error = tr("\"%1\" is not a number.").arg(text);
        return std::nullopt;
    }
    if (!inRange(first)) {
        error = tr("The number %1 is outside %2 to %3.").arg(first).arg(FirstNumber).arg(LastNumber);
        return std::nullopt;
    }
    return first;
}

std::unique_ptr<UnitNumbering> UnitNumbering::forRun(std::optional<int> first, const std::optional<QList<int>>& list,
                                                     const ProvisionHistory& history)
{
    if (list)
        return std::make_unique<UnitNumbering>(*list, history);
    if (!first && history.highestNumber() == 0)
        return nullptr;
    QList<int> numbers;
    for (int number = first.value_or(history.highestNumber() + 1); number <= LastNumber; ++number)
        numbers.append(number);
    return std::make_unique<UnitNumbering>(numbers, history);
}

UnitNumbering::UnitNumbering(QList<int> numbers, const ProvisionHistory& history)
    : m_numbers(std::move(numbers))
    , m_history(history)
{
}

int UnitNumbering::acquire(const QString& serial, QString& error)
{
    const std::lock_guard<std::mutex> locker(m_mutex);
    if (const int given = m_given.value(serial))
        return given;
    if (const int logged = m_history.numberOf(serial)) {
        m_given.insert(serial, logged);
        return logged;
    }
    QSet<int> taken;
    for (int number : std::as_const(m_given))
        taken.insert(number);
    for (int number : std::as_const(m_numbers)) {
        if (taken.contains(number) || m_history.isHeld(number))
            continue;
        m_given.insert(serial, number);
        return number;
    }
    m_usedUp = true;
    error = tr("no number left in %1").arg(listText(m_numbers));
    return 0;
}

QString UnitNumbering::noNumberLeftText() const
{
    return tr("no number left in %1").arg(listText(m_numbers));
}

int UnitNumbering::left() const
{
    const std::lock_guard<std::mutex> locker(m_mutex);
    QSet<int> taken;
    for (int number : std::as_const(m_given))
        taken.insert(number);
    int left = 0;
    for (int number : std::as_const(m_numbers)) {
        if (!taken.contains(number) && !m_history.isHeld(number))
            ++left;
    }
    return left;
}

bool UnitNumbering::usedUp() const
{
    const std::lock_guard<std::mutex> locker(m_mutex);
    return m_usedUp;
}

QString UnitNumbering::listText(const QList<int>& numbers)
{
    QStringList ranges;
    for (qsizetype first = 0; first < numbers.size();) {
        qsizetype last = first;
        while (last + 1 < numbers.size() && numbers.at(last + 1) == numbers.at(last) + 1)
            ++last;
        ranges << (last == first ? QString::number(numbers.at(first))
                                 : QStringLiteral("%1-%2").arg(numbers.at(first)).arg(numbers.at(last)));
        first = last + 1;
    }
    return ranges.join(QLatin1Char(','));
}

void UnitNumbering::confirm(const QString& serial)
{
    const std::lock_guard<std::mutex> locker(m_mutex);
    if (m_given.contains(serial))
        m_confirmed.insert(serial);
}

void UnitNumbering::release(const QString& serial)
{
    const std::lock_guard<std::mutex> locker(m_mutex);
    if (!m_confirmed.contains(serial) && m_history.numberOf(serial) == 0)
        m_given.remove(serial);
}
