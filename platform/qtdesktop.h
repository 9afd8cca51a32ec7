// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop.h"

namespace platform {

// The desktop services on Qt: real dialogs, the desktop's document opener, the system clock.
class QtDesktop final : public Desktop {
public:
    int messageBox(QWidget *owner, const QString &text, const QString &title, int style) override;
    int question(QWidget *owner, const QString &text, const QString &title, const QStringList &buttons) override;
    FileDialogResult openFileDialog(QWidget *owner, const FileDialogOptions &options) override;
    FileDialogResult saveFileDialog(QWidget *owner, const FileDialogOptions &options) override;
    void openDocument(QWidget *owner, const QString &path, const QString &workingFolder) override;
    bool startProgram(const QString &path, const QString &workingFolder) override;
    QString programFolder() const override;
    bool fileExists(const QString &path) const override;
    std::optional<QDateTime> fileTimestamp(const QString &path) const override;
    QDateTime now() const override;
    QString shortDate(const QDate &date) const override;
    std::optional<QImage> loadPicture(const QString &path) const override;
    void endProgram() override;
};

// The file-system half of the services, shared by the real desktop and the test double.
namespace files {
bool exists(const QString &path);
std::optional<QDateTime> timestamp(const QString &path);
std::optional<QImage> picture(const QString &path);
}  // namespace files

// "glosfil (*.gls)|*.gls" in the form Qt's file dialogs take: "glosfil (*.gls)".
QString toQtFilter(const QString &filter);

}  // namespace platform
