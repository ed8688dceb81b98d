<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Answers</name>
    <message numerus="yes">
        <source>Score %1. %n free cells. %2</source>
        <extracomment>The answer to I: %1 is the score, %n the free cells, %2 the next colours (&quot;Next: red, orange, yellow.&quot;).</extracomment>
        <translation>
            <numerusform>Score %1. %n free cell. %2</numerusform>
            <numerusform>Score %1. %n free cells. %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message numerus="yes">
        <source>%n empty</source>
        <extracomment>A run of empty cells along a line: &quot;Row 3: 2 empty, 2 red, 5 empty.&quot;</extracomment>
        <translation>
            <numerusform>%n empty</numerusform>
            <numerusform>%n empty</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n red</source>
        <extracomment>A count of red balls: a run along a line (&quot;Row 3: 2 empty, 2 red.&quot;) or balls cleared (&quot;Cleared 5 red.&quot;).</extracomment>
        <translation>
            <numerusform>%n red</numerusform>
            <numerusform>%n red</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n orange</source>
        <extracomment>A count of orange balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n orange</numerusform>
            <numerusform>%n orange</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n yellow</source>
        <extracomment>A count of yellow balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n yellow</numerusform>
            <numerusform>%n yellow</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n green</source>
        <extracomment>A count of green balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n green</numerusform>
            <numerusform>%n green</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cyan</source>
        <extracomment>A count of cyan balls, in a run or cleared, as &quot;%n red&quot;.</extracomment>
        <translation>
            <numerusform>%n cyan</numerusform>
            <numerusform>%n cyan</numerusform>
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
    <message numerus="yes">
        <source>Red balls: %1.</source>
        <extracomment>The answer to R: where the red balls are. %1 lists their places: &quot;row 1, column 3; row 4, column 5&quot;. %n is how many there are.</extracomment>
        <translation>
            <numerusform>Red ball: %1.</numerusform>
            <numerusform>Red balls: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Orange balls: %1.</source>
        <extracomment>The answer to O, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Orange ball: %1.</numerusform>
            <numerusform>Orange balls: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow balls: %1.</source>
        <extracomment>The answer to Y, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Yellow ball: %1.</numerusform>
            <numerusform>Yellow balls: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Green balls: %1.</source>
        <extracomment>The answer to G, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Green ball: %1.</numerusform>
            <numerusform>Green balls: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cyan balls: %1.</source>
        <extracomment>The answer to C, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Cyan ball: %1.</numerusform>
            <numerusform>Cyan balls: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Magenta balls: %1.</source>
        <extracomment>The answer to M, as &quot;Red balls: %1.&quot;.</extracomment>
        <translation>
            <numerusform>Magenta ball: %1.</numerusform>
            <numerusform>Magenta balls: %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
