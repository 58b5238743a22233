<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CardEdges</name>
    <message>
        <source>north %1, east %2, south %3, west %4</source>
        <extracomment>A card&apos;s four edge values as a screen reader speaks them.</extracomment>
        <translation>norte %1, leste %2, sul %3, oeste %4</translation>
    </message>
</context>
<context>
    <name>ComputerChoice</name>
    <message>
        <source>Computer (easy)</source>
        <translation>Computador (fácil)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Computador (médio)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Computador (difícil)</translation>
    </message>
    <message>
        <source>Host a game on the network…</source>
        <translation>Hospedar uma partida em rede…</translation>
    </message>
    <message>
        <source>Join a game on the network…</source>
        <translation>Entrar em uma partida em rede…</translation>
    </message>
</context>
<context>
    <name>Fatal</name>
    <message>
        <source>Quorvel cannot continue.

%1</source>
        <translation>O Quorvel não pode continuar.

%1</translation>
    </message>
    <message>
        <source>Quorvel: fatal error: %1
</source>
        <translation>Quorvel: erro fatal: %1
</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Window %1 is already shown modally.</source>
        <translation>A janela %1 já está aberta de forma modal.</translation>
    </message>
</context>
<context>
    <name>FrmHelp</name>
    <message>
        <source>Quorvel  -  Help</source>
        <translation>Quorvel  -  Ajuda</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras do jogo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>As regras do jogo &quot;%1&quot; não foram encontradas.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2</source>
        <translation>Não foi possível ler as regras do jogo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be shown: %2</source>
        <translation>Não foi possível mostrar as regras do jogo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Quorvel help</source>
        <translation>Ajuda do Quorvel</translation>
    </message>
</context>
<context>
    <name>FrmHostGame</name>
    <message>
        <source>Quorvel  -  Host a game</source>
        <translation>Quorvel  -  Hospedar uma partida</translation>
    </message>
    <message>
        <source>Waiting for a player</source>
        <translation>Esperando um jogador</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Código de acesso</translation>
    </message>
    <message>
        <source>Players on this network see the game as &quot;%1&quot;.</source>
        <translation>Os jogadores desta rede veem a partida como “%1”.</translation>
    </message>
    <message>
        <source>Tell the other player one of these addresses and the join code.</source>
        <translation>Informe ao outro jogador um destes endereços e o código de acesso.</translation>
    </message>
    <message>
        <source>Host a game on the network</source>
        <translation>Hospedar uma partida em rede</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Endereço: %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>Código de acesso: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FrmJoinGame</name>
    <message>
        <source>Quorvel  -  Join a game</source>
        <translation>Quorvel  -  Entrar em uma partida</translation>
    </message>
    <message>
        <source>Join a game on the network</source>
        <translation>Entrar em uma partida em rede</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Código de acesso</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Games on the local network</source>
        <translation>Partidas na rede local</translation>
    </message>
    <message>
        <source>Type the host&apos;s address and the join code it shows, or choose a game above.</source>
        <translation>Digite o endereço do anfitrião e o código de acesso que ele mostra, ou escolha uma partida acima.</translation>
    </message>
    <message>
        <source>No game found yet.</source>
        <translation>Nenhuma partida encontrada ainda.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>Type your name as the host will see it.</source>
        <translation>Digite seu nome como o anfitrião o verá.</translation>
    </message>
    <message>
        <source>Joining the game at %1…</source>
        <translation>Entrando na partida em %1…</translation>
    </message>
    <message>
        <source>The host&apos;s address, with a colon and the port if it is not the usual one.</source>
        <translation>O endereço do anfitrião, com dois-pontos e a porta se não for a de costume.</translation>
    </message>
    <message>
        <source>The ten letters and digits the host shows.</source>
        <translation>As dez letras e dígitos que o anfitrião mostra.</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Quorvel</source>
        <translation>Quorvel</translation>
    </message>
    <message>
        <source>Hands dealt. %1 begins.</source>
        <translation>Cartas distribuídas. %1 começa.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a placement (a capture, whose turn it is).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Get ready for the next hand</source>
        <translation>Preparem-se para a próxima mão</translation>
    </message>
    <message>
        <source>Round %1 cannot be recorded: a match has rounds 1 to 5.</source>
        <translation>Não foi possível registrar a rodada %1: uma partida tem as rodadas 1 a 5.</translation>
    </message>
    <message>
        <source>%1 won this round.  Ready for next round</source>
        <translation>%1 venceu esta rodada.  Prontos para a próxima</translation>
    </message>
    <message>
        <source>A match total overflows a 16-bit integer.</source>
        <translation>Um total da partida ultrapassa um inteiro de 16 bits.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
 wins with %2</source>
        <extracomment>The message ending a match: the winner&apos;s name, a line break, the winner&apos;s total.</extracomment>
        <translation>%1<byte value="xd"/>
 vence com %2</translation>
    </message>
    <message>
        <source>Square %1, empty</source>
        <translation>Casa %1, vazia</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jogador 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jogador 2</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>%1 começa</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Show statistics</source>
        <translation>Mostrar estatísticas</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Not your turn.</source>
        <translation>Não é a sua vez.</translation>
    </message>
    <message>
        <source>Not your card.</source>
        <translation>Não é a sua carta.</translation>
    </message>
    <message>
        <source>Card %1 is played.</source>
        <translation>A carta %1 já foi jogada.</translation>
    </message>
    <message>
        <source>Square %1 is taken.</source>
        <translation>A casa %1 está ocupada.</translation>
    </message>
    <message>
        <source>%1 to play.</source>
        <translation>Vez de %1.</translation>
    </message>
    <message>
        <source>Score %1 to %2.</source>
        <translation>Pontos %1 a %2.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Square %1, red card, %2</source>
        <translation>Casa %1, carta vermelha, %2</translation>
    </message>
    <message>
        <source>Square %1, blue card, %2</source>
        <translation>Casa %1, carta azul, %2</translation>
    </message>
    <message>
        <source>%1, card %2, face down</source>
        <translation>%1, carta %2, virada para baixo</translation>
    </message>
    <message>
        <source>%1, card %2, played</source>
        <translation>%1, carta %2, jogada</translation>
    </message>
    <message>
        <source>%1, card %2, %3</source>
        <translation>%1, carta %2, %3</translation>
    </message>
    <message>
        <source>Card %1, face down.</source>
        <translation>Carta %1, virada para baixo.</translation>
    </message>
    <message>
        <source>Card %1, %2.</source>
        <translation>Carta %1, %2.</translation>
    </message>
    <message>
        <source>%1 placed on square %2.</source>
        <translation>%1 jogou na casa %2.</translation>
    </message>
    <message>
        <source>Placed on square %1.</source>
        <translation>Colocada na casa %1.</translation>
    </message>
    <message>
        <source>Took square %1.</source>
        <translation>Casa %1 capturada.</translation>
    </message>
    <message>
        <source>Took squares %1.</source>
        <translation>Casas %1 capturadas.</translation>
    </message>
    <message>
        <source>No card to place.</source>
        <translation>Nenhuma carta para colocar.</translation>
    </message>
    <message>
        <source>Pick a card first.</source>
        <translation>Escolha uma carta primeiro.</translation>
    </message>
    <message>
        <source>Your cards are still face down.</source>
        <translation>Suas cartas ainda estão viradas para baixo.</translation>
    </message>
    <message>
        <source>%1, frame of card %2</source>
        <translation>%1, moldura da carta %2</translation>
    </message>
    <message>
        <source>Player 1, red, %1</source>
        <translation>Jogador 1, vermelho, %1</translation>
    </message>
    <message>
        <source>Player 2, blue, %1</source>
        <translation>Jogador 2, azul, %1</translation>
    </message>
    <message>
        <source>Score of %1, %2</source>
        <translation>Pontos de %1, %2</translation>
    </message>
    <message>
        <source>%1, round light %2, lit</source>
        <translation>%1, luz da rodada %2, acesa</translation>
    </message>
    <message>
        <source>%1, round light %2, not lit</source>
        <translation>%1, luz da rodada %2, apagada</translation>
    </message>
    <message>
        <source>Hints are given only against the computer.</source>
        <translation>Dicas só são dadas contra o computador.</translation>
    </message>
</context>
<context>
    <name>FrmMessage</name>
    <message>
        <source>Form1</source>
        <extracomment>The designed caption of the message window, a placeholder name.</extracomment>
        <translation>Form1</translation>
    </message>
    <message>
        <source>Ready for the next round</source>
        <translation>Prontos para a próxima rodada</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Close this message first.</source>
        <translation>Feche esta mensagem primeiro.</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <translation>Mão aberta</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <translation>Mão fechada</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <translation>Regras básicas</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <translation>Regras básicas com combo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Nome do jogador 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Nome do jogador 2</translation>
    </message>
    <message>
        <source>Has a list of the computer&apos;s levels and of network games, opened with Alt+Down.</source>
        <translation>Tem uma lista dos níveis do computador e das partidas em rede, aberta com Alt+Baixo.</translation>
    </message>
</context>
<context>
    <name>FrmPlayer</name>
    <message>
        <source>Quorvel  -  Player 1</source>
        <translation>Quorvel  -  Jogador 1</translation>
    </message>
    <message>
        <source>Quorvel  -  Player 2</source>
        <translation>Quorvel  -  Jogador 2</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jogador 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jogador 2</translation>
    </message>
    <message>
        <source>You must select 5 cards to play</source>
        <translation>Você precisa escolher 5 cartas para jogar</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done</source>
        <translation>Escolha 5 cartas e clique em Pronto</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done.</source>
        <translation>Escolha 5 cartas e pressione Pronto.</translation>
    </message>
    <message>
        <source>The cards are still face down.</source>
        <translation>As cartas ainda estão viradas para baixo.</translation>
    </message>
    <message>
        <source>5 cards are marked. Unmark one first.</source>
        <translation>5 cartas estão marcadas. Desmarque uma primeiro.</translation>
    </message>
    <message>
        <source>5 cards marked, press Done.</source>
        <translation>5 cartas marcadas, pressione Pronto.</translation>
    </message>
    <message>
        <source>1 card marked, 4 to go.</source>
        <translation>1 carta marcada, faltam 4.</translation>
    </message>
    <message>
        <source>No card marked.</source>
        <translation>Nenhuma carta marcada.</translation>
    </message>
    <message>
        <source>%1 cards marked, %2 to go.</source>
        <translation>%1 cartas marcadas, faltam %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a mark: which card, then how many are marked.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Card %1 marked.</source>
        <translation>Carta %1 marcada.</translation>
    </message>
    <message>
        <source>Card %1 unmarked.</source>
        <translation>Carta %1 desmarcada.</translation>
    </message>
    <message>
        <source>Card %1, face down</source>
        <translation>Carta %1, virada para baixo</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Carta %1, %2</translation>
    </message>
    <message>
        <source>The computer is choosing its cards.</source>
        <translation>O computador está escolhendo suas cartas.</translation>
    </message>
    <message>
        <source>Player 1, %1</source>
        <translation>Jogador 1, %1</translation>
    </message>
    <message>
        <source>Player 2, %1</source>
        <translation>Jogador 2, %1</translation>
    </message>
    <message>
        <source>Frame of card %1</source>
        <translation>Moldura da carta %1</translation>
    </message>
</context>
<context>
    <name>FrmSplash</name>
    <message>
        <source>Form1</source>
        <extracomment>The designed caption of the splash window, a placeholder name.</extracomment>
        <translation>Form1</translation>
    </message>
    <message>
        <source>Quorvel</source>
        <translation>Quorvel</translation>
    </message>
</context>
<context>
    <name>FrmStats</name>
    <message>
        <source>Quorvel  -  Statistics</source>
        <translation>Quorvel  -  Estatísticas</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Adversário</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Venc.</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perd.</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rodadas</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mãos</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Seq.</translation>
    </message>
    <message>
        <source>Clear the record</source>
        <translation>Apagar o histórico</translation>
    </message>
    <message>
        <source>Reset the record</source>
        <translation>Zerar o histórico</translation>
    </message>
    <message>
        <source>Keep the record</source>
        <translation>Manter o histórico</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>%1: nothing played yet.</source>
        <translation>%1: nada jogado ainda.</translation>
    </message>
    <message>
        <source>%1: %2 matches won, %3 lost; rounds %4 won, %5 lost; hands %6 won, %7 lost, %8 drawn; points %9 for, %10 against; longest winning streak %11.</source>
        <translation>%1: %2 partidas vencidas, %3 perdidas; rodadas %4 vencidas, %5 perdidas; mãos %6 vencidas, %7 perdidas, %8 empatadas; pontos %9 a favor, %10 contra; maior sequência de vitórias %11.</translation>
    </message>
    <message>
        <source>Statistics.</source>
        <translation>Estatísticas.</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <comment>yours and the opponent&apos;s</comment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Clear the whole record of matches? This cannot be undone.</source>
        <translation>Apagar todo o histórico de partidas? Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>The record cannot be kept: %1</source>
        <translation>O histórico não pode ser mantido: %1</translation>
    </message>
    <message>
        <source>Rounds, hands and points: yours, then your opponent&apos;s. Streak: the most matches won in a row.</source>
        <translation>Rodadas, mãos e pontos: os seus, depois os do adversário. Sequência: mais partidas vencidas seguidas.</translation>
    </message>
    <message>
        <source>The record has been cleared.</source>
        <translation>O histórico foi apagado.</translation>
    </message>
    <message>
        <source>The record has been kept.</source>
        <translation>O histórico foi mantido.</translation>
    </message>
</context>
<context>
    <name>FrmWinner</name>
    <message>
        <source>Form1</source>
        <extracomment>The designed caption of the results window, a placeholder name.</extracomment>
        <translation>Form1</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Rodada %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Against %1: %2 won, %3 lost</source>
        <translation>Contra %1: %2 vencidas, %3 perdidas</translation>
    </message>
    <message>
        <source>%1. Shows the statistics.</source>
        <translation>%1. Mostra as estatísticas.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences of the results read out: a name, each round, the total.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Round %1, %2.</source>
        <translation>Rodada %1, %2.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Total %1.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>The installed card database &quot;%1&quot; cannot be read: %2</source>
        <translation>Não foi possível ler o banco de dados de cartas instalado &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The installed card database &quot;%1&quot; is damaged: %2</source>
        <translation>O banco de dados de cartas instalado &quot;%1&quot; está danificado: %2</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is damaged: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel: seu banco de dados de cartas &quot;%1&quot; está danificado: %2 Ele foi guardado à parte como &quot;%3&quot; e uma nova cópia foi feita a partir de &quot;%4&quot;.
</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is unreadable: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel: seu banco de dados de cartas &quot;%1&quot; está ilegível: %2 Ele foi guardado à parte como &quot;%3&quot; e uma nova cópia foi feita a partir de &quot;%4&quot;.
</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: no space left on the disk that holds &quot;%2&quot; (%3 kB free, %4 kB needed). Make room there and start the game again.</source>
        <translation>Não foi possível criar seu banco de dados de cartas &quot;%1&quot;: não há espaço no disco que contém &quot;%2&quot; (%3 kB livres, %4 kB necessários). Libere espaço e inicie o jogo de novo.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made from &quot;%2&quot;: %3.</source>
        <translation>Não foi possível criar seu banco de dados de cartas &quot;%1&quot; a partir de &quot;%2&quot;: %3.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: &quot;%2&quot; is a file, not a folder.</source>
        <translation>Não foi possível criar a pasta &quot;%1&quot; do seu banco de dados de cartas: &quot;%2&quot; é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: %2.</source>
        <translation>Não foi possível criar a pasta &quot;%1&quot; do seu banco de dados de cartas: %2.</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>não há espaço no disco</translation>
    </message>
    <message>
        <source>Your card database has no folder: neither XDG_DATA_HOME nor HOME names one, and your account has no home folder.</source>
        <translation>Seu banco de dados de cartas não tem pasta: nem XDG_DATA_HOME nem HOME indicam uma, e sua conta não tem pasta pessoal.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be opened: no space left on the disk that holds &quot;%2&quot; (%3 kB free). Make room there and start the game again.</source>
        <translation>Não foi possível abrir seu banco de dados de cartas &quot;%1&quot;: não há espaço no disco que contém &quot;%2&quot; (%3 kB livres). Libere espaço e inicie o jogo de novo.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be read: %2</source>
        <translation>Não foi possível ler seu banco de dados de cartas &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; is damaged (%2) and cannot be set aside as &quot;%3&quot;: %4.</source>
        <translation>Seu banco de dados de cartas &quot;%1&quot; está danificado (%2) e não pode ser guardado à parte como &quot;%3&quot;: %4.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: %2.</source>
        <translation>Não foi possível criar seu banco de dados de cartas &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Hint frame</source>
        <translation>Moldura da dica</translation>
    </message>
    <message>
        <source>Hint: card %1 on square %2</source>
        <translation>Dica: carta %1 na casa %2</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Games on the local network cannot be listed, because no Avahi daemon is running on this computer. Type the host&apos;s address instead.</source>
        <translation>As partidas da rede local não podem ser listadas porque nenhum serviço Avahi está em execução neste computador. Digite o endereço do anfitrião.</translation>
    </message>
    <message>
        <source>Type the host&apos;s address, such as 192.168.1.20 or mirela-pc.local.</source>
        <translation>Digite o endereço do anfitrião, por exemplo 192.168.1.20 ou mirela-pc.local.</translation>
    </message>
    <message>
        <source>An address in brackets needs its closing bracket.</source>
        <translation>Falta o colchete de fechamento no endereço entre colchetes.</translation>
    </message>
    <message>
        <source>After the bracketed address only a colon and a port may follow.</source>
        <translation>Depois do endereço entre colchetes só podem vir dois-pontos e uma porta.</translation>
    </message>
    <message>
        <source>Brackets hold an IPv6 address.</source>
        <translation>Os colchetes envolvem um endereço IPv6.</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535.</source>
        <translation>A porta é um número de 1 a 65535.</translation>
    </message>
    <message>
        <source>“%1” is neither an address nor a computer&apos;s name.</source>
        <translation>“%1” não é um endereço nem o nome de um computador.</translation>
    </message>
    <message>
        <source>The other game sent a message that cannot be read. The network match is over.</source>
        <translation>O outro jogo enviou uma mensagem que não pode ser lida. A partida em rede terminou.</translation>
    </message>
    <message>
        <source>The other game sent a message that is too large. The network match is over.</source>
        <translation>O outro jogo enviou uma mensagem grande demais. A partida em rede terminou.</translation>
    </message>
    <message>
        <source>The other game is another version of Quorvel. Both players need the same version to play together.</source>
        <translation>O outro jogo é outra versão do Quorvel. Os dois jogadores precisam da mesma versão para jogar juntos.</translation>
    </message>
    <message>
        <source>The other game sent a message out of turn. The network match is over.</source>
        <translation>O outro jogo enviou uma mensagem fora de sua vez. A partida em rede terminou.</translation>
    </message>
    <message>
        <source>The other game sent a move that the rules do not allow. The network match is over.</source>
        <translation>O outro jogo enviou uma jogada que as regras não permitem. A partida em rede terminou.</translation>
    </message>
    <message>
        <source>The two games have different card lists. Both players need the same version of Quorvel to play together.</source>
        <translation>Os dois jogos têm listas de cartas diferentes. Os dois jogadores precisam da mesma versão do Quorvel para jogar juntos.</translation>
    </message>
    <message>
        <source>The host is already playing with someone else.</source>
        <translation>O anfitrião já está jogando com outra pessoa.</translation>
    </message>
    <message>
        <source>%1 has not answered for too long. The network match is over.</source>
        <translation>%1 não responde há tempo demais. A partida em rede terminou.</translation>
    </message>
    <message>
        <source>The other game has not answered for too long. The network match is over.</source>
        <translation>O outro jogo não responde há tempo demais. A partida em rede terminou.</translation>
    </message>
    <message>
        <source>The other game sent far too many messages. The network match is over.</source>
        <translation>O outro jogo enviou mensagens demais. A partida em rede terminou.</translation>
    </message>
    <message>
        <source>The join code is wrong. Check it with the host and try again.</source>
        <translation>O código de acesso está errado. Confira-o com o anfitrião e tente de novo.</translation>
    </message>
    <message>
        <source>The program at this address is not a Quorvel game that can be joined.</source>
        <translation>O programa neste endereço não é uma partida de Quorvel em que se possa entrar.</translation>
    </message>
    <message>
        <source>No game answers at this address. Check the address and that the host is waiting for a player.</source>
        <translation>Nenhuma partida responde neste endereço. Confira o endereço e se o anfitrião está esperando um jogador.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost. The network match is over.</source>
        <translation>A conexão com %1 foi perdida. A partida em rede terminou.</translation>
    </message>
    <message>
        <source>The connection to the other game was lost. The network match is over.</source>
        <translation>A conexão com o outro jogo foi perdida. A partida em rede terminou.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 saiu da partida.</translation>
    </message>
    <message>
        <source>The other player has left the game.</source>
        <translation>O outro jogador saiu da partida.</translation>
    </message>
    <message>
        <source>The other game heard nothing from this game for too long. The network match is over.</source>
        <translation>O outro jogo ficou tempo demais sem receber nada deste jogo. A partida em rede terminou.</translation>
    </message>
    <message>
        <source>The other game could not accept a message from this game. The network match is over.</source>
        <translation>O outro jogo não pôde aceitar uma mensagem deste jogo. A partida em rede terminou.</translation>
    </message>
    <message>
        <source>Someone tried to join with a wrong code and was turned away.</source>
        <translation>Alguém tentou entrar com um código errado e foi recusado.</translation>
    </message>
    <message>
        <source>A second player tried to join and was turned away.</source>
        <translation>Um segundo jogador tentou entrar e foi recusado.</translation>
    </message>
    <message>
        <source>A program that is not a Quorvel game tried to connect and was turned away.</source>
        <translation>Um programa que não é um jogo Quorvel tentou se conectar e foi recusado.</translation>
    </message>
    <message>
        <source>A player with another version of Quorvel tried to join and was turned away.</source>
        <translation>Um jogador com outra versão do Quorvel tentou entrar e foi recusado.</translation>
    </message>
    <message>
        <source>A player with a different card list tried to join and was turned away.</source>
        <translation>Um jogador com outra lista de cartas tentou entrar e foi recusado.</translation>
    </message>
    <message>
        <source>A connection that did not introduce itself in time was closed.</source>
        <translation>Uma conexão que não se apresentou a tempo foi fechada.</translation>
    </message>
    <message>
        <source>A connection that broke the rules of the conversation was closed.</source>
        <translation>Uma conexão que violou as regras da comunicação foi fechada.</translation>
    </message>
    <message>
        <source>The network match needs OpenSSL, which could not be loaded.</source>
        <translation>A partida em rede precisa do OpenSSL, que não pôde ser carregado.</translation>
    </message>
    <message>
        <source>The game cannot wait for a player on port %1: %2</source>
        <translation>O jogo não pode esperar um jogador na porta %1: %2</translation>
    </message>
    <message>
        <source>A join code has no “%1”: it uses the digits 2 to 9 and the letters other than I and O.</source>
        <translation>Um código de acesso não contém “%1”: ele usa os algarismos de 2 a 9 e as letras exceto I e O.</translation>
    </message>
    <message>
        <source>A join code has ten letters and digits, such as K7QF-9M2T-XW.</source>
        <translation>Um código de acesso tem dez letras e algarismos, por exemplo K7QF-9M2T-XW.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>A imagem &quot;%1&quot; não foi encontrada.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>A imagem &quot;%1&quot; está vazia.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be loaded: %2</source>
        <translation>Não foi possível carregar a imagem &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Choose 5 cards
then press Done</source>
        <extracomment>Painted on the selection window&apos;s prompt in two lines: the first large (room for about 180 x 36 pixels), the second small (180 x 19). Keep the line break.</extracomment>
        <translation>Escolha 5 cartas
e clique em Pronto</translation>
    </message>
    <message>
        <source>Player %1 begins</source>
        <extracomment>Painted on the plaque that shows who places the first card, 190 x 55 pixels of room; %1 is the player&apos;s number, 1 or 2.</extracomment>
        <translation>Jogador %1 começa</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>The headings above the options window&apos;s name boxes (room for 288 x 32 pixels), and the plates of the main and selection windows that name each player&apos;s colour (121 x 29 pixels); %1 is 1 or 2.</extracomment>
        <translation>Jogador %1</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>The heading of the options window&apos;s choice of rules, painted between two gold lines (room for 288 x 29 pixels).</extracomment>
        <translation>Regras</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <extracomment>An option of the options window, right of its mark (room for 214 x 27 pixels).</extracomment>
        <translation>Mão aberta</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Mão fechada</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Regras básicas</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Regras básicas com combo</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <extracomment>The heading of the results window, painted above a gold line (room for 431 x 38 pixels).</extracomment>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>a duel of cards for two</source>
        <extracomment>The splash window&apos;s line under the game&apos;s name (room for 430 x 30 pixels).</extracomment>
        <translation>um duelo de cartas para dois</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>A button of the options, message, results, statistics and help windows, and of the selection windows; painted on a face of 87 x 19 pixels.</extracomment>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of the main and options windows (87 x 19 pixels).</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>The heading of the statistics window, painted above a short gold line (room for 520 x 40 pixels).</extracomment>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The statistics window&apos;s button that asks to empty the record of matches (87 x 19 pixels).</extracomment>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The statistics window&apos;s button that confirms emptying the record of matches (87 x 19 pixels).</extracomment>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The statistics window&apos;s button that keeps the record of matches after all (87 x 19 pixels).</extracomment>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The button of the network windows that gives up waiting for or joining a game (87 x 19 pixels).</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join window&apos;s button that connects to the host (87 x 19 pixels).</extracomment>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Options of the window system (Qt):</source>
        <translation>Opções do sistema de janelas (Qt):</translation>
    </message>
    <message>
        <source>cannot show its windows: no display is set (the DISPLAY environment variable is empty).</source>
        <translation>não consegue mostrar suas janelas: nenhuma tela definida (a variável de ambiente DISPLAY está vazia).</translation>
    </message>
    <message>
        <source>cannot show its windows: the display &quot;%1&quot; cannot be reached.</source>
        <translation>não consegue mostrar suas janelas: a tela “%1” não pode ser alcançada.</translation>
    </message>
    <message>
        <source>cannot show its windows: there is no window system &quot;%1&quot; (there are: %2).</source>
        <translation>não consegue mostrar suas janelas: não existe o sistema de janelas “%1” (existem: %2).</translation>
    </message>
    <message>
        <source>cannot show its windows through &quot;%1&quot;: %2</source>
        <translation>não consegue mostrar suas janelas por meio de “%1”: %2</translation>
    </message>
</context>
<context>
    <name>PlayRules</name>
    <message>
        <source>Player %1&apos;s score overflows a 16-bit integer (%2 + %3).</source>
        <translation>A pontuação do jogador %1 ultrapassa um inteiro de 16 bits (%2 + %3).</translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>%1 failed in the card database &quot;%2&quot;: %3</source>
        <translation>Falha no banco de dados de cartas &quot;%2&quot; (%1): %3</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; does not exist.</source>
        <translation>O banco de dados de cartas &quot;%1&quot; não existe.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be read.</source>
        <translation>Não foi possível ler o banco de dados de cartas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is read-only; the game keeps its cards in it and must be able to write it.</source>
        <translation>O banco de dados de cartas &quot;%1&quot; é somente leitura; o jogo guarda nele as suas cartas e precisa poder gravá-lo.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is empty.</source>
        <translation>O banco de dados de cartas &quot;%1&quot; está vazio.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; of the card database is read-only; the game keeps its log of changes beside the database and must be able to write there.</source>
        <translation>A pasta &quot;%1&quot; do banco de dados de cartas é somente leitura; o jogo guarda o registro de alterações ao lado do banco de dados e precisa poder gravar ali.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be opened: %2</source>
        <translation>Não foi possível abrir o banco de dados de cartas &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card database: %2</source>
        <translation>&quot;%1&quot; não é um banco de dados de cartas: %2</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be written (is its folder read-only?): %2</source>
        <translation>Não foi possível gravar o banco de dados de cartas &quot;%1&quot; (a pasta dele é somente leitura?): %2</translation>
    </message>
    <message>
        <source>Setting up</source>
        <translation>preparação</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>gravação</translation>
    </message>
    <message>
        <source>Starting a save</source>
        <translation>início de uma gravação</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened: the card database is not open.</source>
        <translation>Não foi possível abrir a tabela %1: o banco de dados de cartas não está aberto.</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened in the card database &quot;%2&quot;: %3</source>
        <translation>Não foi possível abrir a tabela %1 no banco de dados de cartas &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Table %1 is not open.</source>
        <translation>A tabela %1 não está aberta.</translation>
    </message>
    <message>
        <source>Table %1: the search &quot;%2&quot; cannot be understood.</source>
        <translation>Tabela %1: a busca &quot;%2&quot; não pode ser entendida.</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>A tabela %1 do banco de dados de cartas não tem o campo %2.</translation>
    </message>
    <message>
        <source>Table %1: no current record for field %2 (the record searched for was not found).</source>
        <translation>Tabela %1: nenhum registro atual para o campo %2 (o registro procurado não foi encontrado).</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds &quot;%4&quot; where a number belongs.</source>
        <translation>Tabela %1, registro %2: o campo %3 contém &quot;%4&quot; onde deveria haver um número.</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4, beyond a 16-bit integer.</source>
        <translation>Tabela %1, registro %2: o campo %3 contém %4, além de um inteiro de 16 bits.</translation>
    </message>
    <message>
        <source>Table %1 is read-only; field %2 cannot be written.</source>
        <translation>A tabela %1 é somente leitura; não é possível gravar o campo %2.</translation>
    </message>
    <message>
        <source>Saving a record of table %1</source>
        <translation>gravação de um registro da tabela %1</translation>
    </message>
    <message>
        <source>Table %1: record %2 disappeared from the card database.</source>
        <translation>Tabela %1: o registro %2 sumiu do banco de dados de cartas.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>not a rich-text document</source>
        <translation>não é um documento rich text</translation>
    </message>
    <message>
        <source>the document ends before all its groups are closed</source>
        <translation>o documento termina antes de todos os seus grupos serem fechados</translation>
    </message>
    <message>
        <source>the document holds no text</source>
        <translation>o documento não contém texto</translation>
    </message>
    <message>
        <source>groups are nested more than %1 deep</source>
        <translation>há grupos aninhados em mais de %1 níveis</translation>
    </message>
    <message>
        <source>the document text is cut off at 8 MB</source>
        <translation>o texto do documento é cortado em 8 MB</translation>
    </message>
    <message>
        <source>the braces of the document do not balance</source>
        <translation>as chaves do documento não estão balanceadas</translation>
    </message>
    <message>
        <source>the document is cut off at %1 paragraphs</source>
        <translation>o documento é cortado após %1 parágrafos</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>The card database has no table %1 (%2).</source>
        <translation>O banco de dados de cartas não tem a tabela %1 (%2).</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>A tabela %1 do banco de dados de cartas não tem o campo %2.</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4 where a whole number from -32768 to 32767 belongs.</source>
        <translation>Tabela %1, registro %2: o campo %3 contém %4 onde deveria haver um número inteiro de -32768 a 32767.</translation>
    </message>
    <message>
        <source>Table AllCards: the card with fldAutoNumber %1 has fldID 0, which marks an empty slot.</source>
        <translation>Tabela AllCards: a carta com fldAutoNumber %1 tem fldID 0, que indica uma vaga vazia.</translation>
    </message>
    <message>
        <source>Table AllCards has no card with fldAutoNumber %1 (it must hold one card for every number from 1 to %2).</source>
        <translation>A tabela AllCards não tem carta com fldAutoNumber %1 (ela precisa ter uma carta para cada número de 1 a %2).</translation>
    </message>
    <message>
        <source>Table %1: the record of slot %2 is out of order (records must lie in ascending order of fldLocation).</source>
        <translation>Tabela %1: o registro da vaga %2 está fora de ordem (os registros devem seguir a ordem crescente de fldLocation).</translation>
    </message>
    <message>
        <source>The card database cannot be read: %1</source>
        <translation>Não foi possível ler o banco de dados de cartas: %1</translation>
    </message>
    <message>
        <source>Table %1 of the card database has a trigger (&quot;%2&quot;); the game&apos;s tables must take its writes as they are.</source>
        <translation>A tabela %1 do banco de dados de cartas tem um gatilho (&quot;%2&quot;); as tabelas do jogo precisam aceitar as gravações dele como são.</translation>
    </message>
    <message>
        <source>%1 (card %2 of AllCards)</source>
        <translation>%1 (carta %2 de AllCards)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>A imagem &quot;%1&quot; não foi encontrada.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2.</source>
        <translation>Não foi possível ler a imagem &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>A imagem &quot;%1&quot; não é um arquivo comum (é uma pasta).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>A imagem &quot;%1&quot; não é um arquivo comum (é um pipe).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>A imagem &quot;%1&quot; não é um arquivo comum (é um socket).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>A imagem &quot;%1&quot; não é um arquivo comum (é um dispositivo).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>As regras do jogo &quot;%1&quot; não foram encontradas.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2.</source>
        <translation>Não foi possível ler as regras do jogo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>As regras do jogo &quot;%1&quot; não são um arquivo comum (é uma pasta).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>As regras do jogo &quot;%1&quot; não são um arquivo comum (é um pipe).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>As regras do jogo &quot;%1&quot; não são um arquivo comum (é um socket).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>As regras do jogo &quot;%1&quot; não são um arquivo comum (é um dispositivo).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read.</source>
        <translation>Não foi possível ler a imagem &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>A imagem &quot;%1&quot; está vazia.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture (JPEG or GIF).</source>
        <translation>O arquivo &quot;%1&quot; não é uma imagem (JPEG ou GIF).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is truncated.</source>
        <translation>A imagem &quot;%1&quot; está truncada.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read as a picture: %2</source>
        <translation>Não foi possível ler &quot;%1&quot; como imagem: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to load (%2 x %3 pixels).</source>
        <translation>A imagem &quot;%1&quot; é grande demais para carregar (%2 × %3 pixels).</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Não foi possível abrir o arquivo de bloqueio &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is not a regular file; remove it and start again.</source>
        <translation>O arquivo de bloqueio &quot;%1&quot; não é um arquivo comum; apague-o e inicie de novo.</translation>
    </message>
    <message>
        <source>Quorvel is already running with the card database &quot;%1&quot;; only one game can use it at a time.</source>
        <translation>O Quorvel já está em execução com o banco de dados de cartas &quot;%1&quot;; só um jogo pode usá-lo por vez.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Não foi possível ler o arquivo.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <source>Table %1 has no record for slot %2 (fldLocation = %2).</source>
        <translation>A tabela %1 não tem registro para a vaga %2 (fldLocation = %2).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A card game for two players who share one screen and one mouse.</source>
        <translation>Um jogo de cartas para dois jogadores que dividem uma tela e um mouse.</translation>
    </message>
    <message>
        <source>Let the computer play player 2 at &lt;level&gt;: easy, normal or hard.</source>
        <translation>O computador joga como jogador 2 no &lt;nível&gt; easy (fácil), normal (médio) ou hard (difícil).</translation>
    </message>
    <message>
        <source>level</source>
        <extracomment>The value of --computer in the help text, as in &quot;--computer &lt;level&gt;&quot;.</extracomment>
        <translation>nível</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.
</source>
        <translation>Use &quot;%1 --help&quot; para ver as opções.
</translation>
    </message>
    <message>
        <source>%1: unexpected argument &quot;%2&quot;; the game takes no file names.
%3</source>
        <translation>%1: argumento inesperado &quot;%2&quot;; o jogo não aceita nomes de arquivo.
%3</translation>
    </message>
    <message>
        <source>%1: --computer takes easy, normal or hard, not &quot;%2&quot;
%3</source>
        <translation>%1: --computer aceita easy, normal ou hard, não &quot;%2&quot;
%3</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Endereço: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Porta: %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>Código de acesso: %1</translation>
    </message>
    <message>
        <source>Wait for a player on another computer, listening on &lt;port&gt; (47107 if none is given); the addresses, port and join code are also printed here.</source>
        <translation>Espera um jogador em outro computador, escutando na &lt;porta&gt; (47107 se nenhuma for dada); os endereços, a porta e o código de acesso também são mostrados aqui.</translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The value of --host in the help text, as in &quot;--host[=&lt;port&gt;]&quot;.</extracomment>
        <translation>porta</translation>
    </message>
    <message>
        <source>Join the game of a player on another computer at &lt;address&gt; (with :port if it is not 47107); the join code is asked for.</source>
        <translation>Entra na partida de um jogador em outro computador no &lt;endereço&gt; (com :porta se não for 47107); o código de acesso é pedido.</translation>
    </message>
    <message>
        <source>address</source>
        <extracomment>The value of --join in the help text, as in &quot;--join &lt;address&gt;&quot;.</extracomment>
        <translation>endereço</translation>
    </message>
    <message>
        <source>%1: only one of --computer, --host and --join can be given.
%2</source>
        <translation>%1: só uma das opções --computer, --host e --join pode ser dada.
%2</translation>
    </message>
    <message>
        <source>%1: --host takes a port from 1 to 65535, not &quot;%2&quot;
%3</source>
        <translation>%1: --host aceita uma porta de 1 a 65535, não “%2”
%3</translation>
    </message>
    <message>
        <source>%1: --join takes the host&apos;s address, not &quot;%2&quot;: %3
%4</source>
        <translation>%1: --join aceita o endereço do anfitrião, não “%2”: %3
%4</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>Computer (easy)</source>
        <translation>Computador (fácil)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Computador (médio)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Computador (difícil)</translation>
    </message>
    <message>
        <source>A person</source>
        <translation>Uma pessoa</translation>
    </message>
    <message>
        <source>A person (network)</source>
        <translation>Uma pessoa (rede)</translation>
    </message>
</context>
</TS>
