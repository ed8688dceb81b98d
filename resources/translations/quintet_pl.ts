<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Account</name>
    <message>
        <source>Cleared %1.</source>
        <extracomment>The balls a press cleared, by colour: &quot;Cleared 5 red, 5 green.&quot;</extracomment>
        <translation>Usunięto: %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>The balls a move or a new game brought: &quot;New balls: red at row 1, column 2; cyan at row 5, column 5.&quot;</extracomment>
        <translation>Nowe kule: %1.</translation>
    </message>
    <message>
        <source>New game.</source>
        <extracomment>A press on the smile, before the new game&apos;s balls.</extracomment>
        <translation>Nowa gra.</translation>
    </message>
    <message>
        <source>%1 picked up at %2.</source>
        <extracomment>%1 is a ball (&quot;red ball&quot;), %2 its place.</extracomment>
        <translation>%1 podniesiona: %2.</translation>
    </message>
    <message>
        <source>%1 to %2.</source>
        <extracomment>A move: %1 is the ball (&quot;red ball&quot;), %2 the place it moved to.</extracomment>
        <translation>%1 przesunięta na pole: %2.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The score after a press that changed it.</extracomment>
        <translation>Wynik: %1.</translation>
    </message>
</context>
<context>
    <name>Answers</name>
    <message>
        <source>Row %1: %2. Column %3: %4. Diagonal down from %5: %6. Diagonal up from %7: %8.</source>
        <extracomment>The answer to X: the row, the column and the two diagonals through the focused cell, each as runs from its first cell. %5 and %7 are places (&quot;row 1, column 3&quot;).</extracomment>
        <translation>Wiersz %1: %2. Kolumna %3: %4. Przekątna w dół od %5: %6. Przekątna w górę od %7: %8.</translation>
    </message>
    <message numerus="yes">
        <source>Score %1. %n free cells. %2</source>
        <extracomment>The answer to I: %1 is the score, %n the free cells, %2 the next colours (&quot;Next: red, orange, yellow.&quot;).</extracomment>
        <translation>
            <numerusform>Wynik: %1. %n wolne pole. %2</numerusform>
            <numerusform>Wynik: %1. %n wolne pola. %2</numerusform>
            <numerusform>Wynik: %1. %n wolnych pól. %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>empty</source>
        <extracomment>What an empty cell holds: &quot;Row 3, column 5: empty&quot;.</extracomment>
        <translation>puste</translation>
    </message>
    <message>
        <source>red ball</source>
        <extracomment>What a cell holds: &quot;Row 3, column 5: red ball&quot;. Also starts a sentence: &quot;Red ball to row 3, column 5.&quot;</extracomment>
        <translation>czerwona kula</translation>
    </message>
    <message>
        <source>orange ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>pomarańczowa kula</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>żółta kula</translation>
    </message>
    <message>
        <source>green ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>zielona kula</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>błękitna kula</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>purpurowa kula</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>A colour in the list of next balls: &quot;Next: red, orange, yellow.&quot; and &quot;Next ball 2: red&quot;.</extracomment>
        <translation>czerwona</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>pomarańczowa</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>żółta</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>zielona</translation>
    </message>
    <message>
        <source>cyan</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>błękitna</translation>
    </message>
    <message>
        <source>magenta</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>purpurowa</translation>
    </message>
    <message numerus="yes">
        <source>%n empty</source>
        <extracomment>A run of empty cells along a line: &quot;Row 3: 2 empty, 2 red, 5 empty.&quot;</extracomment>
        <translation>
            <numerusform>%n puste pole</numerusform>
            <numerusform>%n puste pola</numerusform>
            <numerusform>%n pustych pól</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n red</source>
        <extracomment>A count of red balls: a run along a line (&quot;Row 3: 2 empty, 2 red.&quot;) or balls cleared (&quot;Cleared 5 red.&quot;).</extracomment>
        <translation>
            <numerusform>%n czerwona kula</numerusform>
            <numerusform>%n czerwone kule</numerusform>
            <numerusform>%n czerwonych kul</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n orange</source>
        <extracomment>A count of orange balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n pomarańczowa kula</numerusform>
            <numerusform>%n pomarańczowe kule</numerusform>
            <numerusform>%n pomarańczowych kul</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n yellow</source>
        <extracomment>A count of yellow balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n żółta kula</numerusform>
            <numerusform>%n żółte kule</numerusform>
            <numerusform>%n żółtych kul</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n green</source>
        <extracomment>A count of green balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n zielona kula</numerusform>
            <numerusform>%n zielone kule</numerusform>
            <numerusform>%n zielonych kul</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cyan</source>
        <extracomment>A count of cyan balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n błękitna kula</numerusform>
            <numerusform>%n błękitne kule</numerusform>
            <numerusform>%n błękitnych kul</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n magenta</source>
        <extracomment>A count of magenta balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n purpurowa kula</numerusform>
            <numerusform>%n purpurowe kule</numerusform>
            <numerusform>%n purpurowych kul</numerusform>
        </translation>
    </message>
    <message>
        <source>red at %1</source>
        <extracomment>A new ball and its place, in &quot;New balls: red at row 2, column 1; ...&quot;. %1 is the place.</extracomment>
        <translation>czerwona – %1</translation>
    </message>
    <message>
        <source>orange at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>pomarańczowa – %1</translation>
    </message>
    <message>
        <source>yellow at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>żółta – %1</translation>
    </message>
    <message>
        <source>green at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>zielona – %1</translation>
    </message>
    <message>
        <source>cyan at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>błękitna – %1</translation>
    </message>
    <message>
        <source>magenta at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>purpurowa – %1</translation>
    </message>
    <message numerus="yes">
        <source>Red balls: %1.</source>
        <extracomment>The answer to R: where the red balls are. %1 lists their places: &quot;row 1, column 3; row 4, column 5&quot;. %n is how many there are.</extracomment>
        <translation>
            <numerusform>Czerwona kula: %1.</numerusform>
            <numerusform>Czerwone kule: %1.</numerusform>
            <numerusform>Czerwone kule: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Orange balls: %1.</source>
        <extracomment>The answer to O, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Pomarańczowa kula: %1.</numerusform>
            <numerusform>Pomarańczowe kule: %1.</numerusform>
            <numerusform>Pomarańczowe kule: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow balls: %1.</source>
        <extracomment>The answer to Y, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Żółta kula: %1.</numerusform>
            <numerusform>Żółte kule: %1.</numerusform>
            <numerusform>Żółte kule: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Green balls: %1.</source>
        <extracomment>The answer to G, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Zielona kula: %1.</numerusform>
            <numerusform>Zielone kule: %1.</numerusform>
            <numerusform>Zielone kule: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cyan balls: %1.</source>
        <extracomment>The answer to C, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Błękitna kula: %1.</numerusform>
            <numerusform>Błękitne kule: %1.</numerusform>
            <numerusform>Błękitne kule: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Magenta balls: %1.</source>
        <extracomment>The answer to M, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Purpurowa kula: %1.</numerusform>
            <numerusform>Purpurowe kule: %1.</numerusform>
            <numerusform>Purpurowe kule: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No red balls.</source>
        <extracomment>The answer to R when the board has no red ball.</extracomment>
        <translation>Brak czerwonych kul.</translation>
    </message>
    <message>
        <source>No orange balls.</source>
        <extracomment>The answer to O when the board has no orange ball.</extracomment>
        <translation>Brak pomarańczowych kul.</translation>
    </message>
    <message>
        <source>No yellow balls.</source>
        <extracomment>The answer to Y when the board has no yellow ball.</extracomment>
        <translation>Brak żółtych kul.</translation>
    </message>
    <message>
        <source>No green balls.</source>
        <extracomment>The answer to G when the board has no green ball.</extracomment>
        <translation>Brak zielonych kul.</translation>
    </message>
    <message>
        <source>No cyan balls.</source>
        <extracomment>The answer to C when the board has no cyan ball.</extracomment>
        <translation>Brak błękitnych kul.</translation>
    </message>
    <message>
        <source>No magenta balls.</source>
        <extracomment>The answer to M when the board has no magenta ball.</extracomment>
        <translation>Brak purpurowych kul.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>%1 is not set</source>
        <extracomment>How a failed start names a variable that is not set; %1 is its name.</extracomment>
        <translation>zmienna %1 nie jest ustawiona</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <extracomment>How a failed start names a variable that is set to nothing; %1 is its name.</extracomment>
        <translation>zmienna %1 jest pusta</translation>
    </message>
    <message>
        <source>cannot open the display %1 given by -display</source>
        <extracomment>Why the game cannot start; %1 is the display given on the command line.</extracomment>
        <translation>nie można otworzyć ekranu %1 podanego w opcji -display</translation>
    </message>
    <message>
        <source>no X11 or Wayland display: DISPLAY and WAYLAND_DISPLAY are unset</source>
        <extracomment>Why the game cannot start; DISPLAY and WAYLAND_DISPLAY are the variables&apos; names.</extracomment>
        <translation>brak ekranu X11 ani Wayland: zmienne DISPLAY i WAYLAND_DISPLAY nie są ustawione</translation>
    </message>
    <message>
        <source>no X11 or Wayland display (%1, %2)</source>
        <extracomment>Why the game cannot start; %1 and %2 say of each variable that it is not set or empty (&quot;DISPLAY is empty&quot;).</extracomment>
        <translation>brak ekranu X11 ani Wayland (%1, %2)</translation>
    </message>
    <message>
        <source>cannot open the display (%1, %2)</source>
        <extracomment>Why the game cannot start; %1 and %2 are the variables (&quot;DISPLAY=:1&quot;, &quot;WAYLAND_DISPLAY is not set&quot;).</extracomment>
        <translation>nie można otworzyć ekranu (%1, %2)</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; was found but cannot be loaded (QT_DEBUG_PLUGINS=1 tells why)</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name.</extracomment>
        <translation>wtyczka platformy Qt „%1” została znaleziona, ale nie można jej wczytać (przyczynę pokaże QT_DEBUG_PLUGINS=1)</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; was found but cannot be loaded: %2</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name, %2 the reason in Qt&apos;s words.</extracomment>
        <translation>wtyczka platformy Qt „%1” została znaleziona, ale nie można jej wczytać: %2</translation>
    </message>
    <message>
        <source>-platform %1</source>
        <extracomment>Where the name of a missing platform plugin came from: the command line.</extracomment>
        <translation>-platform %1</translation>
    </message>
    <message>
        <source>no Qt platform plugin &quot;%1&quot; (%2): install the Qt Wayland plugin (Debian: qt6-wayland)</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name, %2 where it was asked for (&quot;QT_QPA_PLATFORM=wayland&quot;).</extracomment>
        <translation>brak wtyczki platformy Qt „%1” (%2): zainstaluj wtyczkę Qt dla Waylanda (Debian: qt6-wayland)</translation>
    </message>
    <message>
        <source>no Qt platform plugin &quot;%1&quot; (%2)</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name, %2 where it was asked for.</extracomment>
        <translation>brak wtyczki platformy Qt „%1” (%2)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start New Game</source>
        <extracomment>The smile&apos;s tooltip and its name for a screen reader.</extracomment>
        <translation>Zacznij nową grę</translation>
    </message>
    <message>
        <source>Click smile to try again</source>
        <extracomment>The end screen&apos;s first line: a click on the smile starts a new game.</extracomment>
        <translation>Kliknij buźkę i zagraj znowu</translation>
    </message>
    <message>
        <source>Thank you for playing!</source>
        <extracomment>The end screen&apos;s second line.</extracomment>
        <translation>Dziękujemy za grę!</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Quintet developers</source>
        <extracomment>The end screen&apos;s copyright notice, on at most two lines.</extracomment>
        <translation>Copyright © 2026 twórcy gry Quintet</translation>
    </message>
    <message>
        <source>We hope to see you again soon.</source>
        <extracomment>The end screen&apos;s fourth line.</extracomment>
        <translation>Do zobaczenia wkrótce.</translation>
    </message>
    <message>
        <source>The Quintet project</source>
        <extracomment>The end screen&apos;s last line: who made the game.</extracomment>
        <translation>Projekt Quintet</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>What a screen reader calls the score&apos;s label.</extracomment>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>What a screen reader calls the message&apos;s label and the status bar that holds it.</extracomment>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>Row %1.</source>
        <extracomment>Said as the first of two digits is typed: the row, before its column.</extracomment>
        <translation>Wiersz %1.</translation>
    </message>
    <message>
        <source>Symbols shown.</source>
        <extracomment>What S says as the symbols on the balls appear.</extracomment>
        <translation>Symbole widoczne.</translation>
    </message>
    <message>
        <source>Symbols hidden.</source>
        <extracomment>What S says as the symbols on the balls go.</extracomment>
        <translation>Symbole ukryte.</translation>
    </message>
    <message>
        <source>The game is over. Score %1.</source>
        <extracomment>What each question key says once the game is over; %1 is the final score.</extracomment>
        <translation>Koniec gry. Wynik: %1.</translation>
    </message>
    <message>
        <source>Nothing to repeat.</source>
        <extracomment>The answer to L before any press has said anything.</extracomment>
        <translation>Nie ma czego powtórzyć.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No Way!!!</source>
        <extracomment>The message when no path of free cells leads to the cell clicked.</extracomment>
        <translation>Brak drogi!!!</translation>
    </message>
    <message>
        <source>Bonus!!!</source>
        <extracomment>The message when a press clears several lines, or clears on consecutive moves.</extracomment>
        <translation>Premia!!!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <extracomment>The message as the board fills up and the game ends.</extracomment>
        <translation>Koniec gry!</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>row %1, column %2</source>
        <comment>after from</comment>
        <extracomment>The cell a diagonal starts from, in the answer to X (&quot;Diagonal down from row 1, column 3&quot;): for a language that puts a place after &quot;from&quot; in another case.</extracomment>
        <translation>wiersza %1, kolumny %2</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The name of the board&apos;s table of 9 by 9 cells.</extracomment>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board&apos;s table, 1 to 9 from the left.</extracomment>
        <translation>Kolumna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board&apos;s table, 1 to 9 from the top.</extracomment>
        <translation>Wiersz %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell&apos;s place inside a sentence, row first.</extracomment>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <extracomment>A cell&apos;s name: its place, then what it holds (&quot;Row 3, column 5: red ball&quot;).</extracomment>
        <translation>Wiersz %1, kolumna %2: %3</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3, selected</source>
        <extracomment>The name of the cell whose ball is picked up: &quot;Row 3, column 5: red ball, selected&quot;.</extracomment>
        <translation>Wiersz %1, kolumna %2: %3, zaznaczona</translation>
    </message>
    <message>
        <source>Next ball %1: %2</source>
        <extracomment>A box of the next colours, 1 to 3 from the left, and its colour.</extracomment>
        <translation>Następna kula %1: %2</translation>
    </message>
    <message>
        <source>Next: %1, %2, %3.</source>
        <extracomment>The colours of the next three balls, left to right.</extracomment>
        <translation>Następne kule: %1, %2, %3.</translation>
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
</context>
<context>
    <name>Options</name>
    <message>
        <source>A puzzle game: line up five balls of one colour to clear them.
Qt&apos;s own options, such as -platform and -display, work too.
The keys and how to play: man quintet</source>
        <extracomment>The text of quintet --help under its first line; &quot;man quintet&quot; is a command.</extracomment>
        <translation>Gra logiczna: ułóż w linii pięć kul jednego koloru, aby je usunąć.
Działają też własne opcje Qt, takie jak -platform i -display.
Klawisze i zasady gry: man quintet</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Pokaż tę pomoc.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Pokaż wersję.</translation>
    </message>
    <message>
        <source>Show a symbol on every ball, which tells its colour.</source>
        <translation>Pokaż na każdej kuli symbol, który wskazuje jej kolor.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>quintet was given an argument that is not an option; %1 is the argument.</extracomment>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Try quintet --help.</source>
        <extracomment>After the error on the command line; &quot;quintet --help&quot; is a command.</extracomment>
        <translation>Więcej informacji: quintet --help.</translation>
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
