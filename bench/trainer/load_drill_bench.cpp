// SPDX-License-Identifier: GPL-3.0-or-later
// Loads a full vocabulary (400 words, 1600 meanings) again and again, then runs complete drills over
// it through the vocabulary classes, and prints the time per load and per question.
#include "fullvocabulary.h"
#include "vocabfile/glosor.h"
#include "trainer/vocabulary/ovning.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

namespace {

double seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.gls"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(fullVocabulary()) < 0)
            return 1;
    }

    const int loads = 200;
    auto start = std::chrono::steady_clock::now();
    int words = 0;
    for (int i = 0; i < loads; ++i)
        words += vocabulary::loadVocabularyFile(path).glosor->antalord();
    const double loadTime = seconds(std::chrono::steady_clock::now() - start) / loads;

    const vocabulary::Glosor glosor = *vocabulary::loadVocabularyFile(path).glosor;
    vocabulary::Ovning ovning(42);
    const int drills = 20;
    long questions = 0;
    start = std::chrono::steady_clock::now();
    for (int d = 0; d < drills; ++d) {
        ovning.take(glosor);
        while (!ovning.drillEnded()) {
            ovning.nasta();
            const bool right = ovning.isRight(questions % 3 == 0 ? QStringLiteral("fel") : ovning.answer());
            ovning.count(right);
            if (!right)
                ovning.markMissed();
            ovning.finishQuestion();
            ++questions;
        }
    }
    const double drillTime = seconds(std::chrono::steady_clock::now() - start);

    std::printf("vocabulary: %d words, %d meanings, %lld bytes\n", glosor.antalord(), glosor.summabet(),
                static_cast<long long>(QFile(path).size()));
    std::printf("load:       %.3f ms per load (%d loads, %d words read)\n", loadTime * 1e3, loads, words);
    std::printf("drill:      %.3f us per question (%ld questions in %d complete drills)\n",
                drillTime / questions * 1e6, questions, drills);
    std::printf("            %.1f ms per complete 1600-question drill\n", drillTime / drills * 1e3);
    return 0;
}
