<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Booklet</name>
    <message>
        <source>Solutions</source>
        <translation>Solutions</translation>
    </message>
    <message>
        <source>Puzzle %1</source>
        <translation>Grille %1</translation>
    </message>
    <message>
        <source>no single solution</source>
        <translation>pas de solution unique</translation>
    </message>
    <message>
        <source>level %1 · ER %2</source>
        <translation>niveau %1 · ER %2</translation>
    </message>
    <message>
        <source>Solution %1</source>
        <translation>Solution %1</translation>
    </message>
</context>
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

Ctrl+V pastes a puzzle copied from elsewhere: 81 cells on one line, 0 or . for an empty cell, or 9 lines of 9. A position with pencil marks (729 places, a grid of candidates) fills in its decided cells, and Step by Step keeps its candidates. Ctrl+Shift+C copies the grid as one line.

Return solves the grid; Escape closes the program.</source>
        <translation>Pour saisir une grille, appuyez sur «&#xa0;Vider la grille&#xa0;» puis tapez ses 81 cases ligne par ligne&#xa0;: un chiffre pour une case donnée, 0 pour une case vide. Chaque touche passe à la case suivante&#xa0;; les flèches déplacent dans la grille, et un clic sélectionne le chiffre d’une case pour que la frappe le remplace.

Ctrl+V colle une grille copiée ailleurs&#xa0;: 81 cases sur une ligne, 0 ou . pour une case vide, ou 9 lignes de 9. Une position avec ses candidats (729 places, une grille de candidats) remplit ses cases décidées, et Pas à pas garde ses candidats. Ctrl+Maj+C copie la grille sur une seule ligne.

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
    <message>
        <source>S&amp;tep by Step</source>
        <translation>Pas à pa&amp;s</translation>
    </message>
    <message>
        <source>&amp;New Puzzle...</source>
        <translation>&amp;Nouvelle grille...</translation>
    </message>
    <message>
        <source>The grid holds the position&apos;s decided cells; Step by Step keeps its candidates.</source>
        <translation>La grille reçoit les cases décidées de la position&#xa0;; Pas à pas garde ses candidats.</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>E&amp;xporter en PDF...</translation>
    </message>
    <message>
        <source>Print Pu&amp;zzles...</source>
        <translation>Imprimer &amp;des grilles...</translation>
    </message>
</context>
<context>
    <name>GridView</name>
    <message>
        <source>candidates %1</source>
        <translation>candidats %1</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1, entered, not the solution&apos;s</source>
        <translation>%1, saisi, pas celui de la solution</translation>
    </message>
    <message>
        <source>%1, given</source>
        <translation>%1, donné</translation>
    </message>
    <message>
        <source>%1, entered</source>
        <translation>%1, saisi</translation>
    </message>
    <message>
        <source>%1, solved</source>
        <translation>%1, résolu</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
</context>
<context>
    <name>Ladder</name>
    <message>
        <source>singles only</source>
        <translation>singletons seulement</translation>
    </message>
    <message>
        <source>needs locked candidates</source>
        <translation>demande des candidats verrouillés</translation>
    </message>
    <message>
        <source>needs subsets</source>
        <translation>demande des sous-ensembles</translation>
    </message>
    <message>
        <source>needs fish</source>
        <translation>demande des poissons</translation>
    </message>
    <message>
        <source>needs single-digit patterns</source>
        <translation>demande des motifs à un chiffre</translation>
    </message>
    <message>
        <source>needs wings</source>
        <translation>demande des ailes</translation>
    </message>
    <message>
        <source>needs colouring</source>
        <translation>demande du coloriage</translation>
    </message>
    <message>
        <source>needs chains</source>
        <translation>demande des chaînes</translation>
    </message>
    <message>
        <source>needs finned fish</source>
        <translation>demande des poissons à aileron</translation>
    </message>
    <message>
        <source>needs almost-locked sets</source>
        <translation>demande des ensembles presque verrouillés</translation>
    </message>
    <message>
        <source>needs forcing chains</source>
        <translation>demande des chaînes de déduction forcée</translation>
    </message>
    <message>
        <source>beyond these techniques</source>
        <translation>au-delà de ces techniques</translation>
    </message>
    <message>
        <source>needs dynamic forcing chains</source>
        <translation>demande des chaînes de déduction forcée dynamiques</translation>
    </message>
    <message>
        <source>needs nested forcing chains</source>
        <translation>demande des chaînes de contradiction imbriquées</translation>
    </message>
    <message>
        <source>needs uniqueness</source>
        <translation>demande l&apos;unicité</translation>
    </message>
    <message>
        <source>needs aligned exclusion</source>
        <translation>demande l&apos;exclusion alignée</translation>
    </message>
</context>
<context>
    <name>NewPuzzleDialog</name>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>New Puzzle</source>
        <translation>Nouvelle grille</translation>
    </message>
    <message>
        <source>Any level</source>
        <translation>Tout niveau</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Any technique</source>
        <translation>Toute technique</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Niveau&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Technique to practise:</source>
        <translation>&amp;Technique à pratiquer&#xa0;:</translation>
    </message>
    <message>
        <source>Making a puzzle...</source>
        <translation>Création d’une grille...</translation>
    </message>
    <message>
        <source>Print Puzzles</source>
        <translation>Imprimer des grilles</translation>
    </message>
    <message>
        <source>&amp;Solutions on pages at the back</source>
        <translation>&amp;Solutions sur des pages à la fin</translation>
    </message>
    <message>
        <source>&amp;Puzzles:</source>
        <translation>&amp;Grilles&#xa0;:</translation>
    </message>
    <message>
        <source>Puzzles a p&amp;age:</source>
        <translation>Grilles par p&amp;age&#xa0;:</translation>
    </message>
    <message>
        <source>T&amp;itle:</source>
        <translation>T&amp;itre&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>Tried %n puzzle(s), %1 a second...</source>
        <translation>
            <numerusform>%n grille essayée, %1 par seconde...</numerusform>
            <numerusform>%n grilles essayées, %1 par seconde...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Made %1 of %2; tried %n puzzle(s), %3 a second...</source>
        <translation>
            <numerusform>%1 sur %2 faites&#xa0;; %n grille essayée, %3 par seconde...</numerusform>
            <numerusform>%1 sur %2 faites&#xa0;; %n grilles essayées, %3 par seconde...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintPages</name>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Enregistré dans %1.</translation>
    </message>
    <message>
        <source>Could not save to %1: %2</source>
        <translation>Impossible d’enregistrer dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PuzzleProblem</name>
    <message>
        <source>%1 cells: a puzzle has 81.</source>
        <translation>%1 cases&#xa0;: une grille en a 81.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no cell: cells are 1 to 9, and 0 or . for an empty one.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une case&#xa0;: les cases sont 1 à 9, et 0 ou . pour une case vide.</translation>
    </message>
    <message>
        <source>%1 lines: a puzzle is one line of 81 cells, or 9 lines of 9.</source>
        <translation>%1 lignes&#xa0;: une grille est une ligne de 81 cases, ou 9 lignes de 9.</translation>
    </message>
    <message>
        <source>Line %1 has %2 cells: each of the 9 lines has 9.</source>
        <translation>La ligne %1 a %2 cases&#xa0;: chacune des 9 lignes en a 9.</translation>
    </message>
    <message>
        <source>%1 cells: a grid of candidates has 729, nine for each cell.</source>
        <translation>%1 cases&#xa0;: une grille de candidats en a 729, neuf par case.</translation>
    </message>
    <message>
        <source>The grid of candidates has %1 rows: it needs 9.</source>
        <translation>La grille de candidats a %1 lignes&#xa0;: il en faut 9.</translation>
    </message>
    <message>
        <source>Row %1 of the grid of candidates has %2 cells: each row has 9.</source>
        <translation>La ligne %1 de la grille de candidats a %2 cases&#xa0;: chaque ligne en a 9.</translation>
    </message>
    <message>
        <source>The code has %1 characters where it needs %2.</source>
        <translation>Le code a %1 caractères là où il en faut %2.</translation>
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
        <source>An exact search finds no solution at all: the digits contradict each other.</source>
        <translation>Une recherche exhaustive ne trouve aucune solution&#xa0;: les chiffres se contredisent.</translation>
    </message>
    <message>
        <source>The rules stop here, with %1 cells open; an exact search finds exactly one solution. &quot;Show Solution&quot; in the menu fills them in.</source>
        <translation>Les règles s’arrêtent ici, %1 cases restent ouvertes&#xa0;; une recherche exhaustive trouve exactement une solution. «&#xa0;Afficher la solution&#xa0;» dans le menu les remplit.</translation>
    </message>
    <message>
        <source>The rules stop here; an exact search finds more than one solution, so no reasoning can decide the grid: it is not a proper puzzle.</source>
        <translation>Les règles s’arrêtent ici&#xa0;; une recherche exhaustive trouve plus d’une solution, aucun raisonnement ne peut donc trancher la grille&#xa0;: ce n’est pas une vraie grille.</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Afficher la solution</translation>
    </message>
    <message>
        <source>The grid has no solution at all, so there is none to show.</source>
        <translation>La grille n’a aucune solution&#xa0;: il n’y en a donc aucune à afficher.</translation>
    </message>
    <message>
        <source>The grid has more than one solution, so there is no one solution to show.</source>
        <translation>La grille a plus d’une solution&#xa0;: il n’y en a donc pas une seule à afficher.</translation>
    </message>
</context>
<context>
    <name>Step</name>
    <message>
        <source>step</source>
        <translation>étape</translation>
    </message>
    <message>
        <source>block</source>
        <translation>bloc</translation>
    </message>
    <message>
        <source>row</source>
        <translation>ligne</translation>
    </message>
    <message>
        <source>column</source>
        <translation>colonne</translation>
    </message>
    <message>
        <source>blocks</source>
        <translation>blocs</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>lignes</translation>
    </message>
    <message>
        <source>columns</source>
        <translation>colonnes</translation>
    </message>
    <message>
        <source>in</source>
        <translation>dans</translation>
    </message>
    <message>
        <source>removes</source>
        <translation>élimine</translation>
    </message>
    <message>
        <source>from</source>
        <translation>de</translation>
    </message>
    <message>
        <source>places</source>
        <translation>place</translation>
    </message>
    <message>
        <source>fins</source>
        <translation>ailerons</translation>
    </message>
    <message>
        <source>pivot</source>
        <translation>pivot</translation>
    </message>
    <message>
        <source>pincers</source>
        <translation>pinces</translation>
    </message>
    <message>
        <source>linked by</source>
        <translation>reliées par</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>via</source>
        <translation>via</translation>
    </message>
    <message>
        <source>restricted</source>
        <translation>restreints</translation>
    </message>
    <message>
        <source>if</source>
        <translation>si</translation>
    </message>
    <message>
        <source>then</source>
        <translation>alors</translation>
    </message>
    <message>
        <source>not</source>
        <translation>non</translation>
    </message>
    <message>
        <source>a contradiction</source>
        <translation>une contradiction</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>type</source>
        <translation>type</translation>
    </message>
    <message>
        <source>with</source>
        <translation>avec</translation>
    </message>
    <message>
        <source>excluded by</source>
        <translation>exclus par</translation>
    </message>
</context>
<context>
    <name>StepList</name>
    <message numerus="yes">
        <source>%n singles and locked candidates, step %1</source>
        <translation>
            <numerusform>%n singleton ou interaction, étape %1</numerusform>
            <numerusform>%n singletons et interactions, étape %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n singles and locked candidates, steps %1 to %2</source>
        <translation>
            <numerusform>%n singleton ou interaction, étapes %1 à %2</numerusform>
            <numerusform>%n singletons et interactions, étapes %1 à %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
</context>
<context>
    <name>StepWindow</name>
    <message>
        <source>Puzzles (*.txt *.sdk *.ss)</source>
        <translation>Grilles (*.txt *.sdk *.ss)</translation>
    </message>
    <message>
        <source>Step by Step</source>
        <translation>Pas à pas</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>&amp;First</source>
        <translation>&amp;Première</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>P&amp;récédente</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <translation>&amp;Dernière</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>My &amp;Grid</source>
        <translation>M&amp;a grille</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>Afficher la s&amp;olution</translation>
    </message>
    <message>
        <source>Working out the steps</source>
        <translation>Calcul des étapes</translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <translation>&amp;Grille</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle...</source>
        <translation>&amp;Ouvrir une grille...</translation>
    </message>
    <message>
        <source>&amp;Save Puzzle...</source>
        <translation>&amp;Enregistrer la grille...</translation>
    </message>
    <message>
        <source>P&amp;revious Puzzle</source>
        <translation>Grille p&amp;récédente</translation>
    </message>
    <message>
        <source>Ne&amp;xt Puzzle</source>
        <translation>Grille su&amp;ivante</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copier l’image</translation>
    </message>
    <message>
        <source>Save P&amp;icture...</source>
        <translation>Enregistrer l’i&amp;mage...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>No hint: the ladder has no next step from this grid.</source>
        <translation>Pas d’indice&#xa0;: l’échelle n’a pas d’étape suivante depuis cette grille.</translation>
    </message>
    <message>
        <source>Applied: %1</source>
        <translation>Appliqué&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Indice&#xa0;: %1</translation>
    </message>
    <message>
        <source>The search is not done yet.</source>
        <translation>La recherche n’est pas encore terminée.</translation>
    </message>
    <message>
        <source>The solution is shown: Undo takes it back.</source>
        <translation>La solution est affichée&#xa0;: Annuler la retire.</translation>
    </message>
    <message>
        <source>The grid has no solution at all, so there is none to show.</source>
        <translation>La grille n’a aucune solution&#xa0;: il n’y en a donc aucune à afficher.</translation>
    </message>
    <message>
        <source>The grid has more than one solution, so there is no one solution to show.</source>
        <translation>La grille a plus d’une solution&#xa0;: il n’y en a donc pas une seule à afficher.</translation>
    </message>
    <message>
        <source>Open Puzzle</source>
        <translation>Ouvrir une grille</translation>
    </message>
    <message>
        <source>%1 holds no puzzle.</source>
        <translation>%1 ne contient aucune grille.</translation>
    </message>
    <message>
        <source>Save Puzzle</source>
        <translation>Enregistrer la grille</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Enregistré dans %1.</translation>
    </message>
    <message>
        <source>Could not save to %1: %2</source>
        <translation>Impossible d’enregistrer dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The picture is in the clipboard.</source>
        <translation>L’image est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation>Image PNG (*.png);;Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>Could not save to %1.</source>
        <translation>Impossible d’enregistrer dans %1.</translation>
    </message>
    <message>
        <source>What was dropped holds no puzzle.</source>
        <translation>Ce qui a été déposé ne contient aucune grille.</translation>
    </message>
    <message>
        <source>Working out the steps...</source>
        <translation>Calcul des étapes...</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s), level %1: %2</source>
        <translation>
            <numerusform>%n étape, niveau %1&#xa0;: %2</numerusform>
            <numerusform>%n étapes, niveau %1&#xa0;: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>, rated %1/%2/%3 (ER: %4)</source>
        <translation>, note&#xa0;%1/%2/%3 (ER&#xa0;: %4)</translation>
    </message>
    <message>
        <source>. Exactly one solution.</source>
        <translation>. Exactement une solution.</translation>
    </message>
    <message>
        <source>&amp;New Puzzle...</source>
        <translation>&amp;Nouvelle grille...</translation>
    </message>
    <message>
        <source>&amp;Paste Puzzle</source>
        <translation>&amp;Coller la grille</translation>
    </message>
    <message>
        <source>Copy P&amp;uzzle</source>
        <translation>Copier la &amp;grille</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <translation>Le presse-papiers ne contient aucune grille.</translation>
    </message>
    <message>
        <source>The puzzle is in the clipboard.</source>
        <translation>La grille est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n de plus</numerusform>
            <numerusform>%n de plus</numerusform>
        </translation>
    </message>
    <message>
        <source>Step by Step: %1</source>
        <translation>Pas à pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not puzzles: %1</source>
        <translation>Pas des grilles&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Impossible d’ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2: </source>
        <translation>Grille %1 sur %2&#xa0;: </translation>
    </message>
    <message>
        <source>Hint: %1 and %2 hold the same digit, so the grid has no solution.</source>
        <translation>Indice&#xa0;: %1 et %2 contiennent le même chiffre, la grille n’a donc aucune solution.</translation>
    </message>
    <message>
        <source>Hint: the digit in %1 is not the solution&apos;s.</source>
        <translation>Indice&#xa0;: le chiffre de %1 n’est pas celui de la solution.</translation>
    </message>
    <message>
        <source>Hint: the grid has no solution at all.</source>
        <translation>Indice&#xa0;: la grille n’a aucune solution.</translation>
    </message>
    <message>
        <source>Hint: the grid has more than one solution, so no step can decide it.</source>
        <translation>Indice&#xa0;: la grille a plus d’une solution, aucune étape ne peut donc la trancher.</translation>
    </message>
    <message>
        <source>No solution at all, so no level.</source>
        <translation>Aucune solution, donc pas de niveau.</translation>
    </message>
    <message>
        <source>More than one solution, so no level.</source>
        <translation>Plus d’une solution, donc pas de niveau.</translation>
    </message>
    <message>
        <source>Step in full</source>
        <translation>Étape en entier</translation>
    </message>
    <message>
        <source>Branch drawn</source>
        <translation>Branche dessinée</translation>
    </message>
    <message>
        <source>Branch %1 of %2: if %3</source>
        <translation>Branche %1 sur %2&#xa0;: si %3</translation>
    </message>
    <message>
        <source>Pale yellow: where the step looks, a fish&apos;s base. Orange: the cells it rests on, a fish&apos;s corners, a chain&apos;s cells, a pivot. Blue: the rest of it, a fish&apos;s covers, pincers, a second set; green, a third. Salmon: fins. Solid lines: strong links; dashed: weak ones. Struck out in red: what it removes; in green: what it places. A forcing chain&apos;s branch, chosen above the step: its assumption ringed twice, each candidate on its way ringed, with an arrow from the one that decided it (solid to one made true, dashed to one made false); ringed in red: where it contradicts itself.</source>
        <translation>Jaune pâle&#xa0;: où l’étape regarde, la base d’un poisson. Orange&#xa0;: les cases sur lesquelles elle repose, les coins d’un poisson, les cases d’une chaîne, un pivot. Bleu&#xa0;: le reste, la couverture d’un poisson, les pinces, un deuxième ensemble&#xa0;; vert, un troisième. Saumon&#xa0;: les ailerons. Traits pleins&#xa0;: liens forts&#xa0;; pointillés&#xa0;: liens faibles. Barré en rouge&#xa0;: ce qu’elle élimine&#xa0;; en vert&#xa0;: ce qu’elle place. La branche d’une chaîne de forçage, choisie au-dessus de l’étape&#xa0;: son hypothèse cerclée deux fois, chaque candidat sur son chemin cerclé, avec une flèche depuis celui qui l’a décidé (pleine vers un candidat rendu vrai, pointillée vers un candidat rendu faux)&#xa0;; cerclé en rouge&#xa0;: là où elle se contredit.</translation>
    </message>
    <message>
        <source>A forcing chain&apos;s branches are chosen here</source>
        <translation>Les branches d’une chaîne de forçage se choisissent ici</translation>
    </message>
    <message>
        <source>Hint: %1, somewhere in the grid.</source>
        <translation>Indice&#xa0;: %1, quelque part dans la grille.</translation>
    </message>
    <message>
        <source>Hint: %1 in %2, where the grid is marked.</source>
        <translation>Indice&#xa0;: %1 (%2), là où la grille est marquée.</translation>
    </message>
    <message>
        <source>Hint: %1 on the marked cells, %2.</source>
        <translation>Indice&#xa0;: %1 sur les cases marquées, %2.</translation>
    </message>
    <message>
        <source>&amp;Branch:</source>
        <translation>&amp;Branche&#xa0;:</translation>
    </message>
    <message>
        <source>Copy with C&amp;andidates</source>
        <translation>Copier avec les c&amp;andidats</translation>
    </message>
    <message>
        <source>Copy Candidate &amp;Grid</source>
        <translation>Copier la grille de candida&amp;ts</translation>
    </message>
    <message>
        <source>The puzzle is in the clipboard with its candidates.</source>
        <translation>La grille est dans le presse-papiers avec ses candidats.</translation>
    </message>
    <message>
        <source>The grid of candidates is in the clipboard.</source>
        <translation>La grille de candidats est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Prin&amp;t...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Aperçu avant im&amp;pression...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>E&amp;xporter en PDF...</translation>
    </message>
    <message>
        <source>Print Candidates and &amp;Marks</source>
        <translation>Imprimer les candidats et les &amp;marques</translation>
    </message>
    <message>
        <source>Print Pu&amp;zzles...</source>
        <translation>Imprimer &amp;des grilles...</translation>
    </message>
</context>
<context>
    <name>Technique</name>
    <message>
        <source>X-wing</source>
        <translation>X-wing</translation>
    </message>
    <message>
        <source>swordfish</source>
        <translation>espadon</translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation>méduse</translation>
    </message>
    <message>
        <source>skyscraper</source>
        <translation>gratte-ciel</translation>
    </message>
    <message>
        <source>two-string kite</source>
        <translation>cerf-volant</translation>
    </message>
    <message>
        <source>turbot fish</source>
        <translation>turbot</translation>
    </message>
    <message>
        <source>XY-wing</source>
        <translation>XY-wing</translation>
    </message>
    <message>
        <source>XYZ-wing</source>
        <translation>XYZ-wing</translation>
    </message>
    <message>
        <source>W-wing</source>
        <translation>W-wing</translation>
    </message>
    <message>
        <source>colour trap</source>
        <translation>piège de couleurs</translation>
    </message>
    <message>
        <source>colour wrap</source>
        <translation>contradiction de couleurs</translation>
    </message>
    <message>
        <source>X-chain</source>
        <translation>chaîne X</translation>
    </message>
    <message>
        <source>XY-chain</source>
        <translation>chaîne XY</translation>
    </message>
    <message>
        <source>alternating inference chain</source>
        <translation>chaîne d’inférences alternées</translation>
    </message>
    <message>
        <source>continuous nice loop</source>
        <translation>boucle continue</translation>
    </message>
    <message>
        <source>discontinuous nice loop</source>
        <translation>boucle discontinue</translation>
    </message>
    <message>
        <source>finned X-wing</source>
        <translation>X-wing à aileron</translation>
    </message>
    <message>
        <source>finned swordfish</source>
        <translation>espadon à aileron</translation>
    </message>
    <message>
        <source>finned jellyfish</source>
        <translation>méduse à aileron</translation>
    </message>
    <message>
        <source>sashimi X-wing</source>
        <translation>X-wing sashimi</translation>
    </message>
    <message>
        <source>sashimi swordfish</source>
        <translation>espadon sashimi</translation>
    </message>
    <message>
        <source>sashimi jellyfish</source>
        <translation>méduse sashimi</translation>
    </message>
    <message>
        <source>ALS-XZ</source>
        <translation>ALS-XZ</translation>
    </message>
    <message>
        <source>ALS-XY-wing</source>
        <translation>ALS-XY-wing</translation>
    </message>
    <message>
        <source>cell forcing chain</source>
        <translation>chaîne de déduction forcée sur une case</translation>
    </message>
    <message>
        <source>region forcing chain</source>
        <translation>chaîne de déduction forcée sur une région</translation>
    </message>
    <message>
        <source>naked single</source>
        <translation>singleton nu</translation>
    </message>
    <message>
        <source>naked pair</source>
        <translation>paire nue</translation>
    </message>
    <message>
        <source>naked triple</source>
        <translation>triplet nu</translation>
    </message>
    <message>
        <source>naked quad</source>
        <translation>quadruplet nu</translation>
    </message>
    <message>
        <source>hidden single</source>
        <translation>singleton caché</translation>
    </message>
    <message>
        <source>hidden pair</source>
        <translation>paire cachée</translation>
    </message>
    <message>
        <source>hidden triple</source>
        <translation>triplet caché</translation>
    </message>
    <message>
        <source>hidden quad</source>
        <translation>quadruplet caché</translation>
    </message>
    <message>
        <source>pointing</source>
        <translation>interaction bloc-ligne</translation>
    </message>
    <message>
        <source>claiming</source>
        <translation>interaction ligne-bloc</translation>
    </message>
    <message>
        <source>dynamic contradiction chain</source>
        <translation>chaîne de contradiction dynamique</translation>
    </message>
    <message>
        <source>dynamic cell forcing chain</source>
        <translation>chaîne de déduction forcée dynamique sur une case</translation>
    </message>
    <message>
        <source>dynamic region forcing chain</source>
        <translation>chaîne de déduction forcée dynamique sur une région</translation>
    </message>
    <message>
        <source>nested contradiction chain</source>
        <translation>chaîne de contradiction imbriquée</translation>
    </message>
    <message>
        <source>dynamic nested contradiction chain</source>
        <translation>chaîne de contradiction imbriquée dynamique</translation>
    </message>
    <message>
        <source>unique rectangle</source>
        <translation>rectangle unique</translation>
    </message>
    <message>
        <source>unique loop</source>
        <translation>boucle unique</translation>
    </message>
    <message>
        <source>bivalue universal grave</source>
        <translation>BUG (tombe universelle bivalente)</translation>
    </message>
    <message>
        <source>aligned pair exclusion</source>
        <translation>exclusion de paire alignée</translation>
    </message>
    <message>
        <source>aligned triplet exclusion</source>
        <translation>exclusion de triplet aligné</translation>
    </message>
    <message>
        <source>bidirectional X-cycle</source>
        <translation>cycle X bidirectionnel</translation>
    </message>
    <message>
        <source>bidirectional Y-cycle</source>
        <translation>cycle Y bidirectionnel</translation>
    </message>
    <message>
        <source>bidirectional cycle</source>
        <translation>cycle bidirectionnel</translation>
    </message>
    <message>
        <source>forcing X-chain</source>
        <translation>chaîne X forcée</translation>
    </message>
    <message>
        <source>forcing chain</source>
        <translation>chaîne forcée</translation>
    </message>
    <message>
        <source>Nishio forcing chain</source>
        <translation>chaîne forcée de Nishio</translation>
    </message>
    <message>
        <source>dynamic double forcing chain</source>
        <translation>chaîne de déduction forcée dynamique double</translation>
    </message>
    <message>
        <source>dynamic forcing chain plus</source>
        <translation>chaîne forcée dynamique plus</translation>
    </message>
    <message>
        <source>nested forcing chain</source>
        <translation>chaîne forcée imbriquée</translation>
    </message>
    <message>
        <source>nested multiple forcing chain</source>
        <translation>chaîne forcée multiple imbriquée</translation>
    </message>
    <message>
        <source>nested dynamic forcing chain</source>
        <translation>chaîne forcée dynamique imbriquée</translation>
    </message>
    <message>
        <source>nested dynamic forcing chain plus</source>
        <translation>chaîne forcée dynamique plus imbriquée</translation>
    </message>
</context>
<context>
    <name>TechniqueHelp</name>
    <message>
        <source>A cell with one candidate left: that digit goes there, and its row, column and block lose it.</source>
        <translation>Une case qui n’a plus qu’un candidat&#xa0;: ce chiffre y va, et sa ligne, sa colonne et son bloc le perdent.</translation>
    </message>
    <message>
        <source>A digit with one place left in a row, column or block: it goes there, whatever else that cell could hold.</source>
        <translation>Un chiffre qui n’a plus qu’une place dans une ligne, une colonne ou un bloc&#xa0;: il y va, quoi que la case puisse contenir d’autre.</translation>
    </message>
    <message>
        <source>Two, three or four cells of a region whose candidates are only as many digits: those digits fill those cells, so the region&apos;s other cells lose them.</source>
        <translation>Deux, trois ou quatre cases d’une région dont les candidats ne sont qu’autant de chiffres&#xa0;: ces chiffres remplissent ces cases, donc les autres cases de la région les perdent.</translation>
    </message>
    <message>
        <source>Two, three or four digits that have their places in a region in only as many cells: those cells hold those digits, so they lose every other candidate.</source>
        <translation>Deux, trois ou quatre chiffres qui n’ont leurs places dans une région que dans autant de cases&#xa0;: ces cases contiennent ces chiffres, donc elles perdent tout autre candidat.</translation>
    </message>
    <message>
        <source>In a block, a digit&apos;s places all lie in one row or column: the digit is there within the block, so the rest of that line loses it.</source>
        <translation>Dans un bloc, toutes les places d’un chiffre sont sur une ligne ou une colonne&#xa0;: le chiffre y est dans le bloc, donc le reste de cette ligne le perd.</translation>
    </message>
    <message>
        <source>In a row or column, a digit&apos;s places all lie in one block: the digit is there within the line, so the rest of that block loses it.</source>
        <translation>Dans une ligne ou une colonne, toutes les places d’un chiffre sont dans un bloc&#xa0;: le chiffre y est dans la ligne, donc le reste de ce bloc le perd.</translation>
    </message>
    <message>
        <source>In two rows a digit has its places in the same two columns: it stands at two opposite corners, one in each column, so the columns&apos; other cells lose it. The same holds with rows and columns swapped.</source>
        <translation>Dans deux lignes, un chiffre a ses places dans les deux mêmes colonnes&#xa0;: il est à deux coins opposés, un dans chaque colonne, donc les autres cases des colonnes le perdent. De même en échangeant lignes et colonnes.</translation>
    </message>
    <message>
        <source>An X-wing of three: in three rows a digit&apos;s places lie in three columns, so the digit fills those columns from these rows and their other cells lose it.</source>
        <translation>Un X-wing à trois&#xa0;: dans trois lignes, les places d’un chiffre sont dans trois colonnes, donc le chiffre remplit ces colonnes depuis ces lignes et leurs autres cases le perdent.</translation>
    </message>
    <message>
        <source>An X-wing of four: in four rows a digit&apos;s places lie in four columns, so their other cells lose it.</source>
        <translation>Un X-wing à quatre&#xa0;: dans quatre lignes, les places d’un chiffre sont dans quatre colonnes, donc leurs autres cases le perdent.</translation>
    </message>
    <message>
        <source>Two rows (or columns) where a digit has two places each, one end of each in the same column: the digit is at one of the two other ends, so a cell that sees both loses it.</source>
        <translation>Deux lignes (ou colonnes) où un chiffre a deux places chacune, un bout de chacune dans la même colonne&#xa0;: le chiffre est à l’un des deux autres bouts, donc une case qui voit les deux le perd.</translation>
    </message>
    <message>
        <source>A digit with two places in a row and two in a column, one of each in the same block: it is at one of the two far ends, so a cell that sees both loses it.</source>
        <translation>Un chiffre avec deux places dans une ligne et deux dans une colonne, une de chaque dans le même bloc&#xa0;: il est à l’un des deux bouts éloignés, donc une case qui voit les deux le perd.</translation>
    </message>
    <message>
        <source>Four places of one digit linked strong, weak, strong: it is at one of the two ends, so a cell that sees both ends loses it.</source>
        <translation>Quatre places d’un chiffre reliées fort, faible, fort&#xa0;: il est à l’un des deux bouts, donc une case qui voit les deux bouts le perd.</translation>
    </message>
    <message>
        <source>A pivot cell {X,Y} sees two pincers {X,Z} and {Y,Z}: whichever digit the pivot takes, one pincer is Z, so a cell that sees both pincers loses Z.</source>
        <translation>Une case pivot {X,Y} voit deux pinces {X,Z} et {Y,Z}&#xa0;: quel que soit le chiffre du pivot, une pince vaut Z, donc une case qui voit les deux pinces perd Z.</translation>
    </message>
    <message>
        <source>A pivot cell {X,Y,Z} sees two pincers {X,Z} and {Y,Z}: one of the three is Z, so a cell that sees all three loses Z.</source>
        <translation>Une case pivot {X,Y,Z} voit deux pinces {X,Z} et {Y,Z}&#xa0;: l’une des trois cases vaut Z, donc une case qui voit les trois perd Z.</translation>
    </message>
    <message>
        <source>A digit&apos;s places that come in pairs (a region with two places) are coloured in turn with two colours, and one colour is the digit&apos;s. A cell that sees both colours loses it.</source>
        <translation>Les places d’un chiffre qui vont par paires (une région à deux places) sont coloriées tour à tour de deux couleurs, et l’une des couleurs est celle du chiffre. Une case qui voit les deux couleurs le perd.</translation>
    </message>
    <message>
        <source>A digit&apos;s paired places coloured in turn: where two cells of one colour see each other, that colour is wrong and all its cells lose the digit.</source>
        <translation>Les places d’un chiffre par paires coloriées tour à tour&#xa0;: là où deux cases de la même couleur se voient, cette couleur est fausse et toutes ses cases perdent le chiffre.</translation>
    </message>
    <message>
        <source>A chain of one digit&apos;s places whose links are in turn strong (one of the two holds it) and weak (not both do): one end holds it, so a cell that sees both ends loses it.</source>
        <translation>Une chaîne de places d’un chiffre dont les liens sont tour à tour forts (l’une des deux le contient) et faibles (pas les deux)&#xa0;: un bout le contient, donc une case qui voit les deux bouts le perd.</translation>
    </message>
    <message>
        <source>A chain of cells with two candidates, each sharing a digit with the next: if the first cell is not X the last one is, so a cell that sees both ends loses X.</source>
        <translation>Une chaîne de cases à deux candidats, chacune partageant un chiffre avec la suivante&#xa0;: si la première case ne vaut pas X, la dernière le vaut, donc une case qui voit les deux bouts perd X.</translation>
    </message>
    <message>
        <source>A chain of candidates through cells and regions whose links are in turn strong and weak: one of its two ends is true, so a candidate that sees both goes.</source>
        <translation>Une chaîne de candidats à travers cases et régions dont les liens sont tour à tour forts et faibles&#xa0;: l’un de ses deux bouts est vrai, donc un candidat qui voit les deux tombe.</translation>
    </message>
    <message>
        <source>A loop of links in turn strong and weak but for one place, where two links of a kind meet: the candidate there is proven true or false.</source>
        <translation>Une boucle de liens tour à tour forts et faibles sauf en un point, où deux liens de même sorte se rejoignent&#xa0;: le candidat de ce point est prouvé vrai ou faux.</translation>
    </message>
    <message>
        <source>A fish with extra places, the fins, in one block: either the fish holds or a fin is the digit, so the cells that the fish would clear and that also see every fin lose it.</source>
        <translation>Un poisson avec des places en plus, les ailerons, dans un bloc&#xa0;: ou le poisson tient, ou un aileron porte le chiffre, donc les cases que le poisson viderait et qui voient aussi chaque aileron le perdent.</translation>
    </message>
    <message>
        <source>A finned fish with one of its corners missing: the fin stands in for it, so the cells that the fish would clear and that see every fin lose the digit.</source>
        <translation>Un poisson à aileron auquel il manque un coin&#xa0;: l’aileron en tient lieu, donc les cases que le poisson viderait et qui voient chaque aileron perdent le chiffre.</translation>
    </message>
    <message>
        <source>Three almost-locked sets (N cells with N+1 digits), the two outer ones linked to the middle one by digits that see each other: a digit Z common to the outer sets is in one of them, so a cell that sees every Z of both loses it.</source>
        <translation>Trois ensembles presque verrouillés (N cases pour N+1 chiffres), les deux extérieurs reliés à celui du milieu par des chiffres qui se voient&#xa0;: un chiffre Z commun aux ensembles extérieurs est dans l’un d’eux, donc une case qui voit chaque Z des deux le perd.</translation>
    </message>
    <message>
        <source>Each candidate of one cell is assumed in turn and followed through singles: what every one of them leads to is true, whichever is the cell&apos;s.</source>
        <translation>Chaque candidat d’une case est supposé tour à tour et suivi par les singletons&#xa0;: ce à quoi chacun d’eux mène est vrai, quel que soit celui de la case.</translation>
    </message>
    <message>
        <source>Each place of a digit in one region is assumed in turn and followed through singles: what every place leads to is true, wherever the digit is.</source>
        <translation>Chaque place d’un chiffre dans une région est supposée tour à tour et suivie par les singletons&#xa0;: ce à quoi chaque place mène est vrai, où que soit le chiffre.</translation>
    </message>
    <message>
        <source>Assumptions followed through singles, locked candidates and pairs: one that leads to a contradiction is false, and what every candidate of a cell or every place of a digit in a region leads to is true.</source>
        <translation>Des hypothèses suivies par les singletons, les interactions et les paires&#xa0;: une qui mène à une contradiction est fausse, et ce à quoi mène chaque candidat d’une case ou chaque place d’un chiffre dans une région est vrai.</translation>
    </message>
    <message>
        <source>An assumption followed until it contradicts itself, and so false, where a candidate on the way may be false because its own assumption, made inside the first, contradicts itself too.</source>
        <translation>Une hypothèse suivie jusqu’à ce qu’elle se contredise, et donc fausse, où un candidat en chemin peut être faux parce que sa propre hypothèse, faite à l’intérieur de la première, se contredit aussi.</translation>
    </message>
    <message>
        <source>A nested contradiction chain whose assumptions, the first and those inside it, are followed through singles, locked candidates and pairs.</source>
        <translation>Une chaîne de contradiction imbriquée dont les hypothèses, la première et celles qu’elle contient, sont suivies par les singletons, les interactions et les paires.</translation>
    </message>
    <message>
        <source>Two cells {X,Y} that don&apos;t see each other, each seeing one end of a region where X has only two places: one of the ends is X, so one of the two cells is Y, and a cell that sees both loses Y.</source>
        <translation>Deux cases {X,Y} qui ne se voient pas, chacune voyant un bout d’une région où X n’a que deux places&#xa0;: l’un des bouts vaut X, donc l’une des deux cases vaut Y, et une case qui voit les deux perd Y.</translation>
    </message>
    <message>
        <source>A chain of links in turn strong and weak that closes on itself: each weak link then has a true end, so the other candidates of its cell, or of its digit in its region, go.</source>
        <translation>Une chaîne de liens tour à tour forts et faibles qui se referme&#xa0;: chaque lien faible a alors un bout vrai, donc les autres candidats de sa case, ou de son chiffre dans sa région, tombent.</translation>
    </message>
    <message>
        <source>Two almost-locked sets (N cells with N+1 digits) sharing a digit X whose places in both see each other: X is in one set at most, so a digit Z common to both is in one of them, and a cell that sees every Z of both loses it.</source>
        <translation>Deux ensembles presque verrouillés (N cases pour N+1 chiffres) partageant un chiffre X dont les places dans les deux se voient&#xa0;: X est dans un ensemble au plus, donc un chiffre Z commun aux deux est dans l’un d’eux, et une case qui voit chaque Z des deux le perd.</translation>
    </message>
    <message>
        <source>Cells in a rectangle of two rows, two columns and two blocks (or a longer loop through each of its regions twice) that hold the same two digits: were those all they could hold, the two digits could swap and the puzzle would have two solutions. A puzzle has one, so what keeps the pattern from being only those digits is true, and what would leave only them goes.</source>
        <translation>Des cases aux coins d&apos;un rectangle de deux lignes, deux colonnes et deux blocs (ou d&apos;une boucle plus longue passant deux fois par chacune de ses régions) qui portent les deux mêmes chiffres : si elles ne pouvaient porter que ceux-là, on pourrait les échanger et la grille aurait deux solutions. Elle en a une, donc ce qui empêche le motif de n&apos;être que ces chiffres est vrai, et ce qui ne laisserait qu&apos;eux disparaît.</translation>
    </message>
    <message>
        <source>Were every open cell left with two candidates and every digit with two places in each region, the puzzle would have two solutions. A puzzle has one, so a candidate beyond that pattern is true, or at least one of them is.</source>
        <translation>Si chaque case ouverte n&apos;avait plus que deux candidats et chaque chiffre deux places dans chaque région, la grille aurait deux solutions. Elle en a une, donc un candidat hors de ce motif est vrai, ou au moins l&apos;un d&apos;eux.</translation>
    </message>
    <message>
        <source>Two (or three) cells take one digit each; a combination goes when it gives two of them that see each other one digit, or takes every candidate of a cell that sees all of them. A candidate that no combination left uses goes.</source>
        <translation>Deux (ou trois) cases prennent chacune un chiffre ; une combinaison disparaît quand elle donne le même chiffre à deux d&apos;entre elles qui se voient, ou prend tous les candidats d&apos;une case qui les voit toutes. Un candidat qu&apos;aucune combinaison restante n&apos;utilise disparaît.</translation>
    </message>
    <message>
        <source>A loop of candidates, each linked to the next strongly (one of the two holds) and weakly (not both do), in turn: either every other candidate of the loop is true or the others are, so a candidate that sees one of each goes.</source>
        <translation>Une boucle de candidats, chacun lié au suivant tour à tour fortement (l&apos;un des deux est vrai) et faiblement (pas les deux) : un candidat sur deux de la boucle est vrai, ou bien les autres, donc un candidat qui en voit un de chaque sorte disparaît.</translation>
    </message>
    <message>
        <source>A candidate assumed true (or false) and followed through candidates linked strongly and weakly leads to its own opposite: so the opposite is true. An X-chain follows one digit only.</source>
        <translation>Un candidat supposé vrai (ou faux) et suivi par des candidats liés fortement et faiblement mène à son propre contraire : c&apos;est donc le contraire qui est vrai. Une chaîne X ne suit qu&apos;un chiffre.</translation>
    </message>
    <message>
        <source>A digit assumed in a cell and followed through that digit&apos;s places alone leaves a region, a row or a column without a place for it: so it is not there.</source>
        <translation>Un chiffre supposé dans une case et suivi par ses seules places laisse une région sans place pour lui : il n&apos;est donc pas là.</translation>
    </message>
    <message>
        <source>Dynamic forcing chains whose branches, where their singles stall, also apply pointing, claiming, hidden and naked pairs and X-wings, each resting on candidates the branch has removed.</source>
        <translation>Des chaînes forcées dynamiques dont les branches, là où leurs singletons s’arrêtent, appliquent aussi les interactions bloc-ligne et ligne-bloc, les paires cachées et nues et les X-wings, chacun fondé sur des candidats que la branche a retirés.</translation>
    </message>
    <message>
        <source>Dynamic forcing chains plus whose branches, where nothing simpler goes on, apply whole chain rules inside: forcing chains; then cell and region forcing chains; then dynamic forcing chains; then those plus.</source>
        <translation>Des chaînes forcées dynamiques plus dont les branches, là où rien de plus simple ne poursuit, appliquent en elles des règles de chaînes entières&#xa0;: chaînes forcées&#xa0;; puis chaînes forcées de case et de région&#xa0;; puis chaînes forcées dynamiques&#xa0;; puis celles-ci plus.</translation>
    </message>
</context>
</TS>
