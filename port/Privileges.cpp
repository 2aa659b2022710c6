#include "port/Privileges.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <sys/capability.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

bool ReadId(const char* name, unsigned long& value)
{
    const char* text = std::getenv(name);
    if (!text || !*text)
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoul(text, &end, 10);
    return errno == 0 && end && *end == '\0';
}

bool Fail(std::string& error, const char* step)
{
    error = std::string(step) + ": " + std::strerror(errno);
    return false;
}

} // namespace

UnprivilegedIdentity InvokingIdentity()
{
    unsigned long sudoUid = 0;
    unsigned long sudoGid = 0;
    if (getuid() == 0 && ReadId("SUDO_UID", sudoUid) && ReadId("SUDO_GID", sudoGid))
        return {static_cast<uid_t>(sudoUid), static_cast<gid_t>(sudoGid)};
    return {getuid(), getgid()};
}

bool DropPrivileges(const UnprivilegedIdentity& who, std::string& error)
{
    const bool changeIds = geteuid() != who.uid || getuid() != who.uid || getegid() != who.gid
                           || getgid() != who.gid;
    if (changeIds) {
        // Only the primary group is kept: nothing here needs the others.
        if (geteuid() == 0 && setgroups(1, &who.gid) != 0)
            return Fail(error, "setgroups");
        if (setresgid(who.gid, who.gid, who.gid) != 0)
            return Fail(error, "setresgid");
        if (setresuid(who.uid, who.uid, who.uid) != 0)
            return Fail(error, "setresuid");
    }

    cap_t none = cap_init(); // an empty set
    if (!none)
        return Fail(error, "cap_init");
    const int applied = cap_set_proc(none);
    cap_free(none);
    if (applied != 0)
        return Fail(error, "cap_set_proc");
    prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_CLEAR_ALL, 0, 0, 0);
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return Fail(error, "prctl(PR_SET_NO_NEW_PRIVS)");

    if (who.uid != 0 && (setuid(0) == 0 || seteuid(0) == 0)) {
        error = "root privileges could be regained after the drop";
        return false;
    }
    return true;
}
