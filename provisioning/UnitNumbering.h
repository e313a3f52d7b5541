#pragma once

#include "provisioning/ProvisionHistory.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <memory>
#include <mutex>
#include <optional>

// Gives each unit of a run its own number (a Dalen unit's ID, the "{n}" of its messages).
//
// Numbers are given in the order units are first seen. A number is used up once it reached its unit (its
// first set command was sent), whether the unit was then verified or failed: tried again, the unit gets it
// back. A unit that fails before gives it back, and the first free number goes to the next unit. A unit the
// log shows with a number keeps it, and no other unit ever gets that number. Thread-safe.
class UnitNumbering
{
    Q_DECLARE_TR_FUNCTIONS(UnitNumbering)

public:
    static constexpr int FirstNumber = 1;
    static constexpr int LastNumber = 9999;

    // "12,14,20-35": the numbers in that order; nullopt and the message to show for a list that is not
    // one, holds a number twice or one outside FirstNumber to LastNumber.
    static std::optional<QList<int>> parseList(const QString& text, QString& error);
    // "--number-from N"; nullopt and the message to show when N is no number in range.
    static std::optional<int> parseFirst(const QString& text, QString& error);

    // The numbering of a run: from the first number or through the list given, else after the highest
    // number of the log; nullptr when neither was given and the log holds no number (no numbering).
    static std::unique_ptr<UnitNumbering> forRun(std::optional<int> first, const std::optional<QList<int>>& list,
                                                 const ProvisionHistory& history);

    UnitNumbering(QList<int> numbers, const ProvisionHistory& history);

    // The unit's number: the one it holds already, else the first free one; 0 and noNumberLeftText() when
    // every number is taken.
    int acquire(const QString& serial, QString& error);
    // The number reached the unit: it is the unit's, verified or not.
    void confirm(const QString& serial);
    // The unit failed before its number reached it: the number goes back, unless the unit held it already
    // (the log's, or an earlier try's in this run).
    void release(const QString& serial);

    // "no number left in 5,9-10": the unit's failure once every number of the run is taken.
    QString noNumberLeftText() const;
    // How many numbers no unit holds or was given yet.
    int left() const;
    // Whether a unit found no number left: the run takes no more units.
    bool usedUp() const;
    // "5,9-10": the numbers in ranges, as the installer gave them.
    static QString listText(const QList<int>& numbers);

private:
    QList<int> m_numbers;
    ProvisionHistory m_history;
    QHash<QString, int> m_given;
    QSet<QString> m_confirmed;
    bool m_usedUp = false;
    mutable std::mutex m_mutex;
};
