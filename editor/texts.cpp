// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts.h"

namespace editor {

QString editorTitle()
{
    return QStringLiteral("Vuzuvevizaduvareziv");
}

QString windowCaption(const QString &fileName)
{
    return editorTitle() + QStringLiteral(" - ") + fileName + QStringLiteral("[*]");
}

QString untitledName()
{
    return QStringLiteral("Namnlös");
}

QString untitledFileName()
{
    return QStringLiteral("Namnlös.gls");
}

QString vocabularyFilter()
{
    return QStringLiteral("glosfil (*.gls)|*.gls");
}

QString importFilter()
{
    return QStringLiteral("Ordlistor (*.csv *.txt *.tsv *.tab *.kvtml)|*.csv;*.txt;*.tsv;*.tab;*.kvtml|"
                          "Alla filer (*)|*");
}

QString exportFilter()
{
    return QStringLiteral("Kalkylblad, semikolonavgränsat (*.csv)|*.csv|"
                          "Kalkylblad, kommaavgränsat (*.csv)|*.csv|"
                          "Text med tabbar (*.txt)|*.txt|"
                          "KVTML för KWordQuiz och Parley (*.kvtml)|*.kvtml");
}

QString pdfFilter()
{
    return QStringLiteral("PDF-fil (*.pdf)|*.pdf");
}

QString openTitle()
{
    return QStringLiteral("Öppna glosfil");
}

QString saveAsTitle()
{
    return QStringLiteral("Spara glosfil som");
}

QString importTitle()
{
    return QStringLiteral("Importera glosor");
}

QString exportTitle()
{
    return QStringLiteral("Exportera glosor");
}

QString savePdfTitle()
{
    return QStringLiteral("Spara som PDF");
}

QString printTitle()
{
    return QStringLiteral("Skriv ut");
}

QString language1Caption()
{
    return QStringLiteral("Språk &1 (glosor):");
}

QString language2Caption()
{
    return QStringLiteral("Språk &2 (betydelser):");
}

QString findCaption()
{
    return QStringLiteral(" Sök: ");
}

QString fileMenuTitle()
{
    return QStringLiteral("&Arkiv");
}

QString newCommand()
{
    return QStringLiteral("Ny");
}

QString openCommand()
{
    return QStringLiteral("Öppna…");
}

QString saveCommand()
{
    return QStringLiteral("Spara");
}

QString saveAsCommand()
{
    return QStringLiteral("Spara som…");
}

QString importCommand()
{
    return QStringLiteral("Importera…");
}

QString exportCommand()
{
    return QStringLiteral("Exportera…");
}

QString printCommand()
{
    return QStringLiteral("Skriv ut…");
}

QString savePdfCommand()
{
    return QStringLiteral("Spara som PDF…");
}

QString quitCommand()
{
    return QStringLiteral("Avsluta");
}

QString editMenuTitle()
{
    return QStringLiteral("&Redigera");
}

QString undoCommand()
{
    return QStringLiteral("Ångra");
}

QString redoCommand()
{
    return QStringLiteral("Gör om");
}

QString cutCommand()
{
    return QStringLiteral("Klipp ut");
}

QString copyCommand()
{
    return QStringLiteral("Kopiera");
}

QString pasteCommand()
{
    return QStringLiteral("Klistra in");
}

QString clearCellsCommand()
{
    return QStringLiteral("Töm rutor");
}

QString findCommand()
{
    return QStringLiteral("Sök…");
}

QString findNextCommand()
{
    return QStringLiteral("Sök nästa");
}

QString rowsMenuTitle()
{
    return QStringLiteral("Ra&der");
}

QString insertRowCommand()
{
    return QStringLiteral("Infoga rad");
}

QString removeRowsCommand()
{
    return QStringLiteral("Ta bort rader");
}

QString moveUpCommand()
{
    return QStringLiteral("Flytta upp");
}

QString moveDownCommand()
{
    return QStringLiteral("Flytta ned");
}

QString sortByWordCommand()
{
    return QStringLiteral("Sortera efter glosa");
}

QString sortByMeaningCommand()
{
    return QStringLiteral("Sortera efter första betydelse");
}

QString toolsMenuTitle()
{
    return QStringLiteral("Ver&ktyg");
}

QString spellCheckCommand()
{
    return QStringLiteral("Stavningskontroll");
}

QString spellingSuggestionsCommand()
{
    return QStringLiteral("Stavningsförslag");
}

QString spellingLanguageMenuTitle()
{
    return QStringLiteral("Språk för stavning");
}

QString spellingColumnMenuTitle(int which)
{
    return which == 0 ? QStringLiteral("Glosorna (språk 1)") : QStringLiteral("Betydelserna (språk 2)");
}

QString viewMenuTitle()
{
    return QStringLiteral("&Visa");
}

QString specialLettersCommand()
{
    return QStringLiteral("Specialtecken");
}

QString helpMenuTitle()
{
    return QStringLiteral("&Hjälp");
}

QString helpCommand()
{
    return QStringLiteral("Hjälp om editorn");
}

QString toolBarTitle()
{
    return QStringLiteral("Verktyg");
}

QString keysText(const QStringList &keys)
{
    return keys.join(QStringLiteral(" eller "));
}

QString commandToolTip(const QString &caption, const QString &keys)
{
    return caption + QStringLiteral(" (") + keys + u')';
}

QString commandStatusTip(const QString &caption, const QString &keys)
{
    return caption + QStringLiteral(": ") + keys;
}

QString countsText(int words, int meanings)
{
    return QStringLiteral("%1 ord, %2 %3")
        .arg(words)
        .arg(meanings)
        .arg(meanings == 1 ? QStringLiteral("betydelse") : QStringLiteral("betydelser"));
}

QStringList yesNoAnswers()
{
    return {QStringLiteral("Ja"), QStringLiteral("Nej")};
}

QStringList saveAnswers()
{
    return {QStringLiteral("Spara"), QStringLiteral("Spara inte"), cancelButton()};
}

QString cancelButton()
{
    return QStringLiteral("Avbryt");
}

QString unreadableFileText()
{
    return QStringLiteral("Filen kunde inte läsas.");
}

QString emptyFileText()
{
    return QStringLiteral("Filen är tom. En glosfil börjar med en rad med de två språkens namn.");
}

QString cutPairText(int entry)
{
    return QStringLiteral("Filen tar slut mitt i ord nummer %1: ordet saknar sina betydelser.").arg(entry);
}

QString tooManyWordsInFileText(int maxWords)
{
    return QStringLiteral("Filen har fler än %1 ord. Plugo kan bara läsa %1.").arg(maxWords);
}

QString tooManyMeaningsInFileText(int entry, int maxMeanings)
{
    return QStringLiteral("Ord nummer %1 i filen har fler än %2 betydelser. Plugo kan bara läsa %2.")
        .arg(entry)
        .arg(maxMeanings);
}

QString notOpenedText(const QString &why, const QString &path)
{
    return why + QStringLiteral("\n\nFilen öppnades inte:\n") + path;
}

QString ignoredTextMessage(int entry, const QString &text)
{
    const QString where = entry == 0 ? QStringLiteral("På raden med språknamnen")
                                     : QStringLiteral("På rad %1").arg(entry);
    return QStringLiteral("Plugo läser inte all text i filen. %1 står \"%2\", som inte hör till något språknamn, "
                          "ord eller någon betydelse.\n\nDen texten syns inte här och kommer inte med om du ändrar "
                          "och sparar filen.")
        .arg(where, text);
}

QString replaceQuestion(const QString &fileName)
{
    return QStringLiteral("Det finns redan en fil som heter \"%1\". Vill du ersätta den?").arg(fileName);
}

QString utf8Question(int row, const QString &character)
{
    const QString where = row == 0 ? QStringLiteral("i språknamnen") : QStringLiteral("på rad %1").arg(row);
    QString why;
    if (character.isEmpty())
        why = QStringLiteral("Texten %1 skulle läsas som andra tecken om filen sparades i teckenkodningen "
                             "Windows-1252, som glosfiler brukar sparas i.")
                  .arg(where);
    else
        why = QStringLiteral("Tecknet \"%1\" %2 finns inte i teckenkodningen Windows-1252, som glosfiler brukar "
                             "sparas i.")
                  .arg(character, where);
    return why
           + QStringLiteral("\n\nVill du spara filen som UTF-8 i stället? Den här versionen av Plugo läser sådana "
                            "filer, men äldre installationer kanske inte gör det.");
}

QString notSavedText(const QString &problem)
{
    return problem + QStringLiteral("\n\nFilen sparades inte.");
}

QString unwritableText()
{
    return QStringLiteral("Glosorna kunde inte skrivas så att Plugo läser dem likadant.\n\nFilen sparades inte.");
}

QString saveFailedText(const QString &path)
{
    return QStringLiteral("Filen kunde inte sparas:\n%1\n\nEn fil som fanns där förut är orörd.").arg(path);
}

QString savedMessage(const QString &fileName)
{
    return QStringLiteral("Sparad: %1").arg(fileName);
}

QString unsavedChangesQuestion(const QString &name)
{
    return QStringLiteral("Glosfilen \"%1\" har ändringar som inte är sparade. Vill du spara dem?").arg(name);
}

QString notFoundMessage(const QString &wanted)
{
    return QStringLiteral("\"%1\" finns inte i glosorna.").arg(wanted);
}

QString moveNeedsRunMessage()
{
    return QStringLiteral("Markera rader som står i följd för att flytta dem.");
}

QString helpPageName()
{
    return QStringLiteral("editor.html");
}

QString helpPageMissingText(const QString &page)
{
    return QStringLiteral("Hjälpsidan finns inte:\n%1").arg(page);
}

QString importTooLargeText(const QString &path)
{
    return QStringLiteral("Filen är för stor för att vara en ordlista:\n%1").arg(path);
}

QString importUnreadableText(const QString &path)
{
    return QStringLiteral("Filen kunde inte läsas:\n%1").arg(path);
}

QString nothingImportedText(const QString &why, const QString &fileName)
{
    return why + QStringLiteral("\n\nIngenting importerades från %1.").arg(fileName);
}

QString importedMessage(const QString &fileName)
{
    return QStringLiteral("Importerad: %1").arg(fileName);
}

QString nothingToExportText()
{
    return QStringLiteral("Det finns inga glosor att exportera.");
}

QString exportedMessage(const QString &fileName)
{
    return QStringLiteral("Exporterad: %1").arg(fileName);
}

QString printFailedText(const QString &printerName)
{
    return QStringLiteral("Glosorna kunde inte skrivas ut på %1.").arg(printerName);
}

QString printedMessage(int pages)
{
    return pages == 1 ? QStringLiteral("Utskriven: 1 sida") : QStringLiteral("Utskriven: %1 sidor").arg(pages);
}

QString savedPdfMessage(const QString &fileName)
{
    return QStringLiteral("Sparad som PDF: %1").arg(fileName);
}

QString languageChoiceNotSavedText()
{
    return QStringLiteral("Valet av språk kunde inte sparas till nästa gång.");
}

QString byLanguageNameItem(const QString &dictionaryName)
{
    return QStringLiteral("Efter språknamnet (%1)")
        .arg(dictionaryName.isEmpty() ? QStringLiteral("ingen") : dictionaryName);
}

QString noSpellingItem()
{
    return QStringLiteral("Ingen stavningskontroll");
}

QString noDictionaryMessage(const QString &languageName)
{
    return QStringLiteral("Stavningen kontrolleras inte för \"%1\": det finns ingen ordlista för det språket. "
                          "Välj en under Verktyg > Språk för stavning.")
        .arg(languageName);
}

QString personalWordNotSavedText(const QString &word, const QString &problem)
{
    return QStringLiteral("Ordet \"%1\" kunde inte sparas i din ordlista: %2 Det räknas som rätt tills du stänger "
                          "editorn.")
        .arg(word, problem);
}

QString columnNotCheckedMessage()
{
    return QStringLiteral("Stavningen kontrolleras inte i den här kolumnen.");
}

QString noMisspellingsMessage()
{
    return QStringLiteral("Rutan har inga felstavade ord.");
}

QString noSuggestionsItem()
{
    return QStringLiteral("Inga förslag");
}

QString addToDictionaryItem()
{
    return QStringLiteral("Lägg till i ordlistan");
}

QString ignoreItem()
{
    return QStringLiteral("Ignorera");
}

QString noDictionariesText(const QString &sprak1, const QString &sprak2)
{
    return QStringLiteral(
               "Stavningen kan inte kontrolleras: det finns ingen ordlista för språken \"%1\" och \"%2\".\n\n"
               "Välj språk under Verktyg > Språk för stavning.")
        .arg(sprak1, sprak2);
}

QString spellCheckDoneText()
{
    return QStringLiteral("Stavningskontrollen är klar: det finns inga fler felstavade ord.");
}

QString importDialogTitle(const QString &fileName)
{
    return QStringLiteral("Importera glosor från %1").arg(fileName);
}

QString encodingCaption()
{
    return QStringLiteral("&Teckenkodning:");
}

QString utf8Name()
{
    return QStringLiteral("UTF-8");
}

QString utf16LeName()
{
    return QStringLiteral("UTF-16 LE (Unicode-text från Excel)");
}

QString utf16BeName()
{
    return QStringLiteral("UTF-16 BE");
}

QString windows1252Name()
{
    return QStringLiteral("Windows-1252 (västeuropeisk)");
}

QString separatorCaption()
{
    return QStringLiteral("&Avgränsare:");
}

QString tabName()
{
    return QStringLiteral("Tabb");
}

QString semicolonName()
{
    return QStringLiteral("Semikolon (;)");
}

QString commaName()
{
    return QStringLiteral("Komma (,)");
}

QString previewCaption()
{
    return QStringLiteral("&Förhandsvisning:");
}

QString columnName(int column)
{
    return QStringLiteral("Kolumn %1").arg(column + 1);
}

QString rowsInFileText(qsizetype rows)
{
    return rows == 1 ? QStringLiteral("1 rad i filen") : QStringLiteral("%1 rader i filen").arg(rows);
}

QString wordsInFileText(qsizetype words)
{
    return words == 1 ? QStringLiteral("1 glosa i filen") : QStringLiteral("%1 glosor i filen").arg(words);
}

QString wordColumnCaption()
{
    return QStringLiteral("&Glosan står i:");
}

QString meaningColumnsCaption()
{
    return QStringLiteral("&Betydelserna står i:");
}

QString splitMeaningsCaption()
{
    return QStringLiteral("&Dela rutor med flera betydelser vid ; och ,");
}

QString windowWordsGroup()
{
    return QStringLiteral("Glosorna i fönstret");
}

QString replaceOption()
{
    return QStringLiteral("&Ersätt dem med filens glosor");
}

QString appendOption()
{
    return QStringLiteral("&Lägg till filens glosor efter dem");
}

QString importButton()
{
    return QStringLiteral("Importera");
}

QString printWhatGroup()
{
    return QStringLiteral("Vad ska skrivas ut?");
}

QString listOption()
{
    return QStringLiteral("&Gloslista: glosorna med alla betydelser");
}

QString quizOption()
{
    return QStringLiteral("&Förhör: en kolumn att fylla i");
}

QString quizShowsCaption()
{
    return QStringLiteral("Förhöret &visar:");
}

QString quizShowsMeanings()
{
    return QStringLiteral("betydelserna; eleven skriver glosorna");
}

QString quizShowsWords()
{
    return QStringLiteral("glosorna; eleven skriver betydelserna");
}

QString cardsOption()
{
    return QStringLiteral("Glos&kort: att klippa ut, med betydelserna på baksidan");
}

QString cardsHint()
{
    return QStringLiteral("Gloskorten skrivs ut med framsidor och baksidor växelvis: välj dubbelsidig utskrift.");
}

QString savePdfButton()
{
    return QStringLiteral("Spara…");
}

QString spellingDialogTitle(const QString &language)
{
    return QStringLiteral("Stavningskontroll (%1)").arg(language);
}

QString notInDictionaryText(const QString &word, const QString &cellText)
{
    return QStringLiteral("Finns inte i ordlistan: <b>%1</b><br>i rutan \"%2\"")
        .arg(word.toHtmlEscaped(), cellText.toHtmlEscaped());
}

QString changeToCaption()
{
    return QStringLiteral("Ändra &till:");
}

QString suggestionsCaption()
{
    return QStringLiteral("&Förslag:");
}

QString changeButton()
{
    return QStringLiteral("Ä&ndra");
}

QString ignoreButton()
{
    return QStringLiteral("&Ignorera");
}

QString addButton()
{
    return QStringLiteral("&Lägg till i ordlistan");
}

QString closeButton()
{
    return QStringLiteral("&Stäng");
}

QString lettersCaption(const QString &languageName)
{
    return QStringLiteral("%1 tecken:").arg(languageName);
}

QString noLettersForText(const QString &languageName)
{
    return QStringLiteral("Inga specialtecken för %1").arg(languageName);
}

QString noLettersText()
{
    return QStringLiteral("Inga specialtecken: okänt språk");
}

QString letterToolTip(QChar letter, const QString &keys)
{
    return QStringLiteral("%1 (%2)").arg(letter).arg(keys);
}

QString wordHeader()
{
    return QStringLiteral("Glosa");
}

QString meaningHeader()
{
    return QStringLiteral("Betydelse");
}

QString meaningColumnHeader(const QString &name, int section)
{
    return QStringLiteral("%1 %2").arg(name).arg(section);
}

QString languageNameCommand(int which)
{
    return which == 0 ? QStringLiteral("Språk 1") : QStringLiteral("Språk 2");
}

QString typeInRowCommand(int row)
{
    return QStringLiteral("Skriv i rad %1").arg(row);
}

QString importStep()
{
    return QStringLiteral("Importera");
}

QString notTakenText(bool imported)
{
    return imported ? QStringLiteral("importerades inte") : QStringLiteral("klistrades inte in");
}

QString nothingPastedText(const QString &why)
{
    return QStringLiteral("Ingenting klistrades in: ") + why;
}

QString nothingImportedRefusal(const QString &why)
{
    return QStringLiteral("Ingenting importerades: ") + why;
}

QString noWordsInFileText()
{
    return QStringLiteral("Filen innehåller inga glosor.");
}

QString noWordsImportedText(const QString &tooMany)
{
    return tooMany + QStringLiteral(" Inga glosor importerades.");
}

QString tooManyMeaningsNote(int row, int maxMeanings, const QString &notTaken)
{
    return QStringLiteral("Rad %1: ett ord kan inte ha fler än %2 betydelser, så resten av raden %3.")
        .arg(row)
        .arg(maxMeanings)
        .arg(notTaken);
}

QString leftOutNote(int row, const QString &leftOut)
{
    return QStringLiteral("Rad %1: %2").arg(row).arg(leftOut);
}

QString droppedRowsNote(qsizetype dropped, const QString &notTaken)
{
    return dropped == 1 ? QStringLiteral(" Den sista raden %1.").arg(notTaken)
                        : QStringLiteral(" De sista %1 raderna %2.").arg(dropped).arg(notTaken);
}

}  // namespace editor
