<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About NovemSolver</source>
        <translation>Über NovemSolver</translation>
    </message>
    <message>
        <source>NovemSolver Version 1.0</source>
        <translation>NovemSolver Version 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CNovemSolverDlg</name>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>&amp;Clear Grid</source>
        <translation>&amp;Gitter leeren</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>How to enter a puzzle</source>
        <translation>So geben Sie ein Rätsel ein</translation>
    </message>
    <message>
        <source>&amp;Paste Puzzle</source>
        <translation>Rätsel &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>Rätsel &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About NovemSolver...</source>
        <translation>Ü&amp;ber NovemSolver …</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Just edit as if you was entering the digits column by
column then line per line.
Use 0 to leave the current cell unchanged.
When you type a digit, the next cell gets the focus.</source>
        <translation>Tippen Sie die Ziffern Feld für Feld ein,
Spalte für Spalte, dann Zeile für Zeile.
Mit 0 bleibt das aktuelle Feld, wie es ist.
Nach jeder Ziffer geht es zum nächsten Feld.</translation>
    </message>
    <message>
        <source>To enter a puzzle, press Clear Grid and type its 81 cells row by row: a digit for a given, 0 for an empty cell. Every key moves on to the next cell; the arrow keys walk the grid, and a click selects a cell&apos;s digit so that typing replaces it.

Ctrl+V pastes a puzzle copied from elsewhere: 81 cells on one line, 0 or . for an empty cell, or 9 lines of 9. Ctrl+Shift+C copies the grid as one line.

Return solves the grid; Escape closes the program.</source>
        <translation>Um ein Rätsel einzugeben, drücken Sie „Gitter leeren“ und tippen seine 81 Felder Zeile für Zeile: eine Ziffer für eine Vorgabe, 0 für ein leeres Feld. Jede Taste führt zum nächsten Feld; mit den Pfeiltasten bewegen Sie sich durch das Gitter, und ein Klick markiert die Ziffer eines Feldes, sodass Tippen sie ersetzt.

Strg+V fügt ein anderswo kopiertes Rätsel ein: 81 Felder in einer Zeile, 0 oder . für ein leeres Feld, oder 9 Zeilen zu je 9. Strg+Umschalt+C kopiert das Gitter als eine Zeile.

Die Eingabetaste löst das Rätsel, Escape beendet das Programm.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The solve was stopped by an error: %1</source>
        <translation>Das Lösen wurde durch einen Fehler abgebrochen: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>Lösung &amp;zeigen</translation>
    </message>
    <message>
        <source>%1 cells: a puzzle has 81.</source>
        <translation>%1 Felder: Ein Rätsel hat 81.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no cell: cells are 1 to 9, and 0 or . for an empty one.</source>
        <translation>„%1“ ist kein Feld: Felder sind 1 bis 9, und 0 oder . für ein leeres.</translation>
    </message>
    <message>
        <source>%1 lines: a puzzle is one line of 81 cells, or 9 lines of 9.</source>
        <translation>%1 Zeilen: Ein Rätsel ist eine Zeile mit 81 Feldern oder 9 Zeilen mit 9.</translation>
    </message>
    <message>
        <source>Line %1 has %2 cells: each of the 9 lines has 9.</source>
        <translation>Zeile %1 hat %2 Felder: Jede der 9 Zeilen hat 9.</translation>
    </message>
    <message>
        <source>S&amp;tep by Step</source>
        <translation>Schri&amp;tt für Schritt</translation>
    </message>
    <message>
        <source>&amp;New Puzzle...</source>
        <translation>&amp;Neues Rätsel...</translation>
    </message>
</context>
<context>
    <name>GridView</name>
    <message>
        <source>candidates %1</source>
        <translation>Kandidaten %1</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1, entered, not the solution&apos;s</source>
        <translation>%1, eingegeben, nicht die der Lösung</translation>
    </message>
    <message>
        <source>%1, given</source>
        <translation>%1, vorgegeben</translation>
    </message>
    <message>
        <source>%1, entered</source>
        <translation>%1, eingegeben</translation>
    </message>
    <message>
        <source>%1, solved</source>
        <translation>%1, gelöst</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
</context>
<context>
    <name>Ladder</name>
    <message>
        <source>singles only</source>
        <translation>nur Singles</translation>
    </message>
    <message>
        <source>needs locked candidates</source>
        <translation>braucht Block-Linien-Interaktion</translation>
    </message>
    <message>
        <source>needs subsets</source>
        <translation>braucht Paare, Tripel und Quadrupel</translation>
    </message>
    <message>
        <source>needs fish</source>
        <translation>braucht Fische</translation>
    </message>
    <message>
        <source>needs single-digit patterns</source>
        <translation>braucht Einzelziffer-Muster</translation>
    </message>
    <message>
        <source>needs wings</source>
        <translation>braucht Wings</translation>
    </message>
    <message>
        <source>needs colouring</source>
        <translation>braucht Färbung</translation>
    </message>
    <message>
        <source>needs chains</source>
        <translation>braucht Ketten</translation>
    </message>
    <message>
        <source>needs finned fish</source>
        <translation>braucht Fische mit Flossen</translation>
    </message>
    <message>
        <source>needs almost-locked sets</source>
        <translation>braucht fast gesperrte Mengen</translation>
    </message>
    <message>
        <source>needs forcing chains</source>
        <translation>braucht erzwingende Ketten</translation>
    </message>
    <message>
        <source>beyond these techniques</source>
        <translation>jenseits dieser Techniken</translation>
    </message>
    <message>
        <source>needs dynamic forcing chains</source>
        <translation>braucht dynamische erzwingende Ketten</translation>
    </message>
    <message>
        <source>needs nested forcing chains</source>
        <translation>braucht verschachtelte erzwingende Ketten</translation>
    </message>
</context>
<context>
    <name>NewPuzzleDialog</name>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Erzeugen</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <source>Any level</source>
        <translation>Jede Stufe</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Any technique</source>
        <translation>Jede Technik</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Stufe:</translation>
    </message>
    <message>
        <source>&amp;Technique to practise:</source>
        <translation>&amp;Technik zum Üben:</translation>
    </message>
    <message numerus="yes">
        <source>Tried %n puzzle(s)...</source>
        <translation>
            <numerusform>%n Rätsel versucht...</numerusform>
            <numerusform>%n Rätsel versucht...</numerusform>
        </translation>
    </message>
    <message>
        <source>Making a puzzle...</source>
        <translation>Ein Rätsel wird erzeugt...</translation>
    </message>
</context>
<context>
    <name>SolveCommand</name>
    <message>
        <source>This grid has been solved successfuly!</source>
        <translation>Dieses Rätsel wurde gelöst!</translation>
    </message>
    <message>
        <source>This grid is not solvable...</source>
        <translation>Dieses Rätsel ist nicht lösbar …</translation>
    </message>
    <message>
        <source>Effective Cells updates</source>
        <translation>Wirksame Feldänderungen</translation>
    </message>
    <message>
        <source>Effective &quot;Single Cell[card=%1]&quot; rules</source>
        <translation>Wirksame „Single Cell[card=%1]“-Regeln</translation>
    </message>
    <message>
        <source>Effective &quot;Dual Cells&quot; rules</source>
        <translation>Wirksame „Dual Cells“-Regeln</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Gesamtzeit</translation>
    </message>
    <message>
        <source>Solver Status</source>
        <translation>Lösungsstatus</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Could not open NovemSolver.txt for writing...</source>
        <translation>NovemSolver.txt konnte nicht zum Schreiben geöffnet werden …</translation>
    </message>
    <message>
        <source>Could not write all of NovemSolver.txt: the run log is incomplete...</source>
        <translation>NovemSolver.txt konnte nicht vollständig geschrieben werden: Das Protokoll ist unvollständig …</translation>
    </message>
    <message>
        <source>An exact search finds no solution at all: the digits contradict each other.</source>
        <translation>Eine vollständige Suche findet überhaupt keine Lösung: Die Ziffern widersprechen einander.</translation>
    </message>
    <message>
        <source>The rules stop here, with %1 cells open; an exact search finds exactly one solution. &quot;Show Solution&quot; in the menu fills them in.</source>
        <translation>Die Regeln enden hier, %1 Felder bleiben offen; eine vollständige Suche findet genau eine Lösung. „Lösung zeigen“ im Menü füllt sie aus.</translation>
    </message>
    <message>
        <source>The rules stop here; an exact search finds more than one solution, so no reasoning can decide the grid: it is not a proper puzzle.</source>
        <translation>Die Regeln enden hier; eine vollständige Suche findet mehr als eine Lösung, also kann keine Überlegung das Rätsel entscheiden: Es ist kein eindeutiges Rätsel.</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>The grid has no solution at all, so there is none to show.</source>
        <translation>Das Rätsel hat überhaupt keine Lösung, also gibt es keine zu zeigen.</translation>
    </message>
    <message>
        <source>The grid has more than one solution, so there is no one solution to show.</source>
        <translation>Das Rätsel hat mehr als eine Lösung, also gibt es nicht die eine Lösung zu zeigen.</translation>
    </message>
</context>
<context>
    <name>Step</name>
    <message>
        <source>step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>blocks</source>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>removes</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>from</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>places</source>
        <translation>setzt</translation>
    </message>
    <message>
        <source>fins</source>
        <translation>Flossen</translation>
    </message>
    <message>
        <source>pivot</source>
        <translation>Angelpunkt</translation>
    </message>
    <message>
        <source>pincers</source>
        <translation>Zangen</translation>
    </message>
    <message>
        <source>linked by</source>
        <translation>verbunden durch</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>via</source>
        <translation>über</translation>
    </message>
    <message>
        <source>restricted</source>
        <translation>beschränkt</translation>
    </message>
    <message>
        <source>if</source>
        <translation>wenn</translation>
    </message>
    <message>
        <source>then</source>
        <translation>dann</translation>
    </message>
    <message>
        <source>not</source>
        <translation>nicht</translation>
    </message>
    <message>
        <source>a contradiction</source>
        <translation>ein Widerspruch</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
</context>
<context>
    <name>StepList</name>
    <message numerus="yes">
        <source>%n singles and locked candidates, step %1</source>
        <translation>
            <numerusform>%n Einer oder Reduktion, Schritt %1</numerusform>
            <numerusform>%n Einer und Reduktionen, Schritt %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n singles and locked candidates, steps %1 to %2</source>
        <translation>
            <numerusform>%n Einer oder Reduktion, Schritte %1 bis %2</numerusform>
            <numerusform>%n Einer und Reduktionen, Schritte %1 bis %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
</context>
<context>
    <name>StepWindow</name>
    <message>
        <source>Puzzles (*.txt *.sdk *.ss)</source>
        <translation>Rätsel (*.txt *.sdk *.ss)</translation>
    </message>
    <message>
        <source>Step by Step</source>
        <translation>Schritt für Schritt</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>&amp;First</source>
        <translation>&amp;Erster</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Voriger</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächster</translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <translation>&amp;Letzter</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>My &amp;Grid</source>
        <translation>Mein &amp;Raster</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>Lösung &amp;zeigen</translation>
    </message>
    <message>
        <source>Working out the steps</source>
        <translation>Schritte werden ermittelt</translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <translation>&amp;Rätsel</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle...</source>
        <translation>Rätsel ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save Puzzle...</source>
        <translation>Rätsel &amp;speichern...</translation>
    </message>
    <message>
        <source>P&amp;revious Puzzle</source>
        <translation>V&amp;origes Rätsel</translation>
    </message>
    <message>
        <source>Ne&amp;xt Puzzle</source>
        <translation>Nä&amp;chstes Rätsel</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>Save P&amp;icture...</source>
        <translation>B&amp;ild speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>No hint: the ladder has no next step from this grid.</source>
        <translation>Kein Tipp: Die Leiter hat von diesem Raster aus keinen nächsten Schritt.</translation>
    </message>
    <message>
        <source>Applied: %1</source>
        <translation>Angewandt: %1</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>The search is not done yet.</source>
        <translation>Die Suche ist noch nicht fertig.</translation>
    </message>
    <message>
        <source>The solution is shown: Undo takes it back.</source>
        <translation>Die Lösung wird gezeigt: Rückgängig nimmt sie zurück.</translation>
    </message>
    <message>
        <source>The grid has no solution at all, so there is none to show.</source>
        <translation>Das Rätsel hat überhaupt keine Lösung, also gibt es keine zu zeigen.</translation>
    </message>
    <message>
        <source>The grid has more than one solution, so there is no one solution to show.</source>
        <translation>Das Rätsel hat mehr als eine Lösung, also gibt es nicht die eine Lösung zu zeigen.</translation>
    </message>
    <message>
        <source>Open Puzzle</source>
        <translation>Rätsel öffnen</translation>
    </message>
    <message>
        <source>%1 holds no puzzle.</source>
        <translation>%1 enthält kein Rätsel.</translation>
    </message>
    <message>
        <source>Save Puzzle</source>
        <translation>Rätsel speichern</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>In %1 gespeichert.</translation>
    </message>
    <message>
        <source>Could not save to %1: %2</source>
        <translation>Konnte nicht in %1 speichern: %2</translation>
    </message>
    <message>
        <source>The picture is in the clipboard.</source>
        <translation>Das Bild ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Could not save to %1.</source>
        <translation>Konnte nicht in %1 speichern.</translation>
    </message>
    <message>
        <source>What was dropped holds no puzzle.</source>
        <translation>Was abgelegt wurde, enthält kein Rätsel.</translation>
    </message>
    <message>
        <source>Working out the steps...</source>
        <translation>Die Schritte werden ermittelt...</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s), level %1: %2</source>
        <translation>
            <numerusform>%n Schritt, Stufe %1: %2</numerusform>
            <numerusform>%n Schritte, Stufe %1: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>, hardest: %1</source>
        <translation>, am schwersten: %1</translation>
    </message>
    <message>
        <source>, rated %1/%2/%3</source>
        <translation>, bewertet mit %1/%2/%3</translation>
    </message>
    <message>
        <source>. Exactly one solution.</source>
        <translation>. Genau eine Lösung.</translation>
    </message>
    <message>
        <source>&amp;New Puzzle...</source>
        <translation>&amp;Neues Rätsel...</translation>
    </message>
    <message>
        <source>&amp;Paste Puzzle</source>
        <translation>Rätsel &amp;einfügen</translation>
    </message>
    <message>
        <source>Copy P&amp;uzzle</source>
        <translation>Rätsel k&amp;opieren</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <translation>Die Zwischenablage enthält kein Rätsel.</translation>
    </message>
    <message>
        <source>The puzzle is in the clipboard.</source>
        <translation>Das Rätsel ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n weitere</numerusform>
            <numerusform>%n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Step by Step: %1</source>
        <translation>Schritt für Schritt: %1</translation>
    </message>
    <message>
        <source>Not puzzles: %1</source>
        <translation>Keine Rätsel: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 ließ sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2: </source>
        <translation>Rätsel %1 von %2: </translation>
    </message>
    <message>
        <source>Hint: %1 and %2 hold the same digit, so the grid has no solution.</source>
        <translation>Tipp: %1 und %2 enthalten dieselbe Ziffer, also hat das Rätsel keine Lösung.</translation>
    </message>
    <message>
        <source>Hint: the digit in %1 is not the solution&apos;s.</source>
        <translation>Tipp: Die Ziffer in %1 ist nicht die der Lösung.</translation>
    </message>
    <message>
        <source>Hint: the grid has no solution at all.</source>
        <translation>Tipp: Das Rätsel hat überhaupt keine Lösung.</translation>
    </message>
    <message>
        <source>Hint: the grid has more than one solution, so no step can decide it.</source>
        <translation>Tipp: Das Rätsel hat mehr als eine Lösung, also kann kein Schritt es entscheiden.</translation>
    </message>
    <message>
        <source>No solution at all, so no level.</source>
        <translation>Überhaupt keine Lösung, also keine Stufe.</translation>
    </message>
    <message>
        <source>More than one solution, so no level.</source>
        <translation>Mehr als eine Lösung, also keine Stufe.</translation>
    </message>
    <message>
        <source>Step in full</source>
        <translation>Schritt vollständig</translation>
    </message>
    <message>
        <source>Branch drawn</source>
        <translation>Gezeichneter Zweig</translation>
    </message>
    <message>
        <source>Branch %1 of %2: if %3</source>
        <translation>Zweig %1 von %2: wenn %3</translation>
    </message>
    <message>
        <source>Pale yellow: where the step looks, a fish&apos;s base. Orange: the cells it rests on, a fish&apos;s corners, a chain&apos;s cells, a pivot. Blue: the rest of it, a fish&apos;s covers, pincers, a second set; green, a third. Salmon: fins. Solid lines: strong links; dashed: weak ones. Struck out in red: what it removes; in green: what it places. A forcing chain&apos;s branch, chosen above the step: its assumption ringed twice, each candidate on its way ringed, with an arrow from the one that decided it (solid to one made true, dashed to one made false); ringed in red: where it contradicts itself.</source>
        <translation>Blassgelb: wo der Schritt sucht, die Basis eines Fisches. Orange: die Felder, auf denen er beruht, die Ecken eines Fisches, die Felder einer Kette, ein Angelpunkt. Blau: der Rest, die Deckung eines Fisches, Zangen, eine zweite Menge; grün eine dritte. Lachsrot: Flossen. Durchgezogene Linien: starke Verbindungen; gestrichelte: schwache. Rot durchgestrichen: was er entfernt; grün: was er setzt. Der Zweig einer Erzwingungskette, über dem Schritt gewählt: seine Annahme doppelt umringt, jeder Kandidat auf seinem Weg umringt, mit einem Pfeil von dem, der ihn entschieden hat (durchgezogen zu einem wahr gemachten, gestrichelt zu einem falsch gemachten); rot umringt: wo er sich selbst widerspricht.</translation>
    </message>
    <message>
        <source>A forcing chain&apos;s branches are chosen here</source>
        <translation>Hier wird der Zweig einer Erzwingungskette gewählt</translation>
    </message>
    <message>
        <source>Hint: %1, somewhere in the grid.</source>
        <translation>Tipp: %1, irgendwo im Raster.</translation>
    </message>
    <message>
        <source>Hint: %1 in %2, where the grid is marked.</source>
        <translation>Tipp: %1 in %2, wo das Raster markiert ist.</translation>
    </message>
    <message>
        <source>Hint: %1 on the marked cells, %2.</source>
        <translation>Tipp: %1 auf den markierten Feldern, %2.</translation>
    </message>
    <message>
        <source>&amp;Branch:</source>
        <translation>Z&amp;weig:</translation>
    </message>
</context>
<context>
    <name>Technique</name>
    <message>
        <source>X-wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>swordfish</source>
        <translation>Swordfish</translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>skyscraper</source>
        <translation>Skyscraper</translation>
    </message>
    <message>
        <source>two-string kite</source>
        <translation>2-String-Kite</translation>
    </message>
    <message>
        <source>turbot fish</source>
        <translation>Turbot-Fisch</translation>
    </message>
    <message>
        <source>XY-wing</source>
        <translation>XY-Wing</translation>
    </message>
    <message>
        <source>XYZ-wing</source>
        <translation>XYZ-Wing</translation>
    </message>
    <message>
        <source>W-wing</source>
        <translation>W-Wing</translation>
    </message>
    <message>
        <source>colour trap</source>
        <translation>Farbfalle</translation>
    </message>
    <message>
        <source>colour wrap</source>
        <translation>Farbwiderspruch</translation>
    </message>
    <message>
        <source>X-chain</source>
        <translation>X-Kette</translation>
    </message>
    <message>
        <source>XY-chain</source>
        <translation>XY-Kette</translation>
    </message>
    <message>
        <source>alternating inference chain</source>
        <translation>alternierende Inferenzkette</translation>
    </message>
    <message>
        <source>continuous nice loop</source>
        <translation>geschlossene Nice Loop</translation>
    </message>
    <message>
        <source>discontinuous nice loop</source>
        <translation>unterbrochene Nice Loop</translation>
    </message>
    <message>
        <source>finned X-wing</source>
        <translation>Finned X-Wing</translation>
    </message>
    <message>
        <source>finned swordfish</source>
        <translation>Finned Swordfish</translation>
    </message>
    <message>
        <source>finned jellyfish</source>
        <translation>Finned Jellyfish</translation>
    </message>
    <message>
        <source>sashimi X-wing</source>
        <translation>Sashimi-X-Wing</translation>
    </message>
    <message>
        <source>sashimi swordfish</source>
        <translation>Sashimi-Swordfish</translation>
    </message>
    <message>
        <source>sashimi jellyfish</source>
        <translation>Sashimi-Jellyfish</translation>
    </message>
    <message>
        <source>ALS-XZ</source>
        <translation>ALS-XZ</translation>
    </message>
    <message>
        <source>ALS-XY-wing</source>
        <translation>ALS-XY-Wing</translation>
    </message>
    <message>
        <source>cell forcing chain</source>
        <translation>Erzwingungskette über ein Feld</translation>
    </message>
    <message>
        <source>region forcing chain</source>
        <translation>Erzwingungskette über eine Einheit</translation>
    </message>
    <message>
        <source>naked single</source>
        <translation>nackter Einer</translation>
    </message>
    <message>
        <source>naked pair</source>
        <translation>nacktes Paar</translation>
    </message>
    <message>
        <source>naked triple</source>
        <translation>nackter Dreier</translation>
    </message>
    <message>
        <source>naked quad</source>
        <translation>nackter Vierer</translation>
    </message>
    <message>
        <source>hidden single</source>
        <translation>versteckter Einer</translation>
    </message>
    <message>
        <source>hidden pair</source>
        <translation>verstecktes Paar</translation>
    </message>
    <message>
        <source>hidden triple</source>
        <translation>versteckter Dreier</translation>
    </message>
    <message>
        <source>hidden quad</source>
        <translation>versteckter Vierer</translation>
    </message>
    <message>
        <source>pointing</source>
        <translation>Block-Linien-Reduktion</translation>
    </message>
    <message>
        <source>claiming</source>
        <translation>Linien-Block-Reduktion</translation>
    </message>
    <message>
        <source>dynamic contradiction chain</source>
        <translation>dynamische Widerspruchskette</translation>
    </message>
    <message>
        <source>dynamic cell forcing chain</source>
        <translation>dynamische Erzwingungskette über ein Feld</translation>
    </message>
    <message>
        <source>dynamic region forcing chain</source>
        <translation>dynamische Erzwingungskette über eine Einheit</translation>
    </message>
    <message>
        <source>nested contradiction chain</source>
        <translation>verschachtelte Widerspruchskette</translation>
    </message>
    <message>
        <source>dynamic nested contradiction chain</source>
        <translation>dynamische verschachtelte Widerspruchskette</translation>
    </message>
</context>
</TS>
