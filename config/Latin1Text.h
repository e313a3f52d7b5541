#pragma once

#include <QCoreApplication>
#include <QString>

// The unit and the configuration file hold 8-bit text: Latin-1, U+0000 to U+00FF. Anything beyond
// would become "?" on the way.
namespace Latin1Text {
constexpr char16_t LastCharacter = 0xFF;

// The first character beyond Latin-1 (a surrogate pair whole), or a null string when there is none.
inline QString firstForeignCharacter(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() <= LastCharacter)
            continue;
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        return text.mid(i, pair ? 2 : 1);
    }
    return QString();
}

// Characters below U+0020 and U+007F steer a terminal or a pager's display rather than show; the
// unit's texts take none. U+0080 to U+009F stay: older files carry them and they travel unchanged.
inline bool isControlCharacter(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

// The first control character, or a null string when there is none; line feeds count only unless
// lineFeedsAllowed (the lines of a welcome message).
inline QString firstControlCharacter(const QString& text, bool lineFeedsAllowed = false)
{
    for (const QChar c : text) {
        if (isControlCharacter(c) && !(lineFeedsAllowed && c == QLatin1Char('\n')))
            return QString(c);
    }
    return QString();
}

// A character as a message names it: visible ones quoted with their code point, invisible ones by code
// point: "→" (U+2192), U+0009 (tab), U+001B.
inline QString characterName(const QString& character)
{
    const char32_t code = character.size() == 2 && character.at(0).isHighSurrogate()
        ? QChar::surrogateToUcs4(character.at(0), character.at(1))
        : character.isEmpty() ? 0
                              : character.at(0).unicode();
    const QString point = QStringLiteral("U+%1").arg(QString::number(uint(code), 16).toUpper(), 4, QLatin1Char('0'));
    switch (code) {
    case '\t':
        return point + QCoreApplication::translate("Latin1Text", " (tab)");
    case '\n':
        return point + QCoreApplication::translate("Latin1Text", " (line feed)");
    case '\r':
        return point + QCoreApplication::translate("Latin1Text", " (carriage return)");
    default:
        break;
    }
    if (character.size() == 1 && (isControlCharacter(character.at(0)) || !character.at(0).isPrint()))
        return point;
    return QStringLiteral("\"%1\" (%2)").arg(character, point);
}

// For a line edit's validator: no comma (the unit's field separator), no control character and no
// character beyond Latin-1.
inline QString fieldPattern()
{
    return QStringLiteral("[^,\\x{0}-\\x{1F}\\x{7F}\\x{100}-\\x{10FFFF}]*");
}
} // namespace Latin1Text
