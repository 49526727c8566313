// Start-up: from starting the program to its first window drawn on an X server, against an empty
// full-screen window linked with the same libraries (finestra_vuota): median of several starts of
// each, taken in turn, and their ratio (the median over the pairs of starts). "Drawn" is the same
// for both: the first pixels the program puts in its window, read back from the server. The X
// server is an Xvfb of our own at 1024 x 768: a real X server, so a client starts as on a desktop
// (without a GPU, which neither uses). The program starts on a data folder made by its own first
// start, with the default profile saved, as every start after the first; each start must put up
// the start screen, full screen.
// Argument: how many starts of each (default 61); the full run fails above 1.25 times.
#include "ServiziDiProva.h"
#include "shell/Avvio.h"
#include "shell/Profilo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

extern char **environ;

namespace {
constexpr double kObiettivo = 1.25;

double adessoMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The processes started here still running (the X server, a program), stopped however the bench
// ends; and its temporary folder, removed unless a signal ends it.
std::array<std::atomic<pid_t>, 4> g_avviati{};
QString g_cartella;

void ricorda(pid_t pid)
{
    for (auto &posto : g_avviati) {
        pid_t vuoto = 0;
        if (posto.compare_exchange_strong(vuoto, pid))
            return;
    }
}

void dimentica(pid_t pid)
{
    for (auto &posto : g_avviati)
        if (posto == pid)
            posto = 0;
}

void ferma(pid_t pid)
{
    kill(pid, SIGTERM);
    int stato = 0;
    waitpid(pid, &stato, 0);
    dimentica(pid);
}

void fermaTutti()
{
    for (auto &posto : g_avviati)
        if (const pid_t pid = posto.exchange(0))
            kill(pid, SIGTERM);
}

// Says why, shows the end of what the programs wrote, stops what runs and removes the folder.
[[noreturn]] void fallisci(const std::string &cosa)
{
    std::fprintf(stderr, "FAIL: %s\n", cosa.c_str());
    for (auto &posto : g_avviati)
        if (const pid_t pid = posto)
            ferma(pid);
    if (!g_cartella.isEmpty()) {
        QFile uscite(g_cartella + QStringLiteral("/uscite.log"));
        if (uscite.open(QIODevice::ReadOnly)) {
            const QByteArray tutto = uscite.readAll();
            std::fprintf(stderr, "--- the programs' output (end) ---\n%s\n", tutto.right(2000).constData());
        }
        QDir(g_cartella).removeRecursively();
    }
    std::exit(1);
}

extern "C" void interrotto(int segnale)
{
    fermaTutti();
    signal(segnale, SIG_DFL);
    raise(segnale);
}

// The caller's environment with `cambi` ("NAME=value", or "NAME" alone to drop it) applied.
std::vector<std::string> ambiente(const std::vector<std::string> &cambi)
{
    const auto nome = [](const std::string &voce) { return voce.substr(0, voce.find('=')); };
    std::vector<std::string> voci;
    for (char **e = environ; *e; ++e) {
        const std::string voce = *e;
        if (std::none_of(cambi.begin(), cambi.end(), [&](const std::string &c) { return nome(c) == nome(voce); }))
            voci.push_back(voce);
    }
    for (const std::string &c : cambi)
        if (c.find('=') != std::string::npos)
            voci.push_back(c);
    return voci;
}

// Starts `argomenti` with `voci` as its environment, its output appended to `registro`, and the file
// descriptor `daPassare` (if any) as its descriptor 3.
pid_t avvia(const std::vector<std::string> &argomenti, const std::vector<std::string> &voci, const QString &registro,
            int daPassare = -1)
{
    std::vector<char *> argv, envp;
    for (const std::string &a : argomenti)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    for (const std::string &v : voci)
        envp.push_back(const_cast<char *>(v.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    const QByteArray file = QFile::encodeName(registro);
    posix_spawn_file_actions_addopen(&azioni, 1, file.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    posix_spawn_file_actions_adddup2(&azioni, 1, 2);
    if (daPassare >= 0)
        posix_spawn_file_actions_adddup2(&azioni, daPassare, 3);
    pid_t pid = -1;
    const int errore = posix_spawnp(&pid, argv[0], &azioni, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&azioni);
    if (errore != 0)
        fallisci(argomenti[0] + ": " + std::strerror(errore));
    ricorda(pid);
    return pid;
}

bool finito(pid_t pid)
{
    int stato = 0;
    if (waitpid(pid, &stato, WNOHANG) != pid)
        return false;
    dimentica(pid);
    return true;
}

// An Xvfb that takes a free display number itself and listens on its unix socket only, to clients
// with the cookie of the authority file written here.
class ServerX
{
public:
    explicit ServerX(const QString &cartella)
    {
        autorita_ = cartella + QStringLiteral("/Xauthority");
        scriviAutorita();
        int tubo[2];
        if (pipe2(tubo, O_CLOEXEC) != 0)
            fallisci("no pipe for Xvfb");
        const int scrittura = fcntl(tubo[1], F_DUPFD_CLOEXEC, 10); // never 3 itself: dup2 must clear close-on-exec
        close(tubo[1]);
        pid_ = avvia({"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset",
                      "-br", "-auth", QFile::encodeName(autorita_).toStdString()},
                     ambiente({}), cartella + QStringLiteral("/xvfb.log"), scrittura);
        close(scrittura);
        std::string numero;
        const double scadenza = adessoMs() + 60000;
        for (char c = 0; c != '\n';) {
            pollfd p{tubo[0], POLLIN, 0};
            if (adessoMs() > scadenza || poll(&p, 1, 100) < 0 || finito(pid_))
                fallisci("Xvfb gave no display (is it installed? make deps)");
            if ((p.revents & (POLLIN | POLLHUP)) && read(tubo[0], &c, 1) == 1 && c != '\n')
                numero += c;
        }
        close(tubo[0]);
        display_ = ":" + numero;
    }
    ~ServerX() { ferma(pid_); }
    ServerX(const ServerX &) = delete;
    ServerX &operator=(const ServerX &) = delete;

    const std::string &display() const { return display_; }
    std::string autorita() const { return QFile::encodeName(autorita_).toStdString(); }

private:
    // One entry for any display: family "wild", no address, no number, MIT-MAGIC-COOKIE-1.
    void scriviAutorita()
    {
        QByteArray voce;
        const auto campo = [&](const QByteArray &b) {
            voce.append(char(b.size() >> 8)).append(char(b.size() & 0xff)).append(b);
        };
        voce.append('\xff').append('\xff');
        campo({});
        campo({});
        campo("MIT-MAGIC-COOKIE-1");
        QByteArray biscotto(16, '\0');
        QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(biscotto.data()), 4);
        campo(biscotto);
        QFile file(autorita_);
        if (!file.open(QIODevice::WriteOnly) || file.write(voce) != voce.size())
            fallisci("cannot write the X authority file");
    }

    QString autorita_;
    pid_t pid_ = -1;
    std::string display_;
};

// What the bench sees of the X server: windows of the root mapped and destroyed, pixels on screen.
class Osservatore
{
public:
    explicit Osservatore(const ServerX &server)
    {
        setenv("XAUTHORITY", server.autorita().c_str(), 1);
        c_ = xcb_connect(server.display().c_str(), nullptr);
        if (xcb_connection_has_error(c_))
            fallisci("cannot connect to Xvfb " + server.display());
        schermo_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        const uint32_t eventi = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, schermo_->root, XCB_CW_EVENT_MASK, &eventi);
        xcb_flush(c_);
    }
    ~Osservatore() { xcb_disconnect(c_); }
    Osservatore(const Osservatore &) = delete;
    Osservatore &operator=(const Osservatore &) = delete;

    int larghezza() const { return schermo_->width_in_pixels; }
    int altezza() const { return schermo_->height_in_pixels; }

    // The screen's pixel at (x, y), as the server stores it.
    uint32_t pixel(int x, int y)
    {
        xcb_get_image_reply_t *r = xcb_get_image_reply(
            c_, xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, schermo_->root, int16_t(x), int16_t(y), 1, 1, ~0u), nullptr);
        if (!r)
            fallisci("cannot read the screen");
        uint32_t p = 0;
        std::memcpy(&p, xcb_get_image_data(r), std::min<size_t>(4, size_t(xcb_get_image_data_length(r))));
        std::free(r);
        return p;
    }

    // The next top-level window mapped (not a pop-up), or 0 once `pid` has ended or 30 s went by.
    xcb_window_t mappata(pid_t pid)
    {
        return attendi(pid, [](xcb_generic_event_t *e) -> xcb_window_t {
            if ((e->response_type & 0x7f) != XCB_MAP_NOTIFY)
                return 0;
            const auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
            return m->override_redirect ? 0 : m->window;
        });
    }

    // Waits until `finestra` is destroyed (its program has ended).
    void distrutta(xcb_window_t finestra)
    {
        attendi(0, [finestra](xcb_generic_event_t *e) -> xcb_window_t {
            const bool fine = (e->response_type & 0x7f) == XCB_DESTROY_NOTIFY
                              && reinterpret_cast<xcb_destroy_notify_event_t *>(e)->window == finestra;
            return fine ? finestra : 0;
        });
    }

    std::string titolo(xcb_window_t finestra)
    {
        xcb_intern_atom_reply_t *nome =
            xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, 12, "_NET_WM_NAME"), nullptr);
        if (!nome)
            fallisci("the X server has no _NET_WM_NAME");
        xcb_get_property_reply_t *r = xcb_get_property_reply(
            c_, xcb_get_property(c_, 0, finestra, nome->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
        std::free(nome);
        std::string t;
        if (r)
            t.assign(static_cast<const char *>(xcb_get_property_value(r)), size_t(xcb_get_property_value_length(r)));
        std::free(r);
        return t;
    }

    bool schermoIntero(xcb_window_t finestra)
    {
        xcb_get_geometry_reply_t *g = xcb_get_geometry_reply(c_, xcb_get_geometry(c_, finestra), nullptr);
        const bool intero = g && g->x == 0 && g->y == 0 && g->width == larghezza() && g->height == altezza();
        std::free(g);
        return intero;
    }

private:
    template <class F> xcb_window_t attendi(pid_t pid, F trovata)
    {
        const double scadenza = adessoMs() + 30000;
        while (adessoMs() < scadenza && !(pid > 0 && finito(pid))) {
            while (xcb_generic_event_t *e = xcb_poll_for_event(c_)) {
                const xcb_window_t w = trovata(e);
                std::free(e);
                if (w)
                    return w;
            }
            if (xcb_connection_has_error(c_))
                fallisci("the X server is gone");
            pollfd p{xcb_get_file_descriptor(c_), POLLIN, 0};
            poll(&p, 1, 10);
        }
        return 0;
    }

    xcb_connection_t *c_;
    xcb_screen_t *schermo_;
};

struct Programma
{
    const char *nome;
    std::string eseguibile;
    const char *titolo; // of its first window
    std::vector<double> ms;
};

// One start of `p`: the time to its first window drawn; then the program is stopped.
double unAvvio(Programma &p, Osservatore &x, const std::vector<std::string> &voci, const QString &registro)
{
    const int cx = x.larghezza() / 2, cy = x.altezza() / 2;
    const uint32_t sfondo = x.pixel(cx, cy);
    const double inizio = adessoMs();
    const pid_t pid = avvia({p.eseguibile}, voci, registro);
    const xcb_window_t finestra = x.mappata(pid);
    if (!finestra)
        fallisci(std::string(p.nome) + " showed no window");
    while (x.pixel(cx, cy) == sfondo) {
        if (finito(pid) || adessoMs() - inizio > 30000)
            fallisci(std::string(p.nome) + " drew nothing in its window");
        usleep(100);
    }
    const double ms = adessoMs() - inizio;
    const std::string titolo = x.titolo(finestra);
    if (titolo != p.titolo || !x.schermoIntero(finestra))
        fallisci(std::string(p.nome) + "'s first window is \"" + titolo + "\", not \"" + p.titolo + "\" on the whole screen");
    ferma(pid);
    x.distrutta(finestra);
    if (x.pixel(cx, cy) != sfondo)
        fallisci("the screen did not come back empty after " + std::string(p.nome));
    return ms;
}

double mediana(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    return n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
}

void riga(const Programma &p)
{
    const auto [minimo, massimo] = std::minmax_element(p.ms.begin(), p.ms.end());
    std::printf("%-13s median %.1f ms (fastest %.1f, slowest %.1f; %zu starts)\n", p.nome, mediana(p.ms), *minimo,
                *massimo, p.ms.size());
}
} // namespace

int main(int argc, char **argv)
{
    const bool completo = argc < 2;
    const int volte = completo ? 61 : std::atoi(argv[1]);
    if (volte < 1) {
        std::fprintf(stderr, "usage: %s [starts of each]\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen"); // the bench itself shows nothing
    QApplication app(argc, argv);

    // A data folder as the program's first start leaves it, with the default profile saved.
    RadiceTemporanea radice;
    g_cartella = radice.percorso();
    for (const int segnale : {SIGINT, SIGTERM, SIGHUP})
        signal(segnale, interrotto);
    std::set_terminate([] {
        fermaTutti();
        std::abort();
    });
    {
        ServiziDiProva servizi;
        if (!PreparaCartelle())
            fallisci("the data folder could not be made");
        FileIni = CartellaImpostazioni + QStringLiteral("_predefinito.INI");
        Profilo = ProfiloUtente();
        if (!SalvaProfilo())
            fallisci("the default profile could not be saved");
    }
    ServerX server(radice.percorso());
    Osservatore x(server);
    const std::vector<std::string> voci = ambiente({
        "DISPLAY=" + server.display(), "XAUTHORITY=" + server.autorita(), "QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY",
        "XDG_DATA_HOME=" + QFile::encodeName(radice.percorso()).toStdString(),
        "XDG_CACHE_HOME=" + QFile::encodeName(radice.percorso(QStringLiteral("cache"))).toStdString(),
    });
    const QString registro = radice.percorso(QStringLiteral("uscite.log")); // what the programs write

    Programma programma{"zanfroni", ZANFRONI_PROGRAMMA, "Zanfroni", {}};
    Programma vuota{"empty window", ZANFRONI_FINESTRA_VUOTA, "finestra vuota", {}};
    unAvvio(programma, x, voci, registro); // the caches warm, not counted
    unAvvio(vuota, x, voci, registro);
    for (int i = 0; i < volte; ++i) { // each first in turn, so neither always follows the other's end
        const std::array<Programma *, 2> coppia{i % 2 ? &vuota : &programma, i % 2 ? &programma : &vuota};
        for (Programma *p : coppia)
            p->ms.push_back(unAvvio(*p, x, voci, registro));
    }

    std::printf("Start-up to the first window drawn, Xvfb 1024x768, starts taken in turn:\n");
    riga(programma);
    riga(vuota);
    // Each pair of starts, back to back, meets the same load on the machine: their ratio, the
    // median over the pairs.
    std::vector<double> coppie;
    for (size_t i = 0; i < programma.ms.size(); ++i)
        coppie.push_back(programma.ms[i] / vuota.ms[i]);
    const double rapporto = mediana(coppie);
    std::printf("ratio %.2f (median over the %zu pairs of starts; of the two medians %.2f), goal at most %.2f\n",
                rapporto, coppie.size(), mediana(programma.ms) / mediana(vuota.ms), kObiettivo);
    std::fflush(stdout);
    if (completo && rapporto > kObiettivo) {
        std::fprintf(stderr, "FAIL: the program starts more than %.2f times slower than an empty window\n", kObiettivo);
        return 1;
    }
    return 0;
}
