<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Mosaic Rush developers, 2026</source>
        <translation>Desenvolvedores do Mosaic Rush, 2026</translation>
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
        <translation>Logotipo do Mosaic Rush</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The first line is not &quot;%1&quot;.</source>
        <translation>A primeira linha não é “%1”.</translation>
    </message>
    <message>
        <source>Line %1 is not a best result.</source>
        <translation>A linha %1 não é um melhor resultado válido.</translation>
    </message>
    <message>
        <source>Line %1 repeats a grid, play and order.</source>
        <translation>A linha %1 repete o tabuleiro, o modo e a ordem de uma linha anterior.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Não é um arquivo.</translation>
    </message>
    <message>
        <source>It is too large.</source>
        <translation>O arquivo é grande demais.</translation>
    </message>
    <message>
        <source>Another game is writing the best results.</source>
        <translation>Outra janela do jogo está salvando os melhores resultados.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Empty cell</source>
        <translation>Casa vazia</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Peça %1</translation>
    </message>
    <message>
        <source>row %1, column %2; belongs at row %3, column %4</source>
        <translation>linha %1, coluna %2; pertence à linha %3, coluna %4</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
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
        <translation>&amp;Colunas</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Linhas</translation>
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
        <translation>Os nomes de arquivo têm no máximo 12 caracteres, incluindo “.tsq”.</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Error reading</source>
        <translation>Erro de leitura</translation>
    </message>
    <message>
        <source>This is not a saved game.</source>
        <translation>Isto não é um jogo salvo.</translation>
    </message>
    <message>
        <source>Save game exists. Overwrite?</source>
        <translation>Já existe um jogo salvo com esse nome. Substituir?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Error saving</source>
        <translation>Erro ao salvar</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ALERTA</translation>
    </message>
    <message>
        <source>It is not a picture the game can read.</source>
        <translation>Não é uma imagem que o jogo consiga ler.</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Click on Puzzle pieces close to Blank Space</source>
        <translation>Clique nas peças ao lado do espaço vazio</translation>
    </message>
    <message>
        <source>Click on Puzzle pieces to Swap</source>
        <translation>Clique nas peças para trocá-las de lugar</translation>
    </message>
    <message>
        <source> WORKING!</source>
        <translation> AGUARDE!</translation>
    </message>
    <message>
        <source>Piece is Correct!</source>
        <translation>Peça correta!</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Movs.:</translation>
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
        <translation>MANUAL</translation>
    </message>
    <message>
        <source>L</source>
        <comment>the Left button</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>R</source>
        <comment>the Right button</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>U</source>
        <comment>the Up button</comment>
        <translation>C</translation>
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
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Parabéns</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Jogo automático</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Movimentos: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3</source>
        <translation>Peça %1 movida para a linha %2, coluna %3</translation>
    </message>
    <message>
        <source>Piece %1 and piece %2 swapped</source>
        <translation>Peça %1 e peça %2 trocadas</translation>
    </message>
    <message>
        <source>Piece %1, row %2, column %3</source>
        <translation>Peça %1, linha %2, coluna %3</translation>
    </message>
    <message>
        <source>Piece %1 picked</source>
        <translation>Peça %1 selecionada</translation>
    </message>
    <message>
        <source>Automatic player on</source>
        <translation>Jogador automático ligado</translation>
    </message>
    <message>
        <source>Automatic player off</source>
        <translation>Jogador automático desligado</translation>
    </message>
    <message>
        <source>Swaps: %1</source>
        <translation>Trocas: %1</translation>
    </message>
    <message numerus="yes">
        <source>Shortest possible: %n move(s)</source>
        <translation>
            <numerusform>Mínimo possível: %n movimento</numerusform>
            <numerusform>Mínimo possível: %n movimentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shortest possible: %n swap(s)</source>
        <translation>
            <numerusform>Mínimo possível: %n troca</numerusform>
            <numerusform>Mínimo possível: %n trocas</numerusform>
        </translation>
    </message>
    <message>
        <source>Replay of your game: %1 moves</source>
        <translation>Repetição do seu jogo: %1 movimentos</translation>
    </message>
    <message>
        <source>Shortest solution: %1 moves</source>
        <translation>Solução mais curta: %1 movimentos</translation>
    </message>
    <message>
        <source>Best solution found: %1 moves</source>
        <translation>Melhor solução encontrada: %1 movimentos</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <translation>Copiar resultado</translation>
    </message>
    <message>
        <source>Mosaic Rush daily %1: %2 moves, %3</source>
        <translation>Mosaic Rush jogo diário %1: %2 movimentos, %3</translation>
    </message>
    <message>
        <source>Mosaic Rush daily %1: %2 moves (shortest %3), %4</source>
        <translation>Mosaic Rush jogo diário %1: %2 movimentos (mínimo %3), %4</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The grid is not 1..10 by 1..10.</source>
        <translation>O tabuleiro não é de 1..10 por 1..10.</translation>
    </message>
    <message>
        <source>The move count is over 32767.</source>
        <translation>O número de movimentos excede 32767.</translation>
    </message>
    <message>
        <source>The file ends before the last cell of its %1 x %2 grid.</source>
        <translation>O arquivo termina antes da última casa do seu tabuleiro de %1 x %2.</translation>
    </message>
    <message>
        <source>The cells of its %1 x %2 grid do not hold the pieces 1 to %3 and one empty cell once each.</source>
        <translation>As casas do seu tabuleiro de %1 x %2 não contêm exatamente uma vez cada peça de 1 a %3 e uma casa vazia.</translation>
    </message>
    <message>
        <source>The cells of its %1 x %2 grid do not hold the pieces 1 to %3 once each.</source>
        <translation>As casas do seu tabuleiro de %1 x %2 não contêm exatamente uma vez cada peça de 1 a %3.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Não é um arquivo.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>É um link para um arquivo que não existe.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>A pasta %1 não existe.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>Não é possível gravar na pasta %1: %2</translation>
    </message>
</context>
<context>
    <name>mosaic::BestResultsWindow</name>
    <message>
        <source>Rows ascending</source>
        <translation>Linhas (crescente)</translation>
    </message>
    <message>
        <source>Rows descending</source>
        <translation>Linhas (decrescente)</translation>
    </message>
    <message>
        <source>Columns ascending</source>
        <translation>Colunas (crescente)</translation>
    </message>
    <message>
        <source>Columns descending</source>
        <translation>Colunas (decrescente)</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Melhores resultados</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordem</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluídos</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Menos movimentos</translation>
    </message>
    <message>
        <source>Shortest time</source>
        <translation>Menor tempo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Deslizamento</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Troca</translation>
    </message>
    <message>
        <source>Clear all best results? This cannot be undone.</source>
        <translation>Apagar todos os melhores resultados? Esta ação não pode ser desfeita.</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ALERTA</translation>
    </message>
    <message>
        <source>The best results could not be saved.</source>
        <translation>Não foi possível salvar os melhores resultados.</translation>
    </message>
    <message>
        <source>Daily games: %1 completed, days in a row: %2</source>
        <translation>Jogos diários: %1 concluídos, dias seguidos: %2</translation>
    </message>
</context>
<context>
    <name>mosaic::MainWindow</name>
    <message>
        <source>The best results could not be read; they start afresh.</source>
        <translation>Não foi possível ler os melhores resultados; uma nova lista será iniciada.</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Melhores resultados</translation>
    </message>
    <message>
        <source>Switch the automatic player on or off (A)</source>
        <translation>Ligar ou desligar o jogador automático (A)</translation>
    </message>
    <message>
        <source>Slide left</source>
        <translation>Deslizar para a esquerda</translation>
    </message>
    <message>
        <source>Slide right</source>
        <translation>Deslizar para a direita</translation>
    </message>
    <message>
        <source>Slide up</source>
        <translation>Deslizar para cima</translation>
    </message>
    <message>
        <source>Slide down</source>
        <translation>Deslizar para baixo</translation>
    </message>
    <message>
        <source>Automatic player</source>
        <translation>Jogador automático</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimentos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Grid size</source>
        <translation>Tamanho do tabuleiro</translation>
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
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation>&amp;Carregar jogo</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Salvar jogo</translation>
    </message>
    <message>
        <source>&amp;Import Image</source>
        <translation>&amp;Importar imagem</translation>
    </message>
    <message>
        <source>Best &amp;Results</source>
        <translation>&amp;Melhores resultados</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>S&amp;obre</translation>
    </message>
    <message>
        <source>e&amp;Xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Tipo</translation>
    </message>
    <message>
        <source>&amp;View Image</source>
        <translation>Ver &amp;imagem</translation>
    </message>
    <message>
        <source>&amp;Magnify</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Show &amp;Numbers</source>
        <translation>Mostrar &amp;números</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Velocidade</translation>
    </message>
    <message>
        <source>&amp;Order</source>
        <translation>&amp;Ordem</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Sugestão</translation>
    </message>
    <message>
        <source>New best!</source>
        <translation>Novo recorde!</translation>
    </message>
    <message>
        <source>The best results could not be saved: %1</source>
        <translation>Não foi possível salvar os melhores resultados: %1</translation>
    </message>
    <message>
        <source>&amp;Empty Space</source>
        <translation>&amp;Espaço vazio</translation>
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
        <translation>&amp;Crescente</translation>
    </message>
    <message>
        <source>&amp;Descend</source>
        <translation>&amp;Decrescente</translation>
    </message>
    <message>
        <source>Mov&amp;e</source>
        <translation>&amp;Movimentos</translation>
    </message>
    <message>
        <source>&amp;Auto Play</source>
        <translation>&amp;Jogo automático</translation>
    </message>
    <message>
        <source>&amp;Step by Step</source>
        <translation>&amp;Passo a passo</translation>
    </message>
    <message>
        <source>Shor&amp;test</source>
        <translation>&amp;Mais curto</translation>
    </message>
    <message>
        <source>The settings file is not a file: the game starts with its defaults and keeps no settings.</source>
        <translation>O arquivo de configurações não é um arquivo: o jogo começa com os valores padrão e não salva configurações.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>The old file is kept as %1</source>
        <translation>O arquivo antigo foi mantido como %1</translation>
    </message>
    <message>
        <source>This file name cannot be used.</source>
        <translation>Este nome de arquivo não pode ser usado.</translation>
    </message>
    <message>
        <source>It holds bytes that are not text. Rename the file and try again.</source>
        <translation>Contém bytes que não são texto. Renomeie o arquivo e tente de novo.</translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation>ALERTA</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>Importar imagem</translation>
    </message>
    <message>
        <source>picture sliding puzzle</source>
        <translation>quebra-cabeça deslizante de imagens</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <translation>Jogo &amp;diário</translation>
    </message>
    <message>
        <source>X&amp;%1</source>
        <translation>X&amp;%1</translation>
    </message>
    <message>
        <source>Replay &amp;My Game</source>
        <translation>Re&amp;ver meu jogo</translation>
    </message>
    <message>
        <source>&amp;Watch Shortest Solution</source>
        <translation>Ver a solução mais &amp;curta</translation>
    </message>
</context>
<context>
    <name>mosaic::PictureViewer</name>
    <message>
        <source>Viewing Image (287 x 185)</source>
        <translation>Visualização da imagem (287 x 185)</translation>
    </message>
    <message>
        <source>The whole picture</source>
        <translation>A imagem completa</translation>
    </message>
</context>
</TS>
