#pragma once

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

// For a line edit's validator: no character beyond Latin-1 and no comma, the unit's field separator.
inline QString fieldPattern()
{
    return QStringLiteral("[^,\\x{100}-\\x{10FFFF}]*");
}
} // namespace Latin1Text
