<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Mosaic Rush developers, 2026</source>
        <translation>Les développeurs de Mosaic Rush, 2026</translation>
    </message>
    <message>
        <source>E-Mail: </source>
        <translation>E-mail&#xa0;: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Mosaic Rush logo</source>
        <translation>Logo de Mosaic Rush</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The first line is not &quot;%1&quot;.</source>
        <translation>La première ligne n’est pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Line %1 is not a best result.</source>
        <translation>La ligne %1 n’est pas un meilleur résultat valide.</translation>
    </message>
    <message>
        <source>Line %1 repeats a grid, play and order.</source>
        <translation>La ligne %1 reprend la grille, le mode et l’ordre d’une ligne précédente.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n’est pas un fichier.</translation>
    </message>
    <message>
        <source>It is too large.</source>
        <translation>Le fichier est trop volumineux.</translation>
    </message>
    <message>
        <source>Another game is writing the best results.</source>
        <translation>Une autre fenêtre du jeu est en train d’enregistrer les meilleurs résultats.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Empty cell</source>
        <translation>Case vide</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Pièce %1</translation>
    </message>
    <message>
        <source>row %1, column %2; belongs at row %3, column %4</source>
        <translation>ligne %1, colonne %2&#xa0;; sa place&#xa0;: ligne %3, colonne %4</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>CustomSizeWindow</name>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>X</source>
        <comment>columns X rows</comment>
        <translation>X</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation>&amp;Colonnes</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Lignes</translation>
    </message>
    <message>
        <source>&amp;GO</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>File names are at most 12 characters long, with &quot;.tsq&quot;.</source>
        <translation>Les noms de fichier font au plus 12 caractères, «&#xa0;.tsq&#xa0;» compris.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>Error reading</source>
        <translation>Erreur de lecture</translation>
    </message>
    <message>
        <source>This is not a saved game.</source>
        <translation>Ceci n’est pas une partie enregistrée.</translation>
    </message>
    <message>
        <source>Save game exists. Overwrite?</source>
        <translation>La sauvegarde existe déjà. L’écraser&#xa0;?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Error saving</source>
        <translation>Erreur d’enregistrement</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ALERTE</translation>
    </message>
    <message>
        <source>It is not a picture the game can read.</source>
        <translation>Ce n’est pas une image que le jeu sait lire.</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Click on Puzzle pieces close to Blank Space</source>
        <translation>Cliquez sur les pièces voisines de la case vide</translation>
    </message>
    <message>
        <source>Click on Puzzle pieces to Swap</source>
        <translation>Cliquez sur les pièces pour les échanger</translation>
    </message>
    <message>
        <source> WORKING!</source>
        <translation> EN COURS&#xa0;!</translation>
    </message>
    <message>
        <source>Piece is Correct!</source>
        <translation>Bien placée&#xa0;!</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Coups&#xa0;:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>MANUAL</source>
        <translation>MANUEL</translation>
    </message>
    <message>
        <source>L</source>
        <comment>the Left button</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>R</source>
        <comment>the Right button</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>U</source>
        <comment>the Up button</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>D</source>
        <comment>the Down button</comment>
        <translation>B</translation>
    </message>
    <message>
        <source>%1 X %2</source>
        <comment>columns X rows</comment>
        <translation>%1 X %2</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Jeu automatique</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Coups&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps&#xa0;: %1</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3</source>
        <translation>Pièce %1 déplacée en ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>Piece %1 and piece %2 swapped</source>
        <translation>Pièce %1 et pièce %2 échangées</translation>
    </message>
    <message>
        <source>Piece %1, row %2, column %3</source>
        <translation>Pièce %1, ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>Piece %1 picked</source>
        <translation>Pièce %1 sélectionnée</translation>
    </message>
    <message>
        <source>Automatic player on</source>
        <translation>Joueur automatique activé</translation>
    </message>
    <message>
        <source>Automatic player off</source>
        <translation>Joueur automatique désactivé</translation>
    </message>
    <message>
        <source>Swaps: %1</source>
        <translation>Échanges&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Shortest possible: %n move(s)</source>
        <translation>
            <numerusform>Minimum possible&#xa0;: %n coup</numerusform>
            <numerusform>Minimum possible&#xa0;: %n coups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shortest possible: %n swap(s)</source>
        <translation>
            <numerusform>Minimum possible&#xa0;: %n échange</numerusform>
            <numerusform>Minimum possible&#xa0;: %n échanges</numerusform>
        </translation>
    </message>
    <message>
        <source>Replay of your game: %1 moves</source>
        <translation>Votre partie rejouée&#xa0;: %1 coups</translation>
    </message>
    <message>
        <source>Shortest solution: %1 moves</source>
        <translation>Solution la plus courte&#xa0;: %1 coups</translation>
    </message>
    <message>
        <source>Best solution found: %1 moves</source>
        <translation>Meilleure solution trouvée&#xa0;: %1 coups</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <translation>Copier le résultat</translation>
    </message>
    <message>
        <source>Mosaic Rush daily %1: %2 moves, %3</source>
        <translation>Mosaic Rush, partie du jour %1&#xa0;: %2 coups, %3</translation>
    </message>
    <message>
        <source>Mosaic Rush daily %1: %2 moves (shortest %3), %4</source>
        <translation>Mosaic Rush, partie du jour %1&#xa0;: %2 coups (minimum %3), %4</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The grid is not 1..10 by 1..10.</source>
        <translation>La grille n’est pas de 1..10 sur 1..10.</translation>
    </message>
    <message>
        <source>The move count is over 32767.</source>
        <translation>Le nombre de coups dépasse 32767.</translation>
    </message>
    <message>
        <source>The file ends before the last cell of its %1 x %2 grid.</source>
        <translation>Le fichier se termine avant la dernière case de sa grille de %1 x %2.</translation>
    </message>
    <message>
        <source>The cells of its %1 x %2 grid do not hold the pieces 1 to %3 and one empty cell once each.</source>
        <translation>Les cases de sa grille de %1 x %2 ne contiennent pas une fois chacune les pièces 1 à %3 et une case vide.</translation>
    </message>
    <message>
        <source>The cells of its %1 x %2 grid do not hold the pieces 1 to %3 once each.</source>
        <translation>Les cases de sa grille de %1 x %2 ne contiennent pas une fois chacune les pièces 1 à %3.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n’est pas un fichier.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>C’est un lien vers un fichier qui n’existe pas.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>Impossible d’écrire dans le dossier %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>mosaic::BestResultsWindow</name>
    <message>
        <source>Rows ascending</source>
        <translation>Lignes (croissant)</translation>
    </message>
    <message>
        <source>Rows descending</source>
        <translation>Lignes (décroissant)</translation>
    </message>
    <message>
        <source>Columns ascending</source>
        <translation>Colonnes (croissant)</translation>
    </message>
    <message>
        <source>Columns descending</source>
        <translation>Colonnes (décroissant)</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Meilleurs résultats</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordre</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminées</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Moins de coups</translation>
    </message>
    <message>
        <source>Shortest time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 X %2</source>
        <translation>%1 X %2</translation>
    </message>
    <message>
        <source>Sliding</source>
        <translation>Glissement</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Échange</translation>
    </message>
    <message>
        <source>Clear all best results? This cannot be undone.</source>
        <translation>Effacer tous les meilleurs résultats&#xa0;? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ALERTE</translation>
    </message>
    <message>
        <source>The best results could not be saved.</source>
        <translation>Les meilleurs résultats n’ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>Daily games: %1 completed, days in a row: %2</source>
        <translation>Parties du jour&#xa0;: %1 terminées, jours d’affilée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>mosaic::MainWindow</name>
    <message>
        <source>The best results could not be read; they start afresh.</source>
        <translation>Les meilleurs résultats n’ont pas pu être lus&#xa0;; ils repartent de zéro.</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Meilleurs résultats</translation>
    </message>
    <message>
        <source>Switch the automatic player on or off (A)</source>
        <translation>Activer ou désactiver le joueur automatique (A)</translation>
    </message>
    <message>
        <source>Slide left</source>
        <translation>Glisser à gauche</translation>
    </message>
    <message>
        <source>Slide right</source>
        <translation>Glisser à droite</translation>
    </message>
    <message>
        <source>Slide up</source>
        <translation>Glisser vers le haut</translation>
    </message>
    <message>
        <source>Slide down</source>
        <translation>Glisser vers le bas</translation>
    </message>
    <message>
        <source>Automatic player</source>
        <translation>Joueur automatique</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Grid size</source>
        <translation>Taille de la grille</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Solver</source>
        <translation>Solveur</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation>&amp;Charger une partie</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Enregistrer la partie</translation>
    </message>
    <message>
        <source>&amp;Import Image</source>
        <translation>&amp;Importer une image</translation>
    </message>
    <message>
        <source>Best &amp;Results</source>
        <translation>&amp;Meilleurs résultats</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;View Image</source>
        <translation>Voir l’&amp;image</translation>
    </message>
    <message>
        <source>&amp;Magnify</source>
        <translation>&amp;Agrandir</translation>
    </message>
    <message>
        <source>Show &amp;Numbers</source>
        <translation>Afficher les &amp;numéros</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>&amp;Order</source>
        <translation>&amp;Ordre</translation>
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
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>New best!</source>
        <translation>Nouveau record&#xa0;!</translation>
    </message>
    <message>
        <source>The best results could not be saved: %1</source>
        <translation>Les meilleurs résultats n’ont pas pu être enregistrés&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Empty Space</source>
        <translation>&amp;Case vide</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Personnalisé</translation>
    </message>
    <message>
        <source>&amp;%1 X %1</source>
        <translation>&amp;%1 X %1</translation>
    </message>
    <message>
        <source>X &amp;0.5</source>
        <translation>X &amp;0,5</translation>
    </message>
    <message>
        <source>X &amp;1</source>
        <translation>X &amp;1</translation>
    </message>
    <message>
        <source>X &amp;2</source>
        <translation>X &amp;2</translation>
    </message>
    <message>
        <source>X &amp;4</source>
        <translation>X &amp;4</translation>
    </message>
    <message>
        <source>&amp;Horiz</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>&amp;Vert</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <source>&amp;Ascend</source>
        <translation>&amp;Croissant</translation>
    </message>
    <message>
        <source>&amp;Descend</source>
        <translation>&amp;Décroissant</translation>
    </message>
    <message>
        <source>Mov&amp;e</source>
        <translation>&amp;Coups</translation>
    </message>
    <message>
        <source>&amp;Auto Play</source>
        <translation>&amp;Jeu automatique</translation>
    </message>
    <message>
        <source>&amp;Step by Step</source>
        <translation>&amp;Pas à pas</translation>
    </message>
    <message>
        <source>Shor&amp;test</source>
        <translation>&amp;Le plus court</translation>
    </message>
    <message>
        <source>The settings file is not a file: the game starts with its defaults and keeps no settings.</source>
        <translation>Le fichier de réglages n’est pas un fichier&#xa0;: le jeu démarre avec ses réglages par défaut et n’en garde aucun.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>The old file is kept as %1</source>
        <translation>L’ancien fichier est conservé sous le nom %1</translation>
    </message>
    <message>
        <source>This file name cannot be used.</source>
        <translation>Ce nom de fichier ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>It holds bytes that are not text. Rename the file and try again.</source>
        <translation>Il contient des octets qui ne sont pas du texte. Renommez le fichier et réessayez.</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ALERTE</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>picture sliding puzzle</source>
        <translation>taquin d’images</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Partie du &amp;jour</translation>
    </message>
    <message>
        <source>X&amp;%1</source>
        <translation>X&amp;%1</translation>
    </message>
    <message>
        <source>Replay &amp;My Game</source>
        <translation>Revoir &amp;ma partie</translation>
    </message>
    <message>
        <source>&amp;Watch Shortest Solution</source>
        <translation>Voir la solution la plus &amp;courte</translation>
    </message>
</context>
<context>
    <name>mosaic::PictureViewer</name>
    <message>
        <source>Viewing Image (287 x 185)</source>
        <translation>Affichage de l’image (287 x 185)</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>L’image entière</translation>
    </message>
</context>
</TS>
