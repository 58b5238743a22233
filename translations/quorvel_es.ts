<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CardEdges</name>
    <message>
        <source>north %1, east %2, south %3, west %4</source>
        <extracomment>A card&apos;s four edge values as a screen reader speaks them.</extracomment>
        <translation>norte %1, este %2, sur %3, oeste %4</translation>
    </message>
</context>
<context>
    <name>ComputerChoice</name>
    <message>
        <source>Computer (easy)</source>
        <translation>Ordenador (fácil)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Ordenador (normal)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Ordenador (difícil)</translation>
    </message>
    <message>
        <source>Host a game on the network…</source>
        <translation>Crear una partida en red…</translation>
    </message>
    <message>
        <source>Join a game on the network…</source>
        <translation>Unirse a una partida en red…</translation>
    </message>
</context>
<context>
    <name>Fatal</name>
    <message>
        <source>Quorvel cannot continue.

%1</source>
        <translation>Quorvel no puede continuar.

%1</translation>
    </message>
    <message>
        <source>Quorvel: fatal error: %1
</source>
        <translation>Quorvel: error fatal: %1
</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Window %1 is already shown modally.</source>
        <translation>La ventana %1 ya se muestra en modo modal.</translation>
    </message>
</context>
<context>
    <name>FrmHelp</name>
    <message>
        <source>Quorvel  -  Help</source>
        <translation>Quorvel  -  Ayuda</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglamento</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>Falta el reglamento «%1».</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer el reglamento «%1»: %2</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be shown: %2</source>
        <translation>No se puede mostrar el reglamento «%1»: %2</translation>
    </message>
    <message>
        <source>Quorvel help</source>
        <translation>Ayuda de Quorvel</translation>
    </message>
</context>
<context>
    <name>FrmHostGame</name>
    <message>
        <source>Quorvel  -  Host a game</source>
        <translation>Quorvel  -  Crear una partida</translation>
    </message>
    <message>
        <source>Waiting for a player</source>
        <translation>Esperando a un jugador</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Código de acceso</translation>
    </message>
    <message>
        <source>Players on this network see the game as &quot;%1&quot;.</source>
        <translation>Los jugadores de esta red ven la partida como «%1».</translation>
    </message>
    <message>
        <source>Tell the other player one of these addresses and the join code.</source>
        <translation>Dígale al otro jugador una de estas direcciones y el código de acceso.</translation>
    </message>
    <message>
        <source>Host a game on the network</source>
        <translation>Crear una partida en red</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Dirección: %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>Código de acceso: %1</translation>
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
        <translation>Quorvel  -  Unirse a una partida</translation>
    </message>
    <message>
        <source>Join a game on the network</source>
        <translation>Unirse a una partida en red</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Código de acceso</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Games on the local network</source>
        <translation>Partidas en la red local</translation>
    </message>
    <message>
        <source>Type the host&apos;s address and the join code it shows, or choose a game above.</source>
        <translation>Escriba la dirección del anfitrión y el código de acceso que muestra, o elija una partida de arriba.</translation>
    </message>
    <message>
        <source>No game found yet.</source>
        <translation>Aún no se ha encontrado ninguna partida.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Type your name as the host will see it.</source>
        <translation>Escriba su nombre tal como lo verá el anfitrión.</translation>
    </message>
    <message>
        <source>Joining the game at %1…</source>
        <translation>Uniéndose a la partida en %1…</translation>
    </message>
    <message>
        <source>The host&apos;s address, with a colon and the port if it is not the usual one.</source>
        <translation>La dirección del anfitrión, con dos puntos y el puerto si no es el habitual.</translation>
    </message>
    <message>
        <source>The ten letters and digits the host shows.</source>
        <translation>Las diez letras y cifras que muestra el anfitrión.</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
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
        <translation>Cartas repartidas. Empieza %1.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a placement (a capture, whose turn it is).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Get ready for the next hand</source>
        <translation>Preparaos para la siguiente mano</translation>
    </message>
    <message>
        <source>Round %1 cannot be recorded: a match has rounds 1 to 5.</source>
        <translation>No se puede anotar la ronda %1: una partida tiene las rondas 1 a 5.</translation>
    </message>
    <message>
        <source>%1 won this round.  Ready for next round</source>
        <translation>%1 gana la ronda.  Listos para la siguiente</translation>
    </message>
    <message>
        <source>A match total overflows a 16-bit integer.</source>
        <translation>Un total de la partida supera un entero de 16 bits.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
 wins with %2</source>
        <extracomment>The message ending a match: the winner&apos;s name, a line break, the winner&apos;s total.</extracomment>
        <translation>%1<byte value="xd"/>
 gana con %2</translation>
    </message>
    <message>
        <source>Square %1, empty</source>
        <translation>Casilla %1, vacía</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>Empieza %1</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Show statistics</source>
        <translation>Mostrar estadísticas</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Not your turn.</source>
        <translation>No es tu turno.</translation>
    </message>
    <message>
        <source>Not your card.</source>
        <translation>No es tu carta.</translation>
    </message>
    <message>
        <source>Card %1 is played.</source>
        <translation>La carta %1 ya se jugó.</translation>
    </message>
    <message>
        <source>Square %1 is taken.</source>
        <translation>La casilla %1 está ocupada.</translation>
    </message>
    <message>
        <source>%1 to play.</source>
        <translation>Turno de %1.</translation>
    </message>
    <message>
        <source>Score %1 to %2.</source>
        <translation>Puntos %1 a %2.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Square %1, red card, %2</source>
        <translation>Casilla %1, carta roja, %2</translation>
    </message>
    <message>
        <source>Square %1, blue card, %2</source>
        <translation>Casilla %1, carta azul, %2</translation>
    </message>
    <message>
        <source>%1, card %2, face down</source>
        <translation>%1, carta %2, boca abajo</translation>
    </message>
    <message>
        <source>%1, card %2, played</source>
        <translation>%1, carta %2, jugada</translation>
    </message>
    <message>
        <source>%1, card %2, %3</source>
        <translation>%1, carta %2, %3</translation>
    </message>
    <message>
        <source>Card %1, face down.</source>
        <translation>Carta %1, boca abajo.</translation>
    </message>
    <message>
        <source>Card %1, %2.</source>
        <translation>Carta %1, %2.</translation>
    </message>
    <message>
        <source>%1 placed on square %2.</source>
        <translation>%1 coloca en la casilla %2.</translation>
    </message>
    <message>
        <source>Placed on square %1.</source>
        <translation>Colocada en la casilla %1.</translation>
    </message>
    <message>
        <source>Took square %1.</source>
        <translation>Casilla %1 capturada.</translation>
    </message>
    <message>
        <source>Took squares %1.</source>
        <translation>Casillas %1 capturadas.</translation>
    </message>
    <message>
        <source>No card to place.</source>
        <translation>No hay carta que colocar.</translation>
    </message>
    <message>
        <source>Pick a card first.</source>
        <translation>Elige primero una carta.</translation>
    </message>
    <message>
        <source>Your cards are still face down.</source>
        <translation>Tus cartas siguen boca abajo.</translation>
    </message>
    <message>
        <source>%1, frame of card %2</source>
        <translation>%1, marco de la carta %2</translation>
    </message>
    <message>
        <source>Player 1, red, %1</source>
        <translation>Jugador 1, rojo, %1</translation>
    </message>
    <message>
        <source>Player 2, blue, %1</source>
        <translation>Jugador 2, azul, %1</translation>
    </message>
    <message>
        <source>Score of %1, %2</source>
        <translation>Puntos de %1, %2</translation>
    </message>
    <message>
        <source>%1, round light %2, lit</source>
        <translation>%1, luz de ronda %2, encendida</translation>
    </message>
    <message>
        <source>%1, round light %2, not lit</source>
        <translation>%1, luz de ronda %2, apagada</translation>
    </message>
    <message>
        <source>Hints are given only against the computer.</source>
        <translation>Las pistas solo se dan contra el ordenador.</translation>
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
        <translation>Listos para la siguiente ronda</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Close this message first.</source>
        <translation>Cierra primero este mensaje.</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <translation>Mano abierta</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <translation>Mano cerrada</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <translation>Reglas básicas</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <translation>Reglas básicas con combo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Nombre del jugador 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Nombre del jugador 2</translation>
    </message>
    <message>
        <source>Has a list of the computer&apos;s levels and of network games, opened with Alt+Down.</source>
        <translation>Tiene una lista de los niveles del ordenador y de las partidas en red, que se abre con Alt+Abajo.</translation>
    </message>
</context>
<context>
    <name>FrmPlayer</name>
    <message>
        <source>Quorvel  -  Player 1</source>
        <translation>Quorvel  -  Jugador 1</translation>
    </message>
    <message>
        <source>Quorvel  -  Player 2</source>
        <translation>Quorvel  -  Jugador 2</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>You must select 5 cards to play</source>
        <translation>Debes elegir 5 cartas para jugar</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done</source>
        <translation>Elige 5 cartas y pulsa Listo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done.</source>
        <translation>Elige 5 cartas y pulsa Listo.</translation>
    </message>
    <message>
        <source>The cards are still face down.</source>
        <translation>Las cartas siguen boca abajo.</translation>
    </message>
    <message>
        <source>5 cards are marked. Unmark one first.</source>
        <translation>Hay 5 cartas marcadas. Desmarca una primero.</translation>
    </message>
    <message>
        <source>5 cards marked, press Done.</source>
        <translation>5 cartas marcadas, pulsa Listo.</translation>
    </message>
    <message>
        <source>1 card marked, 4 to go.</source>
        <translation>1 carta marcada, faltan 4.</translation>
    </message>
    <message>
        <source>No card marked.</source>
        <translation>Ninguna carta marcada.</translation>
    </message>
    <message>
        <source>%1 cards marked, %2 to go.</source>
        <translation>%1 cartas marcadas, faltan %2.</translation>
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
        <translation>Carta %1, boca abajo</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Carta %1, %2</translation>
    </message>
    <message>
        <source>The computer is choosing its cards.</source>
        <translation>El ordenador está eligiendo sus cartas.</translation>
    </message>
    <message>
        <source>Player 1, %1</source>
        <translation>Jugador 1, %1</translation>
    </message>
    <message>
        <source>Player 2, %1</source>
        <translation>Jugador 2, %1</translation>
    </message>
    <message>
        <source>Frame of card %1</source>
        <translation>Marco de la carta %1</translation>
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
        <translation>Quorvel  -  Estadísticas</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gan.</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perd.</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rondas</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Racha</translation>
    </message>
    <message>
        <source>Clear the record</source>
        <translation>Borrar el historial</translation>
    </message>
    <message>
        <source>Reset the record</source>
        <translation>Reiniciar el historial</translation>
    </message>
    <message>
        <source>Keep the record</source>
        <translation>Conservar el historial</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>%1: nothing played yet.</source>
        <translation>%1: aún no se ha jugado nada.</translation>
    </message>
    <message>
        <source>%1: %2 matches won, %3 lost; rounds %4 won, %5 lost; hands %6 won, %7 lost, %8 drawn; points %9 for, %10 against; longest winning streak %11.</source>
        <translation>%1: %2 partidas ganadas, %3 perdidas; rondas %4 ganadas, %5 perdidas; manos %6 ganadas, %7 perdidas, %8 empatadas; puntos %9 a favor, %10 en contra; racha de victorias más larga %11.</translation>
    </message>
    <message>
        <source>Statistics.</source>
        <translation>Estadísticas.</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <comment>yours and the opponent&apos;s</comment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Clear the whole record of matches? This cannot be undone.</source>
        <translation>¿Borrar todo el historial de partidas? No se puede deshacer.</translation>
    </message>
    <message>
        <source>The record cannot be kept: %1</source>
        <translation>No se puede llevar el historial: %1</translation>
    </message>
    <message>
        <source>Rounds, hands and points: yours, then your opponent&apos;s. Streak: the most matches won in a row.</source>
        <translation>Rondas, manos y puntos: los tuyos y luego los del rival. Racha: más partidas ganadas seguidas.</translation>
    </message>
    <message>
        <source>The record has been cleared.</source>
        <translation>Se ha borrado el historial.</translation>
    </message>
    <message>
        <source>The record has been kept.</source>
        <translation>Se ha conservado el historial.</translation>
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
        <translation>Ronda %1</translation>
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
        <translation>Listo</translation>
    </message>
    <message>
        <source>Against %1: %2 won, %3 lost</source>
        <translation>Contra %1: %2 ganadas, %3 perdidas</translation>
    </message>
    <message>
        <source>%1. Shows the statistics.</source>
        <translation>%1. Muestra las estadísticas.</translation>
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
        <translation>Ronda %1, %2.</translation>
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
        <translation>No se puede leer la base de datos de cartas instalada «%1»: %2</translation>
    </message>
    <message>
        <source>The installed card database &quot;%1&quot; is damaged: %2</source>
        <translation>La base de datos de cartas instalada «%1» está dañada: %2</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is damaged: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel: tu base de datos de cartas «%1» está dañada: %2 Se ha apartado como «%3» y se ha hecho una copia nueva a partir de «%4».
</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is unreadable: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel: tu base de datos de cartas «%1» no se puede leer: %2 Se ha apartado como «%3» y se ha hecho una copia nueva a partir de «%4».
</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: no space left on the disk that holds &quot;%2&quot; (%3 kB free, %4 kB needed). Make room there and start the game again.</source>
        <translation>No se puede crear tu base de datos de cartas «%1»: no queda espacio en el disco que contiene «%2» (%3 kB libres, %4 kB necesarios). Libera espacio y vuelve a iniciar el juego.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made from &quot;%2&quot;: %3.</source>
        <translation>No se puede crear tu base de datos de cartas «%1» a partir de «%2»: %3.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: &quot;%2&quot; is a file, not a folder.</source>
        <translation>No se puede crear la carpeta «%1» para tu base de datos de cartas: «%2» es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: %2.</source>
        <translation>No se puede crear la carpeta «%1» para tu base de datos de cartas: %2.</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>no queda espacio en el disco</translation>
    </message>
    <message>
        <source>Your card database has no folder: neither XDG_DATA_HOME nor HOME names one, and your account has no home folder.</source>
        <translation>Tu base de datos de cartas no tiene carpeta: ni XDG_DATA_HOME ni HOME indican una, y tu cuenta no tiene carpeta personal.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be opened: no space left on the disk that holds &quot;%2&quot; (%3 kB free). Make room there and start the game again.</source>
        <translation>No se puede abrir tu base de datos de cartas «%1»: no queda espacio en el disco que contiene «%2» (%3 kB libres). Libera espacio y vuelve a iniciar el juego.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer tu base de datos de cartas «%1»: %2</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; is damaged (%2) and cannot be set aside as &quot;%3&quot;: %4.</source>
        <translation>Tu base de datos de cartas «%1» está dañada (%2) y no se puede apartar como «%3»: %4.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: %2.</source>
        <translation>No se puede crear tu base de datos de cartas «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Hint frame</source>
        <translation>Marco de la pista</translation>
    </message>
    <message>
        <source>Hint: card %1 on square %2</source>
        <translation>Pista: carta %1 en la casilla %2</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Games on the local network cannot be listed, because no Avahi daemon is running on this computer. Type the host&apos;s address instead.</source>
        <translation>No se pueden mostrar las partidas de la red local porque en este ordenador no se está ejecutando ningún servicio Avahi. Escriba la dirección del anfitrión.</translation>
    </message>
    <message>
        <source>Type the host&apos;s address, such as 192.168.1.20 or mirela-pc.local.</source>
        <translation>Escriba la dirección del anfitrión, por ejemplo 192.168.1.20 o mirela-pc.local.</translation>
    </message>
    <message>
        <source>An address in brackets needs its closing bracket.</source>
        <translation>A la dirección entre corchetes le falta el corchete de cierre.</translation>
    </message>
    <message>
        <source>After the bracketed address only a colon and a port may follow.</source>
        <translation>Tras la dirección entre corchetes solo pueden ir dos puntos y un puerto.</translation>
    </message>
    <message>
        <source>Brackets hold an IPv6 address.</source>
        <translation>Los corchetes encierran una dirección IPv6.</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535.</source>
        <translation>El puerto es un número del 1 al 65535.</translation>
    </message>
    <message>
        <source>“%1” is neither an address nor a computer&apos;s name.</source>
        <translation>«%1» no es ni una dirección ni el nombre de un ordenador.</translation>
    </message>
    <message>
        <source>The other game sent a message that cannot be read. The network match is over.</source>
        <translation>El otro juego ha enviado un mensaje que no se puede leer. La partida en red ha terminado.</translation>
    </message>
    <message>
        <source>The other game sent a message that is too large. The network match is over.</source>
        <translation>El otro juego ha enviado un mensaje demasiado grande. La partida en red ha terminado.</translation>
    </message>
    <message>
        <source>The other game is another version of Quorvel. Both players need the same version to play together.</source>
        <translation>El otro juego es otra versión de Quorvel. Ambos jugadores necesitan la misma versión para jugar juntos.</translation>
    </message>
    <message>
        <source>The other game sent a message out of turn. The network match is over.</source>
        <translation>El otro juego ha enviado un mensaje fuera de turno. La partida en red ha terminado.</translation>
    </message>
    <message>
        <source>The other game sent a move that the rules do not allow. The network match is over.</source>
        <translation>El otro juego ha enviado una jugada que las reglas no permiten. La partida en red ha terminado.</translation>
    </message>
    <message>
        <source>The two games have different card lists. Both players need the same version of Quorvel to play together.</source>
        <translation>Los dos juegos tienen listas de cartas distintas. Ambos jugadores necesitan la misma versión de Quorvel para jugar juntos.</translation>
    </message>
    <message>
        <source>The host is already playing with someone else.</source>
        <translation>El anfitrión ya está jugando con otra persona.</translation>
    </message>
    <message>
        <source>%1 has not answered for too long. The network match is over.</source>
        <translation>%1 lleva demasiado tiempo sin responder. La partida en red ha terminado.</translation>
    </message>
    <message>
        <source>The other game has not answered for too long. The network match is over.</source>
        <translation>El otro juego lleva demasiado tiempo sin responder. La partida en red ha terminado.</translation>
    </message>
    <message>
        <source>The other game sent far too many messages. The network match is over.</source>
        <translation>El otro juego ha enviado demasiados mensajes. La partida en red ha terminado.</translation>
    </message>
    <message>
        <source>The join code is wrong. Check it with the host and try again.</source>
        <translation>El código de acceso es incorrecto. Compruébelo con el anfitrión y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The program at this address is not a Quorvel game that can be joined.</source>
        <translation>El programa en esta dirección no es una partida de Quorvel a la que se pueda unir.</translation>
    </message>
    <message>
        <source>No game answers at this address. Check the address and that the host is waiting for a player.</source>
        <translation>Ninguna partida responde en esta dirección. Compruebe la dirección y que el anfitrión esté esperando a un jugador.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost. The network match is over.</source>
        <translation>Se ha perdido la conexión con %1. La partida en red ha terminado.</translation>
    </message>
    <message>
        <source>The connection to the other game was lost. The network match is over.</source>
        <translation>Se ha perdido la conexión con el otro juego. La partida en red ha terminado.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 ha abandonado la partida.</translation>
    </message>
    <message>
        <source>The other player has left the game.</source>
        <translation>El otro jugador ha abandonado la partida.</translation>
    </message>
    <message>
        <source>The other game heard nothing from this game for too long. The network match is over.</source>
        <translation>El otro juego lleva demasiado tiempo sin recibir nada de este juego. La partida en red ha terminado.</translation>
    </message>
    <message>
        <source>The other game could not accept a message from this game. The network match is over.</source>
        <translation>El otro juego no ha podido aceptar un mensaje de este juego. La partida en red ha terminado.</translation>
    </message>
    <message>
        <source>Someone tried to join with a wrong code and was turned away.</source>
        <translation>Alguien intentó unirse con un código incorrecto y fue rechazado.</translation>
    </message>
    <message>
        <source>A second player tried to join and was turned away.</source>
        <translation>Un segundo jugador intentó unirse y fue rechazado.</translation>
    </message>
    <message>
        <source>A program that is not a Quorvel game tried to connect and was turned away.</source>
        <translation>Un programa que no es un juego de Quorvel intentó conectarse y fue rechazado.</translation>
    </message>
    <message>
        <source>A player with another version of Quorvel tried to join and was turned away.</source>
        <translation>Un jugador con otra versión de Quorvel intentó unirse y fue rechazado.</translation>
    </message>
    <message>
        <source>A player with a different card list tried to join and was turned away.</source>
        <translation>Un jugador con otra lista de cartas intentó unirse y fue rechazado.</translation>
    </message>
    <message>
        <source>A connection that did not introduce itself in time was closed.</source>
        <translation>Se cerró una conexión que no se presentó a tiempo.</translation>
    </message>
    <message>
        <source>A connection that broke the rules of the conversation was closed.</source>
        <translation>Se cerró una conexión que incumplió las reglas de la comunicación.</translation>
    </message>
    <message>
        <source>The network match needs OpenSSL, which could not be loaded.</source>
        <translation>La partida en red necesita OpenSSL, que no se ha podido cargar.</translation>
    </message>
    <message>
        <source>The game cannot wait for a player on port %1: %2</source>
        <translation>El juego no puede esperar a un jugador en el puerto %1: %2</translation>
    </message>
    <message>
        <source>A join code has no “%1”: it uses the digits 2 to 9 and the letters other than I and O.</source>
        <translation>Un código de acceso no contiene «%1»: usa las cifras del 2 al 9 y las letras salvo la I y la O.</translation>
    </message>
    <message>
        <source>A join code has ten letters and digits, such as K7QF-9M2T-XW.</source>
        <translation>Un código de acceso tiene diez letras y cifras, por ejemplo K7QF-9M2T-XW.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>Falta la imagen «%1».</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>La imagen «%1» está vacía.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be loaded: %2</source>
        <translation>No se puede cargar la imagen «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Choose 5 cards
then press Done</source>
        <extracomment>Painted on the selection window&apos;s prompt in two lines: the first large (room for about 180 x 36 pixels), the second small (180 x 19). Keep the line break.</extracomment>
        <translation>Elige 5 cartas
y pulsa Listo</translation>
    </message>
    <message>
        <source>Player %1 begins</source>
        <extracomment>Painted on the plaque that shows who places the first card, 190 x 55 pixels of room; %1 is the player&apos;s number, 1 or 2.</extracomment>
        <translation>Empieza el jugador %1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>The headings above the options window&apos;s name boxes (room for 288 x 32 pixels), and the plates of the main and selection windows that name each player&apos;s colour (121 x 29 pixels); %1 is 1 or 2.</extracomment>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>The heading of the options window&apos;s choice of rules, painted between two gold lines (room for 288 x 29 pixels).</extracomment>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <extracomment>An option of the options window, right of its mark (room for 214 x 27 pixels).</extracomment>
        <translation>Mano abierta</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Mano cerrada</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Reglas básicas</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Reglas básicas con combo</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <extracomment>The heading of the results window, painted above a gold line (room for 431 x 38 pixels).</extracomment>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>a duel of cards for two</source>
        <extracomment>The splash window&apos;s line under the game&apos;s name (room for 430 x 30 pixels).</extracomment>
        <translation>un duelo de cartas para dos</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>A button of the options, message, results, statistics and help windows, and of the selection windows; painted on a face of 87 x 19 pixels.</extracomment>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of the main and options windows (87 x 19 pixels).</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>The heading of the statistics window, painted above a short gold line (room for 520 x 40 pixels).</extracomment>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The statistics window&apos;s button that asks to empty the record of matches (87 x 19 pixels).</extracomment>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The statistics window&apos;s button that confirms emptying the record of matches (87 x 19 pixels).</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The statistics window&apos;s button that keeps the record of matches after all (87 x 19 pixels).</extracomment>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The button of the network windows that gives up waiting for or joining a game (87 x 19 pixels).</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join window&apos;s button that connects to the host (87 x 19 pixels).</extracomment>
        <translation>Unirse</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Options of the window system (Qt):</source>
        <translation>Opciones del sistema de ventanas (Qt):</translation>
    </message>
    <message>
        <source>cannot show its windows: no display is set (the DISPLAY environment variable is empty).</source>
        <translation>no puede mostrar sus ventanas: no hay ninguna pantalla indicada (la variable de entorno DISPLAY está vacía).</translation>
    </message>
    <message>
        <source>cannot show its windows: the display &quot;%1&quot; cannot be reached.</source>
        <translation>no puede mostrar sus ventanas: no se puede acceder a la pantalla «%1».</translation>
    </message>
    <message>
        <source>cannot show its windows: there is no window system &quot;%1&quot; (there are: %2).</source>
        <translation>no puede mostrar sus ventanas: no existe el sistema de ventanas «%1» (hay: %2).</translation>
    </message>
    <message>
        <source>cannot show its windows through &quot;%1&quot;: %2</source>
        <translation>no puede mostrar sus ventanas mediante «%1»: %2</translation>
    </message>
</context>
<context>
    <name>PlayRules</name>
    <message>
        <source>Player %1&apos;s score overflows a 16-bit integer (%2 + %3).</source>
        <translation>La puntuación del jugador %1 supera un entero de 16 bits (%2 + %3).</translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>%1 failed in the card database &quot;%2&quot;: %3</source>
        <translation>Falló %1 en la base de datos de cartas «%2»: %3</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; does not exist.</source>
        <translation>La base de datos de cartas «%1» no existe.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer la base de datos de cartas «%1».</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is read-only; the game keeps its cards in it and must be able to write it.</source>
        <translation>La base de datos de cartas «%1» es de solo lectura; el juego guarda en ella sus cartas y necesita poder escribirla.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is empty.</source>
        <translation>La base de datos de cartas «%1» está vacía.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; of the card database is read-only; the game keeps its log of changes beside the database and must be able to write there.</source>
        <translation>La carpeta «%1» de la base de datos de cartas es de solo lectura; el juego guarda su registro de cambios junto a la base de datos y necesita poder escribir allí.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be opened: %2</source>
        <translation>No se puede abrir la base de datos de cartas «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card database: %2</source>
        <translation>«%1» no es una base de datos de cartas: %2</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be written (is its folder read-only?): %2</source>
        <translation>No se puede escribir la base de datos de cartas «%1» (¿su carpeta es de solo lectura?): %2</translation>
    </message>
    <message>
        <source>Setting up</source>
        <translation>la preparación</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>el guardado</translation>
    </message>
    <message>
        <source>Starting a save</source>
        <translation>el inicio de un guardado</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened: the card database is not open.</source>
        <translation>No se puede abrir la tabla %1: la base de datos de cartas no está abierta.</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened in the card database &quot;%2&quot;: %3</source>
        <translation>No se puede abrir la tabla %1 en la base de datos de cartas «%2»: %3</translation>
    </message>
    <message>
        <source>Table %1 is not open.</source>
        <translation>La tabla %1 no está abierta.</translation>
    </message>
    <message>
        <source>Table %1: the search &quot;%2&quot; cannot be understood.</source>
        <translation>Tabla %1: no se entiende la búsqueda «%2».</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>La tabla %1 de la base de datos de cartas no tiene el campo %2.</translation>
    </message>
    <message>
        <source>Table %1: no current record for field %2 (the record searched for was not found).</source>
        <translation>Tabla %1: no hay registro actual para el campo %2 (no se encontró el registro buscado).</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds &quot;%4&quot; where a number belongs.</source>
        <translation>Tabla %1, registro %2: el campo %3 contiene «%4» donde debe haber un número.</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4, beyond a 16-bit integer.</source>
        <translation>Tabla %1, registro %2: el campo %3 contiene %4, más de lo que cabe en un entero de 16 bits.</translation>
    </message>
    <message>
        <source>Table %1 is read-only; field %2 cannot be written.</source>
        <translation>La tabla %1 es de solo lectura; no se puede escribir el campo %2.</translation>
    </message>
    <message>
        <source>Saving a record of table %1</source>
        <translation>el guardado de un registro de la tabla %1</translation>
    </message>
    <message>
        <source>Table %1: record %2 disappeared from the card database.</source>
        <translation>Tabla %1: el registro %2 ha desaparecido de la base de datos de cartas.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>not a rich-text document</source>
        <translation>no es un documento de texto enriquecido</translation>
    </message>
    <message>
        <source>the document ends before all its groups are closed</source>
        <translation>el documento termina antes de cerrar todos sus grupos</translation>
    </message>
    <message>
        <source>the document holds no text</source>
        <translation>el documento no contiene texto</translation>
    </message>
    <message>
        <source>groups are nested more than %1 deep</source>
        <translation>hay grupos anidados a más de %1 niveles</translation>
    </message>
    <message>
        <source>the document text is cut off at 8 MB</source>
        <translation>el texto del documento se corta a los 8 MB</translation>
    </message>
    <message>
        <source>the braces of the document do not balance</source>
        <translation>las llaves del documento no están equilibradas</translation>
    </message>
    <message>
        <source>the document is cut off at %1 paragraphs</source>
        <translation>el documento se corta a los %1 párrafos</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>The card database has no table %1 (%2).</source>
        <translation>La base de datos de cartas no tiene la tabla %1 (%2).</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>La tabla %1 de la base de datos de cartas no tiene el campo %2.</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4 where a whole number from -32768 to 32767 belongs.</source>
        <translation>Tabla %1, registro %2: el campo %3 contiene %4 donde debe haber un número entero de -32768 a 32767.</translation>
    </message>
    <message>
        <source>Table AllCards: the card with fldAutoNumber %1 has fldID 0, which marks an empty slot.</source>
        <translation>Tabla AllCards: la carta con fldAutoNumber %1 tiene fldID 0, que indica un hueco vacío.</translation>
    </message>
    <message>
        <source>Table AllCards has no card with fldAutoNumber %1 (it must hold one card for every number from 1 to %2).</source>
        <translation>La tabla AllCards no tiene ninguna carta con fldAutoNumber %1 (debe tener una carta por cada número de 1 a %2).</translation>
    </message>
    <message>
        <source>Table %1: the record of slot %2 is out of order (records must lie in ascending order of fldLocation).</source>
        <translation>Tabla %1: el registro del hueco %2 está fuera de orden (los registros deben ir en orden ascendente de fldLocation).</translation>
    </message>
    <message>
        <source>The card database cannot be read: %1</source>
        <translation>No se puede leer la base de datos de cartas: %1</translation>
    </message>
    <message>
        <source>Table %1 of the card database has a trigger (&quot;%2&quot;); the game&apos;s tables must take its writes as they are.</source>
        <translation>La tabla %1 de la base de datos de cartas tiene un disparador («%2»); las tablas del juego deben aceptar sus escrituras tal cual.</translation>
    </message>
    <message>
        <source>%1 (card %2 of AllCards)</source>
        <translation>%1 (carta %2 de AllCards)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>Falta la imagen «%1».</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2.</source>
        <translation>No se puede leer la imagen «%1»: %2.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>La imagen «%1» no es un archivo normal (es una carpeta).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>La imagen «%1» no es un archivo normal (es una tubería).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>La imagen «%1» no es un archivo normal (es un socket).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>La imagen «%1» no es un archivo normal (es un dispositivo).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>Falta el reglamento «%1».</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2.</source>
        <translation>No se puede leer el reglamento «%1»: %2.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>El reglamento «%1» no es un archivo normal (es una carpeta).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>El reglamento «%1» no es un archivo normal (es una tubería).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>El reglamento «%1» no es un archivo normal (es un socket).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>El reglamento «%1» no es un archivo normal (es un dispositivo).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer la imagen «%1».</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>La imagen «%1» está vacía.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture (JPEG or GIF).</source>
        <translation>El archivo «%1» no es una imagen (JPEG o GIF).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is truncated.</source>
        <translation>La imagen «%1» está truncada.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read as a picture: %2</source>
        <translation>No se puede leer «%1» como imagen: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to load (%2 x %3 pixels).</source>
        <translation>La imagen «%1» es demasiado grande para cargarla (%2 × %3 píxeles).</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo de bloqueo «%1»: %2.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is not a regular file; remove it and start again.</source>
        <translation>El archivo de bloqueo «%1» no es un archivo normal; bórralo y vuelve a empezar.</translation>
    </message>
    <message>
        <source>Quorvel is already running with the card database &quot;%1&quot;; only one game can use it at a time.</source>
        <translation>Quorvel ya se está ejecutando con la base de datos de cartas «%1»; solo una partida puede usarla a la vez.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>Table %1 has no record for slot %2 (fldLocation = %2).</source>
        <translation>La tabla %1 no tiene registro para el hueco %2 (fldLocation = %2).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A card game for two players who share one screen and one mouse.</source>
        <translation>Un juego de cartas para dos jugadores que comparten una pantalla y un ratón.</translation>
    </message>
    <message>
        <source>Let the computer play player 2 at &lt;level&gt;: easy, normal or hard.</source>
        <translation>El ordenador juega como jugador 2 con el &lt;nivel&gt; easy (fácil), normal o hard (difícil).</translation>
    </message>
    <message>
        <source>level</source>
        <extracomment>The value of --computer in the help text, as in &quot;--computer &lt;level&gt;&quot;.</extracomment>
        <translation>nivel</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.
</source>
        <translation>Prueba «%1 --help» para ver las opciones.
</translation>
    </message>
    <message>
        <source>%1: unexpected argument &quot;%2&quot;; the game takes no file names.
%3</source>
        <translation>%1: argumento inesperado «%2»; el juego no admite nombres de archivo.
%3</translation>
    </message>
    <message>
        <source>%1: --computer takes easy, normal or hard, not &quot;%2&quot;
%3</source>
        <translation>%1: --computer admite easy, normal o hard, no «%2»
%3</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Dirección: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Puerto: %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>Código de acceso: %1</translation>
    </message>
    <message>
        <source>Wait for a player on another computer, listening on &lt;port&gt; (47107 if none is given); the addresses, port and join code are also printed here.</source>
        <translation>Espera a un jugador en otro ordenador, escuchando en &lt;puerto&gt; (47107 si no se indica); las direcciones, el puerto y el código de acceso también se muestran aquí.</translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The value of --host in the help text, as in &quot;--host[=&lt;port&gt;]&quot;.</extracomment>
        <translation>puerto</translation>
    </message>
    <message>
        <source>Join the game of a player on another computer at &lt;address&gt; (with :port if it is not 47107); the join code is asked for.</source>
        <translation>Se une a la partida de un jugador en otro ordenador en &lt;dirección&gt; (con :puerto si no es 47107); se pide el código de acceso.</translation>
    </message>
    <message>
        <source>address</source>
        <extracomment>The value of --join in the help text, as in &quot;--join &lt;address&gt;&quot;.</extracomment>
        <translation>dirección</translation>
    </message>
    <message>
        <source>%1: only one of --computer, --host and --join can be given.
%2</source>
        <translation>%1: solo se puede indicar una de las opciones --computer, --host y --join.
%2</translation>
    </message>
    <message>
        <source>%1: --host takes a port from 1 to 65535, not &quot;%2&quot;
%3</source>
        <translation>%1: --host admite un puerto de 1 a 65535, no «%2»
%3</translation>
    </message>
    <message>
        <source>%1: --join takes the host&apos;s address, not &quot;%2&quot;: %3
%4</source>
        <translation>%1: --join admite la dirección del anfitrión, no «%2»: %3
%4</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>Computer (easy)</source>
        <translation>Ordenador (fácil)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Ordenador (normal)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Ordenador (difícil)</translation>
    </message>
    <message>
        <source>A person</source>
        <translation>Una persona</translation>
    </message>
    <message>
        <source>A person (network)</source>
        <translation>Una persona (red)</translation>
    </message>
</context>
</TS>
