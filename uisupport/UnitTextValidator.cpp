#include "uisupport/UnitTextValidator.h"

#include "config/Latin1Text.h"

#include <QStringList>

UnitTextValidator::UnitTextValidator(QObject* parent)
    : QValidator(parent)
{
}

QValidator::State UnitTextValidator::validate(QString& input, int&) const
{
    const QString refusal = refusalText(input);
    if (refusal.isEmpty())
        return Acceptable;
    m_lastRefusal = refusal;
    return Invalid;
}

QString UnitTextValidator::refusalText(const QString& text)
{
    QStringList foreign;
    QStringList controls;
    bool comma = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(',')) {
            comma = true;
        } else if (Latin1Text::isControlCharacter(c)) {
            const QString name = Latin1Text::characterName(QString(c));
            if (!controls.contains(name))
                controls.append(name);
        } else if (c.unicode() > Latin1Text::LastCharacter) {
            const QString character = Latin1Text::firstForeignCharacter(text.mid(i, 2));
            const QString name = Latin1Text::characterName(character);
            if (!foreign.contains(name))
                foreign.append(name);
            i += character.size() - 1;
        }
    }
    QStringList reasons;
    if (!foreign.isEmpty())
        reasons << tr("%1: Tavrin cannot take characters beyond Latin-1").arg(foreign.join(QStringLiteral(", ")));
    if (!controls.isEmpty())
        reasons << tr("%1: Tavrin cannot show control characters").arg(controls.join(QStringLiteral(", ")));
    if (comma)
        reasons << tr("\",\": a comma would start another field of Tavrin's command");
    return reasons.join(QStringLiteral("; "));
}
