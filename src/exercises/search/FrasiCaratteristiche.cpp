#include "FrasiCaratteristiche.h"
#include "platform/Rnd.h"

namespace {
constexpr int kFrasi = 9;
const char *const kInizi[8] = {nullptr, "Il cappello è ", "I capelli sono ", "La camicia è ", "Il gilè è ",
                               "I bottoni sono ", "I pantaloni sono ", "Le scarpe sono "};
} // namespace

QString FrasiCaratteristiche::ComponiFrasePositiva(int numeroFrase, const Aspetto &c)
{
    QString frase;
    if (numeroFrase >= Parti::Cappello && numeroFrase <= Parti::kColorate) {
        frase = QString::fromUtf8(kInizi[numeroFrase]) + ParolaColore(c[numeroFrase], AccordoParte(numeroFrase));
        FrasiParti[numeroFrase - 1] = frase;
    } else if (numeroFrase == Parti::Secchio) {
        frase = c.secchio == 1 ? QStringLiteral("Ha il secchio") : QStringLiteral("Non ha il secchio");
        FrasiParti[7] = frase;
    } else if (numeroFrase == Parti::ConCappello) {
        if (c.conCappello == 1) {
            frase = QStringLiteral("Ha il cappello");
        } else {
            frase = QStringLiteral("Non ha il cappello");
            FrasiParti[0] = frase;
        }
    }
    return frase;
}

void FrasiCaratteristiche::ScriviFrase(const Aspetto &c, bool maiuscolo)
{
    Righe.clear();
    std::array<bool, kFrasi + 1> usata{};
    int scritte = 0;
    if (c.conCappello == 0) {
        scritte = 1;
        usata[Parti::Cappello] = true;
    }
    while (scritte < kFrasi) {
        int numero = RndInt(kFrasi) + 1;
        while (usata[numero])
            numero = RndInt(kFrasi) + 1;
        const QString frase = ComponiFrasePositiva(numero, c);
        Righe << (maiuscolo ? frase.toUpper() : frase) + QLatin1Char('.');
        ++scritte;
        usata[numero] = true;
    }
}
