// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmplugo.h"

#include "clicklabel.h"
#include "frminst.h"
#include "platform/atomicfile.h"
#include "platform/desktop.h"
#include "platform/formparts.h"
#include "platform/twips.h"
#include "platform/product.h"
#include "trainer/vocabulary/statistik.h"
#include "trainer/vocabulary/texts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace shell {

using platform::trimSpaces;
using platform::form::button;
using platform::form::label;
using platform::form::place;
using platform::twips;
using platform::twipsToPixels;

namespace {

QString emptyText()
{
    return QString();
}

}  // namespace

frmPlugo::frmPlugo(platform::Desktop &desktop, modulePlugo &module, std::uint32_t seed, QWidget *parent)
    : QMainWindow(parent), desktop_(desktop), module_(module), ovning_(seed), web_(desktop)
{
    setObjectName(QStringLiteral("frmPlugo"));
    setWindowIcon(platform::programIcon());
    // A fixed single border: a minimise button, no maximise button, no resizing.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    buildControls();
    buildMenus();
    module_.addWindow(this);
    Form_Load();
    adjustSize();
    setFixedSize(size());
}

frmPlugo::~frmPlugo() = default;

void frmPlugo::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(8670), twipsToPixels(2910));
    setCentralWidget(client);

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
    mnuOpen = item(arkiv, "mnuOpen", QStringLiteral("Öppna glosfil"), &frmPlugo::mnuOpen_Click);
    mnuNasta = item(arkiv, "mnuNasta", QStringLiteral("Börja"), &frmPlugo::mnuNasta_Click);
    mnuNasta->setEnabled(false);
    mnuRatta = item(arkiv, "mnuRatta", QStringLiteral("Rätta"), &frmPlugo::mnuRatta_Click);
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

void frmPlugo::Form_Load()
{
    module_.programmapp = trimSpaces(desktop_.programFolder());
    module_.keptFolder = keptFolder();
    setWindowTitle(platform::productTitle());
    lblVisaSp[1]->clear();
    lblVisaSp[0]->clear();
    lblSprak2->setText(QStringLiteral("Välkommen till ") + platform::productTitle());
    for (QLabel *lbl : {lblRattsvar, lblAntalSprak2, lblAntalSprak1, lblKvar, lblGjorda, lblRatt, lblFel, lblProcRatt})
        lbl->setText(emptyText());
    module_.readSettings();
    loadRecentFiles();
}

QString frmPlugo::keptFolder() const
{
    if (desktop_.isFolderWritable(module_.programmapp))
        return module_.programmapp;
    const QString own = desktop_.userDataFolder();
    if (!own.isEmpty() && QDir().mkpath(own) && desktop_.isFolderWritable(own))
        return own;
    // Nowhere to write: the program folder all the same; every write there fails quietly.
    return module_.programmapp;
}

void frmPlugo::Form_Activate()
{
    module_.applyTips();
    finnskoll();
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
    saveRecentFiles();
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
    if (const QScreen *screen = this->screen()) {
        QRect frame = dialog->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        dialog->move(frame.topLeft());
    }
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

// --- Loading ---------------------------------------------------------------------------------

void frmPlugo::cmdOpen_Click()
{
    oppna();
}

void frmPlugo::mnuOpen_Click()
{
    oppna();
}

void frmPlugo::oppna()
{
    platform::FileDialogOptions options;
    options.title = QStringLiteral("glosfil skall öppnas");
    options.filter = QStringLiteral("glosfil (*.gls)|*.gls");
    const platform::FileDialogResult chosen = desktop_.openFileDialog(this, options);
    // A cancelled or failed load leaves everything as it was.
    if (chosen.cancelled || !oppnadirekt(chosen.path))
        return;
    tidigare();
}

bool frmPlugo::oppnadirekt(const QString &path)
{
    vocabulary::LoadResult loaded = vocabulary::loadVocabularyFile(path);
    if (!loaded.glosor)
        return false;

    // The whole file has been read: only now does the drill in progress end.
    ovning_.take(std::move(*loaded.glosor));
    filnamn_ = path;
    txtSprak1->clear();

    const vocabulary::Glosor &glosor = ovning_.glosor();
    lblVisaSp[0]->setText(glosor.sprak1);
    lblVisaSp[1]->setText(glosor.sprak2);
    showVocabularySize();
    for (QLabel *lbl : {lblKvar, lblGjorda, lblRatt, lblFel, lblProcRatt})
        lbl->setText(emptyText());
    setWindowTitle(platform::productTitle() + QStringLiteral(" - ") + trimSpaces(filnamn_));
    raknaut();
    lblSprak2->setText(emptyText());
    cmdNasta->setText(QStringLiteral("Börja"));
    mnuNasta->setText(QStringLiteral("Börja"));
    setNextEnabled(true);
    // A question of the old vocabulary can no longer be checked.
    setCheckEnabled(false);
    txtSprak1->setReadOnly(true);
    cmdNasta->setFocus();
    return true;
}

// --- The drill -------------------------------------------------------------------------------

void frmPlugo::cmdNasta_Click()
{
    nextQuestionCommand();
}

void frmPlugo::mnuNasta_Click()
{
    nextQuestionCommand();
}

void frmPlugo::nextQuestionCommand()
{
    if (ovning_.questionOnShow())
        return;
    // No words, or words without a single meaning: there is nothing to ask.
    if (ovning_.antalord() == 0 || !ovning_.hasUnasked()) {
        desktop_.messageBox(this, vocabulary::emptyVocabularyText(filnamn_), vocabulary::emptyVocabularyTitle(),
                            platform::MsgOk);
        return;
    }
    nasta();
}

void frmPlugo::nasta()
{
    if (!ovning_.nasta())
        return;
    lblSprak2->setText(ovning_.prompt());
    cmdNasta->setText(QStringLiteral("Nästa"));
    mnuNasta->setText(QStringLiteral("Nästa"));
    setNextEnabled(false);
    setCheckEnabled(true);
    txtSprak1->setReadOnly(false);
    txtSprak1->clear();
    txtSprak1->setFocus();
}

void frmPlugo::cmdRatta_Click()
{
    checkCommand();
}

void frmPlugo::mnuRatta_Click()
{
    checkCommand();
}

void frmPlugo::checkCommand()
{
    if (trimSpaces(txtSprak1->text()).isEmpty()) {
        txtSprak1->setFocus();
        return;
    }
    if (ovning_.questionOnShow())
        ratta();
}

bool frmPlugo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtSprak1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (trimSpaces(txtSprak1->text()).isEmpty())
                txtSprak1->setFocus();
            else if (ovning_.questionOnShow())  // never a second check of the same question
                ratta();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmPlugo::lblVisaSp_DblClick(int)
{
    if (ovning_.ordnr() == 0)
        return;
    if (trimSpaces(txtSprak1->text()) == vocabulary::revealPhrase())
        txtSprak1->setText(ovning_.post(ovning_.ordnr()).ord);
}

bool frmPlugo::showPicture(const QString &name)
{
    const QString path = module_.fileInFolder(name);
    if (!desktop_.fileExists(path))
        return false;
    const std::optional<QImage> picture = desktop_.loadPicture(path);
    if (!picture)
        return false;
    imgBra->setPixmap(QPixmap::fromImage(*picture));
    return true;
}

void frmPlugo::ratta()
{
    const bool right = ovning_.isRight(txtSprak1->text());
    ovning_.count(right);
    lblRattsvar->setText(right ? vocabulary::rightAnswerText() : vocabulary::wrongAnswerText(ovning_.answer()));
    if (!showPicture(right ? QStringLiteral("smiling.gif") : QStringLiteral("argtant.gif"))) {
        // The question stays on show to be checked again, and must then be counted once only.
        ovning_.uncount(right);
        desktop_.messageBox(this, vocabulary::checkFailedText(), vocabulary::checkFailedTitle(), platform::MsgOkStop);
        return;
    }
    if (!right)
        ovning_.markMissed();
    ovning_.finishQuestion();
    raknaut();
    setNextEnabled(true);
    setCheckEnabled(false);
    cmdNasta->setText(QStringLiteral("Nästa"));

    if (ovning_.drillEnded()) {
        // The drill ends even when its report could not be written.
        if (!senasteovn())
            desktop_.messageBox(this, vocabulary::checkFailedText(), vocabulary::checkFailedTitle(),
                                platform::MsgOkStop);
        const vocabulary::Glosor &glosor = ovning_.glosor();
        desktop_.messageBox(this,
                            vocabulary::endOfDrillText(glosor.sprak1, glosor.sprak2, ovning_.antalratt(),
                                                       ovning_.summabet(), procenttext_),
                            vocabulary::endOfDrillTitle(), platform::MsgOk);
        ovning_.newDrill();
        imgBra->clear();
        showVocabularySize();
        txtSprak1->clear();
        lblSprak2->setText(emptyText());
        lblRattsvar->setText(emptyText());
        raknaut();
        cmdNasta->setText(QStringLiteral("Börja"));
    }
    cmdNasta->setFocus();
    txtSprak1->setReadOnly(true);
}

void frmPlugo::showVocabularySize()
{
    const vocabulary::Glosor &glosor = ovning_.glosor();
    lblAntalSprak2->setText(glosor.sprak1 + QStringLiteral(" glosor: ") + QString::number(ovning_.antalord()));
    lblAntalSprak1->setText(glosor.sprak2 + QStringLiteral(" betydelser: ") + QString::number(ovning_.summabet()));
}

void frmPlugo::raknaut()
{
    const vocabulary::Statistik s = vocabulary::raknaut(ovning_.antalratt(), ovning_.antalfel(), ovning_.summabet());
    lblGjorda->setText(s.gjorda);
    lblKvar->setText(s.kvar);
    lblRatt->setText(s.ratt);
    lblFel->setText(s.fel);
    procenttext_ = s.procenttext;
    lblProcRatt->setText(procenttext_);
}

web::PageSettings frmPlugo::pageSettings() const
{
    return {module_.farg, module_.textstorlek, module_.programmapp, module_.keptFolderPath()};
}

bool frmPlugo::senasteovn()
{
    return web_.senasteovn(pageSettings(), ovning_, filnamn_, procenttext_);
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

// --- Recent files ----------------------------------------------------------------------------

void frmPlugo::loadRecentFiles()
{
    const QString path = module_.keptFile(QStringLiteral("recentg.txt"));
    if (!desktop_.fileExists(path))
        return;
    QFile file(path);
    // A list that cannot be read is an empty list; the program goes on.
    if (!file.open(QIODevice::ReadOnly))
        return;
    tidigarefiler_ = tidigarefiler::parse(decodeRecentFile(file.read(64 * 1024)));
    finnskoll();
}

void frmPlugo::saveRecentFiles()
{
    // Replaced whole or not at all; a folder that cannot be written keeps the old list.
    platform::writeFileAtomically(module_.keptFile(QStringLiteral("recentg.txt")),
                                  encodeRecentFile(tidigarefiler_.serialize()));
}

void frmPlugo::tidigare()
{
    if (tidigarefiler_.add(filnamn_))
        finnskoll();
}

void frmPlugo::finnskoll()
{
    const int count = tidigarefiler_.closeUp([this](const QString &path) { return desktop_.fileExists(path); });
    if (count == 0)
        return;
    rebuildRecentMenu(tidigarefiler_.entries());
}

void frmPlugo::rebuildRecentMenu(const QStringList &entries)
{
    mnuT[0]->setText(entries.isEmpty() ? QStringLiteral("<tomt>") : recentCaption(entries[0], module_.barafilnamn));
    mnuT[0]->setData(entries.isEmpty() ? QString() : entries[0]);
    mnuT[0]->setVisible(true);
    for (int i = 1; i < 10; ++i) {
        const bool listed = i < entries.size();
        mnuT[i]->setText(listed ? recentCaption(entries[i], module_.barafilnamn) : QString());
        mnuT[i]->setData(listed ? entries[i] : QString());
        mnuT[i]->setVisible(listed);
    }
}

void frmPlugo::mnuT_Click(int index)
{
    if (mnuT[index]->text() == QStringLiteral("<tomt>"))
        return;
    // The entry that was clicked, as the menu showed it, even if the list has closed up since.
    const QString clicked = mnuT[index]->data().toString();
    finnskoll();
    if (!desktop_.fileExists(trimSpaces(clicked))) {
        // Gone since the menu was built: it has dropped out of the list; nothing else changes.
        rebuildRecentMenu(tidigarefiler_.entries());
        return;
    }
    oppnadirekt(clicked);
}

// --- Companion programs and help -------------------------------------------------------------

void frmPlugo::mnuEdit_Click()
{
    const QString editor = module_.fileInFolder(platform::programFileName(QStringLiteral("editor")));
    if (!desktop_.fileExists(editor)) {
        desktop_.messageBox(this,
                            QStringLiteral("Vuzuvevizaduvareziv (editor.exe) hittas inte. Kanske har filen flyttats "
                                           "eller blivit trasig.\nGå till programmets hemsida och ladda hem en ny "
                                           "version."),
                            QStringLiteral("Fel - Fil hittas inte"), platform::MsgOk);
        return;
    }
    if (!desktop_.startProgram(editor, desktop_.programFolder()))
        desktop_.messageBox(this,
                            QStringLiteral("Vuzuvevizaduvareziv (editor.exe) kunde inte startas. Kanske har filen "
                                           "blivit trasig.\nGå till programmets hemsida och ladda hem en ny version."),
                            QStringLiteral("Fel - Kan inte starta"), platform::MsgOk);
}

void frmPlugo::mnuGhelp_Click()
{
    desktop_.openDocument(this, module_.fileInFolder(QStringLiteral("plugo.html")), desktop_.programFolder());
}
void frmPlugo::mnuSparaweb_Click()
{
    web_.sparaweb(this, pageSettings(), ovning_, filnamn_);
}

void frmPlugo::mnuOppnaweb_Click()
{
    web_.oppnaweb(this, pageSettings());
}

void frmPlugo::mnuOvning_Click()
{
    web_.ovning(this, pageSettings());
}

}  // namespace shell
