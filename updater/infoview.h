// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "trust/manifest.h"

#include <QImage>
#include <QString>
#include <optional>

class QWidget;

namespace updater {

// The values the updater's procedures share with its window.
struct InfoState {
    // The program folder, without surrounding spaces; the products and data files are found here.
    QString mapp;
    // True while an installer is being downloaded.
    bool laddar = false;
    // The files of the last release whose signature held; a signed download is checked against it.
    std::optional<trust::Manifest> release;
};

// What the version check and the download do to the updater window. The window implements it;
// the procedures know nothing else about it.
class InfoView {
public:
    virtual ~InfoView() = default;

    // The owner of message boxes and dialogs.
    virtual QWidget *dialogOwner() = 0;

    virtual void setCaption(const QString &caption) = 0;
    virtual void setIntroText(const QString &text) = 0;   // lblKoll
    virtual void setResultText(const QString &text) = 0;  // lblNyare
    virtual void setStatusText(const QString &text) = 0;  // lblLadda

    // Whether a product's check box is checked.
    virtual bool rowChecked(int row) const = 0;
    // Enables a product's check box and checks it.
    virtual void offerRow(int row) = 0;

    virtual void setUpdateEnabled(bool enabled) = 0;  // cmdUppdatera
    virtual void setCheckEnabled(bool enabled) = 0;   // cmdKoll

    // The busy strip: its picture, and the timer and box that show it.
    virtual void showStrip(const QImage &picture) = 0;
    virtual void startAnimation() = 0;
    virtual void stopAnimation() = 0;
};

}  // namespace updater
