// Runs as /init of an emulated PC and drives its ISA parallel ports through the
// direct I/O backend: the only place where inb/outb, ioperm and the privilege drop
// meet a real chip. argv[1] names the chips the host configured ("378,278", "278"
// or "none"; the kernel hands everything after "--" on its command line to init).
// Every finding is a "CHECK <name> PASS|FAIL ..." line on the console, then one
// "RESULT PASS|FAIL" line; the host reads those.
//
// No chip ever sits at 0x3BC here: QEMU 7.2 decodes a chip configured there at
// 0x3C0 to 0x3C2, so 0x3BC always reads 0xFF. A port at 0x3BC is covered by the
// simulated-port tests; here 0x3BC is the candidate that must be rejected.

#include "port/Bidirectional.h"
#include "port/IoPortBackend.h"
#include "port/PortDiscovery.h"
#include "port/Privileges.h"
#include "port/RecordingPort.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <sys/mount.h>
#include <sys/reboot.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr uid_t NOBODY = 65534;
constexpr std::uint8_t CONTROL_IDLE = 0x0C; // init high, select-in set, nothing else
constexpr std::uint8_t BIT5 = 0x20;

using Traffic = std::vector<PortAccess>;

int s_failures = 0;

void Check(const std::string& name, bool ok, const std::string& details = {})
{
    std::printf("CHECK %s %s%s%s\n", name.c_str(), ok ? "PASS" : "FAIL", details.empty() ? "" : " ",
                details.c_str());
    if (!ok)
        ++s_failures;
}

std::string Hex(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

PortAccess R(PortAddress address, std::uint8_t value)
{
    return {PortAccess::Read, address, value};
}

PortAccess W(PortAddress address, std::uint8_t value)
{
    return {PortAccess::Write, address, value};
}

// On a mismatch both sequences go to the console: that is the whole diagnosis.
void CheckTraffic(const std::string& name, const Traffic& actual, const Traffic& expected)
{
    const bool same = actual == expected;
    Check(name, same, std::to_string(actual.size()) + " accesses");
    if (same)
        return;
    for (const PortAccess& access : expected)
        std::printf("  expected %s\n", FormatAccess(access).c_str());
    for (const PortAccess& access : actual)
        std::printf("  actual   %s\n", FormatAccess(access).c_str());
}

Traffic At(const Traffic& traffic, PortAddress address)
{
    Traffic only;
    for (const PortAccess& access : traffic)
        if (access.address == address)
            only.push_back(access);
    return only;
}

PortAddress Control(PortAddress base)
{
    return static_cast<PortAddress>(base + CONTROL_REGISTER);
}

// A different value per chip, so that a mixed-up address cannot pass.
std::uint8_t KnownData(PortAddress base)
{
    return base == 0x378 ? 0x5A : 0xA5;
}

bool ParseChips(const char* text, std::vector<PortAddress>& chips)
{
    if (!text)
        return false;
    const std::string list = text;
    if (list == "none")
        return true;
    std::size_t from = 0;
    while (from <= list.size()) {
        const std::size_t comma = std::min(list.find(',', from), list.size());
        const unsigned long base = std::strtoul(list.substr(from, comma - from).c_str(), nullptr, 16);
        if (base != 0x378 && base != 0x278)
            return false;
        chips.push_back(static_cast<PortAddress>(base));
        from = comma + 1;
    }
    return true;
}

std::map<std::string, std::string> ProcessStatus()
{
    std::map<std::string, std::string> fields;
    std::ifstream file("/proc/self/status");
    std::string line;
    while (std::getline(file, line)) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        std::string value = line.substr(colon + 1);
        value.erase(0, value.find_first_not_of(" \t"));
        value.erase(value.find_last_not_of(" \t") + 1);
        fields[line.substr(0, colon)] = value;
    }
    return fields;
}

// Started by an ordinary user without CAP_SYS_RAWIO: the request must be refused
// with a message that says how to grant it, and the process must stay unable to
// touch a port.
void StartedWithoutCapability()
{
    std::string error;
    const bool dropped = DropPrivileges({NOBODY, NOBODY}, error);
    Check("refused-drop", dropped, error);

    IoPortBackend io;
    RecordingPort recorder(io);
    SetPortBackend(&recorder);
    const PortPermissionResult result = RequestPortPermission();
    Check("refused-outcome", result.outcome == PortPermission::Refused && result.error == EPERM,
          "errno " + std::to_string(result.error));
    const bool names = result.message.find("sudo") != std::string::npos
                       && result.message.find("setcap") != std::string::npos;
    Check("refused-message", names, "\"" + result.message + "\"");
    Check("refused-no-traffic", recorder.Count() == 0, std::to_string(recorder.Count()) + " accesses");

    // Nothing may have been granted: a port read has to fault.
    std::fflush(stdout);
    const pid_t prober = fork();
    if (prober == 0) {
        ReadPortByte(0x378);
        _exit(0);
    }
    int status = 0;
    waitpid(prober, &status, 0);
    Check("refused-read-faults", WIFSIGNALED(status) && WTERMSIG(status) == SIGSEGV,
          "status " + std::to_string(status));
}

// As under sudo: take the permission as root, then become the invoking user for good.
bool GrantAndDrop()
{
    const PortPermissionResult result = RequestPortPermission();
    Check("granted", result.outcome == PortPermission::Granted, result.message);
    if (result.outcome != PortPermission::Granted)
        return false;

    setenv("SUDO_UID", "65534", 1);
    setenv("SUDO_GID", "65534", 1);
    const UnprivilegedIdentity who = InvokingIdentity();
    Check("invoking-identity", who.uid == NOBODY && who.gid == NOBODY,
          std::to_string(who.uid) + ":" + std::to_string(who.gid));
    std::string error;
    const bool dropped = DropPrivileges(who, error);
    Check("dropped", dropped, error);

    auto status = ProcessStatus();
    const std::string ids = "65534\t65534\t65534\t65534";
    const std::string noCaps = "0000000000000000";
    Check("status-uid", status["Uid"] == ids, status["Uid"]);
    Check("status-gid", status["Gid"] == ids, status["Gid"]);
    Check("status-groups", status["Groups"] == "65534", status["Groups"]);
    for (const char* field : {"CapInh", "CapPrm", "CapEff", "CapAmb"})
        Check(std::string("status-") + field, status[field] == noCaps, status[field]);
    Check("status-nonewprivs", status["NoNewPrivs"] == "1", status["NoNewPrivs"]);
    return dropped;
}

void Discovery(const std::vector<PortAddress>& chips, RecordingPort& recorder)
{
    // Known data on every chip, written and read back as the unprivileged user.
    for (PortAddress base : chips) {
        WritePortByte(Control(base), CONTROL_IDLE);
        WritePortByte(base, KnownData(base));
        const std::uint8_t back = ReadPortByte(base);
        Check("access-after-drop-" + Hex(base), back == KnownData(base),
              "wrote " + Hex(KnownData(base)) + ", read " + Hex(back));
    }

    ResetPortState();
    recorder.Clear();
    DiscoverPorts();
    const Traffic traffic = recorder.Accesses();

    Traffic expected;
    std::vector<PortAddress> accepted;
    for (PortAddress candidate : PORT_CANDIDATES) {
        Traffic probe;
        if (std::find(chips.begin(), chips.end(), candidate) != chips.end()) {
            const std::uint8_t saved = KnownData(candidate);
            probe = {R(candidate, saved), W(candidate, 0x00), R(candidate, 0x00),
                     W(candidate, 0xFF), R(candidate, 0xFF), W(candidate, saved)};
            accepted.push_back(candidate);
        } else {
            // The empty bus reads 0xFF, so the 0x00 read-back ends the probe.
            probe = {R(candidate, 0xFF), W(candidate, 0x00), R(candidate, 0xFF)};
        }
        CheckTraffic("probe-" + Hex(candidate), At(traffic, candidate), probe);
        expected.insert(expected.end(), probe.begin(), probe.end());
    }
    CheckTraffic("probe-order", traffic, expected);

    std::vector<PortAddress> table;
    if (g_portList)
        table.assign(g_portList, g_portList + g_portCount);
    std::string listed;
    for (PortAddress base : table)
        listed += Hex(base) + " ";
    Check("port-table", g_portList && table == accepted, std::to_string(g_portCount) + " ports: " + listed);

    for (PortAddress base : accepted) {
        const std::uint8_t data = ReadPortByte(base);
        Check("data-restored-" + Hex(base), data == KnownData(base), "read " + Hex(data));
    }
}

void InterruptBit(PortAddress base, RecordingPort& recorder)
{
    const PortAddress control = Control(base);
    WritePortByte(control, CONTROL_IDLE | CONTROL_INTERRUPT_ENABLE);
    const std::uint8_t before = ReadPortByte(control);
    Check("irq-bit-set-" + Hex(base), (before & CONTROL_INTERRUPT_ENABLE) != 0, "control " + Hex(before));

    recorder.Clear();
    DisablePortInterrupt(base);
    const std::uint8_t cleared = before & ~CONTROL_INTERRUPT_ENABLE;
    CheckTraffic("irq-disable-traffic-" + Hex(base), recorder.Accesses(),
                 {R(control, before), W(control, cleared)});
    const std::uint8_t after = ReadPortByte(control);
    Check("irq-bit-clear-" + Hex(base), after == cleared, "control " + Hex(after));
}

void Bidirectional(PortAddress base, RecordingPort& recorder)
{
    const PortAddress control = Control(base);
    const std::uint8_t latch = KnownData(base);
    WritePortByte(control, CONTROL_IDLE);
    WritePortByte(base, latch);
    const std::uint8_t idle = ReadPortByte(control);

    // Bit 5 turns the lines round, and nothing drives them: every read gives 0xFF.
    recorder.Clear();
    const BidirMode mode = RunBidirTest(base);
    Check("bidir-mode-" + Hex(base), mode == BIDIR_BIT5, "mode " + std::to_string(mode));
    CheckTraffic("bidir-traffic-" + Hex(base), recorder.Accesses(),
                 {R(base, latch), R(control, idle), W(control, idle | BIT5), R(base, 0xFF),
                  W(base, 0xFF), R(base, 0xFF), W(base, 0x00), R(base, 0xFF), W(control, idle),
                  W(base, latch)});
    const std::uint8_t data = ReadPortByte(base);
    const std::uint8_t after = ReadPortByte(control);
    Check("bidir-restored-" + Hex(base), data == latch && (after & BIT5) == 0,
          "data " + Hex(data) + ", control " + Hex(after));

    // Input reads ignore the latch, even one written meanwhile; leaving shows it again.
    g_controlShadow = CONTROL_IDLE;
    recorder.Clear();
    EnterInputDirection(base, BIDIR_BIT5);
    ReadPortByte(base);
    WritePortByte(base, 0x3C);
    ReadPortByte(base);
    LeaveInputDirection(base, BIDIR_BIT5);
    ReadPortByte(base);
    CheckTraffic("direction-traffic-" + Hex(base), recorder.Accesses(),
                 {W(control, CONTROL_IDLE | BIT5), R(base, 0xFF), W(base, 0x3C), R(base, 0xFF),
                  W(control, CONTROL_IDLE), R(base, 0x3C)});
    WritePortByte(base, latch);
}

// Each case runs in a child of init, forked before anyone holds a grant (fork would
// pass it on), while init keeps the root it needs to power off.
void RunAsChild(const char* name, const std::function<void()>& body)
{
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        s_failures = 0; // count only this case's findings
        body();
        std::fflush(stdout);
        _exit(std::min(s_failures, 100));
    }
    int status = 0;
    const bool reaped = child > 0 && waitpid(child, &status, 0) == child;
    Check(std::string(name) + "-process", reaped && WIFEXITED(status) && WEXITSTATUS(status) == 0,
          "wait status " + std::to_string(status));
}

[[noreturn]] void PowerOff()
{
    std::fflush(stdout);
    tcdrain(STDOUT_FILENO);
    reboot(RB_POWER_OFF);
    _exit(1); // init exiting panics the kernel, which ends QEMU as well
}

} // namespace

int main(int argc, char** argv)
{
    if (getpid() != 1) {
        std::fprintf(stderr, "%s pokes at I/O ports and powers the machine off; it only runs as init "
                             "of the emulated PC.\n",
                     argv[0]);
        return 2;
    }
    setvbuf(stdout, nullptr, _IOLBF, 0);

    std::vector<PortAddress> chips;
    if (!ParseChips(argc > 1 ? argv[1] : nullptr, chips)) {
        Check("arguments", false, "want 378, 278, 378,278 or none after -- on the kernel command line");
    } else {
        std::printf("GUEST chips %s\n", argv[1]);
        mkdir("/proc", 0555);
        const bool mounted = mount("proc", "/proc", "proc", 0, nullptr) == 0;
        Check("mount-proc", mounted, mounted ? "" : std::strerror(errno));

        RunAsChild("refused", StartedWithoutCapability);
        RunAsChild("sudo", [&chips] {
            if (!GrantAndDrop())
                return;
            // From here on the process is nobody, without capabilities.
            IoPortBackend io;
            RecordingPort recorder(io);
            SetPortBackend(&recorder);
            Discovery(chips, recorder);
            for (std::uint8_t i = 0; i < g_portCount; ++i) {
                InterruptBit(g_portList[i], recorder);
                Bidirectional(g_portList[i], recorder);
            }
            SetPortBackend(nullptr);
        });
    }

    std::printf("RESULT %s\n", s_failures == 0 ? "PASS" : "FAIL");
    PowerOff();
}
