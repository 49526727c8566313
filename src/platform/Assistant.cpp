#include "Assistant.h"

#include <QRegularExpression>
#include <QWidget>

namespace {
class SilentEngine final : public SpeechEngine
{
public:
    void say(const QString &, int, int, const QString &) override {}
    void stop() override {}
    bool isSpeaking() const override { return false; }
    QList<Voice> voices() override { return {}; }
};
SpeechEngine *g_engine = nullptr;
} // namespace

SpeechEngine &SpeechEngine::instance()
{
    static SilentEngine silent;
    return g_engine ? *g_engine : silent;
}

void SpeechEngine::setInstance(SpeechEngine *engine) { g_engine = engine; }

SpeechTags SpeechTags::parse(const QString &textWithTags)
{
    SpeechTags tags;
    static const QRegularExpression tag(QStringLiteral(R"((?:\\+|(?<=\\))(Spd|Pit)=(\d+)\\*)"));
    QString text = textWithTags;
    auto it = tag.globalMatch(textWithTags);
    while (it.hasNext()) {
        const auto m = it.next();
        (m.captured(1) == QLatin1String("Spd") ? tags.speed : tags.pitch) = m.captured(2).toInt();
    }
    text.remove(tag);
    tags.text = text;
    return tags;
}

Assistant::Assistant(QWidget *screen) : QObject(screen), screen_(screen) {}
Assistant::~Assistant() = default;

void Assistant::Load(const QString &characterName) { name_ = characterName; }
void Assistant::setBalloonStyle(int style) { balloonStyle_ = style; }
void Assistant::setBalloonFont(const QString &name, int size)
{
    balloonFontName_ = name;
    balloonFontSize_ = size;
}
void Assistant::Show() { visible_ = true; }
void Assistant::Hide() { visible_ = false; }
void Assistant::StopAll() { SpeechEngine::instance().stop(); }
void Assistant::Speak(const QString &textWithTags)
{
    const SpeechTags t = SpeechTags::parse(textWithTags);
    SpeechEngine::instance().say(t.text, t.speed, t.pitch, ttsModeId_);
}
void Assistant::setGeometry(const QRect &r) { geometry_ = r; }
QStringList Assistant::installedCharacters() { return {QStringLiteral("Merlin")}; }
