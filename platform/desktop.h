// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace platform {

// Message box styles, numbered the way the windows ask for them.
enum MessageStyle : int {
    MsgOk = 0,               // OK only, no icon
    MsgOkStop = 16,          // OK, stop icon
    MsgOkWarning = 48,       // OK, exclamation icon
    MsgOkCancelWarning = 49  // OK and Cancel, exclamation icon
};

// The button the user pressed.
enum MessageAnswer : int { AnswerOk = 1, AnswerCancel = 2 };

struct FileDialogOptions {
    QString title;
    // Description and pattern pairs joined by "|", as in "glosfil (*.gls)|*.gls".
    QString filter;
    // Proposed file name; may be empty.
    QString presetName;
    // Save dialogs only: ask before an existing file is replaced.
    bool confirmOverwrite = false;
    // The folder the dialog shows first; empty for the toolkit's own choice.
    QString startFolder{};
};

struct FileDialogResult {
    bool cancelled = true;
    QString path;      // full path, exactly as chosen
    QString fileName;  // the bare name, without folder
    // The description-and-pattern pair of the filter the user had chosen, counted from 0; -1 when
    // the dialog does not say.
    int filterIndex = -1;
};

// The desktop services both programs use. Everything that waits for the user or reads the
// clock goes through here, so tests can answer from a script instead of a real dialog.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message; line feeds break the text. Returns AnswerOk or AnswerCancel.
    virtual int messageBox(QWidget *owner, const QString &text, const QString &title, int style) = 0;

    // A modal question with buttons of the caller's own captions, in order; the first is the
    // default, the last is what Escape or closing the box answers. Returns the index of the button
    // pressed. A desktop that cannot ask answers with the last button.
    virtual int question(QWidget *owner, const QString &text, const QString &title, const QStringList &buttons);

    virtual FileDialogResult openFileDialog(QWidget *owner, const FileDialogOptions &options) = 0;
    virtual FileDialogResult saveFileDialog(QWidget *owner, const FileDialogOptions &options) = 0;

    // Hands a document to the program the desktop has registered for its type. Nothing is reported.
    virtual void openDocument(QWidget *owner, const QString &path, const QString &workingFolder) = 0;

    // Starts a program by its full path, without a shell and without waiting. True if it started.
    virtual bool startProgram(const QString &path, const QString &workingFolder) = 0;

    // The folder of the running program, without a trailing separator.
    virtual QString programFolder() const = 0;

    // True when a normal file exists at the path; an empty path counts as missing.
    virtual bool fileExists(const QString &path) const = 0;

    // The file's last-modified local date and time; nothing when it cannot be read.
    virtual std::optional<QDateTime> fileTimestamp(const QString &path) const = 0;

    // The current local date and time.
    virtual QDateTime now() const = 0;

    // The date in the system's short date format.
    virtual QString shortDate(const QDate &date) const = 0;

    // Loads a GIF or BMP picture; nothing when the file is missing or unreadable.
    virtual std::optional<QImage> loadPicture(const QString &path) const = 0;

    // Ends the program at once.
    virtual void endProgram() = 0;

    // The user's own folder for the program's files: the XDG data home on Linux, the local
    // application data folder on Windows.
    virtual QString userDataFolder() const;

    // Where the user's downloads go: the desktop's download folder, else the home folder.
    virtual QString downloadsFolder() const;

    // Where the user's own documents go: the desktop's documents folder, else the home folder.
    virtual QString documentsFolder() const;

    // True when files can be created in the folder.
    virtual bool isFolderWritable(const QString &folder) const;
};

// Formats a date and time by one of the patterns the programs use:
// "ddddd" the system's short date, "hh:nn" hour and minute, "yy mm dd" two-digit year, month, day.
QString formatDateTime(const Desktop &desktop, const QDateTime &when, QStringView pattern);

// A file beside another: the folder, the platform's separator and the name.
QString pathInFolder(const QString &folder, const QString &name);

// The part of a path after its last separator; both "/" and "\" separate.
QString fileNamePart(const QString &path);

// Removes the space character, and only that, from both ends.
QString trimSpaces(const QString &text);

// The program's files on this system: "plugo.exe" on Windows, "plugo" elsewhere.
QString programFileName(const QString &baseName);

}  // namespace platform
