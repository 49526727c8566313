#include "FormEsercizio.h"
#include "platform/Dialogs.h"
#include "platform/MovieView.h"

#include <QSet>
#include <QTimer>

void FormEsercizio::avvisaFilmatiMancanti()
{
    static QSet<QString> giaDetti; // each missing file is reported once while the program runs
    QStringList mancanti;
    for (const MovieView *filmato : area()->findChildren<MovieView *>()) {
        if (filmato->Movie().isEmpty() || filmato->isLoaded())
            continue;
        const QString file = MovieView::fileFor(filmato->Movie());
        if (!giaDetti.contains(file)) {
            giaDetti.insert(file);
            mancanti << file;
        }
    }
    if (mancanti.isEmpty())
        return;
    // After the question is set up, not in the middle of it.
    QTimer::singleShot(0, this, [this, mancanti] {
        MsgBox(this,
               QStringLiteral("Non è stato possibile mostrare lo zanfrone.\nFile mancante o danneggiato:\n%1\n"
                              "L'esercizio continua senza il disegno; reinstallare il programma lo ripristina.")
                   .arg(mancanti.join(QLatin1Char('\n'))),
               QStringLiteral("Zanfroni"), Dialogs::Exclamation);
    });
}
