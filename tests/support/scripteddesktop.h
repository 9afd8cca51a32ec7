// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/desktop.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace testing_support {

// A desktop that answers from a script and records every call, so a window test never waits on
// a real dialog. The file system is the real one: tests run in their own temporary folders.
class ScriptedDesktop : public platform::Desktop {
public:
    struct Call {
        QString kind;     // "messageBox", "question", "openFileDialog", "saveFileDialog", "openDocument", "startProgram", "endProgram"
        QStringList args; // messageBox: text, title, style; question: text, title, buttons...; dialogs: title, filter, preset, overwrite; others: path, folder
    };

    // Answers, taken from the front. An empty queue answers OK, or a cancelled dialog.
    std::deque<int> messageAnswers;
    // Answers to questions: the index of the button pressed. An empty queue presses the last one.
    std::deque<int> questionAnswers;
    std::deque<platform::FileDialogResult> openAnswers;
    std::deque<platform::FileDialogResult> saveAnswers;

    QString folder;
    // The user's download folder; empty, so dialogs are asked as before, unless a test sets it.
    QString downloads;
    // The user's documents folder; empty unless a test sets it.
    QString documents;
    QDateTime clock = QDateTime(QDate(2026, 12, 9), QTime(14, 5));
    QString shortDateText = QStringLiteral("2026-12-09");
    // Start programs for real (a test may check that a script ran).
    bool startForReal = false;
    // The user's data folder, and folders to be taken as not writable.
    QString userFolder;
    QStringList readOnlyFolders;

    std::vector<Call> calls;
    bool ended = false;

    // Queue a chosen file for the next open or save dialog.
    void chooseOpen(const QString &path);
    void chooseSave(const QString &path, int filterIndex = -1);
    void cancelOpen();
    void cancelSave();

    // The calls of one kind, in order.
    std::vector<Call> callsOf(const QString &kind) const;
    // Every message box so far as text, title and style.
    std::vector<QStringList> messages() const;

    int messageBox(QWidget *owner, const QString &text, const QString &title, int style) override;
    int question(QWidget *owner, const QString &text, const QString &title, const QStringList &buttons) override;
    platform::FileDialogResult openFileDialog(QWidget *owner, const platform::FileDialogOptions &options) override;
    platform::FileDialogResult saveFileDialog(QWidget *owner, const platform::FileDialogOptions &options) override;
    void openDocument(QWidget *owner, const QString &path, const QString &workingFolder) override;
    bool startProgram(const QString &path, const QString &workingFolder) override;
    QString programFolder() const override { return folder; }
    bool fileExists(const QString &path) const override;
    std::optional<QDateTime> fileTimestamp(const QString &path) const override;
    QDateTime now() const override { return clock; }
    QString downloadsFolder() const override { return downloads; }
    QString documentsFolder() const override { return documents; }
    QString shortDate(const QDate &) const override { return shortDateText; }
    std::optional<QImage> loadPicture(const QString &path) const override;
    void endProgram() override;
    QString userDataFolder() const override { return userFolder; }
    bool isFolderWritable(const QString &path) const override;

    static platform::FileDialogResult chosen(const QString &path);
};

}  // namespace testing_support
