<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Program a floor robot with its keypad and watch it drive.</source>
        <translation>Programmiere einen Bodenroboter mit seinen Tasten und sieh ihm beim Fahren zu.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Says aloud each key pressed, each step of a run and how it ended.</source>
        <translation>Sagt jede gedrückte Taste, jeden Schritt einer Fahrt und ihr Ende laut an.</translation>
    </message>
    <message>
        <source>Opens the lesson editor for teachers instead, on the lesson file that follows, if any.</source>
        <translation>Öffnet stattdessen den Lektionseditor für Lehrkräfte, mit der folgenden Lektionsdatei, falls angegeben.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>SPRACHE</translation>
    </message>
    <message>
        <source>See marlo(1) for the keys, where programs and reports are kept,
and what each message means.</source>
        <translation>Siehe marlo(1) für die Tasten, wo Programme und Berichte liegen
und was jede Meldung bedeutet.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;
Try &apos;%1 --help&apos;.</source>
        <translation>%1: unerwartetes Argument &apos;%2&apos;
Siehe &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Speaks LANGUAGE (cy, de, en, es, fr, pl) instead of the school&apos;s or the desktop&apos;s language.</source>
        <translation>Spricht SPRACHE (cy, de, en, es, fr, pl) statt der Sprache der Schule oder des Desktops.</translation>
    </message>
    <message>
        <source>A program (.mlo) or lesson (.marlo-lesson) to open.</source>
        <translation>Ein Programm (.mlo) oder eine Lektion (.marlo-lesson) zum Öffnen.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>pen up</source>
        <translation>Stift hoch</translation>
    </message>
    <message>
        <source>pen down</source>
        <translation>Stift runter</translation>
    </message>
    <message>
        <source>forwards</source>
        <translation>vorwärts</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>rückwärts</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>ExitQuestion</name>
    <message>
        <source>You haven&apos;t saved your program!</source>
        <translation>Du hast dein Programm nicht gespeichert!</translation>
    </message>
    <message>
        <source>exit anyway</source>
        <translation>trotzdem beenden</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>abbrechen</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>MARLO files (*.mlo)</source>
        <translation>MARLO-Dateien (*.mlo)</translation>
    </message>
    <message>
        <source>You haven&apos;t saved your program. Do you want to continue?</source>
        <translation>Du hast dein Programm nicht gespeichert. Willst du weitermachen?</translation>
    </message>
    <message>
        <source>marlo files (*.mlo)</source>
        <translation>MARLO-Dateien (*.mlo)</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>memory clear</source>
        <translation>Speicher leer</translation>
    </message>
    <message>
        <source>forwards</source>
        <translation>vorwärts</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>rückwärts</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>clear memory</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
</context>
<context>
    <name>LessonEditor</name>
    <message>
        <source>There is no file called %1.</source>
        <translation>Es gibt keine Datei namens %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>the start</source>
        <translation>den Start</translation>
    </message>
    <message>
        <source>1 obstacle</source>
        <translation>1 Hindernis</translation>
    </message>
    <message>
        <source>%1 obstacles</source>
        <translation>%1 Hindernisse</translation>
    </message>
    <message>
        <source>1 target</source>
        <translation>1 Ziel</translation>
    </message>
    <message>
        <source>%1 targets</source>
        <translation>%1 Ziele</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The smaller grid took away %1 outside it.</source>
        <translation>Das kleinere Raster hat %1 außerhalb entfernt.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, too large for a lesson.</source>
        <translation>Die Datei ist größer als %1 MiB, zu groß für eine Lektion.</translation>
    </message>
    <message>
        <source>The disk did not take the whole file.</source>
        <translation>Der Datenträger hat nicht die ganze Datei aufgenommen.</translation>
    </message>
    <message>
        <source>The picture is larger than %1 MiB, too large for a mat.</source>
        <translation>Das Bild ist größer als %1 MiB, zu groß für eine Matte.</translation>
    </message>
    <message>
        <source>This is not a PNG, JPEG or SVG picture.</source>
        <translation>Das ist kein PNG-, JPEG- oder SVG-Bild.</translation>
    </message>
</context>
<context>
    <name>Listing</name>
    <message>
        <source>exit</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>program name</source>
        <translation>Name des Programms</translation>
    </message>
    <message>
        <source>my name</source>
        <translation>mein Name</translation>
    </message>
    <message>
        <source>target</source>
        <translation>Ziel</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>me</source>
        <translation>ich</translation>
    </message>
    <message>
        <source>my program</source>
        <translation>mein Programm</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 gibt es schon.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>crashed!!</source>
        <translation>angestoßen!!</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>gut gemacht!</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>daneben</translation>
    </message>
    <message>
        <source> on %1</source>
        <translation> am %1</translation>
    </message>
    <message>
        <source>  written by </source>
        <translation>  geschrieben von </translation>
    </message>
    <message>
        <source>%1, written by %2, page %3 of %4</source>
        <translation>%1, geschrieben von %2, Seite %3 von %4</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>stopped!</source>
        <translation>gestoppt!</translation>
    </message>
    <message>
        <source>program full</source>
        <translation>Programm voll</translation>
    </message>
    <message>
        <source>cancelled!</source>
        <translation>abgebrochen!</translation>
    </message>
    <message>
        <source>not printed</source>
        <translation>nicht gedruckt</translation>
    </message>
    <message>
        <source>saved as %1</source>
        <translation>gespeichert als %1</translation>
    </message>
    <message>
        <source>crashed!</source>
        <translation>angestoßen!</translation>
    </message>
    <message>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>gut gemacht!</translation>
    </message>
    <message>
        <source>missed!</source>
        <translation>daneben!</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>fertig</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>load</source>
        <translation>laden</translation>
    </message>
    <message>
        <source>print</source>
        <translation>drucken</translation>
    </message>
    <message>
        <source>save</source>
        <translation>speichern</translation>
    </message>
</context>
<context>
    <name>a11y</name>
    <message>
        <source>undo</source>
        <translation>zurück</translation>
    </message>
    <message>
        <source>step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Colours of strong contrast, larger listing text and a thicker focus ring.</source>
        <translation>Farben mit starkem Kontrast, größere Schrift in der Liste und ein dickerer Fokusrahmen.</translation>
    </message>
    <message>
        <source>Highlights the keypad&apos;s buttons in turn; Space or Enter presses the highlighted one.</source>
        <translation>Hebt die Tasten des Tastenfelds der Reihe nach hervor; Leertaste oder Enter drückt die hervorgehobene.</translation>
    </message>
    <message>
        <source>Scanning with two switches: Space moves the highlight, Enter presses.</source>
        <translation>Abtasten mit zwei Schaltern: Leertaste bewegt die Hervorhebung, Enter drückt.</translation>
    </message>
    <message>
        <source>How long each button stays highlighted (1.5 seconds).</source>
        <translation>Wie lange jede Taste hervorgehoben bleibt (1,5 Sekunden).</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>A keypad button that runs the program one step at a time.</source>
        <translation>Eine Taste, die das Programm Schritt für Schritt ausführt.</translation>
    </message>
    <message>
        <source>--scan-seconds takes a number of seconds from %1 to %2</source>
        <translation>--scan-seconds braucht eine Zahl von Sekunden von %1 bis %2</translation>
    </message>
    <message>
        <source>highlighted: %1</source>
        <translation>hervorgehoben: %1</translation>
    </message>
    <message>
        <source>north</source>
        <translation>Norden</translation>
    </message>
    <message>
        <source>east</source>
        <translation>Osten</translation>
    </message>
    <message>
        <source>south</source>
        <translation>Süden</translation>
    </message>
    <message>
        <source>west</source>
        <translation>Westen</translation>
    </message>
    <message>
        <source>robot on column %1, row %2, facing %3</source>
        <translation>Roboter in Spalte %1, Zeile %2, Blick nach %3</translation>
    </message>
    <message>
        <source>; target on column %1, row %2</source>
        <translation>; Ziel in Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, this step</source>
        <translation>%1, dieser Schritt</translation>
    </message>
    <message>
        <source>program</source>
        <translation>Programm</translation>
    </message>
</context>
<context>
    <name>classview</name>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>too large for a program</source>
        <translation>zu groß für ein Programm</translation>
    </message>
    <message>
        <source>not a MARLO program</source>
        <translation>kein MARLO-Programm</translation>
    </message>
    <message>
        <source>Opens the class view of FOLDER (by default the programs folder) for the teacher.</source>
        <translation>Öffnet die Klassenansicht von ORDNER (sonst des Programmordners) für die Lehrkraft.</translation>
    </message>
</context>
<context>
    <name>classview::ClassList</name>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Writer</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
</context>
<context>
    <name>classview::ClassWindow</name>
    <message>
        <source>MARLO class view</source>
        <translation>MARLO-Klassenansicht</translation>
    </message>
    <message>
        <source>Class folder: %1</source>
        <translation>Klassenordner: %1</translation>
    </message>
    <message>
        <source>&amp;Writer:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>&amp;Read again</source>
        <translation>&amp;Neu einlesen</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>&amp;Open in MARLO</source>
        <translation>In MARLO ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Print selected</source>
        <translation>Auswahl &amp;drucken</translation>
    </message>
    <message>
        <source>Print &amp;all</source>
        <translation>&amp;Alle drucken</translation>
    </message>
    <message>
        <source>Every program listed, one a page</source>
        <translation>Jedes aufgeführte Programm, eines pro Seite</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;an:</translation>
    </message>
    <message>
        <source>the printer %1</source>
        <translation>den Drucker %1</translation>
    </message>
    <message>
        <source>one PDF file</source>
        <translation>eine PDF-Datei</translation>
    </message>
    <message>
        <source>There is no folder %1.</source>
        <translation>Es gibt keinen Ordner %1.</translation>
    </message>
    <message>
        <source>Programs: %1. Writers: %2. Files that are not programs: %3.</source>
        <translation>Programme: %1. Autoren: %2. Dateien, die keine Programme sind: %3.</translation>
    </message>
    <message>
        <source>all writers</source>
        <translation>alle Autoren</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>No programs here.</source>
        <translation>Hier sind keine Programme.</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Opened in MARLO: %1</source>
        <translation>In MARLO geöffnet: %1</translation>
    </message>
    <message>
        <source>MARLO could not be started.</source>
        <translation>MARLO konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Nothing to print: no program that can be read is chosen.</source>
        <translation>Nichts zu drucken: Es ist kein lesbares Programm ausgewählt.</translation>
    </message>
    <message>
        <source>class %1.pdf</source>
        <translation>Klasse %1.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Not printed.</source>
        <translation>Nicht gedruckt.</translation>
    </message>
    <message>
        <source>Saved as %1. Programs: %2, pages: %3.</source>
        <translation>Gespeichert als %1. Programme: %2, Seiten: %3.</translation>
    </message>
    <message>
        <source>Sent to %1. Programs: %2, pages: %3.</source>
        <translation>An %1 gesendet. Programme: %2, Seiten: %3.</translation>
    </message>
    <message>
        <source>Left out, as they are not programs: %1.</source>
        <translation>Ausgelassen, da keine Programme: %1.</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>folder missing</source>
        <translation>Ordner fehlt</translation>
    </message>
</context>
<context>
    <name>lessons</name>
    <message>
        <source>The lesson has no title.</source>
        <translation>Die Lektion hat keinen Titel.</translation>
    </message>
    <message>
        <source>The title is longer than %1 characters.</source>
        <translation>Der Titel ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The title must be one line.</source>
        <translation>Der Titel muss eine Zeile sein.</translation>
    </message>
    <message>
        <source>The instruction is longer than %1 characters.</source>
        <translation>Die Anweisung ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The instruction must be one line.</source>
        <translation>Die Anweisung muss eine Zeile sein.</translation>
    </message>
    <message>
        <source>The grid is %1 x %2 squares; it must have %3 to %4 columns and rows.</source>
        <translation>Das Raster hat %1 x %2 Felder; es braucht %3 bis %4 Spalten und Zeilen.</translation>
    </message>
    <message>
        <source>The start heading must be north, east, south or west.</source>
        <translation>Die Startrichtung muss Norden, Osten, Süden oder Westen sein.</translation>
    </message>
    <message>
        <source>The lesson has no start square.</source>
        <translation>Die Lektion hat kein Startfeld.</translation>
    </message>
    <message>
        <source>The start square (column %1, row %2) is outside the grid.</source>
        <translation>Das Startfeld (Spalte %1, Zeile %2) liegt außerhalb des Rasters.</translation>
    </message>
    <message>
        <source>An obstacle (column %1, row %2) is outside the grid.</source>
        <translation>Ein Hindernis (Spalte %1, Zeile %2) liegt außerhalb des Rasters.</translation>
    </message>
    <message>
        <source>Two obstacles are on one square (column %1, row %2).</source>
        <translation>Zwei Hindernisse liegen auf einem Feld (Spalte %1, Zeile %2).</translation>
    </message>
    <message>
        <source>The start square is on an obstacle.</source>
        <translation>Das Startfeld liegt auf einem Hindernis.</translation>
    </message>
    <message>
        <source>A target (column %1, row %2) is outside the grid.</source>
        <translation>Ein Ziel (Spalte %1, Zeile %2) liegt außerhalb des Rasters.</translation>
    </message>
    <message>
        <source>A target (column %1, row %2) is on an obstacle.</source>
        <translation>Ein Ziel (Spalte %1, Zeile %2) liegt auf einem Hindernis.</translation>
    </message>
    <message>
        <source>Two targets are on one square (column %1, row %2).</source>
        <translation>Zwei Ziele liegen auf einem Feld (Spalte %1, Zeile %2).</translation>
    </message>
    <message>
        <source>The mat picture is empty.</source>
        <translation>Das Mattenbild ist leer.</translation>
    </message>
    <message>
        <source>The mat picture has no type.</source>
        <translation>Das Mattenbild hat keinen Typ.</translation>
    </message>
    <message>
        <source>The mat&apos;s type must be image/png, image/jpeg or image/svg+xml.</source>
        <translation>Der Typ der Matte muss image/png, image/jpeg oder image/svg+xml sein.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is missing.</source>
        <translation>Das Feld &quot;%1&quot; fehlt.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be text.</source>
        <translation>Das Feld &quot;%1&quot; muss Text sein.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a whole number.</source>
        <translation>Das Feld &quot;%1&quot; muss eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a group of fields in braces { }.</source>
        <translation>Das Feld &quot;%1&quot; muss eine Gruppe von Feldern in geschweiften Klammern { } sein.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a list in brackets [ ].</source>
        <translation>Das Feld &quot;%1&quot; muss eine Liste in eckigen Klammern [ ] sein.</translation>
    </message>
    <message>
        <source>This is not a MARLO lesson: its &quot;format&quot; is not &quot;marlo-lesson&quot;.</source>
        <translation>Das ist keine MARLO-Lektion: Ihr &quot;format&quot; ist nicht &quot;marlo-lesson&quot;.</translation>
    </message>
    <message>
        <source>The field &quot;version&quot; must be a version number such as &quot;1.0&quot;.</source>
        <translation>Das Feld &quot;version&quot; muss eine Versionsnummer wie &quot;1.0&quot; sein.</translation>
    </message>
    <message>
        <source>This lesson is format version %1 and needs a newer MARLO: this one reads version %2 lessons.</source>
        <translation>Diese Lektion hat Formatversion %1 und braucht ein neueres MARLO: Dieses liest Lektionen der Version %2.</translation>
    </message>
    <message>
        <source>The field &quot;start.heading&quot; must be north, east, south or west.</source>
        <translation>Das Feld &quot;start.heading&quot; muss north, east, south oder west sein.</translation>
    </message>
    <message>
        <source>The field &quot;mat.data&quot; is not base64.</source>
        <translation>Das Feld &quot;mat.data&quot; ist kein Base64.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, too large for a lesson.</source>
        <translation>Die Datei ist größer als %1 MiB, zu groß für eine Lektion.</translation>
    </message>
    <message>
        <source>This is not a lesson file, or it is damaged: %1 at character %2.</source>
        <translation>Das ist keine Lektionsdatei, oder sie ist beschädigt: %1 bei Zeichen %2.</translation>
    </message>
    <message>
        <source>The mat picture refers to something outside the lesson file.</source>
        <translation>Das Mattenbild verweist auf etwas außerhalb der Lektionsdatei.</translation>
    </message>
    <message>
        <source>The mat picture holds a picture that is not a readable PNG or JPEG picture.</source>
        <translation>Das Mattenbild enthält ein Bild, das kein lesbares PNG- oder JPEG-Bild ist.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable SVG picture (%1).</source>
        <translation>Das Mattenbild ist kein lesbares SVG-Bild (%1).</translation>
    </message>
    <message>
        <source>The mat picture is not a readable SVG picture.</source>
        <translation>Das Mattenbild ist kein lesbares SVG-Bild.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable %1 picture.</source>
        <translation>Das Mattenbild ist kein lesbares %1-Bild.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable PNG picture (it is cut short).</source>
        <translation>Das Mattenbild ist kein lesbares PNG-Bild (es bricht ab).</translation>
    </message>
    <message>
        <source>The mat picture is %1 x %2 pixels, too large: a mat may have at most 4096 x 4096 pixels.</source>
        <translation>Das Mattenbild hat %1 x %2 Pixel, zu groß: Eine Matte darf höchstens 4096 x 4096 Pixel haben.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable %1 picture (%2).</source>
        <translation>Das Mattenbild ist kein lesbares %1-Bild (%2).</translation>
    </message>
    <message>
        <source>%1: </source>
        <translation>%1: </translation>
    </message>
    <message>
        <source>leave lesson</source>
        <translation>Lektion beenden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>It is a folder or a device, not a lesson file.</source>
        <translation>Das ist ein Ordner oder ein Gerät, keine Lektionsdatei.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>MARLO cannot open the lesson &quot;%1&quot;.</source>
        <translation>MARLO kann die Lektion &quot;%1&quot; nicht öffnen.</translation>
    </message>
    <message>
        <source>MARLO lessons (*.marlo-lesson)</source>
        <translation>MARLO-Lektionen (*.marlo-lesson)</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>gut gemacht!</translation>
    </message>
    <message>
        <source>missed!</source>
        <translation>daneben!</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>daneben</translation>
    </message>
</context>
<context>
    <name>lessons::LessonEditor</name>
    <message>
        <source>Open a lesson</source>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>Save the lesson</source>
        <translation>Lektion speichern</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 gibt es schon.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Choose a mat picture</source>
        <translation>Mattenbild wählen</translation>
    </message>
    <message>
        <source>PNG, JPEG or SVG pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>PNG-, JPEG- oder SVG-Bilder (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>MARLO lesson editor</source>
        <translation>MARLO-Lektionseditor</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this lesson?</source>
        <translation>Möchten Sie die Änderungen an dieser Lektion speichern?</translation>
    </message>
    <message>
        <source>The changes to this lesson cannot be saved yet: %1
Do you want to leave them?</source>
        <translation>Die Änderungen an dieser Lektion können noch nicht gespeichert werden: %1
Möchten Sie sie verwerfen?</translation>
    </message>
    <message>
        <source>MARLO lessons (*%1)</source>
        <translation>MARLO-Lektionen (*%1)</translation>
    </message>
    <message>
        <source>Click a square to put the robot&apos;s start there. Click the start again to turn the robot.</source>
        <translation>Klicken Sie auf ein Feld, um den Start des Roboters dorthin zu setzen. Klicken Sie erneut auf den Start, um den Roboter zu drehen.</translation>
    </message>
    <message>
        <source>Click a square to put an obstacle there, or to take one away.</source>
        <translation>Klicken Sie auf ein Feld, um ein Hindernis zu setzen oder zu entfernen.</translation>
    </message>
    <message>
        <source>Click squares in the order the pupils must visit them. Click a target to take it away.</source>
        <translation>Klicken Sie die Felder in der Reihenfolge an, in der die Kinder sie besuchen sollen. Klicken Sie auf ein Ziel, um es zu entfernen.</translation>
    </message>
    <message>
        <source>The lesson&apos;s grid</source>
        <translation>Raster der Lektion</translation>
    </message>
    <message>
        <source>&amp;Title (up to %1 characters)</source>
        <translation>&amp;Titel (bis zu %1 Zeichen)</translation>
    </message>
    <message>
        <source>&amp;Instruction for the pupils (up to %1 characters)</source>
        <translation>&amp;Anweisung für die Kinder (bis zu %1 Zeichen)</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation>&amp;Spalten</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Zeilen</translation>
    </message>
    <message>
        <source>Choose &amp;mat picture…</source>
        <translation>&amp;Mattenbild wählen…</translation>
    </message>
    <message>
        <source>A PNG, JPEG or SVG picture, stretched over the whole grid</source>
        <translation>Ein PNG-, JPEG- oder SVG-Bild, über das ganze Raster gezogen</translation>
    </message>
    <message>
        <source>No mat</source>
        <translation>Keine Matte</translation>
    </message>
    <message>
        <source>Takes the mat picture away</source>
        <translation>Entfernt das Mattenbild</translation>
    </message>
    <message>
        <source>What a click on a square puts there</source>
        <translation>Was ein Klick auf ein Feld dorthin setzt</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Obstacle</source>
        <translation>&amp;Hindernis</translation>
    </message>
    <message>
        <source>T&amp;arget</source>
        <translation>Zi&amp;el</translation>
    </message>
    <message>
        <source>The robot starts facing</source>
        <translation>Der Roboter schaut am Start nach</translation>
    </message>
    <message>
        <source>Facing up (north)</source>
        <translation>Nach oben (Norden)</translation>
    </message>
    <message>
        <source>Facing right (east)</source>
        <translation>Nach rechts (Osten)</translation>
    </message>
    <message>
        <source>Facing down (south)</source>
        <translation>Nach unten (Süden)</translation>
    </message>
    <message>
        <source>Facing left (west)</source>
        <translation>Nach links (Westen)</translation>
    </message>
    <message>
        <source>Clear the grid</source>
        <translation>Raster leeren</translation>
    </message>
    <message>
        <source>Takes away the start, every obstacle and every target</source>
        <translation>Entfernt den Start, alle Hindernisse und alle Ziele</translation>
    </message>
    <message>
        <source>Take away the start, every obstacle and every target?</source>
        <translation>Den Start, alle Hindernisse und alle Ziele entfernen?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Try the lesson in MARLO</source>
        <translation>Lektion in MARLO ausprobieren</translation>
    </message>
    <message>
        <source>A new lesson: it will be saved as %1.</source>
        <translation>Eine neue Lektion: Sie wird als %1 gespeichert.</translation>
    </message>
    <message>
        <source>This picture cannot be a mat. %1</source>
        <translation>Dieses Bild kann keine Matte sein. %1</translation>
    </message>
    <message>
        <source>MARLO cannot open %1. %2</source>
        <translation>MARLO kann %1 nicht öffnen. %2</translation>
    </message>
    <message>
        <source>The lesson was not saved, and %1 is as it was. %2</source>
        <translation>Die Lektion wurde nicht gespeichert, und %1 ist unverändert. %2</translation>
    </message>
    <message>
        <source>The lesson was not saved. %1</source>
        <translation>Die Lektion wurde nicht gespeichert. %1</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Gespeichert als %1.</translation>
    </message>
    <message>
        <source>The lesson cannot be tried: there is no room for it in the temporary folder.</source>
        <translation>Die Lektion kann nicht ausprobiert werden: Im temporären Ordner ist kein Platz.</translation>
    </message>
    <message>
        <source>MARLO could not be started.</source>
        <translation>MARLO konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>MARLO is starting with this lesson in its own windows.</source>
        <translation>MARLO startet mit dieser Lektion in eigenen Fenstern.</translation>
    </message>
    <message>
        <source>Ready: the lesson can be tried and saved.</source>
        <translation>Fertig: Die Lektion kann ausprobiert und gespeichert werden.</translation>
    </message>
    <message>
        <source>Not ready yet: %1</source>
        <translation>Noch nicht fertig: %1</translation>
    </message>
    <message>
        <source>Saves the lesson in its file</source>
        <translation>Speichert die Lektion in ihrer Datei</translation>
    </message>
    <message>
        <source>Saves the lesson in a file you choose</source>
        <translation>Speichert die Lektion in einer Datei Ihrer Wahl</translation>
    </message>
    <message>
        <source>Starts MARLO on this lesson, as a pupil will see it</source>
        <translation>Startet MARLO mit dieser Lektion, wie ein Kind sie sehen wird</translation>
    </message>
    <message>
        <source>No mat picture: the grid is plain.</source>
        <translation>Kein Mattenbild: Das Raster ist leer.</translation>
    </message>
    <message>
        <source>Mat: %1 picture, %2 x %3.</source>
        <translation>Matte: %1-Bild, %2 x %3.</translation>
    </message>
    <message>
        <source>%1[*] – MARLO lesson editor</source>
        <translation>%1[*] – MARLO-Lektionseditor</translation>
    </message>
    <message>
        <source>New lesson</source>
        <translation>Neue Lektion</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Prints the settings in force and where each came from.</source>
        <translation>Zeigt die geltenden Einstellungen und woher jede stammt.</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>weder true noch false</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>keine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>no login name for %u</source>
        <translation>kein Anmeldename für %u</translation>
    </message>
    <message>
        <source>no home for ~</source>
        <translation>kein Home-Ordner für ~</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <translation>kein absoluter Pfad</translation>
    </message>
    <message>
        <source>brindle/marlo/programs in the home</source>
        <translation>brindle/marlo/programs im Home-Ordner</translation>
    </message>
    <message>
        <source>as many as fit the screen</source>
        <translation>so viele, wie auf den Bildschirm passen</translation>
    </message>
    <message>
        <source>false</source>
        <translation>false</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>false: the writer is &quot;me&quot;</source>
        <translation>false: der Autor ist &quot;me&quot;</translation>
    </message>
    <message>
        <source>false: the default printer if any</source>
        <translation>false: der Standarddrucker, falls vorhanden</translation>
    </message>
    <message>
        <source>the desktop&apos;s</source>
        <translation>die des Desktops</translation>
    </message>
    <message>
        <source>not a language such as fr or de_CH</source>
        <translation>keine Sprache wie fr oder de_CH</translation>
    </message>
    <message>
        <source>1.5</source>
        <translation>1,5</translation>
    </message>
    <message>
        <source>not a number of seconds from %1 to %2</source>
        <translation>keine Sekundenzahl von %1 bis %2</translation>
    </message>
    <message>
        <source>%1 ignored: %2</source>
        <translation>%1 ignoriert: %2</translation>
    </message>
    <message>
        <source>not a settings file of at most %1 bytes</source>
        <translation>keine Einstellungsdatei von höchstens %1 Bytes</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>not in the settings&apos; format</source>
        <translation>nicht im Format der Einstellungen</translation>
    </message>
    <message>
        <source>%1: %2 ignored: no such setting</source>
        <translation>%1: %2 ignoriert: diese Einstellung gibt es nicht</translation>
    </message>
    <message>
        <source>%1: %2=%3 ignored: %4</source>
        <translation>%1: %2=%3 ignoriert: %4</translation>
    </message>
    <message>
        <source>[floor] ignored: columns and rows go together</source>
        <translation>[floor] ignoriert: Spalten und Zeilen gehören zusammen</translation>
    </message>
    <message>
        <source>MARLO&apos;s settings files, each over the one before:</source>
        <translation>Die Einstellungsdateien von MARLO, jede über der vorigen:</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>read</source>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>In force:</source>
        <translation>Es gilt:</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (Standard)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(aus %1)</translation>
    </message>
    <message>
        <source>Ignored:</source>
        <translation>Ignoriert:</translation>
    </message>
</context>
</TS>
