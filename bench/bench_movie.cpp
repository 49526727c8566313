// CPU time of recolouring every part of one clown and drawing it at 400 px.
#include "platform/MovieView.h"
#include "platform/PathResolver.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MovieView v;
    v.resize(260, 400);
    v.Movie(App::Path() + QStringLiteral("\\swf\\zanfrone1.swf"));
    if (!v.isLoaded())
        return 1;
    const char *parts[] = {"cappello", "ciuffo", "capelli", "camicia", "gile", "bottoni", "pantaloni", "scarpe"};
    const char *palette[] = {"FF0000", "00A000", "0000FF", "FFFF00", "FF8000"};
    v.snapshot(); // first load and first drawing at this size

    constexpr int kRuns = 1000;
    std::vector<double> times;
    times.reserve(kRuns);
    qint64 checksum = 0;
    for (int run = 0; run < kRuns; ++run) {
        const double start = cpuMs();
        v.BGColor(QStringLiteral("FFFFFF"));
        for (int i = 0; i < 8; ++i) {
            v.SetVariable(QStringLiteral("QualeOggetto"), QLatin1String(parts[i]) + QLatin1String(".interno"));
            v.SetVariable(QStringLiteral("TestoColore.QualeColore"), QLatin1String(palette[(run + i) % 5]));
        }
        v.TSetProperty(QStringLiteral("secchio"), 7, run % 2 ? QStringLiteral("1") : QStringLiteral("0"));
        v.TSetProperty(QStringLiteral("cappello"), 7, QStringLiteral("1"));
        const QImage image = v.snapshot();
        times.push_back(cpuMs() - start);
        checksum += image.pixel(130, 200);
    }
    std::sort(times.begin(), times.end());
    std::printf("clown 260x400, recolour 8 parts + draw, %d runs: median %.3f ms, worst %.3f ms (%lld)\n",
                kRuns, times[kRuns / 2], times.back(), static_cast<long long>(checksum % 7));
    return 0;
}
