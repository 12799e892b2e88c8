#include "process.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace velmora::check::test {

namespace {

std::string drain(int fd) {
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(n));
    close(fd);
    return text;
}

[[noreturn]] void startChild(const Run &what, int in[2], int out[2], int err[2]) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
        close(fd);
    for (const auto &[name, value] : what.extraEnvironment)
        setenv(name.c_str(), value.c_str(), 1);
    std::vector<char *> argv{const_cast<char *>(what.program.c_str())};
    for (const std::string &a : what.args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    execv(what.program.c_str(), argv.data());
    _exit(127);
}

} // namespace

Outcome run(const Run &what) {
    // The program may exit before it reads its input; the write then fails with EPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0)
        startChild(what, in, out, err);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    std::thread writer([&] {
        (void)!write(in[1], what.input.data(), what.input.size());
        close(in[1]);
    });
    Outcome outcome;
    std::thread errReader([&] { outcome.err = drain(err[0]); });
    outcome.out = drain(out[0]);
    errReader.join();
    writer.join();
    int status = 0;
    waitpid(pid, &status, 0);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

Outcome check(const std::vector<std::string> &args, const std::string &password) {
    return run({VELMORA_CHECK, args, password + "\n", {}});
}

std::string testHome() {
    const char *home = std::getenv("VELMORA_TEST_HOME");
    return home != nullptr ? home : "/tmp";
}

} // namespace velmora::check::test
