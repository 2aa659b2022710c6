#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

// A program run headless (QT_QPA_PLATFORM=offscreen) with its output discarded.
// With a probe folder, Qt loads the expose probe into it and the first exposed
// window can be waited for. Killed and reaped when it goes out of scope.
class ChildProcess {
public:
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const char* probeDir = nullptr);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Milliseconds from the spawn to the first exposed window; negative on timeout.
    double WaitForFirstWindow(int timeoutMs);
    // Holds it still (SIGSTOP, waited for) or lets it go on.
    void Pause();
    void Resume();
    // CPU time of all its threads so far.
    double CpuSeconds() const;
    // Peak resident set so far (VmHWM).
    long PeakResidentKiB() const;

private:
    pid_t m_pid = -1;
    int m_probeFd = -1;
    std::int64_t m_spawnedNs = 0;
};

std::int64_t MonotonicNs();
