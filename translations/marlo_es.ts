<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Program a floor robot with its keypad and watch it drive.</source>
        <translation>Programa un robot de suelo con su teclado y míralo moverse.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Says aloud each key pressed, each step of a run and how it ended.</source>
        <translation>Dice en voz alta cada tecla pulsada, cada paso de un recorrido y cómo terminó.</translation>
    </message>
    <message>
        <source>Opens the lesson editor for teachers instead, on the lesson file that follows, if any.</source>
        <translation>Abre en su lugar el editor de lecciones para docentes, con el archivo de lección que sigue, si lo hay.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>IDIOMA</translation>
    </message>
    <message>
        <source>See marlo(1) for the keys, where programs and reports are kept,
and what each message means.</source>
        <translation>Vea marlo(1) para las teclas, dónde se guardan los programas y los informes
y qué significa cada mensaje.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;
Try &apos;%1 --help&apos;.</source>
        <translation>%1: argumento inesperado &apos;%2&apos;
Pruebe &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Speaks LANGUAGE (cy, de, en, es, fr, pl) instead of the school&apos;s or the desktop&apos;s language.</source>
        <translation>Habla IDIOMA (cy, de, en, es, fr, pl) en lugar del idioma de la escuela o del escritorio.</translation>
    </message>
    <message>
        <source>A program (.mlo) or lesson (.marlo-lesson) to open.</source>
        <translation>Un programa (.mlo) o una lección (.marlo-lesson) que abrir.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[archivo]</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>pen up</source>
        <translation>lápiz arriba</translation>
    </message>
    <message>
        <source>pen down</source>
        <translation>lápiz abajo</translation>
    </message>
    <message>
        <source>forwards</source>
        <translation>adelante</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>atrás</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>pausa</translation>
    </message>
</context>
<context>
    <name>ExitQuestion</name>
    <message>
        <source>You haven&apos;t saved your program!</source>
        <translation>¡No has guardado tu programa!</translation>
    </message>
    <message>
        <source>exit anyway</source>
        <translation>salir igualmente</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancelar</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>MARLO files (*.mlo)</source>
        <translation>Archivos de MARLO (*.mlo)</translation>
    </message>
    <message>
        <source>You haven&apos;t saved your program. Do you want to continue?</source>
        <translation>No has guardado tu programa. ¿Quieres seguir?</translation>
    </message>
    <message>
        <source>marlo files (*.mlo)</source>
        <translation>archivos de marlo (*.mlo)</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>memory clear</source>
        <translation>memoria borrada</translation>
    </message>
    <message>
        <source>forwards</source>
        <translation>adelante</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>atrás</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>pausa</translation>
    </message>
    <message>
        <source>clear memory</source>
        <translation>borrar memoria</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>¡Ya!</translation>
    </message>
</context>
<context>
    <name>LessonEditor</name>
    <message>
        <source>There is no file called %1.</source>
        <translation>No hay ningún archivo llamado %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <source>the start</source>
        <translation>la salida</translation>
    </message>
    <message>
        <source>1 obstacle</source>
        <translation>1 obstáculo</translation>
    </message>
    <message>
        <source>%1 obstacles</source>
        <translation>%1 obstáculos</translation>
    </message>
    <message>
        <source>1 target</source>
        <translation>1 meta</translation>
    </message>
    <message>
        <source>%1 targets</source>
        <translation>%1 metas</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>The smaller grid took away %1 outside it.</source>
        <translation>La cuadrícula más pequeña quitó %1 que quedaba fuera.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, too large for a lesson.</source>
        <translation>El archivo ocupa más de %1 MiB, demasiado para una lección.</translation>
    </message>
    <message>
        <source>The disk did not take the whole file.</source>
        <translation>El disco no admitió el archivo entero.</translation>
    </message>
    <message>
        <source>The picture is larger than %1 MiB, too large for a mat.</source>
        <translation>La imagen ocupa más de %1 MiB, demasiado para un tapete.</translation>
    </message>
    <message>
        <source>This is not a PNG, JPEG or SVG picture.</source>
        <translation>No es una imagen PNG, JPEG ni SVG.</translation>
    </message>
</context>
<context>
    <name>Listing</name>
    <message>
        <source>exit</source>
        <translation>salir</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>program name</source>
        <translation>nombre del programa</translation>
    </message>
    <message>
        <source>my name</source>
        <translation>mi nombre</translation>
    </message>
    <message>
        <source>target</source>
        <translation>meta</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>me</source>
        <translation>yo</translation>
    </message>
    <message>
        <source>my program</source>
        <translation>mi programa</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quiere reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>crashed!!</source>
        <translation>¡¡choque!!</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>¡muy bien!</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>fallado</translation>
    </message>
    <message>
        <source> on %1</source>
        <translation> el %1</translation>
    </message>
    <message>
        <source>  written by </source>
        <translation>  escrito por </translation>
    </message>
    <message>
        <source>%1, written by %2, page %3 of %4</source>
        <translation>%1, escrito por %2, página %3 de %4</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>stopped!</source>
        <translation>¡parado!</translation>
    </message>
    <message>
        <source>program full</source>
        <translation>programa lleno</translation>
    </message>
    <message>
        <source>cancelled!</source>
        <translation>¡cancelado!</translation>
    </message>
    <message>
        <source>not printed</source>
        <translation>no impreso</translation>
    </message>
    <message>
        <source>saved as %1</source>
        <translation>guardado como %1</translation>
    </message>
    <message>
        <source>crashed!</source>
        <translation>¡choque!</translation>
    </message>
    <message>
        <source>running</source>
        <translation>en marcha</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>¡muy bien!</translation>
    </message>
    <message>
        <source>missed!</source>
        <translation>¡fallaste!</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>terminado</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>load</source>
        <translation>abrir</translation>
    </message>
    <message>
        <source>print</source>
        <translation>imprimir</translation>
    </message>
    <message>
        <source>save</source>
        <translation>guardar</translation>
    </message>
</context>
<context>
    <name>a11y</name>
    <message>
        <source>undo</source>
        <translation>deshacer</translation>
    </message>
    <message>
        <source>step</source>
        <translation>paso</translation>
    </message>
    <message>
        <source>Colours of strong contrast, larger listing text and a thicker focus ring.</source>
        <translation>Colores de alto contraste, texto más grande en la lista y un marco de foco más grueso.</translation>
    </message>
    <message>
        <source>Highlights the keypad&apos;s buttons in turn; Space or Enter presses the highlighted one.</source>
        <translation>Resalta por turnos los botones del teclado; Espacio o Intro pulsa el resaltado.</translation>
    </message>
    <message>
        <source>Scanning with two switches: Space moves the highlight, Enter presses.</source>
        <translation>Barrido con dos pulsadores: Espacio mueve el resaltado, Intro pulsa.</translation>
    </message>
    <message>
        <source>How long each button stays highlighted (1.5 seconds).</source>
        <translation>Cuánto tiempo queda resaltado cada botón (1,5 segundos).</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>A keypad button that runs the program one step at a time.</source>
        <translation>Un botón del teclado que ejecuta el programa paso a paso.</translation>
    </message>
    <message>
        <source>--scan-seconds takes a number of seconds from %1 to %2</source>
        <translation>--scan-seconds necesita un número de segundos de %1 a %2</translation>
    </message>
    <message>
        <source>highlighted: %1</source>
        <translation>resaltado: %1</translation>
    </message>
    <message>
        <source>north</source>
        <translation>norte</translation>
    </message>
    <message>
        <source>east</source>
        <translation>este</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>west</source>
        <translation>oeste</translation>
    </message>
    <message>
        <source>robot on column %1, row %2, facing %3</source>
        <translation>robot en la columna %1, fila %2, mirando al %3</translation>
    </message>
    <message>
        <source>; target on column %1, row %2</source>
        <translation>; meta en la columna %1, fila %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, this step</source>
        <translation>%1, este paso</translation>
    </message>
    <message>
        <source>program</source>
        <translation>programa</translation>
    </message>
</context>
<context>
    <name>classview</name>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>too large for a program</source>
        <translation>demasiado grande para un programa</translation>
    </message>
    <message>
        <source>not a MARLO program</source>
        <translation>no es un programa de MARLO</translation>
    </message>
    <message>
        <source>Opens the class view of FOLDER (by default the programs folder) for the teacher.</source>
        <translation>Abre la vista de clase de CARPETA (por defecto la carpeta de programas) para el docente.</translation>
    </message>
</context>
<context>
    <name>classview::ClassList</name>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>Writer</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardado</translation>
    </message>
</context>
<context>
    <name>classview::ClassWindow</name>
    <message>
        <source>MARLO class view</source>
        <translation>Vista de clase de MARLO</translation>
    </message>
    <message>
        <source>Class folder: %1</source>
        <translation>Carpeta de la clase: %1</translation>
    </message>
    <message>
        <source>&amp;Writer:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>&amp;Read again</source>
        <translation>&amp;Leer de nuevo</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>&amp;Open in MARLO</source>
        <translation>&amp;Abrir en MARLO</translation>
    </message>
    <message>
        <source>&amp;Print selected</source>
        <translation>&amp;Imprimir selección</translation>
    </message>
    <message>
        <source>Print &amp;all</source>
        <translation>Imprimir &amp;todos</translation>
    </message>
    <message>
        <source>Every program listed, one a page</source>
        <translation>Cada programa de la lista, uno por página</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;a:</translation>
    </message>
    <message>
        <source>the printer %1</source>
        <translation>la impresora %1</translation>
    </message>
    <message>
        <source>one PDF file</source>
        <translation>un archivo PDF</translation>
    </message>
    <message>
        <source>There is no folder %1.</source>
        <translation>No existe la carpeta %1.</translation>
    </message>
    <message>
        <source>Programs: %1. Writers: %2. Files that are not programs: %3.</source>
        <translation>Programas: %1. Autores: %2. Archivos que no son programas: %3.</translation>
    </message>
    <message>
        <source>all writers</source>
        <translation>todos los autores</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>No programs here.</source>
        <translation>Aquí no hay programas.</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>Opened in MARLO: %1</source>
        <translation>Abierto en MARLO: %1</translation>
    </message>
    <message>
        <source>MARLO could not be started.</source>
        <translation>No se pudo iniciar MARLO.</translation>
    </message>
    <message>
        <source>Nothing to print: no program that can be read is chosen.</source>
        <translation>Nada que imprimir: no hay ningún programa legible elegido.</translation>
    </message>
    <message>
        <source>class %1.pdf</source>
        <translation>clase %1.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Not printed.</source>
        <translation>No impreso.</translation>
    </message>
    <message>
        <source>Saved as %1. Programs: %2, pages: %3.</source>
        <translation>Guardado como %1. Programas: %2, páginas: %3.</translation>
    </message>
    <message>
        <source>Sent to %1. Programs: %2, pages: %3.</source>
        <translation>Enviado a %1. Programas: %2, páginas: %3.</translation>
    </message>
    <message>
        <source>Left out, as they are not programs: %1.</source>
        <translation>Omitidos por no ser programas: %1.</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>folder missing</source>
        <translation>falta la carpeta</translation>
    </message>
</context>
<context>
    <name>lessons</name>
    <message>
        <source>The lesson has no title.</source>
        <translation>La lección no tiene título.</translation>
    </message>
    <message>
        <source>The title is longer than %1 characters.</source>
        <translation>El título tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The title must be one line.</source>
        <translation>El título debe ser una sola línea.</translation>
    </message>
    <message>
        <source>The instruction is longer than %1 characters.</source>
        <translation>La instrucción tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The instruction must be one line.</source>
        <translation>La instrucción debe ser una sola línea.</translation>
    </message>
    <message>
        <source>The grid is %1 x %2 squares; it must have %3 to %4 columns and rows.</source>
        <translation>La cuadrícula es de %1 x %2 casillas; debe tener de %3 a %4 columnas y filas.</translation>
    </message>
    <message>
        <source>The start heading must be north, east, south or west.</source>
        <translation>La dirección de salida debe ser norte, este, sur u oeste.</translation>
    </message>
    <message>
        <source>The lesson has no start square.</source>
        <translation>La lección no tiene casilla de salida.</translation>
    </message>
    <message>
        <source>The start square (column %1, row %2) is outside the grid.</source>
        <translation>La casilla de salida (columna %1, fila %2) está fuera de la cuadrícula.</translation>
    </message>
    <message>
        <source>An obstacle (column %1, row %2) is outside the grid.</source>
        <translation>Un obstáculo (columna %1, fila %2) está fuera de la cuadrícula.</translation>
    </message>
    <message>
        <source>Two obstacles are on one square (column %1, row %2).</source>
        <translation>Hay dos obstáculos en una casilla (columna %1, fila %2).</translation>
    </message>
    <message>
        <source>The start square is on an obstacle.</source>
        <translation>La casilla de salida está sobre un obstáculo.</translation>
    </message>
    <message>
        <source>A target (column %1, row %2) is outside the grid.</source>
        <translation>Una meta (columna %1, fila %2) está fuera de la cuadrícula.</translation>
    </message>
    <message>
        <source>A target (column %1, row %2) is on an obstacle.</source>
        <translation>Una meta (columna %1, fila %2) está sobre un obstáculo.</translation>
    </message>
    <message>
        <source>Two targets are on one square (column %1, row %2).</source>
        <translation>Hay dos metas en una casilla (columna %1, fila %2).</translation>
    </message>
    <message>
        <source>The mat picture is empty.</source>
        <translation>La imagen del tapete está vacía.</translation>
    </message>
    <message>
        <source>The mat picture has no type.</source>
        <translation>La imagen del tapete no tiene tipo.</translation>
    </message>
    <message>
        <source>The mat&apos;s type must be image/png, image/jpeg or image/svg+xml.</source>
        <translation>El tipo del tapete debe ser image/png, image/jpeg o image/svg+xml.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is missing.</source>
        <translation>Falta el campo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be text.</source>
        <translation>El campo &quot;%1&quot; debe ser texto.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a whole number.</source>
        <translation>El campo &quot;%1&quot; debe ser un número entero.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a group of fields in braces { }.</source>
        <translation>El campo &quot;%1&quot; debe ser un grupo de campos entre llaves { }.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a list in brackets [ ].</source>
        <translation>El campo &quot;%1&quot; debe ser una lista entre corchetes [ ].</translation>
    </message>
    <message>
        <source>This is not a MARLO lesson: its &quot;format&quot; is not &quot;marlo-lesson&quot;.</source>
        <translation>No es una lección de MARLO: su &quot;format&quot; no es &quot;marlo-lesson&quot;.</translation>
    </message>
    <message>
        <source>The field &quot;version&quot; must be a version number such as &quot;1.0&quot;.</source>
        <translation>El campo &quot;version&quot; debe ser un número de versión como &quot;1.0&quot;.</translation>
    </message>
    <message>
        <source>This lesson is format version %1 and needs a newer MARLO: this one reads version %2 lessons.</source>
        <translation>Esta lección tiene la versión de formato %1 y necesita un MARLO más nuevo: este lee lecciones de la versión %2.</translation>
    </message>
    <message>
        <source>The field &quot;start.heading&quot; must be north, east, south or west.</source>
        <translation>El campo &quot;start.heading&quot; debe ser north, east, south o west.</translation>
    </message>
    <message>
        <source>The field &quot;mat.data&quot; is not base64.</source>
        <translation>El campo &quot;mat.data&quot; no está en base64.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, too large for a lesson.</source>
        <translation>El archivo ocupa más de %1 MiB, demasiado para una lección.</translation>
    </message>
    <message>
        <source>This is not a lesson file, or it is damaged: %1 at character %2.</source>
        <translation>No es un archivo de lección, o está dañado: %1 en el carácter %2.</translation>
    </message>
    <message>
        <source>The mat picture refers to something outside the lesson file.</source>
        <translation>La imagen del tapete remite a algo fuera del archivo de la lección.</translation>
    </message>
    <message>
        <source>The mat picture holds a picture that is not a readable PNG or JPEG picture.</source>
        <translation>La imagen del tapete contiene una imagen que no es un PNG o JPEG legible.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable SVG picture (%1).</source>
        <translation>La imagen del tapete no es un SVG legible (%1).</translation>
    </message>
    <message>
        <source>The mat picture is not a readable SVG picture.</source>
        <translation>La imagen del tapete no es un SVG legible.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable %1 picture.</source>
        <translation>La imagen del tapete no es una imagen %1 legible.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable PNG picture (it is cut short).</source>
        <translation>La imagen del tapete no es un PNG legible (está cortada).</translation>
    </message>
    <message>
        <source>The mat picture is %1 x %2 pixels, too large: a mat may have at most 4096 x 4096 pixels.</source>
        <translation>La imagen del tapete mide %1 x %2 píxeles, demasiado: un tapete puede tener como mucho 4096 x 4096 píxeles.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable %1 picture (%2).</source>
        <translation>La imagen del tapete no es una imagen %1 legible (%2).</translation>
    </message>
    <message>
        <source>%1: </source>
        <translation>%1: </translation>
    </message>
    <message>
        <source>leave lesson</source>
        <translation>salir de la lección</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>No existe ese archivo.</translation>
    </message>
    <message>
        <source>It is a folder or a device, not a lesson file.</source>
        <translation>Es una carpeta o un dispositivo, no un archivo de lección.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>MARLO cannot open the lesson &quot;%1&quot;.</source>
        <translation>MARLO no puede abrir la lección &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>MARLO lessons (*.marlo-lesson)</source>
        <translation>Lecciones de MARLO (*.marlo-lesson)</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>¡muy bien!</translation>
    </message>
    <message>
        <source>missed!</source>
        <translation>¡fallaste!</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>fallado</translation>
    </message>
</context>
<context>
    <name>lessons::LessonEditor</name>
    <message>
        <source>Open a lesson</source>
        <translation>Abrir una lección</translation>
    </message>
    <message>
        <source>Save the lesson</source>
        <translation>Guardar la lección</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>Choose a mat picture</source>
        <translation>Elegir una imagen de tapete</translation>
    </message>
    <message>
        <source>PNG, JPEG or SVG pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Imágenes PNG, JPEG o SVG (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>MARLO lesson editor</source>
        <translation>Editor de lecciones de MARLO</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this lesson?</source>
        <translation>¿Quiere guardar los cambios de esta lección?</translation>
    </message>
    <message>
        <source>The changes to this lesson cannot be saved yet: %1
Do you want to leave them?</source>
        <translation>Los cambios de esta lección aún no se pueden guardar: %1
¿Quiere descartarlos?</translation>
    </message>
    <message>
        <source>MARLO lessons (*%1)</source>
        <translation>Lecciones de MARLO (*%1)</translation>
    </message>
    <message>
        <source>Click a square to put the robot&apos;s start there. Click the start again to turn the robot.</source>
        <translation>Haga clic en una casilla para poner allí la salida del robot. Vuelva a hacer clic en la salida para girar el robot.</translation>
    </message>
    <message>
        <source>Click a square to put an obstacle there, or to take one away.</source>
        <translation>Haga clic en una casilla para poner un obstáculo o quitarlo.</translation>
    </message>
    <message>
        <source>Click squares in the order the pupils must visit them. Click a target to take it away.</source>
        <translation>Haga clic en las casillas en el orden en que los alumnos deben visitarlas. Haga clic en una meta para quitarla.</translation>
    </message>
    <message>
        <source>The lesson&apos;s grid</source>
        <translation>Cuadrícula de la lección</translation>
    </message>
    <message>
        <source>&amp;Title (up to %1 characters)</source>
        <translation>&amp;Título (hasta %1 caracteres)</translation>
    </message>
    <message>
        <source>&amp;Instruction for the pupils (up to %1 characters)</source>
        <translation>&amp;Instrucción para los alumnos (hasta %1 caracteres)</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation>&amp;Columnas</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Filas</translation>
    </message>
    <message>
        <source>Choose &amp;mat picture…</source>
        <translation>Elegir imagen de &amp;tapete…</translation>
    </message>
    <message>
        <source>A PNG, JPEG or SVG picture, stretched over the whole grid</source>
        <translation>Una imagen PNG, JPEG o SVG, estirada sobre toda la cuadrícula</translation>
    </message>
    <message>
        <source>No mat</source>
        <translation>Sin tapete</translation>
    </message>
    <message>
        <source>Takes the mat picture away</source>
        <translation>Quita la imagen del tapete</translation>
    </message>
    <message>
        <source>What a click on a square puts there</source>
        <translation>Lo que un clic en una casilla pone allí</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Salida</translation>
    </message>
    <message>
        <source>&amp;Obstacle</source>
        <translation>&amp;Obstáculo</translation>
    </message>
    <message>
        <source>T&amp;arget</source>
        <translation>M&amp;eta</translation>
    </message>
    <message>
        <source>The robot starts facing</source>
        <translation>El robot empieza mirando hacia</translation>
    </message>
    <message>
        <source>Facing up (north)</source>
        <translation>Arriba (norte)</translation>
    </message>
    <message>
        <source>Facing right (east)</source>
        <translation>A la derecha (este)</translation>
    </message>
    <message>
        <source>Facing down (south)</source>
        <translation>Abajo (sur)</translation>
    </message>
    <message>
        <source>Facing left (west)</source>
        <translation>A la izquierda (oeste)</translation>
    </message>
    <message>
        <source>Clear the grid</source>
        <translation>Vaciar la cuadrícula</translation>
    </message>
    <message>
        <source>Takes away the start, every obstacle and every target</source>
        <translation>Quita la salida, todos los obstáculos y todas las metas</translation>
    </message>
    <message>
        <source>Take away the start, every obstacle and every target?</source>
        <translation>¿Quitar la salida, todos los obstáculos y todas las metas?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>Try the lesson in MARLO</source>
        <translation>Probar la lección en MARLO</translation>
    </message>
    <message>
        <source>A new lesson: it will be saved as %1.</source>
        <translation>Una lección nueva: se guardará como %1.</translation>
    </message>
    <message>
        <source>This picture cannot be a mat. %1</source>
        <translation>Esta imagen no puede ser un tapete. %1</translation>
    </message>
    <message>
        <source>MARLO cannot open %1. %2</source>
        <translation>MARLO no puede abrir %1. %2</translation>
    </message>
    <message>
        <source>The lesson was not saved, and %1 is as it was. %2</source>
        <translation>La lección no se guardó y %1 sigue como estaba. %2</translation>
    </message>
    <message>
        <source>The lesson was not saved. %1</source>
        <translation>La lección no se guardó. %1</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Guardada como %1.</translation>
    </message>
    <message>
        <source>The lesson cannot be tried: there is no room for it in the temporary folder.</source>
        <translation>No se puede probar la lección: no hay sitio en la carpeta temporal.</translation>
    </message>
    <message>
        <source>MARLO could not be started.</source>
        <translation>No se pudo iniciar MARLO.</translation>
    </message>
    <message>
        <source>MARLO is starting with this lesson in its own windows.</source>
        <translation>MARLO se inicia con esta lección en sus propias ventanas.</translation>
    </message>
    <message>
        <source>Ready: the lesson can be tried and saved.</source>
        <translation>Lista: la lección se puede probar y guardar.</translation>
    </message>
    <message>
        <source>Not ready yet: %1</source>
        <translation>Aún no está lista: %1</translation>
    </message>
    <message>
        <source>Saves the lesson in its file</source>
        <translation>Guarda la lección en su archivo</translation>
    </message>
    <message>
        <source>Saves the lesson in a file you choose</source>
        <translation>Guarda la lección en el archivo que elija</translation>
    </message>
    <message>
        <source>Starts MARLO on this lesson, as a pupil will see it</source>
        <translation>Inicia MARLO con esta lección, tal como la verá un alumno</translation>
    </message>
    <message>
        <source>No mat picture: the grid is plain.</source>
        <translation>Sin imagen de tapete: la cuadrícula es lisa.</translation>
    </message>
    <message>
        <source>Mat: %1 picture, %2 x %3.</source>
        <translation>Tapete: imagen %1, %2 x %3.</translation>
    </message>
    <message>
        <source>%1[*] – MARLO lesson editor</source>
        <translation>%1[*] – Editor de lecciones de MARLO</translation>
    </message>
    <message>
        <source>New lesson</source>
        <translation>Lección nueva</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Prints the settings in force and where each came from.</source>
        <translation>Muestra los ajustes vigentes y de dónde viene cada uno.</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>ni true ni false</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>no es un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>no login name for %u</source>
        <translation>no hay nombre de usuario para %u</translation>
    </message>
    <message>
        <source>no home for ~</source>
        <translation>no hay carpeta personal para ~</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <translation>no es una ruta absoluta</translation>
    </message>
    <message>
        <source>brindle/marlo/programs in the home</source>
        <translation>brindle/marlo/programs en la carpeta personal</translation>
    </message>
    <message>
        <source>as many as fit the screen</source>
        <translation>tantas como quepan en la pantalla</translation>
    </message>
    <message>
        <source>false</source>
        <translation>false</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>false: the writer is &quot;me&quot;</source>
        <translation>false: el autor es &quot;me&quot;</translation>
    </message>
    <message>
        <source>false: the default printer if any</source>
        <translation>false: la impresora predeterminada, si la hay</translation>
    </message>
    <message>
        <source>the desktop&apos;s</source>
        <translation>el del escritorio</translation>
    </message>
    <message>
        <source>not a language such as fr or de_CH</source>
        <translation>no es un idioma como fr o de_CH</translation>
    </message>
    <message>
        <source>1.5</source>
        <translation>1,5</translation>
    </message>
    <message>
        <source>not a number of seconds from %1 to %2</source>
        <translation>no es un número de segundos de %1 a %2</translation>
    </message>
    <message>
        <source>%1 ignored: %2</source>
        <translation>%1 ignorado: %2</translation>
    </message>
    <message>
        <source>not a settings file of at most %1 bytes</source>
        <translation>no es un archivo de ajustes de como mucho %1 bytes</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>not in the settings&apos; format</source>
        <translation>no está en el formato de los ajustes</translation>
    </message>
    <message>
        <source>%1: %2 ignored: no such setting</source>
        <translation>%1: %2 ignorado: no existe ese ajuste</translation>
    </message>
    <message>
        <source>%1: %2=%3 ignored: %4</source>
        <translation>%1: %2=%3 ignorado: %4</translation>
    </message>
    <message>
        <source>[floor] ignored: columns and rows go together</source>
        <translation>[floor] ignorado: columnas y filas van juntas</translation>
    </message>
    <message>
        <source>MARLO&apos;s settings files, each over the one before:</source>
        <translation>Archivos de ajustes de MARLO, cada uno sobre el anterior:</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>read</source>
        <translation>leído</translation>
    </message>
    <message>
        <source>In force:</source>
        <translation>Vigente:</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (predeterminado)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(de %1)</translation>
    </message>
    <message>
        <source>Ignored:</source>
        <translation>Ignorado:</translation>
    </message>
</context>
</TS>
