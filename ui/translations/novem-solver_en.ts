<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>NewPuzzleDialog</name>
    <message numerus="yes">
        <source>Tried %n puzzle(s), %1 a second...</source>
        <translation>
            <numerusform>Tried %n puzzle, %1 a second...</numerusform>
            <numerusform>Tried %n puzzles, %1 a second...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %1 of %2; tried %n puzzle(s), %3 a second...</source>
        <translation>
            <numerusform>Made %1 of %2; tried %n puzzle, %3 a second...</numerusform>
            <numerusform>Made %1 of %2; tried %n puzzles, %3 a second...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StepList</name>
    <message numerus="yes">
        <source>%n singles and locked candidates, step %1</source>
        <translation>
            <numerusform>%n single or locked candidate, step %1</numerusform>
            <numerusform>%n singles and locked candidates, step %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n singles and locked candidates, steps %1 to %2</source>
        <translation>
            <numerusform>%n single or locked candidate, steps %1 to %2</numerusform>
            <numerusform>%n singles and locked candidates, steps %1 to %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StepWindow</name>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n more</numerusform>
            <numerusform>%n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n step(s), level %1: %2</source>
        <translation>
            <numerusform>%n step, level %1: %2</numerusform>
            <numerusform>%n steps, level %1: %2</numerusform>
        </translation>
    </message>
</context>
</TS>
