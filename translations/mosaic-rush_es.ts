<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Mosaic Rush developers, 2026</source>
        <translation>Desarrolladores de Mosaic Rush, 2026</translation>
    </message>
    <message>
        <source>E-Mail: </source>
        <translation>Correo: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Mosaic Rush logo</source>
        <translation>Logotipo de Mosaic Rush</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The first line is not &quot;%1&quot;.</source>
        <translation>La primera línea no es «%1».</translation>
    </message>
    <message>
        <source>Line %1 is not a best result.</source>
        <translation>La línea %1 no es un mejor resultado válido.</translation>
    </message>
    <message>
        <source>Line %1 repeats a grid, play and order.</source>
        <translation>La línea %1 repite la cuadrícula, el modo y el orden de otra línea anterior.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>It is too large.</source>
        <translation>El archivo es demasiado grande.</translation>
    </message>
    <message>
        <source>Another game is writing the best results.</source>
        <translation>Otra ventana del juego está guardando los mejores resultados.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Empty cell</source>
        <translation>Casilla vacía</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Pieza %1</translation>
    </message>
    <message>
        <source>row %1, column %2; belongs at row %3, column %4</source>
        <translation>fila %1, columna %2; va en la fila %3, columna %4</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
</context>
<context>
    <name>CustomSizeWindow</name>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>X</source>
        <comment>columns X rows</comment>
        <translation>X</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation>&amp;Columnas</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Filas</translation>
    </message>
    <message>
        <source>&amp;GO</source>
        <translation>&amp;IR</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>File names are at most 12 characters long, with &quot;.tsq&quot;.</source>
        <translation>Los nombres de archivo tienen como máximo 12 caracteres, incluido «.tsq».</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Error reading</source>
        <translation>Error de lectura</translation>
    </message>
    <message>
        <source>This is not a saved game.</source>
        <translation>Esto no es una partida guardada.</translation>
    </message>
    <message>
        <source>Save game exists. Overwrite?</source>
        <translation>La partida guardada ya existe. ¿Sobrescribirla?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Error saving</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ALERTA</translation>
    </message>
    <message>
        <source>It is not a picture the game can read.</source>
        <translation>No es una imagen que el juego pueda leer.</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Click on Puzzle pieces close to Blank Space</source>
        <translation>Haz clic en las piezas junto al espacio vacío</translation>
    </message>
    <message>
        <source>Click on Puzzle pieces to Swap</source>
        <translation>Haz clic en las piezas para intercambiarlas</translation>
    </message>
    <message>
        <source> WORKING!</source>
        <translation> PENSANDO</translation>
    </message>
    <message>
        <source>Piece is Correct!</source>
        <translation>¡Pieza correcta!</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Movs.:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>MANUAL</source>
        <translation>MANUAL</translation>
    </message>
    <message>
        <source>L</source>
        <comment>the Left button</comment>
        <translation>I</translation>
    </message>
    <message>
        <source>R</source>
        <comment>the Right button</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>U</source>
        <comment>the Up button</comment>
        <translation>S</translation>
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
        <translation>Completado</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Felicidades</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Juego automático</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Movimientos: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3</source>
        <translation>Pieza %1 movida a la fila %2, columna %3</translation>
    </message>
    <message>
        <source>Piece %1 and piece %2 swapped</source>
        <translation>Pieza %1 y pieza %2 intercambiadas</translation>
    </message>
    <message>
        <source>Piece %1, row %2, column %3</source>
        <translation>Pieza %1, fila %2, columna %3</translation>
    </message>
    <message>
        <source>Piece %1 picked</source>
        <translation>Pieza %1 seleccionada</translation>
    </message>
    <message>
        <source>Automatic player on</source>
        <translation>Jugador automático activado</translation>
    </message>
    <message>
        <source>Automatic player off</source>
        <translation>Jugador automático desactivado</translation>
    </message>
    <message>
        <source>Swaps: %1</source>
        <translation>Intercambios: %1</translation>
    </message>
    <message numerus="yes">
        <source>Shortest possible: %n move(s)</source>
        <translation>
            <numerusform>Mínimo posible: %n movimiento</numerusform>
            <numerusform>Mínimo posible: %n movimientos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shortest possible: %n swap(s)</source>
        <translation>
            <numerusform>Mínimo posible: %n intercambio</numerusform>
            <numerusform>Mínimo posible: %n intercambios</numerusform>
        </translation>
    </message>
    <message>
        <source>Replay of your game: %1 moves</source>
        <translation>Repetición de su partida: %1 movimientos</translation>
    </message>
    <message>
        <source>Shortest solution: %1 moves</source>
        <translation>Solución más corta: %1 movimientos</translation>
    </message>
    <message>
        <source>Best solution found: %1 moves</source>
        <translation>Mejor solución encontrada: %1 movimientos</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <translation>Copiar resultado</translation>
    </message>
    <message>
        <source>Mosaic Rush daily %1: %2 moves, %3</source>
        <translation>Mosaic Rush partida diaria %1: %2 movimientos, %3</translation>
    </message>
    <message>
        <source>Mosaic Rush daily %1: %2 moves (shortest %3), %4</source>
        <translation>Mosaic Rush partida diaria %1: %2 movimientos (mínimo %3), %4</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The grid is not 1..10 by 1..10.</source>
        <translation>La cuadrícula no es de 1..10 por 1..10.</translation>
    </message>
    <message>
        <source>The move count is over 32767.</source>
        <translation>El número de movimientos supera 32767.</translation>
    </message>
    <message>
        <source>The file ends before the last cell of its %1 x %2 grid.</source>
        <translation>El archivo termina antes de la última casilla de su cuadrícula de %1 x %2.</translation>
    </message>
    <message>
        <source>The cells of its %1 x %2 grid do not hold the pieces 1 to %3 and one empty cell once each.</source>
        <translation>Las casillas de su cuadrícula de %1 x %2 no contienen una sola vez cada una las piezas 1 a %3 y una casilla vacía.</translation>
    </message>
    <message>
        <source>The cells of its %1 x %2 grid do not hold the pieces 1 to %3 once each.</source>
        <translation>Las casillas de su cuadrícula de %1 x %2 no contienen una sola vez cada una las piezas 1 a %3.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>Es un enlace a un archivo que no existe.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>No se puede escribir en la carpeta %1: %2</translation>
    </message>
</context>
<context>
    <name>mosaic::BestResultsWindow</name>
    <message>
        <source>Rows ascending</source>
        <translation>Filas (ascendente)</translation>
    </message>
    <message>
        <source>Rows descending</source>
        <translation>Filas (descendente)</translation>
    </message>
    <message>
        <source>Columns ascending</source>
        <translation>Columnas (ascendente)</translation>
    </message>
    <message>
        <source>Columns descending</source>
        <translation>Columnas (descendente)</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Mejores resultados</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completadas</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Menos movimientos</translation>
    </message>
    <message>
        <source>Shortest time</source>
        <translation>Menor tiempo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Deslizamiento</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Intercambio</translation>
    </message>
    <message>
        <source>Clear all best results? This cannot be undone.</source>
        <translation>¿Borrar todos los mejores resultados? No se puede deshacer.</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ALERTA</translation>
    </message>
    <message>
        <source>The best results could not be saved.</source>
        <translation>No se pudieron guardar los mejores resultados.</translation>
    </message>
    <message>
        <source>Daily games: %1 completed, days in a row: %2</source>
        <translation>Partidas diarias: %1 completadas, días seguidos: %2</translation>
    </message>
</context>
<context>
    <name>mosaic::MainWindow</name>
    <message>
        <source>The best results could not be read; they start afresh.</source>
        <translation>No se pudieron leer los mejores resultados; se empieza de cero.</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Mejores resultados</translation>
    </message>
    <message>
        <source>Switch the automatic player on or off (A)</source>
        <translation>Activar o desactivar el jugador automático (A)</translation>
    </message>
    <message>
        <source>Slide left</source>
        <translation>Deslizar a la izquierda</translation>
    </message>
    <message>
        <source>Slide right</source>
        <translation>Deslizar a la derecha</translation>
    </message>
    <message>
        <source>Slide up</source>
        <translation>Deslizar hacia arriba</translation>
    </message>
    <message>
        <source>Slide down</source>
        <translation>Deslizar hacia abajo</translation>
    </message>
    <message>
        <source>Automatic player</source>
        <translation>Jugador automático</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Grid size</source>
        <translation>Tamaño de la cuadrícula</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Solver</source>
        <translation>Solucionador</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation>&amp;Cargar partida</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Guardar partida</translation>
    </message>
    <message>
        <source>&amp;Import Image</source>
        <translation>&amp;Importar imagen</translation>
    </message>
    <message>
        <source>Best &amp;Results</source>
        <translation>&amp;Mejores resultados</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Tipo</translation>
    </message>
    <message>
        <source>&amp;View Image</source>
        <translation>Ver &amp;imagen</translation>
    </message>
    <message>
        <source>&amp;Magnify</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Show &amp;Numbers</source>
        <translation>Mostrar &amp;números</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>&amp;Order</source>
        <translation>&amp;Orden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>New best!</source>
        <translation>¡Nuevo récord!</translation>
    </message>
    <message>
        <source>The best results could not be saved: %1</source>
        <translation>No se pudieron guardar los mejores resultados: %1</translation>
    </message>
    <message>
        <source>&amp;Empty Space</source>
        <translation>&amp;Espacio vacío</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Personalizado</translation>
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
        <translation>&amp;Ascendente</translation>
    </message>
    <message>
        <source>&amp;Descend</source>
        <translation>&amp;Descendente</translation>
    </message>
    <message>
        <source>Mov&amp;e</source>
        <translation>&amp;Movimiento</translation>
    </message>
    <message>
        <source>&amp;Auto Play</source>
        <translation>&amp;Juego automático</translation>
    </message>
    <message>
        <source>&amp;Step by Step</source>
        <translation>Pa&amp;so a paso</translation>
    </message>
    <message>
        <source>Shor&amp;test</source>
        <translation>&amp;Más corto</translation>
    </message>
    <message>
        <source>The settings file is not a file: the game starts with its defaults and keeps no settings.</source>
        <translation>El archivo de ajustes no es un archivo: el juego empieza con los valores predeterminados y no guarda ajustes.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>The old file is kept as %1</source>
        <translation>El archivo anterior se conserva como %1</translation>
    </message>
    <message>
        <source>This file name cannot be used.</source>
        <translation>Este nombre de archivo no se puede usar.</translation>
    </message>
    <message>
        <source>It holds bytes that are not text. Rename the file and try again.</source>
        <translation>Contiene bytes que no son texto. Cambia el nombre del archivo e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ALERTA</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Importar imagen</translation>
    </message>
    <message>
        <source>picture sliding puzzle</source>
        <translation>puzle deslizante de imágenes</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Partida &amp;diaria</translation>
    </message>
    <message>
        <source>X&amp;%1</source>
        <translation>X&amp;%1</translation>
    </message>
    <message>
        <source>Replay &amp;My Game</source>
        <translation>&amp;Volver a ver mi partida</translation>
    </message>
    <message>
        <source>&amp;Watch Shortest Solution</source>
        <translation>Ver la solución más &amp;corta</translation>
    </message>
</context>
<context>
    <name>mosaic::PictureViewer</name>
    <message>
        <source>Viewing Image (287 x 185)</source>
        <translation>Viendo la imagen (287 x 185)</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>La imagen completa</translation>
    </message>
</context>
</TS>
