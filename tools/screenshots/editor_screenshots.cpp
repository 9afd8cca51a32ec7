// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's window with the shipped English vocabulary open, a warning in the status line and
// the cursor in a cell; then its save dialog, the toolkit's own, over a folder of vocabularies.
// Run it under a real X server: tools/take-screenshots.sh does, under the C.UTF-8 locale, so that
// the dialog shows its sizes and dates as every program of Plugo writes them whatever the locale.
#include "editor/editordialogs.h"
#include "editor/glostable.h"
#include "editor/mainwindow.h"
#include "editor/vocabularymodel.h"
#include "platform/product.h"
#include "platform/qtdesktop.h"
#include "platform/swedishtexts.h"
#include "shots.h"
#include "support/scripteddesktop.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace {

// Everything from a script, but the save dialog is the real one.
class RealSaveDialog final : public testing_support::ScriptedDesktop {
public:
    platform::FileDialogResult saveFileDialog(QWidget *owner, const platform::FileDialogOptions &options) override
    {
        return real_.saveFileDialog(owner, options);
    }

private:
    platform::QtDesktop real_;
};

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(platform::programIcon());
    platform::installSwedishTexts(app);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir folder;
    // The shipped samples, dated alike so that the picture does not change with the day it is taken.
    const QDateTime dated(QDate(2026, 12, 9), QTime(13, 14, 59));
    for (const char *name : {"engelska.gls", "svenska.gls", "tyska.gls"}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile::copy(QStringLiteral(PLUGO_BIN_DIR "/") + QString::fromLatin1(name), path);
        QFile file(path);
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(dated, QFileDevice::FileModificationTime);
    }
    const QString path = folder.filePath(QStringLiteral("engelska.gls"));

    RealSaveDialog desktop;
    desktop.folder = folder.path();
    editor::MainWindow window(desktop);
    window.move(40, 40);
    window.resize(760, 520);
    window.show();
    if (!window.openFile(path))
        return 1;
    // A row being typed, as a teacher would leave it: the word is there, with a slip the spelling
    // check marks, and its meaning not yet.
    const int row = window.model().rowCount();
    window.model().insertEmptyRow(row);
    window.model().setCell(row, 0, QStringLiteral("butterfyl"));
    window.table().setCurrentIndex(window.model().index(row, 1));
    window.table().setFocus();
    window.activateWindow();
    settle();
    bool ok = save(window.grab(), out + QStringLiteral("/editor.png"));
    {
        // The import dialog over a spreadsheet's CSV, as Excel in a Swedish locale saves it.
        editor::ImportProposal proposal;
        proposal.fileName = QStringLiteral("franska vecka 3.csv");
        proposal.bytes = QByteArray("la pomme;\xE4pple\r\nla poire;p\xE4ron\r\nle beurre;sm\xF6r\r\nle pain;br\xF6" "d;limpa\r\n"
                                    "le fromage;ost\r\n\"le caf\xE9\";kaffe;\"kaf\xE9, fik\"\r\n");
        proposal.choice.format = exchange::guessFormat(proposal.bytes);
        editor::ImportDialog dialog(proposal, &window);
        dialog.show();
        settle();
        ok = save(dialog.grab(), out + QStringLiteral("/editor-import.png")) && ok;
        exchange::PrintOptions options;
        options.layout = exchange::PrintLayout::Forhor;
        editor::PrintLayoutDialog layout(options, false, &window);
        layout.show();
        settle();
        ok = save(layout.grab(), out + QStringLiteral("/editor-print.png")) && ok;
    }
#ifdef Q_OS_WIN
    // Windows shows its own file dialog, not the toolkit's, which is the one pictured here.
    window.undoStack().setClean();
    return ok ? 0 : 1;
#endif

    // "Spara som…" proposes the file's name; the dialog opens in the working folder, here the samples'.
    // The picture is taken once it lists them.
    QDir::setCurrent(folder.path());
    bool dialogShot = false;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible())
            return;
        poll.stop();
        const auto *view = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        const bool listed = QTest::qWaitFor([&] { return view && view->model()->rowCount(view->rootIndex()) >= 3; });
        settle();
        dialogShot = listed && save(dialog->grab(), out + QStringLiteral("/editor-save-dialog.png"));
        dialog->reject();
    });
    poll.start();
    window.findChild<QAction *>(QStringLiteral("mnuSparaSom"))->trigger();
    window.undoStack().setClean();
    return ok && dialogShot ? 0 : 1;
}
