#include "Assistant.h"
#include "Services.h"
#include "SoundPlayer.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

void SpeechEngine::setAvailability(Availability availability)
{
    if (availability_ == availability)
        return;
    availability_ = availability;
    emit availabilityChanged();
}

bool SpeechEngine::canSpeak() const
{
    return availability_ == Availability::Ready && Services::current().sounds->hasOutput();
}

// Speed is in words a minute, normal 130: the slower half reaches the engine's slowest rate,
// the faster half about twice the normal speed.
double SpeechEngine::rateFor(int speed)
{
    if (speed < 0)
        return 0.0;
    const int s = std::clamp(speed, 50, 250);
    if (s <= DefaultSpeed)
        return (s - DefaultSpeed) / 80.0;
    return (s - DefaultSpeed) / 120.0 * 0.6;
}

// Pitch is a base frequency, normal 100: an octave down gives -1, two octaves up +1.
double SpeechEngine::pitchFor(int pitch)
{
    if (pitch < 0)
        return 0.0;
    const double octaves = std::log2(std::clamp(pitch, 50, 400) / double(DefaultPitch));
    return std::clamp(octaves < 0 ? octaves : octaves / 2.0, -1.0, 1.0);
}

int SpeechEngine::voiceIndex(const QList<Voice> &voices, const QString &modeId)
{
    QString id = modeId.trimmed();
    if (id.startsWith(QLatin1Char('{')) && id.endsWith(QLatin1Char('}')))
        id = id.mid(1, id.size() - 2).trimmed();
    if (id.isEmpty())
        return -1;
    for (int i = 0; i < voices.size(); ++i)
        if (voices[i].id == id)
            return i;
    for (int i = 0; i < voices.size(); ++i)
        if (voices[i].id.compare(id, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int SpeechEngine::readingTimeMs(const QString &text, int speed)
{
    const int s = speed > 0 ? std::clamp(speed, 50, 250) : DefaultSpeed;
    // About 13 letters a second at the normal speed.
    return 600 + int(text.size() * 75.0 * DefaultSpeed / s);
}

SpeechTags SpeechTags::parse(const QString &textWithTags)
{
    // A tag: one or more backslashes, a known name, "=value" for most, then a closing backslash
    // unless that backslash opens the next tag ("\Spd=130\Pit=100\" as well as "\Spd=130\\Pit=100\").
    static const QString names = QStringLiteral("Spd|Pit|Vol|Pau|Emp|Rst|Chr|Ctx|Lst|Map|Mrk|Prn|Pron|Rms|Rpit|Rspd|Vce");
    static const QRegularExpression tag(
        QStringLiteral(R"(\\+(%1)(?=[\s=\\]|$)(?:\s*=\s*([^\\]*))?(?:\\(?!\\*(?:%1)(?=[\s=\\]|$)))?)").arg(names),
        QRegularExpression::CaseInsensitiveOption);
    SpeechTags tags;
    QString text;
    qsizetype from = 0;
    auto it = tag.globalMatch(textWithTags);
    while (it.hasNext()) {
        const auto m = it.next();
        text += textWithTags.mid(from, m.capturedStart() - from);
        from = m.capturedEnd();
        const QString name = m.captured(1).toLower();
        bool ok = false;
        const int value = m.captured(2).trimmed().toInt(&ok);
        if (ok && name == QLatin1String("spd"))
            tags.speed = value;
        else if (ok && name == QLatin1String("pit"))
            tags.pitch = value;
    }
    text += textWithTags.mid(from);
    tags.text = text.simplified();
    return tags;
}
