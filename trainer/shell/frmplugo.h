// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill.h"
#include "moduleplugo.h"
#include "plugoview.h"
#include "recentfiles.h"
#include "trainer/web/webcommands.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <random>

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

// The trainer's main window: it holds the controls and menus and hands every command to the drill,
// the recent-files list, the page commands or the settings dialog.
class frmPlugo : public QMainWindow, public PlugoView {
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

    const vocabulary::Ovning &ovning() const { return drill_.ovning(); }
    const tidigarefiler &recentFiles() const { return recent_.list(); }
    const QString &filnamn() const { return drill_.filnamn(); }
    QString procenttext() const { return drill_.procenttext(); }

    // Command handlers; a button and its menu item call the same one.
    void cmdOpen_Click();   // and mnuOpen
    void cmdNasta_Click();  // and mnuNasta
    void cmdRatta_Click();  // and mnuRatta, and Enter in the answer box
    void lblVisaSp_DblClick(int index);
    void mnuSlut_Click();
    void mnuInst_Click();
    void mnuT_Click(int index);
    void mnuSparaweb_Click();
    void mnuOppnaweb_Click();
    void mnuOvning_Click();
    void mnuEdit_Click();
    void mnuGhelp_Click();

    // PlugoView
    QWidget *dialogOwner() override { return this; }
    void setCaption(const QString &caption) override;
    void setLanguageNames(const QString &sprak1, const QString &sprak2) override;
    void setPrompt(const QString &text) override;
    void setFeedback(const QString &text) override;
    void setVocabularySize(const QString &words, const QString &meanings) override;
    void showStatistics(const vocabulary::Statistik &statistik) override;
    void showPicture(const QImage &picture) override;
    void clearPicture() override;
    QString answerText() const override;
    void setAnswerText(const QString &text) override;
    void clearAnswer() override;
    void setAnswerReadOnly(bool readOnly) override;
    void setNextCaption(const QString &caption) override;
    void setNextButtonCaption(const QString &caption) override;
    void setNextEnabled(bool enabled) override;
    void setCheckEnabled(bool enabled) override;
    void focusNext() override;
    void focusAnswer() override;
    void showRecentFiles(const QStringList &captions, const QStringList &paths) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls(QWidget *client);
    void buildMenus();
    void Form_Load();
    void Form_Unload();

    platform::Desktop &desktop_;
    modulePlugo &module_;
    web::WebCommands web_;
    Drill drill_;
    RecentFiles recent_;
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
