<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>CardEdges</name>
    <message>
        <source>north %1, east %2, south %3, west %4</source>
        <extracomment>A card&apos;s four edge values as a screen reader speaks them.</extracomment>
        <translation>север %1, восток %2, юг %3, запад %4</translation>
    </message>
</context>
<context>
    <name>ComputerChoice</name>
    <message>
        <source>Computer (easy)</source>
        <translation>Компьютер (лёгкий)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Компьютер (средний)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Компьютер (сложный)</translation>
    </message>
    <message>
        <source>Host a game on the network…</source>
        <translation>Создать игру по сети…</translation>
    </message>
    <message>
        <source>Join a game on the network…</source>
        <translation>Присоединиться к игре по сети…</translation>
    </message>
</context>
<context>
    <name>Fatal</name>
    <message>
        <source>Quorvel cannot continue.

%1</source>
        <translation>Quorvel не может продолжить работу.

%1</translation>
    </message>
    <message>
        <source>Quorvel: fatal error: %1
</source>
        <translation>Quorvel: неустранимая ошибка: %1
</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Window %1 is already shown modally.</source>
        <translation>Окно %1 уже показано как модальное.</translation>
    </message>
</context>
<context>
    <name>FrmHelp</name>
    <message>
        <source>Quorvel  -  Help</source>
        <translation>Quorvel  -  Справка</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила игры</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>Правила игры «%1» не найдены.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2</source>
        <translation>Не удаётся прочитать правила игры «%1»: %2</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be shown: %2</source>
        <translation>Не удаётся показать правила игры «%1»: %2</translation>
    </message>
    <message>
        <source>Quorvel help</source>
        <translation>Справка Quorvel</translation>
    </message>
</context>
<context>
    <name>FrmHostGame</name>
    <message>
        <source>Quorvel  -  Host a game</source>
        <translation>Quorvel  -  Создать игру</translation>
    </message>
    <message>
        <source>Waiting for a player</source>
        <translation>Ожидание игрока</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Код подключения</translation>
    </message>
    <message>
        <source>Players on this network see the game as &quot;%1&quot;.</source>
        <translation>Игроки в этой сети видят игру как «%1».</translation>
    </message>
    <message>
        <source>Tell the other player one of these addresses and the join code.</source>
        <translation>Сообщите другому игроку один из этих адресов и код подключения.</translation>
    </message>
    <message>
        <source>Host a game on the network</source>
        <translation>Создать игру по сети</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Адрес: %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>Код подключения: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>FrmJoinGame</name>
    <message>
        <source>Quorvel  -  Join a game</source>
        <translation>Quorvel  -  Присоединиться к игре</translation>
    </message>
    <message>
        <source>Join a game on the network</source>
        <translation>Присоединиться к игре по сети</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Код подключения</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Games on the local network</source>
        <translation>Игры в локальной сети</translation>
    </message>
    <message>
        <source>Type the host&apos;s address and the join code it shows, or choose a game above.</source>
        <translation>Введите адрес хоста и показанный им код подключения или выберите игру выше.</translation>
    </message>
    <message>
        <source>No game found yet.</source>
        <translation>Игры пока не найдены.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 по адресу %2</translation>
    </message>
    <message>
        <source>Type your name as the host will see it.</source>
        <translation>Введите своё имя так, как его увидит хост.</translation>
    </message>
    <message>
        <source>Joining the game at %1…</source>
        <translation>Подключение к игре по адресу %1…</translation>
    </message>
    <message>
        <source>The host&apos;s address, with a colon and the port if it is not the usual one.</source>
        <translation>Адрес хоста, с двоеточием и портом, если порт не обычный.</translation>
    </message>
    <message>
        <source>The ten letters and digits the host shows.</source>
        <translation>Десять букв и цифр, которые показывает хост.</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Карты розданы. Начинает %1.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a placement (a capture, whose turn it is).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Get ready for the next hand</source>
        <translation>Приготовьтесь к следующей раздаче</translation>
    </message>
    <message>
        <source>Round %1 cannot be recorded: a match has rounds 1 to 5.</source>
        <translation>Не удаётся записать раунд %1: в партии раунды с 1 по 5.</translation>
    </message>
    <message>
        <source>%1 won this round.  Ready for next round</source>
        <translation>%1 берёт раунд.  Готовы к следующему</translation>
    </message>
    <message>
        <source>A match total overflows a 16-bit integer.</source>
        <translation>Итог партии не помещается в 16-битное целое.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
 wins with %2</source>
        <extracomment>The message ending a match: the winner&apos;s name, a line break, the winner&apos;s total.</extracomment>
        <translation>%1<byte value="xd"/>
 побеждает, набрав %2</translation>
    </message>
    <message>
        <source>Square %1, empty</source>
        <translation>Клетка %1, пусто</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Игрок 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Игрок 2</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>Начинает %1</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Show statistics</source>
        <translation>Показать статистику</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Not your turn.</source>
        <translation>Сейчас не ваш ход.</translation>
    </message>
    <message>
        <source>Not your card.</source>
        <translation>Это не ваша карта.</translation>
    </message>
    <message>
        <source>Card %1 is played.</source>
        <translation>Карта %1 уже сыграна.</translation>
    </message>
    <message>
        <source>Square %1 is taken.</source>
        <translation>Клетка %1 занята.</translation>
    </message>
    <message>
        <source>%1 to play.</source>
        <translation>Ход: %1.</translation>
    </message>
    <message>
        <source>Score %1 to %2.</source>
        <translation>Счёт %1 : %2.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Square %1, red card, %2</source>
        <translation>Клетка %1, красная карта, %2</translation>
    </message>
    <message>
        <source>Square %1, blue card, %2</source>
        <translation>Клетка %1, синяя карта, %2</translation>
    </message>
    <message>
        <source>%1, card %2, face down</source>
        <translation>%1, карта %2, рубашкой вверх</translation>
    </message>
    <message>
        <source>%1, card %2, played</source>
        <translation>%1, карта %2, сыграна</translation>
    </message>
    <message>
        <source>%1, card %2, %3</source>
        <translation>%1, карта %2, %3</translation>
    </message>
    <message>
        <source>Card %1, face down.</source>
        <translation>Карта %1, рубашкой вверх.</translation>
    </message>
    <message>
        <source>Card %1, %2.</source>
        <translation>Карта %1, %2.</translation>
    </message>
    <message>
        <source>%1 placed on square %2.</source>
        <translation>%1 кладёт на клетку %2.</translation>
    </message>
    <message>
        <source>Placed on square %1.</source>
        <translation>Положена на клетку %1.</translation>
    </message>
    <message>
        <source>Took square %1.</source>
        <translation>Захвачена клетка %1.</translation>
    </message>
    <message>
        <source>Took squares %1.</source>
        <translation>Захвачены клетки %1.</translation>
    </message>
    <message>
        <source>No card to place.</source>
        <translation>Нет карты, чтобы положить.</translation>
    </message>
    <message>
        <source>Pick a card first.</source>
        <translation>Сначала выберите карту.</translation>
    </message>
    <message>
        <source>Your cards are still face down.</source>
        <translation>Ваши карты ещё рубашкой вверх.</translation>
    </message>
    <message>
        <source>%1, frame of card %2</source>
        <translation>%1, рамка карты %2</translation>
    </message>
    <message>
        <source>Player 1, red, %1</source>
        <translation>Игрок 1, красный, %1</translation>
    </message>
    <message>
        <source>Player 2, blue, %1</source>
        <translation>Игрок 2, синий, %1</translation>
    </message>
    <message>
        <source>Score of %1, %2</source>
        <translation>Очки %1, %2</translation>
    </message>
    <message>
        <source>%1, round light %2, lit</source>
        <translation>%1, огонёк раунда %2, горит</translation>
    </message>
    <message>
        <source>%1, round light %2, not lit</source>
        <translation>%1, огонёк раунда %2, не горит</translation>
    </message>
    <message>
        <source>Hints are given only against the computer.</source>
        <translation>Подсказки даются только в игре с компьютером.</translation>
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
        <translation>Готовы к следующему раунду</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Close this message first.</source>
        <translation>Сначала закройте это сообщение.</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <translation>Открытая рука</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <translation>Закрытая рука</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <translation>Базовые правила</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <translation>Базовые правила с комбо</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>Имя игрока 1</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>Имя игрока 2</translation>
    </message>
    <message>
        <source>Has a list of the computer&apos;s levels and of network games, opened with Alt+Down.</source>
        <translation>Есть список уровней компьютера и сетевых игр, открывается клавишами Alt+Вниз.</translation>
    </message>
</context>
<context>
    <name>FrmPlayer</name>
    <message>
        <source>Quorvel  -  Player 1</source>
        <translation>Quorvel  -  Игрок 1</translation>
    </message>
    <message>
        <source>Quorvel  -  Player 2</source>
        <translation>Quorvel  -  Игрок 2</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Игрок 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Игрок 2</translation>
    </message>
    <message>
        <source>You must select 5 cards to play</source>
        <translation>Нужно выбрать 5 карт для игры</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done</source>
        <translation>Выберите 5 карт и нажмите «Готово»</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done.</source>
        <translation>Выберите 5 карт и нажмите «Готово».</translation>
    </message>
    <message>
        <source>The cards are still face down.</source>
        <translation>Карты ещё рубашкой вверх.</translation>
    </message>
    <message>
        <source>5 cards are marked. Unmark one first.</source>
        <translation>Отмечено 5 карт. Сначала снимите одну отметку.</translation>
    </message>
    <message>
        <source>5 cards marked, press Done.</source>
        <translation>Отмечено 5 карт, нажмите «Готово».</translation>
    </message>
    <message>
        <source>1 card marked, 4 to go.</source>
        <translation>Отмечена 1 карта, осталось 4.</translation>
    </message>
    <message>
        <source>No card marked.</source>
        <translation>Ни одна карта не отмечена.</translation>
    </message>
    <message>
        <source>%1 cards marked, %2 to go.</source>
        <translation>Отмечено карт: %1, осталось: %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a mark: which card, then how many are marked.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Card %1 marked.</source>
        <translation>Карта %1 отмечена.</translation>
    </message>
    <message>
        <source>Card %1 unmarked.</source>
        <translation>Отметка с карты %1 снята.</translation>
    </message>
    <message>
        <source>Card %1, face down</source>
        <translation>Карта %1, рубашкой вверх</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>Карта %1, %2</translation>
    </message>
    <message>
        <source>The computer is choosing its cards.</source>
        <translation>Компьютер выбирает свои карты.</translation>
    </message>
    <message>
        <source>Player 1, %1</source>
        <translation>Игрок 1, %1</translation>
    </message>
    <message>
        <source>Player 2, %1</source>
        <translation>Игрок 2, %1</translation>
    </message>
    <message>
        <source>Frame of card %1</source>
        <translation>Рамка карты %1</translation>
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
        <translation>Quorvel  -  Статистика</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Соперник</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Победы</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Пораж.</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Раунды</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Раздачи</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Серия</translation>
    </message>
    <message>
        <source>Clear the record</source>
        <translation>Очистить историю</translation>
    </message>
    <message>
        <source>Reset the record</source>
        <translation>Сбросить историю</translation>
    </message>
    <message>
        <source>Keep the record</source>
        <translation>Сохранить историю</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>%1: nothing played yet.</source>
        <translation>%1: ещё ничего не сыграно.</translation>
    </message>
    <message>
        <source>%1: %2 matches won, %3 lost; rounds %4 won, %5 lost; hands %6 won, %7 lost, %8 drawn; points %9 for, %10 against; longest winning streak %11.</source>
        <translation>%1: партий выиграно %2, проиграно %3; раундов выиграно %4, проиграно %5; раздач выиграно %6, проиграно %7, вничью %8; очков набрано %9, пропущено %10; самая длинная серия побед %11.</translation>
    </message>
    <message>
        <source>Statistics.</source>
        <translation>Статистика.</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <comment>yours and the opponent&apos;s</comment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Clear the whole record of matches? This cannot be undone.</source>
        <translation>Очистить всю историю партий? Это нельзя отменить.</translation>
    </message>
    <message>
        <source>The record cannot be kept: %1</source>
        <translation>Историю нельзя вести: %1</translation>
    </message>
    <message>
        <source>Rounds, hands and points: yours, then your opponent&apos;s. Streak: the most matches won in a row.</source>
        <translation>Раунды, раздачи и очки: ваши, затем соперника. Серия: больше всего партий, выигранных подряд.</translation>
    </message>
    <message>
        <source>The record has been cleared.</source>
        <translation>История очищена.</translation>
    </message>
    <message>
        <source>The record has been kept.</source>
        <translation>История сохранена.</translation>
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
        <translation>Раунд %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <translation>Итоги игры</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Against %1: %2 won, %3 lost</source>
        <translation>%1: выиграно %2, проиграно %3</translation>
    </message>
    <message>
        <source>%1. Shows the statistics.</source>
        <translation>%1. Показывает статистику.</translation>
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
        <translation>Раунд %1, %2.</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>Итого %1.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>The installed card database &quot;%1&quot; cannot be read: %2</source>
        <translation>Не удаётся прочитать установленную базу карт «%1»: %2</translation>
    </message>
    <message>
        <source>The installed card database &quot;%1&quot; is damaged: %2</source>
        <translation>Установленная база карт «%1» повреждена: %2</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is damaged: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel: ваша база карт «%1» повреждена: %2 Она отложена как «%3», и создана новая копия из «%4».
</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is unreadable: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel: вашу базу карт «%1» не удаётся прочитать: %2 Она отложена как «%3», и создана новая копия из «%4».
</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: no space left on the disk that holds &quot;%2&quot; (%3 kB free, %4 kB needed). Make room there and start the game again.</source>
        <translation>Не удаётся создать вашу базу карт «%1»: на диске с «%2» нет места (свободно %3 КБ, нужно %4 КБ). Освободите место и запустите игру снова.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made from &quot;%2&quot;: %3.</source>
        <translation>Не удаётся создать вашу базу карт «%1» из «%2»: %3.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: &quot;%2&quot; is a file, not a folder.</source>
        <translation>Не удаётся создать папку «%1» для вашей базы карт: «%2» — файл, а не папка.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: %2.</source>
        <translation>Не удаётся создать папку «%1» для вашей базы карт: %2.</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>на диске нет места</translation>
    </message>
    <message>
        <source>Your card database has no folder: neither XDG_DATA_HOME nor HOME names one, and your account has no home folder.</source>
        <translation>У вашей базы карт нет папки: ни XDG_DATA_HOME, ни HOME её не указывают, а у вашей учётной записи нет домашней папки.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be opened: no space left on the disk that holds &quot;%2&quot; (%3 kB free). Make room there and start the game again.</source>
        <translation>Не удаётся открыть вашу базу карт «%1»: на диске с «%2» нет места (свободно %3 КБ). Освободите место и запустите игру снова.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be read: %2</source>
        <translation>Не удаётся прочитать вашу базу карт «%1»: %2</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; is damaged (%2) and cannot be set aside as &quot;%3&quot;: %4.</source>
        <translation>Ваша база карт «%1» повреждена (%2), и её не удаётся отложить как «%3»: %4.</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: %2.</source>
        <translation>Не удаётся создать вашу базу карт «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Hint frame</source>
        <translation>Рамка подсказки</translation>
    </message>
    <message>
        <source>Hint: card %1 on square %2</source>
        <translation>Подсказка: карта %1 на клетку %2</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Games on the local network cannot be listed, because no Avahi daemon is running on this computer. Type the host&apos;s address instead.</source>
        <translation>Игры в локальной сети нельзя показать, потому что на этом компьютере не запущена служба Avahi. Введите адрес хоста.</translation>
    </message>
    <message>
        <source>Type the host&apos;s address, such as 192.168.1.20 or mirela-pc.local.</source>
        <translation>Введите адрес хоста, например 192.168.1.20 или mirela-pc.local.</translation>
    </message>
    <message>
        <source>An address in brackets needs its closing bracket.</source>
        <translation>У адреса в квадратных скобках нет закрывающей скобки.</translation>
    </message>
    <message>
        <source>After the bracketed address only a colon and a port may follow.</source>
        <translation>После адреса в скобках допускаются только двоеточие и порт.</translation>
    </message>
    <message>
        <source>Brackets hold an IPv6 address.</source>
        <translation>В квадратных скобках указывается адрес IPv6.</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535.</source>
        <translation>Порт — это число от 1 до 65535.</translation>
    </message>
    <message>
        <source>“%1” is neither an address nor a computer&apos;s name.</source>
        <translation>«%1» — это не адрес и не имя компьютера.</translation>
    </message>
    <message>
        <source>The other game sent a message that cannot be read. The network match is over.</source>
        <translation>Другая игра прислала сообщение, которое невозможно прочитать. Сетевая партия окончена.</translation>
    </message>
    <message>
        <source>The other game sent a message that is too large. The network match is over.</source>
        <translation>Другая игра прислала слишком большое сообщение. Сетевая партия окончена.</translation>
    </message>
    <message>
        <source>The other game is another version of Quorvel. Both players need the same version to play together.</source>
        <translation>Другая игра — это другая версия Quorvel. Чтобы играть вместе, обоим игрокам нужна одна и та же версия.</translation>
    </message>
    <message>
        <source>The other game sent a message out of turn. The network match is over.</source>
        <translation>Другая игра прислала сообщение не в свою очередь. Сетевая партия окончена.</translation>
    </message>
    <message>
        <source>The other game sent a move that the rules do not allow. The network match is over.</source>
        <translation>Другая игра прислала ход, который запрещён правилами. Сетевая партия окончена.</translation>
    </message>
    <message>
        <source>The two games have different card lists. Both players need the same version of Quorvel to play together.</source>
        <translation>У двух игр разные списки карт. Чтобы играть вместе, обоим игрокам нужна одна и та же версия Quorvel.</translation>
    </message>
    <message>
        <source>The host is already playing with someone else.</source>
        <translation>Хост уже играет с кем-то другим.</translation>
    </message>
    <message>
        <source>%1 has not answered for too long. The network match is over.</source>
        <translation>%1 слишком долго не отвечает. Сетевая партия окончена.</translation>
    </message>
    <message>
        <source>The other game has not answered for too long. The network match is over.</source>
        <translation>Другая игра слишком долго не отвечает. Сетевая партия окончена.</translation>
    </message>
    <message>
        <source>The other game sent far too many messages. The network match is over.</source>
        <translation>Другая игра прислала слишком много сообщений. Сетевая партия окончена.</translation>
    </message>
    <message>
        <source>The join code is wrong. Check it with the host and try again.</source>
        <translation>Неверный код подключения. Сверьте его с хостом и попробуйте снова.</translation>
    </message>
    <message>
        <source>The program at this address is not a Quorvel game that can be joined.</source>
        <translation>Программа по этому адресу — не игра Quorvel, к которой можно подключиться.</translation>
    </message>
    <message>
        <source>No game answers at this address. Check the address and that the host is waiting for a player.</source>
        <translation>По этому адресу ни одна игра не отвечает. Проверьте адрес и то, что хост ждёт игрока.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost. The network match is over.</source>
        <translation>Связь с %1 потеряна. Сетевая партия окончена.</translation>
    </message>
    <message>
        <source>The connection to the other game was lost. The network match is over.</source>
        <translation>Связь с другой игрой потеряна. Сетевая партия окончена.</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 покинул игру.</translation>
    </message>
    <message>
        <source>The other player has left the game.</source>
        <translation>Другой игрок покинул игру.</translation>
    </message>
    <message>
        <source>The other game heard nothing from this game for too long. The network match is over.</source>
        <translation>Другая игра слишком долго ничего не получала от этой игры. Сетевая партия окончена.</translation>
    </message>
    <message>
        <source>The other game could not accept a message from this game. The network match is over.</source>
        <translation>Другая игра не смогла принять сообщение от этой игры. Сетевая партия окончена.</translation>
    </message>
    <message>
        <source>Someone tried to join with a wrong code and was turned away.</source>
        <translation>Кто-то попытался подключиться с неверным кодом и получил отказ.</translation>
    </message>
    <message>
        <source>A second player tried to join and was turned away.</source>
        <translation>Второй игрок попытался подключиться и получил отказ.</translation>
    </message>
    <message>
        <source>A program that is not a Quorvel game tried to connect and was turned away.</source>
        <translation>Программа, не являющаяся игрой Quorvel, попыталась подключиться и получила отказ.</translation>
    </message>
    <message>
        <source>A player with another version of Quorvel tried to join and was turned away.</source>
        <translation>Игрок с другой версией Quorvel попытался подключиться и получил отказ.</translation>
    </message>
    <message>
        <source>A player with a different card list tried to join and was turned away.</source>
        <translation>Игрок с другим списком карт попытался подключиться и получил отказ.</translation>
    </message>
    <message>
        <source>A connection that did not introduce itself in time was closed.</source>
        <translation>Соединение, которое не представилось вовремя, закрыто.</translation>
    </message>
    <message>
        <source>A connection that broke the rules of the conversation was closed.</source>
        <translation>Соединение, нарушившее правила обмена, закрыто.</translation>
    </message>
    <message>
        <source>The network match needs OpenSSL, which could not be loaded.</source>
        <translation>Для сетевой партии нужен OpenSSL, но его не удалось загрузить.</translation>
    </message>
    <message>
        <source>The game cannot wait for a player on port %1: %2</source>
        <translation>Игра не может ждать игрока на порту %1: %2</translation>
    </message>
    <message>
        <source>A join code has no “%1”: it uses the digits 2 to 9 and the letters other than I and O.</source>
        <translation>В коде подключения нет «%1»: он состоит из цифр от 2 до 9 и букв, кроме I и O.</translation>
    </message>
    <message>
        <source>A join code has ten letters and digits, such as K7QF-9M2T-XW.</source>
        <translation>Код подключения состоит из десяти букв и цифр, например K7QF-9M2T-XW.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>Изображение «%1» не найдено.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>Изображение «%1» пустое.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be loaded: %2</source>
        <translation>Не удаётся загрузить изображение «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Choose 5 cards
then press Done</source>
        <extracomment>Painted on the selection window&apos;s prompt in two lines: the first large (room for about 180 x 36 pixels), the second small (180 x 19). Keep the line break.</extracomment>
        <translation>Выберите 5 карт
и нажмите «Готово»</translation>
    </message>
    <message>
        <source>Player %1 begins</source>
        <extracomment>Painted on the plaque that shows who places the first card, 190 x 55 pixels of room; %1 is the player&apos;s number, 1 or 2.</extracomment>
        <translation>Начинает игрок %1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>The headings above the options window&apos;s name boxes (room for 288 x 32 pixels), and the plates of the main and selection windows that name each player&apos;s colour (121 x 29 pixels); %1 is 1 or 2.</extracomment>
        <translation>Игрок %1</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>The heading of the options window&apos;s choice of rules, painted between two gold lines (room for 288 x 29 pixels).</extracomment>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <extracomment>An option of the options window, right of its mark (room for 214 x 27 pixels).</extracomment>
        <translation>Открытая рука</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Закрытая рука</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Базовые правила</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>Базовые правила с комбо</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <extracomment>The heading of the results window, painted above a gold line (room for 431 x 38 pixels).</extracomment>
        <translation>Итоги игры</translation>
    </message>
    <message>
        <source>a duel of cards for two</source>
        <extracomment>The splash window&apos;s line under the game&apos;s name (room for 430 x 30 pixels).</extracomment>
        <translation>карточная дуэль для двоих</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>A button of the options, message, results, statistics and help windows, and of the selection windows; painted on a face of 87 x 19 pixels.</extracomment>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of the main and options windows (87 x 19 pixels).</extracomment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>The heading of the statistics window, painted above a short gold line (room for 520 x 40 pixels).</extracomment>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The statistics window&apos;s button that asks to empty the record of matches (87 x 19 pixels).</extracomment>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The statistics window&apos;s button that confirms emptying the record of matches (87 x 19 pixels).</extracomment>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The statistics window&apos;s button that keeps the record of matches after all (87 x 19 pixels).</extracomment>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The button of the network windows that gives up waiting for or joining a game (87 x 19 pixels).</extracomment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join window&apos;s button that connects to the host (87 x 19 pixels).</extracomment>
        <translation>Войти</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Options of the window system (Qt):</source>
        <translation>Параметры оконной системы (Qt):</translation>
    </message>
    <message>
        <source>cannot show its windows: no display is set (the DISPLAY environment variable is empty).</source>
        <translation>не может показать свои окна: дисплей не задан (переменная окружения DISPLAY пуста).</translation>
    </message>
    <message>
        <source>cannot show its windows: the display &quot;%1&quot; cannot be reached.</source>
        <translation>не может показать свои окна: дисплей «%1» недоступен.</translation>
    </message>
    <message>
        <source>cannot show its windows: there is no window system &quot;%1&quot; (there are: %2).</source>
        <translation>не может показать свои окна: оконной системы «%1» нет (есть: %2).</translation>
    </message>
    <message>
        <source>cannot show its windows through &quot;%1&quot;: %2</source>
        <translation>не может показать свои окна через «%1»: %2</translation>
    </message>
</context>
<context>
    <name>PlayRules</name>
    <message>
        <source>Player %1&apos;s score overflows a 16-bit integer (%2 + %3).</source>
        <translation>Очки игрока %1 не помещаются в 16-битное целое (%2 + %3).</translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>%1 failed in the card database &quot;%2&quot;: %3</source>
        <translation>Ошибка в базе карт «%2» (%1): %3</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; does not exist.</source>
        <translation>База карт «%1» не существует.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be read.</source>
        <translation>Не удаётся прочитать базу карт «%1».</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is read-only; the game keeps its cards in it and must be able to write it.</source>
        <translation>База карт «%1» доступна только для чтения; игра хранит в ней свои карты и должна иметь возможность записи.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is empty.</source>
        <translation>База карт «%1» пуста.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; of the card database is read-only; the game keeps its log of changes beside the database and must be able to write there.</source>
        <translation>Папка «%1» базы карт доступна только для чтения; игра хранит журнал изменений рядом с базой и должна иметь возможность записи туда.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be opened: %2</source>
        <translation>Не удаётся открыть базу карт «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card database: %2</source>
        <translation>«%1» не является базой карт: %2</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be written (is its folder read-only?): %2</source>
        <translation>Не удаётся записать базу карт «%1» (её папка только для чтения?): %2</translation>
    </message>
    <message>
        <source>Setting up</source>
        <translation>подготовка</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>сохранение</translation>
    </message>
    <message>
        <source>Starting a save</source>
        <translation>начало сохранения</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened: the card database is not open.</source>
        <translation>Не удаётся открыть таблицу %1: база карт не открыта.</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened in the card database &quot;%2&quot;: %3</source>
        <translation>Не удаётся открыть таблицу %1 в базе карт «%2»: %3</translation>
    </message>
    <message>
        <source>Table %1 is not open.</source>
        <translation>Таблица %1 не открыта.</translation>
    </message>
    <message>
        <source>Table %1: the search &quot;%2&quot; cannot be understood.</source>
        <translation>Таблица %1: непонятный поиск «%2».</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>В таблице %1 базы карт нет поля %2.</translation>
    </message>
    <message>
        <source>Table %1: no current record for field %2 (the record searched for was not found).</source>
        <translation>Таблица %1: нет текущей записи для поля %2 (искомая запись не найдена).</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds &quot;%4&quot; where a number belongs.</source>
        <translation>Таблица %1, запись %2: в поле %3 стоит «%4» вместо числа.</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4, beyond a 16-bit integer.</source>
        <translation>Таблица %1, запись %2: в поле %3 стоит %4, больше 16-битного целого.</translation>
    </message>
    <message>
        <source>Table %1 is read-only; field %2 cannot be written.</source>
        <translation>Таблица %1 доступна только для чтения; поле %2 не записать.</translation>
    </message>
    <message>
        <source>Saving a record of table %1</source>
        <translation>сохранение записи таблицы %1</translation>
    </message>
    <message>
        <source>Table %1: record %2 disappeared from the card database.</source>
        <translation>Таблица %1: запись %2 исчезла из базы карт.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>not a rich-text document</source>
        <translation>это не документ RTF</translation>
    </message>
    <message>
        <source>the document ends before all its groups are closed</source>
        <translation>документ кончается раньше, чем закрыты все его группы</translation>
    </message>
    <message>
        <source>the document holds no text</source>
        <translation>в документе нет текста</translation>
    </message>
    <message>
        <source>groups are nested more than %1 deep</source>
        <translation>группы вложены глубже %1 уровней</translation>
    </message>
    <message>
        <source>the document text is cut off at 8 MB</source>
        <translation>текст документа обрезан на 8 МБ</translation>
    </message>
    <message>
        <source>the braces of the document do not balance</source>
        <translation>фигурные скобки документа не сбалансированы</translation>
    </message>
    <message>
        <source>the document is cut off at %1 paragraphs</source>
        <translation>документ обрезан после %1 абзацев</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>The card database has no table %1 (%2).</source>
        <translation>В базе карт нет таблицы %1 (%2).</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>В таблице %1 базы карт нет поля %2.</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4 where a whole number from -32768 to 32767 belongs.</source>
        <translation>Таблица %1, запись %2: в поле %3 стоит %4 вместо целого числа от -32768 до 32767.</translation>
    </message>
    <message>
        <source>Table AllCards: the card with fldAutoNumber %1 has fldID 0, which marks an empty slot.</source>
        <translation>Таблица AllCards: у карты с fldAutoNumber %1 стоит fldID 0, что обозначает пустое место.</translation>
    </message>
    <message>
        <source>Table AllCards has no card with fldAutoNumber %1 (it must hold one card for every number from 1 to %2).</source>
        <translation>В таблице AllCards нет карты с fldAutoNumber %1 (в ней должна быть карта для каждого числа от 1 до %2).</translation>
    </message>
    <message>
        <source>Table %1: the record of slot %2 is out of order (records must lie in ascending order of fldLocation).</source>
        <translation>Таблица %1: запись места %2 стоит не по порядку (записи должны идти по возрастанию fldLocation).</translation>
    </message>
    <message>
        <source>The card database cannot be read: %1</source>
        <translation>Не удаётся прочитать базу карт: %1</translation>
    </message>
    <message>
        <source>Table %1 of the card database has a trigger (&quot;%2&quot;); the game&apos;s tables must take its writes as they are.</source>
        <translation>У таблицы %1 базы карт есть триггер («%2»); таблицы игры должны принимать её записи без изменений.</translation>
    </message>
    <message>
        <source>%1 (card %2 of AllCards)</source>
        <translation>%1 (карта %2 из AllCards)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>Изображение «%1» не найдено.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2.</source>
        <translation>Не удаётся прочитать изображение «%1»: %2.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>Изображение «%1» не обычный файл (это папка).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>Изображение «%1» не обычный файл (это канал).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>Изображение «%1» не обычный файл (это сокет).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>Изображение «%1» не обычный файл (это устройство).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>Правила игры «%1» не найдены.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2.</source>
        <translation>Не удаётся прочитать правила игры «%1»: %2.</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>Правила игры «%1» не обычный файл (это папка).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>Правила игры «%1» не обычный файл (это канал).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>Правила игры «%1» не обычный файл (это сокет).</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>Правила игры «%1» не обычный файл (это устройство).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read.</source>
        <translation>Не удаётся прочитать изображение «%1».</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>Изображение «%1» пустое.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture (JPEG or GIF).</source>
        <translation>Файл «%1» не изображение (JPEG или GIF).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is truncated.</source>
        <translation>Изображение «%1» обрезано.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read as a picture: %2</source>
        <translation>Не удаётся прочитать «%1» как изображение: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to load (%2 x %3 pixels).</source>
        <translation>Изображение «%1» слишком велико для загрузки (%2 × %3 пикселей).</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Не удаётся открыть файл блокировки «%1»: %2.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is not a regular file; remove it and start again.</source>
        <translation>Файл блокировки «%1» не обычный файл; удалите его и запустите игру снова.</translation>
    </message>
    <message>
        <source>Quorvel is already running with the card database &quot;%1&quot;; only one game can use it at a time.</source>
        <translation>Quorvel уже запущен с базой карт «%1»; ею может пользоваться только одна игра одновременно.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Не удаётся прочитать файл.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Файл пуст.</translation>
    </message>
    <message>
        <source>Table %1 has no record for slot %2 (fldLocation = %2).</source>
        <translation>В таблице %1 нет записи для места %2 (fldLocation = %2).</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A card game for two players who share one screen and one mouse.</source>
        <translation>Карточная игра для двоих игроков за одним экраном с одной мышью.</translation>
    </message>
    <message>
        <source>Let the computer play player 2 at &lt;level&gt;: easy, normal or hard.</source>
        <translation>Компьютер играет за игрока 2 на уровне &lt;уровень&gt;: easy (лёгкий), normal (средний) или hard (сложный).</translation>
    </message>
    <message>
        <source>level</source>
        <extracomment>The value of --computer in the help text, as in &quot;--computer &lt;level&gt;&quot;.</extracomment>
        <translation>уровень</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.
</source>
        <translation>Параметры покажет «%1 --help».
</translation>
    </message>
    <message>
        <source>%1: unexpected argument &quot;%2&quot;; the game takes no file names.
%3</source>
        <translation>%1: неожиданный аргумент «%2»; игра не принимает имена файлов.
%3</translation>
    </message>
    <message>
        <source>%1: --computer takes easy, normal or hard, not &quot;%2&quot;
%3</source>
        <translation>%1: --computer принимает easy, normal или hard, а не «%2»
%3</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Адрес: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Порт: %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>Код подключения: %1</translation>
    </message>
    <message>
        <source>Wait for a player on another computer, listening on &lt;port&gt; (47107 if none is given); the addresses, port and join code are also printed here.</source>
        <translation>Ждать игрока на другом компьютере, слушая &lt;порт&gt; (47107, если он не указан); адреса, порт и код подключения также выводятся здесь.</translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The value of --host in the help text, as in &quot;--host[=&lt;port&gt;]&quot;.</extracomment>
        <translation>порт</translation>
    </message>
    <message>
        <source>Join the game of a player on another computer at &lt;address&gt; (with :port if it is not 47107); the join code is asked for.</source>
        <translation>Присоединиться к игре игрока на другом компьютере по &lt;адрес&gt; (с :порт, если порт не 47107); код подключения будет запрошен.</translation>
    </message>
    <message>
        <source>address</source>
        <extracomment>The value of --join in the help text, as in &quot;--join &lt;address&gt;&quot;.</extracomment>
        <translation>адрес</translation>
    </message>
    <message>
        <source>%1: only one of --computer, --host and --join can be given.
%2</source>
        <translation>%1: можно указать только один из параметров --computer, --host и --join.
%2</translation>
    </message>
    <message>
        <source>%1: --host takes a port from 1 to 65535, not &quot;%2&quot;
%3</source>
        <translation>%1: --host принимает порт от 1 до 65535, а не «%2»
%3</translation>
    </message>
    <message>
        <source>%1: --join takes the host&apos;s address, not &quot;%2&quot;: %3
%4</source>
        <translation>%1: --join принимает адрес хоста, а не «%2»: %3
%4</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>Computer (easy)</source>
        <translation>Компьютер (лёгкий)</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>Компьютер (средний)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Компьютер (сложный)</translation>
    </message>
    <message>
        <source>A person</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>A person (network)</source>
        <translation>Человек (по сети)</translation>
    </message>
</context>
</TS>
