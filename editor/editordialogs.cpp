// SPDX-License-Identifier: GPL-3.0-or-later
#include "editordialogs.h"

#include "texts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace editor {

using exchange::TextEncoding;

namespace {

QDialogButtonBox *okCancel(QDialog *dialog, const QString &okText)
{
    auto *buttons = new QDialogButtonBox(dialog);
    QPushButton *ok = buttons->addButton(okText, QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(cancelButton(), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdAvbryt"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

ImportDialog::ImportDialog(const ImportProposal &proposal, QWidget *parent) : QDialog(parent), proposal_(proposal)
{
    setObjectName(QStringLiteral("frmImportera"));
    setWindowTitle(importDialogTitle(proposal.fileName));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    const auto combo = [&](const char *name, const QString &caption) {
        auto *box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(name));
        form->addRow(caption, box);
        return box;
    };
    cboTeckenkodning_ = combo("cboTeckenkodning", encodingCaption());
    cboTeckenkodning_->addItem(utf8Name(), static_cast<int>(TextEncoding::Utf8));
    cboTeckenkodning_->addItem(utf16LeName(), static_cast<int>(TextEncoding::Utf16Le));
    cboTeckenkodning_->addItem(utf16BeName(), static_cast<int>(TextEncoding::Utf16Be));
    cboTeckenkodning_->addItem(windows1252Name(), static_cast<int>(TextEncoding::Windows1252));
    cboTeckenkodning_->setCurrentIndex(cboTeckenkodning_->findData(static_cast<int>(proposal.choice.format.encoding)));
    cboAvgransare_ = combo("cboAvgransare", separatorCaption());
    cboAvgransare_->addItem(tabName(), QChar(u'\t'));
    cboAvgransare_->addItem(semicolonName(), QChar(u';'));
    cboAvgransare_->addItem(commaName(), QChar(u','));
    cboAvgransare_->setCurrentIndex(std::max(0, cboAvgransare_->findData(proposal.choice.format.separator)));

    tblForhandsvisning_ = new QTableWidget(this);
    tblForhandsvisning_->setObjectName(QStringLiteral("tblForhandsvisning"));
    tblForhandsvisning_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblForhandsvisning_->setMinimumSize(520, 200);
    tblForhandsvisning_->horizontalHeader()->setStretchLastSection(true);
    auto *lblForhandsvisning = new QLabel(previewCaption(), this);
    lblForhandsvisning->setBuddy(tblForhandsvisning_);
    layout->addWidget(lblForhandsvisning);
    layout->addWidget(tblForhandsvisning_);
    lblRader_ = new QLabel(this);
    lblRader_->setObjectName(QStringLiteral("lblRader"));
    layout->addWidget(lblRader_);

    auto *columns = new QFormLayout;
    layout->addLayout(columns);
    cboGlosa_ = new QComboBox(this);
    cboGlosa_->setObjectName(QStringLiteral("cboGlosa"));
    columns->addRow(wordColumnCaption(), cboGlosa_);
    lstBetydelser_ = new QListWidget(this);
    lstBetydelser_->setObjectName(QStringLiteral("lstBetydelser"));
    lstBetydelser_->setMaximumHeight(90);
    columns->addRow(meaningColumnsCaption(), lstBetydelser_);
    chkDela_ = new QCheckBox(splitMeaningsCaption(), this);
    chkDela_->setObjectName(QStringLiteral("chkDela"));
    chkDela_->setChecked(proposal.choice.columns.splitMeanings);
    columns->addRow(chkDela_);

    auto *where = new QGroupBox(windowWordsGroup(), this);
    auto *whereLayout = new QVBoxLayout(where);
    optErsatt_ = new QRadioButton(replaceOption(), where);
    optErsatt_->setObjectName(QStringLiteral("optErsatt"));
    optLaggTill_ = new QRadioButton(appendOption(), where);
    optLaggTill_->setObjectName(QStringLiteral("optLaggTill"));
    (proposal.choice.append ? optLaggTill_ : optErsatt_)->setChecked(true);
    whereLayout->addWidget(optErsatt_);
    whereLayout->addWidget(optLaggTill_);
    layout->addWidget(where);
    layout->addWidget(okCancel(this, importButton()));

    if (!proposal.delimited) {
        // A KVTML file says itself what is the word and what the meaning.
        for (QWidget *w :
             std::initializer_list<QWidget *>{cboTeckenkodning_, cboAvgransare_, cboGlosa_, lstBetydelser_, chkDela_}) {
            w->setVisible(false);
            if (QWidget *label = form->labelForField(w) ? form->labelForField(w) : columns->labelForField(w))
                label->setVisible(false);
        }
    }
    connect(cboTeckenkodning_, &QComboBox::currentIndexChanged, this, &ImportDialog::refresh);
    connect(cboAvgransare_, &QComboBox::currentIndexChanged, this, &ImportDialog::refresh);
    connect(cboGlosa_, &QComboBox::currentIndexChanged, this, [this](int word) {
        for (int i = 0; i < lstBetydelser_->count(); ++i) {
            QListWidgetItem *item = lstBetydelser_->item(i);
            item->setFlags(i == word ? Qt::NoItemFlags
                                     : Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            item->setCheckState(i == word ? Qt::Unchecked : Qt::Checked);
        }
    });
    refresh();
    if (proposal.delimited)
        cboTeckenkodning_->setFocus();
}

void ImportDialog::fillColumns(int count)
{
    if (count == columnCount_)
        return;
    columnCount_ = count;
    const int word = std::clamp(proposal_.choice.columns.wordColumn, 0, std::max(0, count - 1));
    const QList<int> &meanings = proposal_.choice.columns.meaningColumns;
    QSignalBlocker blocker(cboGlosa_);
    cboGlosa_->clear();
    lstBetydelser_->clear();
    for (int c = 0; c < count; ++c) {
        cboGlosa_->addItem(columnName(c));
        auto *item = new QListWidgetItem(columnName(c), lstBetydelser_);
        item->setFlags(c == word ? Qt::NoItemFlags
                                 : Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        const bool meaning = c != word && (meanings.isEmpty() || meanings.contains(c));
        item->setCheckState(meaning ? Qt::Checked : Qt::Unchecked);
    }
    cboGlosa_->setCurrentIndex(word);
}

void ImportDialog::refresh()
{
    QList<QStringList> rows;
    QStringList headers;
    if (proposal_.delimited) {
        const ImportChoice current = choice();
        rows = exchange::parseDelimited(exchange::decodeText(proposal_.bytes, current.format.encoding),
                                        current.format.separator);
        int count = 0;
        for (const QStringList &row : rows)
            count = std::max(count, static_cast<int>(row.size()));
        fillColumns(count);
        for (int c = 0; c < count; ++c)
            headers << columnName(c);
        lblRader_->setText(rowsInFileText(rows.size()));
    } else {
        rows = proposal_.kvtml.rows;
        headers << proposal_.kvtml.sprak1 << proposal_.kvtml.sprak2;
        lblRader_->setText(wordsInFileText(rows.size()));
    }
    const int shown = std::min(static_cast<int>(rows.size()), kPreviewRows);
    tblForhandsvisning_->clear();
    tblForhandsvisning_->setColumnCount(static_cast<int>(headers.size()));
    tblForhandsvisning_->setHorizontalHeaderLabels(headers);
    tblForhandsvisning_->setRowCount(shown);
    for (int r = 0; r < shown; ++r) {
        for (int c = 0; c < rows[r].size() && c < headers.size(); ++c)
            tblForhandsvisning_->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    }
}

ImportChoice ImportDialog::choice() const
{
    ImportChoice chosen = proposal_.choice;
    chosen.format.encoding = static_cast<TextEncoding>(cboTeckenkodning_->currentData().toInt());
    chosen.format.separator = cboAvgransare_->currentData().toChar();
    chosen.columns.splitMeanings = chkDela_->isChecked();
    chosen.append = optLaggTill_->isChecked();
    if (columnCount_ >= 0) {
        chosen.columns.wordColumn = std::max(0, cboGlosa_->currentIndex());
        chosen.columns.meaningColumns.clear();
        for (int i = 0; i < lstBetydelser_->count(); ++i) {
            if (i != chosen.columns.wordColumn && lstBetydelser_->item(i)->checkState() == Qt::Checked)
                chosen.columns.meaningColumns.append(i);
        }
        // No meaning column at all is said so, not read as "every other column".
        if (chosen.columns.meaningColumns.isEmpty())
            chosen.columns.meaningColumns.append(-1);
    }
    return chosen;
}

PrintLayoutDialog::PrintLayoutDialog(const exchange::PrintOptions &proposed, bool toPdf, QWidget *parent)
    : QDialog(parent), proposed_(proposed)
{
    setObjectName(QStringLiteral("frmUtskrift"));
    setWindowTitle(toPdf ? savePdfTitle() : printTitle());
    auto *layout = new QVBoxLayout(this);
    auto *group = new QGroupBox(printWhatGroup(), this);
    auto *groupLayout = new QVBoxLayout(group);
    const auto option = [&](const char *name, const QString &caption) {
        auto *button = new QRadioButton(caption, group);
        button->setObjectName(QString::fromLatin1(name));
        groupLayout->addWidget(button);
        return button;
    };
    optGloslista_ = option("optGloslista", listOption());
    optForhor_ = option("optForhor", quizOption());
    auto *forhorRow = new QFormLayout;
    forhorRow->setContentsMargins(24, 0, 0, 0);
    cboForhor_ = new QComboBox(group);
    cboForhor_->setObjectName(QStringLiteral("cboForhor"));
    cboForhor_->addItem(quizShowsMeanings());
    cboForhor_->addItem(quizShowsWords());
    cboForhor_->setCurrentIndex(proposed.showMeanings ? 0 : 1);
    forhorRow->addRow(quizShowsCaption(), cboForhor_);
    groupLayout->addLayout(forhorRow);
    optGloskort_ = option("optGloskort", cardsOption());
    layout->addWidget(group);
    auto *hint = new QLabel(cardsHint(), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addWidget(okCancel(this, toPdf ? savePdfButton() : printCommand()));
    switch (proposed.layout) {
    case exchange::PrintLayout::Gloslista:
        optGloslista_->setChecked(true);
        break;
    case exchange::PrintLayout::Forhor:
        optForhor_->setChecked(true);
        break;
    case exchange::PrintLayout::Gloskort:
        optGloskort_->setChecked(true);
        break;
    }
    cboForhor_->setEnabled(optForhor_->isChecked());
    connect(optForhor_, &QRadioButton::toggled, cboForhor_, &QWidget::setEnabled);
    (optGloskort_->isChecked() ? optGloskort_ : optForhor_->isChecked() ? optForhor_ : optGloslista_)->setFocus();
}

exchange::PrintOptions PrintLayoutDialog::options() const
{
    exchange::PrintOptions chosen = proposed_;
    chosen.layout = optForhor_->isChecked()     ? exchange::PrintLayout::Forhor
                    : optGloskort_->isChecked() ? exchange::PrintLayout::Gloskort
                                                : exchange::PrintLayout::Gloslista;
    chosen.showMeanings = cboForhor_->currentIndex() == 0;
    return chosen;
}

std::optional<ImportChoice> QtEditorDialogs::confirmImport(QWidget *owner, const ImportProposal &proposal)
{
    ImportDialog dialog(proposal, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<exchange::PrintOptions> QtEditorDialogs::choosePrintLayout(QWidget *owner,
                                                                         const exchange::PrintOptions &proposed,
                                                                         bool toPdf)
{
    PrintLayoutDialog dialog(proposed, toPdf, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.options();
}

bool QtEditorDialogs::printerDialog(QWidget *owner, QPrinter &printer)
{
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(printTitle());
    return dialog.exec() == QDialog::Accepted;
}

std::optional<int> QtEditorDialogs::popupMenu(QWidget *owner, const QPoint &globalPos, const QStringList &items)
{
    QMenu menu(owner);
    menu.setObjectName(QStringLiteral("mnuStavningsforslag"));
    QList<QAction *> actions;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i].isEmpty()) {
            actions.append(menu.addSeparator());
            continue;
        }
        QAction *action = menu.addAction(items[i].startsWith(u'!') ? items[i].mid(1) : items[i]);
        action->setObjectName(QStringLiteral("mnuForslag_%1").arg(i));
        action->setEnabled(!items[i].startsWith(u'!'));
        actions.append(action);
    }
    QAction *chosen = menu.exec(globalPos);
    if (!chosen)
        return std::nullopt;
    return static_cast<int>(actions.indexOf(chosen));
}

SpellingAnswer QtEditorDialogs::spellingStep(QWidget *owner, const SpellingQuestion &question)
{
    SpellingDialog dialog(question, owner);
    dialog.exec();
    return dialog.answer();
}

SpellingDialog::SpellingDialog(const SpellingQuestion &question, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStavning"));
    setWindowTitle(spellingDialogTitle(question.language));
    auto *layout = new QVBoxLayout(this);
    auto *word = new QLabel(notInDictionaryText(question.word, question.cellText), this);
    word->setObjectName(QStringLiteral("lblOrd"));
    layout->addWidget(word);
    auto *form = new QFormLayout;
    auto *change = new QLineEdit(question.suggestions.value(0, question.word), this);
    change->setObjectName(QStringLiteral("txtAndraTill"));
    form->addRow(changeToCaption(), change);
    auto *suggestions = new QListWidget(this);
    suggestions->setObjectName(QStringLiteral("lstForslag"));
    suggestions->addItems(question.suggestions);
    suggestions->setCurrentRow(question.suggestions.isEmpty() ? -1 : 0);
    form->addRow(suggestionsCaption(), suggestions);
    layout->addLayout(form);
    connect(suggestions, &QListWidget::currentTextChanged, change, &QLineEdit::setText);
    connect(suggestions, &QListWidget::itemActivated, this, [this, change] {
        answer_ = {SpellingAnswer::Change, change->text()};
        accept();
    });
    auto *buttons = new QDialogButtonBox(this);
    const auto button = [&](const char *name, const QString &caption, SpellingAnswer::Action action) {
        QPushButton *b = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, [this, change, action] {
            answer_ = {action, action == SpellingAnswer::Change ? change->text() : QString()};
            if (action == SpellingAnswer::Stop)
                reject();
            else
                accept();
        });
        return b;
    };
    button("cmdAndra", changeButton(), SpellingAnswer::Change)->setDefault(true);
    button("cmdIgnorera", ignoreButton(), SpellingAnswer::Ignore);
    button("cmdLaggTill", addButton(), SpellingAnswer::Add);
    button("cmdStang", closeButton(), SpellingAnswer::Stop);
    layout->addWidget(buttons);
    change->setFocus();
    change->selectAll();
}

}  // namespace editor
