#include "SoundPlayer.h"

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
        effect_ = std::make_unique<QSoundEffect>();
        effect_->setSource(QUrl::fromLocalFile(nativePath));
        effect_->play();
    }

private:
    std::unique_ptr<QSoundEffect> effect_;
};

SoundPlayer *g_player = nullptr;
} // namespace

SoundPlayer &SoundPlayer::instance()
{
    static RealSoundPlayer real;
    return g_player ? *g_player : real;
}

void SoundPlayer::setInstance(SoundPlayer *player) { g_player = player; }
