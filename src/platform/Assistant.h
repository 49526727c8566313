#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>

class QWidget;
class AssistantFigure;
class AssistantBalloon;

// Speaks sentences; the real one uses the system's speech engine, tests use a recording fake.
class SpeechEngine : public QObject
{
    Q_OBJECT
public:
    struct Voice { QString id; QString name; };
    // Starting until the engine has answered; Ready once it has a voice to speak with; Unavailable
    // when it has none, failed, or did not answer in time. It may go from Unavailable to Ready late.
    enum class Availability { Starting, Ready, Unavailable };
    ~SpeechEngine() override = default;

    Availability availability() const { return availability_; }
    // Whether a sentence said now is heard: the engine is ready and the system has an audio output
    // (Services' sound player). Until this is known to be so, a screen shows its text.
    bool canSpeak() const;

    // speed 50..250 and pitch 50..400 as the speech tags give them; voiceId as in TTSModeID,
    // braces or not; an unknown or empty id means the default Italian voice.
    virtual void say(const QString &text, int rate, int pitch, const QString &voiceId) = 0;
    virtual void stop() = 0;
    virtual bool isSpeaking() const = 0;
    // The voices known now; never waits (empty while the engine is starting).
    virtual QList<Voice> voices() = 0;
    // A hint that speech will soon be wanted: a slow engine may start getting ready.
    virtual void prepare() {}

    static constexpr int DefaultSpeed = 130;
    static constexpr int DefaultPitch = 100;
    // The engine's rate and pitch (-1..1, 0 = normal) for a speed and a pitch of the tags.
    static double rateFor(int speed);
    static double pitchFor(int pitch);
    // Index in voices of the voice a TTSModeID names ("{id}" or "id"); -1 for the default voice.
    static int voiceIndex(const QList<Voice> &voices, const QString &modeId);
    // About how long reading a text aloud takes, in milliseconds.
    static int readingTimeMs(const QString &text, int speed);

signals:
    void availabilityChanged(); // on the user-interface thread

protected:
    void setAvailability(Availability availability);

private:
    Availability availability_ = Availability::Starting;
};

// The talking assistant character, in place of the platform's assistant-character component.
// Shown as a child overlay of its screen with a speech balloon; "\Spd=n\\Pit=n\" tags set rate and pitch.
// Requests queue as in the original component: Speak returns at once and sentences are read one
// after the other; a Hide asked for while a sentence is read takes effect when it ends; StopAll ends
// the sentence and empties the queue. A character that is not shown says nothing. While the engine
// cannot be heard, the balloon shows every sentence whole, whatever its style.
class Assistant : public QObject
{
    Q_OBJECT
public:
    explicit Assistant(QWidget *screen);
    ~Assistant() override;

    enum BalloonBits { BalloonOn = 1, BalloonSizeToText = 2 };

    // Characters.Load: the character named so, from our characters folder (a fallback figure otherwise).
    // Loading again replaces the figure; the new one starts hidden.
    void Load(const QString &characterName);
    bool FallbackFigure() const { return fallback_; }
    int BalloonStyle() const { return balloonStyle_; }
    void setBalloonStyle(int style);
    void setBalloonFont(const QString &name, int size);
    void setTTSModeID(const QString &modeId) { ttsModeId_ = modeId; }
    QString TTSModeID() const { return ttsModeId_; }

    void Show();
    void Hide();
    // As requested: false from the Hide on, even while the last sentence is still being read.
    bool Visible() const { return visible_; }
    void StopAll();
    void Speak(const QString &textWithTags);

    QRect Geometry() const { return geometry_; } // left, top, width, height in pixels
    void setGeometry(const QRect &r);

    // Installed characters ("Merlin", ...), capitalised, in listing order.
    static QStringList installedCharacters();
    // The file of a character (any letter case), or empty.
    static QString characterFile(const QString &name);

private:
    struct Request {
        bool hide = false;
        QString text;
        int speed = SpeechEngine::DefaultSpeed;
        int pitch = SpeechEngine::DefaultPitch;
    };
    void next();
    void startSentence(const Request &r);
    void endSentence();
    void applyHide();
    void tick();
    void placeBalloon();

    QPointer<QWidget> screen_;
    QPointer<AssistantFigure> figure_;
    QPointer<AssistantBalloon> balloon_;
    bool fallback_ = false;
    int balloonStyle_ = BalloonOn;
    QString balloonFontName_ = QStringLiteral("Arial");
    int balloonFontSize_ = 14;
    QString ttsModeId_;
    bool visible_ = false;   // as requested
    bool shown_ = false;     // on the screen now
    bool speaking_ = false;
    std::deque<Request> queue_;
    QTimer tick_;
    QTimer balloonLinger_;
    QElapsedTimer sentenceClock_;
    int sentenceMs_ = 1;
    QRect geometry_ = QRect(0, 0, 128, 128);
};

// "\Spd=130\\Pit=100\Ciao" -> rate 130, pitch 100, text "Ciao". Other tags of the same form
// ("\Pau=300\", "\Emp\", "\Vol=..\") are removed too; a tag is never read aloud.
struct SpeechTags {
    int speed = -1;
    int pitch = -1;
    QString text;
    static SpeechTags parse(const QString &textWithTags);
};
