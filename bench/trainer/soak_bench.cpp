// SPDX-License-Identifier: GPL-3.0-or-later
// 200 complete drills of a full vocabulary (400 words, 1600 meanings) through the real main window
// on the offscreen platform, each ending with its report. Prints questions per second and the
// process's memory after drills 1, 10, 100 and 200: it should not grow after the first drill.
#include "fullvocabulary.h"
#include "support/scripteddesktop.h"
#include "trainer/shell/frmplugo.h"
#include "trainer/shell/moduleplugo.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double residentMiB()
{
    long pages = 0, resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int drills = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    QTemporaryDir folder;
    for (const char *name : {"smiling.gif", "argtant.gif"})
        QFile::copy(QStringLiteral(PLUGO_DATA_DIR "/") + name, folder.filePath(name));
    const QString vocabulary = folder.filePath(QStringLiteral("full.gls"));
    {
        QFile file(vocabulary);
        if (!file.open(QIODevice::WriteOnly) || file.write(fullVocabulary()) < 0)
            return 1;
    }

    testing_support::ScriptedDesktop desktop;
    desktop.folder = folder.path();
    shell::modulePlugo module;
    shell::frmPlugo window(desktop, module, 2026u);
    window.show();
    auto *nasta = window.findChild<QPushButton *>(QStringLiteral("cmdNasta"));
    auto *ratta = window.findChild<QPushButton *>(QStringLiteral("cmdRatta"));
    auto *answer = window.findChild<QLineEdit *>(QStringLiteral("txtSprak1"));
    desktop.chooseOpen(vocabulary);
    window.findChild<QPushButton *>(QStringLiteral("cmdOpen"))->click();

    std::printf("drill  questions/s  resident MiB  peak MiB\n");
    long questions = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int drill = 1; drill <= drills; ++drill) {
        do {
            nasta->click();
            answer->setText(questions % 5 == 0 ? QStringLiteral("fel") : window.ovning().answer());
            ratta->click();
            ++questions;
            QCoreApplication::processEvents();
        } while (window.ovning().antalfragor() != 0);
        if (desktop.messages().size() != 1 || !QFile::exists(folder.filePath(QStringLiteral("latest_practice.html")))) {
            std::fprintf(stderr, "drill %d did not end with its report and message\n", drill);
            return 1;
        }
        desktop.calls.clear();
        if (drill == 1 || drill == 10 || drill == 100 || drill == 200 || drill == drills) {
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            std::printf("%5d  %11.0f  %12.1f  %8.1f\n", drill, questions / seconds, residentMiB(), peakMiB());
            std::fflush(stdout);
        }
    }
    return 0;
}
