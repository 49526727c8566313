#include "DialoghiComuni.h"
#include "platform/Dialogs.h"
#include "platform/PathResolver.h"
#include "platform/Services.h"
#include "platform/VbColor.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {
// Tenths of a point to whole points, halves to even.
int puntiInteri(double punti) { return static_cast<int>(std::nearbyint(std::round(punti * 10.0) / 10.0)); }
} // namespace

bool ScegliColore(QWidget *owner, double &foreColor)
{
    const auto c = Services::current().dialogs->chooseColor(owner);
    if (!c)
        return false;
    foreColor = VbColor::fromQColor(*c);
    return true;
}

bool ScegliFontSalvato(QWidget *owner, QString &famiglia, int &punti)
{
    QFont offerto(QFontInfo(QFont(famiglia)).family(), punti);
    // Named, the regular style is found in the dialog's list; unnamed, the dialog looks for the
    // translated word for "Normal" and falls on the first style listed, often "Bold".
    const QString famigliaOfferta = offerto.family();
    for (const QString &stile : QFontDatabase::styles(famigliaOfferta))
        if (QFontDatabase::weight(famigliaOfferta, stile) == QFont::Normal && !QFontDatabase::italic(famigliaOfferta, stile)) {
            offerto.setStyleName(stile);
            break;
        }
    const auto scelto = Services::current().dialogs->chooseFont(owner, offerto);
    if (!scelto)
        return false;
    if (scelto->family() != offerto.family())
        famiglia = scelto->family();
    punti = scelto->resolveMask() & QFont::SizeResolved ? puntiInteri(scelto->pointSizeF()) : 0;
    return true;
}

QString ScegliFile(QWidget *owner, int modo, const QString &titolo, const QString &nomeProposto,
                   const QString &filtro, const QString &cartellaIniziale, const QString &estensione)
{
    // "Rapporti (*.rpt)|*.rpt|Tutti|*.*" -> "Rapporti (*.rpt) (*.rpt);;Tutti (*.*)"
    QStringList parti = filtro.split(QRegularExpression(QStringLiteral("[|\\x0000]")));
    QStringList voci;
    for (int i = 0; i + 1 < parti.size(); i += 2)
        voci << parti[i] + QStringLiteral(" (") + QString(parti[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')');
    return Services::current().dialogs->chooseFile(owner, modo == 1, titolo, nomeProposto, voci.join(QStringLiteral(";;")),
                                          PathResolver::native(cartellaIniziale), estensione);
}

QString StringaDaByte(const QByteArray &bytes)
{
    const int fine = bytes.indexOf('\0');
    return QString::fromLatin1(fine < 0 ? bytes : bytes.left(fine));
}

void ApriDocumento(QWidget *schermo, const QString &percorso)
{
    Services::current().dialogs->openDocument(schermo, PathResolver::native(percorso));
}
