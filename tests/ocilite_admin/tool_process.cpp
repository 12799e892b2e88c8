#include "tool_process.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

namespace ocilite::test {
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

} // namespace

Outcome runTool(const std::vector<std::string> &args, const std::string &input,
                const std::string &workdir) {
    // The tool may exit before it reads its input (a database it cannot open); the write
    // must then fail with EPIPE instead of killing the test.
    std::signal(SIGPIPE, SIG_IGN);
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        if (!workdir.empty() && chdir(workdir.c_str()) != 0)
            _exit(126);
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
            close(fd);
        std::vector<char *> argv{const_cast<char *>(OCILITE_TOOL)};
        for (const std::string &a : args)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        execv(OCILITE_TOOL, argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    std::thread writer([&] {
        (void)!write(in[1], input.data(), input.size());
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

} // namespace ocilite::test
