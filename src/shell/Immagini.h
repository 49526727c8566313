#pragma once
#include <QString>

// The program's own pictures, as paths under its folder.
namespace Immagini {
inline const QString Avvio = QStringLiteral("\\immagini\\avvio.svg");      // start screen picture
inline const QString Avvia = QStringLiteral("\\immagini\\avvia.svg");      // start screen button
inline const QString Esci = QStringLiteral("\\immagini\\esci.svg");     // the menu's "esci"; each exercise's is in the catalogue
inline const QString Vero = QStringLiteral("\\immagini\\vero.svg");
inline const QString Falso = QStringLiteral("\\immagini\\falso.svg");
inline const QString Uguali = QStringLiteral("\\immagini\\uguali.svg");
inline const QString Diversi = QStringLiteral("\\immagini\\diversi.svg");
inline const QString Avanti = QStringLiteral("\\immagini\\avanti.svg");    // next question
inline const QString Controlla = QStringLiteral("\\immagini\\controlla.svg"); // check
inline const QString PolliceSu = QStringLiteral("\\immagini\\pollicesu.svg");
inline const QString PolliceGiu = QStringLiteral("\\immagini\\pollicegiu.svg");
inline const QString Aiuto = QStringLiteral("\\immagini\\aiuto.svg");
// The eight part drawings: 1 hat, 2 hair, 3 shirt, 4 waistcoat, 5 buttons, 6 trousers, 7 shoes, 8 bucket.
inline QString Parte(int parte) { return QStringLiteral("\\immagini\\parte%1.svg").arg(parte); }
// The picture page's four clowns to colour, 1..4.
inline QString Disegno(int numero) { return QStringLiteral("\\immagini\\disegno%1.svg").arg(numero); }
inline const QString Puntatore = QStringLiteral("\\immagini\\puntatore.png"); // hot spot at (2, 2)
} // namespace Immagini
