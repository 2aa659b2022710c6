#pragma once

#include "port/RecordingPort.h"

#include <QString>
#include <QTest>
#include <vector>

// Lets QCOMPARE print register traffic readably when it differs.
namespace QTest {
template <>
inline char* toString(const std::vector<PortAccess>& log)
{
    QString text;
    for (const PortAccess& access : log)
        text += QString::fromStdString(FormatAccess(access)) + QLatin1String("; ");
    return qstrdup(text.toLocal8Bit().constData());
}
} // namespace QTest
