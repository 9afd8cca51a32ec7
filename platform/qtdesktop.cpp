// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtdesktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QImageReader>
#include <QLocale>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTreeView>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace platform {

namespace files {

bool exists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

std::optional<QDateTime> timestamp(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    const QDateTime modified = info.lastModified();
    if (!modified.isValid())
        return std::nullopt;
    return modified.toLocalTime();
}

std::optional<QImage> picture(const QString &path)
{
    if (!exists(path))
        return std::nullopt;
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image;
}

}  // namespace files

QString toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i);
        QString patterns = parts.at(i + 1);
        patterns.replace(u';', u' ');
        if (description.contains(u'(' + patterns + u')'))
            filters << description;
        else
            filters << description + QStringLiteral(" (") + patterns + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

int QtDesktop::messageBox(QWidget *owner, const QString &text, const QString &title, int style)
{
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (style) {
    case MsgOkStop:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgOkWarning:
    case MsgOkCancelWarning:
        box.setIcon(QMessageBox::Warning);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if (style == MsgOkCancelWarning) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Cancel ? AnswerCancel : AnswerOk;
}

int QtDesktop::question(QWidget *owner, const QString &text, const QString &title, const QStringList &buttons)
{
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    std::vector<QPushButton *> pushButtons;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const bool last = i + 1 == buttons.size();
        const QMessageBox::ButtonRole role = i == 0 ? QMessageBox::AcceptRole
                                             : last ? QMessageBox::RejectRole
                                                    : QMessageBox::DestructiveRole;
        pushButtons.push_back(box.addButton(buttons.at(i), role));
    }
    if (pushButtons.empty())
        return -1;
    box.setDefaultButton(pushButtons.front());
    box.setEscapeButton(pushButtons.back());
    box.exec();
    const auto pressed = std::find(pushButtons.begin(), pushButtons.end(), box.clickedButton());
    if (pressed == pushButtons.end())
        return static_cast<int>(pushButtons.size()) - 1;
    return static_cast<int>(pressed - pushButtons.begin());
}

namespace {

// The columns of the toolkit's file dialog, as its file system model numbers them.
enum FileColumn { NameColumn = 0, SizeColumn = 1, TypeColumn = 2, DateColumn = 3 };

// The toolkit's file dialog writes sizes and dates in the system's locale, so "604 bytes" and
// "9 Dec 2026 13:14:59" under C.UTF-8, whatever the program's own locale is. This gives those two
// columns the program's locale (the default one: Swedish, "604 byte" and "2026-12-09 13:14", in
// all three programs). The names and everything else pass as they are; the system locale itself
// is left alone, for what follows it on purpose.
class LocaleFileColumns final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (files && role == Qt::DisplayRole && index.isValid()) {
            const QModelIndex source = mapToSource(index);
            if (index.column() == DateColumn)
                return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
            if (index.column() == SizeColumn && !files->isDir(source))
                return QLocale().formattedDataSize(files->size(source));
        }
        return QIdentityProxyModel::data(index, role);
    }
};

// The widths the columns need for what they show: a size of four digits, the type of a vocabulary
// file and a date, each with a little room on both sides, and at least the width of the heading.
// Qt's own defaults are measured on English samples such as "mp3Folder" and cut the Swedish texts.
int neededWidth(const QTreeView &view, int column)
{
    QString sample;
    if (column == SizeColumn)
        sample = QLocale().formattedDataSize(1023 * 1024 + 1000);
    else if (column == TypeColumn)
        sample = QMimeDatabase().mimeTypeForName(QStringLiteral("text/plain")).comment();
    else if (column == DateColumn)
        sample = QLocale().toString(QDateTime(QDate(2026, 12, 29), QTime(23, 59)), QLocale::ShortFormat);
    const QFontMetrics metrics = view.fontMetrics();
    return std::max(view.header()->sectionSizeHint(column), metrics.horizontalAdvance(sample) + 3 * metrics.averageCharWidth());
}

// Makes every column of the details view wide enough for its texts, and the dialog wide enough to
// show them all side by side, when it is shown, since only then are its parts laid out.
class WideEnoughColumns final : public QObject {
public:
    WideEnoughColumns(QFileDialog &dialog, QTreeView &view) : QObject(&dialog), dialog_(dialog), view_(view) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &dialog_ && event->type() == QEvent::Show)
            widen();
        return false;
    }

private:
    void widen()
    {
        QHeaderView &header = *view_.header();
        int wanted = 0;
        for (int column = 0; column < header.count(); ++column) {
            if (header.isSectionHidden(column))
                continue;
            const int width = std::max(header.sectionSize(column), column == NameColumn ? 0 : neededWidth(view_, column));
            header.resizeSection(column, width);
            wanted += width;
        }
        // Room for the scroll bar that a long folder brings.
        if (!view_.verticalScrollBar()->isVisible())
            wanted += view_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &view_);
        // The splitter shares a wider dialog between the view and the side bar, so widen until the
        // view has its room; each round gets closer, and the screen's width is the end.
        const QScreen *screen = dialog_.screen();
        const int widest = screen ? screen->availableGeometry().width() : dialog_.width() + wanted;
        for (int round = 0; round < 4 && view_.viewport()->width() < wanted && dialog_.width() < widest; ++round) {
            dialog_.resize(std::min(widest, dialog_.width() + wanted - view_.viewport()->width()), dialog_.height());
        }
    }

    QFileDialog &dialog_;
    QTreeView &view_;
};

// Sizes and dates in the program's locale, and columns that are not cut off. Only the toolkit's own
// dialog has these parts; a desktop's native dialog is left as it is.
void prepareToolkitDialog(QFileDialog &dialog)
{
    auto *view = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (view == nullptr)
        return;
    // A new model resets the columns' widths; the ones the user left last time are kept.
    const QByteArray columns = view->header()->saveState();
    dialog.setProxyModel(new LocaleFileColumns(&dialog));
    view->header()->restoreState(columns);
    dialog.installEventFilter(new WideEnoughColumns(dialog, *view));
}

}  // namespace

static FileDialogResult runFileDialog(QWidget *owner, const FileDialogOptions &options,
                                      QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner, options.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QString filters = toQtFilter(options.filter);
    dialog.setNameFilter(filters);
    if (!options.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    prepareToolkitDialog(dialog);
    if (!options.startFolder.isEmpty())
        dialog.setDirectory(options.startFolder);
    if (!options.presetName.isEmpty())
        dialog.selectFile(options.presetName);
    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;
    result.cancelled = false;
    result.path = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    result.fileName = fileNamePart(result.path);
    result.filterIndex = static_cast<int>(filters.split(QStringLiteral(";;")).indexOf(dialog.selectedNameFilter()));
    return result;
}

FileDialogResult QtDesktop::openFileDialog(QWidget *owner, const FileDialogOptions &options)
{
    return runFileDialog(owner, options, QFileDialog::AcceptOpen);
}

FileDialogResult QtDesktop::saveFileDialog(QWidget *owner, const FileDialogOptions &options)
{
    return runFileDialog(owner, options, QFileDialog::AcceptSave);
}

void QtDesktop::openDocument(QWidget *, const QString &path, const QString &)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtDesktop::startProgram(const QString &path, const QString &workingFolder)
{
    return QProcess::startDetached(path, {}, workingFolder);
}

QString QtDesktop::programFolder() const
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

bool QtDesktop::fileExists(const QString &path) const
{
    return files::exists(path);
}

std::optional<QDateTime> QtDesktop::fileTimestamp(const QString &path) const
{
    return files::timestamp(path);
}

QDateTime QtDesktop::now() const
{
    return QDateTime::currentDateTime();
}

QString QtDesktop::shortDate(const QDate &date) const
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

std::optional<QImage> QtDesktop::loadPicture(const QString &path) const
{
    return files::picture(path);
}

void QtDesktop::endProgram()
{
    // At once: no close handler runs again, no event loop gets another turn.
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace platform
