<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mosaic Rush developers, 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Empty cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, column %2; belongs at row %3, column %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomSizeWindow</name>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <comment>columns X rows</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>File names are at most 12 characters long, with &quot;.tsq&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a saved game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save game exists. Overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Click on Puzzle pieces close to Blank Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on Puzzle pieces to Swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> WORKING!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piece is Correct!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MANUAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L</source>
        <comment>the Left button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <comment>the Right button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U</source>
        <comment>the Up button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D</source>
        <comment>the Down button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 X %2</source>
        <comment>columns X rows</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortest possible: %1 move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortest possible: %1 moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortest possible: %1 swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortest possible: %1 swaps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The grid is not 1..10 by 1..10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The move count is over 32767.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends before the last cell of its %1 x %2 grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cells of its %1 x %2 grid do not hold the pieces 1 to %3 and one empty cell once each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cells of its %1 x %2 grid do not hold the pieces 1 to %3 once each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mosaic::BestResultsWindow</name>
    <message>
        <source>Rows ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortest time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>—</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 X %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sliding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all best results? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The best results could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mosaic::MainWindow</name>
    <message>
        <source>The best results could not be read; they start afresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The old file is kept as %1.bad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the automatic player on or off (A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best &amp;Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 X %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Magnify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X 0.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step by Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New best!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The best results could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mosaic::PictureViewer</name>
    <message>
        <source>Viewing Image (287 x 185)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
