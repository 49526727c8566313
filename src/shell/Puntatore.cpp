#include "Puntatore.h"
#include "Immagini.h"
#include "platform/PathResolver.h"

#include <QImageReader>
#include <QPixmap>

QCursor PuntatoreProgramma()
{
    static const QCursor cursore = [] {
        // Read as PNG by Qt itself: no image plugin is loaded to be asked whether it reads the file.
        QImageReader lettore(PathResolver::native(App::Path() + Immagini::Puntatore), "png");
        lettore.setAutoDetectImageFormat(false);
        const QPixmap figura = QPixmap::fromImage(lettore.read());
        if (figura.isNull())
            return QCursor(Qt::PointingHandCursor);
        return QCursor(figura, 2, 2); // hot spot: the tip of the finger
    }();
    return cursore;
}
