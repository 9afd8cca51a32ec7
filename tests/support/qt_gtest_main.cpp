// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry for suites that need a QApplication: widgets are real, the platform is offscreen.
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Each test program's own settings, "VAR=value", ending with nullptr.
extern const char *const plugoTestEnvironment[];

int main(int argc, char **argv)
{
    for (const char *const *setting = plugoTestEnvironment; *setting; ++setting) {
        const QByteArray entry(*setting);
        const qsizetype equals = entry.indexOf('=');
        if (equals > 0 && equals + 1 < entry.size())
            qputenv(entry.left(equals).constData(), entry.mid(equals + 1));
        else if (equals > 0)
            qunsetenv(entry.left(equals).constData());
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A runtime folder of the test's own, private as Qt wants it.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
