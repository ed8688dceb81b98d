<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Account</name>
    <message>
        <source>Cleared %1.</source>
        <extracomment>The balls a press cleared, by colour: &quot;Cleared 5 red, 5 green.&quot;</extracomment>
        <translation>Eliminadas: %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>The balls a move or a new game brought: &quot;New balls: red at row 1, column 2; cyan at row 5, column 5.&quot;</extracomment>
        <translation>Bolas nuevas: %1.</translation>
    </message>
    <message>
        <source>New game.</source>
        <extracomment>A press on the smile, before the new game&apos;s balls.</extracomment>
        <translation>Nueva partida.</translation>
    </message>
    <message>
        <source>%1 picked up at %2.</source>
        <extracomment>%1 is a ball (&quot;red ball&quot;), %2 its place.</extracomment>
        <translation>%1 seleccionada en la %2.</translation>
    </message>
    <message>
        <source>%1 to %2.</source>
        <extracomment>A move: %1 is the ball (&quot;red ball&quot;), %2 the place it moved to.</extracomment>
        <translation>%1 movida a la %2.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The score after a press that changed it.</extracomment>
        <translation>Puntuación: %1.</translation>
    </message>
</context>
<context>
    <name>Answers</name>
    <message numerus="yes">
        <source>Score %1. %n free cells. %2</source>
        <extracomment>The answer to I: %1 is the score, %n the free cells, %2 the next colours (&quot;Next: red, orange, yellow.&quot;).</extracomment>
        <translation>
            <numerusform>Puntuación: %1. %n casilla libre. %2</numerusform>
            <numerusform>Puntuación: %1. %n casillas libres. %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1: %2. Column %3: %4. Diagonal down from %5: %6. Diagonal up from %7: %8.</source>
        <extracomment>The answer to X: the row, the column and the two diagonals through the focused cell, each as runs from its first cell. %5 and %7 are places (&quot;row 1, column 3&quot;).</extracomment>
        <translation>Fila %1: %2. Columna %3: %4. Diagonal descendente desde %5: %6. Diagonal ascendente desde %7: %8.</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>empty</source>
        <extracomment>What an empty cell holds: &quot;Row 3, column 5: empty&quot;.</extracomment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>red ball</source>
        <extracomment>What a cell holds: &quot;Row 3, column 5: red ball&quot;. Also starts a sentence: &quot;Red ball to row 3, column 5.&quot;</extracomment>
        <translation>bola roja</translation>
    </message>
    <message>
        <source>orange ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>bola naranja</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>bola amarilla</translation>
    </message>
    <message>
        <source>green ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>bola verde</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>bola cian</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>bola magenta</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>A colour in the list of next balls: &quot;Next: red, orange, yellow.&quot; and &quot;Next ball 2: red&quot;.</extracomment>
        <translation>roja</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>naranja</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>amarilla</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>verde</translation>
    </message>
    <message>
        <source>cyan</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>cian</translation>
    </message>
    <message>
        <source>magenta</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>magenta</translation>
    </message>
    <message numerus="yes">
        <source>%n empty</source>
        <extracomment>A run of empty cells along a line: &quot;Row 3: 2 empty, 2 red, 5 empty.&quot;</extracomment>
        <translation>
            <numerusform>%n vacía</numerusform>
            <numerusform>%n vacías</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n red</source>
        <extracomment>A count of red balls: a run along a line (&quot;Row 3: 2 empty, 2 red.&quot;) or balls cleared (&quot;Cleared 5 red.&quot;).</extracomment>
        <translation>
            <numerusform>%n roja</numerusform>
            <numerusform>%n rojas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n orange</source>
        <extracomment>A count of orange balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n naranja</numerusform>
            <numerusform>%n naranja</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n yellow</source>
        <extracomment>A count of yellow balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n amarilla</numerusform>
            <numerusform>%n amarillas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n green</source>
        <extracomment>A count of green balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n verde</numerusform>
            <numerusform>%n verdes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cyan</source>
        <extracomment>A count of cyan balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n cian</numerusform>
            <numerusform>%n cian</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n magenta</source>
        <extracomment>A count of magenta balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n magenta</numerusform>
            <numerusform>%n magenta</numerusform>
        </translation>
    </message>
    <message>
        <source>red at %1</source>
        <extracomment>A new ball and its place, in &quot;New balls: red at row 2, column 1; ...&quot;. %1 is the place.</extracomment>
        <translation>roja en la %1</translation>
    </message>
    <message>
        <source>orange at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>naranja en la %1</translation>
    </message>
    <message>
        <source>yellow at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>amarilla en la %1</translation>
    </message>
    <message>
        <source>green at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>verde en la %1</translation>
    </message>
    <message>
        <source>cyan at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>cian en la %1</translation>
    </message>
    <message>
        <source>magenta at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>magenta en la %1</translation>
    </message>
    <message numerus="yes">
        <source>Red balls: %1.</source>
        <extracomment>The answer to R: where the red balls are. %1 lists their places: &quot;row 1, column 3; row 4, column 5&quot;. %n is how many there are.</extracomment>
        <translation>
            <numerusform>Bola roja: %1.</numerusform>
            <numerusform>Bolas rojas: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Orange balls: %1.</source>
        <extracomment>The answer to O, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Bola naranja: %1.</numerusform>
            <numerusform>Bolas naranja: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow balls: %1.</source>
        <extracomment>The answer to Y, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Bola amarilla: %1.</numerusform>
            <numerusform>Bolas amarillas: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Green balls: %1.</source>
        <extracomment>The answer to G, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Bola verde: %1.</numerusform>
            <numerusform>Bolas verdes: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cyan balls: %1.</source>
        <extracomment>The answer to C, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Bola cian: %1.</numerusform>
            <numerusform>Bolas cian: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Magenta balls: %1.</source>
        <extracomment>The answer to M, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Bola magenta: %1.</numerusform>
            <numerusform>Bolas magenta: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No red balls.</source>
        <extracomment>The answer to R when the board has no red ball.</extracomment>
        <translation>No hay bolas rojas.</translation>
    </message>
    <message>
        <source>No orange balls.</source>
        <extracomment>The answer to O when the board has no orange ball.</extracomment>
        <translation>No hay bolas naranja.</translation>
    </message>
    <message>
        <source>No yellow balls.</source>
        <extracomment>The answer to Y when the board has no yellow ball.</extracomment>
        <translation>No hay bolas amarillas.</translation>
    </message>
    <message>
        <source>No green balls.</source>
        <extracomment>The answer to G when the board has no green ball.</extracomment>
        <translation>No hay bolas verdes.</translation>
    </message>
    <message>
        <source>No cyan balls.</source>
        <extracomment>The answer to C when the board has no cyan ball.</extracomment>
        <translation>No hay bolas cian.</translation>
    </message>
    <message>
        <source>No magenta balls.</source>
        <extracomment>The answer to M when the board has no magenta ball.</extracomment>
        <translation>No hay bolas magenta.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; was found but cannot be loaded (QT_DEBUG_PLUGINS=1 tells why)</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name.</extracomment>
        <translation>se encontró el complemento de plataforma de Qt «%1», pero no se puede cargar (QT_DEBUG_PLUGINS=1 dice por qué)</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; was found but cannot be loaded: %2</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name, %2 the reason in Qt&apos;s words.</extracomment>
        <translation>se encontró el complemento de plataforma de Qt «%1», pero no se puede cargar: %2</translation>
    </message>
    <message>
        <source>cannot open the display %1 given by -display</source>
        <extracomment>Why the game cannot start; %1 is the display given on the command line.</extracomment>
        <translation>no se puede abrir la pantalla %1 indicada con -display</translation>
    </message>
    <message>
        <source>-platform %1</source>
        <extracomment>Where the name of a missing platform plugin came from: the command line.</extracomment>
        <translation>-platform %1</translation>
    </message>
    <message>
        <source>no Qt platform plugin &quot;%1&quot; (%2): install the Qt Wayland plugin (Debian: qt6-wayland)</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name, %2 where it was asked for (&quot;QT_QPA_PLATFORM=wayland&quot;).</extracomment>
        <translation>no hay complemento de plataforma de Qt «%1» (%2): instala el complemento Wayland de Qt (Debian: qt6-wayland)</translation>
    </message>
    <message>
        <source>no Qt platform plugin &quot;%1&quot; (%2)</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name, %2 where it was asked for.</extracomment>
        <translation>no hay complemento de plataforma de Qt «%1» (%2)</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <extracomment>How a failed start names a variable that is not set; %1 is its name.</extracomment>
        <translation>la variable %1 no está definida</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <extracomment>How a failed start names a variable that is set to nothing; %1 is its name.</extracomment>
        <translation>la variable %1 está vacía</translation>
    </message>
    <message>
        <source>no X11 or Wayland display: DISPLAY and WAYLAND_DISPLAY are unset</source>
        <extracomment>Why the game cannot start; DISPLAY and WAYLAND_DISPLAY are the variables&apos; names.</extracomment>
        <translation>no hay pantalla X11 ni Wayland: las variables DISPLAY y WAYLAND_DISPLAY no están definidas</translation>
    </message>
    <message>
        <source>no X11 or Wayland display (%1, %2)</source>
        <extracomment>Why the game cannot start; %1 and %2 say of each variable that it is not set or empty (&quot;DISPLAY is empty&quot;).</extracomment>
        <translation>no hay pantalla X11 ni Wayland (%1, %2)</translation>
    </message>
    <message>
        <source>cannot open the display (%1, %2)</source>
        <extracomment>Why the game cannot start; %1 and %2 are the variables (&quot;DISPLAY=:1&quot;, &quot;WAYLAND_DISPLAY is not set&quot;).</extracomment>
        <translation>no se puede abrir la pantalla (%1, %2)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start New Game</source>
        <extracomment>The smile&apos;s tooltip and its name for a screen reader.</extracomment>
        <translation>Empezar nueva partida</translation>
    </message>
    <message>
        <source>Click smile to try again</source>
        <extracomment>The end screen&apos;s first line: a click on the smile starts a new game.</extracomment>
        <translation>Pulsa la carita para reintentar</translation>
    </message>
    <message>
        <source>Thank you for playing!</source>
        <extracomment>The end screen&apos;s second line.</extracomment>
        <translation>¡Gracias por jugar!</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Quintet developers</source>
        <extracomment>The end screen&apos;s copyright notice, on at most two lines.</extracomment>
        <translation>Copyright © 2026 los desarrolladores de Quintet</translation>
    </message>
    <message>
        <source>We hope to see you again soon.</source>
        <extracomment>The end screen&apos;s fourth line.</extracomment>
        <translation>Esperamos verte pronto.</translation>
    </message>
    <message>
        <source>The Quintet project</source>
        <extracomment>The end screen&apos;s last line: who made the game.</extracomment>
        <translation>El proyecto Quintet</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>What a screen reader calls the score&apos;s label.</extracomment>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>What a screen reader calls the message&apos;s label and the status bar that holds it.</extracomment>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>The game is over. Score %1.</source>
        <extracomment>What each question key says once the game is over; %1 is the final score.</extracomment>
        <translation>La partida ha terminado. Puntuación: %1.</translation>
    </message>
    <message>
        <source>Nothing to repeat.</source>
        <extracomment>The answer to L before any press has said anything.</extracomment>
        <translation>Nada que repetir.</translation>
    </message>
    <message>
        <source>Symbols shown.</source>
        <extracomment>What S says as the symbols on the balls appear.</extracomment>
        <translation>Símbolos visibles.</translation>
    </message>
    <message>
        <source>Symbols hidden.</source>
        <extracomment>What S says as the symbols on the balls go.</extracomment>
        <translation>Símbolos ocultos.</translation>
    </message>
    <message>
        <source>Row %1.</source>
        <extracomment>Said as the first of two digits is typed: the row, before its column.</extracomment>
        <translation>Fila %1.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bonus!!!</source>
        <extracomment>The message when a press clears several lines, or clears on consecutive moves.</extracomment>
        <translation>¡Bonus!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <extracomment>The message as the board fills up and the game ends.</extracomment>
        <translation>¡Se acabó!</translation>
    </message>
    <message>
        <source>No Way!!!</source>
        <extracomment>The message when no path of free cells leads to the cell clicked.</extracomment>
        <translation>¡Sin camino!</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Board</source>
        <extracomment>The name of the board&apos;s table of 9 by 9 cells.</extracomment>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board&apos;s table, 1 to 9 from the left.</extracomment>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board&apos;s table, 1 to 9 from the top.</extracomment>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell&apos;s place inside a sentence, row first.</extracomment>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <extracomment>A cell&apos;s name: its place, then what it holds (&quot;Row 3, column 5: red ball&quot;).</extracomment>
        <translation>Fila %1, columna %2: %3</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3, selected</source>
        <extracomment>The name of the cell whose ball is picked up: &quot;Row 3, column 5: red ball, selected&quot;.</extracomment>
        <translation>Fila %1, columna %2: %3, seleccionada</translation>
    </message>
    <message>
        <source>Next ball %1: %2</source>
        <extracomment>A box of the next colours, 1 to 3 from the left, and its colour.</extracomment>
        <translation>Siguiente bola %1: %2</translation>
    </message>
    <message>
        <source>Next: %1, %2, %3.</source>
        <extracomment>The colours of the next three balls, left to right.</extracomment>
        <translation>Siguientes: %1, %2, %3.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between counts</comment>
        <extracomment>What stands between the counts of a list: &quot;2 empty, 2 red, 5 empty&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>; </source>
        <comment>between places</comment>
        <extracomment>What stands between the places of a list: &quot;row 1, column 2; row 3, column 4&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <comment>after from</comment>
        <extracomment>The cell a diagonal starts from, in the answer to X (&quot;Diagonal down from row 1, column 3&quot;): for a language that puts a place after &quot;from&quot; in another case.</extracomment>
        <translation>la fila %1, columna %2</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>A puzzle game: line up five balls of one colour to clear them.
Qt&apos;s own options, such as -platform and -display, work too.
The keys and how to play: man quintet</source>
        <extracomment>The text of quintet --help under its first line; &quot;man quintet&quot; is a command.</extracomment>
        <translation>Un juego de lógica: alinea cinco bolas de un mismo color para eliminarlas.
También funcionan las opciones propias de Qt, como -platform y -display.
Las teclas y cómo jugar: man quintet</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>Show a symbol on every ball, which tells its colour.</source>
        <translation>Muestra en cada bola un símbolo que indica su color.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>quintet was given an argument that is not an option; %1 is the argument.</extracomment>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Try quintet --help.</source>
        <extracomment>After the error on the command line; &quot;quintet --help&quot; is a command.</extracomment>
        <translation>Prueba quintet --help.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>LTR for a language written left to right, RTL for one written right to left (Arabic, Hebrew).</extracomment>
        <translation>LTR</translation>
    </message>
</context>
</TS>
