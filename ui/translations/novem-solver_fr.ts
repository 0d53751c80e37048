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
        <translation>Pour saisir une grille, appuyez sur «&#xa0;Vider la grille&#xa0;» puis tapez ses 81 cases ligne par ligne&#xa0;: un chiffre pour une case donnée, 0 pour une case vide. Chaque touche passe à la case suivante&#xa0;; les flèches déplacent dans la grille, et un clic sélectionne le chiffre d’une case pour que la frappe le remplace.

Ctrl+V colle une grille copiée ailleurs&#xa0;: 81 cases sur une ligne, 0 ou . pour une case vide, ou 9 lignes de 9. Ctrl+Maj+C copie la grille sur une seule ligne.

Entrée résout la grille&#xa0;; Échap ferme le programme.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The solve was stopped by an error: %1</source>
        <translation>La résolution a été interrompue par une erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>Afficher la s&amp;olution</translation>
    </message>
</context>
<context>
    <name>SolveCommand</name>
    <message>
        <source>This grid has been solved successfuly!</source>
        <translation>Cette grille est résolue&#xa0;!</translation>
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
        <translation>Règles «&#xa0;Single Cell[card=%1]&#xa0;» effectives</translation>
    </message>
    <message>
        <source>Effective &quot;Dual Cells&quot; rules</source>
        <translation>Règles «&#xa0;Dual Cells&#xa0;» effectives</translation>
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
        <translation>Impossible d’écrire NovemSolver.txt en entier&#xa0;: le journal est incomplet…</translation>
    </message>
    <message>
        <source>The grid has no solution at all: its digits contradict each other.</source>
        <translation>La grille n’a aucune solution : ses chiffres se contredisent.</translation>
    </message>
    <message>
        <source>The grid has exactly one solution, but the rules leave %1 cells open. &quot;Show Solution&quot; in the menu fills them in.</source>
        <translation>La grille a exactement une solution, mais les règles laissent %1 cases ouvertes. « Afficher la solution » dans le menu les remplit.</translation>
    </message>
    <message>
        <source>The grid has more than one solution, so no reasoning can decide it: it is not a proper puzzle.</source>
        <translation>La grille a plus d’une solution : aucun raisonnement ne peut la trancher, ce n’est pas une vraie grille.</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Afficher la solution</translation>
    </message>
    <message>
        <source>The grid has no solution at all, so there is none to show.</source>
        <translation>La grille n’a aucune solution : il n’y en a donc aucune à afficher.</translation>
    </message>
    <message>
        <source>The grid has more than one solution, so there is no one solution to show.</source>
        <translation>La grille a plus d’une solution : il n’y en a donc pas une seule à afficher.</translation>
    </message>
</context>
</TS>
