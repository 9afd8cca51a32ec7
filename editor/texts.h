// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace editor {

// The texts the editor shows the teacher. The spelling and exchange libraries keep their own
// (the reasons a file or a dictionary could not be read, the printed pages' headings): they know
// nothing of the window.

// The title every message of the editor carries, the first part of the window's caption and the
// creator of what it prints.
QString editorTitle();
// The caption: the vocabulary's file name, or "Namnlös", after the title; "[*]" marks changes.
QString windowCaption(const QString &fileName);
// The name of a vocabulary not yet saved, and the name proposed when it is.
QString untitledName();
QString untitledFileName();

// The file dialogs' filters. The export filter's index chooses the format, in this order:
// semicolons, commas, tabs, KVTML.
QString vocabularyFilter();
QString importFilter();
QString exportFilter();
QString pdfFilter();

QString openTitle();
QString saveAsTitle();
QString importTitle();
QString exportTitle();
// The file dialog's and the layout dialog's title when the vocabulary goes to a PDF file.
QString savePdfTitle();
// The layout dialog's and the printer dialog's title.
QString printTitle();

// The fields over the table.
QString language1Caption();
QString language2Caption();
QString findCaption();

// Menus, their commands and the tool bar. A command's caption also names its step in the undo
// history where the command changes the vocabulary.
QString fileMenuTitle();
QString newCommand();
QString openCommand();
QString saveCommand();
QString saveAsCommand();
QString importCommand();
QString exportCommand();
QString printCommand();
QString savePdfCommand();
QString quitCommand();
QString editMenuTitle();
QString undoCommand();
QString redoCommand();
QString cutCommand();
QString copyCommand();
QString pasteCommand();
QString clearCellsCommand();
QString findCommand();
QString findNextCommand();
QString rowsMenuTitle();
QString insertRowCommand();
QString removeRowsCommand();
QString moveUpCommand();
QString moveDownCommand();
QString sortByWordCommand();
QString sortByMeaningCommand();
QString toolsMenuTitle();
QString spellCheckCommand();
QString spellingSuggestionsCommand();
QString spellingLanguageMenuTitle();
// The submenu for the words (0) or the meanings (1).
QString spellingColumnMenuTitle(int which);
QString viewMenuTitle();
QString specialLettersCommand();
QString helpMenuTitle();
QString helpCommand();
QString toolBarTitle();

// A command's keys, "Ctrl+Y eller Ctrl+Shift+Z", and the tips that show them.
QString keysText(const QStringList &keys);
QString commandToolTip(const QString &caption, const QString &keys);
QString commandStatusTip(const QString &caption, const QString &keys);

// The status line's count of the vocabulary.
QString countsText(int words, int meanings);

// The buttons of the editor's questions.
QStringList yesNoAnswers();
// Save, don't save, cancel.
QStringList saveAnswers();
QString cancelButton();

// A vocabulary file that could not be opened: the reason, then what happened.
QString unreadableFileText();
QString emptyFileText();
QString cutPairText(int entry);
QString tooManyWordsInFileText(int maxWords);
QString tooManyMeaningsInFileText(int entry, int maxMeanings);
QString notOpenedText(const QString &why, const QString &path);
// Text of the file the trainer does not read: in the header (entry 0) or at a word.
QString ignoredTextMessage(int entry, const QString &text);

// Saving.
QString replaceQuestion(const QString &fileName);
// A character (or, when it is empty, a row's bytes) that Windows-1252 cannot hold, in the
// language names (row 0) or at a row.
QString utf8Question(int row, const QString &character);
QString notSavedText(const QString &problem);
QString unwritableText();
QString saveFailedText(const QString &path);
QString savedMessage(const QString &fileName);
QString unsavedChangesQuestion(const QString &name);

// Finding and moving rows.
QString notFoundMessage(const QString &wanted);
QString moveNeedsRunMessage();

QString helpPageName();
QString helpPageMissingText(const QString &page);

// Import and export.
QString importTooLargeText(const QString &path);
QString importUnreadableText(const QString &path);
QString nothingImportedText(const QString &why, const QString &fileName);
QString importedMessage(const QString &fileName);
QString nothingToExportText();
QString exportedMessage(const QString &fileName);

// Printing.
QString printFailedText(const QString &printerName);
QString printedMessage(int pages);
QString savedPdfMessage(const QString &fileName);

// Spelling.
QString languageChoiceNotSavedText();
// The menu item that follows the language name; the dictionary it finds, if any.
QString byLanguageNameItem(const QString &dictionaryName);
QString noSpellingItem();
QString noDictionaryMessage(const QString &languageName);
QString personalWordNotSavedText(const QString &word, const QString &problem);
QString columnNotCheckedMessage();
QString noMisspellingsMessage();
QString noSuggestionsItem();
QString addToDictionaryItem();
QString ignoreItem();
QString noDictionariesText(const QString &sprak1, const QString &sprak2);
QString spellCheckDoneText();

// The import dialog.
QString importDialogTitle(const QString &fileName);
QString encodingCaption();
QString utf8Name();
QString utf16LeName();
QString utf16BeName();
QString windows1252Name();
QString separatorCaption();
QString tabName();
QString semicolonName();
QString commaName();
QString previewCaption();
QString columnName(int column);
QString rowsInFileText(qsizetype rows);
QString wordsInFileText(qsizetype words);
QString wordColumnCaption();
QString meaningColumnsCaption();
QString splitMeaningsCaption();
QString windowWordsGroup();
QString replaceOption();
QString appendOption();
QString importButton();

// The print layout dialog.
QString printWhatGroup();
QString listOption();
QString quizOption();
QString quizShowsCaption();
QString quizShowsMeanings();
QString quizShowsWords();
QString cardsOption();
QString cardsHint();
QString savePdfButton();

// The spelling dialog.
QString spellingDialogTitle(const QString &language);
// The word and the cell's text, as rich text.
QString notInDictionaryText(const QString &word, const QString &cellText);
QString changeToCaption();
QString suggestionsCaption();
QString changeButton();
QString ignoreButton();
QString addButton();
QString closeButton();

// The special letters' bar.
QString lettersCaption(const QString &languageName);
QString noLettersForText(const QString &languageName);
QString noLettersText();
QString letterToolTip(QChar letter, const QString &keys);

// The table and its undo history.
QString wordHeader();
QString meaningHeader();
QString meaningColumnHeader(const QString &name, int section);
QString languageNameCommand(int which);
QString typeInRowCommand(int row);
QString importStep();
// What became of rows that did not fit: imported or pasted.
QString notTakenText(bool imported);
QString nothingPastedText(const QString &why);
QString nothingImportedRefusal(const QString &why);
QString noWordsInFileText();
QString noWordsImportedText(const QString &tooMany);
QString tooManyMeaningsNote(int row, int maxMeanings, const QString &notTaken);
QString leftOutNote(int row, const QString &leftOut);
QString droppedRowsNote(qsizetype dropped, const QString &notTaken);

}  // namespace editor
