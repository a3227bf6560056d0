// The game as the monkey runs it: a process of its own (and a process group,
// so that nothing it starts outlives it), its standard output and error read
// line by line as they come, and the way it ended. Each line it prints is
// judged: the few a healthy game prints are expected, a sanitizer's report or
// the state checker's broken rule is named as such, and any other line is a
// fault too.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kolvar::monkey {

struct Ending {
    bool signalled = false;
    int code = 0; // the exit status, or the signal's number

    bool clean() const { return !signalled && code == 0; }
};
std::string Describe(const Ending& e);

enum class Verdict { Expected, Sanitizer, BrokenRule, Unexpected };
Verdict Judge(const std::string& line);

class GameProcess {
public:
    // `environment`: the whole environment, "NAME=value" each.
    GameProcess(const std::string& program, const std::vector<std::string>& environment);
    ~GameProcess(); // ends the process group if it still runs
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    bool started() const { return pid_ > 0; }
    long pid() const { return pid_; }
    // The output pipe, to wait on with poll(); -1 once it closed.
    int outputFd() const { return fd_; }

    // The whole lines printed since the last call; once the pipe closed, the
    // last unfinished line too.
    std::vector<std::string> lines();
    // How the game ended; nothing while it runs.
    std::optional<Ending> ending();
    // Ends the process group and reaps the game.
    void kill();

private:
    long pid_ = -1;
    int fd_ = -1;
    std::string pending_;
    std::optional<Ending> ending_;
};

} // namespace kolvar::monkey
