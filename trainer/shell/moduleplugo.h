// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QWidget;

namespace platform {
class Desktop;
}

namespace shell {

// What every part of the trainer shares: the program folder, the four settings and the tooltips.
class modulePlugo {
public:
    // The folder of the running program, without surrounding spaces. Set once at start.
    QString programmapp;

    qint16 farg = 0;         // colour scheme of the web pages, 0 to 3
    qint16 textstorlek = 0;  // text size of the web pages' words, 0 to 3
    qint16 ingatips = 0;     // not 0: no tooltips
    qint16 barafilnamn = 0;  // 1: the recent-files menu shows file names only

    // Where the files the trainer writes are kept: the program folder, or the user's own data folder
    // when the program folder cannot be written (an installation in a system folder, a locked-down
    // school computer). Shipped files are always read from the program folder.
    QString keptFolder;

    // A file beside the program.
    QString fileInFolder(const QString &name) const;
    // The folder the kept files are in: keptFolder, or the program folder while that is not set.
    QString keptFolderPath() const { return keptFolder.isEmpty() ? programmapp : keptFolder; }
    // A file the trainer writes and reads back: the settings, the recent list, the latest report.
    QString keptFile(const QString &name) const;
    QString settingsPath() const { return keptFile(QStringLiteral("plugo.slg")); }

    // At start: the program folder, the folder for the kept files, and the settings read from there.
    void start(const platform::Desktop &desktop);

    // Reads the four settings from the settings file, creating it empty when it is missing.
    void readSettings();
    // Writes the four settings; false when the file cannot be written (they live on in memory).
    bool writeSettings() const;

    // Gives every control that has one its tooltip, in the main window and the settings dialog.
    void visatips();
    // Takes the same tooltips away.
    void doljtips();
    // visatips or doljtips, by the setting.
    void applyTips();
    // Whether the tooltips are on now; a settings dialog opened later takes them over.
    bool tipsShown() const { return tipsShown_; }

    // The windows whose controls carry tooltips: the main window and, while it exists, the dialog.
    // Their controls without a tooltip of their own show none (not their parent's).
    void addWindow(QWidget *window);

private:
    void setTips(bool shown);

    bool tipsShown_ = false;
    QList<QPointer<QWidget>> windows_;
};

// The tooltip of a control, by its window's and its own object name; empty when it has none.
QString tooltipText(const QString &window, const QString &control);

}  // namespace shell
