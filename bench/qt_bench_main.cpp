// The view benchmarks run in one QApplication on Qt's offscreen platform,
// given a single 1920 x 1080 screen through the platform's configuration
// file, so that the main window opens at the size of a common desktop.
// After the runs, the redraw is set against its floor.
#include "ratio_reporter.h"

#include <QApplication>
#include <QScreen>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kScreenConfig =
    R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
    R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

// Writes the screen configuration to a fresh file and returns its path.
std::string writeScreenConfig()
{
    char path[] = "/tmp/kolvar-bench-screen-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0 || write(fd, kScreenConfig, std::char_traits<char>::length(kScreenConfig)) < 0) {
        std::perror("kolvar bench: screen configuration");
        std::exit(1);
    }
    close(fd);
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string config = writeScreenConfig();
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str(), 1);
    QApplication app(argc, argv);
    std::remove(config.c_str());
    const QSize screen = QGuiApplication::primaryScreen()->size();
    std::printf("screen: %d x %d\n", screen.width(), screen.height());

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    kolvar::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::string ratio =
        reporter.times().ratioLine("redraw vs floor", "BM_RedrawTable", "BM_RedrawFloor");
    if (!ratio.empty())
        std::printf("%s\n", ratio.c_str());
    benchmark::Shutdown();
    return 0;
}
