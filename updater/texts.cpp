// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts.h"

#include "platform/product.h"

namespace updater {

namespace {

QString missing(const QString &product)
{
    return product + QStringLiteral(" hittas inte på din dator. Gå till programmets hemsida och hämta en "
                                    "fullständig installation.");
}

}  // namespace

const std::array<Product, kProductCount> &products()
{
    static const std::array<Product, kProductCount> table{{
        {QStringLiteral("plugo"), QStringLiteral("Plugo"), missing(QStringLiteral("Plugo (plugo.exe)")),
         QStringLiteral("Vill du ladda ner en uppdatering till Plugo (plugo.exe)?"),
         QStringLiteral("Spara uppdatering till Plugo (plugo.exe)"), QStringLiteral("plugo_upd.exe"),
         QStringLiteral("/~tovald/plugo3/plugo_upd.exe"), QStringLiteral("PlugoPro  (plugo.exe)")},
        {QStringLiteral("editor"), QStringLiteral("Vuzuvevizaduvareziv"),
         missing(QStringLiteral("Zeduridararorev (editor.exe)")),
         QStringLiteral("Vill du ladda ner en uppdatering till Plugoredigeraren (editor.exe)?"),
         QStringLiteral("Spara uppdatering till Vuzuvevizaduvareziv  (editor.exe)"), QStringLiteral("editor_upd.exe"),
         QStringLiteral("/~tovald/plugo3/editor_upd.exe"), QStringLiteral("Vuzuvevizaduvareziv  (editor.exe)")},
        {QStringLiteral("update"), QStringLiteral("Plugo update"), missing(QStringLiteral("Update (update.exe)")),
         QStringLiteral("Vill du ladda ner en uppdatering till Update (update.exe)?"),
         QStringLiteral("Spara uppdatering till Update (update.exe)"), QStringLiteral("update_upd.exe"),
         QStringLiteral("/~tovald/plugo3/update_upd.exe"), QStringLiteral("Plugo update  (update.exe)")},
    }};
    return table;
}

QString windowTitle()
{
    return platform::productTitle() + QStringLiteral(" - Update");
}

QString introText()
{
    return QStringLiteral("Vi rekommenderar att du regelbundet kontrollerar att du har de senaste plugoprodukterna.")
           + u'\n' + u'\n'
           + QStringLiteral("Kontrollera om det finns en nyare version av programmen. Klicka på \"Kontrollera\". "
                            "Du måste ha en internetuppkoppling. Finns det en nyare version laddar du hem den "
                            "genom att klicka på \"Uppdatera\".");
}

QString frameCaption()
{
    return QStringLiteral("Finns det en uppdaterad version?");
}

QString versionDocument()
{
    return QStringLiteral("/~tovald/plugo3/version");
}

QString missingFileTitle()
{
    return QStringLiteral("Fil hittas inte");
}

QString noContactText()
{
    return QStringLiteral("En förbindelse kunde inte upprättas med servern. Kontrollera din internetförbindelse "
                          "och försök igen.");
}

QString noContactTitle()
{
    return QStringLiteral("Ingen kontakt med servern");
}

QString upToDateText()
{
    return QStringLiteral("Dina plugoprodukter är uppdaterade. Ingen uppdatering behövs!");
}

QString newerProductsText(const std::array<QString, kProductCount> &names)
{
    return QStringLiteral("Nyare version finns till följande plugoprodukter: ") + u'\n' + u'\n' + names[0] + u'\n'
           + names[1] + u'\n' + names[2] + u'\n' + u'\n'
           + QStringLiteral("Du rekomenderas att uppdatera. Klicka på \"Uppdatera\"!");
}

QString downloadQuestionTitle()
{
    return QStringLiteral("Uppdatering laddas ner!");
}

QString installerFilter()
{
    return QStringLiteral("Programfiler (*.exe)|*.exe");
}

QString downloadedText(const QString &fileName)
{
    return fileName + QStringLiteral(" har laddats ner.") + u'\n' + QStringLiteral("Klicka på filen för att uppdatera.");
}

QString downloadedTitle()
{
    return QStringLiteral("Nerladdning klar");
}

QString downloadFailedText()
{
    return QStringLiteral("Ett fel inträffade vid nedladdningen av de uppdaterade programmen.") + u'\n'
           + QStringLiteral("Var vänlig och försök igen");
}

QString downloadFailedTitle()
{
    return QStringLiteral("Ett fel uppstod");
}

QString unverifiedReleaseText()
{
    return QStringLiteral("Uppdateringen på servern kunde inte kontrolleras: den är inte signerad av "
                          "programmets utgivare, eller så har den ändrats på vägen.") + u'\n' + u'\n'
           + QStringLiteral("Ingenting har ändrats. Försök igen senare, eller hämta programmen från "
                            "programmets hemsida.");
}

QString unverifiedInstallerText(const QString &fileName)
{
    return fileName + QStringLiteral(" stämmer inte med uppdateringen som programmets utgivare har signerat "
                                     "och har inte sparats.") + u'\n' + u'\n'
           + QStringLiteral("Ingenting har ändrats. Försök igen senare, eller hämta programmen från "
                            "programmets hemsida.");
}

QString unverifiedTitle()
{
    return QStringLiteral("Uppdateringen kunde inte kontrolleras");
}

QString manifestDocument()
{
    return QStringLiteral("/~tovald/plugo3/release.manifest");
}

QString signatureDocument()
{
    return QStringLiteral("/~tovald/plugo3/release.manifest.minisig");
}

QString helpPageName()
{
    return QStringLiteral("update.html");
}

}  // namespace updater
