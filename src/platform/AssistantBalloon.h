#pragma once
#include <QFont>
#include <QStringList>
#include <QWidget>

// The speech balloon beside the assistant. Sized to the whole text, or small: two lines that show
// the part of the text being read, page after page. Never takes the mouse or the focus.
class AssistantBalloon : public QWidget
{
public:
    explicit AssistantBalloon(QWidget *parent);

    void setText(const QString &text, const QFont &font, bool wholeText);
    // How far the reading has got, 0..1: picks the page of a small balloon.
    void setProgress(double progress);
    // Sizes and places the balloon beside the figure, inside the screen.
    void place(const QRect &figure, const QRect &screen);

    QString text() const { return text_; }
    QString shownText() const;
    int pageCount() const { return int(pages_.size()); }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void layoutPages(int textWidth);
    QSize bodySize(int screenWidth);

    QString text_;
    QFont font_;
    bool wholeText_ = true;
    QStringList pages_;
    int page_ = 0;
    QRect body_;      // the balloon's body, in the widget
    QPoint tipFrom_;  // the tail's base centre and its tip, in the widget
    QPoint tip_;
};
