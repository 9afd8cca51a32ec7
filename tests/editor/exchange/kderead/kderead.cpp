// SPDX-License-Identifier: GPL-3.0-or-later
// Opens a KVTML file as KWordQuiz and Parley do and prints, in UTF-8, one line each: "title: ",
// then "identifier N: " and the name of each language, then "entry: " and translation 0 and
// "meaning: " and translation 1 of every entry in every lesson. Exit code 1 when the library
// refuses the file, with its error code on standard error.
#include <KEduVocDocument>
#include <KEduVocExpression>
#include <KEduVocIdentifier>
#include <KEduVocLesson>
#include <QCoreApplication>
#include <QTextStream>
#include <QUrl>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out.setCodec("UTF-8");
    if (argc != 2) {
        QTextStream(stderr) << "usage: kderead FILE.kvtml\n";
        return 2;
    }
    KEduVocDocument document;
    const int code = document.open(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])),
                                   KEduVocDocument::FileIgnoreLock);
    if (code != KEduVocDocument::NoError) {
        QTextStream(stderr) << "KEduVocDocument::open: " << code << ' ' << document.errorDescription(code) << '\n';
        return 1;
    }
    out << "title: " << document.title() << '\n';
    for (int i = 0; i < document.identifierCount(); ++i)
        out << "identifier " << i << ": " << document.identifier(i).name() << '\n';
    for (KEduVocExpression *entry : document.lesson()->entries(KEduVocContainer::Recursive)) {
        out << "entry: " << entry->translation(0)->text() << '\n';
        out << "meaning: " << entry->translation(1)->text() << '\n';
    }
    return 0;
}
