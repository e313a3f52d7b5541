#pragma once

// The tests' side of the unit server (hidraw_units.cpp): plug, unplug and fault virtual units behind
// hidraw nodes, and look at what they received. Orders go over the control socket that
// hidraw-namespace.sh names in T2Q_HIDRAW_CONTROL.

#include "UnitControl.h"

#include <QString>
#include <QStringList>
#include <QTest>

namespace hidraw {

// The answer after "ok "; a failed order fails the running test and gives a null string.
inline QString order(const QString& line)
{
    QString answer;
    if (request(line, &answer))
        return answer;
    QTest::qFail(qPrintable(QStringLiteral("unit server, \"%1\": %2").arg(line, answer)), __FILE__, __LINE__);
    return QString();
}

// Plugs a unit ("tavrin2", "dalen", "dalen2"); returns its node. productId 0: the model's own; serialNumber
// empty: one of the server's; deniedOpens: the node's first opens refused with EACCES, as when udev applies
// the seat's access after it announced the node.
inline QString plug(const QString& name, const QString& model, quint16 productId = 0,
                    const QString& serialNumber = QString(), int deniedOpens = 0)
{
    QString line = QStringLiteral("plug %1 %2").arg(name, model);
    if (productId)
        line += QStringLiteral(" %1").arg(productId, 0, 16);
    if (!serialNumber.isEmpty())
        line += QStringLiteral(" serial=") + serialNumber;
    if (deniedOpens)
        line += QStringLiteral(" deny-opens=%1").arg(deniedOpens);
    return order(line);
}

inline void unplug(const QString& name)
{
    order(QStringLiteral("unplug ") + name);
}

inline void fault(const QString& name, const QString& kind, int n = 0)
{
    order(QStringLiteral("fault %1 %2 %3").arg(name, kind).arg(n));
}

inline QString setting(const QString& name, const QString& keyword)
{
    return order(QStringLiteral("setting %1 %2").arg(name, keyword));
}

inline QStringList transcript(const QString& name)
{
    return order(QStringLiteral("transcript ") + name).split(QLatin1Char('\t'), Qt::SkipEmptyParts);
}

inline int opens(const QString& name)
{
    return order(QStringLiteral("opens ") + name).toInt();
}

} // namespace hidraw

// Tests of this folder run only inside hidraw-namespace.sh.
#define HIDRAW_REQUIRE_UNIT_SERVER()                                                                                   \
    do {                                                                                                               \
        if (!hidraw::available())                                                                                      \
            QSKIP("run through CTest: needs the namespaces and unit server of hidraw-namespace.sh");                   \
    } while (false)
