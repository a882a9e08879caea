<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Mosaic Rush developers, 2026</source>
        <translation>Ontwikkelaars van Mosaic Rush, 2026</translation>
    </message>
    <message>
        <source>E-Mail: </source>
        <translation>E-mail: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Mosaic Rush logo</source>
        <translation>Logo van Mosaic Rush</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The first line is not &quot;%1&quot;.</source>
        <translation>De eerste regel is niet ‘%1’.</translation>
    </message>
    <message>
        <source>Line %1 is not a best result.</source>
        <translation>Regel %1 is geen geldig beste resultaat.</translation>
    </message>
    <message>
        <source>Line %1 repeats a grid, play and order.</source>
        <translation>Regel %1 herhaalt het raster, de speelwijze en de volgorde van een eerdere regel.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Het is geen bestand.</translation>
    </message>
    <message>
        <source>It is too large.</source>
        <translation>Het bestand is te groot.</translation>
    </message>
    <message>
        <source>Another game is writing the best results.</source>
        <translation>Een ander venster van het spel is de beste resultaten aan het opslaan.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>De map %1 kan niet worden aangemaakt.</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Empty cell</source>
        <translation>Leeg vak</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Stukje %1</translation>
    </message>
    <message>
        <source>row %1, column %2; belongs at row %3, column %4</source>
        <translation>rij %1, kolom %2; hoort in rij %3, kolom %4</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Speelbord</translation>
    </message>
</context>
<context>
    <name>CustomSizeWindow</name>
    <message>
        <source>Custom</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <source>X</source>
        <comment>columns X rows</comment>
        <translation>X</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation>&amp;Kolommen</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Rijen</translation>
    </message>
    <message>
        <source>&amp;GO</source>
        <translation>&amp;GA</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>File names are at most 12 characters long, with &quot;.tsq&quot;.</source>
        <translation>Bestandsnamen zijn hoogstens 12 tekens lang, inclusief ‘.tsq’.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Error reading</source>
        <translation>Fout bij lezen</translation>
    </message>
    <message>
        <source>This is not a saved game.</source>
        <translation>Dit is geen opgeslagen spel.</translation>
    </message>
    <message>
        <source>Save game exists. Overwrite?</source>
        <translation>Opgeslagen spel bestaat al. Overschrijven?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Vervangen</translation>
    </message>
    <message>
        <source>Error saving</source>
        <translation>Fout bij opslaan</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>LET OP</translation>
    </message>
    <message>
        <source>It is not a picture the game can read.</source>
        <translation>Het is geen afbeelding die het spel kan lezen.</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Click on Puzzle pieces close to Blank Space</source>
        <translation>Klik op stukjes naast het lege vak</translation>
    </message>
    <message>
        <source>Click on Puzzle pieces to Swap</source>
        <translation>Klik op stukjes om ze te wisselen</translation>
    </message>
    <message>
        <source> WORKING!</source>
        <translation> BEZIG!</translation>
    </message>
    <message>
        <source>Piece is Correct!</source>
        <translation>Stukje klopt!</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Zetten:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tijd:</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>MANUAL</source>
        <translation>HAND</translation>
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
        <translation>B</translation>
    </message>
    <message>
        <source>D</source>
        <comment>the Down button</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>%1 X %2</source>
        <comment>columns X rows</comment>
        <translation>%1 X %2</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Gefeliciteerd</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Automatisch spel</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Zetten: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tijd: %1</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3</source>
        <translation>Stukje %1 verplaatst naar rij %2, kolom %3</translation>
    </message>
    <message>
        <source>Piece %1 and piece %2 swapped</source>
        <translation>Stukje %1 en stukje %2 verwisseld</translation>
    </message>
    <message>
        <source>Piece %1, row %2, column %3</source>
        <translation>Stukje %1, rij %2, kolom %3</translation>
    </message>
    <message>
        <source>Piece %1 picked</source>
        <translation>Stukje %1 geselecteerd</translation>
    </message>
    <message>
        <source>Automatic player on</source>
        <translation>Automatische speler aan</translation>
    </message>
    <message>
        <source>Automatic player off</source>
        <translation>Automatische speler uit</translation>
    </message>
    <message>
        <source>Swaps: %1</source>
        <translation>Wissels: %1</translation>
    </message>
    <message numerus="yes">
        <source>Shortest possible: %n move(s)</source>
        <translation>
            <numerusform>Kortst mogelijk: %n zet</numerusform>
            <numerusform>Kortst mogelijk: %n zetten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shortest possible: %n swap(s)</source>
        <translation>
            <numerusform>Kortst mogelijk: %n wissel</numerusform>
            <numerusform>Kortst mogelijk: %n wissels</numerusform>
        </translation>
    </message>
    <message>
        <source>Replay of your game: %1 moves</source>
        <translation>Uw spel opnieuw: %1 zetten</translation>
    </message>
    <message>
        <source>Shortest solution: %1 moves</source>
        <translation>Kortste oplossing: %1 zetten</translation>
    </message>
    <message>
        <source>Best solution found: %1 moves</source>
        <translation>Beste gevonden oplossing: %1 zetten</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <translation>Resultaat kopiëren</translation>
    </message>
    <message>
        <source>Mosaic Rush daily %1: %2 moves, %3</source>
        <translation>Mosaic Rush dagspel %1: %2 zetten, %3</translation>
    </message>
    <message>
        <source>Mosaic Rush daily %1: %2 moves (shortest %3), %4</source>
        <translation>Mosaic Rush dagspel %1: %2 zetten (kortste %3), %4</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The grid is not 1..10 by 1..10.</source>
        <translation>Het raster is niet 1..10 bij 1..10.</translation>
    </message>
    <message>
        <source>The move count is over 32767.</source>
        <translation>Het aantal zetten is groter dan 32767.</translation>
    </message>
    <message>
        <source>The file ends before the last cell of its %1 x %2 grid.</source>
        <translation>Het bestand eindigt vóór het laatste vak van zijn %1 x %2-raster.</translation>
    </message>
    <message>
        <source>The cells of its %1 x %2 grid do not hold the pieces 1 to %3 and one empty cell once each.</source>
        <translation>De vakken van zijn %1 x %2-raster bevatten niet elk precies één keer de stukjes 1 t/m %3 en één leeg vak.</translation>
    </message>
    <message>
        <source>The cells of its %1 x %2 grid do not hold the pieces 1 to %3 once each.</source>
        <translation>De vakken van zijn %1 x %2-raster bevatten niet elk precies één keer de stukjes 1 t/m %3.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Het is geen bestand.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>Het is een koppeling naar een bestand dat niet bestaat.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>De map %1 bestaat niet.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>Er kan niet in de map %1 worden geschreven: %2</translation>
    </message>
</context>
<context>
    <name>mosaic::BestResultsWindow</name>
    <message>
        <source>Rows ascending</source>
        <translation>Rijen oplopend</translation>
    </message>
    <message>
        <source>Rows descending</source>
        <translation>Rijen aflopend</translation>
    </message>
    <message>
        <source>Columns ascending</source>
        <translation>Kolommen oplopend</translation>
    </message>
    <message>
        <source>Columns descending</source>
        <translation>Kolommen aflopend</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Beste resultaten</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Speelwijze</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Volgorde</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Minste zetten</translation>
    </message>
    <message>
        <source>Shortest time</source>
        <translation>Kortste tijd</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
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
        <translation>Schuiven</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Wisselen</translation>
    </message>
    <message>
        <source>Clear all best results? This cannot be undone.</source>
        <translation>Alle beste resultaten wissen? Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>LET OP</translation>
    </message>
    <message>
        <source>The best results could not be saved.</source>
        <translation>De beste resultaten konden niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Daily games: %1 completed, days in a row: %2</source>
        <translation>Dagspellen: %1 voltooid, dagen op rij: %2</translation>
    </message>
</context>
<context>
    <name>mosaic::MainWindow</name>
    <message>
        <source>The best results could not be read; they start afresh.</source>
        <translation>De beste resultaten konden niet worden gelezen; er wordt een nieuwe lijst begonnen.</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Beste resultaten</translation>
    </message>
    <message>
        <source>Switch the automatic player on or off (A)</source>
        <translation>Automatische speler aan- of uitzetten (A)</translation>
    </message>
    <message>
        <source>Slide left</source>
        <translation>Naar links schuiven</translation>
    </message>
    <message>
        <source>Slide right</source>
        <translation>Naar rechts schuiven</translation>
    </message>
    <message>
        <source>Slide up</source>
        <translation>Omhoog schuiven</translation>
    </message>
    <message>
        <source>Slide down</source>
        <translation>Omlaag schuiven</translation>
    </message>
    <message>
        <source>Automatic player</source>
        <translation>Automatische speler</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Grid size</source>
        <translation>Rastergrootte</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>Solver</source>
        <translation>Oplosser</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation>Spel &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>Spel op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Import Image</source>
        <translation>Afbeelding &amp;importeren</translation>
    </message>
    <message>
        <source>Best &amp;Results</source>
        <translation>Beste &amp;resultaten</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;View Image</source>
        <translation>&amp;Afbeelding bekijken</translation>
    </message>
    <message>
        <source>&amp;Magnify</source>
        <translation>&amp;Vergroten</translation>
    </message>
    <message>
        <source>Show &amp;Numbers</source>
        <translation>&amp;Nummers tonen</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Snelheid</translation>
    </message>
    <message>
        <source>&amp;Order</source>
        <translation>Volg&amp;orde</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Herhalen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>New best!</source>
        <translation>Nieuw record!</translation>
    </message>
    <message>
        <source>The best results could not be saved: %1</source>
        <translation>De beste resultaten konden niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>&amp;Empty Space</source>
        <translation>&amp;Leeg vak</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Aangepast</translation>
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
        <translation>&amp;Horizontaal</translation>
    </message>
    <message>
        <source>&amp;Vert</source>
        <translation>&amp;Verticaal</translation>
    </message>
    <message>
        <source>&amp;Ascend</source>
        <translation>&amp;Oplopend</translation>
    </message>
    <message>
        <source>&amp;Descend</source>
        <translation>&amp;Aflopend</translation>
    </message>
    <message>
        <source>Mov&amp;e</source>
        <translation>&amp;Zetten</translation>
    </message>
    <message>
        <source>&amp;Auto Play</source>
        <translation>&amp;Automatisch spel</translation>
    </message>
    <message>
        <source>&amp;Step by Step</source>
        <translation>&amp;Stap voor stap</translation>
    </message>
    <message>
        <source>Shor&amp;test</source>
        <translation>&amp;Kortste</translation>
    </message>
    <message>
        <source>The settings file is not a file: the game starts with its defaults and keeps no settings.</source>
        <translation>Het instellingenbestand is geen bestand: het spel start met de standaardinstellingen en bewaart geen instellingen.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>The old file is kept as %1</source>
        <translation>Het oude bestand is bewaard als %1</translation>
    </message>
    <message>
        <source>This file name cannot be used.</source>
        <translation>Deze bestandsnaam kan niet worden gebruikt.</translation>
    </message>
    <message>
        <source>It holds bytes that are not text. Rename the file and try again.</source>
        <translation>Hij bevat bytes die geen tekst zijn. Geef het bestand een andere naam en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>LET OP</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Afbeelding importeren</translation>
    </message>
    <message>
        <source>picture sliding puzzle</source>
        <translation>schuifpuzzel met afbeeldingen</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>&amp;Dagspel</translation>
    </message>
    <message>
        <source>X&amp;%1</source>
        <translation>X&amp;%1</translation>
    </message>
    <message>
        <source>Replay &amp;My Game</source>
        <translation>&amp;Mijn spel terugkijken</translation>
    </message>
    <message>
        <source>&amp;Watch Shortest Solution</source>
        <translation>Kortste oplossing &amp;bekijken</translation>
    </message>
</context>
<context>
    <name>mosaic::PictureViewer</name>
    <message>
        <source>Viewing Image (287 x 185)</source>
        <translation>Afbeelding bekijken (287 x 185)</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>De hele afbeelding</translation>
    </message>
</context>
</TS>
