#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

// Types text into a widget a character at a time, as a keyboard or input method would. QTest::keyClicks
// takes ASCII only; a character outside the Basic Multilingual Plane goes as one event.
inline void typeText(QWidget* widget, const QString& text)
{
    for (const char32_t character : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&character, 1), Qt::NoModifier);
}
