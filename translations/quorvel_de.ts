<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CardEdges</name>
    <message>
        <source>north %1, east %2, south %3, west %4</source>
        <extracomment>A card&apos;s four edge values as a screen reader speaks them.</extracomment>
        <translation>Nord %1, Ost %2, Süd %3, West %4</translation>
    </message>
</context>
<context>
    <name>ComputerChoice</name>
    <message>
        <source>Computer (easy)</source>
        <translation>Computer (leicht)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Computer (mittel)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Computer (schwer)</translation>
    </message>
    <message>
        <source>Host a game on the network…</source>
        <translation>Ein Spiel im Netzwerk anbieten…</translation>
    </message>
    <message>
        <source>Join a game on the network…</source>
        <translation>Einem Spiel im Netzwerk beitreten…</translation>
    </message>
</context>
<context>
    <name>Fatal</name>
    <message>
        <source>Quorvel cannot continue.

%1</source>
        <translation>Quorvel kann nicht weiterlaufen.

%1</translation>
    </message>
    <message>
        <source>Quorvel: fatal error: %1
</source>
        <translation>Quorvel: schwerer Fehler: %1
</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Window %1 is already shown modally.</source>
        <translation>Das Fenster %1 wird bereits modal angezeigt.</translation>
    </message>
</context>
<context>
    <name>FrmHelp</name>
    <message>
        <source>Quorvel  -  Help</source>
        <translation>Quorvel  -  Hilfe</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>Die Spielregeln „%1“ fehlen.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Spielregeln „%1“ können nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be shown: %2</source>
        <translation>Die Spielregeln „%1“ können nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>Quorvel help</source>
        <translation>Quorvel-Hilfe</translation>
    </message>
</context>
<context>
    <name>FrmHostGame</name>
    <message>
        <source>Quorvel  -  Host a game</source>
        <translation>Quorvel  -  Spiel anbieten</translation>
    </message>
    <message>
        <source>Waiting for a player</source>
        <translation>Warten auf einen Spieler</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Beitrittscode</translation>
    </message>
    <message>
        <source>Players on this network see the game as &quot;%1&quot;.</source>
        <translation>Spieler in diesem Netzwerk sehen das Spiel als „%1“.</translation>
    </message>
    <message>
        <source>Tell the other player one of these addresses and the join code.</source>
        <translation>Nennen Sie dem anderen Spieler eine dieser Adressen und den Beitrittscode.</translation>
    </message>
    <message>
        <source>Host a game on the network</source>
        <translation>Ein Spiel im Netzwerk anbieten</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adresse: %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>Beitrittscode: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FrmJoinGame</name>
    <message>
        <source>Quorvel  -  Join a game</source>
        <translation>Quorvel  -  Spiel beitreten</translation>
    </message>
    <message>
        <source>Join a game on the network</source>
        <translation>Einem Spiel im Netzwerk beitreten</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Beitrittscode</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Games on the local network</source>
        <translation>Spiele im lokalen Netzwerk</translation>
    </message>
    <message>
        <source>Type the host&apos;s address and the join code it shows, or choose a game above.</source>
        <translation>Geben Sie die Adresse des Gastgebers und den Beitrittscode ein, den er zeigt, oder wählen Sie oben ein Spiel.</translation>
    </message>
    <message>
        <source>No game found yet.</source>
        <translation>Noch kein Spiel gefunden.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 unter %2</translation>
    </message>
    <message>
        <source>Type your name as the host will see it.</source>
        <translation>Geben Sie Ihren Namen ein, wie der Gastgeber ihn sehen soll.</translation>
    </message>
    <message>
        <source>Joining the game at %1…</source>
        <translation>Beitritt zum Spiel unter %1…</translation>
    </message>
    <message>
        <source>The host&apos;s address, with a colon and the port if it is not the usual one.</source>
        <translation>Die Adresse des Gastgebers, mit Doppelpunkt und Port, wenn es nicht der übliche ist.</translation>
    </message>
    <message>
        <source>The ten letters and digits the host shows.</source>
        <translation>Die zehn Buchstaben und Ziffern, die der Gastgeber zeigt.</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Die Karten sind ausgeteilt. %1 beginnt.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a placement (a capture, whose turn it is).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Get ready for the next hand</source>
        <translation>Macht euch bereit für den nächsten Durchgang</translation>
    </message>
    <message>
        <source>Round %1 cannot be recorded: a match has rounds 1 to 5.</source>
        <translation>Runde %1 kann nicht eingetragen werden: Eine Partie hat die Runden 1 bis 5.</translation>
    </message>
    <message>
        <source>%1 won this round.  Ready for next round</source>
        <translation>%1 gewinnt die Runde.  Bereit für die nächste</translation>
    </message>
    <message>
        <source>A match total overflows a 16-bit integer.</source>
        <translation>Eine Gesamtpunktzahl der Partie übersteigt eine 16-Bit-Ganzzahl.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
 wins with %2</source>
        <extracomment>The message ending a match: the winner&apos;s name, a line break, the winner&apos;s total.</extracomment>
        <translation>%1<byte value="xd"/>
 gewinnt mit %2</translation>
    </message>
    <message>
        <source>Square %1, empty</source>
        <translation>Feld %1, leer</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>%1 beginnt</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Show statistics</source>
        <translation>Statistik zeigen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Not your turn.</source>
        <translation>Du bist nicht am Zug.</translation>
    </message>
    <message>
        <source>Not your card.</source>
        <translation>Nicht deine Karte.</translation>
    </message>
    <message>
        <source>Card %1 is played.</source>
        <translation>Karte %1 ist gespielt.</translation>
    </message>
    <message>
        <source>Square %1 is taken.</source>
        <translation>Feld %1 ist besetzt.</translation>
    </message>
    <message>
        <source>%1 to play.</source>
        <translation>%1 ist am Zug.</translation>
    </message>
    <message>
        <source>Score %1 to %2.</source>
        <translation>Punkte %1 zu %2.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Square %1, red card, %2</source>
        <translation>Feld %1, rote Karte, %2</translation>
    </message>
    <message>
        <source>Square %1, blue card, %2</source>
        <translation>Feld %1, blaue Karte, %2</translation>
    </message>
    <message>
        <source>%1, card %2, face down</source>
        <translation>%1, Karte %2, verdeckt</translation>
    </message>
    <message>
        <source>%1, card %2, played</source>
        <translation>%1, Karte %2, gespielt</translation>
    </message>
    <message>
        <source>%1, card %2, %3</source>
        <translation>%1, Karte %2, %3</translation>
    </message>
    <message>
        <source>Card %1, face down.</source>
        <translation>Karte %1, verdeckt.</translation>
    </message>
    <message>
        <source>Card %1, %2.</source>
        <translation>Karte %1, %2.</translation>
    </message>
    <message>
        <source>%1 placed on square %2.</source>
        <translation>%1 legt auf Feld %2.</translation>
    </message>
    <message>
        <source>Placed on square %1.</source>
        <translation>Auf Feld %1 gelegt.</translation>
    </message>
    <message>
        <source>Took square %1.</source>
        <translation>Feld %1 erobert.</translation>
    </message>
    <message>
        <source>Took squares %1.</source>
        <translation>Felder %1 erobert.</translation>
    </message>
    <message>
        <source>No card to place.</source>
        <translation>Keine Karte zum Legen.</translation>
    </message>
    <message>
        <source>Pick a card first.</source>
        <translation>Wähle zuerst eine Karte.</translation>
    </message>
    <message>
        <source>Your cards are still face down.</source>
        <translation>Deine Karten sind noch verdeckt.</translation>
    </message>
    <message>
        <source>%1, frame of card %2</source>
        <translation>%1, Rahmen der Karte %2</translation>
    </message>
    <message>
        <source>Player 1, red, %1</source>
        <translation>Spieler 1, rot, %1</translation>
    </message>
    <message>
        <source>Player 2, blue, %1</source>
        <translation>Spieler 2, blau, %1</translation>
    </message>
    <message>
        <source>Score of %1, %2</source>
        <translation>Punkte von %1, %2</translation>
    </message>
    <message>
        <source>%1, round light %2, lit</source>
        <translation>%1, Rundenlicht %2, an</translation>
    </message>
    <message>
        <source>%1, round light %2, not lit</source>
        <translation>%1, Rundenlicht %2, aus</translation>
    </message>
    <message>
        <source>Hints are given only against the computer.</source>
        <translation>Tipps gibt es nur gegen den Computer.</translation>
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
        <translation>Bereit für die nächste Runde</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Close this message first.</source>
        <translation>Schließe zuerst diese Meldung.</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <translation>Offene Hand</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <translation>Verdeckte Hand</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <translation>Grundregeln</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <translation>Grundregeln mit Kombo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Name von Spieler 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Name von Spieler 2</translation>
    </message>
    <message>
        <source>Has a list of the computer&apos;s levels and of network games, opened with Alt+Down.</source>
        <translation>Hat eine Liste der Stufen des Computers und der Netzwerkspiele, zu öffnen mit Alt+Unten.</translation>
    </message>
</context>
<context>
    <name>FrmPlayer</name>
    <message>
        <source>Quorvel  -  Player 1</source>
        <translation>Quorvel  -  Spieler 1</translation>
    </message>
    <message>
        <source>Quorvel  -  Player 2</source>
        <translation>Quorvel  -  Spieler 2</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>You must select 5 cards to play</source>
        <translation>Wähle 5 Karten zum Spielen aus</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done</source>
        <translation>Wähle 5 Karten, dann drücke Fertig</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done.</source>
        <translation>Wähle 5 Karten und drücke dann Fertig.</translation>
    </message>
    <message>
        <source>The cards are still face down.</source>
        <translation>Die Karten sind noch verdeckt.</translation>
    </message>
    <message>
        <source>5 cards are marked. Unmark one first.</source>
        <translation>5 Karten sind markiert. Nimm zuerst eine Markierung zurück.</translation>
    </message>
    <message>
        <source>5 cards marked, press Done.</source>
        <translation>5 Karten markiert, drücke Fertig.</translation>
    </message>
    <message>
        <source>1 card marked, 4 to go.</source>
        <translation>1 Karte markiert, noch 4.</translation>
    </message>
    <message>
        <source>No card marked.</source>
        <translation>Keine Karte markiert.</translation>
    </message>
    <message>
        <source>%1 cards marked, %2 to go.</source>
        <translation>%1 Karten markiert, noch %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a mark: which card, then how many are marked.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Card %1 marked.</source>
        <translation>Karte %1 markiert.</translation>
    </message>
    <message>
        <source>Card %1 unmarked.</source>
        <translation>Markierung von Karte %1 entfernt.</translation>
    </message>
    <message>
        <source>Card %1, face down</source>
        <translation>Karte %1, verdeckt</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Karte %1, %2</translation>
    </message>
    <message>
        <source>The computer is choosing its cards.</source>
        <translation>Der Computer wählt seine Karten.</translation>
    </message>
    <message>
        <source>Player 1, %1</source>
        <translation>Spieler 1, %1</translation>
    </message>
    <message>
        <source>Player 2, %1</source>
        <translation>Spieler 2, %1</translation>
    </message>
    <message>
        <source>Frame of card %1</source>
        <translation>Rahmen der Karte %1</translation>
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
        <translation>Quorvel  -  Statistik</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gew.</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verl.</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Durchg.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Clear the record</source>
        <translation>Bilanz löschen</translation>
    </message>
    <message>
        <source>Reset the record</source>
        <translation>Bilanz zurücksetzen</translation>
    </message>
    <message>
        <source>Keep the record</source>
        <translation>Bilanz behalten</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>%1: nothing played yet.</source>
        <translation>%1: noch nichts gespielt.</translation>
    </message>
    <message>
        <source>%1: %2 matches won, %3 lost; rounds %4 won, %5 lost; hands %6 won, %7 lost, %8 drawn; points %9 for, %10 against; longest winning streak %11.</source>
        <translation>%1: %2 Partien gewonnen, %3 verloren; Runden %4 gewonnen, %5 verloren; Durchgänge %6 gewonnen, %7 verloren, %8 unentschieden; Punkte %9 erzielt, %10 gegen dich; längste Siegesserie %11.</translation>
    </message>
    <message>
        <source>Statistics.</source>
        <translation>Statistik.</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <comment>yours and the opponent&apos;s</comment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Clear the whole record of matches? This cannot be undone.</source>
        <translation>Die ganze Bilanz der Partien löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>The record cannot be kept: %1</source>
        <translation>Die Bilanz kann nicht geführt werden: %1</translation>
    </message>
    <message>
        <source>Rounds, hands and points: yours, then your opponent&apos;s. Streak: the most matches won in a row.</source>
        <translation>Runden, Durchgänge und Punkte: deine, dann die des Gegners. Serie: die meisten Partien in Folge gewonnen.</translation>
    </message>
    <message>
        <source>The record has been cleared.</source>
        <translation>Die Bilanz wurde gelöscht.</translation>
    </message>
    <message>
        <source>The record has been kept.</source>
        <translation>Die Bilanz bleibt erhalten.</translation>
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
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <translation>Spielstatistik</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Against %1: %2 won, %3 lost</source>
        <translation>Gegen %1: %2 gewonnen, %3 verloren</translation>
    </message>
    <message>
        <source>%1. Shows the statistics.</source>
        <translation>%1. Zeigt die Statistik.</translation>
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
        <translation>Runde %1, %2.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Gesamt %1.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>The installed card database &quot;%1&quot; cannot be read: %2</source>
        <translation>Die installierte Kartendatenbank „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The installed card database &quot;%1&quot; is damaged: %2</source>
        <translation>Die installierte Kartendatenbank „%1“ ist beschädigt: %2</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is damaged: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel: Deine Kartendatenbank „%1“ ist beschädigt: %2 Sie wurde als „%3“ beiseitegelegt und eine neue Kopie aus „%4“ angelegt.
</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is unreadable: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel: Deine Kartendatenbank „%1“ ist nicht lesbar: %2 Sie wurde als „%3“ beiseitegelegt und eine neue Kopie aus „%4“ angelegt.
</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: no space left on the disk that holds &quot;%2&quot; (%3 kB free, %4 kB needed). Make room there and start the game again.</source>
        <translation>Deine Kartendatenbank „%1“ kann nicht angelegt werden: Auf dem Datenträger mit „%2“ ist kein Platz mehr (%3 kB frei, %4 kB nötig). Schaffe dort Platz und starte das Spiel erneut.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made from &quot;%2&quot;: %3.</source>
        <translation>Deine Kartendatenbank „%1“ kann nicht aus „%2“ angelegt werden: %3.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: &quot;%2&quot; is a file, not a folder.</source>
        <translation>Der Ordner „%1“ für deine Kartendatenbank kann nicht angelegt werden: „%2“ ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: %2.</source>
        <translation>Der Ordner „%1“ für deine Kartendatenbank kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>Your card database has no folder: neither XDG_DATA_HOME nor HOME names one, and your account has no home folder.</source>
        <translation>Deine Kartendatenbank hat keinen Ordner: Weder XDG_DATA_HOME noch HOME nennt einen, und dein Konto hat keinen Home-Ordner.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be opened: no space left on the disk that holds &quot;%2&quot; (%3 kB free). Make room there and start the game again.</source>
        <translation>Deine Kartendatenbank „%1“ kann nicht geöffnet werden: Auf dem Datenträger mit „%2“ ist kein Platz mehr (%3 kB frei). Schaffe dort Platz und starte das Spiel erneut.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be read: %2</source>
        <translation>Deine Kartendatenbank „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; is damaged (%2) and cannot be set aside as &quot;%3&quot;: %4.</source>
        <translation>Deine Kartendatenbank „%1“ ist beschädigt (%2) und kann nicht als „%3“ beiseitegelegt werden: %4.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: %2.</source>
        <translation>Deine Kartendatenbank „%1“ kann nicht angelegt werden: %2.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Hint frame</source>
        <translation>Tipp-Rahmen</translation>
    </message>
    <message>
        <source>Hint: card %1 on square %2</source>
        <translation>Tipp: Karte %1 auf Feld %2</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Games on the local network cannot be listed, because no Avahi daemon is running on this computer. Type the host&apos;s address instead.</source>
        <translation>Spiele im lokalen Netzwerk können nicht angezeigt werden, weil auf diesem Computer kein Avahi-Dienst läuft. Geben Sie stattdessen die Adresse des Gastgebers ein.</translation>
    </message>
    <message>
        <source>Type the host&apos;s address, such as 192.168.1.20 or mirela-pc.local.</source>
        <translation>Geben Sie die Adresse des Gastgebers ein, etwa 192.168.1.20 oder mirela-pc.local.</translation>
    </message>
    <message>
        <source>An address in brackets needs its closing bracket.</source>
        <translation>Einer Adresse in eckigen Klammern fehlt die schließende Klammer.</translation>
    </message>
    <message>
        <source>After the bracketed address only a colon and a port may follow.</source>
        <translation>Nach der Adresse in Klammern darf nur ein Doppelpunkt mit einem Port folgen.</translation>
    </message>
    <message>
        <source>Brackets hold an IPv6 address.</source>
        <translation>In eckigen Klammern steht eine IPv6-Adresse.</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535.</source>
        <translation>Der Port ist eine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <source>“%1” is neither an address nor a computer&apos;s name.</source>
        <translation>„%1“ ist weder eine Adresse noch der Name eines Computers.</translation>
    </message>
    <message>
        <source>The other game sent a message that cannot be read. The network match is over.</source>
        <translation>Das andere Spiel hat eine Nachricht gesendet, die nicht gelesen werden kann. Die Netzwerkpartie ist beendet.</translation>
    </message>
    <message>
        <source>The other game sent a message that is too large. The network match is over.</source>
        <translation>Das andere Spiel hat eine zu große Nachricht gesendet. Die Netzwerkpartie ist beendet.</translation>
    </message>
    <message>
        <source>The other game is another version of Quorvel. Both players need the same version to play together.</source>
        <translation>Das andere Spiel ist eine andere Version von Quorvel. Beide Spieler brauchen dieselbe Version, um miteinander zu spielen.</translation>
    </message>
    <message>
        <source>The other game sent a message out of turn. The network match is over.</source>
        <translation>Das andere Spiel hat eine Nachricht außer der Reihe gesendet. Die Netzwerkpartie ist beendet.</translation>
    </message>
    <message>
        <source>The other game sent a move that the rules do not allow. The network match is over.</source>
        <translation>Das andere Spiel hat einen Zug gesendet, den die Regeln nicht erlauben. Die Netzwerkpartie ist beendet.</translation>
    </message>
    <message>
        <source>The two games have different card lists. Both players need the same version of Quorvel to play together.</source>
        <translation>Die beiden Spiele haben verschiedene Kartenlisten. Beide Spieler brauchen dieselbe Version von Quorvel, um miteinander zu spielen.</translation>
    </message>
    <message>
        <source>The host is already playing with someone else.</source>
        <translation>Der Gastgeber spielt schon mit jemand anderem.</translation>
    </message>
    <message>
        <source>%1 has not answered for too long. The network match is over.</source>
        <translation>%1 hat zu lange nicht geantwortet. Die Netzwerkpartie ist beendet.</translation>
    </message>
    <message>
        <source>The other game has not answered for too long. The network match is over.</source>
        <translation>Das andere Spiel hat zu lange nicht geantwortet. Die Netzwerkpartie ist beendet.</translation>
    </message>
    <message>
        <source>The other game sent far too many messages. The network match is over.</source>
        <translation>Das andere Spiel hat viel zu viele Nachrichten gesendet. Die Netzwerkpartie ist beendet.</translation>
    </message>
    <message>
        <source>The join code is wrong. Check it with the host and try again.</source>
        <translation>Der Beitrittscode ist falsch. Prüfen Sie ihn mit dem Gastgeber und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The program at this address is not a Quorvel game that can be joined.</source>
        <translation>Das Programm unter dieser Adresse ist kein Quorvel-Spiel, dem man beitreten kann.</translation>
    </message>
    <message>
        <source>No game answers at this address. Check the address and that the host is waiting for a player.</source>
        <translation>Unter dieser Adresse antwortet kein Spiel. Prüfen Sie die Adresse und ob der Gastgeber auf einen Spieler wartet.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost. The network match is over.</source>
        <translation>Die Verbindung zu %1 ist abgerissen. Die Netzwerkpartie ist beendet.</translation>
    </message>
    <message>
        <source>The connection to the other game was lost. The network match is over.</source>
        <translation>Die Verbindung zum anderen Spiel ist abgerissen. Die Netzwerkpartie ist beendet.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 hat das Spiel verlassen.</translation>
    </message>
    <message>
        <source>The other player has left the game.</source>
        <translation>Der andere Spieler hat das Spiel verlassen.</translation>
    </message>
    <message>
        <source>The other game heard nothing from this game for too long. The network match is over.</source>
        <translation>Das andere Spiel hat zu lange nichts von diesem Spiel gehört. Die Netzwerkpartie ist beendet.</translation>
    </message>
    <message>
        <source>The other game could not accept a message from this game. The network match is over.</source>
        <translation>Das andere Spiel konnte eine Nachricht dieses Spiels nicht annehmen. Die Netzwerkpartie ist beendet.</translation>
    </message>
    <message>
        <source>Someone tried to join with a wrong code and was turned away.</source>
        <translation>Jemand wollte mit einem falschen Code beitreten und wurde abgewiesen.</translation>
    </message>
    <message>
        <source>A second player tried to join and was turned away.</source>
        <translation>Ein zweiter Spieler wollte beitreten und wurde abgewiesen.</translation>
    </message>
    <message>
        <source>A program that is not a Quorvel game tried to connect and was turned away.</source>
        <translation>Ein Programm, das kein Quorvel-Spiel ist, wollte sich verbinden und wurde abgewiesen.</translation>
    </message>
    <message>
        <source>A player with another version of Quorvel tried to join and was turned away.</source>
        <translation>Ein Spieler mit einer anderen Version von Quorvel wollte beitreten und wurde abgewiesen.</translation>
    </message>
    <message>
        <source>A player with a different card list tried to join and was turned away.</source>
        <translation>Ein Spieler mit einer anderen Kartenliste wollte beitreten und wurde abgewiesen.</translation>
    </message>
    <message>
        <source>A connection that did not introduce itself in time was closed.</source>
        <translation>Eine Verbindung, die sich nicht rechtzeitig vorgestellt hat, wurde geschlossen.</translation>
    </message>
    <message>
        <source>A connection that broke the rules of the conversation was closed.</source>
        <translation>Eine Verbindung, die gegen die Regeln der Unterhaltung verstieß, wurde geschlossen.</translation>
    </message>
    <message>
        <source>The network match needs OpenSSL, which could not be loaded.</source>
        <translation>Die Netzwerkpartie braucht OpenSSL, das nicht geladen werden konnte.</translation>
    </message>
    <message>
        <source>The game cannot wait for a player on port %1: %2</source>
        <translation>Das Spiel kann nicht auf Port %1 auf einen Spieler warten: %2</translation>
    </message>
    <message>
        <source>A join code has no “%1”: it uses the digits 2 to 9 and the letters other than I and O.</source>
        <translation>Ein Beitrittscode enthält kein „%1“: Er besteht aus den Ziffern 2 bis 9 und den Buchstaben außer I und O.</translation>
    </message>
    <message>
        <source>A join code has ten letters and digits, such as K7QF-9M2T-XW.</source>
        <translation>Ein Beitrittscode hat zehn Buchstaben und Ziffern, etwa K7QF-9M2T-XW.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>Das Bild „%1“ fehlt.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>Das Bild „%1“ ist leer.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be loaded: %2</source>
        <translation>Das Bild „%1“ kann nicht geladen werden: %2</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Choose 5 cards
then press Done</source>
        <extracomment>Painted on the selection window&apos;s prompt in two lines: the first large (room for about 180 x 36 pixels), the second small (180 x 19). Keep the line break.</extracomment>
        <translation>Wähle 5 Karten
dann drücke Fertig</translation>
    </message>
    <message>
        <source>Player %1 begins</source>
        <extracomment>Painted on the plaque that shows who places the first card, 190 x 55 pixels of room; %1 is the player&apos;s number, 1 or 2.</extracomment>
        <translation>Spieler %1 beginnt</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>The headings above the options window&apos;s name boxes (room for 288 x 32 pixels), and the plates of the main and selection windows that name each player&apos;s colour (121 x 29 pixels); %1 is 1 or 2.</extracomment>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>The heading of the options window&apos;s choice of rules, painted between two gold lines (room for 288 x 29 pixels).</extracomment>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <extracomment>An option of the options window, right of its mark (room for 214 x 27 pixels).</extracomment>
        <translation>Offene Hand</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Verdeckte Hand</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Grundregeln</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Grundregeln mit Kombo</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <extracomment>The heading of the results window, painted above a gold line (room for 431 x 38 pixels).</extracomment>
        <translation>Spielstatistik</translation>
    </message>
    <message>
        <source>a duel of cards for two</source>
        <extracomment>The splash window&apos;s line under the game&apos;s name (room for 430 x 30 pixels).</extracomment>
        <translation>ein Kartenduell für zwei</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>A button of the options, message, results, statistics and help windows, and of the selection windows; painted on a face of 87 x 19 pixels.</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of the main and options windows (87 x 19 pixels).</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>The heading of the statistics window, painted above a short gold line (room for 520 x 40 pixels).</extracomment>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The statistics window&apos;s button that asks to empty the record of matches (87 x 19 pixels).</extracomment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The statistics window&apos;s button that confirms emptying the record of matches (87 x 19 pixels).</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The statistics window&apos;s button that keeps the record of matches after all (87 x 19 pixels).</extracomment>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The button of the network windows that gives up waiting for or joining a game (87 x 19 pixels).</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join window&apos;s button that connects to the host (87 x 19 pixels).</extracomment>
        <translation>Beitreten</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Options of the window system (Qt):</source>
        <translation>Optionen des Fenstersystems (Qt):</translation>
    </message>
    <message>
        <source>cannot show its windows: no display is set (the DISPLAY environment variable is empty).</source>
        <translation>kann seine Fenster nicht zeigen: kein Bildschirm eingestellt (die Umgebungsvariable DISPLAY ist leer).</translation>
    </message>
    <message>
        <source>cannot show its windows: the display &quot;%1&quot; cannot be reached.</source>
        <translation>kann seine Fenster nicht zeigen: der Bildschirm „%1“ ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>cannot show its windows: there is no window system &quot;%1&quot; (there are: %2).</source>
        <translation>kann seine Fenster nicht zeigen: es gibt kein Fenstersystem „%1“ (vorhanden: %2).</translation>
    </message>
    <message>
        <source>cannot show its windows through &quot;%1&quot;: %2</source>
        <translation>kann seine Fenster nicht über „%1“ zeigen: %2</translation>
    </message>
</context>
<context>
    <name>PlayRules</name>
    <message>
        <source>Player %1&apos;s score overflows a 16-bit integer (%2 + %3).</source>
        <translation>Die Punktzahl von Spieler %1 übersteigt eine 16-Bit-Ganzzahl (%2 + %3).</translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>%1 failed in the card database &quot;%2&quot;: %3</source>
        <translation>%1 ist in der Kartendatenbank „%2“ fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; does not exist.</source>
        <translation>Die Kartendatenbank „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be read.</source>
        <translation>Die Kartendatenbank „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is read-only; the game keeps its cards in it and must be able to write it.</source>
        <translation>Die Kartendatenbank „%1“ ist schreibgeschützt; das Spiel bewahrt seine Karten darin auf und muss sie schreiben können.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is empty.</source>
        <translation>Die Kartendatenbank „%1“ ist leer.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; of the card database is read-only; the game keeps its log of changes beside the database and must be able to write there.</source>
        <translation>Der Ordner „%1“ der Kartendatenbank ist schreibgeschützt; das Spiel legt sein Änderungsprotokoll neben der Datenbank ab und muss dort schreiben können.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be opened: %2</source>
        <translation>Die Kartendatenbank „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card database: %2</source>
        <translation>„%1“ ist keine Kartendatenbank: %2</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be written (is its folder read-only?): %2</source>
        <translation>Die Kartendatenbank „%1“ kann nicht geschrieben werden (ist ihr Ordner schreibgeschützt?): %2</translation>
    </message>
    <message>
        <source>Setting up</source>
        <translation>Das Einrichten</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Das Speichern</translation>
    </message>
    <message>
        <source>Starting a save</source>
        <translation>Der Beginn des Speicherns</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened: the card database is not open.</source>
        <translation>Die Tabelle %1 kann nicht geöffnet werden: Die Kartendatenbank ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened in the card database &quot;%2&quot;: %3</source>
        <translation>Die Tabelle %1 kann in der Kartendatenbank „%2“ nicht geöffnet werden: %3</translation>
    </message>
    <message>
        <source>Table %1 is not open.</source>
        <translation>Die Tabelle %1 ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Table %1: the search &quot;%2&quot; cannot be understood.</source>
        <translation>Tabelle %1: Die Suche „%2“ ist unverständlich.</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>Die Tabelle %1 der Kartendatenbank hat kein Feld %2.</translation>
    </message>
    <message>
        <source>Table %1: no current record for field %2 (the record searched for was not found).</source>
        <translation>Tabelle %1: kein aktueller Datensatz für Feld %2 (der gesuchte Datensatz wurde nicht gefunden).</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds &quot;%4&quot; where a number belongs.</source>
        <translation>Tabelle %1, Datensatz %2: Feld %3 enthält „%4“, wo eine Zahl stehen muss.</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4, beyond a 16-bit integer.</source>
        <translation>Tabelle %1, Datensatz %2: Feld %3 enthält %4, mehr als eine 16-Bit-Ganzzahl fasst.</translation>
    </message>
    <message>
        <source>Table %1 is read-only; field %2 cannot be written.</source>
        <translation>Die Tabelle %1 ist schreibgeschützt; das Feld %2 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Saving a record of table %1</source>
        <translation>Das Speichern eines Datensatzes der Tabelle %1</translation>
    </message>
    <message>
        <source>Table %1: record %2 disappeared from the card database.</source>
        <translation>Tabelle %1: Der Datensatz %2 ist aus der Kartendatenbank verschwunden.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>not a rich-text document</source>
        <translation>kein Rich-Text-Dokument</translation>
    </message>
    <message>
        <source>the document ends before all its groups are closed</source>
        <translation>das Dokument endet, bevor alle seine Gruppen geschlossen sind</translation>
    </message>
    <message>
        <source>the document holds no text</source>
        <translation>das Dokument enthält keinen Text</translation>
    </message>
    <message>
        <source>groups are nested more than %1 deep</source>
        <translation>Gruppen sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>the document text is cut off at 8 MB</source>
        <translation>der Text des Dokuments ist bei 8 MB abgeschnitten</translation>
    </message>
    <message>
        <source>the braces of the document do not balance</source>
        <translation>die geschweiften Klammern des Dokuments sind nicht ausgeglichen</translation>
    </message>
    <message>
        <source>the document is cut off at %1 paragraphs</source>
        <translation>das Dokument ist nach %1 Absätzen abgeschnitten</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>The card database has no table %1 (%2).</source>
        <translation>Die Kartendatenbank hat keine Tabelle %1 (%2).</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>Die Tabelle %1 der Kartendatenbank hat kein Feld %2.</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4 where a whole number from -32768 to 32767 belongs.</source>
        <translation>Tabelle %1, Datensatz %2: Feld %3 enthält %4, wo eine ganze Zahl von -32768 bis 32767 stehen muss.</translation>
    </message>
    <message>
        <source>Table AllCards: the card with fldAutoNumber %1 has fldID 0, which marks an empty slot.</source>
        <translation>Tabelle AllCards: Die Karte mit fldAutoNumber %1 hat fldID 0, was einen leeren Platz kennzeichnet.</translation>
    </message>
    <message>
        <source>Table AllCards has no card with fldAutoNumber %1 (it must hold one card for every number from 1 to %2).</source>
        <translation>Die Tabelle AllCards hat keine Karte mit fldAutoNumber %1 (sie muss für jede Zahl von 1 bis %2 eine Karte enthalten).</translation>
    </message>
    <message>
        <source>Table %1: the record of slot %2 is out of order (records must lie in ascending order of fldLocation).</source>
        <translation>Tabelle %1: Der Datensatz von Platz %2 steht an falscher Stelle (die Datensätze müssen aufsteigend nach fldLocation geordnet sein).</translation>
    </message>
    <message>
        <source>The card database cannot be read: %1</source>
        <translation>Die Kartendatenbank kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Table %1 of the card database has a trigger (&quot;%2&quot;); the game&apos;s tables must take its writes as they are.</source>
        <translation>Die Tabelle %1 der Kartendatenbank hat einen Trigger („%2“); die Tabellen des Spiels müssen seine Schreibvorgänge unverändert übernehmen.</translation>
    </message>
    <message>
        <source>%1 (card %2 of AllCards)</source>
        <translation>%1 (Karte %2 von AllCards)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>Das Bild „%1“ fehlt.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2.</source>
        <translation>Das Bild „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>Das Bild „%1“ ist keine gewöhnliche Datei (es ist ein Ordner).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>Das Bild „%1“ ist keine gewöhnliche Datei (es ist eine Pipe).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>Das Bild „%1“ ist keine gewöhnliche Datei (es ist ein Socket).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>Das Bild „%1“ ist keine gewöhnliche Datei (es ist ein Gerät).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>Die Spielregeln „%1“ fehlen.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Spielregeln „%1“ können nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>Die Spielregeln „%1“ sind keine gewöhnliche Datei (sondern ein Ordner).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>Die Spielregeln „%1“ sind keine gewöhnliche Datei (sondern eine Pipe).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>Die Spielregeln „%1“ sind keine gewöhnliche Datei (sondern ein Socket).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>Die Spielregeln „%1“ sind keine gewöhnliche Datei (sondern ein Gerät).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read.</source>
        <translation>Das Bild „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>Das Bild „%1“ ist leer.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture (JPEG or GIF).</source>
        <translation>Die Datei „%1“ ist kein Bild (JPEG oder GIF).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is truncated.</source>
        <translation>Das Bild „%1“ ist abgeschnitten.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read as a picture: %2</source>
        <translation>Das Bild „%1“ kann nicht als Bild gelesen werden: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to load (%2 x %3 pixels).</source>
        <translation>Das Bild „%1“ ist zu groß zum Laden (%2 × %3 Pixel).</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Die Sperrdatei „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is not a regular file; remove it and start again.</source>
        <translation>Die Sperrdatei „%1“ ist keine gewöhnliche Datei; entferne sie und starte erneut.</translation>
    </message>
    <message>
        <source>Quorvel is already running with the card database &quot;%1&quot;; only one game can use it at a time.</source>
        <translation>Quorvel läuft bereits mit der Kartendatenbank „%1“; nur ein Spiel kann sie gleichzeitig benutzen.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>Table %1 has no record for slot %2 (fldLocation = %2).</source>
        <translation>Die Tabelle %1 hat keinen Datensatz für Platz %2 (fldLocation = %2).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A card game for two players who share one screen and one mouse.</source>
        <translation>Ein Kartenspiel für zwei Spieler, die sich einen Bildschirm und eine Maus teilen.</translation>
    </message>
    <message>
        <source>Let the computer play player 2 at &lt;level&gt;: easy, normal or hard.</source>
        <translation>Lässt den Computer Spieler 2 auf Stufe &lt;stufe&gt; spielen: easy (leicht), normal (mittel) oder hard (schwer).</translation>
    </message>
    <message>
        <source>level</source>
        <extracomment>The value of --computer in the help text, as in &quot;--computer &lt;level&gt;&quot;.</extracomment>
        <translation>stufe</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.
</source>
        <translation>Die Optionen zeigt „%1 --help“.
</translation>
    </message>
    <message>
        <source>%1: unexpected argument &quot;%2&quot;; the game takes no file names.
%3</source>
        <translation>%1: unerwartetes Argument „%2“; das Spiel nimmt keine Dateinamen an.
%3</translation>
    </message>
    <message>
        <source>%1: --computer takes easy, normal or hard, not &quot;%2&quot;
%3</source>
        <translation>%1: --computer nimmt easy, normal oder hard an, nicht „%2“
%3</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adresse: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Port: %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>Beitrittscode: %1</translation>
    </message>
    <message>
        <source>Wait for a player on another computer, listening on &lt;port&gt; (47107 if none is given); the addresses, port and join code are also printed here.</source>
        <translation>Auf einen Spieler an einem anderen Computer warten, auf &lt;port&gt; (47107, wenn keiner angegeben ist); Adressen, Port und Beitrittscode werden auch hier ausgegeben.</translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The value of --host in the help text, as in &quot;--host[=&lt;port&gt;]&quot;.</extracomment>
        <translation>port</translation>
    </message>
    <message>
        <source>Join the game of a player on another computer at &lt;address&gt; (with :port if it is not 47107); the join code is asked for.</source>
        <translation>Dem Spiel eines Spielers an einem anderen Computer unter &lt;adresse&gt; beitreten (mit :port, wenn es nicht 47107 ist); der Beitrittscode wird erfragt.</translation>
    </message>
    <message>
        <source>address</source>
        <extracomment>The value of --join in the help text, as in &quot;--join &lt;address&gt;&quot;.</extracomment>
        <translation>adresse</translation>
    </message>
    <message>
        <source>%1: only one of --computer, --host and --join can be given.
%2</source>
        <translation>%1: Nur eine der Optionen --computer, --host und --join ist möglich.
%2</translation>
    </message>
    <message>
        <source>%1: --host takes a port from 1 to 65535, not &quot;%2&quot;
%3</source>
        <translation>%1: --host erwartet einen Port von 1 bis 65535, nicht „%2“
%3</translation>
    </message>
    <message>
        <source>%1: --join takes the host&apos;s address, not &quot;%2&quot;: %3
%4</source>
        <translation>%1: --join erwartet die Adresse des Gastgebers, nicht „%2“: %3
%4</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>Computer (easy)</source>
        <translation>Computer (leicht)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Computer (mittel)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Computer (schwer)</translation>
    </message>
    <message>
        <source>A person</source>
        <translation>Ein Mensch</translation>
    </message>
    <message>
        <source>A person (network)</source>
        <translation>Mensch im Netzwerk</translation>
    </message>
</context>
</TS>
