<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Account</name>
    <message>
        <source>Cleared %1.</source>
        <extracomment>The balls a press cleared, by colour: &quot;Cleared 5 red, 5 green.&quot;</extracomment>
        <translation>أُزيلت %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>The balls a move or a new game brought: &quot;New balls: red at row 1, column 2; cyan at row 5, column 5.&quot;</extracomment>
        <translation>كُرات جديدة: %1.</translation>
    </message>
    <message>
        <source>New game.</source>
        <extracomment>A press on the smile, before the new game&apos;s balls.</extracomment>
        <translation>لعبة جديدة.</translation>
    </message>
    <message>
        <source>%1 picked up at %2.</source>
        <extracomment>%1 is a ball (&quot;red ball&quot;), %2 its place.</extracomment>
        <translation>تم التقاط %1 في %2.</translation>
    </message>
    <message>
        <source>%1 to %2.</source>
        <extracomment>A move: %1 is the ball (&quot;red ball&quot;), %2 the place it moved to.</extracomment>
        <translation>نُقلت %1 إلى %2.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The score after a press that changed it.</extracomment>
        <translation>النتيجة: %1.</translation>
    </message>
</context>
<context>
    <name>Answers</name>
    <message>
        <source>Row %1: %2. Column %3: %4. Diagonal down from %5: %6. Diagonal up from %7: %8.</source>
        <extracomment>The answer to X: the row, the column and the two diagonals through the focused cell, each as runs from its first cell. %5 and %7 are places (&quot;row 1, column 3&quot;).</extracomment>
        <translation>الصف %1: %2. العمود %3: %4. القطر الهابط من %5: %6. القطر الصاعد من %7: %8.</translation>
    </message>
    <message numerus="yes">
        <source>Score %1. %n free cells. %2</source>
        <extracomment>The answer to I: %1 is the score, %n the free cells, %2 the next colours (&quot;Next: red, orange, yellow.&quot;).</extracomment>
        <translation>
            <numerusform>النتيجة: %1. لا توجد خانات فارغة. %2</numerusform>
            <numerusform>النتيجة: %1. خانة فارغة واحدة. %2</numerusform>
            <numerusform>النتيجة: %1. خانتان فارغتان. %2</numerusform>
            <numerusform>النتيجة: %1. %n خانات فارغة. %2</numerusform>
            <numerusform>النتيجة: %1. %n خانة فارغة. %2</numerusform>
            <numerusform>النتيجة: %1. %n خانة فارغة. %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>empty</source>
        <extracomment>What an empty cell holds: &quot;Row 3, column 5: empty&quot;.</extracomment>
        <translation>فارغة</translation>
    </message>
    <message>
        <source>red ball</source>
        <extracomment>What a cell holds: &quot;Row 3, column 5: red ball&quot;. Also starts a sentence: &quot;Red ball to row 3, column 5.&quot;</extracomment>
        <translation>كرة حمراء</translation>
    </message>
    <message>
        <source>orange ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>كرة برتقالية</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>كرة صفراء</translation>
    </message>
    <message>
        <source>green ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>كرة خضراء</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>كرة سماوية</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <extracomment>What a cell holds; also starts a sentence, as &quot;red ball&quot; does.</extracomment>
        <translation>كرة أرجوانية</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>A colour in the list of next balls: &quot;Next: red, orange, yellow.&quot; and &quot;Next ball 2: red&quot;.</extracomment>
        <translation>حمراء</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>برتقالية</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>صفراء</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>خضراء</translation>
    </message>
    <message>
        <source>cyan</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>سماوية</translation>
    </message>
    <message>
        <source>magenta</source>
        <extracomment>A colour in the list of next balls.</extracomment>
        <translation>أرجوانية</translation>
    </message>
    <message numerus="yes">
        <source>%n empty</source>
        <extracomment>A run of empty cells along a line: &quot;Row 3: 2 empty, 2 red, 5 empty.&quot;</extracomment>
        <translation>
            <numerusform>%n خانة فارغة</numerusform>
            <numerusform>خانة فارغة واحدة</numerusform>
            <numerusform>خانتان فارغتان</numerusform>
            <numerusform>%n خانات فارغة</numerusform>
            <numerusform>%n خانة فارغة</numerusform>
            <numerusform>%n خانة فارغة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n red</source>
        <extracomment>A count of red balls: a run along a line (&quot;Row 3: 2 empty, 2 red.&quot;) or balls cleared (&quot;Cleared 5 red.&quot;).</extracomment>
        <translation>
            <numerusform>%n كرة حمراء</numerusform>
            <numerusform>كرة حمراء واحدة</numerusform>
            <numerusform>كُرتان حمراوان</numerusform>
            <numerusform>%n كُرات حمراء</numerusform>
            <numerusform>%n كرة حمراء</numerusform>
            <numerusform>%n كرة حمراء</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n orange</source>
        <extracomment>A count of orange balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n كرة برتقالية</numerusform>
            <numerusform>كرة برتقالية واحدة</numerusform>
            <numerusform>كُرتان برتقاليتان</numerusform>
            <numerusform>%n كُرات برتقالية</numerusform>
            <numerusform>%n كرة برتقالية</numerusform>
            <numerusform>%n كرة برتقالية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n yellow</source>
        <extracomment>A count of yellow balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n كرة صفراء</numerusform>
            <numerusform>كرة صفراء واحدة</numerusform>
            <numerusform>كُرتان صفراوان</numerusform>
            <numerusform>%n كُرات صفراء</numerusform>
            <numerusform>%n كرة صفراء</numerusform>
            <numerusform>%n كرة صفراء</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n green</source>
        <extracomment>A count of green balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n كرة خضراء</numerusform>
            <numerusform>كرة خضراء واحدة</numerusform>
            <numerusform>كُرتان خضراوان</numerusform>
            <numerusform>%n كُرات خضراء</numerusform>
            <numerusform>%n كرة خضراء</numerusform>
            <numerusform>%n كرة خضراء</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cyan</source>
        <extracomment>A count of cyan balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n كرة سماوية</numerusform>
            <numerusform>كرة سماوية واحدة</numerusform>
            <numerusform>كُرتان سماويتان</numerusform>
            <numerusform>%n كُرات سماوية</numerusform>
            <numerusform>%n كرة سماوية</numerusform>
            <numerusform>%n كرة سماوية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n magenta</source>
        <extracomment>A count of magenta balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n كرة أرجوانية</numerusform>
            <numerusform>كرة أرجوانية واحدة</numerusform>
            <numerusform>كُرتان أرجوانيتان</numerusform>
            <numerusform>%n كُرات أرجوانية</numerusform>
            <numerusform>%n كرة أرجوانية</numerusform>
            <numerusform>%n كرة أرجوانية</numerusform>
        </translation>
    </message>
    <message>
        <source>red at %1</source>
        <extracomment>A new ball and its place, in &quot;New balls: red at row 2, column 1; ...&quot;. %1 is the place.</extracomment>
        <translation>حمراء في %1</translation>
    </message>
    <message>
        <source>orange at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>برتقالية في %1</translation>
    </message>
    <message>
        <source>yellow at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>صفراء في %1</translation>
    </message>
    <message>
        <source>green at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>خضراء في %1</translation>
    </message>
    <message>
        <source>cyan at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>سماوية في %1</translation>
    </message>
    <message>
        <source>magenta at %1</source>
        <extracomment>A new ball and its place, as &quot;red at %1&quot;.</extracomment>
        <translation>أرجوانية في %1</translation>
    </message>
    <message numerus="yes">
        <source>Red balls: %1.</source>
        <extracomment>The answer to R: where the red balls are. %1 lists their places: &quot;row 1, column 3; row 4, column 5&quot;. %n is how many there are.</extracomment>
        <translation>
            <numerusform>الكُرات الحمراء: %1.</numerusform>
            <numerusform>الكرة الحمراء: %1.</numerusform>
            <numerusform>الكُرتان الحمراوان: %1.</numerusform>
            <numerusform>الكُرات الحمراء: %1.</numerusform>
            <numerusform>الكُرات الحمراء: %1.</numerusform>
            <numerusform>الكُرات الحمراء: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Orange balls: %1.</source>
        <extracomment>The answer to O, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>الكُرات البرتقالية: %1.</numerusform>
            <numerusform>الكرة البرتقالية: %1.</numerusform>
            <numerusform>الكُرتان البرتقاليتان: %1.</numerusform>
            <numerusform>الكُرات البرتقالية: %1.</numerusform>
            <numerusform>الكُرات البرتقالية: %1.</numerusform>
            <numerusform>الكُرات البرتقالية: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow balls: %1.</source>
        <extracomment>The answer to Y, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>الكُرات الصفراء: %1.</numerusform>
            <numerusform>الكرة الصفراء: %1.</numerusform>
            <numerusform>الكُرتان الصفراوان: %1.</numerusform>
            <numerusform>الكُرات الصفراء: %1.</numerusform>
            <numerusform>الكُرات الصفراء: %1.</numerusform>
            <numerusform>الكُرات الصفراء: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Green balls: %1.</source>
        <extracomment>The answer to G, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>الكُرات الخضراء: %1.</numerusform>
            <numerusform>الكرة الخضراء: %1.</numerusform>
            <numerusform>الكُرتان الخضراوان: %1.</numerusform>
            <numerusform>الكُرات الخضراء: %1.</numerusform>
            <numerusform>الكُرات الخضراء: %1.</numerusform>
            <numerusform>الكُرات الخضراء: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cyan balls: %1.</source>
        <extracomment>The answer to C, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>الكُرات السماوية: %1.</numerusform>
            <numerusform>الكرة السماوية: %1.</numerusform>
            <numerusform>الكُرتان السماويتان: %1.</numerusform>
            <numerusform>الكُرات السماوية: %1.</numerusform>
            <numerusform>الكُرات السماوية: %1.</numerusform>
            <numerusform>الكُرات السماوية: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Magenta balls: %1.</source>
        <extracomment>The answer to M, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>الكُرات الأرجوانية: %1.</numerusform>
            <numerusform>الكرة الأرجوانية: %1.</numerusform>
            <numerusform>الكُرتان الأرجوانيتان: %1.</numerusform>
            <numerusform>الكُرات الأرجوانية: %1.</numerusform>
            <numerusform>الكُرات الأرجوانية: %1.</numerusform>
            <numerusform>الكُرات الأرجوانية: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No red balls.</source>
        <extracomment>The answer to R when the board has no red ball.</extracomment>
        <translation>لا توجد كُرات حمراء.</translation>
    </message>
    <message>
        <source>No orange balls.</source>
        <extracomment>The answer to O when the board has no orange ball.</extracomment>
        <translation>لا توجد كُرات برتقالية.</translation>
    </message>
    <message>
        <source>No yellow balls.</source>
        <extracomment>The answer to Y when the board has no yellow ball.</extracomment>
        <translation>لا توجد كُرات صفراء.</translation>
    </message>
    <message>
        <source>No green balls.</source>
        <extracomment>The answer to G when the board has no green ball.</extracomment>
        <translation>لا توجد كُرات خضراء.</translation>
    </message>
    <message>
        <source>No cyan balls.</source>
        <extracomment>The answer to C when the board has no cyan ball.</extracomment>
        <translation>لا توجد كُرات سماوية.</translation>
    </message>
    <message>
        <source>No magenta balls.</source>
        <extracomment>The answer to M when the board has no magenta ball.</extracomment>
        <translation>لا توجد كُرات أرجوانية.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>%1 is not set</source>
        <extracomment>How a failed start names a variable that is not set; %1 is its name.</extracomment>
        <translation>المتغير %1 غير معين</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <extracomment>How a failed start names a variable that is set to nothing; %1 is its name.</extracomment>
        <translation>المتغير %1 فارغ</translation>
    </message>
    <message>
        <source>cannot open the display %1 given by -display</source>
        <extracomment>Why the game cannot start; %1 is the display given on the command line.</extracomment>
        <translation>تعذر فتح شاشة العرض %1 المحددة بالخيار ‎-display</translation>
    </message>
    <message>
        <source>no X11 or Wayland display: DISPLAY and WAYLAND_DISPLAY are unset</source>
        <extracomment>Why the game cannot start; DISPLAY and WAYLAND_DISPLAY are the variables&apos; names.</extracomment>
        <translation>لا توجد شاشة عرض X11 أو Wayland: المتغيران DISPLAY وWAYLAND_DISPLAY غير معينين</translation>
    </message>
    <message>
        <source>no X11 or Wayland display (%1, %2)</source>
        <extracomment>Why the game cannot start; %1 and %2 say of each variable that it is not set or empty (&quot;DISPLAY is empty&quot;).</extracomment>
        <translation>لا توجد شاشة عرض X11 أو Wayland (%1، %2)</translation>
    </message>
    <message>
        <source>cannot open the display (%1, %2)</source>
        <extracomment>Why the game cannot start; %1 and %2 are the variables (&quot;DISPLAY=:1&quot;, &quot;WAYLAND_DISPLAY is not set&quot;).</extracomment>
        <translation>تعذر فتح شاشة العرض (%1، %2)</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; was found but cannot be loaded (QT_DEBUG_PLUGINS=1 tells why)</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name.</extracomment>
        <translation>عُثر على ملحق منصة Qt «%1» لكن تعذر تحميله (يبين QT_DEBUG_PLUGINS=1 السبب)</translation>
    </message>
    <message>
        <source>the Qt platform plugin &quot;%1&quot; was found but cannot be loaded: %2</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name, %2 the reason in Qt&apos;s words.</extracomment>
        <translation>عُثر على ملحق منصة Qt «%1» لكن تعذر تحميله: %2</translation>
    </message>
    <message>
        <source>-platform %1</source>
        <extracomment>Where the name of a missing platform plugin came from: the command line.</extracomment>
        <translation>‎-platform %1</translation>
    </message>
    <message>
        <source>no Qt platform plugin &quot;%1&quot; (%2): install the Qt Wayland plugin (Debian: qt6-wayland)</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name, %2 where it was asked for (&quot;QT_QPA_PLATFORM=wayland&quot;).</extracomment>
        <translation>لا يوجد ملحق منصة Qt «%1» (%2): ثبّت ملحق Qt Wayland (في دبيان: qt6-wayland)</translation>
    </message>
    <message>
        <source>no Qt platform plugin &quot;%1&quot; (%2)</source>
        <extracomment>Why the game cannot start; %1 is the plugin&apos;s name, %2 where it was asked for.</extracomment>
        <translation>لا يوجد ملحق منصة Qt «%1» (%2)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start New Game</source>
        <extracomment>The smile&apos;s tooltip and its name for a screen reader.</extracomment>
        <translation>ابدأ لعبة جديدة</translation>
    </message>
    <message>
        <source>Click smile to try again</source>
        <extracomment>The end screen&apos;s first line: a click on the smile starts a new game.</extracomment>
        <translation>انقر الوجه المبتسم للعب مجددًا</translation>
    </message>
    <message>
        <source>Thank you for playing!</source>
        <extracomment>The end screen&apos;s second line.</extracomment>
        <translation>شكرًا على اللعب!</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Quintet developers</source>
        <extracomment>The end screen&apos;s copyright notice, on at most two lines.</extracomment>
        <translation>حقوق النشر © 2026 مطورو Quintet</translation>
    </message>
    <message>
        <source>We hope to see you again soon.</source>
        <extracomment>The end screen&apos;s fourth line.</extracomment>
        <translation>نأمل أن نراك قريبًا.</translation>
    </message>
    <message>
        <source>The Quintet project</source>
        <extracomment>The end screen&apos;s last line: who made the game.</extracomment>
        <translation>مشروع Quintet</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>What a screen reader calls the score&apos;s label.</extracomment>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>What a screen reader calls the message&apos;s label and the status bar that holds it.</extracomment>
        <translation>الرسالة</translation>
    </message>
    <message>
        <source>Row %1.</source>
        <extracomment>Said as the first of two digits is typed: the row, before its column.</extracomment>
        <translation>الصف %1.</translation>
    </message>
    <message>
        <source>Symbols shown.</source>
        <extracomment>What S says as the symbols on the balls appear.</extracomment>
        <translation>الرموز ظاهرة.</translation>
    </message>
    <message>
        <source>Symbols hidden.</source>
        <extracomment>What S says as the symbols on the balls go.</extracomment>
        <translation>الرموز مخفية.</translation>
    </message>
    <message>
        <source>The game is over. Score %1.</source>
        <extracomment>What each question key says once the game is over; %1 is the final score.</extracomment>
        <translation>انتهت اللعبة. النتيجة: %1.</translation>
    </message>
    <message>
        <source>Nothing to repeat.</source>
        <extracomment>The answer to L before any press has said anything.</extracomment>
        <translation>لا يوجد ما يُعاد.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No Way!!!</source>
        <extracomment>The message when no path of free cells leads to the cell clicked.</extracomment>
        <translation>لا طريق!!!</translation>
    </message>
    <message>
        <source>Bonus!!!</source>
        <extracomment>The message when a press clears several lines, or clears on consecutive moves.</extracomment>
        <translation>مكافأة!!!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <extracomment>The message as the board fills up and the game ends.</extracomment>
        <translation>انتهت اللعبة!</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>row %1, column %2</source>
        <comment>after from</comment>
        <extracomment>The cell a diagonal starts from, in the answer to X (&quot;Diagonal down from row 1, column 3&quot;): for a language that puts a place after &quot;from&quot; in another case.</extracomment>
        <translation>الصف %1، العمود %2</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The name of the board&apos;s table of 9 by 9 cells.</extracomment>
        <translation>الرقعة</translation>
    </message>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board&apos;s table, 1 to 9 from the left.</extracomment>
        <translation>العمود %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board&apos;s table, 1 to 9 from the top.</extracomment>
        <translation>الصف %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell&apos;s place inside a sentence, row first.</extracomment>
        <translation>الصف %1، العمود %2</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3</source>
        <extracomment>A cell&apos;s name: its place, then what it holds (&quot;Row 3, column 5: red ball&quot;).</extracomment>
        <translation>الصف %1، العمود %2: %3</translation>
    </message>
    <message>
        <source>Row %1, column %2: %3, selected</source>
        <extracomment>The name of the cell whose ball is picked up: &quot;Row 3, column 5: red ball, selected&quot;.</extracomment>
        <translation>الصف %1، العمود %2: %3، مُختارة</translation>
    </message>
    <message>
        <source>Next ball %1: %2</source>
        <extracomment>A box of the next colours, 1 to 3 from the left, and its colour.</extracomment>
        <translation>الكرة التالية رقم %1: %2</translation>
    </message>
    <message>
        <source>Next: %1, %2, %3.</source>
        <extracomment>The colours of the next three balls, left to right.</extracomment>
        <translation>الكُرات التالية: %1، %2، %3.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between counts</comment>
        <extracomment>What stands between the counts of a list: &quot;2 empty, 2 red, 5 empty&quot;.</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>; </source>
        <comment>between places</comment>
        <extracomment>What stands between the places of a list: &quot;row 1, column 2; row 3, column 4&quot;.</extracomment>
        <translation>؛ </translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>A puzzle game: line up five balls of one colour to clear them.
Qt&apos;s own options, such as -platform and -display, work too.
The keys and how to play: man quintet</source>
        <extracomment>The text of quintet --help under its first line; &quot;man quintet&quot; is a command.</extracomment>
        <translation>لعبة ألغاز: رتّب خمس كرات من لون واحد في خط لإزالتها.
خيارات Qt نفسها، مثل ‎-platform و‎-display، تعمل أيضًا.
المفاتيح وطريقة اللعب: man quintet</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>عرض هذه المساعدة.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>عرض الإصدار.</translation>
    </message>
    <message>
        <source>Show a symbol on every ball, which tells its colour.</source>
        <translation>عرض رمز على كل كرة يدل على لونها.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>quintet was given an argument that is not an option; %1 is the argument.</extracomment>
        <translation>وسيط غير متوقع: «%1».</translation>
    </message>
    <message>
        <source>Try quintet --help.</source>
        <extracomment>After the error on the command line; &quot;quintet --help&quot; is a command.</extracomment>
        <translation>جرّب الأمر quintet --help.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>LTR for a language written left to right, RTL for one written right to left (Arabic, Hebrew).</extracomment>
        <translation>RTL</translation>
    </message>
</context>
</TS>
