#include "SoundPlayer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <memory>

namespace {
class RealSoundPlayer final : public SoundPlayer
{
public:
    void play(const QString &nativePath) override
    {
        if (!QFileInfo::exists(nativePath))
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
