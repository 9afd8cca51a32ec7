// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animation.h"
#include "infoview.h"
#include "updateserver.h"

#include <QMainWindow>
#include <array>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace platform {
class Desktop;
class InternetTransfer;
}  // namespace platform

namespace updater {

// The updater's only window: check for newer versions, download them, help and exit.
class frmInfo : public QMainWindow, public InfoView {
    Q_OBJECT
public:
    frmInfo(platform::Desktop &desktop, platform::InternetTransfer &transfer,
            UpdateServer server = defaultUpdateServer(), QWidget *parent = nullptr);
    ~frmInfo() override;

    const InfoState &state() const { return state_; }
    int steg() const { return animation_.steg(); }

    // Command handlers; a button and its menu item call the same one.
    void cmdKoll_Click();       // and mnuKont
    void cmdUppdatera_Click();  // and mnuUppdatera
    void mnuAvsluta_Click();
    void mnuGhelp_Click();

    void InetPlugo_StateChanged(int state);
    void tmrAnim_Timer();

    // InfoView
    QWidget *dialogOwner() override { return this; }
    void setCaption(const QString &caption) override;
    void setIntroText(const QString &text) override;
    void setResultText(const QString &text) override;
    void setStatusText(const QString &text) override;
    bool rowChecked(int row) const override;
    void offerRow(int row) override;
    void setUpdateEnabled(bool enabled) override;
    void setCheckEnabled(bool enabled) override;
    void showStrip(const QImage &picture) override;
    void startAnimation() override;
    void stopAnimation() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls(QWidget *client);
    void buildMenus();
    void Form_Load();

    platform::Desktop &desktop_;
    platform::InternetTransfer &transfer_;
    UpdateServer server_;
    InfoState state_;
    Animation animation_;

    QGroupBox *fraUpdate = nullptr;
    QPushButton *cmdKoll = nullptr;
    QLabel *lblKoll = nullptr;
    QLabel *lblNyare = nullptr;
    std::array<QCheckBox *, 3> cheUpp{};
    QPushButton *cmdUppdatera = nullptr;
    QLabel *lblLadda = nullptr;
    QLabel *picAnim = nullptr;
    QTimer *tmrAnim = nullptr;

    QAction *mnuKont = nullptr;
    QAction *mnuUppdatera = nullptr;
    QAction *mnuAvsluta = nullptr;
    QAction *mnuGhelp = nullptr;
};

}  // namespace updater
