<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CardEdges</name>
    <message>
        <source>north %1, east %2, south %3, west %4</source>
        <extracomment>A card&apos;s four edge values as a screen reader speaks them.</extracomment>
        <translation>nord %1, est %2, sud %3, ovest %4</translation>
    </message>
</context>
<context>
    <name>ComputerChoice</name>
    <message>
        <source>Computer (easy)</source>
        <translation>Computer (facile)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Computer (normale)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Computer (difficile)</translation>
    </message>
    <message>
        <source>Host a game on the network…</source>
        <translation>Ospita una partita in rete…</translation>
    </message>
    <message>
        <source>Join a game on the network…</source>
        <translation>Partecipa a una partita in rete…</translation>
    </message>
</context>
<context>
    <name>Fatal</name>
    <message>
        <source>Quorvel cannot continue.

%1</source>
        <translation>Quorvel non può continuare.

%1</translation>
    </message>
    <message>
        <source>Quorvel: fatal error: %1
</source>
        <translation>Quorvel: errore fatale: %1
</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Window %1 is already shown modally.</source>
        <translation>La finestra %1 è già mostrata come modale.</translation>
    </message>
</context>
<context>
    <name>FrmHelp</name>
    <message>
        <source>Quorvel  -  Help</source>
        <translation>Quorvel  -  Aiuto</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regolamento</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>Il regolamento «%1» non c’è.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere il regolamento «%1»: %2</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be shown: %2</source>
        <translation>Impossibile mostrare il regolamento «%1»: %2</translation>
    </message>
    <message>
        <source>Quorvel help</source>
        <translation>Aiuto di Quorvel</translation>
    </message>
</context>
<context>
    <name>FrmHostGame</name>
    <message>
        <source>Quorvel  -  Host a game</source>
        <translation>Quorvel  -  Ospita una partita</translation>
    </message>
    <message>
        <source>Waiting for a player</source>
        <translation>In attesa di un giocatore</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Codice di accesso</translation>
    </message>
    <message>
        <source>Players on this network see the game as &quot;%1&quot;.</source>
        <translation>I giocatori di questa rete vedono la partita come «%1».</translation>
    </message>
    <message>
        <source>Tell the other player one of these addresses and the join code.</source>
        <translation>Comunica all’altro giocatore uno di questi indirizzi e il codice di accesso.</translation>
    </message>
    <message>
        <source>Host a game on the network</source>
        <translation>Ospita una partita in rete</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Indirizzo: %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>Codice di accesso: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>FrmJoinGame</name>
    <message>
        <source>Quorvel  -  Join a game</source>
        <translation>Quorvel  -  Partecipa a una partita</translation>
    </message>
    <message>
        <source>Join a game on the network</source>
        <translation>Partecipa a una partita in rete</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Codice di accesso</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Games on the local network</source>
        <translation>Partite nella rete locale</translation>
    </message>
    <message>
        <source>Type the host&apos;s address and the join code it shows, or choose a game above.</source>
        <translation>Digita l’indirizzo dell’host e il codice di accesso che mostra, oppure scegli una partita qui sopra.</translation>
    </message>
    <message>
        <source>No game found yet.</source>
        <translation>Nessuna partita trovata finora.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>Type your name as the host will see it.</source>
        <translation>Digita il tuo nome come lo vedrà l’host.</translation>
    </message>
    <message>
        <source>Joining the game at %1…</source>
        <translation>Connessione alla partita su %1…</translation>
    </message>
    <message>
        <source>The host&apos;s address, with a colon and the port if it is not the usual one.</source>
        <translation>L’indirizzo dell’host, con i due punti e la porta se non è quella solita.</translation>
    </message>
    <message>
        <source>The ten letters and digits the host shows.</source>
        <translation>Le dieci lettere e cifre mostrate dall’host.</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Partecipa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Carte distribuite. Inizia %1.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a placement (a capture, whose turn it is).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Get ready for the next hand</source>
        <translation>Preparatevi per la prossima mano</translation>
    </message>
    <message>
        <source>Round %1 cannot be recorded: a match has rounds 1 to 5.</source>
        <translation>Impossibile registrare la manche %1: una partita ha le manche da 1 a 5.</translation>
    </message>
    <message>
        <source>%1 won this round.  Ready for next round</source>
        <translation>%1 vince la manche.  Pronti per la prossima</translation>
    </message>
    <message>
        <source>A match total overflows a 16-bit integer.</source>
        <translation>Un totale della partita supera un intero a 16 bit.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
 wins with %2</source>
        <extracomment>The message ending a match: the winner&apos;s name, a line break, the winner&apos;s total.</extracomment>
        <translation>%1<byte value="xd"/>
 vince con %2</translation>
    </message>
    <message>
        <source>Square %1, empty</source>
        <translation>Casella %1, vuota</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Giocatore 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Giocatore 2</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>Inizia %1</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Show statistics</source>
        <translation>Mostra statistiche</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Not your turn.</source>
        <translation>Non è il tuo turno.</translation>
    </message>
    <message>
        <source>Not your card.</source>
        <translation>Non è la tua carta.</translation>
    </message>
    <message>
        <source>Card %1 is played.</source>
        <translation>La carta %1 è già giocata.</translation>
    </message>
    <message>
        <source>Square %1 is taken.</source>
        <translation>La casella %1 è occupata.</translation>
    </message>
    <message>
        <source>%1 to play.</source>
        <translation>Tocca a %1.</translation>
    </message>
    <message>
        <source>Score %1 to %2.</source>
        <translation>Punti %1 a %2.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Square %1, red card, %2</source>
        <translation>Casella %1, carta rossa, %2</translation>
    </message>
    <message>
        <source>Square %1, blue card, %2</source>
        <translation>Casella %1, carta blu, %2</translation>
    </message>
    <message>
        <source>%1, card %2, face down</source>
        <translation>%1, carta %2, coperta</translation>
    </message>
    <message>
        <source>%1, card %2, played</source>
        <translation>%1, carta %2, giocata</translation>
    </message>
    <message>
        <source>%1, card %2, %3</source>
        <translation>%1, carta %2, %3</translation>
    </message>
    <message>
        <source>Card %1, face down.</source>
        <translation>Carta %1, coperta.</translation>
    </message>
    <message>
        <source>Card %1, %2.</source>
        <translation>Carta %1, %2.</translation>
    </message>
    <message>
        <source>%1 placed on square %2.</source>
        <translation>%1 gioca sulla casella %2.</translation>
    </message>
    <message>
        <source>Placed on square %1.</source>
        <translation>Giocata sulla casella %1.</translation>
    </message>
    <message>
        <source>Took square %1.</source>
        <translation>Casella %1 conquistata.</translation>
    </message>
    <message>
        <source>Took squares %1.</source>
        <translation>Caselle %1 conquistate.</translation>
    </message>
    <message>
        <source>No card to place.</source>
        <translation>Nessuna carta da giocare.</translation>
    </message>
    <message>
        <source>Pick a card first.</source>
        <translation>Scegli prima una carta.</translation>
    </message>
    <message>
        <source>Your cards are still face down.</source>
        <translation>Le tue carte sono ancora coperte.</translation>
    </message>
    <message>
        <source>%1, frame of card %2</source>
        <translation>%1, cornice della carta %2</translation>
    </message>
    <message>
        <source>Player 1, red, %1</source>
        <translation>Giocatore 1, rosso, %1</translation>
    </message>
    <message>
        <source>Player 2, blue, %1</source>
        <translation>Giocatore 2, blu, %1</translation>
    </message>
    <message>
        <source>Score of %1, %2</source>
        <translation>Punti di %1, %2</translation>
    </message>
    <message>
        <source>%1, round light %2, lit</source>
        <translation>%1, luce della manche %2, accesa</translation>
    </message>
    <message>
        <source>%1, round light %2, not lit</source>
        <translation>%1, luce della manche %2, spenta</translation>
    </message>
    <message>
        <source>Hints are given only against the computer.</source>
        <translation>I suggerimenti si danno solo contro il computer.</translation>
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
        <translation>Pronti per la prossima manche</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Close this message first.</source>
        <translation>Chiudi prima questo messaggio.</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <translation>Mano scoperta</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <translation>Mano coperta</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <translation>Regole base</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <translation>Regole base con combo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Nome del giocatore 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Nome del giocatore 2</translation>
    </message>
    <message>
        <source>Has a list of the computer&apos;s levels and of network games, opened with Alt+Down.</source>
        <translation>Ha un elenco dei livelli del computer e delle partite in rete, che si apre con Alt+Giù.</translation>
    </message>
</context>
<context>
    <name>FrmPlayer</name>
    <message>
        <source>Quorvel  -  Player 1</source>
        <translation>Quorvel  -  Giocatore 1</translation>
    </message>
    <message>
        <source>Quorvel  -  Player 2</source>
        <translation>Quorvel  -  Giocatore 2</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Giocatore 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Giocatore 2</translation>
    </message>
    <message>
        <source>You must select 5 cards to play</source>
        <translation>Devi scegliere 5 carte per giocare</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done</source>
        <translation>Scegli 5 carte, poi premi Fatto</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done.</source>
        <translation>Scegli 5 carte, poi premi Fatto.</translation>
    </message>
    <message>
        <source>The cards are still face down.</source>
        <translation>Le carte sono ancora coperte.</translation>
    </message>
    <message>
        <source>5 cards are marked. Unmark one first.</source>
        <translation>5 carte sono segnate. Togli prima un segno.</translation>
    </message>
    <message>
        <source>5 cards marked, press Done.</source>
        <translation>5 carte segnate, premi Fatto.</translation>
    </message>
    <message>
        <source>1 card marked, 4 to go.</source>
        <translation>1 carta segnata, ne mancano 4.</translation>
    </message>
    <message>
        <source>No card marked.</source>
        <translation>Nessuna carta segnata.</translation>
    </message>
    <message>
        <source>%1 cards marked, %2 to go.</source>
        <translation>%1 carte segnate, ne mancano %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a mark: which card, then how many are marked.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Card %1 marked.</source>
        <translation>Carta %1 segnata.</translation>
    </message>
    <message>
        <source>Card %1 unmarked.</source>
        <translation>Segno tolto dalla carta %1.</translation>
    </message>
    <message>
        <source>Card %1, face down</source>
        <translation>Carta %1, coperta</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Carta %1, %2</translation>
    </message>
    <message>
        <source>The computer is choosing its cards.</source>
        <translation>Il computer sta scegliendo le sue carte.</translation>
    </message>
    <message>
        <source>Player 1, %1</source>
        <translation>Giocatore 1, %1</translation>
    </message>
    <message>
        <source>Player 2, %1</source>
        <translation>Giocatore 2, %1</translation>
    </message>
    <message>
        <source>Frame of card %1</source>
        <translation>Cornice della carta %1</translation>
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
        <translation>Quorvel  -  Statistiche</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Avversario</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perse</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mani</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Clear the record</source>
        <translation>Cancella il registro</translation>
    </message>
    <message>
        <source>Reset the record</source>
        <translation>Azzera il registro</translation>
    </message>
    <message>
        <source>Keep the record</source>
        <translation>Conserva il registro</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>%1: nothing played yet.</source>
        <translation>%1: ancora nessuna partita.</translation>
    </message>
    <message>
        <source>%1: %2 matches won, %3 lost; rounds %4 won, %5 lost; hands %6 won, %7 lost, %8 drawn; points %9 for, %10 against; longest winning streak %11.</source>
        <translation>%1: %2 partite vinte, %3 perse; manche %4 vinte, %5 perse; mani %6 vinte, %7 perse, %8 pari; punti %9 fatti, %10 subiti; serie di vittorie più lunga %11.</translation>
    </message>
    <message>
        <source>Statistics.</source>
        <translation>Statistiche.</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <comment>yours and the opponent&apos;s</comment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Clear the whole record of matches? This cannot be undone.</source>
        <translation>Cancellare tutto il registro delle partite? Non si può annullare.</translation>
    </message>
    <message>
        <source>The record cannot be kept: %1</source>
        <translation>Il registro non può essere tenuto: %1</translation>
    </message>
    <message>
        <source>Rounds, hands and points: yours, then your opponent&apos;s. Streak: the most matches won in a row.</source>
        <translation>Manche, mani e punti: i tuoi, poi quelli dell’avversario. Serie: il maggior numero di partite vinte di fila.</translation>
    </message>
    <message>
        <source>The record has been cleared.</source>
        <translation>Il registro è stato cancellato.</translation>
    </message>
    <message>
        <source>The record has been kept.</source>
        <translation>Il registro è stato conservato.</translation>
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
        <translation>Manche %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Against %1: %2 won, %3 lost</source>
        <translation>Contro %1: %2 vinte, %3 perse</translation>
    </message>
    <message>
        <source>%1. Shows the statistics.</source>
        <translation>%1. Mostra le statistiche.</translation>
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
        <translation>Manche %1, %2.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Totale %1.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>The installed card database &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere il database delle carte installato «%1»: %2</translation>
    </message>
    <message>
        <source>The installed card database &quot;%1&quot; is damaged: %2</source>
        <translation>Il database delle carte installato «%1» è danneggiato: %2</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is damaged: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel: il tuo database delle carte «%1» è danneggiato: %2 È stato messo da parte come «%3» ed è stata creata una nuova copia da «%4».
</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is unreadable: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel: il tuo database delle carte «%1» è illeggibile: %2 È stato messo da parte come «%3» ed è stata creata una nuova copia da «%4».
</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: no space left on the disk that holds &quot;%2&quot; (%3 kB free, %4 kB needed). Make room there and start the game again.</source>
        <translation>Impossibile creare il tuo database delle carte «%1»: non c’è più spazio sul disco che contiene «%2» (%3 kB liberi, %4 kB necessari). Libera spazio e avvia di nuovo il gioco.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made from &quot;%2&quot;: %3.</source>
        <translation>Impossibile creare il tuo database delle carte «%1» da «%2»: %3.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: &quot;%2&quot; is a file, not a folder.</source>
        <translation>Impossibile creare la cartella «%1» per il tuo database delle carte: «%2» è un file, non una cartella.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: %2.</source>
        <translation>Impossibile creare la cartella «%1» per il tuo database delle carte: %2.</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>spazio esaurito sul disco</translation>
    </message>
    <message>
        <source>Your card database has no folder: neither XDG_DATA_HOME nor HOME names one, and your account has no home folder.</source>
        <translation>Il tuo database delle carte non ha una cartella: né XDG_DATA_HOME né HOME ne indicano una, e il tuo account non ha una cartella home.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be opened: no space left on the disk that holds &quot;%2&quot; (%3 kB free). Make room there and start the game again.</source>
        <translation>Impossibile aprire il tuo database delle carte «%1»: non c’è più spazio sul disco che contiene «%2» (%3 kB liberi). Libera spazio e avvia di nuovo il gioco.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere il tuo database delle carte «%1»: %2</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; is damaged (%2) and cannot be set aside as &quot;%3&quot;: %4.</source>
        <translation>Il tuo database delle carte «%1» è danneggiato (%2) e non può essere messo da parte come «%3»: %4.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: %2.</source>
        <translation>Impossibile creare il tuo database delle carte «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Hint frame</source>
        <translation>Cornice del suggerimento</translation>
    </message>
    <message>
        <source>Hint: card %1 on square %2</source>
        <translation>Suggerimento: carta %1 sulla casella %2</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Games on the local network cannot be listed, because no Avahi daemon is running on this computer. Type the host&apos;s address instead.</source>
        <translation>Le partite della rete locale non possono essere elencate perché su questo computer non è in esecuzione alcun servizio Avahi. Digita invece l&apos;indirizzo dell&apos;host.</translation>
    </message>
    <message>
        <source>Type the host&apos;s address, such as 192.168.1.20 or mirela-pc.local.</source>
        <translation>Digita l&apos;indirizzo dell&apos;host, ad esempio 192.168.1.20 o mirela-pc.local.</translation>
    </message>
    <message>
        <source>An address in brackets needs its closing bracket.</source>
        <translation>All&apos;indirizzo tra parentesi quadre manca la parentesi di chiusura.</translation>
    </message>
    <message>
        <source>After the bracketed address only a colon and a port may follow.</source>
        <translation>Dopo l&apos;indirizzo tra parentesi possono seguire solo i due punti e una porta.</translation>
    </message>
    <message>
        <source>Brackets hold an IPv6 address.</source>
        <translation>Le parentesi quadre racchiudono un indirizzo IPv6.</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535.</source>
        <translation>La porta è un numero da 1 a 65535.</translation>
    </message>
    <message>
        <source>“%1” is neither an address nor a computer&apos;s name.</source>
        <translation>«%1» non è né un indirizzo né il nome di un computer.</translation>
    </message>
    <message>
        <source>The other game sent a message that cannot be read. The network match is over.</source>
        <translation>L&apos;altro gioco ha inviato un messaggio illeggibile. La partita in rete è terminata.</translation>
    </message>
    <message>
        <source>The other game sent a message that is too large. The network match is over.</source>
        <translation>L&apos;altro gioco ha inviato un messaggio troppo grande. La partita in rete è terminata.</translation>
    </message>
    <message>
        <source>The other game is another version of Quorvel. Both players need the same version to play together.</source>
        <translation>L&apos;altro gioco è un&apos;altra versione di Quorvel. Entrambi i giocatori devono avere la stessa versione per giocare insieme.</translation>
    </message>
    <message>
        <source>The other game sent a message out of turn. The network match is over.</source>
        <translation>L&apos;altro gioco ha inviato un messaggio fuori turno. La partita in rete è terminata.</translation>
    </message>
    <message>
        <source>The other game sent a move that the rules do not allow. The network match is over.</source>
        <translation>L&apos;altro gioco ha inviato una mossa che le regole non consentono. La partita in rete è terminata.</translation>
    </message>
    <message>
        <source>The two games have different card lists. Both players need the same version of Quorvel to play together.</source>
        <translation>I due giochi hanno elenchi di carte diversi. Entrambi i giocatori devono avere la stessa versione di Quorvel per giocare insieme.</translation>
    </message>
    <message>
        <source>The host is already playing with someone else.</source>
        <translation>L&apos;host sta già giocando con qualcun altro.</translation>
    </message>
    <message>
        <source>%1 has not answered for too long. The network match is over.</source>
        <translation>%1 non risponde da troppo tempo. La partita in rete è terminata.</translation>
    </message>
    <message>
        <source>The other game has not answered for too long. The network match is over.</source>
        <translation>L&apos;altro gioco non risponde da troppo tempo. La partita in rete è terminata.</translation>
    </message>
    <message>
        <source>The other game sent far too many messages. The network match is over.</source>
        <translation>L&apos;altro gioco ha inviato troppi messaggi. La partita in rete è terminata.</translation>
    </message>
    <message>
        <source>The join code is wrong. Check it with the host and try again.</source>
        <translation>Il codice di accesso è errato. Controllalo con l&apos;host e riprova.</translation>
    </message>
    <message>
        <source>The program at this address is not a Quorvel game that can be joined.</source>
        <translation>Il programma a questo indirizzo non è una partita di Quorvel a cui ci si possa unire.</translation>
    </message>
    <message>
        <source>No game answers at this address. Check the address and that the host is waiting for a player.</source>
        <translation>Nessuna partita risponde a questo indirizzo. Controlla l&apos;indirizzo e che l&apos;host stia aspettando un giocatore.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost. The network match is over.</source>
        <translation>La connessione con %1 si è interrotta. La partita in rete è terminata.</translation>
    </message>
    <message>
        <source>The connection to the other game was lost. The network match is over.</source>
        <translation>La connessione con l&apos;altro gioco si è interrotta. La partita in rete è terminata.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 ha lasciato la partita.</translation>
    </message>
    <message>
        <source>The other player has left the game.</source>
        <translation>L&apos;altro giocatore ha lasciato la partita.</translation>
    </message>
    <message>
        <source>The other game heard nothing from this game for too long. The network match is over.</source>
        <translation>L&apos;altro gioco non riceve nulla da questo gioco da troppo tempo. La partita in rete è terminata.</translation>
    </message>
    <message>
        <source>The other game could not accept a message from this game. The network match is over.</source>
        <translation>L&apos;altro gioco non ha potuto accettare un messaggio di questo gioco. La partita in rete è terminata.</translation>
    </message>
    <message>
        <source>Someone tried to join with a wrong code and was turned away.</source>
        <translation>Qualcuno ha provato a unirsi con un codice errato ed è stato respinto.</translation>
    </message>
    <message>
        <source>A second player tried to join and was turned away.</source>
        <translation>Un secondo giocatore ha provato a unirsi ed è stato respinto.</translation>
    </message>
    <message>
        <source>A program that is not a Quorvel game tried to connect and was turned away.</source>
        <translation>Un programma che non è un gioco Quorvel ha provato a collegarsi ed è stato respinto.</translation>
    </message>
    <message>
        <source>A player with another version of Quorvel tried to join and was turned away.</source>
        <translation>Un giocatore con un&apos;altra versione di Quorvel ha provato a unirsi ed è stato respinto.</translation>
    </message>
    <message>
        <source>A player with a different card list tried to join and was turned away.</source>
        <translation>Un giocatore con un altro elenco di carte ha provato a unirsi ed è stato respinto.</translation>
    </message>
    <message>
        <source>A connection that did not introduce itself in time was closed.</source>
        <translation>È stata chiusa una connessione che non si è presentata in tempo.</translation>
    </message>
    <message>
        <source>A connection that broke the rules of the conversation was closed.</source>
        <translation>È stata chiusa una connessione che ha violato le regole della comunicazione.</translation>
    </message>
    <message>
        <source>The network match needs OpenSSL, which could not be loaded.</source>
        <translation>La partita in rete richiede OpenSSL, che non è stato possibile caricare.</translation>
    </message>
    <message>
        <source>The game cannot wait for a player on port %1: %2</source>
        <translation>Il gioco non può attendere un giocatore sulla porta %1: %2</translation>
    </message>
    <message>
        <source>A join code has no “%1”: it uses the digits 2 to 9 and the letters other than I and O.</source>
        <translation>Un codice di accesso non contiene «%1»: usa le cifre da 2 a 9 e le lettere tranne I e O.</translation>
    </message>
    <message>
        <source>A join code has ten letters and digits, such as K7QF-9M2T-XW.</source>
        <translation>Un codice di accesso ha dieci lettere e cifre, ad esempio K7QF-9M2T-XW.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>L’immagine «%1» non c’è.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>L’immagine «%1» è vuota.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be loaded: %2</source>
        <translation>Impossibile caricare l’immagine «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Choose 5 cards
then press Done</source>
        <extracomment>Painted on the selection window&apos;s prompt in two lines: the first large (room for about 180 x 36 pixels), the second small (180 x 19). Keep the line break.</extracomment>
        <translation>Scegli 5 carte
poi premi Fatto</translation>
    </message>
    <message>
        <source>Player %1 begins</source>
        <extracomment>Painted on the plaque that shows who places the first card, 190 x 55 pixels of room; %1 is the player&apos;s number, 1 or 2.</extracomment>
        <translation>Inizia il giocatore %1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>The headings above the options window&apos;s name boxes (room for 288 x 32 pixels), and the plates of the main and selection windows that name each player&apos;s colour (121 x 29 pixels); %1 is 1 or 2.</extracomment>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>The heading of the options window&apos;s choice of rules, painted between two gold lines (room for 288 x 29 pixels).</extracomment>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <extracomment>An option of the options window, right of its mark (room for 214 x 27 pixels).</extracomment>
        <translation>Mano scoperta</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Mano coperta</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Regole base</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Regole base con combo</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <extracomment>The heading of the results window, painted above a gold line (room for 431 x 38 pixels).</extracomment>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>a duel of cards for two</source>
        <extracomment>The splash window&apos;s line under the game&apos;s name (room for 430 x 30 pixels).</extracomment>
        <translation>un duello di carte per due</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>A button of the options, message, results, statistics and help windows, and of the selection windows; painted on a face of 87 x 19 pixels.</extracomment>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of the main and options windows (87 x 19 pixels).</extracomment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>The heading of the statistics window, painted above a short gold line (room for 520 x 40 pixels).</extracomment>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The statistics window&apos;s button that asks to empty the record of matches (87 x 19 pixels).</extracomment>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The statistics window&apos;s button that confirms emptying the record of matches (87 x 19 pixels).</extracomment>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The statistics window&apos;s button that keeps the record of matches after all (87 x 19 pixels).</extracomment>
        <translation>Conserva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The button of the network windows that gives up waiting for or joining a game (87 x 19 pixels).</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join window&apos;s button that connects to the host (87 x 19 pixels).</extracomment>
        <translation>Entra</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Options of the window system (Qt):</source>
        <translation>Opzioni del sistema di finestre (Qt):</translation>
    </message>
    <message>
        <source>cannot show its windows: no display is set (the DISPLAY environment variable is empty).</source>
        <translation>non può mostrare le sue finestre: nessuno schermo impostato (la variabile d’ambiente DISPLAY è vuota).</translation>
    </message>
    <message>
        <source>cannot show its windows: the display &quot;%1&quot; cannot be reached.</source>
        <translation>non può mostrare le sue finestre: lo schermo «%1» non è raggiungibile.</translation>
    </message>
    <message>
        <source>cannot show its windows: there is no window system &quot;%1&quot; (there are: %2).</source>
        <translation>non può mostrare le sue finestre: non esiste il sistema di finestre «%1» (ci sono: %2).</translation>
    </message>
    <message>
        <source>cannot show its windows through &quot;%1&quot;: %2</source>
        <translation>non può mostrare le sue finestre tramite «%1»: %2</translation>
    </message>
</context>
<context>
    <name>PlayRules</name>
    <message>
        <source>Player %1&apos;s score overflows a 16-bit integer (%2 + %3).</source>
        <translation>Il punteggio del giocatore %1 supera un intero a 16 bit (%2 + %3).</translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>%1 failed in the card database &quot;%2&quot;: %3</source>
        <translation>Operazione non riuscita nel database delle carte «%2» (%1): %3</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; does not exist.</source>
        <translation>Il database delle carte «%1» non esiste.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be read.</source>
        <translation>Impossibile leggere il database delle carte «%1».</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is read-only; the game keeps its cards in it and must be able to write it.</source>
        <translation>Il database delle carte «%1» è di sola lettura; il gioco vi conserva le sue carte e deve poterlo scrivere.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is empty.</source>
        <translation>Il database delle carte «%1» è vuoto.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; of the card database is read-only; the game keeps its log of changes beside the database and must be able to write there.</source>
        <translation>La cartella «%1» del database delle carte è di sola lettura; il gioco tiene il registro delle modifiche accanto al database e deve poterci scrivere.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be opened: %2</source>
        <translation>Impossibile aprire il database delle carte «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card database: %2</source>
        <translation>«%1» non è un database delle carte: %2</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be written (is its folder read-only?): %2</source>
        <translation>Impossibile scrivere il database delle carte «%1» (la sua cartella è di sola lettura?): %2</translation>
    </message>
    <message>
        <source>Setting up</source>
        <translation>preparazione</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>salvataggio</translation>
    </message>
    <message>
        <source>Starting a save</source>
        <translation>inizio di un salvataggio</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened: the card database is not open.</source>
        <translation>Impossibile aprire la tabella %1: il database delle carte non è aperto.</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened in the card database &quot;%2&quot;: %3</source>
        <translation>Impossibile aprire la tabella %1 nel database delle carte «%2»: %3</translation>
    </message>
    <message>
        <source>Table %1 is not open.</source>
        <translation>La tabella %1 non è aperta.</translation>
    </message>
    <message>
        <source>Table %1: the search &quot;%2&quot; cannot be understood.</source>
        <translation>Tabella %1: la ricerca «%2» non è comprensibile.</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>La tabella %1 del database delle carte non ha il campo %2.</translation>
    </message>
    <message>
        <source>Table %1: no current record for field %2 (the record searched for was not found).</source>
        <translation>Tabella %1: nessun record corrente per il campo %2 (il record cercato non è stato trovato).</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds &quot;%4&quot; where a number belongs.</source>
        <translation>Tabella %1, record %2: il campo %3 contiene «%4» dove va un numero.</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4, beyond a 16-bit integer.</source>
        <translation>Tabella %1, record %2: il campo %3 contiene %4, oltre un intero a 16 bit.</translation>
    </message>
    <message>
        <source>Table %1 is read-only; field %2 cannot be written.</source>
        <translation>La tabella %1 è di sola lettura; impossibile scrivere il campo %2.</translation>
    </message>
    <message>
        <source>Saving a record of table %1</source>
        <translation>salvataggio di un record della tabella %1</translation>
    </message>
    <message>
        <source>Table %1: record %2 disappeared from the card database.</source>
        <translation>Tabella %1: il record %2 è sparito dal database delle carte.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>not a rich-text document</source>
        <translation>non è un documento rich text</translation>
    </message>
    <message>
        <source>the document ends before all its groups are closed</source>
        <translation>il documento finisce prima che tutti i suoi gruppi siano chiusi</translation>
    </message>
    <message>
        <source>the document holds no text</source>
        <translation>il documento non contiene testo</translation>
    </message>
    <message>
        <source>groups are nested more than %1 deep</source>
        <translation>ci sono gruppi annidati per più di %1 livelli</translation>
    </message>
    <message>
        <source>the document text is cut off at 8 MB</source>
        <translation>il testo del documento è troncato a 8 MB</translation>
    </message>
    <message>
        <source>the braces of the document do not balance</source>
        <translation>le parentesi graffe del documento non sono bilanciate</translation>
    </message>
    <message>
        <source>the document is cut off at %1 paragraphs</source>
        <translation>il documento è troncato dopo %1 paragrafi</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>The card database has no table %1 (%2).</source>
        <translation>Il database delle carte non ha la tabella %1 (%2).</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>La tabella %1 del database delle carte non ha il campo %2.</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4 where a whole number from -32768 to 32767 belongs.</source>
        <translation>Tabella %1, record %2: il campo %3 contiene %4 dove va un numero intero da -32768 a 32767.</translation>
    </message>
    <message>
        <source>Table AllCards: the card with fldAutoNumber %1 has fldID 0, which marks an empty slot.</source>
        <translation>Tabella AllCards: la carta con fldAutoNumber %1 ha fldID 0, che indica uno spazio vuoto.</translation>
    </message>
    <message>
        <source>Table AllCards has no card with fldAutoNumber %1 (it must hold one card for every number from 1 to %2).</source>
        <translation>La tabella AllCards non ha nessuna carta con fldAutoNumber %1 (deve contenere una carta per ogni numero da 1 a %2).</translation>
    </message>
    <message>
        <source>Table %1: the record of slot %2 is out of order (records must lie in ascending order of fldLocation).</source>
        <translation>Tabella %1: il record dello spazio %2 è fuori ordine (i record devono seguire l’ordine crescente di fldLocation).</translation>
    </message>
    <message>
        <source>The card database cannot be read: %1</source>
        <translation>Impossibile leggere il database delle carte: %1</translation>
    </message>
    <message>
        <source>Table %1 of the card database has a trigger (&quot;%2&quot;); the game&apos;s tables must take its writes as they are.</source>
        <translation>La tabella %1 del database delle carte ha un trigger («%2»); le tabelle del gioco devono accettarne le scritture così come sono.</translation>
    </message>
    <message>
        <source>%1 (card %2 of AllCards)</source>
        <translation>%1 (carta %2 di AllCards)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>L’immagine «%1» non c’è.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2.</source>
        <translation>Impossibile leggere l’immagine «%1»: %2.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>L’immagine «%1» non è un file normale (è una cartella).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>L’immagine «%1» non è un file normale (è una pipe).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>L’immagine «%1» non è un file normale (è un socket).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>L’immagine «%1» non è un file normale (è un dispositivo).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>Il regolamento «%1» non c’è.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2.</source>
        <translation>Impossibile leggere il regolamento «%1»: %2.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>Il regolamento «%1» non è un file normale (è una cartella).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>Il regolamento «%1» non è un file normale (è una pipe).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>Il regolamento «%1» non è un file normale (è un socket).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>Il regolamento «%1» non è un file normale (è un dispositivo).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read.</source>
        <translation>Impossibile leggere l’immagine «%1».</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>L’immagine «%1» è vuota.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture (JPEG or GIF).</source>
        <translation>Il file «%1» non è un’immagine (JPEG o GIF).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is truncated.</source>
        <translation>L’immagine «%1» è troncata.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read as a picture: %2</source>
        <translation>Impossibile leggere «%1» come immagine: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to load (%2 x %3 pixels).</source>
        <translation>L’immagine «%1» è troppo grande da caricare (%2 × %3 pixel).</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Impossibile aprire il file di blocco «%1»: %2.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is not a regular file; remove it and start again.</source>
        <translation>Il file di blocco «%1» non è un file normale; eliminalo e avvia di nuovo.</translation>
    </message>
    <message>
        <source>Quorvel is already running with the card database &quot;%1&quot;; only one game can use it at a time.</source>
        <translation>Quorvel è già in esecuzione con il database delle carte «%1»; una sola partita alla volta può usarlo.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>Table %1 has no record for slot %2 (fldLocation = %2).</source>
        <translation>La tabella %1 non ha un record per lo spazio %2 (fldLocation = %2).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A card game for two players who share one screen and one mouse.</source>
        <translation>Un gioco di carte per due giocatori che condividono uno schermo e un mouse.</translation>
    </message>
    <message>
        <source>Let the computer play player 2 at &lt;level&gt;: easy, normal or hard.</source>
        <translation>Fa giocare il computer come giocatore 2 al &lt;livello&gt; easy (facile), normal (normale) o hard (difficile).</translation>
    </message>
    <message>
        <source>level</source>
        <extracomment>The value of --computer in the help text, as in &quot;--computer &lt;level&gt;&quot;.</extracomment>
        <translation>livello</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.
</source>
        <translation>Usa «%1 --help» per vedere le opzioni.
</translation>
    </message>
    <message>
        <source>%1: unexpected argument &quot;%2&quot;; the game takes no file names.
%3</source>
        <translation>%1: argomento inatteso «%2»; il gioco non accetta nomi di file.
%3</translation>
    </message>
    <message>
        <source>%1: --computer takes easy, normal or hard, not &quot;%2&quot;
%3</source>
        <translation>%1: --computer accetta easy, normal o hard, non «%2»
%3</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Indirizzo: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Porta: %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>Codice di accesso: %1</translation>
    </message>
    <message>
        <source>Wait for a player on another computer, listening on &lt;port&gt; (47107 if none is given); the addresses, port and join code are also printed here.</source>
        <translation>Attende un giocatore su un altro computer, in ascolto su &lt;porta&gt; (47107 se non è indicata); indirizzi, porta e codice di accesso sono stampati anche qui.</translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The value of --host in the help text, as in &quot;--host[=&lt;port&gt;]&quot;.</extracomment>
        <translation>porta</translation>
    </message>
    <message>
        <source>Join the game of a player on another computer at &lt;address&gt; (with :port if it is not 47107); the join code is asked for.</source>
        <translation>Partecipa alla partita di un giocatore su un altro computer all’&lt;indirizzo&gt; (con :porta se non è 47107); viene chiesto il codice di accesso.</translation>
    </message>
    <message>
        <source>address</source>
        <extracomment>The value of --join in the help text, as in &quot;--join &lt;address&gt;&quot;.</extracomment>
        <translation>indirizzo</translation>
    </message>
    <message>
        <source>%1: only one of --computer, --host and --join can be given.
%2</source>
        <translation>%1: si può indicare solo una delle opzioni --computer, --host e --join.
%2</translation>
    </message>
    <message>
        <source>%1: --host takes a port from 1 to 65535, not &quot;%2&quot;
%3</source>
        <translation>%1: --host accetta una porta da 1 a 65535, non «%2»
%3</translation>
    </message>
    <message>
        <source>%1: --join takes the host&apos;s address, not &quot;%2&quot;: %3
%4</source>
        <translation>%1: --join accetta l’indirizzo dell’host, non «%2»: %3
%4</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>Computer (easy)</source>
        <translation>Computer (facile)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Computer (normale)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Computer (difficile)</translation>
    </message>
    <message>
        <source>A person</source>
        <translation>Una persona</translation>
    </message>
    <message>
        <source>A person (network)</source>
        <translation>Una persona (rete)</translation>
    </message>
</context>
</TS>
