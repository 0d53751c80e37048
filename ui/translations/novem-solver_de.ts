<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Booklet</name>
    <message>
        <source>Solutions</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Puzzle %1</source>
        <translation>Rätsel %1</translation>
    </message>
    <message>
        <source>no single solution</source>
        <translation>keine eindeutige Lösung</translation>
    </message>
    <message>
        <source>level %1 · ER %2</source>
        <translation>Stufe %1 · ER %2</translation>
    </message>
    <message>
        <source>Solution %1</source>
        <translation>Lösung %1</translation>
    </message>
</context>
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
        <translation>&amp;Raster leeren</translation>
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

Ctrl+V pastes a puzzle copied from elsewhere: 81 cells on one line, 0 or . for an empty cell, or 9 lines of 9. A position with pencil marks (729 places, a grid of candidates) fills in its decided cells, and Step by Step keeps its candidates. Ctrl+Shift+C copies the grid as one line.

Return solves the grid; Escape closes the program.</source>
        <translation>Um ein Rätsel einzugeben, drücken Sie „Raster leeren“ und tippen seine 81 Felder Zeile für Zeile: eine Ziffer für eine Vorgabe, 0 für ein leeres Feld. Jede Taste führt zum nächsten Feld; mit den Pfeiltasten bewegen Sie sich durch das Raster, und ein Klick markiert die Ziffer eines Feldes, sodass Tippen sie ersetzt.

Strg+V fügt ein anderswo kopiertes Rätsel ein: 81 Felder in einer Zeile, 0 oder . für ein leeres Feld, oder 9 Zeilen zu je 9. Eine Stellung mit Bleistiftnotizen (729 Stellen, ein Kandidatenraster) füllt ihre entschiedenen Felder ein, und Schritt für Schritt behält ihre Kandidaten. Strg+Umschalt+C kopiert das Raster als eine Zeile.

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
        <source>S&amp;tep by Step</source>
        <translation>Schri&amp;tt für Schritt</translation>
    </message>
    <message>
        <source>&amp;New Puzzle...</source>
        <translation>&amp;Neues Rätsel...</translation>
    </message>
    <message>
        <source>The grid holds the position&apos;s decided cells; Step by Step keeps its candidates.</source>
        <translation>Das Raster enthält die entschiedenen Felder der Stellung; Schritt für Schritt behält ihre Kandidaten.</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>Als PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Print Pu&amp;zzles...</source>
        <translation>Rätsel dr&amp;ucken...</translation>
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
        <translation>braucht Block-Linien-Reduktionen</translation>
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
        <translation>braucht Erzwingungsketten</translation>
    </message>
    <message>
        <source>beyond these techniques</source>
        <translation>jenseits dieser Techniken</translation>
    </message>
    <message>
        <source>needs dynamic forcing chains</source>
        <translation>braucht dynamische Erzwingungsketten</translation>
    </message>
    <message>
        <source>needs nested forcing chains</source>
        <translation>braucht verschachtelte Erzwingungsketten</translation>
    </message>
    <message>
        <source>needs uniqueness</source>
        <translation>braucht Eindeutigkeit</translation>
    </message>
    <message>
        <source>needs aligned exclusion</source>
        <translation>braucht Aligned Exclusion</translation>
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
    <message>
        <source>Making a puzzle...</source>
        <translation>Ein Rätsel wird erzeugt...</translation>
    </message>
    <message>
        <source>Print Puzzles</source>
        <translation>Rätsel drucken</translation>
    </message>
    <message>
        <source>&amp;Solutions on pages at the back</source>
        <translation>&amp;Lösungen auf Seiten am Ende</translation>
    </message>
    <message>
        <source>&amp;Puzzles:</source>
        <translation>&amp;Rätsel:</translation>
    </message>
    <message>
        <source>Puzzles a p&amp;age:</source>
        <translation>Rätsel je S&amp;eite:</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>T&amp;itel:</translation>
    </message>
    <message numerus="yes">
        <source>Tried %n puzzle(s), %1 a second...</source>
        <translation>
            <numerusform>%n Rätsel versucht, %1 pro Sekunde...</numerusform>
            <numerusform>%n Rätsel versucht, %1 pro Sekunde...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %1 of %2; tried %n puzzle(s), %3 a second...</source>
        <translation>
            <numerusform>%1 von %2 erzeugt; %n Rätsel versucht, %3 pro Sekunde...</numerusform>
            <numerusform>%1 von %2 erzeugt; %n Rätsel versucht, %3 pro Sekunde...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintPages</name>
    <message>
        <source>Export PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Gespeichert in %1.</translation>
    </message>
    <message>
        <source>Could not save to %1: %2</source>
        <translation>Konnte nicht in %1 speichern: %2</translation>
    </message>
</context>
<context>
    <name>PuzzleProblem</name>
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
        <source>%1 cells: a grid of candidates has 729, nine for each cell.</source>
        <translation>%1 Felder: Ein Kandidatenraster hat 729, neun für jedes Feld.</translation>
    </message>
    <message>
        <source>The grid of candidates has %1 rows: it needs 9.</source>
        <translation>Das Kandidatenraster hat %1 Zeilen: Es braucht 9.</translation>
    </message>
    <message>
        <source>Row %1 of the grid of candidates has %2 cells: each row has 9.</source>
        <translation>Zeile %1 des Kandidatenrasters hat %2 Felder: Jede Zeile hat 9.</translation>
    </message>
    <message>
        <source>The code has %1 characters where it needs %2.</source>
        <translation>Der Code hat %1 Zeichen, wo er %2 braucht.</translation>
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
    <message>
        <source>type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>with</source>
        <translation>mit</translation>
    </message>
    <message>
        <source>excluded by</source>
        <translation>ausgeschlossen durch</translation>
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
        <source>, rated %1/%2/%3 (ER: %4)</source>
        <translation>, bewertet mit %1/%2/%3 (ER: %4)</translation>
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
    <message>
        <source>Copy with C&amp;andidates</source>
        <translation>Mit K&amp;andidaten kopieren</translation>
    </message>
    <message>
        <source>Copy Candidate &amp;Grid</source>
        <translation>Kandidaten&amp;raster kopieren</translation>
    </message>
    <message>
        <source>The puzzle is in the clipboard with its candidates.</source>
        <translation>Das Rätsel ist mit seinen Kandidaten in der Zwischenablage.</translation>
    </message>
    <message>
        <source>The grid of candidates is in the clipboard.</source>
        <translation>Das Kandidatenraster ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>Prin&amp;t...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>Als PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Print Candidates and &amp;Marks</source>
        <translation>Kandidaten und &amp;Markierungen drucken</translation>
    </message>
    <message>
        <source>Print Pu&amp;zzles...</source>
        <translation>Rätsel dr&amp;ucken...</translation>
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
    <message>
        <source>unique rectangle</source>
        <translation>Unique Rectangle</translation>
    </message>
    <message>
        <source>unique loop</source>
        <translation>Unique Loop</translation>
    </message>
    <message>
        <source>bivalue universal grave</source>
        <translation>BUG (Bivalue Universal Grave)</translation>
    </message>
    <message>
        <source>aligned pair exclusion</source>
        <translation>Aligned Pair Exclusion</translation>
    </message>
    <message>
        <source>aligned triplet exclusion</source>
        <translation>Aligned Triplet Exclusion</translation>
    </message>
    <message>
        <source>bidirectional X-cycle</source>
        <translation>bidirektionaler X-Zyklus</translation>
    </message>
    <message>
        <source>bidirectional Y-cycle</source>
        <translation>bidirektionaler Y-Zyklus</translation>
    </message>
    <message>
        <source>bidirectional cycle</source>
        <translation>bidirektionaler Zyklus</translation>
    </message>
    <message>
        <source>forcing X-chain</source>
        <translation>erzwingende X-Kette</translation>
    </message>
    <message>
        <source>forcing chain</source>
        <translation>erzwingende Kette</translation>
    </message>
    <message>
        <source>Nishio forcing chain</source>
        <translation>Nishio-Erzwingungskette</translation>
    </message>
    <message>
        <source>dynamic double forcing chain</source>
        <translation>dynamische doppelte Erzwingungskette</translation>
    </message>
    <message>
        <source>dynamic forcing chain plus</source>
        <translation>dynamische Erzwingungskette plus</translation>
    </message>
    <message>
        <source>nested forcing chain</source>
        <translation>verschachtelte Erzwingungskette</translation>
    </message>
    <message>
        <source>nested multiple forcing chain</source>
        <translation>verschachtelte mehrfache Erzwingungskette</translation>
    </message>
    <message>
        <source>nested dynamic forcing chain</source>
        <translation>verschachtelte dynamische Erzwingungskette</translation>
    </message>
    <message>
        <source>nested dynamic forcing chain plus</source>
        <translation>verschachtelte dynamische Erzwingungskette plus</translation>
    </message>
</context>
<context>
    <name>TechniqueHelp</name>
    <message>
        <source>A cell with one candidate left: that digit goes there, and its row, column and block lose it.</source>
        <translation>Ein Feld mit nur noch einem Kandidaten: diese Ziffer gehört hinein, und seine Zeile, Spalte und sein Block verlieren sie.</translation>
    </message>
    <message>
        <source>A digit with one place left in a row, column or block: it goes there, whatever else that cell could hold.</source>
        <translation>Eine Ziffer mit nur noch einem Platz in einer Zeile, Spalte oder einem Block: sie gehört dorthin, was das Feld sonst auch enthalten könnte.</translation>
    </message>
    <message>
        <source>Two, three or four cells of a region whose candidates are only as many digits: those digits fill those cells, so the region&apos;s other cells lose them.</source>
        <translation>Zwei, drei oder vier Felder einer Einheit, deren Kandidaten nur ebenso viele Ziffern sind: diese Ziffern füllen diese Felder, also verlieren die übrigen Felder der Einheit sie.</translation>
    </message>
    <message>
        <source>Two, three or four digits that have their places in a region in only as many cells: those cells hold those digits, so they lose every other candidate.</source>
        <translation>Zwei, drei oder vier Ziffern, die in einer Einheit ihre Plätze in nur ebenso vielen Feldern haben: diese Felder enthalten diese Ziffern und verlieren also jeden anderen Kandidaten.</translation>
    </message>
    <message>
        <source>In a block, a digit&apos;s places all lie in one row or column: the digit is there within the block, so the rest of that line loses it.</source>
        <translation>In einem Block liegen alle Plätze einer Ziffer in einer Zeile oder Spalte: dort steht die Ziffer innerhalb des Blocks, also verliert der Rest dieser Linie sie.</translation>
    </message>
    <message>
        <source>In a row or column, a digit&apos;s places all lie in one block: the digit is there within the line, so the rest of that block loses it.</source>
        <translation>In einer Zeile oder Spalte liegen alle Plätze einer Ziffer in einem Block: dort steht die Ziffer innerhalb der Linie, also verliert der Rest dieses Blocks sie.</translation>
    </message>
    <message>
        <source>In two rows a digit has its places in the same two columns: it stands at two opposite corners, one in each column, so the columns&apos; other cells lose it. The same holds with rows and columns swapped.</source>
        <translation>In zwei Zeilen hat eine Ziffer ihre Plätze in denselben zwei Spalten: sie steht an zwei gegenüberliegenden Ecken, je eine in jeder Spalte, also verlieren die übrigen Felder der Spalten sie. Mit Zeilen und Spalten vertauscht gilt dasselbe.</translation>
    </message>
    <message>
        <source>An X-wing of three: in three rows a digit&apos;s places lie in three columns, so the digit fills those columns from these rows and their other cells lose it.</source>
        <translation>Ein X-Wing aus drei: in drei Zeilen liegen die Plätze einer Ziffer in drei Spalten, also füllt die Ziffer diese Spalten aus diesen Zeilen, und ihre übrigen Felder verlieren sie.</translation>
    </message>
    <message>
        <source>An X-wing of four: in four rows a digit&apos;s places lie in four columns, so their other cells lose it.</source>
        <translation>Ein X-Wing aus vier: in vier Zeilen liegen die Plätze einer Ziffer in vier Spalten, also verlieren deren übrige Felder sie.</translation>
    </message>
    <message>
        <source>Two rows (or columns) where a digit has two places each, one end of each in the same column: the digit is at one of the two other ends, so a cell that sees both loses it.</source>
        <translation>Zwei Zeilen (oder Spalten), in denen eine Ziffer je zwei Plätze hat, je ein Ende in derselben Spalte: die Ziffer steht an einem der beiden anderen Enden, also verliert ein Feld, das beide sieht, sie.</translation>
    </message>
    <message>
        <source>A digit with two places in a row and two in a column, one of each in the same block: it is at one of the two far ends, so a cell that sees both loses it.</source>
        <translation>Eine Ziffer mit zwei Plätzen in einer Zeile und zwei in einer Spalte, je einer davon im selben Block: sie steht an einem der beiden fernen Enden, also verliert ein Feld, das beide sieht, sie.</translation>
    </message>
    <message>
        <source>Four places of one digit linked strong, weak, strong: it is at one of the two ends, so a cell that sees both ends loses it.</source>
        <translation>Vier Plätze einer Ziffer, verbunden stark, schwach, stark: sie steht an einem der beiden Enden, also verliert ein Feld, das beide Enden sieht, sie.</translation>
    </message>
    <message>
        <source>A pivot cell {X,Y} sees two pincers {X,Z} and {Y,Z}: whichever digit the pivot takes, one pincer is Z, so a cell that sees both pincers loses Z.</source>
        <translation>Ein Angelpunkt {X,Y} sieht zwei Zangen {X,Z} und {Y,Z}: welche Ziffer der Angelpunkt auch bekommt, eine Zange ist Z, also verliert ein Feld, das beide Zangen sieht, Z.</translation>
    </message>
    <message>
        <source>A pivot cell {X,Y,Z} sees two pincers {X,Z} and {Y,Z}: one of the three is Z, so a cell that sees all three loses Z.</source>
        <translation>Ein Angelpunkt {X,Y,Z} sieht zwei Zangen {X,Z} und {Y,Z}: eines der drei Felder ist Z, also verliert ein Feld, das alle drei sieht, Z.</translation>
    </message>
    <message>
        <source>A digit&apos;s places that come in pairs (a region with two places) are coloured in turn with two colours, and one colour is the digit&apos;s. A cell that sees both colours loses it.</source>
        <translation>Die Plätze einer Ziffer, die paarweise auftreten (eine Einheit mit zwei Plätzen), werden abwechselnd mit zwei Farben gefärbt, und eine Farbe ist die der Ziffer. Ein Feld, das beide Farben sieht, verliert sie.</translation>
    </message>
    <message>
        <source>A digit&apos;s paired places coloured in turn: where two cells of one colour see each other, that colour is wrong and all its cells lose the digit.</source>
        <translation>Die paarweisen Plätze einer Ziffer abwechselnd gefärbt: wo sich zwei Felder derselben Farbe sehen, ist diese Farbe falsch, und alle ihre Felder verlieren die Ziffer.</translation>
    </message>
    <message>
        <source>A chain of one digit&apos;s places whose links are in turn strong (one of the two holds it) and weak (not both do): one end holds it, so a cell that sees both ends loses it.</source>
        <translation>Eine Kette von Plätzen einer Ziffer, deren Verbindungen abwechselnd stark (einer der beiden enthält sie) und schwach (nicht beide) sind: ein Ende enthält sie, also verliert ein Feld, das beide Enden sieht, sie.</translation>
    </message>
    <message>
        <source>A chain of cells with two candidates, each sharing a digit with the next: if the first cell is not X the last one is, so a cell that sees both ends loses X.</source>
        <translation>Eine Kette von Feldern mit zwei Kandidaten, jedes mit einer gemeinsamen Ziffer mit dem nächsten: ist das erste Feld nicht X, so ist es das letzte, also verliert ein Feld, das beide Enden sieht, X.</translation>
    </message>
    <message>
        <source>A chain of candidates through cells and regions whose links are in turn strong and weak: one of its two ends is true, so a candidate that sees both goes.</source>
        <translation>Eine Kette von Kandidaten durch Felder und Einheiten, deren Verbindungen abwechselnd stark und schwach sind: eines ihrer beiden Enden ist wahr, also fällt ein Kandidat, der beide sieht.</translation>
    </message>
    <message>
        <source>A loop of links in turn strong and weak but for one place, where two links of a kind meet: the candidate there is proven true or false.</source>
        <translation>Eine Schleife abwechselnd starker und schwacher Verbindungen bis auf eine Stelle, an der zwei gleichartige Verbindungen zusammentreffen: der Kandidat dort ist als wahr oder falsch bewiesen.</translation>
    </message>
    <message>
        <source>A fish with extra places, the fins, in one block: either the fish holds or a fin is the digit, so the cells that the fish would clear and that also see every fin lose it.</source>
        <translation>Ein Fisch mit zusätzlichen Plätzen, den Flossen, in einem Block: entweder gilt der Fisch, oder eine Flosse ist die Ziffer, also verlieren die Felder sie, die der Fisch räumen würde und die zudem jede Flosse sehen.</translation>
    </message>
    <message>
        <source>A finned fish with one of its corners missing: the fin stands in for it, so the cells that the fish would clear and that see every fin lose the digit.</source>
        <translation>Ein Fisch mit Flosse, dem eine seiner Ecken fehlt: die Flosse steht für sie ein, also verlieren die Felder die Ziffer, die der Fisch räumen würde und die jede Flosse sehen.</translation>
    </message>
    <message>
        <source>Three almost-locked sets (N cells with N+1 digits), the two outer ones linked to the middle one by digits that see each other: a digit Z common to the outer sets is in one of them, so a cell that sees every Z of both loses it.</source>
        <translation>Drei fast gesperrte Mengen (N Felder mit N+1 Ziffern), die beiden äußeren mit der mittleren durch Ziffern verbunden, die sich sehen: eine Ziffer Z, die den äußeren Mengen gemeinsam ist, ist in einer von ihnen, also verliert ein Feld, das jedes Z beider sieht, sie.</translation>
    </message>
    <message>
        <source>Each candidate of one cell is assumed in turn and followed through singles: what every one of them leads to is true, whichever is the cell&apos;s.</source>
        <translation>Jeder Kandidat eines Feldes wird der Reihe nach angenommen und über Einer verfolgt: wozu jeder von ihnen führt, ist wahr, welcher es auch ist.</translation>
    </message>
    <message>
        <source>Each place of a digit in one region is assumed in turn and followed through singles: what every place leads to is true, wherever the digit is.</source>
        <translation>Jeder Platz einer Ziffer in einer Einheit wird der Reihe nach angenommen und über Einer verfolgt: wozu jeder Platz führt, ist wahr, wo die Ziffer auch steht.</translation>
    </message>
    <message>
        <source>Assumptions followed through singles, locked candidates and pairs: one that leads to a contradiction is false, and what every candidate of a cell or every place of a digit in a region leads to is true.</source>
        <translation>Annahmen, verfolgt über Einer, Reduktionen und Paare: eine, die zu einem Widerspruch führt, ist falsch, und wozu jeder Kandidat eines Feldes oder jeder Platz einer Ziffer in einer Einheit führt, ist wahr.</translation>
    </message>
    <message>
        <source>An assumption followed until it contradicts itself, and so false, where a candidate on the way may be false because its own assumption, made inside the first, contradicts itself too.</source>
        <translation>Eine Annahme, verfolgt bis sie sich selbst widerspricht und also falsch ist, wobei ein Kandidat unterwegs falsch sein kann, weil seine eigene Annahme, innerhalb der ersten getroffen, sich ebenfalls widerspricht.</translation>
    </message>
    <message>
        <source>A nested contradiction chain whose assumptions, the first and those inside it, are followed through singles, locked candidates and pairs.</source>
        <translation>Eine verschachtelte Widerspruchskette, deren Annahmen, die erste und die in ihr, über Einer, Reduktionen und Paare verfolgt werden.</translation>
    </message>
    <message>
        <source>Two cells {X,Y} that don&apos;t see each other, each seeing one end of a region where X has only two places: one of the ends is X, so one of the two cells is Y, and a cell that sees both loses Y.</source>
        <translation>Zwei Felder {X,Y}, die sich nicht sehen und je ein Ende einer Einheit sehen, in der X nur zwei Plätze hat: eines der Enden ist X, also ist eines der beiden Felder Y, und ein Feld, das beide sieht, verliert Y.</translation>
    </message>
    <message>
        <source>A chain of links in turn strong and weak that closes on itself: each weak link then has a true end, so the other candidates of its cell, or of its digit in its region, go.</source>
        <translation>Eine Kette abwechselnd starker und schwacher Verbindungen, die sich schließt: jede schwache Verbindung hat dann ein wahres Ende, also fallen die übrigen Kandidaten ihres Feldes oder ihrer Ziffer in ihrer Einheit.</translation>
    </message>
    <message>
        <source>Two almost-locked sets (N cells with N+1 digits) sharing a digit X whose places in both see each other: X is in one set at most, so a digit Z common to both is in one of them, and a cell that sees every Z of both loses it.</source>
        <translation>Zwei fast gesperrte Mengen (N Felder mit N+1 Ziffern) mit einer gemeinsamen Ziffer X, deren Plätze in beiden sich sehen: X ist in höchstens einer Menge, also ist eine beiden gemeinsame Ziffer Z in einer von ihnen, und ein Feld, das jedes Z beider sieht, verliert sie.</translation>
    </message>
    <message>
        <source>Cells in a rectangle of two rows, two columns and two blocks (or a longer loop through each of its regions twice) that hold the same two digits: were those all they could hold, the two digits could swap and the puzzle would have two solutions. A puzzle has one, so what keeps the pattern from being only those digits is true, and what would leave only them goes.</source>
        <translation>Felder in einem Rechteck aus zwei Zeilen, zwei Spalten und zwei Blöcken (oder in einer längeren Schleife, die jede ihrer Einheiten zweimal berührt) mit denselben zwei Ziffern: Könnten sie nur diese enthalten, ließen sich die zwei Ziffern vertauschen, und das Rätsel hätte zwei Lösungen. Es hat eine, also ist wahr, was das Muster davon abhält, nur diese Ziffern zu sein, und was nur sie übrig ließe, entfällt.</translation>
    </message>
    <message>
        <source>Were every open cell left with two candidates and every digit with two places in each region, the puzzle would have two solutions. A puzzle has one, so a candidate beyond that pattern is true, or at least one of them is.</source>
        <translation>Hätte jedes offene Feld zwei Kandidaten und jede Ziffer zwei Plätze in jeder Einheit, so hätte das Rätsel zwei Lösungen. Es hat eine, also ist ein Kandidat außerhalb dieses Musters wahr, oder wenigstens einer von ihnen.</translation>
    </message>
    <message>
        <source>Two (or three) cells take one digit each; a combination goes when it gives two of them that see each other one digit, or takes every candidate of a cell that sees all of them. A candidate that no combination left uses goes.</source>
        <translation>Zwei (oder drei) Felder nehmen je eine Ziffer; eine Kombination entfällt, wenn sie zwei Feldern, die einander sehen, dieselbe Ziffer gibt oder alle Kandidaten eines Feldes nimmt, das sie alle sieht. Ein Kandidat, den keine verbliebene Kombination nutzt, entfällt.</translation>
    </message>
    <message>
        <source>A loop of candidates, each linked to the next strongly (one of the two holds) and weakly (not both do), in turn: either every other candidate of the loop is true or the others are, so a candidate that sees one of each goes.</source>
        <translation>Eine Schleife von Kandidaten, jeder mit dem nächsten abwechselnd stark (einer der beiden gilt) und schwach (nicht beide) verbunden: Entweder ist jeder zweite Kandidat der Schleife wahr oder die anderen, also entfällt ein Kandidat, der von beiden einen sieht.</translation>
    </message>
    <message>
        <source>A candidate assumed true (or false) and followed through candidates linked strongly and weakly leads to its own opposite: so the opposite is true. An X-chain follows one digit only.</source>
        <translation>Ein als wahr (oder falsch) angenommener Kandidat führt über stark und schwach verbundene Kandidaten zu seinem eigenen Gegenteil: also gilt das Gegenteil. Eine X-Kette folgt nur einer Ziffer.</translation>
    </message>
    <message>
        <source>A digit assumed in a cell and followed through that digit&apos;s places alone leaves a region, a row or a column without a place for it: so it is not there.</source>
        <translation>Eine in einem Feld angenommene Ziffer, nur über die Plätze dieser Ziffer verfolgt, lässt einer Einheit keinen Platz für sie: also steht sie dort nicht.</translation>
    </message>
    <message>
        <source>Dynamic forcing chains whose branches, where their singles stall, also apply pointing, claiming, hidden and naked pairs and X-wings, each resting on candidates the branch has removed.</source>
        <translation>Dynamische Erzwingungsketten, deren Zweige dort, wo ihre Singles stocken, auch Block-Linien- und Linien-Block-Reduktionen, versteckte und nackte Paare und X-Wings anwenden, jeweils gestützt auf Kandidaten, die der Zweig entfernt hat.</translation>
    </message>
    <message>
        <source>Dynamic forcing chains plus whose branches, where nothing simpler goes on, apply whole chain rules inside: forcing chains; then cell and region forcing chains; then dynamic forcing chains; then those plus.</source>
        <translation>Dynamische Erzwingungsketten plus, deren Zweige dort, wo nichts Einfacheres weiterführt, ganze Kettenregeln in sich anwenden: Erzwingungsketten; dann Erzwingungsketten über ein Feld und eine Einheit; dann dynamische Erzwingungsketten; dann diese plus.</translation>
    </message>
</context>
</TS>
