// Asks this machine for the port permission and checks that the answer matches what
// the kernel says to a bare ioperm(): a container or sandbox without I/O port access
// (ENOSYS) must not be blamed on missing privileges, a refusal must say how to grant
// it. Passes on any machine.

#include "port/IoPortBackend.h"
#include "port/PortDiscovery.h"
#include "port/RecordingPort.h"

#include <cerrno>
#include <cstdio>
#include <string>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#endif

namespace {

int s_failures = 0;

void Check(const char* name, bool ok, const std::string& details)
{
    std::printf("%s %s: %s\n", ok ? "PASS" : "FAIL", name, details.c_str());
    if (!ok)
        ++s_failures;
}

bool Says(const std::string& message, const char* words)
{
    return message.find(words) != std::string::npos;
}

// What the kernel answers for the first window, given back at once.
int BareIopermError()
{
#if defined(__x86_64__) || defined(__i386__)
    if (ioperm(PORT_CANDIDATES[0], 3, 1) == 0) {
        ioperm(PORT_CANDIDATES[0], 3, 0);
        return 0;
    }
    return errno;
#else
    return ENOSYS;
#endif
}

} // namespace

int main()
{
    const int kernelSays = BareIopermError();

    class NoPort final : public PortBackend {
    public:
        std::uint8_t In(PortAddress) override { return 0xFF; }
        void Out(PortAddress, std::uint8_t) override {}
    } bus;
    RecordingPort recorder(bus);
    SetPortBackend(&recorder);
    const PortPermissionResult result = RequestPortPermission();
    SetPortBackend(nullptr);

    const std::string& text = result.message;
    std::printf("ioperm errno %d; outcome %d, errno %d, message \"%s\"\n", kernelSays,
                static_cast<int>(result.outcome), result.error, text.c_str());
    Check("no port traffic", recorder.Count() == 0, std::to_string(recorder.Count()) + " accesses");

    if (kernelSays == 0) {
        Check("granted", result.outcome == PortPermission::Granted && result.error == 0 && text.empty(),
              "the kernel grants I/O ports here");
    } else if (kernelSays == EPERM || kernelSays == EACCES) {
        Check("refused", result.outcome == PortPermission::Refused && result.error == kernelSays,
              "the kernel refuses I/O ports to this process");
        Check("refusal says how to grant", Says(text, "sudo") && Says(text, "setcap"), text);
    } else {
        Check("unavailable", result.outcome == PortPermission::Unavailable && result.error == kernelSays,
              "the system has no I/O port access");
        Check("says there is no port access", Says(text, "no direct access to I/O ports")
                                                   || Says(text, "exists only on x86"), text);
        Check("does not blame privileges",
              !Says(text, "sudo") && !Says(text, "setcap") && !Says(text, "ermission")
                  && !Says(text, "CAP_SYS_RAWIO"),
              text);
        Check("points to the simulation", Says(text, "--simulate"), text);
    }
    return s_failures == 0 ? 0 : 1;
}
