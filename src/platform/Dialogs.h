#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QWidget;

// Message and input boxes, the common dialogs and opening a document. Everything modal goes
// through one replaceable object (Services), so that tests answer instead of a person.
class Dialogs
{
public:
    enum Icon { NoIcon, Information, Critical, Exclamation };
    enum Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;
    virtual void message(QWidget *owner, const QString &text, const QString &title, Icon icon) = 0;
    // Question box with Yes and No (and Cancel when asked for); closing it answers No (or Cancel).
    virtual Answer question(QWidget *owner, const QString &text, const QString &title, bool withCancel) = 0;
    // Input box: the typed text, or "" when cancelled.
    virtual QString input(QWidget *owner, const QString &prompt, const QString &title,
                          const QString &defaultAnswer) = 0;
    virtual std::optional<QColor> chooseColor(QWidget *owner) = 0;
    // The chosen font; one whose size was left empty has no size of its own (no QFont::SizeResolved).
    virtual std::optional<QFont> chooseFont(QWidget *owner, const QFont &initial) = 0;
    // open: true for the open dialog, false for the save dialog; "" when cancelled.
    virtual QString chooseFile(QWidget *owner, bool open, const QString &title,
                               const QString &proposedName, const QString &filter,
                               const QString &startFolder, const QString &defaultExtension) = 0;
    virtual void openDocument(QWidget *owner, const QString &pathOrAddress) = 0;

    static Dialogs &system();
};

// Shortcuts used by the screens.
void MsgBox(QWidget *owner, const QString &text, const QString &title, Dialogs::Icon icon = Dialogs::NoIcon);
QString InputBox(QWidget *owner, const QString &prompt, const QString &title, const QString &defaultAnswer = {});
