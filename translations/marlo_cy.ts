<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy">
<context>
    <name>CommandLine</name>
    <message>
        <source>Program a floor robot with its keypad and watch it drive.</source>
        <translation>Rhaglenna robot llawr gyda&apos;i fysellau a&apos;i wylio&apos;n gyrru.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Yn dangos y cymorth hwn.</translation>
    </message>
    <message>
        <source>Says aloud each key pressed, each step of a run and how it ended.</source>
        <translation>Yn dweud yn uchel bob botwm a wasgwyd, pob cam o rediad a sut y gorffennodd.</translation>
    </message>
    <message>
        <source>Opens the lesson editor for teachers instead, on the lesson file that follows, if any.</source>
        <translation>Yn agor golygydd gwersi&apos;r athrawon yn lle hynny, ar y ffeil wers sy&apos;n dilyn, os oes un.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>IAITH</translation>
    </message>
    <message>
        <source>See marlo(1) for the keys, where programs and reports are kept,
and what each message means.</source>
        <translation>Gweler marlo(1) am y bysellau, ble mae rhaglenni ac adroddiadau&apos;n cael eu cadw,
a beth mae pob neges yn ei olygu.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;
Try &apos;%1 --help&apos;.</source>
        <translation>%1: ymresymiad annisgwyl &apos;%2&apos;
Rhowch gynnig ar &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Speaks LANGUAGE (cy, de, en, es, fr, pl) instead of the school&apos;s or the desktop&apos;s language.</source>
        <translation>Yn siarad IAITH (cy, de, en, es, fr, pl) yn lle iaith yr ysgol neu&apos;r bwrdd gwaith.</translation>
    </message>
    <message>
        <source>A program (.mlo) or lesson (.marlo-lesson) to open.</source>
        <translation>Rhaglen (.mlo) neu wers (.marlo-lesson) i&apos;w hagor.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[ffeil]</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>pen up</source>
        <translation>pen i fyny</translation>
    </message>
    <message>
        <source>pen down</source>
        <translation>pen i lawr</translation>
    </message>
    <message>
        <source>forwards</source>
        <translation>ymlaen</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>yn ôl</translation>
    </message>
    <message>
        <source>left</source>
        <translation>chwith</translation>
    </message>
    <message>
        <source>right</source>
        <translation>de</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>saib</translation>
    </message>
</context>
<context>
    <name>ExitQuestion</name>
    <message>
        <source>You haven&apos;t saved your program!</source>
        <translation>Dwyt ti ddim wedi cadw dy raglen!</translation>
    </message>
    <message>
        <source>exit anyway</source>
        <translation>gadael beth bynnag</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>canslo</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>MARLO files (*.mlo)</source>
        <translation>Ffeiliau MARLO (*.mlo)</translation>
    </message>
    <message>
        <source>You haven&apos;t saved your program. Do you want to continue?</source>
        <translation>Dwyt ti ddim wedi cadw dy raglen. Wyt ti eisiau mynd ymlaen?</translation>
    </message>
    <message>
        <source>marlo files (*.mlo)</source>
        <translation>ffeiliau marlo (*.mlo)</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>memory clear</source>
        <translation>cof yn wag</translation>
    </message>
    <message>
        <source>forwards</source>
        <translation>ymlaen</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>yn ôl</translation>
    </message>
    <message>
        <source>left</source>
        <translation>chwith</translation>
    </message>
    <message>
        <source>right</source>
        <translation>de</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>saib</translation>
    </message>
    <message>
        <source>clear memory</source>
        <translation>clirio&apos;r cof</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ewch</translation>
    </message>
</context>
<context>
    <name>LessonEditor</name>
    <message>
        <source>There is no file called %1.</source>
        <translation>Does dim ffeil o&apos;r enw %1.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Ni ellir darllen y ffeil: %1.</translation>
    </message>
    <message>
        <source>the start</source>
        <translation>y man cychwyn</translation>
    </message>
    <message>
        <source>1 obstacle</source>
        <translation>1 rhwystr</translation>
    </message>
    <message>
        <source>%1 obstacles</source>
        <translation>%1 rhwystr</translation>
    </message>
    <message>
        <source>1 target</source>
        <translation>1 targed</translation>
    </message>
    <message>
        <source>%1 targets</source>
        <translation>%1 targed</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>The smaller grid took away %1 outside it.</source>
        <translation>Mae&apos;r grid llai wedi tynnu %1 y tu allan iddo.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, too large for a lesson.</source>
        <translation>Mae&apos;r ffeil yn fwy na %1 MiB, yn rhy fawr i wers.</translation>
    </message>
    <message>
        <source>The disk did not take the whole file.</source>
        <translation>Ni chymerodd y ddisg y ffeil gyfan.</translation>
    </message>
    <message>
        <source>The picture is larger than %1 MiB, too large for a mat.</source>
        <translation>Mae&apos;r llun yn fwy na %1 MiB, yn rhy fawr i fat.</translation>
    </message>
    <message>
        <source>This is not a PNG, JPEG or SVG picture.</source>
        <translation>Nid llun PNG, JPEG nac SVG yw hwn.</translation>
    </message>
</context>
<context>
    <name>Listing</name>
    <message>
        <source>exit</source>
        <translation>allan</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>program name</source>
        <translation>enw&apos;r rhaglen</translation>
    </message>
    <message>
        <source>my name</source>
        <translation>fy enw</translation>
    </message>
    <message>
        <source>target</source>
        <translation>targed</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>me</source>
        <translation>fi</translation>
    </message>
    <message>
        <source>my program</source>
        <translation>fy rhaglen</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Mae %1 yn bodoli&apos;n barod.
Wyt ti eisiau rhoi un newydd yn ei le?</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>crashed!!</source>
        <translation>wedi taro!!</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>da iawn!</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>wedi methu</translation>
    </message>
    <message>
        <source> on %1</source>
        <translation> ar %1</translation>
    </message>
    <message>
        <source>  written by </source>
        <translation>  gan </translation>
    </message>
    <message>
        <source>%1, written by %2, page %3 of %4</source>
        <translation>%1, gan %2, tudalen %3 o %4</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>stopped!</source>
        <translation>wedi stopio!</translation>
    </message>
    <message>
        <source>program full</source>
        <translation>rhaglen yn llawn</translation>
    </message>
    <message>
        <source>cancelled!</source>
        <translation>wedi canslo!</translation>
    </message>
    <message>
        <source>not printed</source>
        <translation>heb argraffu</translation>
    </message>
    <message>
        <source>saved as %1</source>
        <translation>wedi cadw fel %1</translation>
    </message>
    <message>
        <source>crashed!</source>
        <translation>wedi taro!</translation>
    </message>
    <message>
        <source>running</source>
        <translation>yn rhedeg</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>da iawn!</translation>
    </message>
    <message>
        <source>missed!</source>
        <translation>wedi methu!</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>wedi gorffen</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>load</source>
        <translation>agor</translation>
    </message>
    <message>
        <source>print</source>
        <translation>argraffu</translation>
    </message>
    <message>
        <source>save</source>
        <translation>cadw</translation>
    </message>
</context>
<context>
    <name>a11y</name>
    <message>
        <source>undo</source>
        <translation>dadwneud</translation>
    </message>
    <message>
        <source>step</source>
        <translation>cam</translation>
    </message>
    <message>
        <source>Colours of strong contrast, larger listing text and a thicker focus ring.</source>
        <translation>Lliwiau o gyferbyniad cryf, testun mwy yn y rhestr a chylch ffocws mwy trwchus.</translation>
    </message>
    <message>
        <source>Highlights the keypad&apos;s buttons in turn; Space or Enter presses the highlighted one.</source>
        <translation>Yn amlygu botymau&apos;r bysellbad yn eu tro; mae Bwlch neu Enter yn gwasgu&apos;r un sydd wedi&apos;i amlygu.</translation>
    </message>
    <message>
        <source>Scanning with two switches: Space moves the highlight, Enter presses.</source>
        <translation>Sganio gyda dau switsh: mae Bwlch yn symud yr amlygu, mae Enter yn gwasgu.</translation>
    </message>
    <message>
        <source>How long each button stays highlighted (1.5 seconds).</source>
        <translation>Am ba hyd mae pob botwm yn aros wedi&apos;i amlygu (1.5 eiliad).</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>eiliadau</translation>
    </message>
    <message>
        <source>A keypad button that runs the program one step at a time.</source>
        <translation>Botwm ar y bysellbad sy&apos;n rhedeg y rhaglen un cam ar y tro.</translation>
    </message>
    <message>
        <source>--scan-seconds takes a number of seconds from %1 to %2</source>
        <translation>mae --scan-seconds yn cymryd nifer o eiliadau o %1 i %2</translation>
    </message>
    <message>
        <source>highlighted: %1</source>
        <translation>wedi&apos;i amlygu: %1</translation>
    </message>
    <message>
        <source>north</source>
        <translation>gogledd</translation>
    </message>
    <message>
        <source>east</source>
        <translation>dwyrain</translation>
    </message>
    <message>
        <source>south</source>
        <translation>de</translation>
    </message>
    <message>
        <source>west</source>
        <translation>gorllewin</translation>
    </message>
    <message>
        <source>robot on column %1, row %2, facing %3</source>
        <translation>robot ar golofn %1, rhes %2, yn wynebu&apos;r %3</translation>
    </message>
    <message>
        <source>; target on column %1, row %2</source>
        <translation>; targed ar golofn %1, rhes %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, this step</source>
        <translation>%1, y cam hwn</translation>
    </message>
    <message>
        <source>program</source>
        <translation>rhaglen</translation>
    </message>
</context>
<context>
    <name>classview</name>
    <message>
        <source>cannot be read</source>
        <translation>ni ellir ei darllen</translation>
    </message>
    <message>
        <source>too large for a program</source>
        <translation>rhy fawr i fod yn rhaglen</translation>
    </message>
    <message>
        <source>not a MARLO program</source>
        <translation>nid rhaglen MARLO</translation>
    </message>
    <message>
        <source>Opens the class view of FOLDER (by default the programs folder) for the teacher.</source>
        <translation>Yn agor golwg dosbarth FFOLDER (ffolder y rhaglenni fel arfer) i&apos;r athro.</translation>
    </message>
</context>
<context>
    <name>classview::ClassList</name>
    <message>
        <source>(no name)</source>
        <translation>(dim enw)</translation>
    </message>
    <message>
        <source>Writer</source>
        <translation>Awdur</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Rhaglen</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Gorchmynion</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Cadwyd</translation>
    </message>
</context>
<context>
    <name>classview::ClassWindow</name>
    <message>
        <source>MARLO class view</source>
        <translation>Golwg dosbarth MARLO</translation>
    </message>
    <message>
        <source>Class folder: %1</source>
        <translation>Ffolder y dosbarth: %1</translation>
    </message>
    <message>
        <source>&amp;Writer:</source>
        <translation>&amp;Awdur:</translation>
    </message>
    <message>
        <source>&amp;Read again</source>
        <translation>&amp;Darllen eto</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Tudalen flaenorol</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Tudalen nesaf</translation>
    </message>
    <message>
        <source>&amp;Open in MARLO</source>
        <translation>&amp;Agor yn MARLO</translation>
    </message>
    <message>
        <source>&amp;Print selected</source>
        <translation>&amp;Argraffu&apos;r rhai a ddewiswyd</translation>
    </message>
    <message>
        <source>Print &amp;all</source>
        <translation>Argraffu&apos;r c&amp;yfan</translation>
    </message>
    <message>
        <source>Every program listed, one a page</source>
        <translation>Pob rhaglen yn y rhestr, un ar bob tudalen</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;i:</translation>
    </message>
    <message>
        <source>the printer %1</source>
        <translation>yr argraffydd %1</translation>
    </message>
    <message>
        <source>one PDF file</source>
        <translation>un ffeil PDF</translation>
    </message>
    <message>
        <source>There is no folder %1.</source>
        <translation>Does dim ffolder %1.</translation>
    </message>
    <message>
        <source>Programs: %1. Writers: %2. Files that are not programs: %3.</source>
        <translation>Rhaglenni: %1. Awduron: %2. Ffeiliau nad ydynt yn rhaglenni: %3.</translation>
    </message>
    <message>
        <source>all writers</source>
        <translation>pob awdur</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(dim enw)</translation>
    </message>
    <message>
        <source>No programs here.</source>
        <translation>Dim rhaglenni yma.</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>tudalen %1 o %2</translation>
    </message>
    <message>
        <source>Opened in MARLO: %1</source>
        <translation>Agorwyd yn MARLO: %1</translation>
    </message>
    <message>
        <source>MARLO could not be started.</source>
        <translation>Methodd MARLO â chychwyn.</translation>
    </message>
    <message>
        <source>Nothing to print: no program that can be read is chosen.</source>
        <translation>Dim i&apos;w argraffu: does dim rhaglen y gellir ei darllen wedi&apos;i dewis.</translation>
    </message>
    <message>
        <source>class %1.pdf</source>
        <translation>dosbarth %1.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Ffeiliau PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Not printed.</source>
        <translation>Heb ei argraffu.</translation>
    </message>
    <message>
        <source>Saved as %1. Programs: %2, pages: %3.</source>
        <translation>Wedi&apos;i gadw fel %1. Rhaglenni: %2, tudalennau: %3.</translation>
    </message>
    <message>
        <source>Sent to %1. Programs: %2, pages: %3.</source>
        <translation>Wedi&apos;i anfon i %1. Rhaglenni: %2, tudalennau: %3.</translation>
    </message>
    <message>
        <source>Left out, as they are not programs: %1.</source>
        <translation>Wedi&apos;u gadael allan, gan nad ydynt yn rhaglenni: %1.</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>folder missing</source>
        <translation>dim ffolder</translation>
    </message>
</context>
<context>
    <name>lessons</name>
    <message>
        <source>The lesson has no title.</source>
        <translation>Does gan y wers ddim teitl.</translation>
    </message>
    <message>
        <source>The title is longer than %1 characters.</source>
        <translation>Mae&apos;r teitl yn hirach na %1 nod.</translation>
    </message>
    <message>
        <source>The title must be one line.</source>
        <translation>Rhaid i&apos;r teitl fod yn un llinell.</translation>
    </message>
    <message>
        <source>The instruction is longer than %1 characters.</source>
        <translation>Mae&apos;r cyfarwyddyd yn hirach na %1 nod.</translation>
    </message>
    <message>
        <source>The instruction must be one line.</source>
        <translation>Rhaid i&apos;r cyfarwyddyd fod yn un llinell.</translation>
    </message>
    <message>
        <source>The grid is %1 x %2 squares; it must have %3 to %4 columns and rows.</source>
        <translation>Mae&apos;r grid yn %1 x %2 sgwâr; rhaid iddo gael %3 i %4 colofn a rhes.</translation>
    </message>
    <message>
        <source>The start heading must be north, east, south or west.</source>
        <translation>Rhaid i&apos;r cyfeiriad cychwyn fod yn ogledd, dwyrain, de neu orllewin.</translation>
    </message>
    <message>
        <source>The lesson has no start square.</source>
        <translation>Does gan y wers ddim sgwâr cychwyn.</translation>
    </message>
    <message>
        <source>The start square (column %1, row %2) is outside the grid.</source>
        <translation>Mae&apos;r sgwâr cychwyn (colofn %1, rhes %2) y tu allan i&apos;r grid.</translation>
    </message>
    <message>
        <source>An obstacle (column %1, row %2) is outside the grid.</source>
        <translation>Mae rhwystr (colofn %1, rhes %2) y tu allan i&apos;r grid.</translation>
    </message>
    <message>
        <source>Two obstacles are on one square (column %1, row %2).</source>
        <translation>Mae dau rwystr ar un sgwâr (colofn %1, rhes %2).</translation>
    </message>
    <message>
        <source>The start square is on an obstacle.</source>
        <translation>Mae&apos;r sgwâr cychwyn ar rwystr.</translation>
    </message>
    <message>
        <source>A target (column %1, row %2) is outside the grid.</source>
        <translation>Mae targed (colofn %1, rhes %2) y tu allan i&apos;r grid.</translation>
    </message>
    <message>
        <source>A target (column %1, row %2) is on an obstacle.</source>
        <translation>Mae targed (colofn %1, rhes %2) ar rwystr.</translation>
    </message>
    <message>
        <source>Two targets are on one square (column %1, row %2).</source>
        <translation>Mae dau darged ar un sgwâr (colofn %1, rhes %2).</translation>
    </message>
    <message>
        <source>The mat picture is empty.</source>
        <translation>Mae llun y mat yn wag.</translation>
    </message>
    <message>
        <source>The mat picture has no type.</source>
        <translation>Does dim math gan lun y mat.</translation>
    </message>
    <message>
        <source>The mat&apos;s type must be image/png, image/jpeg or image/svg+xml.</source>
        <translation>Rhaid i fath y mat fod yn image/png, image/jpeg neu image/svg+xml.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is missing.</source>
        <translation>Mae&apos;r maes &quot;%1&quot; ar goll.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be text.</source>
        <translation>Rhaid i&apos;r maes &quot;%1&quot; fod yn destun.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a whole number.</source>
        <translation>Rhaid i&apos;r maes &quot;%1&quot; fod yn rhif cyfan.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a group of fields in braces { }.</source>
        <translation>Rhaid i&apos;r maes &quot;%1&quot; fod yn grŵp o feysydd mewn cromfachau { }.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a list in brackets [ ].</source>
        <translation>Rhaid i&apos;r maes &quot;%1&quot; fod yn rhestr mewn bachau sgwâr [ ].</translation>
    </message>
    <message>
        <source>This is not a MARLO lesson: its &quot;format&quot; is not &quot;marlo-lesson&quot;.</source>
        <translation>Nid gwers MARLO yw hon: nid &quot;marlo-lesson&quot; yw ei &quot;format&quot;.</translation>
    </message>
    <message>
        <source>The field &quot;version&quot; must be a version number such as &quot;1.0&quot;.</source>
        <translation>Rhaid i&apos;r maes &quot;version&quot; fod yn rhif fersiwn fel &quot;1.0&quot;.</translation>
    </message>
    <message>
        <source>This lesson is format version %1 and needs a newer MARLO: this one reads version %2 lessons.</source>
        <translation>Mae&apos;r wers hon yn fformat fersiwn %1 ac mae angen MARLO mwy newydd: mae hwn yn darllen gwersi fersiwn %2.</translation>
    </message>
    <message>
        <source>The field &quot;start.heading&quot; must be north, east, south or west.</source>
        <translation>Rhaid i&apos;r maes &quot;start.heading&quot; fod yn north, east, south neu west.</translation>
    </message>
    <message>
        <source>The field &quot;mat.data&quot; is not base64.</source>
        <translation>Nid base64 yw&apos;r maes &quot;mat.data&quot;.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB, too large for a lesson.</source>
        <translation>Mae&apos;r ffeil yn fwy na %1 MiB, yn rhy fawr i wers.</translation>
    </message>
    <message>
        <source>This is not a lesson file, or it is damaged: %1 at character %2.</source>
        <translation>Nid ffeil wers yw hon, neu mae wedi&apos;i difrodi: %1 wrth nod %2.</translation>
    </message>
    <message>
        <source>The mat picture refers to something outside the lesson file.</source>
        <translation>Mae llun y mat yn cyfeirio at rywbeth y tu allan i ffeil y wers.</translation>
    </message>
    <message>
        <source>The mat picture holds a picture that is not a readable PNG or JPEG picture.</source>
        <translation>Mae llun y mat yn cynnwys llun nad yw&apos;n PNG neu JPEG darllenadwy.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable SVG picture (%1).</source>
        <translation>Nid yw llun y mat yn llun SVG darllenadwy (%1).</translation>
    </message>
    <message>
        <source>The mat picture is not a readable SVG picture.</source>
        <translation>Nid yw llun y mat yn llun SVG darllenadwy.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable %1 picture.</source>
        <translation>Nid yw llun y mat yn llun %1 darllenadwy.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable PNG picture (it is cut short).</source>
        <translation>Nid yw llun y mat yn llun PNG darllenadwy (mae wedi&apos;i dorri&apos;n fyr).</translation>
    </message>
    <message>
        <source>The mat picture is %1 x %2 pixels, too large: a mat may have at most 4096 x 4096 pixels.</source>
        <translation>Mae llun y mat yn %1 x %2 picsel, yn rhy fawr: gall mat fod hyd at 4096 x 4096 picsel.</translation>
    </message>
    <message>
        <source>The mat picture is not a readable %1 picture (%2).</source>
        <translation>Nid yw llun y mat yn llun %1 darllenadwy (%2).</translation>
    </message>
    <message>
        <source>%1: </source>
        <translation>%1: </translation>
    </message>
    <message>
        <source>leave lesson</source>
        <translation>gadael y wers</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Does dim ffeil o&apos;r fath.</translation>
    </message>
    <message>
        <source>It is a folder or a device, not a lesson file.</source>
        <translation>Ffolder neu ddyfais yw hwn, nid ffeil wers.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Ni ellir darllen y ffeil.</translation>
    </message>
    <message>
        <source>MARLO cannot open the lesson &quot;%1&quot;.</source>
        <translation>Ni all MARLO agor y wers &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>MARLO lessons (*.marlo-lesson)</source>
        <translation>Gwersi MARLO (*.marlo-lesson)</translation>
    </message>
    <message>
        <source>well done!</source>
        <translation>da iawn!</translation>
    </message>
    <message>
        <source>missed!</source>
        <translation>wedi methu!</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>wedi methu</translation>
    </message>
</context>
<context>
    <name>lessons::LessonEditor</name>
    <message>
        <source>Open a lesson</source>
        <translation>Agor gwers</translation>
    </message>
    <message>
        <source>Save the lesson</source>
        <translation>Cadw&apos;r wers</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Mae %1 yn bodoli&apos;n barod.
Ydych chi eisiau rhoi un newydd yn ei le?</translation>
    </message>
    <message>
        <source>Choose a mat picture</source>
        <translation>Dewis llun mat</translation>
    </message>
    <message>
        <source>PNG, JPEG or SVG pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Lluniau PNG, JPEG neu SVG (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>MARLO lesson editor</source>
        <translation>Golygydd gwersi MARLO</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this lesson?</source>
        <translation>Ydych chi eisiau cadw&apos;r newidiadau i&apos;r wers hon?</translation>
    </message>
    <message>
        <source>The changes to this lesson cannot be saved yet: %1
Do you want to leave them?</source>
        <translation>Ni ellir cadw&apos;r newidiadau i&apos;r wers hon eto: %1
Ydych chi eisiau eu gadael?</translation>
    </message>
    <message>
        <source>MARLO lessons (*%1)</source>
        <translation>Gwersi MARLO (*%1)</translation>
    </message>
    <message>
        <source>Click a square to put the robot&apos;s start there. Click the start again to turn the robot.</source>
        <translation>Cliciwch sgwâr i roi man cychwyn y robot yno. Cliciwch y man cychwyn eto i droi&apos;r robot.</translation>
    </message>
    <message>
        <source>Click a square to put an obstacle there, or to take one away.</source>
        <translation>Cliciwch sgwâr i roi rhwystr yno, neu i dynnu un i ffwrdd.</translation>
    </message>
    <message>
        <source>Click squares in the order the pupils must visit them. Click a target to take it away.</source>
        <translation>Cliciwch sgwariau yn y drefn y mae&apos;n rhaid i&apos;r disgyblion ymweld â nhw. Cliciwch darged i&apos;w dynnu i ffwrdd.</translation>
    </message>
    <message>
        <source>The lesson&apos;s grid</source>
        <translation>Grid y wers</translation>
    </message>
    <message>
        <source>&amp;Title (up to %1 characters)</source>
        <translation>&amp;Teitl (hyd at %1 nod)</translation>
    </message>
    <message>
        <source>&amp;Instruction for the pupils (up to %1 characters)</source>
        <translation>&amp;Cyfarwyddyd i&apos;r disgyblion (hyd at %1 nod)</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation>C&amp;olofnau</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Rhesi</translation>
    </message>
    <message>
        <source>Choose &amp;mat picture…</source>
        <translation>Dewis llun &amp;mat…</translation>
    </message>
    <message>
        <source>A PNG, JPEG or SVG picture, stretched over the whole grid</source>
        <translation>Llun PNG, JPEG neu SVG, wedi&apos;i ymestyn dros y grid cyfan</translation>
    </message>
    <message>
        <source>No mat</source>
        <translation>Dim mat</translation>
    </message>
    <message>
        <source>Takes the mat picture away</source>
        <translation>Yn tynnu llun y mat i ffwrdd</translation>
    </message>
    <message>
        <source>What a click on a square puts there</source>
        <translation>Beth mae clic ar sgwâr yn ei roi yno</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Cychwyn</translation>
    </message>
    <message>
        <source>&amp;Obstacle</source>
        <translation>&amp;Rhwystr</translation>
    </message>
    <message>
        <source>T&amp;arget</source>
        <translation>T&amp;arged</translation>
    </message>
    <message>
        <source>The robot starts facing</source>
        <translation>Mae&apos;r robot yn dechrau&apos;n wynebu</translation>
    </message>
    <message>
        <source>Facing up (north)</source>
        <translation>I fyny (gogledd)</translation>
    </message>
    <message>
        <source>Facing right (east)</source>
        <translation>I&apos;r dde (dwyrain)</translation>
    </message>
    <message>
        <source>Facing down (south)</source>
        <translation>I lawr (de)</translation>
    </message>
    <message>
        <source>Facing left (west)</source>
        <translation>I&apos;r chwith (gorllewin)</translation>
    </message>
    <message>
        <source>Clear the grid</source>
        <translation>Clirio&apos;r grid</translation>
    </message>
    <message>
        <source>Takes away the start, every obstacle and every target</source>
        <translation>Yn tynnu&apos;r man cychwyn, pob rhwystr a phob targed i ffwrdd</translation>
    </message>
    <message>
        <source>Take away the start, every obstacle and every target?</source>
        <translation>Tynnu&apos;r man cychwyn, pob rhwystr a phob targed i ffwrdd?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Newydd</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Agor…</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>C&amp;adw</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Cadw &amp;fel…</translation>
    </message>
    <message>
        <source>Try the lesson in MARLO</source>
        <translation>Rhoi cynnig ar y wers yn MARLO</translation>
    </message>
    <message>
        <source>A new lesson: it will be saved as %1.</source>
        <translation>Gwers newydd: bydd yn cael ei chadw fel %1.</translation>
    </message>
    <message>
        <source>This picture cannot be a mat. %1</source>
        <translation>Ni all y llun hwn fod yn fat. %1</translation>
    </message>
    <message>
        <source>MARLO cannot open %1. %2</source>
        <translation>Ni all MARLO agor %1. %2</translation>
    </message>
    <message>
        <source>The lesson was not saved, and %1 is as it was. %2</source>
        <translation>Ni chafodd y wers ei chadw, ac mae %1 fel yr oedd. %2</translation>
    </message>
    <message>
        <source>The lesson was not saved. %1</source>
        <translation>Ni chafodd y wers ei chadw. %1</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Wedi&apos;i chadw fel %1.</translation>
    </message>
    <message>
        <source>The lesson cannot be tried: there is no room for it in the temporary folder.</source>
        <translation>Ni ellir rhoi cynnig ar y wers: does dim lle iddi yn y ffolder dros dro.</translation>
    </message>
    <message>
        <source>MARLO could not be started.</source>
        <translation>Methodd MARLO â chychwyn.</translation>
    </message>
    <message>
        <source>MARLO is starting with this lesson in its own windows.</source>
        <translation>Mae MARLO yn cychwyn gyda&apos;r wers hon yn ei ffenestri ei hun.</translation>
    </message>
    <message>
        <source>Ready: the lesson can be tried and saved.</source>
        <translation>Yn barod: gellir rhoi cynnig ar y wers a&apos;i chadw.</translation>
    </message>
    <message>
        <source>Not ready yet: %1</source>
        <translation>Ddim yn barod eto: %1</translation>
    </message>
    <message>
        <source>Saves the lesson in its file</source>
        <translation>Yn cadw&apos;r wers yn ei ffeil</translation>
    </message>
    <message>
        <source>Saves the lesson in a file you choose</source>
        <translation>Yn cadw&apos;r wers mewn ffeil o&apos;ch dewis</translation>
    </message>
    <message>
        <source>Starts MARLO on this lesson, as a pupil will see it</source>
        <translation>Yn cychwyn MARLO ar y wers hon, fel y bydd disgybl yn ei gweld</translation>
    </message>
    <message>
        <source>No mat picture: the grid is plain.</source>
        <translation>Dim llun mat: mae&apos;r grid yn blaen.</translation>
    </message>
    <message>
        <source>Mat: %1 picture, %2 x %3.</source>
        <translation>Mat: llun %1, %2 x %3.</translation>
    </message>
    <message>
        <source>%1[*] – MARLO lesson editor</source>
        <translation>%1[*] – Golygydd gwersi MARLO</translation>
    </message>
    <message>
        <source>New lesson</source>
        <translation>Gwers newydd</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Prints the settings in force and where each came from.</source>
        <translation>Yn argraffu&apos;r gosodiadau sydd mewn grym ac o ble daeth pob un.</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>nid true na false</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>nid rhif cyfan o %1 i %2</translation>
    </message>
    <message>
        <source>no login name for %u</source>
        <translation>dim enw mewngofnodi ar gyfer %u</translation>
    </message>
    <message>
        <source>no home for ~</source>
        <translation>dim cartref ar gyfer ~</translation>
    </message>
    <message>
        <source>not an absolute path</source>
        <translation>nid llwybr absoliwt</translation>
    </message>
    <message>
        <source>brindle/marlo/programs in the home</source>
        <translation>brindle/marlo/programs yn y cartref</translation>
    </message>
    <message>
        <source>as many as fit the screen</source>
        <translation>cymaint ag sy&apos;n ffitio&apos;r sgrin</translation>
    </message>
    <message>
        <source>false</source>
        <translation>false</translation>
    </message>
    <message>
        <source>none</source>
        <translation>dim</translation>
    </message>
    <message>
        <source>false: the writer is &quot;me&quot;</source>
        <translation>false: yr awdur yw &quot;me&quot;</translation>
    </message>
    <message>
        <source>false: the default printer if any</source>
        <translation>false: yr argraffydd arferol os oes un</translation>
    </message>
    <message>
        <source>the desktop&apos;s</source>
        <translation>iaith y bwrdd gwaith</translation>
    </message>
    <message>
        <source>not a language such as fr or de_CH</source>
        <translation>nid iaith fel fr neu de_CH</translation>
    </message>
    <message>
        <source>1.5</source>
        <translation>1.5</translation>
    </message>
    <message>
        <source>not a number of seconds from %1 to %2</source>
        <translation>nid nifer o eiliadau o %1 i %2</translation>
    </message>
    <message>
        <source>%1 ignored: %2</source>
        <translation>%1 wedi&apos;i anwybyddu: %2</translation>
    </message>
    <message>
        <source>not a settings file of at most %1 bytes</source>
        <translation>nid ffeil gosodiadau o %1 beit ar y mwyaf</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ni ellir ei darllen</translation>
    </message>
    <message>
        <source>not in the settings&apos; format</source>
        <translation>nid yn fformat y gosodiadau</translation>
    </message>
    <message>
        <source>%1: %2 ignored: no such setting</source>
        <translation>%1: %2 wedi&apos;i anwybyddu: does dim gosodiad o&apos;r fath</translation>
    </message>
    <message>
        <source>%1: %2=%3 ignored: %4</source>
        <translation>%1: %2=%3 wedi&apos;i anwybyddu: %4</translation>
    </message>
    <message>
        <source>[floor] ignored: columns and rows go together</source>
        <translation>[floor] wedi&apos;i anwybyddu: mae colofnau a rhesi&apos;n mynd gyda&apos;i gilydd</translation>
    </message>
    <message>
        <source>MARLO&apos;s settings files, each over the one before:</source>
        <translation>Ffeiliau gosodiadau MARLO, pob un dros yr un o&apos;i blaen:</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>ddim yno</translation>
    </message>
    <message>
        <source>read</source>
        <translation>wedi&apos;i darllen</translation>
    </message>
    <message>
        <source>In force:</source>
        <translation>Mewn grym:</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (rhagosodiad)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(o %1)</translation>
    </message>
    <message>
        <source>Ignored:</source>
        <translation>Wedi&apos;u hanwybyddu:</translation>
    </message>
</context>
</TS>
