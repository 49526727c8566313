#pragma once
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;
class AssistantFigure;

// Speaks sentences; the real one uses the system's speech engine, tests use a recording fake.
class SpeechEngine
{
public:
    struct Voice { QString id; QString name; };
    virtual ~SpeechEngine() = default;
    virtual void say(const QString &text, int rate, int pitch, const QString &voiceId) = 0;
    virtual void stop() = 0;
    virtual bool isSpeaking() const = 0;
    virtual QList<Voice> voices() = 0;

    static SpeechEngine &instance();
    static void setInstance(SpeechEngine *engine); // nullptr restores the real engine
};

// The talking assistant character, in place of the platform's assistant-character component.
// Shown as a child overlay of its screen with a speech balloon; "\Spd=n\\Pit=n\" tags set rate and pitch.
class Assistant : public QObject
{
    Q_OBJECT
public:
    explicit Assistant(QWidget *screen);
    ~Assistant() override;

    // Characters.Load: the character named so, from our characters folder (a fallback figure otherwise).
    void Load(const QString &characterName);
    QString Name() const { return name_; }
    void setLanguageID(int id) { languageId_ = id; }
    int LanguageID() const { return languageId_; }
    int BalloonStyle() const { return balloonStyle_; }
    void setBalloonStyle(int style);
    void setBalloonFont(const QString &name, int size);
    void setTTSModeID(const QString &modeId) { ttsModeId_ = modeId; }
    QString TTSModeID() const { return ttsModeId_; }

    void Show();
    void Hide();
    bool Visible() const { return visible_; }
    void StopAll();
    void Speak(const QString &textWithTags);

    QRect Geometry() const { return geometry_; } // left, top, width, height in pixels
    void setGeometry(const QRect &r);

    // Installed characters ("Merlin", ...), capitalised, in listing order.
    static QStringList installedCharacters();

private:
    QWidget *screen_;
    AssistantFigure *figure_ = nullptr;
    QString name_;
    int languageId_ = 0x410;
    int balloonStyle_ = 0;
    QString balloonFontName_ = QStringLiteral("Arial");
    int balloonFontSize_ = 14;
    QString ttsModeId_;
    bool visible_ = false;
    bool hideWhenDone_ = false;
    QRect geometry_ = QRect(0, 0, 128, 128);
};

// "\Spd=130\\Pit=100\Ciao" -> rate 130, pitch 100, text "Ciao".
struct SpeechTags {
    int speed = -1;
    int pitch = -1;
    QString text;
    static SpeechTags parse(const QString &textWithTags);
};
