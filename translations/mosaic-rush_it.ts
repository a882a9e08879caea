<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Mosaic Rush developers, 2026</source>
        <translation>Sviluppatori di Mosaic Rush, 2026</translation>
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
        <translation>Logo di Mosaic Rush</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The first line is not &quot;%1&quot;.</source>
        <translation>La prima riga non è «%1».</translation>
    </message>
    <message>
        <source>Line %1 is not a best result.</source>
        <translation>La riga %1 non è un miglior risultato valido.</translation>
    </message>
    <message>
        <source>Line %1 repeats a grid, play and order.</source>
        <translation>La riga %1 ripete griglia, modalità e ordine di una riga precedente.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Non è un file.</translation>
    </message>
    <message>
        <source>It is too large.</source>
        <translation>Il file è troppo grande.</translation>
    </message>
    <message>
        <source>Another game is writing the best results.</source>
        <translation>Un&apos;altra finestra del gioco sta salvando i migliori risultati.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Empty cell</source>
        <translation>Casella vuota</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Tessera %1</translation>
    </message>
    <message>
        <source>row %1, column %2; belongs at row %3, column %4</source>
        <translation>riga %1, colonna %2; va in riga %3, colonna %4</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabellone</translation>
    </message>
</context>
<context>
    <name>CustomSizeWindow</name>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>X</source>
        <comment>columns X rows</comment>
        <translation>X</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation>&amp;Colonne</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Righe</translation>
    </message>
    <message>
        <source>&amp;GO</source>
        <translation>&amp;VAI</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>File names are at most 12 characters long, with &quot;.tsq&quot;.</source>
        <translation>I nomi dei file sono lunghi al massimo 12 caratteri, compreso «.tsq».</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Error reading</source>
        <translation>Errore di lettura</translation>
    </message>
    <message>
        <source>This is not a saved game.</source>
        <translation>Questa non è una partita salvata.</translation>
    </message>
    <message>
        <source>Save game exists. Overwrite?</source>
        <translation>Il salvataggio esiste già. Sovrascriverlo?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Error saving</source>
        <translation>Errore di salvataggio</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ATTENZIONE</translation>
    </message>
    <message>
        <source>It is not a picture the game can read.</source>
        <translation>Non è un&apos;immagine che il gioco sa leggere.</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Click on Puzzle pieces close to Blank Space</source>
        <translation>Fai clic sulle tessere vicine allo spazio vuoto</translation>
    </message>
    <message>
        <source>Click on Puzzle pieces to Swap</source>
        <translation>Fai clic sulle tessere per scambiarle</translation>
    </message>
    <message>
        <source> WORKING!</source>
        <translation> IN CORSO!</translation>
    </message>
    <message>
        <source>Piece is Correct!</source>
        <translation>Tessera giusta!</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Mosse:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>MANUAL</source>
        <translation>A MANO</translation>
    </message>
    <message>
        <source>L</source>
        <comment>the Left button</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>R</source>
        <comment>the Right button</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>U</source>
        <comment>the Up button</comment>
        <translation>A</translation>
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
        <translation>Completato</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Congratulazioni</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Gioco automatico</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Mosse: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3</source>
        <translation>Tessera %1 spostata in riga %2, colonna %3</translation>
    </message>
    <message>
        <source>Piece %1 and piece %2 swapped</source>
        <translation>Tessera %1 e tessera %2 scambiate</translation>
    </message>
    <message>
        <source>Piece %1, row %2, column %3</source>
        <translation>Tessera %1, riga %2, colonna %3</translation>
    </message>
    <message>
        <source>Piece %1 picked</source>
        <translation>Tessera %1 selezionata</translation>
    </message>
    <message>
        <source>Automatic player on</source>
        <translation>Giocatore automatico attivato</translation>
    </message>
    <message>
        <source>Automatic player off</source>
        <translation>Giocatore automatico disattivato</translation>
    </message>
    <message>
        <source>Swaps: %1</source>
        <translation>Scambi: %1</translation>
    </message>
    <message numerus="yes">
        <source>Shortest possible: %n move(s)</source>
        <translation>
            <numerusform>Minimo possibile: %n mossa</numerusform>
            <numerusform>Minimo possibile: %n mosse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shortest possible: %n swap(s)</source>
        <translation>
            <numerusform>Minimo possibile: %n scambio</numerusform>
            <numerusform>Minimo possibile: %n scambi</numerusform>
        </translation>
    </message>
    <message>
        <source>Replay of your game: %1 moves</source>
        <translation>Replica della tua partita: %1 mosse</translation>
    </message>
    <message>
        <source>Shortest solution: %1 moves</source>
        <translation>Soluzione più corta: %1 mosse</translation>
    </message>
    <message>
        <source>Best solution found: %1 moves</source>
        <translation>Migliore soluzione trovata: %1 mosse</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <translation>Copia risultato</translation>
    </message>
    <message>
        <source>Mosaic Rush daily %1: %2 moves, %3</source>
        <translation>Mosaic Rush partita del giorno %1: %2 mosse, %3</translation>
    </message>
    <message>
        <source>Mosaic Rush daily %1: %2 moves (shortest %3), %4</source>
        <translation>Mosaic Rush partita del giorno %1: %2 mosse (minimo %3), %4</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The grid is not 1..10 by 1..10.</source>
        <translation>La griglia non è di 1..10 per 1..10.</translation>
    </message>
    <message>
        <source>The move count is over 32767.</source>
        <translation>Il numero di mosse supera 32767.</translation>
    </message>
    <message>
        <source>The file ends before the last cell of its %1 x %2 grid.</source>
        <translation>Il file termina prima dell&apos;ultima casella della sua griglia %1 x %2.</translation>
    </message>
    <message>
        <source>The cells of its %1 x %2 grid do not hold the pieces 1 to %3 and one empty cell once each.</source>
        <translation>Le caselle della sua griglia %1 x %2 non contengono una volta ciascuna le tessere da 1 a %3 e una casella vuota.</translation>
    </message>
    <message>
        <source>The cells of its %1 x %2 grid do not hold the pieces 1 to %3 once each.</source>
        <translation>Le caselle della sua griglia %1 x %2 non contengono una volta ciascuna le tessere da 1 a %3.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Non è un file.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>È un collegamento a un file che non esiste.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>Impossibile scrivere nella cartella %1: %2</translation>
    </message>
</context>
<context>
    <name>mosaic::BestResultsWindow</name>
    <message>
        <source>Rows ascending</source>
        <translation>Righe (crescente)</translation>
    </message>
    <message>
        <source>Rows descending</source>
        <translation>Righe (decrescente)</translation>
    </message>
    <message>
        <source>Columns ascending</source>
        <translation>Colonne (crescente)</translation>
    </message>
    <message>
        <source>Columns descending</source>
        <translation>Colonne (decrescente)</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Migliori risultati</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordine</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completate</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Meno mosse</translation>
    </message>
    <message>
        <source>Shortest time</source>
        <translation>Tempo minimo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Scorrimento</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Scambio</translation>
    </message>
    <message>
        <source>Clear all best results? This cannot be undone.</source>
        <translation>Cancellare tutti i migliori risultati? L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ATTENZIONE</translation>
    </message>
    <message>
        <source>The best results could not be saved.</source>
        <translation>Impossibile salvare i migliori risultati.</translation>
    </message>
    <message>
        <source>Daily games: %1 completed, days in a row: %2</source>
        <translation>Partite del giorno: %1 completate, giorni di fila: %2</translation>
    </message>
</context>
<context>
    <name>mosaic::MainWindow</name>
    <message>
        <source>The best results could not be read; they start afresh.</source>
        <translation>Impossibile leggere i migliori risultati; si riparte da zero.</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Migliori risultati</translation>
    </message>
    <message>
        <source>Switch the automatic player on or off (A)</source>
        <translation>Attiva o disattiva il giocatore automatico (A)</translation>
    </message>
    <message>
        <source>Slide left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Slide right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Slide up</source>
        <translation>Sposta in alto</translation>
    </message>
    <message>
        <source>Slide down</source>
        <translation>Sposta in basso</translation>
    </message>
    <message>
        <source>Automatic player</source>
        <translation>Giocatore automatico</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Grid size</source>
        <translation>Dimensioni della griglia</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Solver</source>
        <translation>Risolutore</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation>&amp;Carica partita</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Salva partita</translation>
    </message>
    <message>
        <source>&amp;Import Image</source>
        <translation>&amp;Importa immagine</translation>
    </message>
    <message>
        <source>Best &amp;Results</source>
        <translation>&amp;Migliori risultati</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>I&amp;nformazioni</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Tipo</translation>
    </message>
    <message>
        <source>&amp;View Image</source>
        <translation>Vedi &amp;immagine</translation>
    </message>
    <message>
        <source>&amp;Magnify</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Show &amp;Numbers</source>
        <translation>Mostra &amp;numeri</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Velocità</translation>
    </message>
    <message>
        <source>&amp;Order</source>
        <translation>&amp;Ordine</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>New best!</source>
        <translation>Nuovo record!</translation>
    </message>
    <message>
        <source>The best results could not be saved: %1</source>
        <translation>Impossibile salvare i migliori risultati: %1</translation>
    </message>
    <message>
        <source>&amp;Empty Space</source>
        <translation>&amp;Spazio vuoto</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Personalizzato</translation>
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
        <translation>&amp;Orizzontale</translation>
    </message>
    <message>
        <source>&amp;Vert</source>
        <translation>&amp;Verticale</translation>
    </message>
    <message>
        <source>&amp;Ascend</source>
        <translation>&amp;Crescente</translation>
    </message>
    <message>
        <source>&amp;Descend</source>
        <translation>&amp;Decrescente</translation>
    </message>
    <message>
        <source>Mov&amp;e</source>
        <translation>&amp;Mosse</translation>
    </message>
    <message>
        <source>&amp;Auto Play</source>
        <translation>&amp;Gioco automatico</translation>
    </message>
    <message>
        <source>&amp;Step by Step</source>
        <translation>&amp;Passo passo</translation>
    </message>
    <message>
        <source>Shor&amp;test</source>
        <translation>Più &amp;breve</translation>
    </message>
    <message>
        <source>The settings file is not a file: the game starts with its defaults and keeps no settings.</source>
        <translation>Il file delle impostazioni non è un file: il gioco parte con le impostazioni predefinite e non ne salva nessuna.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>The old file is kept as %1</source>
        <translation>Il vecchio file è conservato come %1</translation>
    </message>
    <message>
        <source>This file name cannot be used.</source>
        <translation>Questo nome di file non può essere usato.</translation>
    </message>
    <message>
        <source>It holds bytes that are not text. Rename the file and try again.</source>
        <translation>Contiene byte che non sono testo. Rinomina il file e riprova.</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ATTENZIONE</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Importa immagine</translation>
    </message>
    <message>
        <source>picture sliding puzzle</source>
        <translation>puzzle scorrevole di immagini</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Partita del &amp;giorno</translation>
    </message>
    <message>
        <source>X&amp;%1</source>
        <translation>X&amp;%1</translation>
    </message>
    <message>
        <source>Replay &amp;My Game</source>
        <translation>Rivedi la &amp;mia partita</translation>
    </message>
    <message>
        <source>&amp;Watch Shortest Solution</source>
        <translation>Guarda la soluzione più &amp;corta</translation>
    </message>
</context>
<context>
    <name>mosaic::PictureViewer</name>
    <message>
        <source>Viewing Image (287 x 185)</source>
        <translation>Visualizzazione immagine (287 x 185)</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>L&apos;immagine intera</translation>
    </message>
</context>
</TS>
