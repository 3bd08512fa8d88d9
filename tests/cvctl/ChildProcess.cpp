#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

extern char** environ;

namespace cvctl::test {

namespace {

struct Pipe {
    int read = -1;
    int write = -1;
    Pipe()
    {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe2 failed");
        read = fds[0];
        write = fds[1];
    }
};

bool drain(int fd, std::string& into)
{
    char buffer[4096];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got > 0) {
        into.append(buffer, static_cast<std::size_t>(got));
        return true;
    }
    return got < 0 && errno == EINTR;
}

std::vector<std::string> mergedEnvironment(const std::vector<std::string>& extra)
{
    std::vector<std::string> merged(extra);
    for (char** entry = environ; *entry; ++entry) {
        const std::string line(*entry);
        const std::string name = line.substr(0, line.find('=') + 1);
        bool overridden = false;
        for (const std::string& mine : extra)
            overridden = overridden || mine.rfind(name, 0) == 0;
        if (!overridden)
            merged.push_back(line);
    }
    return merged;
}

std::vector<char*> pointers(std::vector<std::string>& texts)
{
    std::vector<char*> result;
    for (std::string& text : texts)
        result.push_back(text.data());
    result.push_back(nullptr);
    return result;
}

} // namespace

ChildResult runChild(
    const std::string& program, const std::vector<std::string>& args, const std::vector<std::string>& extraEnvironment)
{
    Pipe out;
    Pipe err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);

    std::vector<std::string> argvTexts { program };
    argvTexts.insert(argvTexts.end(), args.begin(), args.end());
    std::vector<std::string> envTexts = mergedEnvironment(extraEnvironment);
    std::vector<char*> argv = pointers(argvTexts);
    std::vector<char*> envp = pointers(envTexts);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out.write);
    close(err.write);
    if (spawned != 0) {
        close(out.read);
        close(err.read);
        throw std::runtime_error("cannot start " + program);
    }

    ChildResult result;
    pollfd fds[2] = { { out.read, POLLIN, 0 }, { err.read, POLLIN, 0 } };
    std::string* sinks[2] = { &result.out, &result.err };
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0 && errno != EINTR)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd >= 0 && (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) && !drain(fds[i].fd, *sinks[i])) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace cvctl::test
