#include "ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// The probe's write end, as the child sees it.
constexpr int PROBE_FD = 3;

std::vector<std::string> ChildEnvironment(const char* probeDir)
{
    std::vector<std::string> overrides = {"QT_QPA_PLATFORM=offscreen"};
    if (probeDir) {
        overrides.push_back(std::string("QT_PLUGIN_PATH=") + probeDir);
        overrides.push_back("QT_QPA_GENERIC_PLUGINS=kelvaroexposeprobe:" + std::to_string(PROBE_FD));
    }
    std::vector<std::string> env;
    for (char** entry = environ; *entry; ++entry) {
        const std::string_view text(*entry);
        const std::string_view name = text.substr(0, text.find('='));
        const std::string prefix = std::string(name) + "=";
        bool replaced = false;
        for (const std::string& o : overrides)
            replaced |= o.starts_with(prefix);
        if (!replaced)
            env.emplace_back(text);
    }
    env.insert(env.end(), overrides.begin(), overrides.end());
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

std::int64_t MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                           const char* probeDir)
{
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> env = ChildEnvironment(probeDir);
    std::vector<char*> argvPointers = Pointers(argv);
    std::vector<char*> envPointers = Pointers(env);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    int pipeFds[2] = {-1, -1};
    if (probeDir) {
        if (pipe2(pipeFds, O_CLOEXEC) != 0) {
            std::perror("pipe2");
            std::exit(EXIT_FAILURE);
        }
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], PROBE_FD);
    }

    m_spawnedNs = MonotonicNs();
    const int error = posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argvPointers.data(),
                                  envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    if (probeDir) {
        close(pipeFds[1]);
        m_probeFd = pipeFds[0];
    }
    if (error != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(error));
        std::exit(EXIT_FAILURE);
    }
}

ChildProcess::~ChildProcess()
{
    if (m_probeFd >= 0)
        close(m_probeFd);
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        while (waitpid(m_pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
}

double ChildProcess::WaitForFirstWindow(int timeoutMs)
{
    pollfd watch{m_probeFd, POLLIN, 0};
    if (m_probeFd < 0 || poll(&watch, 1, timeoutMs) <= 0)
        return -1;
    char line[32] = {};
    if (read(m_probeFd, line, sizeof line - 1) <= 0)
        return -1;
    return static_cast<double>(std::strtoll(line, nullptr, 10) - m_spawnedNs) * 1e-6;
}

void ChildProcess::Pause()
{
    kill(m_pid, SIGSTOP);
    while (waitpid(m_pid, nullptr, WUNTRACED) < 0 && errno == EINTR) {
    }
}

void ChildProcess::Resume()
{
    kill(m_pid, SIGCONT);
}

double ChildProcess::CpuSeconds() const
{
    clockid_t clock;
    timespec used{};
    if (clock_getcpuclockid(m_pid, &clock) != 0 || clock_gettime(clock, &used) != 0)
        return -1;
    return static_cast<double>(used.tv_sec) + static_cast<double>(used.tv_nsec) * 1e-9;
}

long ChildProcess::PeakResidentKiB() const
{
    const std::string path = "/proc/" + std::to_string(m_pid) + "/status";
    std::FILE* status = std::fopen(path.c_str(), "r");
    if (!status)
        return -1;
    long kib = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1)
            break;
    }
    std::fclose(status);
    return kib;
}
