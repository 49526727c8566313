#include "Puntatore.h"
#include "Immagini.h"
#include "platform/PathResolver.h"

#include <QPixmap>

QCursor PuntatoreProgramma()
{
    static const QCursor cursore = [] {
        const QPixmap figura(PathResolver::native(App::Path() + Immagini::Puntatore));
        if (figura.isNull())
            return QCursor(Qt::PointingHandCursor);
        return QCursor(figura, 2, 2); // hot spot: the tip of the finger
    }();
    return cursore;
}
