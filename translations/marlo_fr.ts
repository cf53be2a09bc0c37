<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Program a floor robot with its keypad and watch it drive.</source>
        <translation>Programme un robot de sol avec son clavier et regarde-le rouler.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Says aloud each key pressed, each step of a run and how it ended.</source>
        <translation>Dit à voix haute chaque touche appuyée, chaque pas d&apos;un parcours et comment il a fini.</translation>
    </message>
    <message>
        <source>Opens the lesson editor for teachers instead, on the lesson file that follows, if any.</source>
        <translation>Ouvre plutôt l&apos;éditeur de leçons pour les enseignants, sur le fichier de leçon qui suit, s&apos;il y en a un.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>LANGUE</translation>
    </message>
    <message>
        <source>See marlo(1) for the keys, where programs and reports are kept,
and what each message means.</source>
        <translation>Voir marlo(1) pour les touches, l&apos;endroit où sont gardés programmes et rapports,
et le sens de chaque message.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;
Try &apos;%1 --help&apos;.</source>
        <translation>%1 : argument inattendu &apos;%2&apos;
Essayez &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Speaks LANGUAGE (cy, de, en, es, fr, pl) instead of the school&apos;s or the desktop&apos;s language.</source>
        <translation>Parle LANGUE (cy, de, en, es, fr, pl) au lieu de la langue de l&apos;école ou du bureau.</translation>
    </message>
    <message>
        <source>A program (.mlo) or lesson (.marlo-lesson) to open.</source>
        <translation>Un programme (.mlo) ou une leçon (.marlo-lesson) à ouvrir.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[fichier]</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>pen up</source>
        <translation>crayon levé</translation>
    </message>
    <message>
        <source>pen down</source>
        <translation>crayon baissé</translation>
    </message>
    <message>
        <source>forwards</source>
        <translation>avance</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>recule</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>pause</translation>
    </message>
</context>
<context>
    <name>ExitQuestion</name>
    <message>
        <source>You haven&apos;t saved your program!</source>
        <translation>Tu n&apos;as pas enregistré ton programme&#xa0;!</translation>
    </message>
    <message>
        <source>exit anyway</source>
        <translation>quitter quand même</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>annuler</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>MARLO files (*.mlo)</source>
        <translation>Fichiers MARLO (*.mlo)</translation>
    </message>
    <message>
        <source>You haven&apos;t saved your program. Do you want to continue?</source>
        <translation>Tu n&apos;as pas enregistré ton programme. Veux-tu continuer&#xa0;?</translation>
    </message>
    <message>
        <source>marlo files (*.mlo)</source>
        <translation>fichiers marlo (*.mlo)</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>memory clear</source>
        <translation>mémoire effacée</translation>
    </message>
    <message>
        <source>forwards</source>
        <translation>avance</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>recule</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>clear memory</source>
        <translation>effacer la mémoire</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Vas-y</translation>
    </message>
</context>
<context>
    <name>LessonEditor</name>
    <message>
        <source>There is no file called %1.</source>
        <translation>Il n&apos;y a pas de fichier nommé %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Le fichier ne peut pas être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the start</source>
        <translation>le départ</translation>
    </message>
    <message>
        <source>1 obstacle</source>
        <translation>1 obstacle</translation>
    </message>
    <message>
        <source>%1 obstacles</source>
        <translation>%1 obstacles</translation>
    </message>
    <message>
        <source>1 target</source>
        <translation>1 cible</translation>
    </message>
    <message>
        <source>%1 targets</source>
        <translation>%1 cibles</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The smaller grid took away %1 outside it.</source>
        <translation>La grille plus petite a retiré %1 hors d&apos;elle.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, too large for a lesson.</source>
        <translation>Le fichier dépasse %1 Mio, trop grand pour une leçon.</translation>
    </message>
    <message>
        <source>The disk did not take the whole file.</source>
        <translation>Le disque n&apos;a pas pris tout le fichier.</translation>
    </message>
    <message>
        <source>The picture is larger than %1 MiB, too large for a mat.</source>
        <translation>L&apos;image dépasse %1 Mio, trop grande pour un tapis.</translation>
    </message>
    <message>
        <source>This is not a PNG, JPEG or SVG picture.</source>
        <translation>Ce n&apos;est pas une image PNG, JPEG ou SVG.</translation>
    </message>
</context>
<context>
    <name>Listing</name>
    <message>
        <source>exit</source>
        <translation>quitter</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>program name</source>
        <translation>nom du programme</translation>
    </message>
    <message>
        <source>my name</source>
        <translation>mon nom</translation>
    </message>
    <message>
        <source>target</source>
        <translation>cible</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>me</source>
        <translation>moi</translation>
    </message>
    <message>
        <source>my program</source>
        <translation>mon programme</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>crashed!!</source>
        <translation>boum&#xa0;!!</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>bravo&#xa0;!</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>raté</translation>
    </message>
    <message>
        <source> on %1</source>
        <translation> le %1</translation>
    </message>
    <message>
        <source>  written by </source>
        <translation>  écrit par </translation>
    </message>
    <message>
        <source>%1, written by %2, page %3 of %4</source>
        <translation>%1, écrit par %2, page %3 sur %4</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>stopped!</source>
        <translation>arrêté&#xa0;!</translation>
    </message>
    <message>
        <source>program full</source>
        <translation>programme plein</translation>
    </message>
    <message>
        <source>cancelled!</source>
        <translation>annulé&#xa0;!</translation>
    </message>
    <message>
        <source>not printed</source>
        <translation>pas imprimé</translation>
    </message>
    <message>
        <source>saved as %1</source>
        <translation>enregistré sous %1</translation>
    </message>
    <message>
        <source>crashed!</source>
        <translation>boum&#xa0;!</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en route</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>bravo&#xa0;!</translation>
    </message>
    <message>
        <source>missed!</source>
        <translation>raté&#xa0;!</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>fini</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>load</source>
        <translation>ouvrir</translation>
    </message>
    <message>
        <source>print</source>
        <translation>imprimer</translation>
    </message>
    <message>
        <source>save</source>
        <translation>enregistrer</translation>
    </message>
</context>
<context>
    <name>a11y</name>
    <message>
        <source>undo</source>
        <translation>annuler</translation>
    </message>
    <message>
        <source>step</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>Colours of strong contrast, larger listing text and a thicker focus ring.</source>
        <translation>Couleurs très contrastées, texte de la liste plus grand et cadre de focus plus épais.</translation>
    </message>
    <message>
        <source>Highlights the keypad&apos;s buttons in turn; Space or Enter presses the highlighted one.</source>
        <translation>Met en évidence les boutons du clavier tour à tour&#xa0;; Espace ou Entrée appuie sur celui mis en évidence.</translation>
    </message>
    <message>
        <source>Scanning with two switches: Space moves the highlight, Enter presses.</source>
        <translation>Défilement à deux contacteurs&#xa0;: Espace déplace la mise en évidence, Entrée appuie.</translation>
    </message>
    <message>
        <source>How long each button stays highlighted (1.5 seconds).</source>
        <translation>Durée de mise en évidence de chaque bouton (1,5 seconde).</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>A keypad button that runs the program one step at a time.</source>
        <translation>Un bouton du clavier qui exécute le programme pas à pas.</translation>
    </message>
    <message>
        <source>--scan-seconds takes a number of seconds from %1 to %2</source>
        <translation>--scan-seconds attend un nombre de secondes de %1 à %2</translation>
    </message>
    <message>
        <source>highlighted: %1</source>
        <translation>en évidence&#xa0;: %1</translation>
    </message>
    <message>
        <source>north</source>
        <translation>le nord</translation>
    </message>
    <message>
        <source>east</source>
        <translation>l&apos;est</translation>
    </message>
    <message>
        <source>south</source>
        <translation>le sud</translation>
    </message>
    <message>
        <source>west</source>
        <translation>l&apos;ouest</translation>
    </message>
    <message>
        <source>robot on column %1, row %2, facing %3</source>
        <translation>robot en colonne %1, ligne %2, tourné vers %3</translation>
    </message>
    <message>
        <source>; target on column %1, row %2</source>
        <translation>; cible en colonne %1, ligne %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, this step</source>
        <translation>%1, ce pas</translation>
    </message>
    <message>
        <source>program</source>
        <translation>programme</translation>
    </message>
</context>
<context>
    <name>classview</name>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>too large for a program</source>
        <translation>trop grand pour un programme</translation>
    </message>
    <message>
        <source>not a MARLO program</source>
        <translation>pas un programme MARLO</translation>
    </message>
    <message>
        <source>Opens the class view of FOLDER (by default the programs folder) for the teacher.</source>
        <translation>Ouvre la vue de classe de DOSSIER (par défaut le dossier des programmes) pour l&apos;enseignant.</translation>
    </message>
</context>
<context>
    <name>classview::ClassList</name>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>Writer</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
</context>
<context>
    <name>classview::ClassWindow</name>
    <message>
        <source>MARLO class view</source>
        <translation>Vue de classe MARLO</translation>
    </message>
    <message>
        <source>Class folder: %1</source>
        <translation>Dossier de la classe&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Writer:</source>
        <translation>&amp;Auteur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Read again</source>
        <translation>&amp;Relire</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>&amp;Open in MARLO</source>
        <translation>&amp;Ouvrir dans MARLO</translation>
    </message>
    <message>
        <source>&amp;Print selected</source>
        <translation>&amp;Imprimer la sélection</translation>
    </message>
    <message>
        <source>Print &amp;all</source>
        <translation>Tout imp&amp;rimer</translation>
    </message>
    <message>
        <source>Every program listed, one a page</source>
        <translation>Chaque programme de la liste, un par page</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;vers&#xa0;:</translation>
    </message>
    <message>
        <source>the printer %1</source>
        <translation>l&apos;imprimante %1</translation>
    </message>
    <message>
        <source>one PDF file</source>
        <translation>un fichier PDF</translation>
    </message>
    <message>
        <source>There is no folder %1.</source>
        <translation>Il n&apos;y a pas de dossier %1.</translation>
    </message>
    <message>
        <source>Programs: %1. Writers: %2. Files that are not programs: %3.</source>
        <translation>Programmes&#xa0;: %1. Auteurs&#xa0;: %2. Fichiers qui ne sont pas des programmes&#xa0;: %3.</translation>
    </message>
    <message>
        <source>all writers</source>
        <translation>tous les auteurs</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>No programs here.</source>
        <translation>Aucun programme ici.</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 sur %2</translation>
    </message>
    <message>
        <source>Opened in MARLO: %1</source>
        <translation>Ouvert dans MARLO&#xa0;: %1</translation>
    </message>
    <message>
        <source>MARLO could not be started.</source>
        <translation>MARLO n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Nothing to print: no program that can be read is chosen.</source>
        <translation>Rien à imprimer&#xa0;: aucun programme lisible n&apos;est choisi.</translation>
    </message>
    <message>
        <source>class %1.pdf</source>
        <translation>classe %1.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Not printed.</source>
        <translation>Pas imprimé.</translation>
    </message>
    <message>
        <source>Saved as %1. Programs: %2, pages: %3.</source>
        <translation>Enregistré sous %1. Programmes&#xa0;: %2, pages&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Sent to %1. Programs: %2, pages: %3.</source>
        <translation>Envoyé à %1. Programmes&#xa0;: %2, pages&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Left out, as they are not programs: %1.</source>
        <translation>Laissés de côté, car ce ne sont pas des programmes&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>folder missing</source>
        <translation>dossier absent</translation>
    </message>
</context>
<context>
    <name>lessons</name>
    <message>
        <source>The lesson has no title.</source>
        <translation>La leçon n&apos;a pas de titre.</translation>
    </message>
    <message>
        <source>The title is longer than %1 characters.</source>
        <translation>Le titre dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The title must be one line.</source>
        <translation>Le titre doit tenir sur une ligne.</translation>
    </message>
    <message>
        <source>The instruction is longer than %1 characters.</source>
        <translation>La consigne dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The instruction must be one line.</source>
        <translation>La consigne doit tenir sur une ligne.</translation>
    </message>
    <message>
        <source>The grid is %1 x %2 squares; it must have %3 to %4 columns and rows.</source>
        <translation>La grille fait %1 x %2 cases&#xa0;; il faut de %3 à %4 colonnes et lignes.</translation>
    </message>
    <message>
        <source>The start heading must be north, east, south or west.</source>
        <translation>La direction de départ doit être nord, est, sud ou ouest.</translation>
    </message>
    <message>
        <source>The lesson has no start square.</source>
        <translation>La leçon n&apos;a pas de case de départ.</translation>
    </message>
    <message>
        <source>The start square (column %1, row %2) is outside the grid.</source>
        <translation>La case de départ (colonne %1, ligne %2) est hors de la grille.</translation>
    </message>
    <message>
        <source>An obstacle (column %1, row %2) is outside the grid.</source>
        <translation>Un obstacle (colonne %1, ligne %2) est hors de la grille.</translation>
    </message>
    <message>
        <source>Two obstacles are on one square (column %1, row %2).</source>
        <translation>Deux obstacles sont sur une même case (colonne %1, ligne %2).</translation>
    </message>
    <message>
        <source>The start square is on an obstacle.</source>
        <translation>La case de départ est sur un obstacle.</translation>
    </message>
    <message>
        <source>A target (column %1, row %2) is outside the grid.</source>
        <translation>Une cible (colonne %1, ligne %2) est hors de la grille.</translation>
    </message>
    <message>
        <source>A target (column %1, row %2) is on an obstacle.</source>
        <translation>Une cible (colonne %1, ligne %2) est sur un obstacle.</translation>
    </message>
    <message>
        <source>Two targets are on one square (column %1, row %2).</source>
        <translation>Deux cibles sont sur une même case (colonne %1, ligne %2).</translation>
    </message>
    <message>
        <source>The mat picture is empty.</source>
        <translation>L&apos;image du tapis est vide.</translation>
    </message>
    <message>
        <source>The mat picture has no type.</source>
        <translation>L&apos;image du tapis n&apos;a pas de type.</translation>
    </message>
    <message>
        <source>The mat&apos;s type must be image/png, image/jpeg or image/svg+xml.</source>
        <translation>Le type du tapis doit être image/png, image/jpeg ou image/svg+xml.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is missing.</source>
        <translation>Le champ &quot;%1&quot; manque.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be text.</source>
        <translation>Le champ &quot;%1&quot; doit être du texte.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a whole number.</source>
        <translation>Le champ &quot;%1&quot; doit être un nombre entier.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a group of fields in braces { }.</source>
        <translation>Le champ &quot;%1&quot; doit être un groupe de champs entre accolades { }.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a list in brackets [ ].</source>
        <translation>Le champ &quot;%1&quot; doit être une liste entre crochets [ ].</translation>
    </message>
    <message>
        <source>This is not a MARLO lesson: its &quot;format&quot; is not &quot;marlo-lesson&quot;.</source>
        <translation>Ce n&apos;est pas une leçon MARLO&#xa0;: son &quot;format&quot; n&apos;est pas &quot;marlo-lesson&quot;.</translation>
    </message>
    <message>
        <source>The field &quot;version&quot; must be a version number such as &quot;1.0&quot;.</source>
        <translation>Le champ &quot;version&quot; doit être un numéro de version comme &quot;1.0&quot;.</translation>
    </message>
    <message>
        <source>This lesson is format version %1 and needs a newer MARLO: this one reads version %2 lessons.</source>
        <translation>Cette leçon est au format version %1 et demande un MARLO plus récent&#xa0;: celui-ci lit les leçons version %2.</translation>
    </message>
    <message>
        <source>The field &quot;start.heading&quot; must be north, east, south or west.</source>
        <translation>Le champ &quot;start.heading&quot; doit être north, east, south ou west.</translation>
    </message>
    <message>
        <source>The field &quot;mat.data&quot; is not base64.</source>
        <translation>Le champ &quot;mat.data&quot; n&apos;est pas en base64.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, too large for a lesson.</source>
        <translation>Le fichier dépasse %1 Mio, trop grand pour une leçon.</translation>
    </message>
    <message>
        <source>This is not a lesson file, or it is damaged: %1 at character %2.</source>
        <translation>Ce n&apos;est pas un fichier de leçon, ou il est abîmé&#xa0;: %1 au caractère %2.</translation>
    </message>
    <message>
        <source>The mat picture refers to something outside the lesson file.</source>
        <translation>L&apos;image du tapis renvoie à quelque chose hors du fichier de leçon.</translation>
    </message>
    <message>
        <source>The mat picture holds a picture that is not a readable PNG or JPEG picture.</source>
        <translation>L&apos;image du tapis contient une image qui n&apos;est pas un PNG ou JPEG lisible.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable SVG picture (%1).</source>
        <translation>L&apos;image du tapis n&apos;est pas une image SVG lisible (%1).</translation>
    </message>
    <message>
        <source>The mat picture is not a readable SVG picture.</source>
        <translation>L&apos;image du tapis n&apos;est pas une image SVG lisible.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable %1 picture.</source>
        <translation>L&apos;image du tapis n&apos;est pas une image %1 lisible.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable PNG picture (it is cut short).</source>
        <translation>L&apos;image du tapis n&apos;est pas une image PNG lisible (elle est tronquée).</translation>
    </message>
    <message>
        <source>The mat picture is %1 x %2 pixels, too large: a mat may have at most 4096 x 4096 pixels.</source>
        <translation>L&apos;image du tapis fait %1 x %2 pixels, trop grande&#xa0;: un tapis a au plus 4096 x 4096 pixels.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable %1 picture (%2).</source>
        <translation>L&apos;image du tapis n&apos;est pas une image %1 lisible (%2).</translation>
    </message>
    <message>
        <source>%1: </source>
        <translation>%1&#xa0;: </translation>
    </message>
    <message>
        <source>leave lesson</source>
        <translation>quitter la leçon</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>It is a folder or a device, not a lesson file.</source>
        <translation>C&apos;est un dossier ou un périphérique, pas un fichier de leçon.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>MARLO cannot open the lesson &quot;%1&quot;.</source>
        <translation>MARLO ne peut pas ouvrir la leçon &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>MARLO lessons (*.marlo-lesson)</source>
        <translation>Leçons MARLO (*.marlo-lesson)</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>bravo&#xa0;!</translation>
    </message>
    <message>
        <source>missed!</source>
        <translation>raté&#xa0;!</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>raté</translation>
    </message>
</context>
<context>
    <name>lessons::LessonEditor</name>
    <message>
        <source>Open a lesson</source>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>Save the lesson</source>
        <translation>Enregistrer la leçon</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Choose a mat picture</source>
        <translation>Choisir une image de tapis</translation>
    </message>
    <message>
        <source>PNG, JPEG or SVG pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Images PNG, JPEG ou SVG (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>MARLO lesson editor</source>
        <translation>Éditeur de leçons MARLO</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this lesson?</source>
        <translation>Voulez-vous enregistrer les modifications de cette leçon&#xa0;?</translation>
    </message>
    <message>
        <source>The changes to this lesson cannot be saved yet: %1
Do you want to leave them?</source>
        <translation>Les modifications de cette leçon ne peuvent pas encore être enregistrées&#xa0;: %1
Voulez-vous les abandonner&#xa0;?</translation>
    </message>
    <message>
        <source>MARLO lessons (*%1)</source>
        <translation>Leçons MARLO (*%1)</translation>
    </message>
    <message>
        <source>Click a square to put the robot&apos;s start there. Click the start again to turn the robot.</source>
        <translation>Cliquez sur une case pour y placer le départ du robot. Cliquez encore sur le départ pour tourner le robot.</translation>
    </message>
    <message>
        <source>Click a square to put an obstacle there, or to take one away.</source>
        <translation>Cliquez sur une case pour y placer un obstacle, ou pour l&apos;enlever.</translation>
    </message>
    <message>
        <source>Click squares in the order the pupils must visit them. Click a target to take it away.</source>
        <translation>Cliquez sur les cases dans l&apos;ordre où les élèves doivent les visiter. Cliquez sur une cible pour l&apos;enlever.</translation>
    </message>
    <message>
        <source>The lesson&apos;s grid</source>
        <translation>Grille de la leçon</translation>
    </message>
    <message>
        <source>&amp;Title (up to %1 characters)</source>
        <translation>&amp;Titre (jusqu&apos;à %1 caractères)</translation>
    </message>
    <message>
        <source>&amp;Instruction for the pupils (up to %1 characters)</source>
        <translation>&amp;Consigne pour les élèves (jusqu&apos;à %1 caractères)</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation>C&amp;olonnes</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Lignes</translation>
    </message>
    <message>
        <source>Choose &amp;mat picture…</source>
        <translation>Choisir l&apos;image du &amp;tapis…</translation>
    </message>
    <message>
        <source>A PNG, JPEG or SVG picture, stretched over the whole grid</source>
        <translation>Une image PNG, JPEG ou SVG, étirée sur toute la grille</translation>
    </message>
    <message>
        <source>No mat</source>
        <translation>Pas de tapis</translation>
    </message>
    <message>
        <source>Takes the mat picture away</source>
        <translation>Enlève l&apos;image du tapis</translation>
    </message>
    <message>
        <source>What a click on a square puts there</source>
        <translation>Ce qu&apos;un clic sur une case y place</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Départ</translation>
    </message>
    <message>
        <source>&amp;Obstacle</source>
        <translation>&amp;Obstacle</translation>
    </message>
    <message>
        <source>T&amp;arget</source>
        <translation>C&amp;ible</translation>
    </message>
    <message>
        <source>The robot starts facing</source>
        <translation>Le robot part tourné vers</translation>
    </message>
    <message>
        <source>Facing up (north)</source>
        <translation>Le haut (nord)</translation>
    </message>
    <message>
        <source>Facing right (east)</source>
        <translation>La droite (est)</translation>
    </message>
    <message>
        <source>Facing down (south)</source>
        <translation>Le bas (sud)</translation>
    </message>
    <message>
        <source>Facing left (west)</source>
        <translation>La gauche (ouest)</translation>
    </message>
    <message>
        <source>Clear the grid</source>
        <translation>Vider la grille</translation>
    </message>
    <message>
        <source>Takes away the start, every obstacle and every target</source>
        <translation>Enlève le départ, tous les obstacles et toutes les cibles</translation>
    </message>
    <message>
        <source>Take away the start, every obstacle and every target?</source>
        <translation>Enlever le départ, tous les obstacles et toutes les cibles&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Try the lesson in MARLO</source>
        <translation>Essayer la leçon dans MARLO</translation>
    </message>
    <message>
        <source>A new lesson: it will be saved as %1.</source>
        <translation>Une nouvelle leçon&#xa0;: elle sera enregistrée sous %1.</translation>
    </message>
    <message>
        <source>This picture cannot be a mat. %1</source>
        <translation>Cette image ne peut pas servir de tapis. %1</translation>
    </message>
    <message>
        <source>MARLO cannot open %1. %2</source>
        <translation>MARLO ne peut pas ouvrir %1. %2</translation>
    </message>
    <message>
        <source>The lesson was not saved, and %1 is as it was. %2</source>
        <translation>La leçon n&apos;a pas été enregistrée, et %1 est resté tel quel. %2</translation>
    </message>
    <message>
        <source>The lesson was not saved. %1</source>
        <translation>La leçon n&apos;a pas été enregistrée. %1</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Enregistrée sous %1.</translation>
    </message>
    <message>
        <source>The lesson cannot be tried: there is no room for it in the temporary folder.</source>
        <translation>La leçon ne peut pas être essayée&#xa0;: il n&apos;y a pas de place dans le dossier temporaire.</translation>
    </message>
    <message>
        <source>MARLO could not be started.</source>
        <translation>MARLO n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>MARLO is starting with this lesson in its own windows.</source>
        <translation>MARLO démarre avec cette leçon dans ses propres fenêtres.</translation>
    </message>
    <message>
        <source>Ready: the lesson can be tried and saved.</source>
        <translation>Prête&#xa0;: la leçon peut être essayée et enregistrée.</translation>
    </message>
    <message>
        <source>Not ready yet: %1</source>
        <translation>Pas encore prête&#xa0;: %1</translation>
    </message>
    <message>
        <source>Saves the lesson in its file</source>
        <translation>Enregistre la leçon dans son fichier</translation>
    </message>
    <message>
        <source>Saves the lesson in a file you choose</source>
        <translation>Enregistre la leçon dans le fichier de votre choix</translation>
    </message>
    <message>
        <source>Starts MARLO on this lesson, as a pupil will see it</source>
        <translation>Lance MARLO sur cette leçon, telle qu&apos;un élève la verra</translation>
    </message>
    <message>
        <source>No mat picture: the grid is plain.</source>
        <translation>Pas d&apos;image de tapis&#xa0;: la grille est unie.</translation>
    </message>
    <message>
        <source>Mat: %1 picture, %2 x %3.</source>
        <translation>Tapis&#xa0;: image %1, %2 x %3.</translation>
    </message>
    <message>
        <source>%1[*] – MARLO lesson editor</source>
        <translation>%1[*] – Éditeur de leçons MARLO</translation>
    </message>
    <message>
        <source>New lesson</source>
        <translation>Nouvelle leçon</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Prints the settings in force and where each came from.</source>
        <translation>Affiche les réglages en vigueur et d&apos;où vient chacun.</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>ni true ni false</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>pas un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>no login name for %u</source>
        <translation>pas de nom de connexion pour %u</translation>
    </message>
    <message>
        <source>no home for ~</source>
        <translation>pas de dossier personnel pour ~</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <translation>pas un chemin absolu</translation>
    </message>
    <message>
        <source>brindle/marlo/programs in the home</source>
        <translation>brindle/marlo/programs dans le dossier personnel</translation>
    </message>
    <message>
        <source>as many as fit the screen</source>
        <translation>autant que l&apos;écran en contient</translation>
    </message>
    <message>
        <source>false</source>
        <translation>false</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>false: the writer is &quot;me&quot;</source>
        <translation>false&#xa0;: l&apos;auteur est &quot;me&quot;</translation>
    </message>
    <message>
        <source>false: the default printer if any</source>
        <translation>false&#xa0;: l&apos;imprimante par défaut s&apos;il y en a une</translation>
    </message>
    <message>
        <source>the desktop&apos;s</source>
        <translation>celle du bureau</translation>
    </message>
    <message>
        <source>not a language such as fr or de_CH</source>
        <translation>pas une langue comme fr ou de_CH</translation>
    </message>
    <message>
        <source>1.5</source>
        <translation>1,5</translation>
    </message>
    <message>
        <source>not a number of seconds from %1 to %2</source>
        <translation>pas un nombre de secondes de %1 à %2</translation>
    </message>
    <message>
        <source>%1 ignored: %2</source>
        <translation>%1 ignoré&#xa0;: %2</translation>
    </message>
    <message>
        <source>not a settings file of at most %1 bytes</source>
        <translation>pas un fichier de réglages d&apos;au plus %1 octets</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>not in the settings&apos; format</source>
        <translation>pas au format des réglages</translation>
    </message>
    <message>
        <source>%1: %2 ignored: no such setting</source>
        <translation>%1&#xa0;: %2 ignoré&#xa0;: ce réglage n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1: %2=%3 ignored: %4</source>
        <translation>%1&#xa0;: %2=%3 ignoré&#xa0;: %4</translation>
    </message>
    <message>
        <source>[floor] ignored: columns and rows go together</source>
        <translation>[floor] ignoré&#xa0;: colonnes et lignes vont ensemble</translation>
    </message>
    <message>
        <source>MARLO&apos;s settings files, each over the one before:</source>
        <translation>Fichiers de réglages de MARLO, chacun par-dessus le précédent&#xa0;:</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lu</translation>
    </message>
    <message>
        <source>In force:</source>
        <translation>En vigueur&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (par défaut)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(de %1)</translation>
    </message>
    <message>
        <source>Ignored:</source>
        <translation>Ignoré&#xa0;:</translation>
    </message>
</context>
</TS>
