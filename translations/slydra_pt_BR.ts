<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Picture Hint:<byte value="xd"/>
For best results, Crop and resize your pictures for 232x232 pixels</source>
        <translation>Dica:
Para um melhor resultado, recorte e reduza suas imagens para 232x232 pixels.</translation>
    </message>
</context>
<context>
    <name>CBestScoresDlg</name>
    <message>
        <source>Best Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Reset Scores</source>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>Number of Moves:</source>
        <translation>Número de movimentos:</translation>
    </message>
    <message>
        <source>Time to Complete:</source>
        <translation>Tempo para concluir:</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n moves</source>
        <translation>
            <numerusform>%1, %2, %n movimento</numerusform>
            <numerusform>%1, %2, %n movimentos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
</context>
<context>
    <name>CBoardView</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vazio</translation>
    </message>
</context>
<context>
    <name>CCongratulationsDlg</name>
    <message>
        <source>Congratulations</source>
        <translation>Parabéns</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Digite seu nome:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Fastest time: %1</source>
        <translation>Melhor tempo: %1</translation>
    </message>
    <message>
        <source>Least moves: %1</source>
        <translation>Menos movimentos: %1</translation>
    </message>
    <message>
        <source>You used least moves, %1</source>
        <translation>Você usou menos movimentos: %1</translation>
    </message>
    <message>
        <source>You have the fastet time of %1</source>
        <translation>Você tem o melhor tempo: %1</translation>
    </message>
    <message>
        <source>For %1 level</source>
        <translation>No nível %1</translation>
    </message>
</context>
<context>
    <name>CGameMenus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Best Scores...</source>
        <translation>&amp;Recordes...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções...</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Grid Size: </source>
        <translation>Tamanho: </translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animação</translation>
    </message>
    <message>
        <source>Use</source>
        <extracomment>Use the picture file below for the tiles, instead of the letters.</extracomment>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Arquivo de imagem</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>Escolher o arquivo de imagem</translation>
    </message>
    <message>
        <source>Jpeg Files (*.jpg)</source>
        <translation>Arquivos JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Picture Files (%1)</source>
        <translation>Arquivos de imagem (%1)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Arquivos de bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Gif Files (*.gif)</source>
        <translation>Arquivos GIF (*.gif)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
    <message>
        <source>Fit to board</source>
        <translation>Ajustar ao tabuleiro</translation>
    </message>
</context>
<context>
    <name>CPictureNotice</name>
    <message>
        <source>the file is not there, or it may not be read.</source>
        <translation>o arquivo não existe ou não pode ser lido.</translation>
    </message>
    <message>
        <source>the file is not a picture, or it is damaged.</source>
        <translation>o arquivo não é uma imagem ou está danificado.</translation>
    </message>
    <message>
        <source>it is too large. A smaller copy of it will do.</source>
        <translation>ela é grande demais. Uma cópia menor serve.</translation>
    </message>
    <message>
        <source>it is in a format this system cannot read. A copy saved as JPEG or PNG will do.</source>
        <translation>ela está em um formato que este sistema não consegue ler. Uma cópia salva como JPEG ou PNG serve.</translation>
    </message>
    <message>
        <source>This picture cannot be shown: %1
The tiles show letters instead.</source>
        <translation>Esta imagem não pode ser exibida: %1
As peças mostram letras no lugar dela.</translation>
    </message>
</context>
<context>
    <name>CPlayerRecords</name>
    <message numerus="yes">
        <source>Congratulations, you have successfully completed the grid in a time of %1 from %n moves</source>
        <translation>
            <numerusform>Parabéns! Você completou a grade em %1 com %n movimento.</numerusform>
            <numerusform>Parabéns! Você completou a grade em %1 com %n movimentos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid Completed</source>
        <translation>Grade completa</translation>
    </message>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
</context>
<context>
    <name>CScoreTable</name>
    <message>
        <source>Anonymous</source>
        <translation>Anônimo</translation>
    </message>
    <message>
        <source>%1x%1</source>
        <extracomment>A grid size: 3x3, 4x4 or 5x5.</extracomment>
        <translation>%1x%1</translation>
    </message>
    <message>
        <source>The records could not be saved to %1: %2. Slydra will try again when a record changes and when it closes.</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>Não foi possível salvar os recordes em %1: %2. O Slydra tentará novamente quando um recorde mudar e ao ser fechado.</translation>
    </message>
</context>
<context>
    <name>CSlydraDlg</name>
    <message>
        <source>Slydra</source>
        <translation>Slydra</translation>
    </message>
    <message>
        <source>Do you want to resign this game?</source>
        <translation>Deseja desistir deste jogo?</translation>
    </message>
</context>
<context>
    <name>CStatsFile</name>
    <message>
        <source>it is not a regular file, so it is not replaced</source>
        <translation>não é um arquivo comum, então não é substituído</translation>
    </message>
    <message>
        <source>it cannot be read (%1), so it is not replaced</source>
        <translation>não pode ser lido (%1), então não é substituído</translation>
    </message>
    <message>
        <source>there is no data folder</source>
        <translation>não há pasta de dados</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>não é possível criar a pasta dele</translation>
    </message>
    <message>
        <source>another Slydra holds its lock</source>
        <translation>outro Slydra detém o bloqueio dele</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>não é possível gravar na pasta dele</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>não é possível criar o arquivo de bloqueio dele</translation>
    </message>
    <message>
        <source>it is damaged and cannot be kept as %1</source>
        <translation>está danificado e não pode ser guardado como %1</translation>
    </message>
    <message>
        <source>%1 is in the way (a folder)</source>
        <translation>%1 está no caminho (uma pasta)</translation>
    </message>
    <message>
        <source>%1 is in the way (a symbolic link)</source>
        <translation>%1 está no caminho (um link simbólico)</translation>
    </message>
    <message>
        <source>%1 is in the way (a named pipe)</source>
        <translation>%1 está no caminho (um pipe nomeado)</translation>
    </message>
    <message>
        <source>%1 is in the way (a socket)</source>
        <translation>%1 está no caminho (um soquete)</translation>
    </message>
    <message>
        <source>%1 is in the way (a device)</source>
        <translation>%1 está no caminho (um dispositivo)</translation>
    </message>
</context>
<context>
    <name>CStatusRow</name>
    <message>
        <source>Moves </source>
        <translation>Mov. </translation>
    </message>
    <message>
        <source>Time </source>
        <translation>Tempo </translation>
    </message>
    <message>
        <source>Moves %1</source>
        <translation>Movimentos %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <translation>Tempo %1</translation>
    </message>
</context>
<context>
    <name>CTitledDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FormatElapsed</name>
    <message>
        <source>%1h%2m%3s</source>
        <extracomment>Hours, minutes and seconds, each of at least two digits: 01h02m05s.</extracomment>
        <translation>%1h%2m%3s</translation>
    </message>
    <message>
        <source>%1m%2s</source>
        <extracomment>Minutes and seconds, each of at least two digits: 02m05s.</extracomment>
        <translation>%1m%2s</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; in a language written right to left, &quot;LTR&quot; in any other: the whole window follows it.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
</TS>
