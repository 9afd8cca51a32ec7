// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/editordialogs.h"

#include <QPrinter>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace testing_support {

// Answers the editor's own dialogs from a script: the import dialog with what it proposed (or a
// change of it), the layout dialog with a layout, the print dialog by printing into a PDF file.
class ScriptedDialogs : public editor::EditorDialogs {
public:
    std::vector<editor::ImportProposal> proposals;
    std::function<void(editor::ImportChoice &)> changeImport;
    bool cancelImport = false;
    std::optional<exchange::PrintOptions> layout = exchange::PrintOptions{};
    std::vector<bool> layoutAsked;  // toPdf of each time
    QString printInto;              // empty: the print dialog is cancelled

    std::optional<editor::ImportChoice> confirmImport(QWidget *, const editor::ImportProposal &proposal) override
    {
        proposals.push_back(proposal);
        if (cancelImport)
            return std::nullopt;
        editor::ImportChoice choice = proposal.choice;
        if (changeImport)
            changeImport(choice);
        return choice;
    }
    std::optional<exchange::PrintOptions> choosePrintLayout(QWidget *, const exchange::PrintOptions &, bool toPdf) override
    {
        layoutAsked.push_back(toPdf);
        return layout;
    }
    bool printerDialog(QWidget *, QPrinter &printer) override
    {
        if (printInto.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printInto);
        return true;
    }

    // Pop-up menus shown, and the answers, taken from the front (none: the menu is closed).
    std::vector<QStringList> menus;
    std::deque<std::function<std::optional<int>(const QStringList &)>> menuAnswers;
    std::optional<int> popupMenu(QWidget *, const QPoint &, const QStringList &items) override
    {
        menus.push_back(items);
        if (menuAnswers.empty())
            return std::nullopt;
        auto answer = menuAnswers.front();
        menuAnswers.pop_front();
        return answer(items);
    }

    // The spelling check's questions, and the answers (none: the check is stopped).
    std::vector<editor::SpellingQuestion> questions;
    std::deque<editor::SpellingAnswer> spellingAnswers;
    editor::SpellingAnswer spellingStep(QWidget *, const editor::SpellingQuestion &question) override
    {
        questions.push_back(question);
        if (spellingAnswers.empty())
            return {};
        auto answer = spellingAnswers.front();
        spellingAnswers.pop_front();
        return answer;
    }
};

}  // namespace testing_support
