// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the trainer's windows with a scripted desktop and saves pictures of them: a drill with a
// wrong answer on show, the settings dialog, and the tooltip of "Avbryt". Run it under a real X
// server (xvfb-run) so the tooltip is drawn: tools/take-screenshots.sh does.
#include "shots.h"
#include "support/scripteddesktop.h"
#include "trainer/shell/frmplugo.h"
#include "trainer/shell/moduleplugo.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <cstdio>

namespace {

// The screen around a window, including anything drawn over it.
QPixmap screenAround(QWidget *window, int margin)
{
    const QRect area = window->frameGeometry().adjusted(-margin, -margin, margin, margin);
    return window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    QTemporaryDir folder;
    for (const char *name : {"smiling.gif", "argtant.gif", "engelska.gls"})
        QFile::copy(QStringLiteral(PLUGO_BIN_DIR "/") + name, folder.filePath(name));

    testing_support::ScriptedDesktop desktop;
    desktop.folder = folder.path();
    shell::modulePlugo module;
    shell::frmPlugo window(desktop, module, 4u);
    window.move(40, 40);
    window.show();
    window.Form_Activate();
    settle();

    // A drill: the first question answered wrongly.
    desktop.chooseOpen(folder.filePath(QStringLiteral("engelska.gls")));
    window.findChild<QPushButton *>(QStringLiteral("cmdOpen"))->click();
    window.findChild<QPushButton *>(QStringLiteral("cmdNasta"))->click();
    auto *answer = window.findChild<QLineEdit *>(QStringLiteral("txtSprak1"));
    answer->setText(QStringLiteral("hose"));
    window.findChild<QPushButton *>(QStringLiteral("cmdRatta"))->click();
    settle();
    bool ok = save(window.grab(), out + QStringLiteral("/trainer-drill.png"));

    // The settings dialog, and the tooltip of "Avbryt".
    window.mnuInst_Click();
    settle();
    QDialog *dialog = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmInst") && w->isVisible())
            dialog = qobject_cast<QDialog *>(w);
    }
    if (!dialog)
        return 1;
    dialog->move(window.frameGeometry().right() + 40, 40);
    settle();
    ok = save(dialog->grab(), out + QStringLiteral("/trainer-settings.png")) && ok;

    auto *avbryt = dialog->findChild<QPushButton *>(QStringLiteral("cmdAvbryt"));
    const QPoint at = avbryt->mapToGlobal(avbryt->rect().center());
    QCursor::setPos(at);
    QToolTip::showText(at, avbryt->toolTip(), avbryt);
    settle(600);
    ok = save(screenAround(dialog, 80), out + QStringLiteral("/trainer-tooltip.png")) && ok;
    dialog->close();
    settle();

    // The rest of the drill, every third answer wrong, red on yellow at size +1: its report.
    module.farg = 2;
    module.textstorlek = 1;
    auto *nasta = window.findChild<QPushButton *>(QStringLiteral("cmdNasta"));
    auto *prompt = window.findChild<QLabel *>(QStringLiteral("lblSprak2"));
    const vocabulary::Ovning &ovning = window.ovning();
    for (int n = 0; ovning.antalfragor() != 0 || n == 0; ++n) {
        nasta->click();
        if (prompt->text().isEmpty() && ovning.antalfragor() == 0)
            break;
        answer->setText(n % 3 == 0 ? QStringLiteral("fel") : ovning.answer());
        window.findChild<QPushButton *>(QStringLiteral("cmdRatta"))->click();
    }
    const QString report = out + QStringLiteral("/latest_practice.html");
    QFile::remove(report);
    if (!QFile::copy(folder.filePath(QStringLiteral("latest_practice.html")), report))
        return 1;
    std::printf("%s\n", qPrintable(report));
    return ok ? 0 : 1;
}
