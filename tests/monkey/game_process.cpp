// Starting the game with posix_spawn, reading its output without blocking,
// and judging each line.
#include "game_process.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kolvar::monkey {
namespace {

bool contains(const std::string& line, const char* part)
{
    return line.find(part) != std::string::npos;
}

} // namespace

std::string Describe(const Ending& e)
{
    if (e.signalled)
        return "killed by signal " + std::to_string(e.code) + " (" + strsignal(e.code) + ")";
    return "exited with status " + std::to_string(e.code);
}

// What a healthy game prints under the monkey: nothing. The game gets a
// home, a runtime directory (0700) and a D-Bus session of its own, so Qt has
// nothing to warn about; without a session bus libdbus would leave an
// allocation behind at exit that LeakSanitizer reports. A line that a
// healthy game prints after all belongs here, with the reason.
Verdict Judge(const std::string& line)
{
    static const std::array<const char*, 0> expected = {};
    for (const char* e : expected)
        if (line == e)
            return Verdict::Expected;
    if (contains(line, "kolvar: the table broke a rule"))
        return Verdict::BrokenRule;
    if (contains(line, "Sanitizer") || contains(line, "runtime error:"))
        return Verdict::Sanitizer;
    return Verdict::Unexpected;
}

GameProcess::GameProcess(const std::string& program, const std::vector<std::string>& environment)
{
    int pipe[2];
    if (pipe2(pipe, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&files, pipe[1], 1);
    posix_spawn_file_actions_adddup2(&files, pipe[1], 2);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);

    std::vector<char*> argv = {const_cast<char*>(program.c_str()), nullptr};
    std::vector<char*> envp;
    for (const std::string& variable : environment)
        envp.push_back(const_cast<char*>(variable.c_str()));
    envp.push_back(nullptr);
    pid_t pid = 0;
    const int failed =
        posix_spawn(&pid, program.c_str(), &files, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    close(pipe[1]);
    if (failed) {
        close(pipe[0]);
        return;
    }
    pid_ = pid;
    fd_ = pipe[0];
    fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK);
}

GameProcess::~GameProcess()
{
    kill();
    if (fd_ >= 0)
        close(fd_);
}

std::vector<std::string> GameProcess::lines()
{
    char buffer[4096];
    while (fd_ >= 0) {
        const ssize_t got = read(fd_, buffer, sizeof buffer);
        if (got > 0) {
            pending_.append(buffer, static_cast<size_t>(got));
            continue;
        }
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            break;
        close(fd_); // the end of the output: every writer has gone
        fd_ = -1;
    }
    std::vector<std::string> out;
    for (size_t end; (end = pending_.find('\n')) != std::string::npos;) {
        out.push_back(pending_.substr(0, end));
        pending_.erase(0, end + 1);
    }
    if (fd_ < 0 && !pending_.empty()) {
        out.push_back(pending_);
        pending_.clear();
    }
    return out;
}

std::optional<Ending> GameProcess::ending()
{
    if (ending_ || pid_ <= 0)
        return ending_;
    int status = 0;
    if (waitpid(static_cast<pid_t>(pid_), &status, WNOHANG) != pid_)
        return std::nullopt;
    if (WIFSIGNALED(status))
        ending_ = Ending{true, WTERMSIG(status)};
    else
        ending_ = Ending{false, WEXITSTATUS(status)};
    return ending_;
}

void GameProcess::kill()
{
    if (pid_ <= 0 || ending_)
        return;
    ::kill(-static_cast<pid_t>(pid_), SIGKILL);
    int status = 0;
    waitpid(static_cast<pid_t>(pid_), &status, 0);
    ending_ = Ending{true, SIGKILL};
}

} // namespace kolvar::monkey
