#pragma once

#include <QString>

// The program's own strings by id; an unknown id gives an empty string.
QString LoadResourceString(int id);

// Shown when the help viewer cannot be started.
constexpr int AFX_IDP_FAILED_TO_LAUNCH_HELP = 61703;
