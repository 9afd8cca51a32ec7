// SPDX-License-Identifier: GPL-3.0-or-later
#include "swedishtexts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>

namespace platform {

namespace {

struct FixedText {
    const char *context;
    const char *source;  // the toolkit's English, accelerator "&" included
    const char *swedish;
};

// The toolkit asks for each text by its class and its English original. Qt appends the shortcut
// ("\tCtrl+Z") to the context menu entries itself, so only the words are here.
constexpr FixedText fixedTexts[] = {
    // Standard buttons of message boxes and button boxes.
    {"QPlatformTheme", "OK", "OK"},
    {"QPlatformTheme", "Cancel", "Avbryt"},
    {"QPlatformTheme", "&Yes", "&Ja"},
    {"QPlatformTheme", "&No", "&Nej"},
    {"QPlatformTheme", "Open", "Öppna"},
    {"QPlatformTheme", "Save", "Spara"},
    {"QPlatformTheme", "Close", "Stäng"},

    // The context menu of one-line text boxes ...
    {"QLineEdit", "&Undo", "&Ångra"},
    {"QLineEdit", "&Redo", "&Gör om"},
    {"QLineEdit", "Cu&t", "Klipp &ut"},
    {"QLineEdit", "&Copy", "&Kopiera"},
    {"QLineEdit", "&Paste", "Klistra &in"},
    {"QLineEdit", "Delete", "Ta bort"},
    {"QLineEdit", "Select All", "Markera allt"},
    // ... and of the multi-line ones.
    {"QWidgetTextControl", "&Undo", "&Ångra"},
    {"QWidgetTextControl", "&Redo", "&Gör om"},
    {"QWidgetTextControl", "Cu&t", "Klipp &ut"},
    {"QWidgetTextControl", "&Copy", "&Kopiera"},
    {"QWidgetTextControl", "Copy &Link Location", "Kopiera &länkadress"},
    {"QWidgetTextControl", "&Paste", "Klistra &in"},
    {"QWidgetTextControl", "Delete", "Ta bort"},
    {"QWidgetTextControl", "Select All", "Markera allt"},

    // The toolkit's own file dialog, used where the desktop offers no native one.
    {"QFileDialog", "Look in:", "Leta i:"},
    {"QFileDialog", "File &name:", "Fil&namn:"},
    {"QFileDialog", "Files of type:", "Filtyp:"},
    {"QFileDialog", "Directory:", "Mapp:"},
    {"QFileDialog", "&Open", "&Öppna"},
    {"QFileDialog", "&Save", "&Spara"},
    {"QFileDialog", "&Choose", "&Välj"},
    {"QFileDialog", "Save As", "Spara som"},
    {"QFileDialog", "Find Directory", "Välj mapp"},
    {"QFileDialog", "Back", "Bakåt"},
    {"QFileDialog", "Go back", "Gå bakåt"},
    {"QFileDialog", "Forward", "Framåt"},
    {"QFileDialog", "Go forward", "Gå framåt"},
    {"QFileDialog", "Parent Directory", "Överordnad mapp"},
    {"QFileDialog", "Go to the parent directory", "Gå till överordnad mapp"},
    {"QFileDialog", "Create New Folder", "Skapa ny mapp"},
    {"QFileDialog", "Create a New Folder", "Skapa en ny mapp"},
    {"QFileDialog", "List View", "Lista"},
    {"QFileDialog", "Change to list view mode", "Visa som lista"},
    {"QFileDialog", "Detail View", "Detaljer"},
    {"QFileDialog", "Change to detail view mode", "Visa med detaljer"},
    {"QFileDialog", "Sidebar", "Sidopanel"},
    {"QFileDialog", "List of places and bookmarks", "Platser och bokmärken"},
    {"QFileDialog", "Files", "Filer"},
    {"QFileDialog", "All Files (*)", "Alla filer (*)"},
    {"QFileDialog", "All files (*)", "Alla filer (*)"},
    {"QFileDialog", "Directories", "Mappar"},
    {"QFileDialog", "Recent Places", "Senaste platser"},
    {"QFileDialog", "Show ", "Visa "},
    {"QFileDialog", "&Rename", "&Byt namn"},
    {"QFileDialog", "&Delete", "&Ta bort"},
    {"QFileDialog", "Show &hidden files", "Visa &dolda filer"},
    {"QFileDialog", "&New Folder", "&Ny mapp"},
    {"QFileDialog", "New Folder", "Ny mapp"},
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?", "%1 finns redan.\nVill du ersätta den?"},
    {"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.",
     "%1\nFilen hittades inte.\nKontrollera att filnamnet är rätt."},
    {"QFileDialog", "%1\nDirectory not found.\nPlease verify the correct directory name was given.",
     "%1\nMappen hittades inte.\nKontrollera att mappens namn är rätt."},
    {"QFileDialog", "'%1' is write protected.\nDo you want to delete it anyway?",
     "'%1' är skrivskyddad.\nVill du ta bort den ändå?"},
    {"QFileDialog", "Are you sure you want to delete '%1'?", "Vill du verkligen ta bort '%1'?"},
    {"QFileDialog", "Could not delete directory.", "Mappen kunde inte tas bort."},
    {"QFileSystemModel", "Name", "Namn"},
    {"QFileSystemModel", "Size", "Storlek"},
    {"QFileSystemModel", "Type", "Typ"},
    {"QFileSystemModel", "Date Modified", "Ändrad"},
    {"QFileSystemModel", "Computer", "Dator"},
    {"QAbstractFileIconProvider", "Folder", "Mapp"},
    {"QAbstractFileIconProvider", "Drive", "Enhet"},
    {"QAbstractFileIconProvider", "File", "Fil"},
};

// Answers the fixed texts above and nothing else; installed after the catalogue, so it is asked first.
class FixedSwedish final : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (context == nullptr || sourceText == nullptr)
            return {};
        for (const FixedText &text : fixedTexts) {
            if (std::strcmp(text.context, context) == 0 && std::strcmp(text.source, sourceText) == 0)
                return QString::fromUtf8(text.swedish);
        }
        return {};
    }

    bool isEmpty() const override { return false; }
};

const char *const catalogueName = "plugoToolkitCatalogue";
const char *const fixedName = "plugoFixedSwedish";

}  // namespace

bool installSwedishTexts(QApplication &app, const QString &catalogueFolder)
{
    // A second call replaces the first one's translators.
    for (const char *name : {catalogueName, fixedName}) {
        if (auto *old = app.findChild<QTranslator *>(QLatin1String(name), Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(old);
            delete old;
        }
    }

    // Beside the program first: a Windows installation carries its own copy, having no system Qt.
    const QStringList folders = catalogueFolder.isEmpty()
                                    ? QStringList{QCoreApplication::applicationDirPath(),
                                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)}
                                    : QStringList{catalogueFolder};
    auto *catalogue = new QTranslator(&app);
    catalogue->setObjectName(QLatin1String(catalogueName));
    bool loaded = false;
    for (const QString &folder : folders) {
        if ((loaded = catalogue->load(QStringLiteral("qt_sv"), folder)))
            break;
    }
    if (loaded)
        QCoreApplication::installTranslator(catalogue);
    else
        delete catalogue;

    // The toolkit's file dialog names file types ("vanligt textdokument") in the default locale's
    // language. Dates and sizes there, like the short date of the pages, follow the system's locale.
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));

    auto *fixed = new FixedSwedish(&app);
    fixed->setObjectName(QLatin1String(fixedName));
    QCoreApplication::installTranslator(fixed);
    return loaded;
}

}  // namespace platform
