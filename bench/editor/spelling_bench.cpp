// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the spelling of a full vocabulary (400 Swedish words of four English meanings each, one word
// in fifteen misspelt) as the editor's table will when a vocabulary is opened, and prints the times:
// loading the two dictionaries (once, in this fresh process), checking every cell (median of the
// rounds) and the suggestions for one misspelt word.
// Usage: bench_spelling [rounds, default 30]
#include "editor/spelling/dictionaries.h"
#include "editor/spelling/speller.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char *const swedish[] = {
    "hund", "katt", "häst", "fågel", "båt", "bil", "cykel", "skola", "lärare", "elev", "bok", "penna",
    "bord", "stol", "fönster", "dörr", "kök", "sovrum", "trädgård", "blomma", "träd", "skog", "sjö", "hav",
    "berg", "väg", "stad", "land", "väder", "regn", "snö", "sol", "måne", "stjärna", "vinter", "sommar",
    "höst", "vår", "morgon", "kväll", "att springa", "att simma", "att läsa", "att skriva", "att äta",
    "att dricka", "att sova", "att höra", "glad", "ledsen", "stor", "liten", "snabb", "långsam", "varm",
    "kall", "ung", "gammal", "vacker", "ful", "en röd äppel", "ett gult hus", "många böcker", "tre fåglar",
};
const char *const english[] = {
    "dog", "cat", "horse", "bird", "boat", "car", "bicycle", "school", "teacher", "pupil", "book", "pen",
    "table", "chair", "window", "door", "kitchen", "bedroom", "garden", "flower", "tree", "forest", "lake",
    "sea", "mountain", "road", "city", "country", "weather", "rain", "snow", "sun", "moon", "star", "winter",
    "summer", "autumn", "spring", "morning", "evening", "to run", "to swim", "to read", "to write", "to eat",
    "to drink", "to sleep", "to hear", "happy", "sad", "big", "small", "fast", "slow", "warm", "cold",
    "young", "old", "beautiful", "ugly", "a red apple", "a yellow house", "many books", "three birds",
    "receive", "believe", "necessary", "separate", "definitely", "tomorrow",
};

// Every fifteenth cell gets its letters swapped in the middle: "hnud", "tecaher".
QString maybeMisspelt(const char *word, int n)
{
    QString text = QString::fromUtf8(word);
    if (n % 15 == 0 && text.size() >= 4)
        std::swap(text[1], text[2]);
    return text;
}

struct Row {
    QString word;
    QStringList meanings;
};

std::vector<Row> vocabulary()
{
    constexpr int swedishCount = std::size(swedish);
    constexpr int englishCount = std::size(english);
    std::vector<Row> rows;
    int n = 0;
    for (int i = 0; i < 400; ++i) {
        Row row{maybeMisspelt(swedish[i % swedishCount], ++n), {}};
        for (int j = 0; j < 4; ++j)
            row.meanings << maybeMisspelt(english[(i * 4 + j * 7) % englishCount], ++n);
        rows.push_back(row);
    }
    return rows;
}

double ms(qint64 ns)
{
    return static_cast<double>(ns) / 1e6;
}

void print(const char *what, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::printf("%-34s median %8.2f ms   min %8.2f   max %8.2f\n", what, values[values.size() / 2], values.front(),
                values.back());
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    QTemporaryDir personal;
    spelling::Spellers spellers(spelling::dictionaryFolders(QCoreApplication::applicationDirPath()), personal.path());
    const std::vector<Row> rows = vocabulary();

    QElapsedTimer timer;
    timer.start();
    spelling::Speller &first = spellers.forLanguage(u"Svenska");
    spelling::Speller &second = spellers.forLanguage(u"Engelska");
    if (!first.checks() || !second.checks()) {
        std::fprintf(stderr, "%s\n", qPrintable(first.problem() + second.problem()));
        return 1;
    }
    std::printf("dictionaries sv_SE and en_US loaded in %.1f ms\n", ms(timer.nsecsElapsed()));

    std::vector<double> checks;
    int misspelt = 0;
    int words = 0;
    for (int round = 0; round < rounds; ++round) {
        misspelt = 0;
        words = 0;
        timer.restart();
        for (const Row &row : rows) {
            misspelt += int(first.misspeltWords(row.word).size());
            words += int(spelling::splitWords(row.word).size());
            for (const QString &meaning : row.meanings) {
                misspelt += int(second.misspeltWords(meaning).size());
                words += int(spelling::splitWords(meaning).size());
            }
        }
        checks.push_back(ms(timer.nsecsElapsed()));
    }
    std::printf("vocabulary: 400 words, 1600 meanings; %d words checked, %d misspelt; %d rounds\n", words, misspelt,
                rounds);
    print("check every cell (goal < 100 ms)", checks);

    std::vector<double> suggestions;
    for (int round = 0; round < std::min(rounds, 10); ++round) {
        timer.restart();
        second.suggestions(u"tecaher");
        suggestions.push_back(ms(timer.nsecsElapsed()));
    }
    print("suggestions for \"tecaher\"", suggestions);
    return 0;
}
