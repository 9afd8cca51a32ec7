// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmplugo.h"

#include "clicklabel.h"
#include "companions.h"
#include "frminst.h"
#include "platform/desktop.h"
#include "platform/fixedwindow.h"
#include "platform/formparts.h"
#include "platform/twips.h"
#include "platform/product.h"
#include "trainer/vocabulary/statistik.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace shell {

using platform::twips;
using platform::form::button;
using platform::form::label;
using platform::form::place;

frmPlugo::frmPlugo(platform::Desktop &desktop, modulePlugo &module, std::uint32_t seed, QWidget *parent)
    : QMainWindow(parent), desktop_(desktop), module_(module), web_(desktop),
      drill_(desktop, module, web_, *this, seed), recent_(desktop, module, *this)
{
    setObjectName(QStringLiteral("frmPlugo"));
    setWindowIcon(platform::programIcon());
    buildControls(platform::form::fixedWindow(this, 8670, 2910, platform::form::MinimiseButton::Yes));
    buildMenus();
    module_.addWindow(this);
    Form_Load();
    platform::form::keepSize(this);
}

frmPlugo::~frmPlugo() = default;

void frmPlugo::buildControls(QWidget *client)
{
    QFont normal = QApplication::font();
    normal.setPointSizeF(8.25);
    QFont larger = normal;
    larger.setPointSizeF(9.75);
    setFont(normal);

    cmdOpen = button(client, "cmdOpen", QStringLiteral("Öppna glosfil"), twips(120, 2040, 1332, 372));
    lblSprak2 = label(client, "lblSprak2", twips(120, 480, 4572, 372));
    lblSprak2->setFont(larger);
    cmdNasta = button(client, "cmdNasta", QStringLiteral("Börja"), twips(1800, 2040, 1332, 372));
    cmdNasta->setEnabled(false);
    txtSprak1 = place<QLineEdit>(client, "txtSprak1", twips(84, 1440, 4692, 372));
    txtSprak1->setFont(larger);
    txtSprak1->setReadOnly(true);
    cmdRatta = button(client, "cmdRatta", QStringLiteral("Rätta"), twips(3480, 2040, 1332, 372));
    cmdRatta->setEnabled(false);

    lblVisaSp[1] = place<ClickLabel>(client, "lblVisaSp_1", twips(120, 240, 4572, 252));
    lblVisaSp[0] = place<ClickLabel>(client, "lblVisaSp_0", twips(120, 1200, 4572, 252));
    for (int i = 0; i < 2; ++i) {
        lblVisaSp[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        connect(lblVisaSp[i], &ClickLabel::doubleClicked, this, [this, i] { lblVisaSp_DblClick(i); });
    }
    lblAntalSprak1 = label(client, "lblAntalSprak1", twips(5040, 480, 3492, 252));
    lblKvar = label(client, "lblKvar", twips(5040, 1080, 2412, 252));
    lblGjorda = label(client, "lblGjorda", twips(5040, 1320, 2412, 252));
    lblRatt = label(client, "lblRatt", twips(5040, 1920, 3492, 252));
    lblFel = label(client, "lblFel", twips(5040, 2160, 3492, 252));
    lblProcRatt = label(client, "lblProcRatt", twips(5040, 2520, 3492, 252));
    lblAntalSprak2 = label(client, "lblAntalSprak2", twips(5040, 240, 3492, 252));
    lblRattsvar = label(client, "lblRattsvar", twips(120, 2520, 4452, 252));
    lblRattsvar->setFont(larger);
    imgBra = label(client, "imgBra", twips(7800, 960, 732, 732));

    setTabOrder(cmdOpen, cmdNasta);
    setTabOrder(cmdNasta, txtSprak1);
    setTabOrder(txtSprak1, cmdRatta);
    cmdOpen->setFocus();

    connect(cmdOpen, &QPushButton::clicked, this, &frmPlugo::cmdOpen_Click);
    connect(cmdNasta, &QPushButton::clicked, this, &frmPlugo::cmdNasta_Click);
    connect(cmdRatta, &QPushButton::clicked, this, &frmPlugo::cmdRatta_Click);
    txtSprak1->installEventFilter(this);
}

void frmPlugo::buildMenus()
{
    auto menu = [this](const char *name, const QString &title) { return platform::form::menu(this, name, title); };
    auto item = [this](QMenu *m, const char *name, const QString &caption, void (frmPlugo::*handler)()) {
        return platform::form::menuItem(m, this, name, caption, handler);
    };

    QMenu *arkiv = menu("mnuArkiv", QStringLiteral("Arkiv"));
    mnuOpen = item(arkiv, "mnuOpen", QStringLiteral("Öppna glosfil"), &frmPlugo::cmdOpen_Click);
    mnuNasta = item(arkiv, "mnuNasta", QStringLiteral("Börja"), &frmPlugo::cmdNasta_Click);
    mnuNasta->setEnabled(false);
    mnuRatta = item(arkiv, "mnuRatta", QStringLiteral("Rätta"), &frmPlugo::cmdRatta_Click);
    mnuRatta->setEnabled(false);
    mnuSlut = item(arkiv, "mnuSlut", QStringLiteral("Avsluta"), &frmPlugo::mnuSlut_Click);

    QMenu *tidigareMenu = menu("mnuTidigare", QStringLiteral("Tidigare"));
    for (int i = 0; i < 10; ++i) {
        mnuT[i] = tidigareMenu->addAction(i == 0 ? QStringLiteral("<tomt>") : QString());
        mnuT[i]->setObjectName(QStringLiteral("mnuT_%1").arg(i));
        mnuT[i]->setVisible(i == 0);
        connect(mnuT[i], &QAction::triggered, this, [this, i] { mnuT_Click(i); });
    }

    QMenu *web = menu("mnuWeb", QStringLiteral("Websida"));
    mnuSparaweb = item(web, "mnuSparaweb", QStringLiteral("Spara som websida"), &frmPlugo::mnuSparaweb_Click);
    mnuOppnaweb = item(web, "mnuOppnaweb", QStringLiteral("Öppna websida"), &frmPlugo::mnuOppnaweb_Click);
    mnuOvning = item(web, "mnuOvning", QStringLiteral("Öppna senaste övning som websida"), &frmPlugo::mnuOvning_Click);

    QMenu *verktyg = menu("mnuVarktyg", QStringLiteral("Verktyg"));
    mnuInst = item(verktyg, "mnuInst", QStringLiteral("Inställningar"), &frmPlugo::mnuInst_Click);

    QMenu *red = menu("mnuRed", QStringLiteral("Redigera"));
    mnuEdit = item(red, "mnuEdit", QStringLiteral("Öppna Editorn"), &frmPlugo::mnuEdit_Click);

    QMenu *help = menu("mnuHelp", QStringLiteral("Hjälp"));
    mnuGhelp = item(help, "mnuGhelp", QStringLiteral("Hjälp om Plugo"), &frmPlugo::mnuGhelp_Click);
}

// --- The window's life -----------------------------------------------------------------------

void frmPlugo::Form_Load()
{
    module_.start(desktop_);
    setWindowTitle(platform::productTitle());
    lblVisaSp[1]->clear();
    lblVisaSp[0]->clear();
    lblSprak2->setText(QStringLiteral("Välkommen till ") + platform::productTitle());
    for (QLabel *lbl : {lblRattsvar, lblAntalSprak2, lblAntalSprak1, lblKvar, lblGjorda, lblRatt, lblFel, lblProcRatt})
        lbl->setText(QString());
    recent_.load();
}

void frmPlugo::Form_Activate()
{
    module_.applyTips();
    recent_.finnskoll();
}

void frmPlugo::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmPlugo::Form_Unload()
{
    if (closing_)
        return;
    closing_ = true;
    recent_.save();
    if (frmInst_)
        frmInst_->close();
}

void frmPlugo::mnuSlut_Click()
{
    // The same closing steps as the close box, so files opened in this session stay listed.
    Form_Unload();
    desktop_.endProgram();
}

void frmPlugo::mnuInst_Click()
{
    setEnabled(false);
    auto *dialog = new frmInst(desktop_, module_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    frmInst_ = dialog;
    module_.addWindow(dialog);
    connect(dialog, &QDialog::finished, this, &frmPlugo::settingsClosed);
    platform::form::centreOnScreen(dialog, screen());
    dialog->show();
    dialog->activateWindow();
}

void frmPlugo::settingsClosed()
{
    if (frmInst_) {
        frmInst_->deleteLater();
        frmInst_ = nullptr;
    }
    setEnabled(true);
    if (closing_)
        return;
    // The main window is the active one again: changed settings take effect at once.
    activateWindow();
    Form_Activate();
}

// --- Commands --------------------------------------------------------------------------------

void frmPlugo::cmdOpen_Click()
{
    if (drill_.oppna())
        recent_.tidigare(drill_.filnamn());
}

void frmPlugo::cmdNasta_Click()
{
    drill_.nextQuestion();
}

void frmPlugo::cmdRatta_Click()
{
    drill_.check();
}

bool frmPlugo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtSprak1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            cmdRatta_Click();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmPlugo::lblVisaSp_DblClick(int)
{
    drill_.reveal();
}

void frmPlugo::mnuT_Click(int index)
{
    if (const std::optional<QString> path = recent_.pick(mnuT[index]->text(), mnuT[index]->data().toString()))
        drill_.oppnadirekt(*path);
}

void frmPlugo::mnuSparaweb_Click()
{
    web_.sparaweb(this, pageSettings(module_), drill_.ovning(), drill_.filnamn());
}

void frmPlugo::mnuOppnaweb_Click()
{
    web_.oppnaweb(this, pageSettings(module_));
}

void frmPlugo::mnuOvning_Click()
{
    web_.ovning(this, pageSettings(module_));
}

void frmPlugo::mnuEdit_Click()
{
    startEditor(desktop_, module_, this);
}

void frmPlugo::mnuGhelp_Click()
{
    openHelp(desktop_, module_, this);
}

// --- PlugoView -------------------------------------------------------------------------------

void frmPlugo::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void frmPlugo::setLanguageNames(const QString &sprak1, const QString &sprak2)
{
    lblVisaSp[0]->setText(sprak1);
    lblVisaSp[1]->setText(sprak2);
}

void frmPlugo::setPrompt(const QString &text)
{
    lblSprak2->setText(text);
}

void frmPlugo::setFeedback(const QString &text)
{
    lblRattsvar->setText(text);
}

void frmPlugo::setVocabularySize(const QString &words, const QString &meanings)
{
    lblAntalSprak2->setText(words);
    lblAntalSprak1->setText(meanings);
}

void frmPlugo::showStatistics(const vocabulary::Statistik &statistik)
{
    lblGjorda->setText(statistik.gjorda);
    lblKvar->setText(statistik.kvar);
    lblRatt->setText(statistik.ratt);
    lblFel->setText(statistik.fel);
    lblProcRatt->setText(statistik.procenttext);
}

void frmPlugo::showPicture(const QImage &picture)
{
    imgBra->setPixmap(QPixmap::fromImage(picture));
}

void frmPlugo::clearPicture()
{
    imgBra->clear();
}

QString frmPlugo::answerText() const
{
    return txtSprak1->text();
}

void frmPlugo::setAnswerText(const QString &text)
{
    txtSprak1->setText(text);
}

void frmPlugo::clearAnswer()
{
    txtSprak1->clear();
}

void frmPlugo::setAnswerReadOnly(bool readOnly)
{
    txtSprak1->setReadOnly(readOnly);
}

void frmPlugo::setNextCaption(const QString &caption)
{
    cmdNasta->setText(caption);
    mnuNasta->setText(caption);
}

void frmPlugo::setNextButtonCaption(const QString &caption)
{
    cmdNasta->setText(caption);
}

void frmPlugo::setNextEnabled(bool enabled)
{
    cmdNasta->setEnabled(enabled);
    mnuNasta->setEnabled(enabled);
}

void frmPlugo::setCheckEnabled(bool enabled)
{
    cmdRatta->setEnabled(enabled);
    mnuRatta->setEnabled(enabled);
}

void frmPlugo::focusNext()
{
    cmdNasta->setFocus();
}

void frmPlugo::focusAnswer()
{
    txtSprak1->setFocus();
}

void frmPlugo::showRecentFiles(const QStringList &captions, const QStringList &paths)
{
    mnuT[0]->setText(captions.isEmpty() ? QStringLiteral("<tomt>") : captions[0]);
    mnuT[0]->setData(paths.isEmpty() ? QString() : paths[0]);
    mnuT[0]->setVisible(true);
    for (int i = 1; i < 10; ++i) {
        const bool listed = i < paths.size();
        mnuT[i]->setText(listed ? captions[i] : QString());
        mnuT[i]->setData(listed ? paths[i] : QString());
        mnuT[i]->setVisible(listed);
    }
}

}  // namespace shell
