#include "app/BenchSounds.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {
BenchSounds::Hook hook;
} // namespace

// The sounds are in the widgets library's resources, which a static library does not load by itself (outside any
// namespace, as the resource's own function is).
static void loadBenchResources()
{
    Q_INIT_RESOURCE(app);
}

void BenchSounds::setHook(Hook newHook)
{
    hook = std::move(newHook);
}

BenchSounds::BenchSounds(QObject* parent)
    : QObject(parent)
{
    loadBenchResources();
}

void BenchSounds::play(const QString& sound)
{
    if (hook) {
        hook(sound);
        return;
    }
    if (QSoundEffect* soundEffect = effect(sound))
        soundEffect->play();
}

QSoundEffect* BenchSounds::effect(const QString& sound)
{
    // Looked at once, on the first sound: a machine without an audio output stays silent without a word.
    if (!m_probed) {
        m_probed = true;
        m_audible = !QMediaDevices::audioOutputs().isEmpty();
        if (m_audible) {
            m_verified = new QSoundEffect(this);
            m_verified->setSource(QUrl(QStringLiteral("qrc:/sounds/verified.wav")));
            m_failed = new QSoundEffect(this);
            m_failed->setSource(QUrl(QStringLiteral("qrc:/sounds/failed.wav")));
        }
    }
    if (!m_audible)
        return nullptr;
    return sound == verified() ? m_verified : m_failed;
}
