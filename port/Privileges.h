#pragma once

#include <string>
#include <sys/types.h>

// Who the program should run as once the port permission is held.
struct UnprivilegedIdentity {
    uid_t uid;
    gid_t gid;
};

// Under sudo, the invoking user (SUDO_UID, SUDO_GID); in a set-user-id program,
// the real user; otherwise the user the program already runs as.
UnprivilegedIdentity InvokingIdentity();

// Gives up every privilege for good: supplementary groups, group and user ids
// (when they differ from the target), and all capabilities, with no way back
// through exec. Returns false with a reason when any step fails.
bool DropPrivileges(const UnprivilegedIdentity& who, std::string& error);
