// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "editordialogs.h"
#include "exchange/delimited.h"
#include "exchange/kvtml.h"
#include "glostable.h"
#include "spellcheck.h"
#include "spelling/dictionaries.h"
#include "spelling/languages.h"
#include "fieldvalidator.h"
#include "redokeys.h"
#include "specialletterbar.h"
#include "tabtext.h"
#include "texts.h"
#include "vocabularymodel.h"
#include "platform/desktop.h"
#include "vocabfile/writer.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace editor {

using vocabulary::Document;
using vocabulary::Encoding;

namespace {

// Word lists are small; anything larger than this is no word list, and is not read into memory.
constexpr qint64 kMaxImportBytes = 16 * 1024 * 1024;
// A printed page's margins: room for a printer's unprintable edge and for holding the sheet.
constexpr qreal kPageMarginMm = 15;
constexpr int kMessageTimeout = 10000;
// How long a refusal stays in the status line: long enough to read it twice.
constexpr int kRefusalTimeout = 10000;
const QString kProblemStyle = QStringLiteral("color: #b00000");

// The keys of a command as the menus write them, "Ctrl+Y eller Ctrl+Shift+Z".
QString actionKeysText(const QAction &action)
{
    QStringList keys;
    for (const QKeySequence &key : action.shortcuts())
        keys << key.toString(QKeySequence::NativeText);
    return keysText(keys);
}

QString loadErrorText(const vocabulary::LoadResult &result)
{
    switch (result.error) {
    case vocabulary::LoadError::CannotRead:
        return unreadableFileText();
    case vocabulary::LoadError::Empty:
        return emptyFileText();
    case vocabulary::LoadError::CutPair:
        return cutPairText(result.entry);
    case vocabulary::LoadError::TooManyWords:
        return tooManyWordsInFileText(vocabulary::kMaxWords);
    case vocabulary::LoadError::TooManyMeanings:
        return tooManyMeaningsInFileText(result.entry, vocabulary::kMaxMeanings);
    case vocabulary::LoadError::None:
        break;
    }
    return QString();
}

bool isKvtml(const QString &path, const QByteArray &bytes)
{
    if (path.endsWith(QStringLiteral(".kvtml"), Qt::CaseInsensitive))
        return true;
    QByteArray start = bytes.left(512);
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    start = start.trimmed();
    return start.startsWith("<?xml") || start.startsWith("<kvtml");
}

// A4, unless the system's printer has another paper, or the system measures in inches.
QPageLayout pageLayout()
{
    QPageSize size(QPageSize::A4);
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid())
        size = printer.defaultPageSize();
    else if (QLocale::system().measurementSystem() == QLocale::ImperialUSSystem)
        size = QPageSize(QPageSize::Letter);
    return QPageLayout(size, QPageLayout::Portrait,
                       QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm), QPageLayout::Millimeter);
}

}  // namespace

MainWindow::MainWindow(platform::Desktop &desktop, QWidget *parent) : QMainWindow(parent), desktop_(desktop)
{
    setObjectName(QStringLiteral("frmEditor"));
    ownDialogs_ = std::make_unique<QtEditorDialogs>();
    dialogs_ = ownDialogs_.get();
    model_ = new VocabularyModel(undo_, this);
    const QString userFolder = desktop_.userDataFolder();
    spelling_ = std::make_unique<SpellingSupport>(
        spelling::dictionaryFolders(desktop_.programFolder()),
        userFolder.isEmpty() ? QString() : platform::pathInFolder(userFolder, QStringLiteral("ordlistor")),
        userFolder.isEmpty() ? QString() : platform::pathInFolder(userFolder, QStringLiteral("editor.ini")));
    refusalTimer_ = new QTimer(this);
    refusalTimer_->setObjectName(QStringLiteral("tmrAvvisat"));
    refusalTimer_->setSingleShot(true);
    refusalTimer_->setInterval(kRefusalTimeout);
    connect(refusalTimer_, &QTimer::timeout, this, [this] {
        refusal_.clear();
        updateStatus();
    });
    buildWindow();
    buildMenus();
    connect(model_, &VocabularyModel::refused, this, &MainWindow::refused);
    connect(model_, &VocabularyModel::focusRequested, this, &MainWindow::focusCell);
    connect(model_, &VocabularyModel::contentChanged, this, &MainWindow::updateStatus);
    connect(model_, &VocabularyModel::languageNamesChanged, this, &MainWindow::updateNames);
    connect(model_, &VocabularyModel::languageNamesChanged, this, &MainWindow::spellingLanguagesChanged);
    connect(&undo_, &QUndoStack::cleanChanged, this, &MainWindow::updateTitle);
    updateTitle();
    updateStatus();
    spellingLanguagesChanged();
    resize(760, 560);
    txtSprak1_->setFocus();
}

MainWindow::~MainWindow()
{
    // A cell being typed in may still be put into the model while the table goes; the undo stack
    // must outlive that, and the commands on it refer to the model.
    delete takeCentralWidget();
    undo_.clear();
}

void MainWindow::buildWindow()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    auto *names = new QGridLayout;
    const auto nameField = [&](int row, const char *label, const char *edit, const QString &caption,
                               vocabulary::FieldKind kind, int which) {
        auto *lbl = new QLabel(caption, central);
        lbl->setObjectName(QString::fromLatin1(label));
        auto *txt = new QLineEdit(central);
        txt->setObjectName(QString::fromLatin1(edit));
        txt->setValidator(new FieldValidator(
            kind, [this](const QString &why) { refused(why); }, txt));
        lbl->setBuddy(txt);
        names->addWidget(lbl, row, 0);
        names->addWidget(txt, row, 1);
        connect(txt, &QLineEdit::textEdited, this,
                [this, which](const QString &text) { model_->setLanguageName(which, text); });
        return txt;
    };
    txtSprak1_ = nameField(0, "lblSprak1", "txtSprak1", language1Caption(), vocabulary::FieldKind::Language1, 0);
    txtSprak2_ = nameField(1, "lblSprak2", "txtSprak2", language2Caption(), vocabulary::FieldKind::Language2, 1);
    layout->addLayout(names);

    table_ = new GlosTable(central);
    table_->setObjectName(QStringLiteral("tblGlosor"));
    table_->setModel(model_);
    auto *delegate = new CellDelegate([this](const QString &why) { refused(why); }, table_);
    table_->setItemDelegate(delegate);
    connect(delegate, &CellDelegate::enterPressed, table_, &GlosTable::moveToNextRow);
    delegate->misspelt = [this](int column, QStringView text) { return spelling_->misspelt(column, text); };
    table_->spellingMenu = [this](const QModelIndex &index, const QPoint &where) { spellingMenu(index, where); };
    table_->addRow = [this] {
        const int rows = model_->rowCount();
        if (rows > 0 && model_->document().entries.back().isEmpty())
            return true;  // the empty last row is the new one
        return model_->insertEmptyRow(rows);
    };
    layout->addWidget(table_);
    // Under the language names, over the table; the Visa menu shows it.
    barSpecialtecken_ = new SpecialLetterBar(*table_, central);
    // The letters of the language each column is spelt in, a hand-chosen one included.
    barSpecialtecken_->setDictionaryForColumn([this](int column) { return spelling_->dictionaryForColumn(column); });
    barSpecialtecken_->hide();
    layout->insertWidget(layout->indexOf(table_), barSpecialtecken_);
    setCentralWidget(central);
    setTabOrder(txtSprak1_, txtSprak2_);
    setTabOrder(txtSprak2_, table_);
    table_->setCurrentIndex(model_->index(0, 0));

    lblProblem_ = new QLabel(this);
    lblProblem_->setObjectName(QStringLiteral("lblProblem"));
    lblAntal_ = new QLabel(this);
    lblAntal_->setObjectName(QStringLiteral("lblAntal"));
    lblAntal_->setContentsMargins(12, 0, 0, 0);
    // Permanent, so that a passing message (a refusal, "Sparad") never hides the problem.
    statusBar()->addPermanentWidget(lblProblem_);
    statusBar()->addPermanentWidget(lblAntal_);
}

QAction *MainWindow::addCommand(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut,
                                void (MainWindow::*slot)())
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    if (slot)
        connect(action, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
    menu->addAction(action);
    return action;
}

void MainWindow::buildMenus()
{
    QMenu *arkiv = menuBar()->addMenu(fileMenuTitle());
    arkiv->setObjectName(QStringLiteral("mnuArkiv"));
    QAction *ny = addCommand(arkiv, "mnuNy", newCommand(), QKeySequence(QStringLiteral("Ctrl+N")), &MainWindow::nyFil);
    QAction *oppnaAction = addCommand(arkiv, "mnuOppna", openCommand(), QKeySequence(QStringLiteral("Ctrl+O")),
                                      &MainWindow::oppna);
    QAction *sparaAction = addCommand(arkiv, "mnuSpara", saveCommand(), QKeySequence(QStringLiteral("Ctrl+S")),
                                      nullptr);
    connect(sparaAction, &QAction::triggered, this, [this] { spara(); });
    QAction *sparaSomAction = addCommand(arkiv, "mnuSparaSom", saveAsCommand(),
                                         QKeySequence(QStringLiteral("Ctrl+Shift+S")), nullptr);
    connect(sparaSomAction, &QAction::triggered, this, [this] { sparaSom(); });
    arkiv->addSeparator();
    addCommand(arkiv, "mnuImportera", importCommand(), QKeySequence(), &MainWindow::importera);
    addCommand(arkiv, "mnuExportera", exportCommand(), QKeySequence(), &MainWindow::exportera);
    arkiv->addSeparator();
    addCommand(arkiv, "mnuSkrivUt", printCommand(), QKeySequence(QStringLiteral("Ctrl+P")), &MainWindow::skrivUt);
    addCommand(arkiv, "mnuSparaSomPdf", savePdfCommand(), QKeySequence(), &MainWindow::sparaSomPdf);
    arkiv->addSeparator();
    QAction *avsluta = new QAction(quitCommand(), this);
    avsluta->setObjectName(QStringLiteral("mnuAvsluta"));
    avsluta->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    connect(avsluta, &QAction::triggered, this, &QWidget::close);
    arkiv->addAction(avsluta);

    QMenu *redigera = menuBar()->addMenu(editMenuTitle());
    redigera->setObjectName(QStringLiteral("mnuRedigera"));
    // Available only while there is something to undo or redo; a cell being typed in counts first.
    const auto historyCommand = [&](const char *name, const QString &caption, const QList<QKeySequence> &keys,
                                    void (QUndoStack::*step)(), void (QUndoStack::*available)(bool)) {
        QAction *action = addCommand(redigera, name, caption, QKeySequence(), nullptr);
        action->setShortcuts(keys);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, step] {
            table_->finishEditing();
            (undo_.*step)();
        });
        connect(&undo_, available, action, &QAction::setEnabled);
        return action;
    };
    QAction *angra = historyCommand("mnuAngra", undoCommand(), {QKeySequence(QStringLiteral("Ctrl+Z"))},
                                    &QUndoStack::undo, &QUndoStack::canUndoChanged);
    // Both keys that programs use for it; the menu shows the first.
    QAction *gorOm = historyCommand("mnuGorOm", redoCommand(),
                                    {QKeySequence(QStringLiteral("Ctrl+Y")),
                                     QKeySequence(QStringLiteral("Ctrl+Shift+Z"))},
                                    &QUndoStack::redo, &QUndoStack::canRedoChanged);
    redigera->addSeparator();
    QAction *klipp = addCommand(redigera, "mnuKlippUt", cutCommand(), QKeySequence(QStringLiteral("Ctrl+X")),
                                &MainWindow::klippUt);
    QAction *kopieraAction = addCommand(redigera, "mnuKopiera", copyCommand(), QKeySequence(QStringLiteral("Ctrl+C")),
                                        &MainWindow::kopiera);
    QAction *klistra = addCommand(redigera, "mnuKlistraIn", pasteCommand(), QKeySequence(QStringLiteral("Ctrl+V")),
                                  &MainWindow::klistraIn);
    QAction *tom = addCommand(redigera, "mnuTomRutor", clearCellsCommand(), QKeySequence(Qt::Key_Delete),
                              &MainWindow::tomRutor);
    // Only while the table itself has the focus: in a cell being typed in, Delete deletes a letter.
    tom->setShortcutContext(Qt::WidgetShortcut);
    table_->addAction(tom);
    redigera->addSeparator();
    addCommand(redigera, "mnuSok", findCommand(), QKeySequence(QStringLiteral("Ctrl+F")), &MainWindow::sok);
    addCommand(redigera, "mnuSokNasta", findNextCommand(), QKeySequence(QStringLiteral("F3")), &MainWindow::sokNasta);
    // The clipboard commands act on the table; in a text field the field's own keys do the work.
    for (QAction *action : {klipp, kopieraAction, klistra})
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    table_->addActions({klipp, kopieraAction, klistra});

    QMenu *rader = menuBar()->addMenu(rowsMenuTitle());
    rader->setObjectName(QStringLiteral("mnuRader"));
    QAction *infoga = addCommand(rader, "mnuInfogaRad", insertRowCommand(), QKeySequence(QStringLiteral("Ctrl+I")),
                                 &MainWindow::infogaRad);
    QAction *taBort = addCommand(rader, "mnuTaBortRader", removeRowsCommand(),
                                 QKeySequence(QStringLiteral("Ctrl+Delete")), &MainWindow::taBortRader);
    QAction *upp = addCommand(rader, "mnuFlyttaUpp", moveUpCommand(), QKeySequence(QStringLiteral("Alt+Up")), nullptr);
    connect(upp, &QAction::triggered, this, [this] { flytta(-1); });
    QAction *ned = addCommand(rader, "mnuFlyttaNed", moveDownCommand(), QKeySequence(QStringLiteral("Alt+Down")),
                              nullptr);
    connect(ned, &QAction::triggered, this, [this] { flytta(1); });
    rader->addSeparator();
    QAction *sortGlosa = addCommand(rader, "mnuSorteraGlosa", sortByWordCommand(),
                                    QKeySequence(QStringLiteral("Ctrl+1")), nullptr);
    connect(sortGlosa, &QAction::triggered, this, [this] { sortera(0); });
    QAction *sortBet = addCommand(rader, "mnuSorteraBetydelse", sortByMeaningCommand(),
                                  QKeySequence(QStringLiteral("Ctrl+2")), nullptr);
    connect(sortBet, &QAction::triggered, this, [this] { sortera(1); });

    QMenu *verktyg = menuBar()->addMenu(toolsMenuTitle());
    verktyg->setObjectName(QStringLiteral("mnuVerktyg"));
    addCommand(verktyg, "mnuStavningskontroll", spellCheckCommand(), QKeySequence(QStringLiteral("F7")),
               &MainWindow::stavningskontroll);
    QAction *forslag = addCommand(verktyg, "mnuStavningsforslag", spellingSuggestionsCommand(), QKeySequence(),
                                  &MainWindow::stavningsforslag);
    // The keys every desktop opens a context menu with, for the cell the cursor is in.
    forslag->setShortcuts({QKeySequence(QStringLiteral("Shift+F10")), QKeySequence(Qt::Key_Menu)});
    forslag->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    table_->addAction(forslag);
    QMenu *sprak = verktyg->addMenu(spellingLanguageMenuTitle());
    sprak->setObjectName(QStringLiteral("mnuSprakForStavning"));
    for (int which = 0; which < 2; ++which) {
        QMenu *column = sprak->addMenu(spellingColumnMenuTitle(which));
        column->setObjectName(QStringLiteral("mnuStavningSprak%1").arg(which + 1));
        fillLanguageMenu(column, which);
        connect(column, &QMenu::aboutToShow, this, [this, column, which] { fillLanguageMenu(column, which); });
    }

    // The special letters show for a vocabulary in a language that has some, until the user shows or
    // hides them by hand; that choice then stands for as long as the window is open.
    QMenu *visa = menuBar()->addMenu(viewMenuTitle());
    visa->setObjectName(QStringLiteral("mnuVisa"));
    QAction *specialtecken = visa->addAction(specialLettersCommand());
    specialtecken->setObjectName(QStringLiteral("mnuSpecialtecken"));
    specialtecken->setCheckable(true);
    connect(specialtecken, &QAction::toggled, barSpecialtecken_, &QWidget::setVisible);
    connect(specialtecken, &QAction::triggered, this, [this] { specialteckenByHand_ = true; });
    // Called when the spelling languages are known, which the bar's letters follow.
    followSpecialLetters_ = [this, specialtecken] {
        if (!specialteckenByHand_)
            specialtecken->setChecked(barSpecialtecken_->hasLetters());
    };

    QMenu *hjalpMenu = menuBar()->addMenu(helpMenuTitle());
    hjalpMenu->setObjectName(QStringLiteral("mnuHjalpMeny"));
    addCommand(hjalpMenu, "mnuHjalp", helpCommand(), QKeySequence(QStringLiteral("F1")), &MainWindow::hjalp);

    QToolBar *tools = addToolBar(toolBarTitle());
    tools->setObjectName(QStringLiteral("tlbVerktyg"));
    tools->setMovable(false);
    const auto icon = [this](QAction *action, QStyle::StandardPixmap pixmap) {
        action->setIcon(style()->standardIcon(pixmap));
    };
    icon(ny, QStyle::SP_FileIcon);
    icon(oppnaAction, QStyle::SP_DialogOpenButton);
    icon(sparaAction, QStyle::SP_DialogSaveButton);
    icon(angra, QStyle::SP_ArrowBack);
    icon(gorOm, QStyle::SP_ArrowForward);
    icon(upp, QStyle::SP_ArrowUp);
    icon(ned, QStyle::SP_ArrowDown);
    tools->addActions({ny, oppnaAction, sparaAction});
    tools->addSeparator();
    tools->addActions({angra, gorOm});
    tools->addSeparator();
    tools->addActions({infoga, taBort, upp, ned});
    tools->addSeparator();
    auto *sokLabel = new QLabel(findCaption(), tools);
    tools->addWidget(sokLabel);
    txtSok_ = new QLineEdit(tools);
    txtSok_->setObjectName(QStringLiteral("txtSok"));
    txtSok_->setMaximumWidth(180);
    sokLabel->setBuddy(txtSok_);
    connect(txtSok_, &QLineEdit::returnPressed, this, &MainWindow::sokNasta);
    tools->addWidget(txtSok_);
    // Every action has its keys in its tool tip; where the menu can show only the first of them, the
    // status line shows them all while the menu item is pointed at.
    for (QAction *action : findChildren<QAction *>()) {
        if (action->shortcuts().isEmpty())
            continue;
        action->setToolTip(commandToolTip(action->text(), actionKeysText(*action)));
        if (action->shortcuts().size() > 1)
            action->setStatusTip(commandStatusTip(action->text(), actionKeysText(*action)));
    }

    // The redo keys work alike in the text fields and in the table.
    auto *redoKeys = new RedoKeys(*gorOm, this);
    for (QLineEdit *field : {txtSprak1_, txtSprak2_, txtSok_})
        field->installEventFilter(redoKeys);
    if (auto *delegate = qobject_cast<CellDelegate *>(table_->itemDelegate()))
        delegate->setEditorKeys(redoKeys);
}

void MainWindow::message(const QString &text, int style)
{
    desktop_.messageBox(this, text, editorTitle(), style);
}

void MainWindow::refused(const QString &why)
{
    // In the place and colour of the problems, where no passing message or menu hides it, for a
    // while; a new refusal starts the while again.
    refusal_ = why;
    refusalTimer_->start();
    updateStatus();
}

void MainWindow::focusCell(int row, int column, int lastRow)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    const QModelIndex index = model_->index(row, std::clamp(column, 0, VocabularyModel::kColumns - 1));
    QItemSelectionModel *selection = table_->selectionModel();
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    if (lastRow > row) {
        selection->select(QItemSelection(model_->index(row, 0), model_->index(std::min(lastRow, model_->rowCount() - 1),
                                                                              VocabularyModel::kColumns - 1)),
                          QItemSelectionModel::Select);
    }
    table_->scrollTo(index);
}

void MainWindow::updateTitle()
{
    setWindowTitle(windowCaption(path_.isEmpty() ? untitledName() : platform::fileNamePart(path_)));
    setWindowModified(!undo_.isClean());
}

void MainWindow::updateStatus()
{
    lblAntal_->setText(countsText(model_->wordCount(), model_->meaningCount()));
    const std::vector<vocabulary::Warning> found = vocabulary::warnings(model_->document());
    // An empty language name is marked in its field, as a row with a warning is in the table.
    for (QLineEdit *field : {txtSprak1_, txtSprak2_}) {
        const auto warning = std::find_if(found.begin(), found.end(), [&](const vocabulary::Warning &w) {
            return w.kind
                   == (field == txtSprak1_ ? vocabulary::WarningKind::EmptyLanguage1
                                           : vocabulary::WarningKind::EmptyLanguage2);
        });
        const bool marked = warning != found.end();
        field->setToolTip(marked ? warning->text : QString());
        QPalette colours;
        if (marked)
            colours.setColor(QPalette::Base, VocabularyModel::kWarningBackground);
        field->setPalette(colours);
    }
    // The whole text also as a tip, for a window too narrow to show it all.
    const auto show = [this](const QString &text, bool problem) {
        lblProblem_->setText(text);
        lblProblem_->setToolTip(text);
        lblProblem_->setStyleSheet(problem ? kProblemStyle : QString());
    };
    if (!refusal_.isEmpty())
        show(refusal_, true);
    else if (const auto problem = vocabulary::firstProblem(model_->document()))
        show(problem->text, true);
    else
        show(found.empty() ? QString() : found.front().text, false);
}

void MainWindow::updateNames()
{
    const Document &document = model_->document();
    if (txtSprak1_->text() != document.sprak1)
        txtSprak1_->setText(document.sprak1);
    if (txtSprak2_->text() != document.sprak2)
        txtSprak2_->setText(document.sprak2);
}

void MainWindow::startOver(const Document &document, const QString &path, Encoding encoding,
                           std::optional<QByteArray> bytes)
{
    undo_.clear();
    model_->setDocument(document);
    path_ = path;
    encoding_ = encoding;
    cleanBytes_ = std::move(bytes);
    undo_.setClean();
    updateTitle();
    updateStatus();
    table_->setCurrentIndex(model_->index(0, 0));
}

void MainWindow::nyFil()
{
    table_->finishEditing();
    if (!maybeSave())
        return;
    startOver(Document{}, QString(), Encoding::Windows1252, std::nullopt);
    txtSprak1_->setFocus();
}

bool MainWindow::openFile(const QString &path)
{
    const std::optional<QByteArray> bytes = vocabulary::readVocabularyBytes(path);
    const QString text = bytes ? vocabulary::decodeVocabulary(*bytes) : QString();
    const vocabulary::LoadResult result = bytes
                                              ? vocabulary::parseVocabulary(text)
                                              : vocabulary::LoadResult{std::nullopt, vocabulary::LoadError::CannotRead};
    if (!result.glosor) {
        message(notOpenedText(loadErrorText(result), path), platform::MsgOkWarning);
        return false;
    }
    startOver(vocabulary::toDocument(*result.glosor), path, vocabulary::vocabularyEncoding(*bytes), bytes);
    table_->setFocus();
    if (const auto ignored = vocabulary::firstIgnoredText(text))
        message(ignoredTextMessage(ignored->entry, ignored->text), platform::MsgOkWarning);
    return true;
}

void MainWindow::oppna()
{
    table_->finishEditing();
    if (!maybeSave())
        return;
    platform::FileDialogOptions options;
    options.title = openTitle();
    options.filter = vocabularyFilter();
    const platform::FileDialogResult chosen = askForFile(options, false);
    if (chosen.cancelled)
        return;
    openFile(chosen.path);
}

bool MainWindow::spara()
{
    table_->finishEditing();
    if (path_.isEmpty())
        return sparaSom();
    return writeTo(path_);
}

bool MainWindow::sparaSom()
{
    table_->finishEditing();
    platform::FileDialogOptions options;
    options.title = saveAsTitle();
    options.filter = vocabularyFilter();
    options.presetName = !path_.isEmpty()            ? platform::fileNamePart(path_)
                         : !suggestedName_.isEmpty() ? suggestedName_
                                                     : untitledFileName();
    options.confirmOverwrite = true;
    const platform::FileDialogResult chosen = askForFile(options, true);
    if (chosen.cancelled)
        return false;
    QString path = chosen.path;
    if (!withExtension(path, QStringLiteral(".gls")))
        return false;
    return writeTo(path);
}

bool MainWindow::withExtension(QString &path, const QString &extension)
{
    if (platform::fileNamePart(path).contains(u'.'))
        return true;
    path += extension;
    // The dialog asked about the name as typed, not about the one with the extension after it.
    return !desktop_.fileExists(path)
           || desktop_.question(this, replaceQuestion(platform::fileNamePart(path)), editorTitle(), yesNoAnswers())
                  == 0;
}

bool MainWindow::askForUtf8()
{
    const auto misfit = vocabulary::windows1252Misfit(model_->document());
    if (!misfit)
        return true;
    return desktop_.question(this, utf8Question(misfit->row, misfit->character), editorTitle(), yesNoAnswers()) == 0;
}

bool MainWindow::writeTo(const QString &path)
{
    QByteArray bytes;
    Encoding encoding = encoding_;
    if (undo_.isClean() && cleanBytes_) {
        bytes = *cleanBytes_;
    } else {
        if (const auto problem = vocabulary::firstProblem(model_->document())) {
            message(notSavedText(problem->text), platform::MsgOkWarning);
            if (problem->row > 0)
                focusCell(problem->row - 1, problem->column, problem->row - 1);
            return false;
        }
        if (encoding == Encoding::Windows1252 && vocabulary::windows1252Misfit(model_->document())) {
            if (!askForUtf8())
                return false;
            encoding = Encoding::Utf8;
        }
        const auto written = vocabulary::writeVocabulary(vocabulary::toGlosor(model_->document()), encoding);
        if (!written) {
            message(unwritableText(), platform::MsgOkWarning);
            return false;
        }
        bytes = *written;
    }
    if (!vocabulary::saveVocabularyFile(path, bytes)) {
        message(saveFailedText(path), platform::MsgOkStop);
        return false;
    }
    path_ = path;
    encoding_ = encoding;
    cleanBytes_ = bytes;
    undo_.setClean();
    updateTitle();
    statusBar()->showMessage(savedMessage(platform::fileNamePart(path)), kMessageTimeout);
    return true;
}

bool MainWindow::maybeSave()
{
    table_->finishEditing();
    if (undo_.isClean())
        return true;
    const QString name = path_.isEmpty() ? untitledName() : platform::fileNamePart(path_);
    const int answer = desktop_.question(this, unsavedChangesQuestion(name), editorTitle(), saveAnswers());
    if (answer == 0)
        return spara();
    return answer == 1;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

QList<int> MainWindow::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectedCells())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

QModelIndexList MainWindow::selectedCells() const
{
    QModelIndexList cells = table_->selectionModel()->selectedIndexes();
    if (cells.isEmpty() && table_->currentIndex().isValid())
        cells.append(table_->currentIndex());
    return cells;
}

void MainWindow::kopiera()
{
    table_->finishEditing();
    const QModelIndexList cells = selectedCells();
    if (cells.isEmpty())
        return;
    int top = model_->rowCount(), bottom = -1, left = VocabularyModel::kColumns, right = -1;
    for (const QModelIndex &cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    QList<QStringList> rows;
    for (int r = top; r <= bottom; ++r) {
        QStringList row;
        for (int c = left; c <= right; ++c)
            row.append(table_->selectionModel()->isSelected(model_->index(r, c)) || cells.size() == 1
                           ? model_->cellText(r, c)
                           : QString());
        rows.append(row);
    }
    QApplication::clipboard()->setText(tabText(rows));
}

void MainWindow::klippUt()
{
    kopiera();
    const QModelIndexList cells = selectedCells();
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    // Whole rows go; parts of rows are emptied.
    if (!rows.isEmpty() && rows.size() * VocabularyModel::kColumns == cells.size()) {
        QList<int> numbers;
        for (const QModelIndex &row : rows)
            numbers.append(row.row());
        model_->removeRowSet(numbers);
        return;
    }
    model_->clearCells(cells, cutCommand());
}

void MainWindow::tomRutor()
{
    model_->clearCells(selectedCells(), clearCellsCommand());
}

void MainWindow::klistraIn()
{
    table_->finishEditing();
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    const QModelIndex at = table_->currentIndex();
    // What could not be pasted shows in the status line as a typed refusal does; only when nothing
    // at all was pasted does a message say so, since the table then shows no change to look at.
    QString refusal;
    const QMetaObject::Connection heard = connect(model_, &VocabularyModel::refused, this,
                                                  [&refusal](const QString &why) { refusal = why; });
    const bool pasted = model_->pasteCells(at.isValid() ? at.row() : 0, at.isValid() ? at.column() : 0,
                                           parseTabText(text));
    disconnect(heard);
    if (!pasted && !refusal.isEmpty())
        message(refusal, platform::MsgOkWarning);
}

void MainWindow::sok()
{
    txtSok_->setFocus();
    txtSok_->selectAll();
}

void MainWindow::sokNasta()
{
    table_->finishEditing();
    const QString wanted = txtSok_->text();
    if (wanted.isEmpty()) {
        sok();
        return;
    }
    const int columns = VocabularyModel::kColumns;
    const int cells = model_->rowCount() * columns;
    const QModelIndex current = table_->currentIndex();
    const int start = current.isValid() ? current.row() * columns + current.column() : -1;
    for (int step = 1; step <= cells; ++step) {
        const int cell = (start + step + cells) % cells;
        if (model_->cellText(cell / columns, cell % columns).contains(wanted, Qt::CaseInsensitive)) {
            focusCell(cell / columns, cell % columns, cell / columns);
            table_->setFocus();
            return;
        }
    }
    statusBar()->showMessage(notFoundMessage(wanted), kMessageTimeout);
}

void MainWindow::infogaRad()
{
    table_->finishEditing();
    const QModelIndex current = table_->currentIndex();
    if (model_->insertEmptyRow(current.isValid() ? current.row() : model_->rowCount()))
        table_->setFocus();
}

void MainWindow::taBortRader()
{
    table_->finishEditing();
    model_->removeRowSet(selectedRows());
}

void MainWindow::flytta(int delta)
{
    table_->finishEditing();
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    if (rows.constLast() - rows.constFirst() + 1 != rows.size()) {
        statusBar()->showMessage(moveNeedsRunMessage(), kMessageTimeout);
        return;
    }
    const int column = table_->currentIndex().isValid() ? table_->currentIndex().column() : 0;
    if (model_->moveRowRange(rows.constFirst(), rows.constLast(), delta)) {
        focusCell(rows.constFirst() + delta, column, rows.constLast() + delta);
    }
}

void MainWindow::sortera(int column)
{
    table_->finishEditing();
    model_->sortByColumn(column);
}

void MainWindow::hjalp()
{
    const QString folder = desktop_.programFolder();
    const QString page = platform::pathInFolder(folder, helpPageName());
    if (!desktop_.fileExists(page)) {
        message(helpPageMissingText(page), platform::MsgOkWarning);
        return;
    }
    desktop_.openDocument(this, page, folder);
}

QString MainWindow::vocabularyName() const
{
    QString name = !path_.isEmpty() ? platform::fileNamePart(path_) : suggestedName_;
    if (name.endsWith(QStringLiteral(".gls"), Qt::CaseInsensitive))
        name.chop(4);
    return name.isEmpty() ? untitledName() : name;
}

QString MainWindow::dialogFolder() const
{
    const QString program = desktop_.programFolder();
    for (const QString &folder : {path_.isEmpty() ? QString() : QFileInfo(path_).absolutePath(), lastFolder_}) {
        if (!folder.isEmpty() && (program.isEmpty() || QDir(folder) != QDir(program)))
            return QDir::toNativeSeparators(folder);
    }
    return desktop_.documentsFolder();
}

platform::FileDialogResult MainWindow::askForFile(platform::FileDialogOptions options, bool save)
{
    options.startFolder = dialogFolder();
    platform::FileDialogResult chosen = save ? desktop_.saveFileDialog(this, options)
                                             : desktop_.openFileDialog(this, options);
    if (chosen.path.isEmpty())
        chosen.cancelled = true;
    if (!chosen.cancelled)
        lastFolder_ = QDir::toNativeSeparators(QFileInfo(chosen.path).absolutePath());
    return chosen;
}

void MainWindow::importera()
{
    table_->finishEditing();
    platform::FileDialogOptions options;
    options.title = importTitle();
    options.filter = importFilter();
    const platform::FileDialogResult chosen = askForFile(options, false);
    if (chosen.cancelled)
        return;
    const QString name = platform::fileNamePart(chosen.path);
    QFile file(chosen.path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxImportBytes) {
        message(file.isOpen() ? importTooLargeText(chosen.path) : importUnreadableText(chosen.path),
                platform::MsgOkWarning);
        return;
    }
    ImportProposal proposal;
    proposal.fileName = name;
    proposal.bytes = file.readAll();
    if (isKvtml(chosen.path, proposal.bytes)) {
        QString error;
        const auto table = exchange::readKvtml(proposal.bytes, &error);
        if (!table) {
            message(nothingImportedText(error, name), platform::MsgOkWarning);
            return;
        }
        proposal.delimited = false;
        proposal.kvtml = *table;
    } else {
        proposal.choice.format = exchange::guessFormat(proposal.bytes);
    }
    const std::optional<ImportChoice> choice = dialogs_->confirmImport(this, proposal);
    if (!choice)
        return;
    const exchange::ImportedTable table =
        proposal.delimited
            ? exchange::ImportedTable{QString(), QString(),
                                      exchange::tableRows(
                                          exchange::parseDelimited(exchange::decodeText(proposal.bytes,
                                                                                        choice->format.encoding),
                                                                   choice->format.separator),
                                          choice->columns)}
            : proposal.kvtml;
    if (!choice->append && !maybeSave())
        return;
    // As with a paste, what was left out shows in the status line; a message only when nothing
    // could be taken, since the table then shows no change.
    QString refusal;
    const QMetaObject::Connection heard = connect(model_, &VocabularyModel::refused, this,
                                                  [&refusal](const QString &why) { refusal = why; });
    const bool taken = model_->importRows(table.sprak1, table.sprak2, table.rows, choice->append);
    disconnect(heard);
    if (!taken) {
        message(nothingImportedText(refusal, name), platform::MsgOkWarning);
        return;
    }
    if (!choice->append) {
        // The words are the file's now: saving must not put them over the vocabulary they replaced.
        path_.clear();
        encoding_ = Encoding::Windows1252;
        cleanBytes_.reset();
        suggestedName_ = QFileInfo(name).completeBaseName() + QStringLiteral(".gls");
        updateTitle();
    }
    statusBar()->showMessage(importedMessage(name), kMessageTimeout);
    table_->setFocus();
}

void MainWindow::exportera()
{
    table_->finishEditing();
    if (model_->wordCount() == 0) {
        message(nothingToExportText(), platform::MsgOkWarning);
        return;
    }
    platform::FileDialogOptions options;
    options.title = exportTitle();
    options.filter = exportFilter();
    options.presetName = vocabularyName() + QStringLiteral(".csv");
    options.confirmOverwrite = true;
    const platform::FileDialogResult chosen = askForFile(options, true);
    if (chosen.cancelled)
        return;
    QString path = chosen.path;
    // The chosen filter says the format; without one, the name's extension does.
    const QString suffix = QFileInfo(platform::fileNamePart(path)).suffix().toLower();
    int format = chosen.filterIndex;
    if (suffix == QStringLiteral("kvtml"))
        format = 3;
    else if (format < 0 || format > 3)
        format = suffix == QStringLiteral("txt") || suffix == QStringLiteral("tsv") || suffix == QStringLiteral("tab")
                     ? 2
                     : 0;
    static const QString extensions[] = {QStringLiteral(".csv"), QStringLiteral(".csv"), QStringLiteral(".txt"),
                                         QStringLiteral(".kvtml")};
    if (!withExtension(path, extensions[format]))
        return;
    static const QChar separators[] = {u';', u',', u'\t'};
    const QByteArray bytes = format == 3 ? exchange::kvtmlBytes(model_->document(), vocabularyName())
                                         : exchange::csvBytes(model_->document(), separators[format]);
    if (!vocabulary::saveVocabularyFile(path, bytes)) {
        message(saveFailedText(path), platform::MsgOkStop);
        return;
    }
    statusBar()->showMessage(exportedMessage(platform::fileNamePart(path)), kMessageTimeout);
}

std::optional<exchange::PrintOptions> MainWindow::askPrintLayout(bool toPdf)
{
    table_->finishEditing();
    std::optional<exchange::PrintOptions> options = dialogs_->choosePrintLayout(this, printOptions_, toPdf);
    if (!options)
        return std::nullopt;
    printOptions_ = *options;
    options->title = vocabularyName();
    return options;
}

void MainWindow::skrivUt()
{
    const std::optional<exchange::PrintOptions> options = askPrintLayout(false);
    if (!options)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(pageLayout());
    printer.setDocName(vocabularyName());
    printer.setCreator(editorTitle());
    if (!dialogs_->printerDialog(this, printer))
        return;
    const int pages = exchange::printVocabulary(printer, model_->document(), *options);
    if (pages == 0) {
        message(printFailedText(printer.printerName()), platform::MsgOkWarning);
        return;
    }
    statusBar()->showMessage(printedMessage(pages), kMessageTimeout);
}

void MainWindow::sparaSomPdf()
{
    const std::optional<exchange::PrintOptions> options = askPrintLayout(true);
    if (!options)
        return;
    platform::FileDialogOptions dialog;
    dialog.title = savePdfTitle();
    dialog.filter = pdfFilter();
    dialog.presetName = vocabularyName() + QStringLiteral(".pdf");
    dialog.confirmOverwrite = true;
    const platform::FileDialogResult chosen = askForFile(dialog, true);
    if (chosen.cancelled)
        return;
    QString path = chosen.path;
    if (!withExtension(path, QStringLiteral(".pdf")))
        return;
    // Written beside the file and put in its place at the end, so a PDF that was there is never
    // left half overwritten.
    QSaveFile file(path);
    int pages = 0;
    if (file.open(QIODevice::WriteOnly)) {
        QPdfWriter writer(&file);
        writer.setPageLayout(pageLayout());
        writer.setTitle(vocabularyName());
        writer.setCreator(editorTitle());
        pages = exchange::printVocabulary(writer, model_->document(), *options);
    }
    if (pages == 0 || !file.commit()) {
        message(saveFailedText(path), platform::MsgOkStop);
        return;
    }
    statusBar()->showMessage(savedPdfMessage(platform::fileNamePart(path)), kMessageTimeout);
}

void MainWindow::fillLanguageMenu(QMenu *menu, int which)
{
    // Made anew each time it opens, so the name it follows and the choice it shows are the current ones.
    menu->clear();
    const QString name = which == 0 ? model_->document().sprak1 : model_->document().sprak2;
    const std::optional<QString> chosen = spelling_->choices().choiceFor(name);
    const QString byName = spelling::dictionaryForLanguage(name);
    const QString byNameText = spelling::dictionaryDisplayName(byName);
    auto *group = new QActionGroup(menu);
    const auto item = [&](const QString &caption, std::optional<QString> code) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QStringLiteral("mnuStavningSprak%1_%2").arg(which + 1).arg(menu->actions().size() - 1));
        action->setCheckable(true);
        action->setChecked(chosen == code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, which, code] {
            const QString current = which == 0 ? model_->document().sprak1 : model_->document().sprak2;
            if (!spelling_->choices().choose(current, code))
                refused(languageChoiceNotSavedText());
            spellingLanguagesChanged();
        });
    };
    item(byLanguageNameItem(byNameText), std::nullopt);
    menu->addSeparator();
    for (const spelling::DictionaryChoice &choice : spelling::dictionaryChoices())
        item(choice.displayName, choice.code);
    menu->addSeparator();
    item(noSpellingItem(), QString());
}

void MainWindow::spellingLanguagesChanged()
{
    const Document &document = model_->document();
    spelling_->setLanguageNames(document.sprak1, document.sprak2);
    table_->viewport()->update();
    barSpecialtecken_->refresh();
    if (followSpecialLetters_)
        followSpecialLetters_();
    // Once for each name: the status line would be no use if it said so at every letter typed.
    for (int which = 0; which < 2; ++which) {
        const QString name = which == 0 ? document.sprak1 : document.sprak2;
        const QString said = name.simplified().toLower();
        if (said.isEmpty() || !spelling_->dictionaryForColumn(which).isEmpty() || spelling_->choices().choiceFor(name)
            || uncheckedNamesSaid_.contains(said))
            continue;
        uncheckedNamesSaid_.append(said);
        statusBar()->showMessage(noDictionaryMessage(name), kMessageTimeout);
    }
}

void MainWindow::addToPersonalWords(int column, const QString &word)
{
    spelling::Speller &speller = spelling_->spellerForColumn(column);
    if (!speller.addToPersonalWords(word))
        refused(personalWordNotSavedText(word, speller.problem()));
    table_->viewport()->update();
}

void MainWindow::spellingMenu(const QModelIndex &index, const QPoint &globalPos)
{
    table_->finishEditing();
    const int row = index.row();
    const int column = index.column();
    const QString text = model_->cellText(row, column);
    const QList<spelling::WordRange> wrong = spelling_->misspelt(column, text);
    if (wrong.isEmpty()) {
        statusBar()->showMessage(spelling_->dictionaryForColumn(column).isEmpty() ? columnNotCheckedMessage()
                                                                                  : noMisspellingsMessage(),
                                 kMessageTimeout);
        return;
    }
    spelling::Speller &speller = spelling_->spellerForColumn(column);
    const spelling::WordRange range = wrong.first();
    const QString word = text.mid(range.start, range.length);
    const QStringList suggestions = speller.suggestions(word, 5);
    QStringList items = suggestions;
    if (items.isEmpty())
        items << u'!' + noSuggestionsItem();
    items << QString() << addToDictionaryItem() << ignoreItem();
    const std::optional<int> chosen = dialogs_->popupMenu(this, globalPos, items);
    if (!chosen)
        return;
    if (*chosen < suggestions.size())
        model_->setCell(row, column, replaced(text, range, suggestions[*chosen]));
    else if (*chosen == items.size() - 2)
        addToPersonalWords(column, word);
    else if (*chosen == items.size() - 1)
        speller.ignore(word);
    table_->viewport()->update();
}

void MainWindow::stavningsforslag()
{
    const QModelIndex index = table_->currentIndex();
    if (!index.isValid())
        return;
    spellingMenu(index, table_->viewport()->mapToGlobal(table_->visualRect(index).bottomLeft()));
}

void MainWindow::stavningskontroll()
{
    table_->finishEditing();
    if (spelling_->dictionaryForColumn(0).isEmpty() && spelling_->dictionaryForColumn(1).isEmpty()) {
        message(noDictionariesText(model_->document().sprak1, model_->document().sprak2), platform::MsgOkWarning);
        return;
    }
    const int columns = VocabularyModel::kColumns;
    const int cells = model_->rowCount() * columns;
    const QModelIndex current = table_->currentIndex();
    const int start = current.isValid() ? current.row() * columns + current.column() : 0;
    for (int step = 0; step < cells; ++step) {
        const int row = (start + step) % cells / columns;
        const int column = (start + step) % cells % columns;
        qsizetype from = 0;
        for (;;) {
            const QString text = model_->cellText(row, column);
            const QList<spelling::WordRange> wrong = spelling_->misspelt(column, text);
            const auto next = std::find_if(wrong.begin(), wrong.end(),
                                           [from](const spelling::WordRange &r) { return r.start >= from; });
            if (next == wrong.end())
                break;
            spelling::Speller &speller = spelling_->spellerForColumn(column);
            const QString word = text.mid(next->start, next->length);
            focusCell(row, column, row);
            const QString language = spelling::dictionaryDisplayName(speller.code());
            const SpellingAnswer answer = dialogs_->spellingStep(this,
                                                                 {word, text, speller.suggestions(word, 5),
                                                                  language.isEmpty() ? speller.code() : language});
            switch (answer.action) {
            case SpellingAnswer::Stop:
                return;
            case SpellingAnswer::Change:
                if (answer.replacement != word
                    && !model_->setCell(row, column, replaced(text, *next, answer.replacement)))
                    return;  // refused; the status line says why
                from = next->start + answer.replacement.size();
                break;
            case SpellingAnswer::Ignore:
                speller.ignore(word);
                from = next->start + next->length;
                break;
            case SpellingAnswer::Add:
                addToPersonalWords(column, word);
                from = next->start + next->length;
                break;
            }
        }
    }
    table_->viewport()->update();
    message(spellCheckDoneText(), platform::MsgOk);
}

}  // namespace editor
