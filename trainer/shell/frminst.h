// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace platform {
class Desktop;
}

namespace shell {

class modulePlugo;

// The message shown when the settings file cannot be written.
QString settingsNotSavedText();
QString settingsNotSavedTitle();

// The settings dialog: the colours and text size of the web pages, tooltips, and file names only in
// the recent-files menu. Not modal: the main window disables itself while it is open.
class frmInst : public QDialog {
    Q_OBJECT
public:
    frmInst(platform::Desktop &desktop, modulePlugo &module, QWidget *parent = nullptr);

    void cmdOk_Click();
    void cmdAvbryt_Click();

private:
    void Form_Load();

    platform::Desktop &desktop_;
    modulePlugo &module_;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdAvbryt = nullptr;
    QGroupBox *fraFarg = nullptr;
    QGroupBox *fraTextstorlek = nullptr;
    std::array<QRadioButton *, 4> optFarg{};
    std::array<QRadioButton *, 4> optTextstorlek{};
    QCheckBox *cheTooltips = nullptr;
    QCheckBox *cheFilnamn = nullptr;
};

}  // namespace shell
