// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class QWidget;

namespace vocabulary {
struct Statistik;
}

namespace shell {

// What the drill and the recent-files list do to the trainer's main window. The window implements it;
// the procedures know nothing else about it.
class PlugoView {
public:
    virtual ~PlugoView() = default;

    // The owner of message boxes and dialogs.
    virtual QWidget *dialogOwner() = 0;

    virtual void setCaption(const QString &caption) = 0;
    // The names of the two languages above the prompt and the answer box: lblVisaSp 0 and 1.
    virtual void setLanguageNames(const QString &sprak1, const QString &sprak2) = 0;
    virtual void setPrompt(const QString &text) = 0;    // lblSprak2
    virtual void setFeedback(const QString &text) = 0;  // lblRattsvar
    // How many words and meanings the vocabulary holds: lblAntalSprak2 and lblAntalSprak1.
    virtual void setVocabularySize(const QString &words, const QString &meanings) = 0;
    // The five statistics labels; empty texts clear them.
    virtual void showStatistics(const vocabulary::Statistik &statistik) = 0;
    virtual void showPicture(const QImage &picture) = 0;  // imgBra
    virtual void clearPicture() = 0;

    // The answer box, txtSprak1.
    virtual QString answerText() const = 0;
    virtual void setAnswerText(const QString &text) = 0;
    virtual void clearAnswer() = 0;
    virtual void setAnswerReadOnly(bool readOnly) = 0;

    // "Börja" or "Nästa" on the button and its menu item.
    virtual void setNextCaption(const QString &caption) = 0;
    // The same on the button alone: after a check the menu item already reads "Nästa", and when a
    // drill ends it keeps reading so.
    virtual void setNextButtonCaption(const QString &caption) = 0;
    virtual void setNextEnabled(bool enabled) = 0;   // cmdNasta and mnuNasta
    virtual void setCheckEnabled(bool enabled) = 0;  // cmdRatta and mnuRatta
    virtual void focusNext() = 0;                    // cmdNasta
    virtual void focusAnswer() = 0;                  // txtSprak1

    // The "Tidigare" menu: one caption and path for each listed file, in list order; with none, the
    // menu shows "<tomt>".
    virtual void showRecentFiles(const QStringList &captions, const QStringList &paths) = 0;
};

}  // namespace shell
