// SPDX-License-Identifier: GPL-3.0-or-later
// Prints a fixed vocabulary in each of the editor's printed layouts, as PDFs for a look at them:
//   plugo_print_samples <folder>   writes gloslista.pdf, forhor.pdf and gloskort.pdf there
#include "editor/exchange/printing.h"

#include <QDir>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cstdio>

namespace {

vocabulary::Document sample()
{
    struct Row {
        const char *word;
        QStringList meanings;
    };
    const Row rows[] = {
        {"äpple", {"la pomme"}},
        {"päron", {"la poire"}},
        {"smör", {"le beurre"}},
        {"bröd", {"le pain"}},
        {"ost", {"le fromage"}},
        {"kaffe", {"le café"}},
        {"te", {"le thé"}},
        {"mjölk", {"le lait"}},
        {"vatten", {"l'eau (f)"}},
        {"glass", {"la glace"}},
        {"skola", {"l'école (f)", "le collège"}},
        {"lärare", {"le professeur", "l'enseignant", "la maîtresse"}},
        {"elev", {"l'élève"}},
        {"bok", {"le livre"}},
        {"fönster", {"la fenêtre"}},
        {"dörr", {"la porte"}},
        {"bil", {"la voiture", "l'auto (f)"}},
        {"cykel", {"le vélo", "la bicyclette"}},
        {"tåg", {"le train"}},
        {"flygplats", {"l'aéroport (m)"}},
        {"sjukhus", {"l'hôpital (m)"}},
        {"fest", {"la fête", "la soirée"}},
        {"födelsedag", {"l'anniversaire (m)"}},
        {"jul", {"Noël"}},
        {"påsk", {"Pâques"}},
        {"vår", {"le printemps"}},
        {"sommar", {"l'été (m)"}},
        {"höst", {"l'automne (m)"}},
        {"vinter", {"l'hiver (m)"}},
        {"att vara glad över något",
         {"être content de quelque chose", "se réjouir de quelque chose", "être ravi",
          "se féliciter d'une chose qui vous est arrivée à l'improviste"}},
    };
    vocabulary::Document document{QStringLiteral("Svenska"), QStringLiteral("Franska"), {}};
    for (const Row &row : rows)
        document.entries.push_back({QString::fromUtf8(row.word), row.meanings});
    return document;
}

bool print(const QString &path, exchange::PrintLayout layout)
{
    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Franska vecka 3"));
    exchange::PrintOptions options;
    options.layout = layout;
    options.title = QStringLiteral("Franska vecka 3");
    const int pages = exchange::printVocabulary(writer, sample(), options);
    std::printf("%s: %d %s\n", qPrintable(QDir::toNativeSeparators(path)), pages, pages == 1 ? "sida" : "sidor");
    return pages > 0;
}

}  // namespace

int main(int argc, char **argv)
{
    // No window is shown: fonts and a paint engine are all it needs, on any machine.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: plugo_print_samples <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    bool ok = print(folder.filePath(QStringLiteral("gloslista.pdf")), exchange::PrintLayout::Gloslista);
    ok = print(folder.filePath(QStringLiteral("forhor.pdf")), exchange::PrintLayout::Forhor) && ok;
    ok = print(folder.filePath(QStringLiteral("gloskort.pdf")), exchange::PrintLayout::Gloskort) && ok;
    return ok ? 0 : 1;
}
