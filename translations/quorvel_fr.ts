<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CardEdges</name>
    <message>
        <source>north %1, east %2, south %3, west %4</source>
        <extracomment>A card&apos;s four edge values as a screen reader speaks them.</extracomment>
        <translation>nord %1, est %2, sud %3, ouest %4</translation>
    </message>
</context>
<context>
    <name>ComputerChoice</name>
    <message>
        <source>Computer (easy)</source>
        <translation>Ordinateur (facile)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Ordinateur (normal)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Ordinateur (difficile)</translation>
    </message>
    <message>
        <source>Host a game on the network…</source>
        <translation>Héberger une partie en réseau…</translation>
    </message>
    <message>
        <source>Join a game on the network…</source>
        <translation>Rejoindre une partie en réseau…</translation>
    </message>
</context>
<context>
    <name>Fatal</name>
    <message>
        <source>Quorvel cannot continue.

%1</source>
        <translation>Quorvel ne peut pas continuer.

%1</translation>
    </message>
    <message>
        <source>Quorvel: fatal error: %1
</source>
        <translation>Quorvel : erreur fatale : %1
</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Window %1 is already shown modally.</source>
        <translation>La fenêtre %1 est déjà affichée en mode modal.</translation>
    </message>
</context>
<context>
    <name>FrmHelp</name>
    <message>
        <source>Quorvel  -  Help</source>
        <translation>Quorvel  -  Aide</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>Les règles du jeu « %1 » sont introuvables.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossible de lire les règles du jeu « %1 » : %2</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be shown: %2</source>
        <translation>Impossible d’afficher les règles du jeu « %1 » : %2</translation>
    </message>
    <message>
        <source>Quorvel help</source>
        <translation>Aide de Quorvel</translation>
    </message>
</context>
<context>
    <name>FrmHostGame</name>
    <message>
        <source>Quorvel  -  Host a game</source>
        <translation>Quorvel  -  Héberger une partie</translation>
    </message>
    <message>
        <source>Waiting for a player</source>
        <translation>En attente d’un joueur</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Code d’accès</translation>
    </message>
    <message>
        <source>Players on this network see the game as &quot;%1&quot;.</source>
        <translation>Les joueurs de ce réseau voient la partie sous le nom « %1 ».</translation>
    </message>
    <message>
        <source>Tell the other player one of these addresses and the join code.</source>
        <translation>Donnez à l’autre joueur l’une de ces adresses et le code d’accès.</translation>
    </message>
    <message>
        <source>Host a game on the network</source>
        <translation>Héberger une partie en réseau</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adresse : %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>Code d’accès : %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>FrmJoinGame</name>
    <message>
        <source>Quorvel  -  Join a game</source>
        <translation>Quorvel  -  Rejoindre une partie</translation>
    </message>
    <message>
        <source>Join a game on the network</source>
        <translation>Rejoindre une partie en réseau</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Code d’accès</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Games on the local network</source>
        <translation>Parties sur le réseau local</translation>
    </message>
    <message>
        <source>Type the host&apos;s address and the join code it shows, or choose a game above.</source>
        <translation>Saisissez l’adresse de l’hôte et le code d’accès qu’il affiche, ou choisissez une partie ci-dessus.</translation>
    </message>
    <message>
        <source>No game found yet.</source>
        <translation>Aucune partie trouvée pour l’instant.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Type your name as the host will see it.</source>
        <translation>Saisissez votre nom tel que l’hôte le verra.</translation>
    </message>
    <message>
        <source>Joining the game at %1…</source>
        <translation>Connexion à la partie à %1…</translation>
    </message>
    <message>
        <source>The host&apos;s address, with a colon and the port if it is not the usual one.</source>
        <translation>L’adresse de l’hôte, suivie de deux-points et du port s’il n’est pas celui par défaut.</translation>
    </message>
    <message>
        <source>The ten letters and digits the host shows.</source>
        <translation>Les dix lettres et chiffres affichés par l’hôte.</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Les cartes sont distribuées. %1 commence.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a placement (a capture, whose turn it is).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Get ready for the next hand</source>
        <translation>Préparez-vous pour la donne suivante</translation>
    </message>
    <message>
        <source>Round %1 cannot be recorded: a match has rounds 1 to 5.</source>
        <translation>Impossible d’enregistrer la manche %1 : une partie compte les manches 1 à 5.</translation>
    </message>
    <message>
        <source>%1 won this round.  Ready for next round</source>
        <translation>%1 gagne la manche.  Prêts pour la suivante</translation>
    </message>
    <message>
        <source>A match total overflows a 16-bit integer.</source>
        <translation>Un total de la partie dépasse un entier de 16 bits.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
 wins with %2</source>
        <extracomment>The message ending a match: the winner&apos;s name, a line break, the winner&apos;s total.</extracomment>
        <translation>%1<byte value="xd"/>
 gagne avec %2</translation>
    </message>
    <message>
        <source>Square %1, empty</source>
        <translation>Case %1, vide</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>%1 commence</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Show statistics</source>
        <translation>Afficher les statistiques</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Not your turn.</source>
        <translation>Ce n’est pas votre tour.</translation>
    </message>
    <message>
        <source>Not your card.</source>
        <translation>Ce n’est pas votre carte.</translation>
    </message>
    <message>
        <source>Card %1 is played.</source>
        <translation>La carte %1 est jouée.</translation>
    </message>
    <message>
        <source>Square %1 is taken.</source>
        <translation>La case %1 est occupée.</translation>
    </message>
    <message>
        <source>%1 to play.</source>
        <translation>À %1 de jouer.</translation>
    </message>
    <message>
        <source>Score %1 to %2.</source>
        <translation>Score %1 à %2.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Square %1, red card, %2</source>
        <translation>Case %1, carte rouge, %2</translation>
    </message>
    <message>
        <source>Square %1, blue card, %2</source>
        <translation>Case %1, carte bleue, %2</translation>
    </message>
    <message>
        <source>%1, card %2, face down</source>
        <translation>%1, carte %2, face cachée</translation>
    </message>
    <message>
        <source>%1, card %2, played</source>
        <translation>%1, carte %2, jouée</translation>
    </message>
    <message>
        <source>%1, card %2, %3</source>
        <translation>%1, carte %2, %3</translation>
    </message>
    <message>
        <source>Card %1, face down.</source>
        <translation>Carte %1, face cachée.</translation>
    </message>
    <message>
        <source>Card %1, %2.</source>
        <translation>Carte %1, %2.</translation>
    </message>
    <message>
        <source>%1 placed on square %2.</source>
        <translation>%1 joue sur la case %2.</translation>
    </message>
    <message>
        <source>Placed on square %1.</source>
        <translation>Posée sur la case %1.</translation>
    </message>
    <message>
        <source>Took square %1.</source>
        <translation>Case %1 prise.</translation>
    </message>
    <message>
        <source>Took squares %1.</source>
        <translation>Cases %1 prises.</translation>
    </message>
    <message>
        <source>No card to place.</source>
        <translation>Aucune carte à poser.</translation>
    </message>
    <message>
        <source>Pick a card first.</source>
        <translation>Choisissez d’abord une carte.</translation>
    </message>
    <message>
        <source>Your cards are still face down.</source>
        <translation>Vos cartes sont encore face cachée.</translation>
    </message>
    <message>
        <source>%1, frame of card %2</source>
        <translation>%1, cadre de la carte %2</translation>
    </message>
    <message>
        <source>Player 1, red, %1</source>
        <translation>Joueur 1, rouge, %1</translation>
    </message>
    <message>
        <source>Player 2, blue, %1</source>
        <translation>Joueur 2, bleu, %1</translation>
    </message>
    <message>
        <source>Score of %1, %2</source>
        <translation>Score de %1, %2</translation>
    </message>
    <message>
        <source>%1, round light %2, lit</source>
        <translation>%1, voyant de manche %2, allumé</translation>
    </message>
    <message>
        <source>%1, round light %2, not lit</source>
        <translation>%1, voyant de manche %2, éteint</translation>
    </message>
    <message>
        <source>Hints are given only against the computer.</source>
        <translation>Les conseils ne sont donnés que contre l’ordinateur.</translation>
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
        <translation>Prêts pour la manche suivante</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Close this message first.</source>
        <translation>Fermez d’abord ce message.</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <translation>Main ouverte</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <translation>Main fermée</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <translation>Règles de base</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <translation>Règles de base avec combo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Nom du joueur 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Nom du joueur 2</translation>
    </message>
    <message>
        <source>Has a list of the computer&apos;s levels and of network games, opened with Alt+Down.</source>
        <translation>Propose la liste des niveaux de l’ordinateur et des parties en réseau, ouverte avec Alt+Bas.</translation>
    </message>
</context>
<context>
    <name>FrmPlayer</name>
    <message>
        <source>Quorvel  -  Player 1</source>
        <translation>Quorvel  -  Joueur 1</translation>
    </message>
    <message>
        <source>Quorvel  -  Player 2</source>
        <translation>Quorvel  -  Joueur 2</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>You must select 5 cards to play</source>
        <translation>Vous devez choisir 5 cartes pour jouer</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done</source>
        <translation>Choisissez 5 cartes, puis appuyez sur Terminé</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done.</source>
        <translation>Choisissez 5 cartes, puis appuyez sur Terminé.</translation>
    </message>
    <message>
        <source>The cards are still face down.</source>
        <translation>Les cartes sont encore face cachée.</translation>
    </message>
    <message>
        <source>5 cards are marked. Unmark one first.</source>
        <translation>5 cartes sont marquées. Retirez d’abord une marque.</translation>
    </message>
    <message>
        <source>5 cards marked, press Done.</source>
        <translation>5 cartes marquées, appuyez sur Terminé.</translation>
    </message>
    <message>
        <source>1 card marked, 4 to go.</source>
        <translation>1 carte marquée, encore 4.</translation>
    </message>
    <message>
        <source>No card marked.</source>
        <translation>Aucune carte marquée.</translation>
    </message>
    <message>
        <source>%1 cards marked, %2 to go.</source>
        <translation>%1 cartes marquées, encore %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a mark: which card, then how many are marked.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Card %1 marked.</source>
        <translation>Carte %1 marquée.</translation>
    </message>
    <message>
        <source>Card %1 unmarked.</source>
        <translation>Carte %1 démarquée.</translation>
    </message>
    <message>
        <source>Card %1, face down</source>
        <translation>Carte %1, face cachée</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Carte %1, %2</translation>
    </message>
    <message>
        <source>The computer is choosing its cards.</source>
        <translation>L’ordinateur choisit ses cartes.</translation>
    </message>
    <message>
        <source>Player 1, %1</source>
        <translation>Joueur 1, %1</translation>
    </message>
    <message>
        <source>Player 2, %1</source>
        <translation>Joueur 2, %1</translation>
    </message>
    <message>
        <source>Frame of card %1</source>
        <translation>Cadre de la carte %1</translation>
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
        <translation>Quorvel  -  Statistiques</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Adversaire</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vict.</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Déf.</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Manches</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Donnes</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Clear the record</source>
        <translation>Effacer le bilan</translation>
    </message>
    <message>
        <source>Reset the record</source>
        <translation>Réinitialiser le bilan</translation>
    </message>
    <message>
        <source>Keep the record</source>
        <translation>Garder le bilan</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>%1: nothing played yet.</source>
        <translation>%1 : rien de joué pour l’instant.</translation>
    </message>
    <message>
        <source>%1: %2 matches won, %3 lost; rounds %4 won, %5 lost; hands %6 won, %7 lost, %8 drawn; points %9 for, %10 against; longest winning streak %11.</source>
        <translation>%1 : %2 parties gagnées, %3 perdues ; manches %4 gagnées, %5 perdues ; donnes %6 gagnées, %7 perdues, %8 nulles ; points %9 pour, %10 contre ; plus longue série de victoires %11.</translation>
    </message>
    <message>
        <source>Statistics.</source>
        <translation>Statistiques.</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <comment>yours and the opponent&apos;s</comment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Clear the whole record of matches? This cannot be undone.</source>
        <translation>Effacer tout le bilan des parties ? C’est irréversible.</translation>
    </message>
    <message>
        <source>The record cannot be kept: %1</source>
        <translation>Le bilan ne peut pas être tenu : %1</translation>
    </message>
    <message>
        <source>Rounds, hands and points: yours, then your opponent&apos;s. Streak: the most matches won in a row.</source>
        <translation>Manches, donnes et points : les vôtres, puis ceux de l’adversaire. Série : le plus de parties gagnées d’affilée.</translation>
    </message>
    <message>
        <source>The record has been cleared.</source>
        <translation>Le bilan a été effacé.</translation>
    </message>
    <message>
        <source>The record has been kept.</source>
        <translation>Le bilan a été conservé.</translation>
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
        <translation>Total</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Against %1: %2 won, %3 lost</source>
        <translation>Contre %1 : %2 gagnées, %3 perdues</translation>
    </message>
    <message>
        <source>%1. Shows the statistics.</source>
        <translation>%1. Affiche les statistiques.</translation>
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
        <translation>Total %1.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>The installed card database &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossible de lire la base de cartes installée « %1 » : %2</translation>
    </message>
    <message>
        <source>The installed card database &quot;%1&quot; is damaged: %2</source>
        <translation>La base de cartes installée « %1 » est endommagée : %2</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is damaged: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel : votre base de cartes « %1 » est endommagée : %2 Elle a été mise de côté sous le nom « %3 » et une nouvelle copie a été faite à partir de « %4 ».
</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is unreadable: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel : votre base de cartes « %1 » est illisible : %2 Elle a été mise de côté sous le nom « %3 » et une nouvelle copie a été faite à partir de « %4 ».
</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: no space left on the disk that holds &quot;%2&quot; (%3 kB free, %4 kB needed). Make room there and start the game again.</source>
        <translation>Impossible de créer votre base de cartes « %1 » : plus de place sur le disque qui contient « %2 » (%3 Ko libres, %4 Ko nécessaires). Libérez de la place puis relancez le jeu.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made from &quot;%2&quot;: %3.</source>
        <translation>Impossible de créer votre base de cartes « %1 » à partir de « %2 » : %3.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: &quot;%2&quot; is a file, not a folder.</source>
        <translation>Impossible de créer le dossier « %1 » de votre base de cartes : « %2 » est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: %2.</source>
        <translation>Impossible de créer le dossier « %1 » de votre base de cartes : %2.</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>plus de place sur le disque</translation>
    </message>
    <message>
        <source>Your card database has no folder: neither XDG_DATA_HOME nor HOME names one, and your account has no home folder.</source>
        <translation>Votre base de cartes n’a pas de dossier : ni XDG_DATA_HOME ni HOME n’en indiquent un, et votre compte n’a pas de dossier personnel.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be opened: no space left on the disk that holds &quot;%2&quot; (%3 kB free). Make room there and start the game again.</source>
        <translation>Impossible d’ouvrir votre base de cartes « %1 » : plus de place sur le disque qui contient « %2 » (%3 Ko libres). Libérez de la place puis relancez le jeu.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossible de lire votre base de cartes « %1 » : %2</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; is damaged (%2) and cannot be set aside as &quot;%3&quot;: %4.</source>
        <translation>Votre base de cartes « %1 » est endommagée (%2) et ne peut pas être mise de côté sous le nom « %3 » : %4.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: %2.</source>
        <translation>Impossible de créer votre base de cartes « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Hint frame</source>
        <translation>Cadre du conseil</translation>
    </message>
    <message>
        <source>Hint: card %1 on square %2</source>
        <translation>Conseil : carte %1 sur la case %2</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Games on the local network cannot be listed, because no Avahi daemon is running on this computer. Type the host&apos;s address instead.</source>
        <translation>Les parties du réseau local ne peuvent pas être affichées, car aucun service Avahi ne tourne sur cet ordinateur. Saisissez plutôt l&apos;adresse de l&apos;hôte.</translation>
    </message>
    <message>
        <source>Type the host&apos;s address, such as 192.168.1.20 or mirela-pc.local.</source>
        <translation>Saisissez l&apos;adresse de l&apos;hôte, par exemple 192.168.1.20 ou mirela-pc.local.</translation>
    </message>
    <message>
        <source>An address in brackets needs its closing bracket.</source>
        <translation>Il manque le crochet fermant à l&apos;adresse entre crochets.</translation>
    </message>
    <message>
        <source>After the bracketed address only a colon and a port may follow.</source>
        <translation>Après l&apos;adresse entre crochets, seuls deux-points et un port peuvent suivre.</translation>
    </message>
    <message>
        <source>Brackets hold an IPv6 address.</source>
        <translation>Les crochets entourent une adresse IPv6.</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535.</source>
        <translation>Le port est un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>“%1” is neither an address nor a computer&apos;s name.</source>
        <translation>« %1 » n&apos;est ni une adresse ni le nom d&apos;un ordinateur.</translation>
    </message>
    <message>
        <source>The other game sent a message that cannot be read. The network match is over.</source>
        <translation>L&apos;autre jeu a envoyé un message illisible. La partie en réseau est terminée.</translation>
    </message>
    <message>
        <source>The other game sent a message that is too large. The network match is over.</source>
        <translation>L&apos;autre jeu a envoyé un message trop long. La partie en réseau est terminée.</translation>
    </message>
    <message>
        <source>The other game is another version of Quorvel. Both players need the same version to play together.</source>
        <translation>L&apos;autre jeu est une autre version de Quorvel. Les deux joueurs ont besoin de la même version pour jouer ensemble.</translation>
    </message>
    <message>
        <source>The other game sent a message out of turn. The network match is over.</source>
        <translation>L&apos;autre jeu a envoyé un message hors de son tour. La partie en réseau est terminée.</translation>
    </message>
    <message>
        <source>The other game sent a move that the rules do not allow. The network match is over.</source>
        <translation>L&apos;autre jeu a envoyé un coup que les règles n&apos;autorisent pas. La partie en réseau est terminée.</translation>
    </message>
    <message>
        <source>The two games have different card lists. Both players need the same version of Quorvel to play together.</source>
        <translation>Les deux jeux ont des listes de cartes différentes. Les deux joueurs ont besoin de la même version de Quorvel pour jouer ensemble.</translation>
    </message>
    <message>
        <source>The host is already playing with someone else.</source>
        <translation>L&apos;hôte joue déjà avec quelqu&apos;un d&apos;autre.</translation>
    </message>
    <message>
        <source>%1 has not answered for too long. The network match is over.</source>
        <translation>%1 n&apos;a pas répondu depuis trop longtemps. La partie en réseau est terminée.</translation>
    </message>
    <message>
        <source>The other game has not answered for too long. The network match is over.</source>
        <translation>L&apos;autre jeu n&apos;a pas répondu depuis trop longtemps. La partie en réseau est terminée.</translation>
    </message>
    <message>
        <source>The other game sent far too many messages. The network match is over.</source>
        <translation>L&apos;autre jeu a envoyé beaucoup trop de messages. La partie en réseau est terminée.</translation>
    </message>
    <message>
        <source>The join code is wrong. Check it with the host and try again.</source>
        <translation>Le code d&apos;accès est incorrect. Vérifiez-le avec l&apos;hôte et réessayez.</translation>
    </message>
    <message>
        <source>The program at this address is not a Quorvel game that can be joined.</source>
        <translation>Le programme à cette adresse n&apos;est pas une partie de Quorvel que l&apos;on peut rejoindre.</translation>
    </message>
    <message>
        <source>No game answers at this address. Check the address and that the host is waiting for a player.</source>
        <translation>Aucune partie ne répond à cette adresse. Vérifiez l&apos;adresse et que l&apos;hôte attend un joueur.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost. The network match is over.</source>
        <translation>La connexion avec %1 a été perdue. La partie en réseau est terminée.</translation>
    </message>
    <message>
        <source>The connection to the other game was lost. The network match is over.</source>
        <translation>La connexion avec l&apos;autre jeu a été perdue. La partie en réseau est terminée.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 a quitté la partie.</translation>
    </message>
    <message>
        <source>The other player has left the game.</source>
        <translation>L&apos;autre joueur a quitté la partie.</translation>
    </message>
    <message>
        <source>The other game heard nothing from this game for too long. The network match is over.</source>
        <translation>L&apos;autre jeu n&apos;a rien reçu de ce jeu depuis trop longtemps. La partie en réseau est terminée.</translation>
    </message>
    <message>
        <source>The other game could not accept a message from this game. The network match is over.</source>
        <translation>L&apos;autre jeu n&apos;a pas pu accepter un message de ce jeu. La partie en réseau est terminée.</translation>
    </message>
    <message>
        <source>Someone tried to join with a wrong code and was turned away.</source>
        <translation>Quelqu&apos;un a tenté de rejoindre la partie avec un code incorrect et a été refusé.</translation>
    </message>
    <message>
        <source>A second player tried to join and was turned away.</source>
        <translation>Un deuxième joueur a tenté de rejoindre la partie et a été refusé.</translation>
    </message>
    <message>
        <source>A program that is not a Quorvel game tried to connect and was turned away.</source>
        <translation>Un programme qui n&apos;est pas un jeu Quorvel a tenté de se connecter et a été refusé.</translation>
    </message>
    <message>
        <source>A player with another version of Quorvel tried to join and was turned away.</source>
        <translation>Un joueur avec une autre version de Quorvel a tenté de rejoindre la partie et a été refusé.</translation>
    </message>
    <message>
        <source>A player with a different card list tried to join and was turned away.</source>
        <translation>Un joueur avec une autre liste de cartes a tenté de rejoindre la partie et a été refusé.</translation>
    </message>
    <message>
        <source>A connection that did not introduce itself in time was closed.</source>
        <translation>Une connexion qui ne s&apos;est pas présentée à temps a été fermée.</translation>
    </message>
    <message>
        <source>A connection that broke the rules of the conversation was closed.</source>
        <translation>Une connexion qui a enfreint les règles de l&apos;échange a été fermée.</translation>
    </message>
    <message>
        <source>The network match needs OpenSSL, which could not be loaded.</source>
        <translation>La partie en réseau a besoin d&apos;OpenSSL, qui n&apos;a pas pu être chargé.</translation>
    </message>
    <message>
        <source>The game cannot wait for a player on port %1: %2</source>
        <translation>Le jeu ne peut pas attendre de joueur sur le port %1 : %2</translation>
    </message>
    <message>
        <source>A join code has no “%1”: it uses the digits 2 to 9 and the letters other than I and O.</source>
        <translation>Un code d&apos;accès ne contient pas de « %1 » : il utilise les chiffres 2 à 9 et les lettres sauf I et O.</translation>
    </message>
    <message>
        <source>A join code has ten letters and digits, such as K7QF-9M2T-XW.</source>
        <translation>Un code d&apos;accès compte dix lettres et chiffres, par exemple K7QF-9M2T-XW.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>L’image « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>L’image « %1 » est vide.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be loaded: %2</source>
        <translation>Impossible de charger l’image « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Choose 5 cards
then press Done</source>
        <extracomment>Painted on the selection window&apos;s prompt in two lines: the first large (room for about 180 x 36 pixels), the second small (180 x 19). Keep the line break.</extracomment>
        <translation>Choisissez 5 cartes
puis appuyez sur Terminé</translation>
    </message>
    <message>
        <source>Player %1 begins</source>
        <extracomment>Painted on the plaque that shows who places the first card, 190 x 55 pixels of room; %1 is the player&apos;s number, 1 or 2.</extracomment>
        <translation>Joueur %1 commence</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>The headings above the options window&apos;s name boxes (room for 288 x 32 pixels), and the plates of the main and selection windows that name each player&apos;s colour (121 x 29 pixels); %1 is 1 or 2.</extracomment>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>The heading of the options window&apos;s choice of rules, painted between two gold lines (room for 288 x 29 pixels).</extracomment>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <extracomment>An option of the options window, right of its mark (room for 214 x 27 pixels).</extracomment>
        <translation>Main ouverte</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Main fermée</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Règles de base</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Règles de base avec combo</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <extracomment>The heading of the results window, painted above a gold line (room for 431 x 38 pixels).</extracomment>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>a duel of cards for two</source>
        <extracomment>The splash window&apos;s line under the game&apos;s name (room for 430 x 30 pixels).</extracomment>
        <translation>un duel de cartes à deux</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>A button of the options, message, results, statistics and help windows, and of the selection windows; painted on a face of 87 x 19 pixels.</extracomment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of the main and options windows (87 x 19 pixels).</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>The heading of the statistics window, painted above a short gold line (room for 520 x 40 pixels).</extracomment>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The statistics window&apos;s button that asks to empty the record of matches (87 x 19 pixels).</extracomment>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The statistics window&apos;s button that confirms emptying the record of matches (87 x 19 pixels).</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The statistics window&apos;s button that keeps the record of matches after all (87 x 19 pixels).</extracomment>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The button of the network windows that gives up waiting for or joining a game (87 x 19 pixels).</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join window&apos;s button that connects to the host (87 x 19 pixels).</extracomment>
        <translation>Rejoindre</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Options of the window system (Qt):</source>
        <translation>Options du système de fenêtres (Qt) :</translation>
    </message>
    <message>
        <source>cannot show its windows: no display is set (the DISPLAY environment variable is empty).</source>
        <translation>impossible d’afficher ses fenêtres : aucun écran n’est indiqué (la variable d’environnement DISPLAY est vide).</translation>
    </message>
    <message>
        <source>cannot show its windows: the display &quot;%1&quot; cannot be reached.</source>
        <translation>impossible d’afficher ses fenêtres : l’écran « %1 » est injoignable.</translation>
    </message>
    <message>
        <source>cannot show its windows: there is no window system &quot;%1&quot; (there are: %2).</source>
        <translation>impossible d’afficher ses fenêtres : il n’y a pas de système de fenêtres « %1 » (il y a : %2).</translation>
    </message>
    <message>
        <source>cannot show its windows through &quot;%1&quot;: %2</source>
        <translation>impossible d’afficher ses fenêtres par « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>PlayRules</name>
    <message>
        <source>Player %1&apos;s score overflows a 16-bit integer (%2 + %3).</source>
        <translation>Le score du joueur %1 dépasse un entier de 16 bits (%2 + %3).</translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>%1 failed in the card database &quot;%2&quot;: %3</source>
        <translation>Échec dans la base de cartes « %2 » (%1) : %3</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; does not exist.</source>
        <translation>La base de cartes « %1 » n’existe pas.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be read.</source>
        <translation>Impossible de lire la base de cartes « %1 ».</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is read-only; the game keeps its cards in it and must be able to write it.</source>
        <translation>La base de cartes « %1 » est en lecture seule ; le jeu y conserve ses cartes et doit pouvoir y écrire.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is empty.</source>
        <translation>La base de cartes « %1 » est vide.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; of the card database is read-only; the game keeps its log of changes beside the database and must be able to write there.</source>
        <translation>Le dossier « %1 » de la base de cartes est en lecture seule ; le jeu conserve son journal des modifications à côté de la base et doit pouvoir y écrire.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be opened: %2</source>
        <translation>Impossible d’ouvrir la base de cartes « %1 » : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card database: %2</source>
        <translation>« %1 » n’est pas une base de cartes : %2</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be written (is its folder read-only?): %2</source>
        <translation>Impossible d’écrire dans la base de cartes « %1 » (son dossier est-il en lecture seule ?) : %2</translation>
    </message>
    <message>
        <source>Setting up</source>
        <translation>préparation</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>enregistrement</translation>
    </message>
    <message>
        <source>Starting a save</source>
        <translation>début d’un enregistrement</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened: the card database is not open.</source>
        <translation>Impossible d’ouvrir la table %1 : la base de cartes n’est pas ouverte.</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened in the card database &quot;%2&quot;: %3</source>
        <translation>Impossible d’ouvrir la table %1 dans la base de cartes « %2 » : %3</translation>
    </message>
    <message>
        <source>Table %1 is not open.</source>
        <translation>La table %1 n’est pas ouverte.</translation>
    </message>
    <message>
        <source>Table %1: the search &quot;%2&quot; cannot be understood.</source>
        <translation>Table %1 : la recherche « %2 » est incompréhensible.</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>La table %1 de la base de cartes n’a pas de champ %2.</translation>
    </message>
    <message>
        <source>Table %1: no current record for field %2 (the record searched for was not found).</source>
        <translation>Table %1 : aucun enregistrement courant pour le champ %2 (l’enregistrement cherché est introuvable).</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds &quot;%4&quot; where a number belongs.</source>
        <translation>Table %1, enregistrement %2 : le champ %3 contient « %4 » au lieu d’un nombre.</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4, beyond a 16-bit integer.</source>
        <translation>Table %1, enregistrement %2 : le champ %3 contient %4, au-delà d’un entier de 16 bits.</translation>
    </message>
    <message>
        <source>Table %1 is read-only; field %2 cannot be written.</source>
        <translation>La table %1 est en lecture seule ; impossible d’écrire le champ %2.</translation>
    </message>
    <message>
        <source>Saving a record of table %1</source>
        <translation>enregistrement d’une ligne de la table %1</translation>
    </message>
    <message>
        <source>Table %1: record %2 disappeared from the card database.</source>
        <translation>Table %1 : l’enregistrement %2 a disparu de la base de cartes.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>not a rich-text document</source>
        <translation>ce n’est pas un document en texte enrichi</translation>
    </message>
    <message>
        <source>the document ends before all its groups are closed</source>
        <translation>le document se termine avant que tous ses groupes soient fermés</translation>
    </message>
    <message>
        <source>the document holds no text</source>
        <translation>le document ne contient aucun texte</translation>
    </message>
    <message>
        <source>groups are nested more than %1 deep</source>
        <translation>des groupes sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>the document text is cut off at 8 MB</source>
        <translation>le texte du document est coupé à 8 Mo</translation>
    </message>
    <message>
        <source>the braces of the document do not balance</source>
        <translation>les accolades du document ne sont pas équilibrées</translation>
    </message>
    <message>
        <source>the document is cut off at %1 paragraphs</source>
        <translation>le document est coupé après %1 paragraphes</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>The card database has no table %1 (%2).</source>
        <translation>La base de cartes n’a pas de table %1 (%2).</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>La table %1 de la base de cartes n’a pas de champ %2.</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4 where a whole number from -32768 to 32767 belongs.</source>
        <translation>Table %1, enregistrement %2 : le champ %3 contient %4 au lieu d’un nombre entier de -32768 à 32767.</translation>
    </message>
    <message>
        <source>Table AllCards: the card with fldAutoNumber %1 has fldID 0, which marks an empty slot.</source>
        <translation>Table AllCards : la carte de fldAutoNumber %1 a fldID 0, qui marque un emplacement vide.</translation>
    </message>
    <message>
        <source>Table AllCards has no card with fldAutoNumber %1 (it must hold one card for every number from 1 to %2).</source>
        <translation>La table AllCards n’a pas de carte de fldAutoNumber %1 (elle doit contenir une carte pour chaque nombre de 1 à %2).</translation>
    </message>
    <message>
        <source>Table %1: the record of slot %2 is out of order (records must lie in ascending order of fldLocation).</source>
        <translation>Table %1 : l’enregistrement de l’emplacement %2 n’est pas à sa place (les enregistrements doivent suivre l’ordre croissant de fldLocation).</translation>
    </message>
    <message>
        <source>The card database cannot be read: %1</source>
        <translation>Impossible de lire la base de cartes : %1</translation>
    </message>
    <message>
        <source>Table %1 of the card database has a trigger (&quot;%2&quot;); the game&apos;s tables must take its writes as they are.</source>
        <translation>La table %1 de la base de cartes a un déclencheur (« %2 ») ; les tables du jeu doivent accepter ses écritures telles quelles.</translation>
    </message>
    <message>
        <source>%1 (card %2 of AllCards)</source>
        <translation>%1 (carte %2 de AllCards)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>L’image « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2.</source>
        <translation>Impossible de lire l’image « %1 » : %2.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>L’image « %1 » n’est pas un fichier ordinaire (c’est un dossier).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>L’image « %1 » n’est pas un fichier ordinaire (c’est un tube).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>L’image « %1 » n’est pas un fichier ordinaire (c’est une socket).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>L’image « %1 » n’est pas un fichier ordinaire (c’est un périphérique).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>Les règles du jeu « %1 » sont introuvables.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2.</source>
        <translation>Impossible de lire les règles du jeu « %1 » : %2.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>Les règles du jeu « %1 » ne sont pas un fichier ordinaire (c’est un dossier).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>Les règles du jeu « %1 » ne sont pas un fichier ordinaire (c’est un tube).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>Les règles du jeu « %1 » ne sont pas un fichier ordinaire (c’est une socket).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>Les règles du jeu « %1 » ne sont pas un fichier ordinaire (c’est un périphérique).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read.</source>
        <translation>Impossible de lire l’image « %1 ».</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>L’image « %1 » est vide.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture (JPEG or GIF).</source>
        <translation>Le fichier « %1 » n’est pas une image (JPEG ou GIF).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is truncated.</source>
        <translation>L’image « %1 » est tronquée.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read as a picture: %2</source>
        <translation>Impossible de lire « %1 » comme une image : %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to load (%2 x %3 pixels).</source>
        <translation>L’image « %1 » est trop grande pour être chargée (%2 × %3 pixels).</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Impossible d’ouvrir le fichier de verrou « %1 » : %2.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is not a regular file; remove it and start again.</source>
        <translation>Le fichier de verrou « %1 » n’est pas un fichier ordinaire ; supprimez-le et relancez le jeu.</translation>
    </message>
    <message>
        <source>Quorvel is already running with the card database &quot;%1&quot;; only one game can use it at a time.</source>
        <translation>Quorvel est déjà lancé avec la base de cartes « %1 » ; une seule partie peut l’utiliser à la fois.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>Table %1 has no record for slot %2 (fldLocation = %2).</source>
        <translation>La table %1 n’a pas d’enregistrement pour l’emplacement %2 (fldLocation = %2).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A card game for two players who share one screen and one mouse.</source>
        <translation>Un jeu de cartes pour deux joueurs qui partagent un écran et une souris.</translation>
    </message>
    <message>
        <source>Let the computer play player 2 at &lt;level&gt;: easy, normal or hard.</source>
        <translation>Fait jouer l’ordinateur comme joueur 2 au &lt;niveau&gt; easy (facile), normal ou hard (difficile).</translation>
    </message>
    <message>
        <source>level</source>
        <extracomment>The value of --computer in the help text, as in &quot;--computer &lt;level&gt;&quot;.</extracomment>
        <translation>niveau</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.
</source>
        <translation>Essayez « %1 --help » pour voir les options.
</translation>
    </message>
    <message>
        <source>%1: unexpected argument &quot;%2&quot;; the game takes no file names.
%3</source>
        <translation>%1 : argument inattendu « %2 » ; le jeu n’accepte pas de noms de fichiers.
%3</translation>
    </message>
    <message>
        <source>%1: --computer takes easy, normal or hard, not &quot;%2&quot;
%3</source>
        <translation>%1 : --computer accepte easy, normal ou hard, pas « %2 »
%3</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adresse : %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Port : %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>Code d’accès : %1</translation>
    </message>
    <message>
        <source>Wait for a player on another computer, listening on &lt;port&gt; (47107 if none is given); the addresses, port and join code are also printed here.</source>
        <translation>Attend un joueur sur un autre ordinateur, à l’écoute sur &lt;port&gt; (47107 par défaut) ; les adresses, le port et le code d’accès sont aussi affichés ici.</translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The value of --host in the help text, as in &quot;--host[=&lt;port&gt;]&quot;.</extracomment>
        <translation>port</translation>
    </message>
    <message>
        <source>Join the game of a player on another computer at &lt;address&gt; (with :port if it is not 47107); the join code is asked for.</source>
        <translation>Rejoint la partie d’un joueur sur un autre ordinateur à &lt;adresse&gt; (avec :port si ce n’est pas 47107) ; le code d’accès est demandé.</translation>
    </message>
    <message>
        <source>address</source>
        <extracomment>The value of --join in the help text, as in &quot;--join &lt;address&gt;&quot;.</extracomment>
        <translation>adresse</translation>
    </message>
    <message>
        <source>%1: only one of --computer, --host and --join can be given.
%2</source>
        <translation>%1 : une seule des options --computer, --host et --join peut être donnée.
%2</translation>
    </message>
    <message>
        <source>%1: --host takes a port from 1 to 65535, not &quot;%2&quot;
%3</source>
        <translation>%1 : --host attend un port de 1 à 65535, pas « %2 »
%3</translation>
    </message>
    <message>
        <source>%1: --join takes the host&apos;s address, not &quot;%2&quot;: %3
%4</source>
        <translation>%1 : --join attend l’adresse de l’hôte, pas « %2 » : %3
%4</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>Computer (easy)</source>
        <translation>Ordinateur (facile)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Ordinateur (normal)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Ordinateur (difficile)</translation>
    </message>
    <message>
        <source>A person</source>
        <translation>Une personne</translation>
    </message>
    <message>
        <source>A person (network)</source>
        <translation>Joueur en réseau</translation>
    </message>
</context>
</TS>
