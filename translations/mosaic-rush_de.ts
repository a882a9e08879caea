<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Über Mosaic Rush</translation>
    </message>
    <message>
        <source>Mosaic Rush developers, 2026</source>
        <translation>Entwickler von Mosaic Rush, 2026</translation>
    </message>
    <message>
        <source>E-Mail: </source>
        <translation>E-Mail: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Mosaic Rush logo</source>
        <translation>Mosaic-Rush-Logo</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The first line is not &quot;%1&quot;.</source>
        <translation>Die erste Zeile lautet nicht „%1“.</translation>
    </message>
    <message>
        <source>Line %1 is not a best result.</source>
        <translation>Zeile %1 enthält kein gültiges Ergebnis.</translation>
    </message>
    <message>
        <source>Line %1 repeats a grid, play and order.</source>
        <translation>Zeile %1 wiederholt Raster, Spielart und Reihenfolge einer früheren Zeile.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Es ist keine Datei.</translation>
    </message>
    <message>
        <source>It is too large.</source>
        <translation>Die Datei ist zu groß.</translation>
    </message>
    <message>
        <source>Another game is writing the best results.</source>
        <translation>Ein anderes Fenster des Spiels speichert gerade die besten Ergebnisse.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Empty cell</source>
        <translation>Leeres Feld</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Teil %1</translation>
    </message>
    <message>
        <source>row %1, column %2; belongs at row %3, column %4</source>
        <translation>Zeile %1, Spalte %2; gehört in Zeile %3, Spalte %4</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
</context>
<context>
    <name>CustomSizeWindow</name>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>X</source>
        <comment>columns X rows</comment>
        <translation>X</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation>&amp;Spalten</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Zeilen</translation>
    </message>
    <message>
        <source>&amp;GO</source>
        <translation>&amp;LOS</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>File names are at most 12 characters long, with &quot;.tsq&quot;.</source>
        <translation>Dateinamen sind höchstens 12 Zeichen lang, einschließlich „.tsq“.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Error reading</source>
        <translation>Fehler beim Lesen</translation>
    </message>
    <message>
        <source>This is not a saved game.</source>
        <translation>Dies ist kein gespeichertes Spiel.</translation>
    </message>
    <message>
        <source>Save game exists. Overwrite?</source>
        <translation>Spielstand existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Error saving</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ACHTUNG</translation>
    </message>
    <message>
        <source>It is not a picture the game can read.</source>
        <translation>Es ist kein Bild, das das Spiel lesen kann.</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Click on Puzzle pieces close to Blank Space</source>
        <translation>Klicke auf Teile neben dem leeren Feld</translation>
    </message>
    <message>
        <source>Click on Puzzle pieces to Swap</source>
        <translation>Klicke auf Teile, um sie zu tauschen</translation>
    </message>
    <message>
        <source> WORKING!</source>
        <translation> RECHNET!</translation>
    </message>
    <message>
        <source>Piece is Correct!</source>
        <translation>Teil ist richtig!</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Züge:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>MANUAL</source>
        <translation>MANUELL</translation>
    </message>
    <message>
        <source>L</source>
        <comment>the Left button</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>R</source>
        <comment>the Right button</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>U</source>
        <comment>the Up button</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>D</source>
        <comment>the Down button</comment>
        <translation>U</translation>
    </message>
    <message>
        <source>%1 X %2</source>
        <comment>columns X rows</comment>
        <translation>%1 X %2</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Geschafft</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Herzlichen Glückwunsch</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Automatisches Spiel</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Züge: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3</source>
        <translation>Teil %1 nach Zeile %2, Spalte %3 verschoben</translation>
    </message>
    <message>
        <source>Piece %1 and piece %2 swapped</source>
        <translation>Teil %1 und Teil %2 vertauscht</translation>
    </message>
    <message>
        <source>Piece %1, row %2, column %3</source>
        <translation>Teil %1, Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>Piece %1 picked</source>
        <translation>Teil %1 ausgewählt</translation>
    </message>
    <message>
        <source>Automatic player on</source>
        <translation>Automatischer Spieler eingeschaltet</translation>
    </message>
    <message>
        <source>Automatic player off</source>
        <translation>Automatischer Spieler ausgeschaltet</translation>
    </message>
    <message>
        <source>Swaps: %1</source>
        <translation>Vertauschungen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Shortest possible: %n move(s)</source>
        <translation>
            <numerusform>Kürzeste Lösung: %n Zug</numerusform>
            <numerusform>Kürzeste Lösung: %n Züge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shortest possible: %n swap(s)</source>
        <translation>
            <numerusform>Kürzeste Lösung: %n Vertauschung</numerusform>
            <numerusform>Kürzeste Lösung: %n Vertauschungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Replay of your game: %1 moves</source>
        <translation>Wiederholung Ihres Spiels: %1 Züge</translation>
    </message>
    <message>
        <source>Shortest solution: %1 moves</source>
        <translation>Kürzeste Lösung: %1 Züge</translation>
    </message>
    <message>
        <source>Best solution found: %1 moves</source>
        <translation>Beste gefundene Lösung: %1 Züge</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <translation>Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Mosaic Rush daily %1: %2 moves, %3</source>
        <translation>Mosaic Rush Tagesspiel %1: %2 Züge, %3</translation>
    </message>
    <message>
        <source>Mosaic Rush daily %1: %2 moves (shortest %3), %4</source>
        <translation>Mosaic Rush Tagesspiel %1: %2 Züge (kürzeste %3), %4</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The grid is not 1..10 by 1..10.</source>
        <translation>Das Raster ist nicht 1..10 mal 1..10.</translation>
    </message>
    <message>
        <source>The move count is over 32767.</source>
        <translation>Die Zahl der Züge ist größer als 32767.</translation>
    </message>
    <message>
        <source>The file ends before the last cell of its %1 x %2 grid.</source>
        <translation>Die Datei endet vor dem letzten Feld ihres %1 x %2-Rasters.</translation>
    </message>
    <message>
        <source>The cells of its %1 x %2 grid do not hold the pieces 1 to %3 and one empty cell once each.</source>
        <translation>Die Felder ihres %1 x %2-Rasters enthalten nicht genau einmal die Teile 1 bis %3 und ein leeres Feld.</translation>
    </message>
    <message>
        <source>The cells of its %1 x %2 grid do not hold the pieces 1 to %3 once each.</source>
        <translation>Die Felder ihres %1 x %2-Rasters enthalten nicht genau einmal die Teile 1 bis %3.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Es ist keine Datei.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>Es ist eine Verknüpfung auf eine Datei, die es nicht gibt.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>mosaic::BestResultsWindow</name>
    <message>
        <source>Rows ascending</source>
        <translation>Zeilen aufsteigend</translation>
    </message>
    <message>
        <source>Rows descending</source>
        <translation>Zeilen absteigend</translation>
    </message>
    <message>
        <source>Columns ascending</source>
        <translation>Spalten aufsteigend</translation>
    </message>
    <message>
        <source>Columns descending</source>
        <translation>Spalten absteigend</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Beste Ergebnisse</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>Shortest time</source>
        <translation>Kürzeste Zeit</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Schieben</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Tauschen</translation>
    </message>
    <message>
        <source>Clear all best results? This cannot be undone.</source>
        <translation>Alle besten Ergebnisse löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ACHTUNG</translation>
    </message>
    <message>
        <source>The best results could not be saved.</source>
        <translation>Die besten Ergebnisse konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Daily games: %1 completed, days in a row: %2</source>
        <translation>Tagesspiele: %1 abgeschlossen, Tage in Folge: %2</translation>
    </message>
</context>
<context>
    <name>mosaic::MainWindow</name>
    <message>
        <source>The best results could not be read; they start afresh.</source>
        <translation>Die besten Ergebnisse konnten nicht gelesen werden; sie werden neu angelegt.</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Beste Ergebnisse</translation>
    </message>
    <message>
        <source>Switch the automatic player on or off (A)</source>
        <translation>Automatischen Spieler ein- oder ausschalten (A)</translation>
    </message>
    <message>
        <source>Slide left</source>
        <translation>Nach links schieben</translation>
    </message>
    <message>
        <source>Slide right</source>
        <translation>Nach rechts schieben</translation>
    </message>
    <message>
        <source>Slide up</source>
        <translation>Nach oben schieben</translation>
    </message>
    <message>
        <source>Slide down</source>
        <translation>Nach unten schieben</translation>
    </message>
    <message>
        <source>Automatic player</source>
        <translation>Automatischer Spieler</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Grid size</source>
        <translation>Rastergröße</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Solver</source>
        <translation>Löser</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation>Spiel &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Import Image</source>
        <translation>Bild &amp;importieren</translation>
    </message>
    <message>
        <source>Best &amp;Results</source>
        <translation>Beste &amp;Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Spielart</translation>
    </message>
    <message>
        <source>&amp;View Image</source>
        <translation>&amp;Bild ansehen</translation>
    </message>
    <message>
        <source>&amp;Magnify</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Show &amp;Numbers</source>
        <translation>&amp;Nummern anzeigen</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;Order</source>
        <translation>&amp;Reihenfolge</translation>
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
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>New best!</source>
        <translation>Neue Bestleistung!</translation>
    </message>
    <message>
        <source>The best results could not be saved: %1</source>
        <translation>Die besten Ergebnisse konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>&amp;Empty Space</source>
        <translation>&amp;Leerfeld</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Benutzerdefiniert</translation>
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
        <translation>&amp;Vertikal</translation>
    </message>
    <message>
        <source>&amp;Ascend</source>
        <translation>&amp;Aufsteigend</translation>
    </message>
    <message>
        <source>&amp;Descend</source>
        <translation>A&amp;bsteigend</translation>
    </message>
    <message>
        <source>Mov&amp;e</source>
        <translation>&amp;Zug</translation>
    </message>
    <message>
        <source>&amp;Auto Play</source>
        <translation>&amp;Automatisches Spiel</translation>
    </message>
    <message>
        <source>&amp;Step by Step</source>
        <translation>&amp;Schritt für Schritt</translation>
    </message>
    <message>
        <source>Shor&amp;test</source>
        <translation>&amp;Kürzester Weg</translation>
    </message>
    <message>
        <source>The settings file is not a file: the game starts with its defaults and keeps no settings.</source>
        <translation>Die Einstellungsdatei ist keine Datei: Das Spiel startet mit den Standardwerten und speichert keine Einstellungen.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The old file is kept as %1</source>
        <translation>Die alte Datei bleibt als %1 erhalten</translation>
    </message>
    <message>
        <source>This file name cannot be used.</source>
        <translation>Dieser Dateiname kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>It holds bytes that are not text. Rename the file and try again.</source>
        <translation>Er enthält Bytes, die kein Text sind. Benenne die Datei um und versuche es erneut.</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ACHTUNG</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>picture sliding puzzle</source>
        <translation>Bilder-Schiebepuzzle</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>&amp;Tagesspiel</translation>
    </message>
    <message>
        <source>X&amp;%1</source>
        <translation>X&amp;%1</translation>
    </message>
    <message>
        <source>Replay &amp;My Game</source>
        <translation>&amp;Mein Spiel abspielen</translation>
    </message>
    <message>
        <source>&amp;Watch Shortest Solution</source>
        <translation>Kürzeste &amp;Lösung ansehen</translation>
    </message>
</context>
<context>
    <name>mosaic::PictureViewer</name>
    <message>
        <source>Viewing Image (287 x 185)</source>
        <translation>Bildansicht (287 x 185)</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>Das ganze Bild</translation>
    </message>
</context>
</TS>
