// kolvar_monkey: the monkey from the command line.
//
//   kolvar_monkey --game KOLVAR [--seconds N] [--seed S | --replay LOG]
//                 [--events N] [--log-dir DIR] [--screen WxH]
//
// Exits 0 when the run passed, 1 when it found a fault, 2 on a usage error.
#include "monkey.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: kolvar_monkey --game KOLVAR [--seconds N] [--seed S | --replay "
                         "LOG] [--events N] [--log-dir DIR] [--screen WxH]\n");
    return 2;
}

void stop(int)
{
    kolvar::monkey::StopMonkey();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    kolvar::monkey::MonkeyOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return usage();
        const std::string value = argv[++i];
        if (arg == "--game")
            options.game = value;
        else if (arg == "--seconds")
            options.seconds = std::atof(value.c_str());
        else if (arg == "--seed")
            options.seed = std::strtoull(value.c_str(), nullptr, 10);
        else if (arg == "--replay")
            options.replay = value;
        else if (arg == "--events")
            options.maxEvents = std::atol(value.c_str());
        else if (arg == "--log-dir")
            options.logDir = value;
        else if (arg == "--screen") {
            int w = 0, h = 0;
            if (std::sscanf(value.c_str(), "%dx%d", &w, &h) != 2 || w < 640 || h < 480)
                return usage();
            options.screen = QSize(w, h);
        } else
            return usage();
    }
    if (options.game.empty() || options.seconds <= 0)
        return usage();
    std::signal(SIGINT, stop);
    std::signal(SIGTERM, stop);
    return kolvar::monkey::RunMonkey(options).failure.empty() ? 0 : 1;
}
