#include "Puntatore.h"
#include "platform/PathResolver.h"

#include <QPixmap>

QCursor PuntatoreProgramma()
{
    static const QCursor cursore = [] {
        const QPixmap figura(PathResolver::native(App::Path() + QStringLiteral("\\immagini\\puntatore.png")));
        if (figura.isNull())
            return QCursor(Qt::PointingHandCursor);
        return QCursor(figura, 2, 2); // hot spot: the tip of the finger
    }();
    return cursore;
}
