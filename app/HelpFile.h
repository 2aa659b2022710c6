#pragma once

#include <QString>

// The help file of a program file: the file name's extension replaced by ".HLP",
// or ".HLP" appended when the name has none. Dots in directory names do not count.
QString HelpFileFor(const QString& programPath);
