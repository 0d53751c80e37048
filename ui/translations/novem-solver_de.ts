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
        <translation>&amp;Lösung zeigen</translation>
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
        <source>The grid has no solution at all: its digits contradict each other.</source>
        <translation>Das Rätsel hat überhaupt keine Lösung: Seine Ziffern widersprechen einander.</translation>
    </message>
    <message>
        <source>The grid has exactly one solution, but the rules leave %1 cells open. &quot;Show Solution&quot; in the menu fills them in.</source>
        <translation>Das Rätsel hat genau eine Lösung, doch die Regeln lassen %1 Felder offen. „Lösung zeigen“ im Menü füllt sie aus.</translation>
    </message>
    <message>
        <source>The grid has more than one solution, so no reasoning can decide it: it is not a proper puzzle.</source>
        <translation>Das Rätsel hat mehr als eine Lösung, also kann keine Überlegung es entscheiden: Es ist kein eindeutiges Rätsel.</translation>
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
</TS>
