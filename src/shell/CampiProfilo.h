#pragma once
#include <QString>
#include <functional>
#include <vector>

struct ProfiloUtente;

// One line of the profile file: the setting it holds, how it is written and read back, its
// default, and the range a loaded or edited value is kept within.
struct CampoProfilo {
    const char *nome;
    std::function<QString(const ProfiloUtente &)> scrivi;
    // False when the line cannot be converted (the setting is then left as it was).
    std::function<bool(ProfiloUtente &, const QString &)> leggi;
    std::function<void(ProfiloUtente &)> predefinisci;
    std::function<void(ProfiloUtente &)> limita; // empty: any value is kept
};

// Every line of the profile file, in the file's order.
const std::vector<CampoProfilo> &CampiProfilo();
// The default colour table (rows 0..4, the code then the four agreements).
void ColoriPredefiniti(ProfiloUtente &p);
