// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripteddesktop.h"

#include "platform/qtdesktop.h"

#include <QProcess>

namespace testing_support {

platform::FileDialogResult ScriptedDesktop::chosen(const QString &path)
{
    platform::FileDialogResult result;
    result.cancelled = false;
    result.path = path;
    result.fileName = platform::fileNamePart(path);
    return result;
}

void ScriptedDesktop::chooseOpen(const QString &path) { openAnswers.push_back(chosen(path)); }
void ScriptedDesktop::chooseSave(const QString &path, int filterIndex)
{
    saveAnswers.push_back(chosen(path));
    saveAnswers.back().filterIndex = filterIndex;
}
void ScriptedDesktop::cancelOpen() { openAnswers.push_back(platform::FileDialogResult{}); }
void ScriptedDesktop::cancelSave() { saveAnswers.push_back(platform::FileDialogResult{}); }

std::vector<ScriptedDesktop::Call> ScriptedDesktop::callsOf(const QString &kind) const
{
    std::vector<Call> found;
    for (const Call &call : calls) {
        if (call.kind == kind)
            found.push_back(call);
    }
    return found;
}

std::vector<QStringList> ScriptedDesktop::messages() const
{
    std::vector<QStringList> found;
    for (const Call &call : callsOf(QStringLiteral("messageBox")))
        found.push_back(call.args);
    return found;
}

int ScriptedDesktop::messageBox(QWidget *, const QString &text, const QString &title, int style)
{
    calls.push_back({QStringLiteral("messageBox"), {text, title, QString::number(style)}});
    if (messageAnswers.empty())
        return platform::AnswerOk;
    const int answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

int ScriptedDesktop::question(QWidget *, const QString &text, const QString &title, const QStringList &buttons)
{
    calls.push_back({QStringLiteral("question"), QStringList{text, title} + buttons});
    if (questionAnswers.empty())
        return static_cast<int>(buttons.size()) - 1;
    const int answer = questionAnswers.front();
    questionAnswers.pop_front();
    return answer;
}

static QStringList dialogArgs(const platform::FileDialogOptions &options)
{
    QStringList args{options.title, options.filter, options.presetName,
                     options.confirmOverwrite ? QStringLiteral("overwrite-prompt") : QStringLiteral("no-prompt")};
    if (!options.startFolder.isEmpty())
        args << QStringLiteral("in ") + options.startFolder;
    return args;
}

platform::FileDialogResult ScriptedDesktop::openFileDialog(QWidget *, const platform::FileDialogOptions &options)
{
    calls.push_back({QStringLiteral("openFileDialog"), dialogArgs(options)});
    if (openAnswers.empty())
        return {};
    auto answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

platform::FileDialogResult ScriptedDesktop::saveFileDialog(QWidget *, const platform::FileDialogOptions &options)
{
    calls.push_back({QStringLiteral("saveFileDialog"), dialogArgs(options)});
    if (saveAnswers.empty())
        return {};
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

void ScriptedDesktop::openDocument(QWidget *, const QString &path, const QString &workingFolder)
{
    calls.push_back({QStringLiteral("openDocument"), {path, workingFolder}});
}

bool ScriptedDesktop::startProgram(const QString &path, const QString &workingFolder)
{
    calls.push_back({QStringLiteral("startProgram"), {path, workingFolder}});
    return startForReal ? QProcess::startDetached(path, {}, workingFolder) : true;
}

bool ScriptedDesktop::fileExists(const QString &path) const
{
    return platform::files::exists(path);
}

std::optional<QDateTime> ScriptedDesktop::fileTimestamp(const QString &path) const
{
    return platform::files::timestamp(path);
}

std::optional<QImage> ScriptedDesktop::loadPicture(const QString &path) const
{
    return platform::files::picture(path);
}

bool ScriptedDesktop::isFolderWritable(const QString &path) const
{
    return !readOnlyFolders.contains(path) && platform::Desktop::isFolderWritable(path);
}

void ScriptedDesktop::endProgram()
{
    calls.push_back({QStringLiteral("endProgram"), {}});
    ended = true;
}

}  // namespace testing_support
