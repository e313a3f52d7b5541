#include "config/DisplayText.h"

QString displayText(const QString& value)
{
    QString text;
    text.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\n':
            text += QStringLiteral("\\n");
            break;
        case '\r':
            text += QStringLiteral("\\r");
            break;
        case '\t':
            text += QStringLiteral("\\t");
            break;
        case '\f':
            text += QStringLiteral("\\f");
            break;
        default:
            // C1 too: 0x9B alone is a terminal's CSI.
            if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F))
                text += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                text += c;
        }
    }
    return text;
}
