#include "Assistant.h"

#include "AssistantBalloon.h"
#include "AssistantFigure.h"
#include "PathResolver.h"
#include "Services.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <cstdio>

namespace {
const QStringList CharacterFilters{QStringLiteral("*.svg"), QStringLiteral("*.png")};
constexpr int TickMs = 100;
constexpr int BalloonLingerMs = 1200; // the balloon stays a moment after the sentence

QDir charactersFolder()
{
    QDir dir(PathResolver::native(App::Path() + QStringLiteral("\\personaggi")));
    dir.setNameFilters(CharacterFilters);
    dir.setFilter(QDir::Files | QDir::Readable);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir;
}
} // namespace

Assistant::Assistant(QWidget *screen) : QObject(screen), screen_(screen)
{
    tick_.setInterval(TickMs);
    connect(&tick_, &QTimer::timeout, this, &Assistant::tick);
    balloonLinger_.setSingleShot(true);
    balloonLinger_.setInterval(BalloonLingerMs);
    connect(&balloonLinger_, &QTimer::timeout, this, [this] {
        if (balloon_ && !speaking_)
            balloon_->hide();
    });
}

Assistant::~Assistant()
{
    if (speaking_)
        Services::current().speech->stop();
    delete figure_;
    delete balloon_;
}

QStringList Assistant::installedCharacters()
{
    QStringList names;
    const QFileInfoList files = charactersFolder().entryInfoList();
    for (const QFileInfo &f : files) {
        QString name = f.completeBaseName();
        if (name.isEmpty() || names.contains(name, Qt::CaseInsensitive))
            continue;
        name[0] = name[0].toUpper();
        names << name;
    }
    return names;
}

QString Assistant::characterFile(const QString &name)
{
    if (name.trimmed().isEmpty())
        return {};
    const QFileInfoList files = charactersFolder().entryInfoList();
    for (const QFileInfo &f : files)
        if (f.completeBaseName().compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return f.filePath();
    return {};
}

void Assistant::Load(const QString &characterName)
{
    StopAll();
    applyHide();
    visible_ = false;
    if (!screen_)
        return;
    if (!figure_)
        figure_ = new AssistantFigure(screen_);
    figure_->hide();
    const QString file = characterFile(characterName);
    fallback_ = !figure_->load(file);
    if (fallback_)
        fprintf(stderr, "Personaggio \"%s\" non trovato o non leggibile: si usa la figura predefinita.\n",
                qPrintable(characterName));
    geometry_.setSize(figure_->naturalSize());
    figure_->setGeometry(geometry_);
}

void Assistant::setBalloonStyle(int style)
{
    balloonStyle_ = style;
    if (balloon_ && !(style & BalloonOn))
        balloon_->hide();
}

void Assistant::setBalloonFont(const QString &name, int size)
{
    balloonFontName_ = name;
    balloonFontSize_ = size;
}

void Assistant::setGeometry(const QRect &r)
{
    geometry_ = r;
    if (figure_)
        figure_->setGeometry(r);
    if (balloon_ && balloon_->isVisible())
        placeBalloon();
}

void Assistant::Show()
{
    visible_ = true;
    std::erase_if(queue_, [](const Request &r) { return r.hide; });
    Services::current().speech->prepare();
    shown_ = true;
    if (figure_) {
        figure_->setGeometry(geometry_);
        figure_->show();
        figure_->raise();
    }
}

void Assistant::Hide()
{
    visible_ = false;
    if (speaking_)
        queue_.push_back(Request{true, {}, 0, 0});
    else
        applyHide();
}

void Assistant::applyHide()
{
    shown_ = false;
    if (figure_) {
        figure_->setTalking(false);
        figure_->hide();
    }
    if (balloon_)
        balloon_->hide();
}

void Assistant::Speak(const QString &textWithTags)
{
    if (!visible_)
        return; // a character that is not shown says nothing
    const SpeechTags tags = SpeechTags::parse(textWithTags);
    if (tags.text.isEmpty())
        return;
    Request r;
    r.text = tags.text;
    if (tags.speed >= 0)
        r.speed = tags.speed;
    if (tags.pitch >= 0)
        r.pitch = tags.pitch;
    queue_.push_back(r);
    if (!speaking_)
        next();
}

void Assistant::StopAll()
{
    // Queued sentences go; a queued Hide is still honoured, now.
    bool hide = false;
    for (const Request &r : queue_)
        hide = hide || r.hide;
    queue_.clear();
    if (speaking_) {
        Services::current().speech->stop();
        endSentence();
    }
    if (hide)
        applyHide();
}

void Assistant::next()
{
    while (!queue_.empty()) {
        const Request r = queue_.front();
        queue_.pop_front();
        if (r.hide) {
            applyHide();
        } else if (shown_) {
            startSentence(r);
            return;
        }
    }
}

void Assistant::startSentence(const Request &r)
{
    speaking_ = true;
    balloonLinger_.stop();
    sentenceClock_.start();
    sentenceMs_ = SpeechEngine::readingTimeMs(r.text, r.speed);
    QString voice = ttsModeId_.trimmed();
    if (voice.startsWith(QLatin1Char('{')) && voice.endsWith(QLatin1Char('}')))
        voice = voice.mid(1, voice.size() - 2);
    Services::current().speech->say(r.text, r.speed, r.pitch, voice);
    if (figure_) {
        figure_->raise();
        figure_->setTalking(true);
    }
    // A sentence nobody can hear is written whole in the balloon, whatever the style says.
    const int style = Services::current().speech->canSpeak() ? balloonStyle_ : BalloonOn | BalloonSizeToText;
    if (screen_ && (style & BalloonOn)) {
        if (!balloon_)
            balloon_ = new AssistantBalloon(screen_);
        QFont font(balloonFontName_);
        font.setPointSize(balloonFontSize_ > 0 ? balloonFontSize_ : 14);
        balloon_->setText(r.text, font, style & BalloonSizeToText);
        placeBalloon();
        balloon_->show();
        balloon_->raise();
    }
    tick_.start();
}

void Assistant::placeBalloon()
{
    if (balloon_ && screen_)
        balloon_->place(geometry_, screen_->rect());
}

void Assistant::endSentence()
{
    speaking_ = false;
    tick_.stop();
    if (figure_)
        figure_->setTalking(false);
    if (balloon_ && balloon_->isVisible()) {
        balloon_->setProgress(1.0);
        balloonLinger_.start();
    }
}

void Assistant::tick()
{
    if (!speaking_)
        return;
    if (Services::current().speech->isSpeaking()) {
        if (balloon_)
            balloon_->setProgress(double(sentenceClock_.elapsed()) / sentenceMs_);
        return;
    }
    endSentence();
    next();
}
