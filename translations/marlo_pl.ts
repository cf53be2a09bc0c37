<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Program a floor robot with its keypad and watch it drive.</source>
        <translation>Zaprogramuj robota podłogowego jego klawiszami i patrz, jak jedzie.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Pokazuje tę pomoc.</translation>
    </message>
    <message>
        <source>Says aloud each key pressed, each step of a run and how it ended.</source>
        <translation>Mówi na głos każdy naciśnięty klawisz, każdy krok przejazdu i jak się skończył.</translation>
    </message>
    <message>
        <source>Opens the lesson editor for teachers instead, on the lesson file that follows, if any.</source>
        <translation>Otwiera zamiast tego edytor lekcji dla nauczycieli, z plikiem lekcji podanym dalej, jeśli jest.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>JĘZYK</translation>
    </message>
    <message>
        <source>See marlo(1) for the keys, where programs and reports are kept,
and what each message means.</source>
        <translation>Zobacz marlo(1): klawisze, gdzie są programy i raporty
i co znaczy każdy komunikat.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;
Try &apos;%1 --help&apos;.</source>
        <translation>%1: nieoczekiwany argument &apos;%2&apos;
Spróbuj &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Speaks LANGUAGE (cy, de, en, es, fr, pl) instead of the school&apos;s or the desktop&apos;s language.</source>
        <translation>Mówi w JĘZYKU (cy, de, en, es, fr, pl) zamiast języka szkoły lub pulpitu.</translation>
    </message>
    <message>
        <source>A program (.mlo) or lesson (.marlo-lesson) to open.</source>
        <translation>Program (.mlo) lub lekcja (.marlo-lesson) do otwarcia.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[plik]</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>pen up</source>
        <translation>pisak w górę</translation>
    </message>
    <message>
        <source>pen down</source>
        <translation>pisak w dół</translation>
    </message>
    <message>
        <source>forwards</source>
        <translation>do przodu</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>do tyłu</translation>
    </message>
    <message>
        <source>left</source>
        <translation>w lewo</translation>
    </message>
    <message>
        <source>right</source>
        <translation>w prawo</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>pauza</translation>
    </message>
</context>
<context>
    <name>ExitQuestion</name>
    <message>
        <source>You haven&apos;t saved your program!</source>
        <translation>Twój program nie jest zapisany!</translation>
    </message>
    <message>
        <source>exit anyway</source>
        <translation>wyjdź mimo to</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>anuluj</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>MARLO files (*.mlo)</source>
        <translation>Pliki MARLO (*.mlo)</translation>
    </message>
    <message>
        <source>You haven&apos;t saved your program. Do you want to continue?</source>
        <translation>Twój program nie jest zapisany. Czy chcesz iść dalej?</translation>
    </message>
    <message>
        <source>marlo files (*.mlo)</source>
        <translation>pliki marlo (*.mlo)</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>memory clear</source>
        <translation>pamięć pusta</translation>
    </message>
    <message>
        <source>forwards</source>
        <translation>do przodu</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>do tyłu</translation>
    </message>
    <message>
        <source>left</source>
        <translation>w lewo</translation>
    </message>
    <message>
        <source>right</source>
        <translation>w prawo</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>pauza</translation>
    </message>
    <message>
        <source>clear memory</source>
        <translation>wyczyść pamięć</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>LessonEditor</name>
    <message>
        <source>There is no file called %1.</source>
        <translation>Nie ma pliku o nazwie %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Nie da się odczytać pliku: %1.</translation>
    </message>
    <message>
        <source>the start</source>
        <translation>start</translation>
    </message>
    <message>
        <source>1 obstacle</source>
        <translation>1 przeszkodę</translation>
    </message>
    <message>
        <source>%1 obstacles</source>
        <translation>przeszkody: %1</translation>
    </message>
    <message>
        <source>1 target</source>
        <translation>1 cel</translation>
    </message>
    <message>
        <source>%1 targets</source>
        <translation>cele: %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>The smaller grid took away %1 outside it.</source>
        <translation>Mniejsza siatka usunęła poza sobą: %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, too large for a lesson.</source>
        <translation>Plik ma ponad %1 MiB, za dużo na lekcję.</translation>
    </message>
    <message>
        <source>The disk did not take the whole file.</source>
        <translation>Dysk nie przyjął całego pliku.</translation>
    </message>
    <message>
        <source>The picture is larger than %1 MiB, too large for a mat.</source>
        <translation>Obrazek ma ponad %1 MiB, za dużo na matę.</translation>
    </message>
    <message>
        <source>This is not a PNG, JPEG or SVG picture.</source>
        <translation>To nie jest obrazek PNG, JPEG ani SVG.</translation>
    </message>
</context>
<context>
    <name>Listing</name>
    <message>
        <source>exit</source>
        <translation>wyjdź</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>program name</source>
        <translation>nazwa programu</translation>
    </message>
    <message>
        <source>my name</source>
        <translation>moje imię</translation>
    </message>
    <message>
        <source>target</source>
        <translation>cel</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>me</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>my program</source>
        <translation>mój program</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>crashed!!</source>
        <translation>zderzenie!!</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>brawo!</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>pudło</translation>
    </message>
    <message>
        <source> on %1</source>
        <translation> dnia %1</translation>
    </message>
    <message>
        <source>  written by </source>
        <translation>  autor: </translation>
    </message>
    <message>
        <source>%1, written by %2, page %3 of %4</source>
        <translation>%1, autor: %2, strona %3 z %4</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>stopped!</source>
        <translation>zatrzymano!</translation>
    </message>
    <message>
        <source>program full</source>
        <translation>program pełny</translation>
    </message>
    <message>
        <source>cancelled!</source>
        <translation>anulowano!</translation>
    </message>
    <message>
        <source>not printed</source>
        <translation>nie wydrukowano</translation>
    </message>
    <message>
        <source>saved as %1</source>
        <translation>zapisano jako %1</translation>
    </message>
    <message>
        <source>crashed!</source>
        <translation>zderzenie!</translation>
    </message>
    <message>
        <source>running</source>
        <translation>jedzie</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>brawo!</translation>
    </message>
    <message>
        <source>missed!</source>
        <translation>pudło!</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>koniec</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>load</source>
        <translation>otwórz</translation>
    </message>
    <message>
        <source>print</source>
        <translation>drukuj</translation>
    </message>
    <message>
        <source>save</source>
        <translation>zapisz</translation>
    </message>
</context>
<context>
    <name>a11y</name>
    <message>
        <source>undo</source>
        <translation>cofnij</translation>
    </message>
    <message>
        <source>step</source>
        <translation>krok</translation>
    </message>
    <message>
        <source>Colours of strong contrast, larger listing text and a thicker focus ring.</source>
        <translation>Kolory o silnym kontraście, większy tekst listy i grubsza ramka fokusu.</translation>
    </message>
    <message>
        <source>Highlights the keypad&apos;s buttons in turn; Space or Enter presses the highlighted one.</source>
        <translation>Podświetla po kolei przyciski klawiatury; Spacja lub Enter naciska podświetlony.</translation>
    </message>
    <message>
        <source>Scanning with two switches: Space moves the highlight, Enter presses.</source>
        <translation>Skanowanie dwoma przełącznikami: Spacja przesuwa podświetlenie, Enter naciska.</translation>
    </message>
    <message>
        <source>How long each button stays highlighted (1.5 seconds).</source>
        <translation>Jak długo każdy przycisk jest podświetlony (1,5 sekundy).</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekundy</translation>
    </message>
    <message>
        <source>A keypad button that runs the program one step at a time.</source>
        <translation>Przycisk klawiatury, który wykonuje program krok po kroku.</translation>
    </message>
    <message>
        <source>--scan-seconds takes a number of seconds from %1 to %2</source>
        <translation>--scan-seconds przyjmuje liczbę sekund od %1 do %2</translation>
    </message>
    <message>
        <source>highlighted: %1</source>
        <translation>podświetlony: %1</translation>
    </message>
    <message>
        <source>north</source>
        <translation>północ</translation>
    </message>
    <message>
        <source>east</source>
        <translation>wschód</translation>
    </message>
    <message>
        <source>south</source>
        <translation>południe</translation>
    </message>
    <message>
        <source>west</source>
        <translation>zachód</translation>
    </message>
    <message>
        <source>robot on column %1, row %2, facing %3</source>
        <translation>robot w kolumnie %1, wierszu %2, zwrócony na %3</translation>
    </message>
    <message>
        <source>; target on column %1, row %2</source>
        <translation>; cel w kolumnie %1, wierszu %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, this step</source>
        <translation>%1, ten krok</translation>
    </message>
    <message>
        <source>program</source>
        <translation>program</translation>
    </message>
</context>
<context>
    <name>classview</name>
    <message>
        <source>cannot be read</source>
        <translation>nie da się odczytać</translation>
    </message>
    <message>
        <source>too large for a program</source>
        <translation>za duży na program</translation>
    </message>
    <message>
        <source>not a MARLO program</source>
        <translation>to nie program MARLO</translation>
    </message>
    <message>
        <source>Opens the class view of FOLDER (by default the programs folder) for the teacher.</source>
        <translation>Otwiera widok klasy z FOLDERU (domyślnie folderu programów) dla nauczyciela.</translation>
    </message>
</context>
<context>
    <name>classview::ClassList</name>
    <message>
        <source>(no name)</source>
        <translation>(bez imienia)</translation>
    </message>
    <message>
        <source>Writer</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Polecenia</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Zapisano</translation>
    </message>
</context>
<context>
    <name>classview::ClassWindow</name>
    <message>
        <source>MARLO class view</source>
        <translation>Widok klasy MARLO</translation>
    </message>
    <message>
        <source>Class folder: %1</source>
        <translation>Folder klasy: %1</translation>
    </message>
    <message>
        <source>&amp;Writer:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>&amp;Read again</source>
        <translation>&amp;Wczytaj ponownie</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Poprzednia strona</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Następna strona</translation>
    </message>
    <message>
        <source>&amp;Open in MARLO</source>
        <translation>&amp;Otwórz w MARLO</translation>
    </message>
    <message>
        <source>&amp;Print selected</source>
        <translation>&amp;Drukuj wybrane</translation>
    </message>
    <message>
        <source>Print &amp;all</source>
        <translation>Drukuj &amp;wszystkie</translation>
    </message>
    <message>
        <source>Every program listed, one a page</source>
        <translation>Każdy program z listy, jeden na stronę</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;do:</translation>
    </message>
    <message>
        <source>the printer %1</source>
        <translation>drukarka %1</translation>
    </message>
    <message>
        <source>one PDF file</source>
        <translation>jeden plik PDF</translation>
    </message>
    <message>
        <source>There is no folder %1.</source>
        <translation>Nie ma folderu %1.</translation>
    </message>
    <message>
        <source>Programs: %1. Writers: %2. Files that are not programs: %3.</source>
        <translation>Programy: %1. Autorzy: %2. Pliki, które nie są programami: %3.</translation>
    </message>
    <message>
        <source>all writers</source>
        <translation>wszyscy autorzy</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(bez imienia)</translation>
    </message>
    <message>
        <source>No programs here.</source>
        <translation>Tu nie ma programów.</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>strona %1 z %2</translation>
    </message>
    <message>
        <source>Opened in MARLO: %1</source>
        <translation>Otwarto w MARLO: %1</translation>
    </message>
    <message>
        <source>MARLO could not be started.</source>
        <translation>Nie udało się uruchomić MARLO.</translation>
    </message>
    <message>
        <source>Nothing to print: no program that can be read is chosen.</source>
        <translation>Nic do drukowania: nie wybrano programu, który da się odczytać.</translation>
    </message>
    <message>
        <source>class %1.pdf</source>
        <translation>klasa %1.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Not printed.</source>
        <translation>Nie wydrukowano.</translation>
    </message>
    <message>
        <source>Saved as %1. Programs: %2, pages: %3.</source>
        <translation>Zapisano jako %1. Programy: %2, strony: %3.</translation>
    </message>
    <message>
        <source>Sent to %1. Programs: %2, pages: %3.</source>
        <translation>Wysłano do %1. Programy: %2, strony: %3.</translation>
    </message>
    <message>
        <source>Left out, as they are not programs: %1.</source>
        <translation>Pominięte, bo to nie programy: %1.</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>folder missing</source>
        <translation>brak folderu</translation>
    </message>
</context>
<context>
    <name>lessons</name>
    <message>
        <source>The lesson has no title.</source>
        <translation>Lekcja nie ma tytułu.</translation>
    </message>
    <message>
        <source>The title is longer than %1 characters.</source>
        <translation>Tytuł ma ponad %1 znaków.</translation>
    </message>
    <message>
        <source>The title must be one line.</source>
        <translation>Tytuł musi być jedną linią.</translation>
    </message>
    <message>
        <source>The instruction is longer than %1 characters.</source>
        <translation>Polecenie ma ponad %1 znaków.</translation>
    </message>
    <message>
        <source>The instruction must be one line.</source>
        <translation>Polecenie musi być jedną linią.</translation>
    </message>
    <message>
        <source>The grid is %1 x %2 squares; it must have %3 to %4 columns and rows.</source>
        <translation>Siatka ma %1 x %2 pól; musi mieć od %3 do %4 kolumn i wierszy.</translation>
    </message>
    <message>
        <source>The start heading must be north, east, south or west.</source>
        <translation>Kierunek startu musi być północ, wschód, południe lub zachód.</translation>
    </message>
    <message>
        <source>The lesson has no start square.</source>
        <translation>Lekcja nie ma pola startu.</translation>
    </message>
    <message>
        <source>The start square (column %1, row %2) is outside the grid.</source>
        <translation>Pole startu (kolumna %1, wiersz %2) jest poza siatką.</translation>
    </message>
    <message>
        <source>An obstacle (column %1, row %2) is outside the grid.</source>
        <translation>Przeszkoda (kolumna %1, wiersz %2) jest poza siatką.</translation>
    </message>
    <message>
        <source>Two obstacles are on one square (column %1, row %2).</source>
        <translation>Dwie przeszkody są na jednym polu (kolumna %1, wiersz %2).</translation>
    </message>
    <message>
        <source>The start square is on an obstacle.</source>
        <translation>Pole startu jest na przeszkodzie.</translation>
    </message>
    <message>
        <source>A target (column %1, row %2) is outside the grid.</source>
        <translation>Cel (kolumna %1, wiersz %2) jest poza siatką.</translation>
    </message>
    <message>
        <source>A target (column %1, row %2) is on an obstacle.</source>
        <translation>Cel (kolumna %1, wiersz %2) jest na przeszkodzie.</translation>
    </message>
    <message>
        <source>Two targets are on one square (column %1, row %2).</source>
        <translation>Dwa cele są na jednym polu (kolumna %1, wiersz %2).</translation>
    </message>
    <message>
        <source>The mat picture is empty.</source>
        <translation>Obrazek maty jest pusty.</translation>
    </message>
    <message>
        <source>The mat picture has no type.</source>
        <translation>Obrazek maty nie ma typu.</translation>
    </message>
    <message>
        <source>The mat&apos;s type must be image/png, image/jpeg or image/svg+xml.</source>
        <translation>Typ maty musi być image/png, image/jpeg lub image/svg+xml.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is missing.</source>
        <translation>Brak pola &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be text.</source>
        <translation>Pole &quot;%1&quot; musi być tekstem.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a whole number.</source>
        <translation>Pole &quot;%1&quot; musi być liczbą całkowitą.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a group of fields in braces { }.</source>
        <translation>Pole &quot;%1&quot; musi być grupą pól w nawiasach klamrowych { }.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a list in brackets [ ].</source>
        <translation>Pole &quot;%1&quot; musi być listą w nawiasach kwadratowych [ ].</translation>
    </message>
    <message>
        <source>This is not a MARLO lesson: its &quot;format&quot; is not &quot;marlo-lesson&quot;.</source>
        <translation>To nie jest lekcja MARLO: jej &quot;format&quot; to nie &quot;marlo-lesson&quot;.</translation>
    </message>
    <message>
        <source>The field &quot;version&quot; must be a version number such as &quot;1.0&quot;.</source>
        <translation>Pole &quot;version&quot; musi być numerem wersji, np. &quot;1.0&quot;.</translation>
    </message>
    <message>
        <source>This lesson is format version %1 and needs a newer MARLO: this one reads version %2 lessons.</source>
        <translation>Ta lekcja ma format w wersji %1 i wymaga nowszego MARLO: ten czyta lekcje w wersji %2.</translation>
    </message>
    <message>
        <source>The field &quot;start.heading&quot; must be north, east, south or west.</source>
        <translation>Pole &quot;start.heading&quot; musi być north, east, south lub west.</translation>
    </message>
    <message>
        <source>The field &quot;mat.data&quot; is not base64.</source>
        <translation>Pole &quot;mat.data&quot; nie jest w base64.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, too large for a lesson.</source>
        <translation>Plik ma ponad %1 MiB, za dużo na lekcję.</translation>
    </message>
    <message>
        <source>This is not a lesson file, or it is damaged: %1 at character %2.</source>
        <translation>To nie jest plik lekcji albo jest uszkodzony: %1 przy znaku %2.</translation>
    </message>
    <message>
        <source>The mat picture refers to something outside the lesson file.</source>
        <translation>Obrazek maty odwołuje się do czegoś spoza pliku lekcji.</translation>
    </message>
    <message>
        <source>The mat picture holds a picture that is not a readable PNG or JPEG picture.</source>
        <translation>Obrazek maty zawiera obrazek, który nie jest czytelnym PNG ani JPEG.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable SVG picture (%1).</source>
        <translation>Obrazek maty nie jest czytelnym SVG (%1).</translation>
    </message>
    <message>
        <source>The mat picture is not a readable SVG picture.</source>
        <translation>Obrazek maty nie jest czytelnym SVG.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable %1 picture.</source>
        <translation>Obrazek maty nie jest czytelnym obrazkiem %1.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable PNG picture (it is cut short).</source>
        <translation>Obrazek maty nie jest czytelnym PNG (jest ucięty).</translation>
    </message>
    <message>
        <source>The mat picture is %1 x %2 pixels, too large: a mat may have at most 4096 x 4096 pixels.</source>
        <translation>Obrazek maty ma %1 x %2 pikseli, za dużo: mata może mieć najwyżej 4096 x 4096 pikseli.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable %1 picture (%2).</source>
        <translation>Obrazek maty nie jest czytelnym obrazkiem %1 (%2).</translation>
    </message>
    <message>
        <source>%1: </source>
        <translation>%1: </translation>
    </message>
    <message>
        <source>leave lesson</source>
        <translation>wyjdź z lekcji</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Nie ma takiego pliku.</translation>
    </message>
    <message>
        <source>It is a folder or a device, not a lesson file.</source>
        <translation>To folder lub urządzenie, a nie plik lekcji.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Nie da się odczytać pliku.</translation>
    </message>
    <message>
        <source>MARLO cannot open the lesson &quot;%1&quot;.</source>
        <translation>MARLO nie może otworzyć lekcji &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>MARLO lessons (*.marlo-lesson)</source>
        <translation>Lekcje MARLO (*.marlo-lesson)</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>brawo!</translation>
    </message>
    <message>
        <source>missed!</source>
        <translation>pudło!</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>pudło</translation>
    </message>
</context>
<context>
    <name>lessons::LessonEditor</name>
    <message>
        <source>Open a lesson</source>
        <translation>Otwórz lekcję</translation>
    </message>
    <message>
        <source>Save the lesson</source>
        <translation>Zapisz lekcję</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>Choose a mat picture</source>
        <translation>Wybierz obrazek maty</translation>
    </message>
    <message>
        <source>PNG, JPEG or SVG pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Obrazki PNG, JPEG lub SVG (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>MARLO lesson editor</source>
        <translation>Edytor lekcji MARLO</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this lesson?</source>
        <translation>Czy zapisać zmiany w tej lekcji?</translation>
    </message>
    <message>
        <source>The changes to this lesson cannot be saved yet: %1
Do you want to leave them?</source>
        <translation>Zmian w tej lekcji nie da się jeszcze zapisać: %1
Czy je porzucić?</translation>
    </message>
    <message>
        <source>MARLO lessons (*%1)</source>
        <translation>Lekcje MARLO (*%1)</translation>
    </message>
    <message>
        <source>Click a square to put the robot&apos;s start there. Click the start again to turn the robot.</source>
        <translation>Kliknij pole, aby ustawić tam start robota. Kliknij start jeszcze raz, aby obrócić robota.</translation>
    </message>
    <message>
        <source>Click a square to put an obstacle there, or to take one away.</source>
        <translation>Kliknij pole, aby postawić tam przeszkodę albo ją zabrać.</translation>
    </message>
    <message>
        <source>Click squares in the order the pupils must visit them. Click a target to take it away.</source>
        <translation>Klikaj pola w kolejności, w jakiej uczniowie mają je odwiedzić. Kliknij cel, aby go zabrać.</translation>
    </message>
    <message>
        <source>The lesson&apos;s grid</source>
        <translation>Siatka lekcji</translation>
    </message>
    <message>
        <source>&amp;Title (up to %1 characters)</source>
        <translation>&amp;Tytuł (do %1 znaków)</translation>
    </message>
    <message>
        <source>&amp;Instruction for the pupils (up to %1 characters)</source>
        <translation>&amp;Polecenie dla uczniów (do %1 znaków)</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation>&amp;Kolumny</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Wiersze</translation>
    </message>
    <message>
        <source>Choose &amp;mat picture…</source>
        <translation>Wybierz obrazek &amp;maty…</translation>
    </message>
    <message>
        <source>A PNG, JPEG or SVG picture, stretched over the whole grid</source>
        <translation>Obrazek PNG, JPEG lub SVG, rozciągnięty na całą siatkę</translation>
    </message>
    <message>
        <source>No mat</source>
        <translation>Bez maty</translation>
    </message>
    <message>
        <source>Takes the mat picture away</source>
        <translation>Zabiera obrazek maty</translation>
    </message>
    <message>
        <source>What a click on a square puts there</source>
        <translation>Co kliknięcie w pole tam stawia</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Obstacle</source>
        <translation>&amp;Przeszkoda</translation>
    </message>
    <message>
        <source>T&amp;arget</source>
        <translation>C&amp;el</translation>
    </message>
    <message>
        <source>The robot starts facing</source>
        <translation>Robot startuje zwrócony</translation>
    </message>
    <message>
        <source>Facing up (north)</source>
        <translation>W górę (północ)</translation>
    </message>
    <message>
        <source>Facing right (east)</source>
        <translation>W prawo (wschód)</translation>
    </message>
    <message>
        <source>Facing down (south)</source>
        <translation>W dół (południe)</translation>
    </message>
    <message>
        <source>Facing left (west)</source>
        <translation>W lewo (zachód)</translation>
    </message>
    <message>
        <source>Clear the grid</source>
        <translation>Wyczyść siatkę</translation>
    </message>
    <message>
        <source>Takes away the start, every obstacle and every target</source>
        <translation>Zabiera start, wszystkie przeszkody i wszystkie cele</translation>
    </message>
    <message>
        <source>Take away the start, every obstacle and every target?</source>
        <translation>Zabrać start, wszystkie przeszkody i wszystkie cele?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Otwórz…</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Zapisz j&amp;ako…</translation>
    </message>
    <message>
        <source>Try the lesson in MARLO</source>
        <translation>Wypróbuj lekcję w MARLO</translation>
    </message>
    <message>
        <source>A new lesson: it will be saved as %1.</source>
        <translation>Nowa lekcja: zostanie zapisana jako %1.</translation>
    </message>
    <message>
        <source>This picture cannot be a mat. %1</source>
        <translation>Ten obrazek nie może być matą. %1</translation>
    </message>
    <message>
        <source>MARLO cannot open %1. %2</source>
        <translation>MARLO nie może otworzyć %1. %2</translation>
    </message>
    <message>
        <source>The lesson was not saved, and %1 is as it was. %2</source>
        <translation>Lekcji nie zapisano, a %1 jest bez zmian. %2</translation>
    </message>
    <message>
        <source>The lesson was not saved. %1</source>
        <translation>Lekcji nie zapisano. %1</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Zapisano jako %1.</translation>
    </message>
    <message>
        <source>The lesson cannot be tried: there is no room for it in the temporary folder.</source>
        <translation>Nie da się wypróbować lekcji: brak miejsca w folderze tymczasowym.</translation>
    </message>
    <message>
        <source>MARLO could not be started.</source>
        <translation>Nie udało się uruchomić MARLO.</translation>
    </message>
    <message>
        <source>MARLO is starting with this lesson in its own windows.</source>
        <translation>MARLO startuje z tą lekcją we własnych oknach.</translation>
    </message>
    <message>
        <source>Ready: the lesson can be tried and saved.</source>
        <translation>Gotowe: lekcję można wypróbować i zapisać.</translation>
    </message>
    <message>
        <source>Not ready yet: %1</source>
        <translation>Jeszcze nie gotowe: %1</translation>
    </message>
    <message>
        <source>Saves the lesson in its file</source>
        <translation>Zapisuje lekcję w jej pliku</translation>
    </message>
    <message>
        <source>Saves the lesson in a file you choose</source>
        <translation>Zapisuje lekcję w wybranym pliku</translation>
    </message>
    <message>
        <source>Starts MARLO on this lesson, as a pupil will see it</source>
        <translation>Uruchamia MARLO z tą lekcją tak, jak zobaczy ją uczeń</translation>
    </message>
    <message>
        <source>No mat picture: the grid is plain.</source>
        <translation>Bez obrazka maty: siatka jest gładka.</translation>
    </message>
    <message>
        <source>Mat: %1 picture, %2 x %3.</source>
        <translation>Mata: obrazek %1, %2 x %3.</translation>
    </message>
    <message>
        <source>%1[*] – MARLO lesson editor</source>
        <translation>%1[*] – Edytor lekcji MARLO</translation>
    </message>
    <message>
        <source>New lesson</source>
        <translation>Nowa lekcja</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Prints the settings in force and where each came from.</source>
        <translation>Pokazuje obowiązujące ustawienia i skąd pochodzi każde z nich.</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>ani true, ani false</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>to nie liczba całkowita od %1 do %2</translation>
    </message>
    <message>
        <source>no login name for %u</source>
        <translation>brak nazwy logowania dla %u</translation>
    </message>
    <message>
        <source>no home for ~</source>
        <translation>brak katalogu domowego dla ~</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <translation>to nie ścieżka bezwzględna</translation>
    </message>
    <message>
        <source>brindle/marlo/programs in the home</source>
        <translation>brindle/marlo/programs w katalogu domowym</translation>
    </message>
    <message>
        <source>as many as fit the screen</source>
        <translation>tyle, ile zmieści ekran</translation>
    </message>
    <message>
        <source>false</source>
        <translation>false</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>false: the writer is &quot;me&quot;</source>
        <translation>false: autor to &quot;me&quot;</translation>
    </message>
    <message>
        <source>false: the default printer if any</source>
        <translation>false: drukarka domyślna, jeśli jest</translation>
    </message>
    <message>
        <source>the desktop&apos;s</source>
        <translation>język pulpitu</translation>
    </message>
    <message>
        <source>not a language such as fr or de_CH</source>
        <translation>to nie język, np. fr lub de_CH</translation>
    </message>
    <message>
        <source>1.5</source>
        <translation>1,5</translation>
    </message>
    <message>
        <source>not a number of seconds from %1 to %2</source>
        <translation>to nie liczba sekund od %1 do %2</translation>
    </message>
    <message>
        <source>%1 ignored: %2</source>
        <translation>%1 pominięto: %2</translation>
    </message>
    <message>
        <source>not a settings file of at most %1 bytes</source>
        <translation>to nie plik ustawień o rozmiarze najwyżej %1 bajtów</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nie da się odczytać</translation>
    </message>
    <message>
        <source>not in the settings&apos; format</source>
        <translation>nie w formacie ustawień</translation>
    </message>
    <message>
        <source>%1: %2 ignored: no such setting</source>
        <translation>%1: %2 pominięto: nie ma takiego ustawienia</translation>
    </message>
    <message>
        <source>%1: %2=%3 ignored: %4</source>
        <translation>%1: %2=%3 pominięto: %4</translation>
    </message>
    <message>
        <source>[floor] ignored: columns and rows go together</source>
        <translation>[floor] pominięto: kolumny i wiersze podaje się razem</translation>
    </message>
    <message>
        <source>MARLO&apos;s settings files, each over the one before:</source>
        <translation>Pliki ustawień MARLO, każdy nad poprzednim:</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>read</source>
        <translation>odczytano</translation>
    </message>
    <message>
        <source>In force:</source>
        <translation>Obowiązuje:</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (domyślnie)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(z %1)</translation>
    </message>
    <message>
        <source>Ignored:</source>
        <translation>Pominięto:</translation>
    </message>
</context>
</TS>
