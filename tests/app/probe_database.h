#pragma once
// A database file filled by the design probe, as the developer fills one.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace app_testing {

// The demonstration design DEMO / NORTH / CH 1.200: one 2000 x 1500 panel
// over a falling segment and a level one.
inline const char *const DemoDesignJson = R"({"CurrentDesign": {"JobCode": "DEMO", "JobSection": "NORTH",
    "SignPos": "CH 1.200", "NumFrontSigns": 1, "SignCode": [null, "G1-1", null, null, null],
    "FrontSignWidth": [0, 2000, 0, 0], "FrontSignDepth": [0, 1500, 0, 0],
    "SegLength": [0, 2000, 4000, 0, 0, 0, 0], "SegDeltaHeight": [0, -500, 0, 0, 0, 0, 0]}})";

// Stores the design given as probe JSON in the database file at `path`.
inline void fillWithProbe(const QString &path, const QByteArray &designJson = DemoDesignJson)
{
    QProcess probe;
    probe.start(QStringLiteral(KELVORA_BINARY_DIR "/tests/tools/design-probe"), {QStringLiteral("--save"), path});
    ASSERT_TRUE(probe.waitForStarted());
    probe.write(designJson);
    probe.closeWriteChannel();
    ASSERT_TRUE(probe.waitForFinished());
    ASSERT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
}

} // namespace app_testing
