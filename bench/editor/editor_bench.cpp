// SPDX-License-Identifier: GPL-3.0-or-later
// Opens, shows and saves a full vocabulary (400 words, 1600 meanings) in the editor's window, round
// after round, and prints the times: open (read and parse into the table), open and first paint of
// the filled table (after the window is built, which is timed apart), save after a change (writer, encoding, atomic replace) and save unchanged.
// The first round, in a fresh process, is printed apart: it pays for fonts and styles.
// Usage: bench_editor [rounds, default 30]; QT_QPA_PLATFORM picks the display (offscreen when there is no DISPLAY).
#include "editor/glostable.h"
#include "editor/mainwindow.h"
#include "editor/vocabularymodel.h"
#include "fullvocabulary.h"
#include "platform/desktop.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Nothing here waits for a user.
class BenchDesktop final : public platform::Desktop {
public:
    int messageBox(QWidget *, const QString &text, const QString &, int) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return platform::AnswerOk;
    }
    platform::FileDialogResult openFileDialog(QWidget *, const platform::FileDialogOptions &) override { return {}; }
    platform::FileDialogResult saveFileDialog(QWidget *, const platform::FileDialogOptions &) override { return {}; }
    void openDocument(QWidget *, const QString &, const QString &) override {}
    bool startProgram(const QString &, const QString &) override { return false; }
    QString programFolder() const override { return QDir::currentPath(); }
    bool fileExists(const QString &path) const override { return QFile::exists(path); }
    std::optional<QDateTime> fileTimestamp(const QString &) const override { return std::nullopt; }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    QString shortDate(const QDate &date) const override { return date.toString(Qt::ISODate); }
    std::optional<QImage> loadPicture(const QString &) const override { return std::nullopt; }
    void endProgram() override {}
};

// Becomes true once the table's cells have been painted.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

struct Round {
    double build, open, openAndPaint, saveChanged, saveUnchanged;
};

double ms(qint64 ns)
{
    return static_cast<double>(ns) / 1e6;
}

Round oneRound(BenchDesktop &desktop, const QString &path, const QString &target)
{
    Round round{};
    QElapsedTimer timer;
    timer.start();
    editor::MainWindow window(desktop);
    round.build = ms(timer.nsecsElapsed());
    PaintWatch watch;
    window.table().viewport()->installEventFilter(&watch);
    timer.restart();
    if (!window.openFile(path))
        std::exit(1);
    round.open = ms(timer.nsecsElapsed());
    window.show();
    QElapsedTimer guard;
    guard.start();
    while (!watch.painted && guard.elapsed() < 10000)
        QApplication::processEvents();
    round.openAndPaint = ms(timer.nsecsElapsed());

    timer.restart();
    if (!window.spara())
        std::exit(1);
    round.saveUnchanged = ms(timer.nsecsElapsed());
    timer.restart();
    // One change, so that the whole vocabulary goes through the writer.
    if (!window.model().setCell(0, 0, QStringLiteral("ordet nummer 1 på svenska ")) || !window.spara())
        std::exit(1);
    round.saveChanged = ms(timer.nsecsElapsed());
    QFile::remove(target);
    window.undoStack().setClean();
    return round;
}

void print(const char *what, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::printf("%-28s median %7.2f ms   min %7.2f   max %7.2f\n", what, values[values.size() / 2], values.front(),
                values.back());
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.gls"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(fullVocabulary()) < 0)
            return 1;
    }
    BenchDesktop desktop;
    std::printf("vocabulary: 400 words, 1600 meanings, %lld bytes; platform %s\n",
                static_cast<long long>(QFile(path).size()), qPrintable(QApplication::platformName()));

    const QString copy = dir.filePath(QStringLiteral("copy.gls"));
    std::vector<double> build, open, paint, changed, unchanged;
    for (int i = 0; i <= rounds; ++i) {
        QFile::remove(copy);
        QFile::copy(path, copy);
        const Round round = oneRound(desktop, copy, copy);
        if (i == 0) {
            std::printf("first round: window built %.2f ms, open %.2f ms, open and paint %.2f ms, save unchanged %.2f ms, "
                        "save changed %.2f ms\n",
                        round.build, round.open, round.openAndPaint, round.saveUnchanged, round.saveChanged);
            continue;
        }
        build.push_back(round.build);
        open.push_back(round.open);
        paint.push_back(round.openAndPaint);
        changed.push_back(round.saveChanged);
        unchanged.push_back(round.saveUnchanged);
    }
    std::printf("over %d further rounds:\n", rounds);
    print("window built", build);
    print("open", open);
    print("open and first paint", paint);
    print("save unchanged", unchanged);
    print("save changed (writer)", changed);
    return 0;
}
