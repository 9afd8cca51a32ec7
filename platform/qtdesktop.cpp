#include "qtdesktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
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

static FileDialogResult runFileDialog(QWidget *owner, const FileDialogOptions &options,
                                      QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner, options.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(toQtFilter(options.filter));
    if (!options.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!options.presetName.isEmpty())
        dialog.selectFile(options.presetName);
    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;
    result.cancelled = false;
    result.path = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    result.fileName = fileNamePart(result.path);
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
