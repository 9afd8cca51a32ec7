// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/scripteddesktop.h"
#include "support/tempfolder.h"
#include "trainer/shell/frmplugo.h"
#include "trainer/shell/moduleplugo.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

// A trainer in a program folder of its own, with a scripted desktop.
class TrainerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds and shows the main window as the program's start does.
    void start();

    // Writes a vocabulary file (Windows-1252, CR LF) into the program folder and returns its path.
    QString vocabulary(const QString &name, const QString &text);
    // "Öppna glosfil" with the scripted dialog choosing the path.
    void open(const QString &path);

    QPushButton *button(const char *name) const;
    QLabel *label(const char *name) const;
    QLineEdit *answerBox() const;
    QAction *action(const char *name) const;
    QString text(const char *labelName) const { return label(labelName)->text(); }

    // The word that answers the meaning on show, from the words written by vocabulary().
    QString rightAnswer() const;
    // Types the text, key by key, into the widget; any letter, not only ASCII.
    static void typeText(QWidget *widget, const QString &text);
    // Types the text into the answer box and presses Enter there.
    void typeAndEnter(const QString &text);
    // Presses a key in whatever widget has the keyboard focus.
    void pressKey(Qt::Key key);
    QWidget *focused() const;

    testing_support::TempFolder folder;
    testing_support::ScriptedDesktop desktop;
    shell::modulePlugo module;
    std::unique_ptr<shell::frmPlugo> window;
    QMap<QString, QString> answers;  // meaning -> word
};
