// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "moduleplugo.h"
#include "tidigarefiler.h"
#include "trainer/web/webcommands.h"
#include "trainer/vocabulary/ovning.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace platform {
class Desktop;
}

namespace shell {

class ClickLabel;
class frmInst;

// The trainer's main window: the vocabulary, the drill and every command.
class frmPlugo : public QMainWindow {
    Q_OBJECT
public:
    frmPlugo(platform::Desktop &desktop, modulePlugo &module, std::uint32_t seed = std::random_device{}(),
             QWidget *parent = nullptr);
    ~frmPlugo() override;

    // Runs when the window becomes the program's active window: at start, and when the settings
    // dialog has closed.
    void Form_Activate();

    // The settings dialog has closed: the main window takes over again.
    void settingsClosed();

    const vocabulary::Ovning &ovning() const { return ovning_; }
    const tidigarefiler &recentFiles() const { return tidigarefiler_; }
    const QString &filnamn() const { return filnamn_; }
    QString procenttext() const { return procenttext_; }

    // Command handlers; a button and its menu item call the same one.
    void cmdOpen_Click();
    void mnuOpen_Click();
    void cmdNasta_Click();
    void mnuNasta_Click();
    void cmdRatta_Click();
    void mnuRatta_Click();
    void lblVisaSp_DblClick(int index);
    void mnuSlut_Click();
    void mnuInst_Click();
    void mnuT_Click(int index);
    void mnuSparaweb_Click();
    void mnuOppnaweb_Click();
    void mnuOvning_Click();
    void mnuEdit_Click();
    void mnuGhelp_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void Form_Load();
    QString keptFolder() const;
    void Form_Unload();

    void oppna();
    bool oppnadirekt(const QString &path);
    void nasta();
    void ratta();
    void raknaut();
    void showVocabularySize();
    bool senasteovn();
    void tidigare();
    void finnskoll();

    void loadRecentFiles();
    void saveRecentFiles();
    void rebuildRecentMenu(const QStringList &entries);
    void nextQuestionCommand();
    void checkCommand();
    bool showPicture(const QString &name);
    void setNextEnabled(bool enabled);
    void setCheckEnabled(bool enabled);
    // The settings and folders the page commands work with, as they are now.
    web::PageSettings pageSettings() const;

    platform::Desktop &desktop_;
    modulePlugo &module_;
    vocabulary::Ovning ovning_;
    QString filnamn_;
    QString procenttext_;
    web::WebCommands web_;
    tidigarefiler tidigarefiler_;
    QPointer<frmInst> frmInst_;
    bool closing_ = false;

    QPushButton *cmdOpen = nullptr;
    QPushButton *cmdNasta = nullptr;
    QPushButton *cmdRatta = nullptr;
    QLineEdit *txtSprak1 = nullptr;
    QLabel *lblSprak2 = nullptr;
    std::array<ClickLabel *, 2> lblVisaSp{};
    QLabel *lblAntalSprak1 = nullptr;
    QLabel *lblAntalSprak2 = nullptr;
    QLabel *lblKvar = nullptr;
    QLabel *lblGjorda = nullptr;
    QLabel *lblRatt = nullptr;
    QLabel *lblFel = nullptr;
    QLabel *lblProcRatt = nullptr;
    QLabel *lblRattsvar = nullptr;
    QLabel *imgBra = nullptr;

    QAction *mnuOpen = nullptr;
    QAction *mnuNasta = nullptr;
    QAction *mnuRatta = nullptr;
    QAction *mnuSlut = nullptr;
    std::array<QAction *, 10> mnuT{};
    QAction *mnuSparaweb = nullptr;
    QAction *mnuOppnaweb = nullptr;
    QAction *mnuOvning = nullptr;
    QAction *mnuInst = nullptr;
    QAction *mnuEdit = nullptr;
    QAction *mnuGhelp = nullptr;
};

}  // namespace shell
