#include "app/HelpFile.h"

QString HelpFileFor(const QString& programPath)
{
    const qsizetype nameStart = programPath.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = programPath.lastIndexOf(QLatin1Char('.'));
    // A leading dot names a hidden file; it is not an extension.
    const bool hasExtension = dot > nameStart;
    return (hasExtension ? programPath.left(dot) : programPath) + QStringLiteral(".HLP");
}
