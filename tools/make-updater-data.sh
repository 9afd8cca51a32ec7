#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the updater's two bitmaps and writes its help page into data/. The results are committed;
# run this again only to change them. Needs ImageMagick's convert.
set -euo pipefail
data=$(cd "$(dirname "$0")/../data" && pwd)
convert=${CONVERT:-/usr/bin/convert}

# ladda.bmp: the busy strip, 300 by 5 pixels: blue blocks 8 pixels wide with 2-pixel gaps, lighter
# along the top and darker along the bottom, like a progress bar of the classic desktop.
draw=()
for ((x = 1; x < 300; x += 10)); do
  end=$((x + 7))
  ((end > 299)) && end=299
  draw+=(-fill '#1c5fc4' -draw "rectangle $x,0 $end,4")
  draw+=(-fill '#5d95e8' -draw "line $x,0 $end,0")
  draw+=(-fill '#0f3f8c' -draw "line $x,4 $end,4")
done
"$convert" -size 300x5 xc:'#efefef' "${draw[@]}" -type TrueColor BMP3:"$data/ladda.bmp"

# liten.bmp: a small square of the window's own colour; a 1 by 1 cut of it blanks the strip.
"$convert" -size 8x8 xc:'#efefef' -type TrueColor BMP3:"$data/liten.bmp"

cat >"$data/update.html" <<'HTML'
<!DOCTYPE html>
<html lang="sv">
<head>
<meta charset="utf-8">
<title>Hjälp om PlugoPro - Update</title>
<style>
  body { font-family: Verdana, "DejaVu Sans", sans-serif; font-size: 10pt; max-width: 44em; margin: 1.5em; color: #202020; }
  h1 { font-size: 16pt; color: #1c5fc4; }
  h2 { font-size: 12pt; color: #1c5fc4; margin-top: 1.6em; }
  dt { font-weight: bold; margin-top: 0.6em; }
  .knapp { font-weight: bold; }
</style>
</head>
<body>
<h1>PlugoPro - Update</h1>
<p>Update håller dina plugoprogram aktuella. Programmet frågar uppdateringsservern om det finns nyare
versioner av Plugo, glosredigeraren Vuzuvevizaduvareziv och Update själv, och laddar ner
uppdateringarna som du väljer.</p>
<p>Update måste ligga i samma mapp som Plugo och redigeraren. Du behöver en internetuppkoppling.</p>

<h2>Kontrollera om det finns nyare versioner</h2>
<ol>
  <li>Klicka på <span class="knapp">Kontrollera</span> (eller välj <span class="knapp">Arkiv &gt; Kontrollera</span>).</li>
  <li>Update jämför datumen på programfilerna i din mapp med datumen på servern. Medan det pågår
      visar raden under kryssrutorna vad som händer, till exempel <q>Ansluter...</q> och <q>Klart!</q>.</li>
  <li>Till höger står sedan vilka program som har en nyare version. De programmen är förbockade i
      kryssrutorna. Står det <q>Dina plugoprodukter är uppdaterade. Ingen uppdatering behövs!</q>
      behöver du inte göra något mer.</li>
  <li>Till vänster visas meddelandet från servern, till exempel vad som är nytt.</li>
</ol>
<p>Knappen <span class="knapp">Kontrollera</span> går att använda en gång. Vill du kontrollera igen
väljer du <span class="knapp">Arkiv &gt; Kontrollera</span>.</p>

<h2>Ladda ner uppdateringar</h2>
<ol>
  <li>Ta bort bocken för de program som du inte vill uppdatera.</li>
  <li>Klicka på <span class="knapp">Uppdatera</span> (eller välj <span class="knapp">Arkiv &gt; Uppdatera</span>).</li>
  <li>För varje förbockat program frågar Update om du vill ladda ner uppdateringen. Svarar du
      <span class="knapp">OK</span> går Update vidare; svarar du <span class="knapp">Avbryt</span>
      laddas ingenting mer ner.</li>
  <li>Välj var installationsfilen ska sparas, till exempel på skrivbordet. Finns det redan en fil
      med samma namn får du frågan om den ska ersättas; svara <span class="knapp">Ja</span> eller
      <span class="knapp">Nej</span>.</li>
  <li>Medan filen laddas ner växer en blå stapel under statusraden. Det kan ta en stund.</li>
  <li>När filen är nerladdad får du ett meddelande. Klicka på filen för att installera uppdateringen.
      Stäng Plugo och redigeraren innan du installerar.</li>
</ol>
<p>Update startar aldrig installationsfilerna själv.</p>

<h2>Om något går fel</h2>
<dl>
  <dt>En förbindelse kunde inte upprättas med servern</dt>
  <dd>Kontrollera att datorn är ansluten till internet och försök igen lite senare. Meddelandet
      kommer också om servern svarar med ett fel.</dd>
  <dt>Ett fel inträffade vid nedladdningen</dt>
  <dd>Nerladdningen avbröts eller filen kunde inte sparas. Ingen halv fil sparas, och en fil som
      redan fanns där du ville spara finns kvar som den var. Försök igen, gärna till en annan mapp.</dd>
  <dt>En programfil hittas inte på din dator</dt>
  <dd>Update hittar inte Plugo, redigeraren eller sig själv i programmappen. Hämta en fullständig
      installation från programmets hemsida.</dd>
</dl>

<h2>Avsluta</h2>
<p>Välj <span class="knapp">Arkiv &gt; Avsluta</span> eller stäng fönstret. Pågår en nerladdning
avbryts den direkt och den halva filen tas bort.</p>

<h2>Tangentbordet</h2>
<p>Flytta mellan knappar och kryssrutor med Tab, tryck på en knapp med Enter eller mellanslag och
bocka i eller ur en kryssruta med mellanslag. Menyerna nås med Alt-tangenten och piltangenterna.</p>
</body>
</html>
HTML
echo "Wrote ladda.bmp, liten.bmp and update.html in $data"
