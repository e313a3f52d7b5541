#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QSoundEffect;

// The bench's two short sounds: one when a unit is verified, one when a unit fails, so that the installer
// hears the result without looking. Silent where there is no audio output.
class BenchSounds : public QObject
{
    Q_OBJECT

public:
    using Hook = std::function<void(const QString& sound)>;

    // The sounds' names.
    static QString verified() { return QStringLiteral("verified"); }
    static QString failed() { return QStringLiteral("failed"); }

    // Tests hear the sounds asked for instead of the audio output. Empty: the audio output.
    static void setHook(Hook hook);

    explicit BenchSounds(QObject* parent = nullptr);

    void play(const QString& sound);

private:
    QSoundEffect* effect(const QString& sound);

    QSoundEffect* m_verified = nullptr;
    QSoundEffect* m_failed = nullptr;
    bool m_probed = false;
    bool m_audible = false;
};
