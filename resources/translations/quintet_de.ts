<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Account</name>
    <message>
        <source>Cleared %1.</source>
        <extracomment>The balls a press cleared, by colour: &quot;Cleared 5 red, 5 green.&quot;</extracomment>
        <translation>Abgeräumt: %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>The balls a move or a new game brought: &quot;New balls: red at row 1, column 2; cyan at row 5, column 5.&quot;</extracomment>
        <translation>Neue Kugeln: %1.</translation>
    </message>
    <message>
        <source>New game.</source>
        <extracomment>A press on the smile, before the new game&apos;s balls.</extracomment>
        <translation>Neues Spiel.</translation>
    </message>
    <message>
        <source>%1 picked up at %2.</source>
        <extracomment>%1 is a ball (&quot;red ball&quot;), %2 its place.</extracomment>
        <translation>%1 in %2 aufgenommen.</translation>
    </message>
    <message>
        <source>%1 to %2.</source>
        <extracomment>A move: %1 is the ball (&quot;red ball&quot;), %2 the place it moved to.</extracomment>
        <translation>%1 nach %2.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The score after a press that changed it.</extracomment>
        <translation>Punkte: %1.</translation>
    </message>
</context>
<context>
    <name>Answers</name>
    <message numerus="yes">
        <source>Score %1. %n free cells. %2</source>
        <extracomment>The answer to I: %1 is the score, %n the free cells, %2 the next colours (&quot;Next: red, orange, yellow.&quot;).</extracomment>
        <translation>
            <numerusform>Punkte: %1. %n freies Feld. %2</numerusform>
            <numerusform>Punkte: %1. %n freie Felder. %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1: %2. Column %3: %4. Diagonal down from %5: %6. Diagonal up from %7: %8.</source>
        <extracomment>The answer to X: the row, the column and the two diagonals through the focused cell, each as runs from its first cell. %5 and %7 are places (&quot;row 1, column 3&quot;).</extracomment>
        <translation>Zeile %1: %2. Spalte %3: %4. Diagonale abwärts ab %5: %6. Diagonale aufwärts ab %7: %8.</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>empty</source>
        <extracomment>What an empty cell holds: &quot;Row 3, column 5: empty&quot;.</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>red ball</source>
        <extracomment>What a cell holds: &quot;Row 3, column 5: red ball&quot;. Also starts a sentence: &quot;Red ball to row 3, column 5.&quot;</extracomment>
        <translation>rote Kugel</translation>
    </message>
    <message>
        <source>orange ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>orangefarbene Kugel</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>gelbe Kugel</translation>
    </message>
    <message>
        <source>green ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>grüne Kugel</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>cyanfarbene Kugel</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>magentafarbene Kugel</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>A colour in the list of next balls: &quot;Next: red, orange, yellow.&quot; and &quot;Next ball 2: red&quot;.</extracomment>
        <translation>rot</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>gelb</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>grün</translation>
    </message>
    <message>
        <source>cyan</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>cyan</translation>
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
            <numerusform>%n leeres Feld</numerusform>
            <numerusform>%n leere Felder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n red</source>
        <extracomment>A count of red balls: a run along a line (&quot;Row 3: 2 empty, 2 red.&quot;) or balls cleared (&quot;Cleared 5 red.&quot;).</extracomment>
        <translation>
            <numerusform>%n rote</numerusform>
            <numerusform>%n rote</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n orange</source>
        <extracomment>A count of orange balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n orangefarbene</numerusform>
            <numerusform>%n orangefarbene</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n yellow</source>
        <extracomment>A count of yellow balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n gelbe</numerusform>
            <numerusform>%n gelbe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n green</source>
        <extracomment>A count of green balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n grüne</numerusform>
            <numerusform>%n grüne</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cyan</source>
        <extracomment>A count of cyan balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n cyanfarbene</numerusform>
            <numerusform>%n cyanfarbene</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n magenta</source>
        <extracomment>A count of magenta balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n magentafarbene</numerusform>
            <numerusform>%n magentafarbene</numerusform>
        </translation>
    </message>
    <message>
        <source>red at %1</source>
        <extracomment>A new ball and its place, in &quot;New balls: red at row 2, column 1; ...&quot;. %1 is the place.</extracomment>
        <translation>rot in %1</translation>
    </message>
    <message>
        <source>orange at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>orange in %1</translation>
    </message>
    <message>
        <source>yellow at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>gelb in %1</translation>
    </message>
    <message>
        <source>green at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>grün in %1</translation>
    </message>
    <message>
        <source>cyan at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>cyan in %1</translation>
    </message>
    <message>
        <source>magenta at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>magenta in %1</translation>
    </message>
    <message numerus="yes">
        <source>Red balls: %1.</source>
        <extracomment>The answer to R: where the red balls are. %1 lists their places: &quot;row 1, column 3; row 4, column 5&quot;. %n is how many there are.</extracomment>
        <translation>
            <numerusform>Rote Kugel: %1.</numerusform>
            <numerusform>Rote Kugeln: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Orange balls: %1.</source>
        <extracomment>The answer to O, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Orangefarbene Kugel: %1.</numerusform>
            <numerusform>Orangefarbene Kugeln: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow balls: %1.</source>
        <extracomment>The answer to Y, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Gelbe Kugel: %1.</numerusform>
            <numerusform>Gelbe Kugeln: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Green balls: %1.</source>
        <extracomment>The answer to G, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Grüne Kugel: %1.</numerusform>
            <numerusform>Grüne Kugeln: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cyan balls: %1.</source>
        <extracomment>The answer to C, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Cyanfarbene Kugel: %1.</numerusform>
            <numerusform>Cyanfarbene Kugeln: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Magenta balls: %1.</source>
        <extracomment>The answer to M, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Magentafarbene Kugel: %1.</numerusform>
            <numerusform>Magentafarbene Kugeln: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No red balls.</source>
        <extracomment>The answer to R when the board has no red ball.</extracomment>
        <translation>Keine roten Kugeln.</translation>
    </message>
    <message>
        <source>No orange balls.</source>
        <extracomment>The answer to O when the board has no orange ball.</extracomment>
        <translation>Keine orangefarbenen Kugeln.</translation>
    </message>
    <message>
        <source>No yellow balls.</source>
        <extracomment>The answer to Y when the board has no yellow ball.</extracomment>
        <translation>Keine gelben Kugeln.</translation>
    </message>
    <message>
        <source>No green balls.</source>
        <extracomment>The answer to G when the board has no green ball.</extracomment>
        <translation>Keine grünen Kugeln.</translation>
    </message>
    <message>
        <source>No cyan balls.</source>
        <extracomment>The answer to C when the board has no cyan ball.</extracomment>
        <translation>Keine cyanfarbenen Kugeln.</translation>
    </message>
    <message>
        <source>No magenta balls.</source>
        <extracomment>The answer to M when the board has no magenta ball.</extracomment>
        <translation>Keine magentafarbenen Kugeln.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; was found but cannot be loaded (QT_DEBUG_PLUGINS=1 tells why)</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name.</extracomment>
        <translation>das Qt-Plattform-Plugin „%1“ wurde gefunden, lässt sich aber nicht laden (QT_DEBUG_PLUGINS=1 zeigt, warum)</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; was found but cannot be loaded: %2</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name, %2 the reason in Qt&apos;s words.</extracomment>
        <translation>das Qt-Plattform-Plugin „%1“ wurde gefunden, lässt sich aber nicht laden: %2</translation>
    </message>
    <message>
        <source>cannot open the display %1 given by -display</source>
        <extracomment>Why the game cannot start; %1 is the display given on the command line.</extracomment>
        <translation>das mit -display angegebene Display %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>-platform %1</source>
        <extracomment>Where the name of a missing platform plugin came from: the command line.</extracomment>
        <translation>-platform %1</translation>
    </message>
    <message>
        <source>no Qt platform plugin &quot;%1&quot; (%2): install the Qt Wayland plugin (Debian: qt6-wayland)</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name, %2 where it was asked for (&quot;QT_QPA_PLATFORM=wayland&quot;).</extracomment>
        <translation>kein Qt-Plattform-Plugin „%1“ (%2): bitte das Qt-Wayland-Plugin installieren (Debian: qt6-wayland)</translation>
    </message>
    <message>
        <source>no Qt platform plugin &quot;%1&quot; (%2)</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name, %2 where it was asked for.</extracomment>
        <translation>kein Qt-Plattform-Plugin „%1“ (%2)</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <extracomment>How a failed start names a variable that is not set; %1 is its name.</extracomment>
        <translation>%1 ist nicht gesetzt</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <extracomment>How a failed start names a variable that is set to nothing; %1 is its name.</extracomment>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>no X11 or Wayland display: DISPLAY and WAYLAND_DISPLAY are unset</source>
        <extracomment>Why the game cannot start; DISPLAY and WAYLAND_DISPLAY are the variables&apos; names.</extracomment>
        <translation>kein X11- oder Wayland-Display: DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt</translation>
    </message>
    <message>
        <source>no X11 or Wayland display (%1, %2)</source>
        <extracomment>Why the game cannot start; %1 and %2 say of each variable that it is not set or empty (&quot;DISPLAY is empty&quot;).</extracomment>
        <translation>kein X11- oder Wayland-Display (%1, %2)</translation>
    </message>
    <message>
        <source>cannot open the display (%1, %2)</source>
        <extracomment>Why the game cannot start; %1 and %2 are the variables (&quot;DISPLAY=:1&quot;, &quot;WAYLAND_DISPLAY is not set&quot;).</extracomment>
        <translation>das Display lässt sich nicht öffnen (%1, %2)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start New Game</source>
        <extracomment>The smile&apos;s tooltip and its name for a screen reader.</extracomment>
        <translation>Neues Spiel starten</translation>
    </message>
    <message>
        <source>Click smile to try again</source>
        <extracomment>The end screen&apos;s first line: a click on the smile starts a new game.</extracomment>
        <translation>Zum Neustart Smiley anklicken</translation>
    </message>
    <message>
        <source>Thank you for playing!</source>
        <extracomment>The end screen&apos;s second line.</extracomment>
        <translation>Danke fürs Spielen!</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Quintet developers</source>
        <extracomment>The end screen&apos;s copyright notice, on at most two lines.</extracomment>
        <translation>Copyright © 2026 die Quintet-Entwickler</translation>
    </message>
    <message>
        <source>We hope to see you again soon.</source>
        <extracomment>The end screen&apos;s fourth line.</extracomment>
        <translation>Auf ein baldiges Wiedersehen!</translation>
    </message>
    <message>
        <source>The Quintet project</source>
        <extracomment>The end screen&apos;s last line: who made the game.</extracomment>
        <translation>Das Quintet-Projekt</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>What a screen reader calls the score&apos;s label.</extracomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>What a screen reader calls the message&apos;s label and the status bar that holds it.</extracomment>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>The game is over. Score %1.</source>
        <extracomment>What each question key says once the game is over; %1 is the final score.</extracomment>
        <translation>Das Spiel ist vorbei. Punkte: %1.</translation>
    </message>
    <message>
        <source>Nothing to repeat.</source>
        <extracomment>The answer to L before any press has said anything.</extracomment>
        <translation>Nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>Symbols shown.</source>
        <extracomment>What S says as the symbols on the balls appear.</extracomment>
        <translation>Symbole eingeblendet.</translation>
    </message>
    <message>
        <source>Symbols hidden.</source>
        <extracomment>What S says as the symbols on the balls go.</extracomment>
        <translation>Symbole ausgeblendet.</translation>
    </message>
    <message>
        <source>Row %1.</source>
        <extracomment>Said as the first of two digits is typed: the row, before its column.</extracomment>
        <translation>Zeile %1.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bonus!!!</source>
        <extracomment>The message when a press clears several lines, or clears on consecutive moves.</extracomment>
        <translation>Bonus!!!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <extracomment>The message as the board fills up and the game ends.</extracomment>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>No Way!!!</source>
        <extracomment>The message when no path of free cells leads to the cell clicked.</extracomment>
        <translation>Kein Weg!!!</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Board</source>
        <extracomment>The name of the board&apos;s table of 9 by 9 cells.</extracomment>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board&apos;s table, 1 to 9 from the left.</extracomment>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board&apos;s table, 1 to 9 from the top.</extracomment>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell&apos;s place inside a sentence, row first.</extracomment>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <extracomment>A cell&apos;s name: its place, then what it holds (&quot;Row 3, column 5: red ball&quot;).</extracomment>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3, selected</source>
        <extracomment>The name of the cell whose ball is picked up: &quot;Row 3, column 5: red ball, selected&quot;.</extracomment>
        <translation>Zeile %1, Spalte %2: %3, ausgewählt</translation>
    </message>
    <message>
        <source>Next ball %1: %2</source>
        <extracomment>A box of the next colours, 1 to 3 from the left, and its colour.</extracomment>
        <translation>Nächste Kugel %1: %2</translation>
    </message>
    <message>
        <source>Next: %1, %2, %3.</source>
        <extracomment>The colours of the next three balls, left to right.</extracomment>
        <translation>Als Nächstes: %1, %2, %3.</translation>
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
        <translation>Zeile %1, Spalte %2</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>A puzzle game: line up five balls of one colour to clear them.
Qt&apos;s own options, such as -platform and -display, work too.
The keys and how to play: man quintet</source>
        <extracomment>The text of quintet --help under its first line; &quot;man quintet&quot; is a command.</extracomment>
        <translation>Ein Denkspiel: fünf Kugeln einer Farbe in eine Reihe bringen, um sie abzuräumen.
Auch die Qt-eigenen Optionen wie -platform und -display funktionieren.
Die Tasten und die Spielregeln: man quintet</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>Show a symbol on every ball, which tells its colour.</source>
        <translation>Auf jeder Kugel ein Symbol zeigen, das ihre Farbe angibt.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>quintet was given an argument that is not an option; %1 is the argument.</extracomment>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try quintet --help.</source>
        <extracomment>After the error on the command line; &quot;quintet --help&quot; is a command.</extracomment>
        <translation>Mehr dazu: quintet --help.</translation>
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
