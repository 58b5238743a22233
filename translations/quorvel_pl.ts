<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>CardEdges</name>
    <message>
        <source>north %1, east %2, south %3, west %4</source>
        <extracomment>A card&apos;s four edge values as a screen reader speaks them.</extracomment>
        <translation>północ %1, wschód %2, południe %3, zachód %4</translation>
    </message>
</context>
<context>
    <name>ComputerChoice</name>
    <message>
        <source>Computer (easy)</source>
        <translation>Komputer (łatwy)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Komputer (średni)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Komputer (trudny)</translation>
    </message>
    <message>
        <source>Host a game on the network…</source>
        <translation>Utwórz grę w sieci…</translation>
    </message>
    <message>
        <source>Join a game on the network…</source>
        <translation>Dołącz do gry w sieci…</translation>
    </message>
</context>
<context>
    <name>Fatal</name>
    <message>
        <source>Quorvel cannot continue.

%1</source>
        <translation>Quorvel nie może kontynuować.

%1</translation>
    </message>
    <message>
        <source>Quorvel: fatal error: %1
</source>
        <translation>Quorvel: błąd krytyczny: %1
</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Window %1 is already shown modally.</source>
        <translation>Okno %1 jest już wyświetlone jako modalne.</translation>
    </message>
</context>
<context>
    <name>FrmHelp</name>
    <message>
        <source>Quorvel  -  Help</source>
        <translation>Quorvel  -  Pomoc</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Zasady gry</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>Brak zasad gry „%1”.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2</source>
        <translation>Nie można odczytać zasad gry „%1”: %2</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be shown: %2</source>
        <translation>Nie można wyświetlić zasad gry „%1”: %2</translation>
    </message>
    <message>
        <source>Quorvel help</source>
        <translation>Pomoc Quorvel</translation>
    </message>
</context>
<context>
    <name>FrmHostGame</name>
    <message>
        <source>Quorvel  -  Host a game</source>
        <translation>Quorvel  -  Utwórz grę</translation>
    </message>
    <message>
        <source>Waiting for a player</source>
        <translation>Czekanie na gracza</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Kod dołączenia</translation>
    </message>
    <message>
        <source>Players on this network see the game as &quot;%1&quot;.</source>
        <translation>Gracze w tej sieci widzą grę jako „%1”.</translation>
    </message>
    <message>
        <source>Tell the other player one of these addresses and the join code.</source>
        <translation>Podaj drugiemu graczowi jeden z tych adresów i kod dołączenia.</translation>
    </message>
    <message>
        <source>Host a game on the network</source>
        <translation>Utwórz grę w sieci</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adres: %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>Kod dołączenia: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>FrmJoinGame</name>
    <message>
        <source>Quorvel  -  Join a game</source>
        <translation>Quorvel  -  Dołącz do gry</translation>
    </message>
    <message>
        <source>Join a game on the network</source>
        <translation>Dołącz do gry w sieci</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Kod dołączenia</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>Games on the local network</source>
        <translation>Gry w sieci lokalnej</translation>
    </message>
    <message>
        <source>Type the host&apos;s address and the join code it shows, or choose a game above.</source>
        <translation>Wpisz adres gospodarza i pokazany przez niego kod dołączenia albo wybierz grę powyżej.</translation>
    </message>
    <message>
        <source>No game found yet.</source>
        <translation>Nie znaleziono jeszcze żadnej gry.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 pod %2</translation>
    </message>
    <message>
        <source>Type your name as the host will see it.</source>
        <translation>Wpisz swoje imię, tak jak zobaczy je gospodarz.</translation>
    </message>
    <message>
        <source>Joining the game at %1…</source>
        <translation>Dołączanie do gry pod %1…</translation>
    </message>
    <message>
        <source>The host&apos;s address, with a colon and the port if it is not the usual one.</source>
        <translation>Adres gospodarza, z dwukropkiem i portem, jeśli nie jest to zwykły port.</translation>
    </message>
    <message>
        <source>The ten letters and digits the host shows.</source>
        <translation>Dziesięć liter i cyfr pokazanych przez gospodarza.</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Dołącz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Karty rozdane. Zaczyna: %1.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a placement (a capture, whose turn it is).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Get ready for the next hand</source>
        <translation>Przygotujcie się do następnego rozdania</translation>
    </message>
    <message>
        <source>Round %1 cannot be recorded: a match has rounds 1 to 5.</source>
        <translation>Nie można zapisać rundy %1: partia ma rundy od 1 do 5.</translation>
    </message>
    <message>
        <source>%1 won this round.  Ready for next round</source>
        <translation>%1 wygrywa tę rundę.  Gotowi na następną</translation>
    </message>
    <message>
        <source>A match total overflows a 16-bit integer.</source>
        <translation>Suma partii przekracza 16-bitową liczbę całkowitą.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
 wins with %2</source>
        <extracomment>The message ending a match: the winner&apos;s name, a line break, the winner&apos;s total.</extracomment>
        <translation>%1<byte value="xd"/>
 wygrywa z wynikiem %2</translation>
    </message>
    <message>
        <source>Square %1, empty</source>
        <translation>Pole %1, puste</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Gracz 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Gracz 2</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>Zaczyna: %1</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Show statistics</source>
        <translation>Pokaż statystyki</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Not your turn.</source>
        <translation>To nie twoja kolej.</translation>
    </message>
    <message>
        <source>Not your card.</source>
        <translation>To nie twoja karta.</translation>
    </message>
    <message>
        <source>Card %1 is played.</source>
        <translation>Karta %1 jest zagrana.</translation>
    </message>
    <message>
        <source>Square %1 is taken.</source>
        <translation>Pole %1 jest zajęte.</translation>
    </message>
    <message>
        <source>%1 to play.</source>
        <translation>Ruch: %1.</translation>
    </message>
    <message>
        <source>Score %1 to %2.</source>
        <translation>Punkty %1 do %2.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Square %1, red card, %2</source>
        <translation>Pole %1, czerwona karta, %2</translation>
    </message>
    <message>
        <source>Square %1, blue card, %2</source>
        <translation>Pole %1, niebieska karta, %2</translation>
    </message>
    <message>
        <source>%1, card %2, face down</source>
        <translation>%1, karta %2, zakryta</translation>
    </message>
    <message>
        <source>%1, card %2, played</source>
        <translation>%1, karta %2, zagrana</translation>
    </message>
    <message>
        <source>%1, card %2, %3</source>
        <translation>%1, karta %2, %3</translation>
    </message>
    <message>
        <source>Card %1, face down.</source>
        <translation>Karta %1, zakryta.</translation>
    </message>
    <message>
        <source>Card %1, %2.</source>
        <translation>Karta %1, %2.</translation>
    </message>
    <message>
        <source>%1 placed on square %2.</source>
        <translation>%1 kładzie na polu %2.</translation>
    </message>
    <message>
        <source>Placed on square %1.</source>
        <translation>Położona na polu %1.</translation>
    </message>
    <message>
        <source>Took square %1.</source>
        <translation>Przejęto pole %1.</translation>
    </message>
    <message>
        <source>Took squares %1.</source>
        <translation>Przejęto pola %1.</translation>
    </message>
    <message>
        <source>No card to place.</source>
        <translation>Brak karty do położenia.</translation>
    </message>
    <message>
        <source>Pick a card first.</source>
        <translation>Najpierw wybierz kartę.</translation>
    </message>
    <message>
        <source>Your cards are still face down.</source>
        <translation>Twoje karty są jeszcze zakryte.</translation>
    </message>
    <message>
        <source>%1, frame of card %2</source>
        <translation>%1, ramka karty %2</translation>
    </message>
    <message>
        <source>Player 1, red, %1</source>
        <translation>Gracz 1, czerwony, %1</translation>
    </message>
    <message>
        <source>Player 2, blue, %1</source>
        <translation>Gracz 2, niebieski, %1</translation>
    </message>
    <message>
        <source>Score of %1, %2</source>
        <translation>Punkty gracza %1, %2</translation>
    </message>
    <message>
        <source>%1, round light %2, lit</source>
        <translation>%1, światło rundy %2, zapalone</translation>
    </message>
    <message>
        <source>%1, round light %2, not lit</source>
        <translation>%1, światło rundy %2, zgaszone</translation>
    </message>
    <message>
        <source>Hints are given only against the computer.</source>
        <translation>Podpowiedzi są tylko w grze z komputerem.</translation>
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
        <translation>Gotowi na następną rundę</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Close this message first.</source>
        <translation>Najpierw zamknij ten komunikat.</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <translation>Ręka odkryta</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <translation>Ręka zakryta</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <translation>Zasady podstawowe</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <translation>Zasady podstawowe z kombo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Imię gracza 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Imię gracza 2</translation>
    </message>
    <message>
        <source>Has a list of the computer&apos;s levels and of network games, opened with Alt+Down.</source>
        <translation>Ma listę poziomów komputera i gier w sieci, otwieraną klawiszami Alt+Strzałka w dół.</translation>
    </message>
</context>
<context>
    <name>FrmPlayer</name>
    <message>
        <source>Quorvel  -  Player 1</source>
        <translation>Quorvel  -  Gracz 1</translation>
    </message>
    <message>
        <source>Quorvel  -  Player 2</source>
        <translation>Quorvel  -  Gracz 2</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Gracz 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Gracz 2</translation>
    </message>
    <message>
        <source>You must select 5 cards to play</source>
        <translation>Musisz wybrać 5 kart do gry</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done</source>
        <translation>Wybierz 5 kart i naciśnij Gotowe</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done.</source>
        <translation>Wybierz 5 kart, potem naciśnij Gotowe.</translation>
    </message>
    <message>
        <source>The cards are still face down.</source>
        <translation>Karty są jeszcze zakryte.</translation>
    </message>
    <message>
        <source>5 cards are marked. Unmark one first.</source>
        <translation>Zaznaczono 5 kart. Najpierw odznacz jedną.</translation>
    </message>
    <message>
        <source>5 cards marked, press Done.</source>
        <translation>Zaznaczono 5 kart, naciśnij Gotowe.</translation>
    </message>
    <message>
        <source>1 card marked, 4 to go.</source>
        <translation>Zaznaczono 1 kartę, zostały 4.</translation>
    </message>
    <message>
        <source>No card marked.</source>
        <translation>Nie zaznaczono żadnej karty.</translation>
    </message>
    <message>
        <source>%1 cards marked, %2 to go.</source>
        <translation>Zaznaczone karty: %1, zostało: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a mark: which card, then how many are marked.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Card %1 marked.</source>
        <translation>Karta %1 zaznaczona.</translation>
    </message>
    <message>
        <source>Card %1 unmarked.</source>
        <translation>Karta %1 odznaczona.</translation>
    </message>
    <message>
        <source>Card %1, face down</source>
        <translation>Karta %1, zakryta</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Karta %1, %2</translation>
    </message>
    <message>
        <source>The computer is choosing its cards.</source>
        <translation>Komputer wybiera swoje karty.</translation>
    </message>
    <message>
        <source>Player 1, %1</source>
        <translation>Gracz 1, %1</translation>
    </message>
    <message>
        <source>Player 2, %1</source>
        <translation>Gracz 2, %1</translation>
    </message>
    <message>
        <source>Frame of card %1</source>
        <translation>Ramka karty %1</translation>
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
        <translation>Quorvel  -  Statystyki</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Przeciwnik</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Wygr.</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Przegr.</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rundy</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Rozdania</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Seria</translation>
    </message>
    <message>
        <source>Clear the record</source>
        <translation>Wyczyść zapis</translation>
    </message>
    <message>
        <source>Reset the record</source>
        <translation>Zresetuj zapis</translation>
    </message>
    <message>
        <source>Keep the record</source>
        <translation>Zachowaj zapis</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>%1: nothing played yet.</source>
        <translation>%1: jeszcze nic nie rozegrano.</translation>
    </message>
    <message>
        <source>%1: %2 matches won, %3 lost; rounds %4 won, %5 lost; hands %6 won, %7 lost, %8 drawn; points %9 for, %10 against; longest winning streak %11.</source>
        <translation>%1: wygrane partie %2, przegrane %3; rundy wygrane %4, przegrane %5; rozdania wygrane %6, przegrane %7, remisy %8; punkty zdobyte %9, stracone %10; najdłuższa seria zwycięstw %11.</translation>
    </message>
    <message>
        <source>Statistics.</source>
        <translation>Statystyki.</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <comment>yours and the opponent&apos;s</comment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Clear the whole record of matches? This cannot be undone.</source>
        <translation>Wyczyścić cały zapis partii? Tego nie można cofnąć.</translation>
    </message>
    <message>
        <source>The record cannot be kept: %1</source>
        <translation>Nie można prowadzić zapisu: %1</translation>
    </message>
    <message>
        <source>Rounds, hands and points: yours, then your opponent&apos;s. Streak: the most matches won in a row.</source>
        <translation>Rundy, rozdania i punkty: twoje, potem przeciwnika. Seria: najwięcej partii wygranych z rzędu.</translation>
    </message>
    <message>
        <source>The record has been cleared.</source>
        <translation>Zapis został wyczyszczony.</translation>
    </message>
    <message>
        <source>The record has been kept.</source>
        <translation>Zapis został zachowany.</translation>
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
        <translation>Runda %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Razem</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Against %1: %2 won, %3 lost</source>
        <translation>%1: wygrane %2, przegrane %3</translation>
    </message>
    <message>
        <source>%1. Shows the statistics.</source>
        <translation>%1. Pokazuje statystyki.</translation>
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
        <translation>Runda %1, %2.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Razem %1.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>The installed card database &quot;%1&quot; cannot be read: %2</source>
        <translation>Nie można odczytać zainstalowanej bazy kart „%1”: %2</translation>
    </message>
    <message>
        <source>The installed card database &quot;%1&quot; is damaged: %2</source>
        <translation>Zainstalowana baza kart „%1” jest uszkodzona: %2</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is damaged: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel: twoja baza kart „%1” jest uszkodzona: %2 Odłożono ją jako „%3” i utworzono nową kopię z „%4”.
</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is unreadable: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel: twojej bazy kart „%1” nie można odczytać: %2 Odłożono ją jako „%3” i utworzono nową kopię z „%4”.
</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: no space left on the disk that holds &quot;%2&quot; (%3 kB free, %4 kB needed). Make room there and start the game again.</source>
        <translation>Nie można utworzyć twojej bazy kart „%1”: brak miejsca na dysku z „%2” (wolne %3 kB, potrzeba %4 kB). Zwolnij tam miejsce i uruchom grę ponownie.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made from &quot;%2&quot;: %3.</source>
        <translation>Nie można utworzyć twojej bazy kart „%1” z „%2”: %3.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: &quot;%2&quot; is a file, not a folder.</source>
        <translation>Nie można utworzyć folderu „%1” na twoją bazę kart: „%2” to plik, a nie folder.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: %2.</source>
        <translation>Nie można utworzyć folderu „%1” na twoją bazę kart: %2.</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>brak miejsca na dysku</translation>
    </message>
    <message>
        <source>Your card database has no folder: neither XDG_DATA_HOME nor HOME names one, and your account has no home folder.</source>
        <translation>Twoja baza kart nie ma folderu: ani XDG_DATA_HOME, ani HOME go nie wskazuje, a twoje konto nie ma folderu domowego.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be opened: no space left on the disk that holds &quot;%2&quot; (%3 kB free). Make room there and start the game again.</source>
        <translation>Nie można otworzyć twojej bazy kart „%1”: brak miejsca na dysku z „%2” (wolne %3 kB). Zwolnij tam miejsce i uruchom grę ponownie.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be read: %2</source>
        <translation>Nie można odczytać twojej bazy kart „%1”: %2</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; is damaged (%2) and cannot be set aside as &quot;%3&quot;: %4.</source>
        <translation>Twoja baza kart „%1” jest uszkodzona (%2) i nie można jej odłożyć jako „%3”: %4.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: %2.</source>
        <translation>Nie można utworzyć twojej bazy kart „%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Hint frame</source>
        <translation>Ramka podpowiedzi</translation>
    </message>
    <message>
        <source>Hint: card %1 on square %2</source>
        <translation>Podpowiedź: karta %1 na pole %2</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Games on the local network cannot be listed, because no Avahi daemon is running on this computer. Type the host&apos;s address instead.</source>
        <translation>Nie można wyświetlić gier w sieci lokalnej, ponieważ na tym komputerze nie działa usługa Avahi. Wpisz adres gospodarza.</translation>
    </message>
    <message>
        <source>Type the host&apos;s address, such as 192.168.1.20 or mirela-pc.local.</source>
        <translation>Wpisz adres gospodarza, na przykład 192.168.1.20 lub mirela-pc.local.</translation>
    </message>
    <message>
        <source>An address in brackets needs its closing bracket.</source>
        <translation>Adresowi w nawiasach kwadratowych brakuje nawiasu zamykającego.</translation>
    </message>
    <message>
        <source>After the bracketed address only a colon and a port may follow.</source>
        <translation>Po adresie w nawiasach może wystąpić tylko dwukropek i port.</translation>
    </message>
    <message>
        <source>Brackets hold an IPv6 address.</source>
        <translation>W nawiasach kwadratowych podaje się adres IPv6.</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535.</source>
        <translation>Port to liczba od 1 do 65535.</translation>
    </message>
    <message>
        <source>“%1” is neither an address nor a computer&apos;s name.</source>
        <translation>„%1” nie jest ani adresem, ani nazwą komputera.</translation>
    </message>
    <message>
        <source>The other game sent a message that cannot be read. The network match is over.</source>
        <translation>Druga gra wysłała wiadomość, której nie można odczytać. Partia sieciowa została zakończona.</translation>
    </message>
    <message>
        <source>The other game sent a message that is too large. The network match is over.</source>
        <translation>Druga gra wysłała zbyt dużą wiadomość. Partia sieciowa została zakończona.</translation>
    </message>
    <message>
        <source>The other game is another version of Quorvel. Both players need the same version to play together.</source>
        <translation>Druga gra to inna wersja Quorvel. Aby grać razem, obaj gracze potrzebują tej samej wersji.</translation>
    </message>
    <message>
        <source>The other game sent a message out of turn. The network match is over.</source>
        <translation>Druga gra wysłała wiadomość poza swoją kolejką. Partia sieciowa została zakończona.</translation>
    </message>
    <message>
        <source>The other game sent a move that the rules do not allow. The network match is over.</source>
        <translation>Druga gra wysłała ruch niedozwolony przez zasady. Partia sieciowa została zakończona.</translation>
    </message>
    <message>
        <source>The two games have different card lists. Both players need the same version of Quorvel to play together.</source>
        <translation>Obie gry mają różne listy kart. Aby grać razem, obaj gracze potrzebują tej samej wersji Quorvel.</translation>
    </message>
    <message>
        <source>The host is already playing with someone else.</source>
        <translation>Gospodarz gra już z kimś innym.</translation>
    </message>
    <message>
        <source>%1 has not answered for too long. The network match is over.</source>
        <translation>%1 zbyt długo nie odpowiada. Partia sieciowa została zakończona.</translation>
    </message>
    <message>
        <source>The other game has not answered for too long. The network match is over.</source>
        <translation>Druga gra zbyt długo nie odpowiada. Partia sieciowa została zakończona.</translation>
    </message>
    <message>
        <source>The other game sent far too many messages. The network match is over.</source>
        <translation>Druga gra wysłała o wiele za dużo wiadomości. Partia sieciowa została zakończona.</translation>
    </message>
    <message>
        <source>The join code is wrong. Check it with the host and try again.</source>
        <translation>Kod dołączenia jest błędny. Sprawdź go z gospodarzem i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The program at this address is not a Quorvel game that can be joined.</source>
        <translation>Program pod tym adresem nie jest grą Quorvel, do której można dołączyć.</translation>
    </message>
    <message>
        <source>No game answers at this address. Check the address and that the host is waiting for a player.</source>
        <translation>Pod tym adresem nie odpowiada żadna gra. Sprawdź adres i czy gospodarz czeka na gracza.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost. The network match is over.</source>
        <translation>Utracono połączenie z %1. Partia sieciowa została zakończona.</translation>
    </message>
    <message>
        <source>The connection to the other game was lost. The network match is over.</source>
        <translation>Utracono połączenie z drugą grą. Partia sieciowa została zakończona.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 opuścił grę.</translation>
    </message>
    <message>
        <source>The other player has left the game.</source>
        <translation>Drugi gracz opuścił grę.</translation>
    </message>
    <message>
        <source>The other game heard nothing from this game for too long. The network match is over.</source>
        <translation>Druga gra zbyt długo nie otrzymała niczego od tej gry. Partia sieciowa została zakończona.</translation>
    </message>
    <message>
        <source>The other game could not accept a message from this game. The network match is over.</source>
        <translation>Druga gra nie mogła przyjąć wiadomości od tej gry. Partia sieciowa została zakończona.</translation>
    </message>
    <message>
        <source>Someone tried to join with a wrong code and was turned away.</source>
        <translation>Ktoś próbował dołączyć z błędnym kodem i został odrzucony.</translation>
    </message>
    <message>
        <source>A second player tried to join and was turned away.</source>
        <translation>Drugi gracz próbował dołączyć i został odrzucony.</translation>
    </message>
    <message>
        <source>A program that is not a Quorvel game tried to connect and was turned away.</source>
        <translation>Program, który nie jest grą Quorvel, próbował się połączyć i został odrzucony.</translation>
    </message>
    <message>
        <source>A player with another version of Quorvel tried to join and was turned away.</source>
        <translation>Gracz z inną wersją Quorvel próbował dołączyć i został odrzucony.</translation>
    </message>
    <message>
        <source>A player with a different card list tried to join and was turned away.</source>
        <translation>Gracz z inną listą kart próbował dołączyć i został odrzucony.</translation>
    </message>
    <message>
        <source>A connection that did not introduce itself in time was closed.</source>
        <translation>Zamknięto połączenie, które nie przedstawiło się na czas.</translation>
    </message>
    <message>
        <source>A connection that broke the rules of the conversation was closed.</source>
        <translation>Zamknięto połączenie, które złamało zasady komunikacji.</translation>
    </message>
    <message>
        <source>The network match needs OpenSSL, which could not be loaded.</source>
        <translation>Partia sieciowa wymaga biblioteki OpenSSL, której nie udało się wczytać.</translation>
    </message>
    <message>
        <source>The game cannot wait for a player on port %1: %2</source>
        <translation>Gra nie może czekać na gracza na porcie %1: %2</translation>
    </message>
    <message>
        <source>A join code has no “%1”: it uses the digits 2 to 9 and the letters other than I and O.</source>
        <translation>Kod dołączenia nie zawiera „%1”: składa się z cyfr od 2 do 9 i liter oprócz I i O.</translation>
    </message>
    <message>
        <source>A join code has ten letters and digits, such as K7QF-9M2T-XW.</source>
        <translation>Kod dołączenia ma dziesięć liter i cyfr, na przykład K7QF-9M2T-XW.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>Brak obrazu „%1”.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>Obraz „%1” jest pusty.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be loaded: %2</source>
        <translation>Nie można wczytać obrazu „%1”: %2</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Choose 5 cards
then press Done</source>
        <extracomment>Painted on the selection window&apos;s prompt in two lines: the first large (room for about 180 x 36 pixels), the second small (180 x 19). Keep the line break.</extracomment>
        <translation>Wybierz 5 kart
i naciśnij Gotowe</translation>
    </message>
    <message>
        <source>Player %1 begins</source>
        <extracomment>Painted on the plaque that shows who places the first card, 190 x 55 pixels of room; %1 is the player&apos;s number, 1 or 2.</extracomment>
        <translation>Zaczyna gracz %1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>The headings above the options window&apos;s name boxes (room for 288 x 32 pixels), and the plates of the main and selection windows that name each player&apos;s colour (121 x 29 pixels); %1 is 1 or 2.</extracomment>
        <translation>Gracz %1</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>The heading of the options window&apos;s choice of rules, painted between two gold lines (room for 288 x 29 pixels).</extracomment>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <extracomment>An option of the options window, right of its mark (room for 214 x 27 pixels).</extracomment>
        <translation>Ręka odkryta</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Ręka zakryta</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Zasady podstawowe</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Zasady podstawowe z kombo</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <extracomment>The heading of the results window, painted above a gold line (room for 431 x 38 pixels).</extracomment>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>a duel of cards for two</source>
        <extracomment>The splash window&apos;s line under the game&apos;s name (room for 430 x 30 pixels).</extracomment>
        <translation>karciany pojedynek dla dwojga</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>A button of the options, message, results, statistics and help windows, and of the selection windows; painted on a face of 87 x 19 pixels.</extracomment>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of the main and options windows (87 x 19 pixels).</extracomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>The heading of the statistics window, painted above a short gold line (room for 520 x 40 pixels).</extracomment>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The statistics window&apos;s button that asks to empty the record of matches (87 x 19 pixels).</extracomment>
        <translation>Zresetuj</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The statistics window&apos;s button that confirms emptying the record of matches (87 x 19 pixels).</extracomment>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The statistics window&apos;s button that keeps the record of matches after all (87 x 19 pixels).</extracomment>
        <translation>Zachowaj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The button of the network windows that gives up waiting for or joining a game (87 x 19 pixels).</extracomment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join window&apos;s button that connects to the host (87 x 19 pixels).</extracomment>
        <translation>Dołącz</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Options of the window system (Qt):</source>
        <translation>Opcje systemu okien (Qt):</translation>
    </message>
    <message>
        <source>cannot show its windows: no display is set (the DISPLAY environment variable is empty).</source>
        <translation>nie może pokazać swoich okien: nie ustawiono ekranu (zmienna środowiskowa DISPLAY jest pusta).</translation>
    </message>
    <message>
        <source>cannot show its windows: the display &quot;%1&quot; cannot be reached.</source>
        <translation>nie może pokazać swoich okien: ekran „%1” jest nieosiągalny.</translation>
    </message>
    <message>
        <source>cannot show its windows: there is no window system &quot;%1&quot; (there are: %2).</source>
        <translation>nie może pokazać swoich okien: nie ma systemu okien „%1” (dostępne: %2).</translation>
    </message>
    <message>
        <source>cannot show its windows through &quot;%1&quot;: %2</source>
        <translation>nie może pokazać swoich okien przez „%1”: %2</translation>
    </message>
</context>
<context>
    <name>PlayRules</name>
    <message>
        <source>Player %1&apos;s score overflows a 16-bit integer (%2 + %3).</source>
        <translation>Wynik gracza %1 przekracza 16-bitową liczbę całkowitą (%2 + %3).</translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>%1 failed in the card database &quot;%2&quot;: %3</source>
        <translation>Operacja w bazie kart „%2” nie powiodła się (%1): %3</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; does not exist.</source>
        <translation>Baza kart „%1” nie istnieje.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be read.</source>
        <translation>Nie można odczytać bazy kart „%1”.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is read-only; the game keeps its cards in it and must be able to write it.</source>
        <translation>Baza kart „%1” jest tylko do odczytu; gra przechowuje w niej swoje karty i musi móc do niej zapisywać.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is empty.</source>
        <translation>Baza kart „%1” jest pusta.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; of the card database is read-only; the game keeps its log of changes beside the database and must be able to write there.</source>
        <translation>Folder „%1” bazy kart jest tylko do odczytu; gra trzyma dziennik zmian obok bazy i musi móc tam zapisywać.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be opened: %2</source>
        <translation>Nie można otworzyć bazy kart „%1”: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card database: %2</source>
        <translation>„%1” nie jest bazą kart: %2</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be written (is its folder read-only?): %2</source>
        <translation>Nie można zapisać bazy kart „%1” (czy jej folder jest tylko do odczytu?): %2</translation>
    </message>
    <message>
        <source>Setting up</source>
        <translation>przygotowanie</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>zapis</translation>
    </message>
    <message>
        <source>Starting a save</source>
        <translation>rozpoczęcie zapisu</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened: the card database is not open.</source>
        <translation>Nie można otworzyć tabeli %1: baza kart nie jest otwarta.</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened in the card database &quot;%2&quot;: %3</source>
        <translation>Nie można otworzyć tabeli %1 w bazie kart „%2”: %3</translation>
    </message>
    <message>
        <source>Table %1 is not open.</source>
        <translation>Tabela %1 nie jest otwarta.</translation>
    </message>
    <message>
        <source>Table %1: the search &quot;%2&quot; cannot be understood.</source>
        <translation>Tabela %1: nie można zrozumieć wyszukiwania „%2”.</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>Tabela %1 bazy kart nie ma pola %2.</translation>
    </message>
    <message>
        <source>Table %1: no current record for field %2 (the record searched for was not found).</source>
        <translation>Tabela %1: brak bieżącego rekordu dla pola %2 (nie znaleziono szukanego rekordu).</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds &quot;%4&quot; where a number belongs.</source>
        <translation>Tabela %1, rekord %2: pole %3 zawiera „%4” zamiast liczby.</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4, beyond a 16-bit integer.</source>
        <translation>Tabela %1, rekord %2: pole %3 zawiera %4, poza zakresem 16-bitowej liczby całkowitej.</translation>
    </message>
    <message>
        <source>Table %1 is read-only; field %2 cannot be written.</source>
        <translation>Tabela %1 jest tylko do odczytu; nie można zapisać pola %2.</translation>
    </message>
    <message>
        <source>Saving a record of table %1</source>
        <translation>zapis rekordu tabeli %1</translation>
    </message>
    <message>
        <source>Table %1: record %2 disappeared from the card database.</source>
        <translation>Tabela %1: rekord %2 zniknął z bazy kart.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>not a rich-text document</source>
        <translation>to nie jest dokument w formacie RTF</translation>
    </message>
    <message>
        <source>the document ends before all its groups are closed</source>
        <translation>dokument kończy się przed zamknięciem wszystkich grup</translation>
    </message>
    <message>
        <source>the document holds no text</source>
        <translation>dokument nie zawiera tekstu</translation>
    </message>
    <message>
        <source>groups are nested more than %1 deep</source>
        <translation>grupy są zagnieżdżone głębiej niż na %1 poziomach</translation>
    </message>
    <message>
        <source>the document text is cut off at 8 MB</source>
        <translation>tekst dokumentu jest ucięty na 8 MB</translation>
    </message>
    <message>
        <source>the braces of the document do not balance</source>
        <translation>nawiasy klamrowe dokumentu się nie równoważą</translation>
    </message>
    <message>
        <source>the document is cut off at %1 paragraphs</source>
        <translation>dokument jest ucięty po %1 akapitach</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>The card database has no table %1 (%2).</source>
        <translation>Baza kart nie ma tabeli %1 (%2).</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>Tabela %1 bazy kart nie ma pola %2.</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4 where a whole number from -32768 to 32767 belongs.</source>
        <translation>Tabela %1, rekord %2: pole %3 zawiera %4 zamiast liczby całkowitej od -32768 do 32767.</translation>
    </message>
    <message>
        <source>Table AllCards: the card with fldAutoNumber %1 has fldID 0, which marks an empty slot.</source>
        <translation>Tabela AllCards: karta z fldAutoNumber %1 ma fldID 0, co oznacza puste miejsce.</translation>
    </message>
    <message>
        <source>Table AllCards has no card with fldAutoNumber %1 (it must hold one card for every number from 1 to %2).</source>
        <translation>Tabela AllCards nie ma karty z fldAutoNumber %1 (musi mieć jedną kartę dla każdej liczby od 1 do %2).</translation>
    </message>
    <message>
        <source>Table %1: the record of slot %2 is out of order (records must lie in ascending order of fldLocation).</source>
        <translation>Tabela %1: rekord miejsca %2 jest nie na swoim miejscu (rekordy muszą być w rosnącej kolejności fldLocation).</translation>
    </message>
    <message>
        <source>The card database cannot be read: %1</source>
        <translation>Nie można odczytać bazy kart: %1</translation>
    </message>
    <message>
        <source>Table %1 of the card database has a trigger (&quot;%2&quot;); the game&apos;s tables must take its writes as they are.</source>
        <translation>Tabela %1 bazy kart ma wyzwalacz („%2”); tabele gry muszą przyjmować zapisy gry bez zmian.</translation>
    </message>
    <message>
        <source>%1 (card %2 of AllCards)</source>
        <translation>%1 (karta %2 z AllCards)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>Brak obrazu „%1”.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2.</source>
        <translation>Nie można odczytać obrazu „%1”: %2.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>Obraz „%1” nie jest zwykłym plikiem (to folder).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>Obraz „%1” nie jest zwykłym plikiem (to potok).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>Obraz „%1” nie jest zwykłym plikiem (to gniazdo).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>Obraz „%1” nie jest zwykłym plikiem (to urządzenie).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>Brak zasad gry „%1”.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2.</source>
        <translation>Nie można odczytać zasad gry „%1”: %2.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>Zasady gry „%1” nie są zwykłym plikiem (to folder).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>Zasady gry „%1” nie są zwykłym plikiem (to potok).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>Zasady gry „%1” nie są zwykłym plikiem (to gniazdo).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>Zasady gry „%1” nie są zwykłym plikiem (to urządzenie).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read.</source>
        <translation>Nie można odczytać obrazu „%1”.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>Obraz „%1” jest pusty.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture (JPEG or GIF).</source>
        <translation>Plik „%1” nie jest obrazem (JPEG ani GIF).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is truncated.</source>
        <translation>Obraz „%1” jest ucięty.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read as a picture: %2</source>
        <translation>Nie można odczytać „%1” jako obrazu: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to load (%2 x %3 pixels).</source>
        <translation>Obraz „%1” jest za duży, by go wczytać (%2 × %3 pikseli).</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Nie można otworzyć pliku blokady „%1”: %2.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is not a regular file; remove it and start again.</source>
        <translation>Plik blokady „%1” nie jest zwykłym plikiem; usuń go i uruchom grę ponownie.</translation>
    </message>
    <message>
        <source>Quorvel is already running with the card database &quot;%1&quot;; only one game can use it at a time.</source>
        <translation>Quorvel już działa z bazą kart „%1”; naraz może jej używać tylko jedna gra.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Nie można odczytać pliku.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Plik jest pusty.</translation>
    </message>
    <message>
        <source>Table %1 has no record for slot %2 (fldLocation = %2).</source>
        <translation>Tabela %1 nie ma rekordu dla miejsca %2 (fldLocation = %2).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A card game for two players who share one screen and one mouse.</source>
        <translation>Gra karciana dla dwóch graczy przy jednym ekranie i jednej myszy.</translation>
    </message>
    <message>
        <source>Let the computer play player 2 at &lt;level&gt;: easy, normal or hard.</source>
        <translation>Komputer gra jako gracz 2 na &lt;poziom&gt;: easy (łatwy), normal (średni) lub hard (trudny).</translation>
    </message>
    <message>
        <source>level</source>
        <extracomment>The value of --computer in the help text, as in &quot;--computer &lt;level&gt;&quot;.</extracomment>
        <translation>poziom</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.
</source>
        <translation>Opcje pokazuje „%1 --help”.
</translation>
    </message>
    <message>
        <source>%1: unexpected argument &quot;%2&quot;; the game takes no file names.
%3</source>
        <translation>%1: nieoczekiwany argument „%2”; gra nie przyjmuje nazw plików.
%3</translation>
    </message>
    <message>
        <source>%1: --computer takes easy, normal or hard, not &quot;%2&quot;
%3</source>
        <translation>%1: --computer przyjmuje easy, normal lub hard, a nie „%2”
%3</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adres: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Port: %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>Kod dołączenia: %1</translation>
    </message>
    <message>
        <source>Wait for a player on another computer, listening on &lt;port&gt; (47107 if none is given); the addresses, port and join code are also printed here.</source>
        <translation>Czeka na gracza na innym komputerze, nasłuchując na &lt;port&gt; (47107, jeśli nie podano); adresy, port i kod dołączenia są też wypisywane tutaj.</translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The value of --host in the help text, as in &quot;--host[=&lt;port&gt;]&quot;.</extracomment>
        <translation>port</translation>
    </message>
    <message>
        <source>Join the game of a player on another computer at &lt;address&gt; (with :port if it is not 47107); the join code is asked for.</source>
        <translation>Dołącza do gry gracza na innym komputerze pod &lt;adres&gt; (z :port, jeśli to nie 47107); kod dołączenia jest pytany.</translation>
    </message>
    <message>
        <source>address</source>
        <extracomment>The value of --join in the help text, as in &quot;--join &lt;address&gt;&quot;.</extracomment>
        <translation>adres</translation>
    </message>
    <message>
        <source>%1: only one of --computer, --host and --join can be given.
%2</source>
        <translation>%1: można podać tylko jedną z opcji --computer, --host i --join.
%2</translation>
    </message>
    <message>
        <source>%1: --host takes a port from 1 to 65535, not &quot;%2&quot;
%3</source>
        <translation>%1: --host przyjmuje port od 1 do 65535, a nie „%2”
%3</translation>
    </message>
    <message>
        <source>%1: --join takes the host&apos;s address, not &quot;%2&quot;: %3
%4</source>
        <translation>%1: --join przyjmuje adres gospodarza, a nie „%2”: %3
%4</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>Computer (easy)</source>
        <translation>Komputer (łatwy)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Komputer (średni)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Komputer (trudny)</translation>
    </message>
    <message>
        <source>A person</source>
        <translation>Człowiek</translation>
    </message>
    <message>
        <source>A person (network)</source>
        <translation>Człowiek (sieć)</translation>
    </message>
</context>
</TS>
