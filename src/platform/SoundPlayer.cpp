#include "SoundPlayer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <algorithm>
#include <memory>

namespace {
class RealSoundPlayer final : public SoundPlayer
{
public:
    void play(const QString &nativePath) override
    {
        // Without an output Qt would only complain on stderr, once for each sound.
        if (!QFileInfo::exists(nativePath) || !hasOutput())
            return;
        // A fresh effect per sound: setting a new source on a playing effect is not reliable.
        if (effect_)
            effect_->stop();
        else if (!releaseScheduled_) {
            // The effect must go while the application still runs: dropped at exit it corrupts the heap.
            qAddPostRoutine(&RealSoundPlayer::release);
            releaseScheduled_ = true;
        }
        effect_ = std::make_unique<QSoundEffect>();
        effect_->setSource(QUrl::fromLocalFile(nativePath));
        effect_->play();
    }

    // The sound server's sinks; "auto_null" and "null" are its null sinks.
    bool hasOutput() override
    {
        const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
        return std::any_of(outputs.begin(), outputs.end(), [](const QAudioDevice &d) {
            return d.id() != "auto_null" && d.id() != "null";
        });
    }

private:
    static void release();

    std::unique_ptr<QSoundEffect> effect_;
    bool releaseScheduled_ = false;
};

RealSoundPlayer &realPlayer()
{
    static RealSoundPlayer real;
    return real;
}

void RealSoundPlayer::release()
{
    RealSoundPlayer &p = realPlayer();
    p.effect_.reset();
    p.releaseScheduled_ = false; // a later application registers again
}
} // namespace

SoundPlayer &SoundPlayer::system() { return realPlayer(); }
