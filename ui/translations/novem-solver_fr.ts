<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About NovemSolver</source>
        <translation>À propos de NovemSolver</translation>
    </message>
    <message>
        <source>NovemSolver Version 1.0</source>
        <translation>NovemSolver version 1.0</translation>
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
        <translation>&amp;Résoudre</translation>
    </message>
    <message>
        <source>&amp;Clear Grid</source>
        <translation>&amp;Vider la grille</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>How to enter a puzzle</source>
        <translation>Comment saisir une grille</translation>
    </message>
    <message>
        <source>&amp;Paste Puzzle</source>
        <translation>&amp;Coller la grille</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>Co&amp;pier la grille</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About NovemSolver...</source>
        <translation>À p&amp;ropos de NovemSolver…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Just edit as if you was entering the digits column by
column then line per line.
Use 0 to leave the current cell unchanged.
When you type a digit, the next cell gets the focus.</source>
        <translation>Saisissez les chiffres case après case,
colonne après colonne puis ligne après ligne.
Tapez 0 pour laisser la case telle quelle.
À chaque chiffre, la case suivante est activée.</translation>
    </message>
    <message>
        <source>To enter a puzzle, press Clear Grid and type its 81 cells row by row: a digit for a given, 0 for an empty cell. Every key moves on to the next cell; the arrow keys walk the grid, and a click selects a cell&apos;s digit so that typing replaces it.

Ctrl+V pastes a puzzle copied from elsewhere: 81 cells on one line, 0 or . for an empty cell, or 9 lines of 9. Ctrl+Shift+C copies the grid as one line.

Return solves the grid; Escape closes the program.</source>
        <translation>Pour saisir une grille, appuyez sur « Vider la grille » puis tapez ses 81 cases ligne par ligne : un chiffre pour une case donnée, 0 pour une case vide. Chaque touche passe à la case suivante ; les flèches déplacent dans la grille, et un clic sélectionne le chiffre d’une case pour que la frappe le remplace.

Ctrl+V colle une grille copiée ailleurs : 81 cases sur une ligne, 0 ou . pour une case vide, ou 9 lignes de 9. Ctrl+Maj+C copie la grille sur une seule ligne.

Entrée résout la grille ; Échap ferme le programme.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The solve was stopped by an error: %1</source>
        <translation>La résolution a été interrompue par une erreur : %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>SolveCommand</name>
    <message>
        <source>This grid has been solved successfuly!</source>
        <translation>Cette grille est résolue !</translation>
    </message>
    <message>
        <source>This grid is not solvable...</source>
        <translation>Cette grille n’est pas soluble…</translation>
    </message>
    <message>
        <source>Effective Cells updates</source>
        <translation>Cases effectivement modifiées</translation>
    </message>
    <message>
        <source>Effective &quot;Single Cell[card=%1]&quot; rules</source>
        <translation>Règles « Single Cell[card=%1] » effectives</translation>
    </message>
    <message>
        <source>Effective &quot;Dual Cells&quot; rules</source>
        <translation>Règles « Dual Cells » effectives</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Temps total</translation>
    </message>
    <message>
        <source>Solver Status</source>
        <translation>État de la résolution</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Could not open NovemSolver.txt for writing...</source>
        <translation>Impossible d’ouvrir NovemSolver.txt en écriture…</translation>
    </message>
    <message>
        <source>Could not write all of NovemSolver.txt: the run log is incomplete...</source>
        <translation>Impossible d’écrire NovemSolver.txt en entier : le journal est incomplet…</translation>
    </message>
</context>
</TS>
