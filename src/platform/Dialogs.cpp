#include "Dialogs.h"
#include "DesktopOpener.h"
#include "Services.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {
// Words up to a user name's longest (64) are shown whole; such a word fits a 1024-pixel screen.
constexpr int kLongestWord = 64;
constexpr QChar kBreak(0x200B); // zero width space: a word may break here

// `word` cut after `n` characters from the start (n > 0) or before n from the end (n < 0), never
// between the halves of a surrogate pair.
QString piece(const QString &word, int n)
{
    if (n > 0)
        return word.left(word[n - 1].isHighSurrogate() ? n + 1 : n);
    const qsizetype from = word.size() + n;
    return word.mid(word[from].isLowSurrogate() ? from - 1 : from);
}

// The text of a message box made to fit any screen: a box grows to its longest unbroken word.
// A path stays whole but may break after each separator and within long folder names; any other
// long word (a refused name) is shortened in its middle, keeping both its ends.
QString fitToBox(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("\\S{%1,}").arg(kLongestWord + 1));
    static const QRegularExpression separator(QStringLiteral("[/\\\\]"));
    QString out;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &m : word.globalMatch(text)) {
        out += text.mid(done, m.capturedStart() - done);
        done = m.capturedEnd();
        const QString w = m.captured();
        if (!w.contains(separator)) {
            // The quotes and stops around a name are not counted and stay.
            qsizetype from = 0, to = w.size();
            while (from < to && w[from].isPunct())
                ++from;
            while (to > from && w[to - 1].isPunct())
                --to;
            const QString name = w.mid(from, to - from);
            out += w.left(from);
            out += name.size() <= kLongestWord
                       ? name
                       : piece(name, kLongestWord / 2) + QChar(0x2026) + piece(name, -(kLongestWord / 2 - 1));
            out += w.mid(to);
            continue;
        }
        qsizetype run = 0; // characters since the last place to break
        for (QChar c : w) {
            if (run >= kLongestWord && !c.isLowSurrogate()) {
                out += kBreak;
                run = 0;
            }
            out += c;
            ++run;
            if (c == QLatin1Char('/') || c == QLatin1Char('\\')) {
                out += kBreak;
                run = 0;
            }
        }
    }
    return out + text.mid(done);
}

class RealDialogs final : public Dialogs
{
public:
    void message(QWidget *owner, const QString &text, const QString &title, Icon icon) override
    {
        QMessageBox box(owner);
        box.setWindowTitle(title);
        box.setTextFormat(Qt::PlainText); // names and paths are shown as written, never as markup
        box.setText(fitToBox(text));
        box.setIcon(icon == Critical      ? QMessageBox::Critical
                    : icon == Information ? QMessageBox::Information
                    : icon == Exclamation ? QMessageBox::Warning
                                          : QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }

    Answer question(QWidget *owner, const QString &text, const QString &title, bool withCancel) override
    {
        QMessageBox box(owner);
        box.setWindowTitle(title);
        box.setTextFormat(Qt::PlainText); // names and paths are shown as written, never as markup
        box.setText(fitToBox(text));
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | (withCancel ? QMessageBox::Cancel : QMessageBox::NoButton));
        box.setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
        if (withCancel)
            box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
        const int scelta = box.exec();
        return scelta == QMessageBox::Yes ? Yes : scelta == QMessageBox::No ? No : withCancel ? Cancel : No;
    }

    QString input(QWidget *owner, const QString &prompt, const QString &title,
                  const QString &defaultAnswer) override
    {
        QInputDialog dialog(owner);
        dialog.setWindowTitle(title);
        dialog.setLabelText(prompt);
        for (QLabel *label : dialog.findChildren<QLabel *>())
            label->setTextFormat(Qt::PlainText);
        dialog.setTextValue(defaultAnswer);
        return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
    }

    std::optional<QColor> chooseColor(QWidget *owner) override
    {
        const QColor c = QColorDialog::getColor(Qt::black, owner);
        if (!c.isValid())
            return std::nullopt;
        return c;
    }

    std::optional<QFont> chooseFont(QWidget *owner, const QFont &initial) override
    {
        QFontDialog dialog(initial, owner);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        // With its size field emptied the dialog still gives a size, one nobody chose (on a screen
        // with a font of its own); that field is the dialog's only one taking whole numbers.
        QFont f = dialog.selectedFont();
        for (const QLineEdit *field : dialog.findChildren<QLineEdit *>())
            if (qobject_cast<const QIntValidator *>(field->validator()) && field->text().trimmed().isEmpty())
                f.setResolveMask(f.resolveMask() & ~QFont::SizeResolved);
        return f;
    }

    QString chooseFile(QWidget *owner, bool open, const QString &title, const QString &proposedName,
                       const QString &filter, const QString &startFolder,
                       const QString &defaultExtension) override
    {
        QFileDialog dialog(owner, title, startFolder, filter);
        dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultExtension);
        if (!proposedName.isEmpty())
            dialog.selectFile(proposedName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().first();
    }

    void openDocument(QWidget *owner, const QString &pathOrAddress) override
    {
        openWithDesktop(owner, pathOrAddress);
    }
};

} // namespace

Dialogs &Dialogs::system()
{
    static RealDialogs real;
    return real;
}

void MsgBox(QWidget *owner, const QString &text, const QString &title, Dialogs::Icon icon)
{
    Services::current().dialogs->message(owner, text, title, icon);
}

QString InputBox(QWidget *owner, const QString &prompt, const QString &title, const QString &defaultAnswer)
{
    return Services::current().dialogs->input(owner, prompt, title, defaultAnswer);
}
