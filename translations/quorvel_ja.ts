<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CardEdges</name>
    <message>
        <source>north %1, east %2, south %3, west %4</source>
        <extracomment>A card&apos;s four edge values as a screen reader speaks them.</extracomment>
        <translation>上 %1、右 %2、下 %3、左 %4</translation>
    </message>
</context>
<context>
    <name>ComputerChoice</name>
    <message>
        <source>Computer (easy)</source>
        <translation>CPU（やさしい）</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>CPU（ふつう）</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>CPU（つよい）</translation>
    </message>
    <message>
        <source>Host a game on the network…</source>
        <translation>ネットワークでゲームを開く…</translation>
    </message>
    <message>
        <source>Join a game on the network…</source>
        <translation>ネットワークのゲームに参加…</translation>
    </message>
</context>
<context>
    <name>Fatal</name>
    <message>
        <source>Quorvel cannot continue.

%1</source>
        <translation>Quorvel を続けられません。

%1</translation>
    </message>
    <message>
        <source>Quorvel: fatal error: %1
</source>
        <translation>Quorvel: 致命的なエラー: %1
</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Window %1 is already shown modally.</source>
        <translation>ウィンドウ %1 はすでにモーダルで表示されています。</translation>
    </message>
</context>
<context>
    <name>FrmHelp</name>
    <message>
        <source>Quorvel  -  Help</source>
        <translation>Quorvel  -  ヘルプ</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール説明</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>決定</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>ルール説明「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2</source>
        <translation>ルール説明「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be shown: %2</source>
        <translation>ルール説明「%1」を表示できません: %2</translation>
    </message>
    <message>
        <source>Quorvel help</source>
        <translation>Quorvel ヘルプ</translation>
    </message>
</context>
<context>
    <name>FrmHostGame</name>
    <message>
        <source>Quorvel  -  Host a game</source>
        <translation>Quorvel  -  ゲームを開く</translation>
    </message>
    <message>
        <source>Waiting for a player</source>
        <translation>プレイヤーを待っています</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>参加コード</translation>
    </message>
    <message>
        <source>Players on this network see the game as &quot;%1&quot;.</source>
        <translation>このネットワークのプレイヤーには「%1」として表示されます。</translation>
    </message>
    <message>
        <source>Tell the other player one of these addresses and the join code.</source>
        <translation>これらのアドレスのどれかと参加コードを相手に伝えてください。</translation>
    </message>
    <message>
        <source>Host a game on the network</source>
        <translation>ネットワークでゲームを開く</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>アドレス: %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>参加コード: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>FrmJoinGame</name>
    <message>
        <source>Quorvel  -  Join a game</source>
        <translation>Quorvel  -  ゲームに参加</translation>
    </message>
    <message>
        <source>Join a game on the network</source>
        <translation>ネットワークのゲームに参加</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>参加コード</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>あなたの名前</translation>
    </message>
    <message>
        <source>Games on the local network</source>
        <translation>ローカルネットワークのゲーム</translation>
    </message>
    <message>
        <source>Type the host&apos;s address and the join code it shows, or choose a game above.</source>
        <translation>ホストのアドレスと、ホストに表示された参加コードを入力するか、上のゲームを選んでください。</translation>
    </message>
    <message>
        <source>No game found yet.</source>
        <translation>まだゲームが見つかりません。</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Type your name as the host will see it.</source>
        <translation>ホストに表示されるあなたの名前を入力してください。</translation>
    </message>
    <message>
        <source>Joining the game at %1…</source>
        <translation>%1 のゲームに参加しています…</translation>
    </message>
    <message>
        <source>The host&apos;s address, with a colon and the port if it is not the usual one.</source>
        <translation>ホストのアドレス。通常と違うポートなら、コロンとポート番号を付けます。</translation>
    </message>
    <message>
        <source>The ten letters and digits the host shows.</source>
        <translation>ホストに表示される 10 文字の英数字です。</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>参加</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>手札が配られました。%1 の先攻です。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a placement (a capture, whose turn it is).</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Get ready for the next hand</source>
        <translation>次のハンドへ</translation>
    </message>
    <message>
        <source>Round %1 cannot be recorded: a match has rounds 1 to 5.</source>
        <translation>ラウンド %1 を記録できません: マッチのラウンドは 1 から 5 までです。</translation>
    </message>
    <message>
        <source>%1 won this round.  Ready for next round</source>
        <translation>%1 がこのラウンドに勝ちました。  次のラウンドへ</translation>
    </message>
    <message>
        <source>A match total overflows a 16-bit integer.</source>
        <translation>マッチの合計が 16 ビット整数の範囲を超えました。</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
 wins with %2</source>
        <extracomment>The message ending a match: the winner&apos;s name, a line break, the winner&apos;s total.</extracomment>
        <translation>%1<byte value="xd"/>
 %2 点で勝利</translation>
    </message>
    <message>
        <source>Square %1, empty</source>
        <translation>マス %1、空き</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>プレイヤー1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>プレイヤー2</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>%1 の先攻</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Show statistics</source>
        <translation>統計を表示</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Not your turn.</source>
        <translation>あなたの番ではありません。</translation>
    </message>
    <message>
        <source>Not your card.</source>
        <translation>あなたのカードではありません。</translation>
    </message>
    <message>
        <source>Card %1 is played.</source>
        <translation>カード %1 は出ています。</translation>
    </message>
    <message>
        <source>Square %1 is taken.</source>
        <translation>マス %1 は埋まっています。</translation>
    </message>
    <message>
        <source>%1 to play.</source>
        <translation>%1 の番です。</translation>
    </message>
    <message>
        <source>Score %1 to %2.</source>
        <translation>得点 %1 対 %2。</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Square %1, red card, %2</source>
        <translation>マス %1、赤のカード、%2</translation>
    </message>
    <message>
        <source>Square %1, blue card, %2</source>
        <translation>マス %1、青のカード、%2</translation>
    </message>
    <message>
        <source>%1, card %2, face down</source>
        <translation>%1、カード %2、裏向き</translation>
    </message>
    <message>
        <source>%1, card %2, played</source>
        <translation>%1、カード %2、出し済み</translation>
    </message>
    <message>
        <source>%1, card %2, %3</source>
        <translation>%1、カード %2、%3</translation>
    </message>
    <message>
        <source>Card %1, face down.</source>
        <translation>カード %1、裏向き。</translation>
    </message>
    <message>
        <source>Card %1, %2.</source>
        <translation>カード %1、%2。</translation>
    </message>
    <message>
        <source>%1 placed on square %2.</source>
        <translation>%1 がマス %2 に置きました。</translation>
    </message>
    <message>
        <source>Placed on square %1.</source>
        <translation>マス %1 に置きました。</translation>
    </message>
    <message>
        <source>Took square %1.</source>
        <translation>マス %1 を奪いました。</translation>
    </message>
    <message>
        <source>Took squares %1.</source>
        <translation>マス %1 を奪いました。</translation>
    </message>
    <message>
        <source>No card to place.</source>
        <translation>置くカードがありません。</translation>
    </message>
    <message>
        <source>Pick a card first.</source>
        <translation>先にカードを選んでください。</translation>
    </message>
    <message>
        <source>Your cards are still face down.</source>
        <translation>あなたのカードはまだ裏向きです。</translation>
    </message>
    <message>
        <source>%1, frame of card %2</source>
        <translation>%1、カード %2 の枠</translation>
    </message>
    <message>
        <source>Player 1, red, %1</source>
        <translation>プレイヤー 1、赤、%1</translation>
    </message>
    <message>
        <source>Player 2, blue, %1</source>
        <translation>プレイヤー 2、青、%1</translation>
    </message>
    <message>
        <source>Score of %1, %2</source>
        <translation>%1 の得点、%2</translation>
    </message>
    <message>
        <source>%1, round light %2, lit</source>
        <translation>%1、ラウンドランプ %2、点灯</translation>
    </message>
    <message>
        <source>%1, round light %2, not lit</source>
        <translation>%1、ラウンドランプ %2、消灯</translation>
    </message>
    <message>
        <source>Hints are given only against the computer.</source>
        <translation>ヒントはコンピューター対戦でのみ出ます。</translation>
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
        <translation>次のラウンドへ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>決定</translation>
    </message>
    <message>
        <source>Close this message first.</source>
        <translation>先にこのメッセージを閉じてください。</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <translation>手札公開</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <translation>手札非公開</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <translation>基本ルール</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <translation>基本コンボルール</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>決定</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>プレイヤー 1 の名前</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>プレイヤー 2 の名前</translation>
    </message>
    <message>
        <source>Has a list of the computer&apos;s levels and of network games, opened with Alt+Down.</source>
        <translation>コンピューターのレベルとネットワークゲームの一覧があります。Alt+下 で開きます。</translation>
    </message>
</context>
<context>
    <name>FrmPlayer</name>
    <message>
        <source>Quorvel  -  Player 1</source>
        <translation>Quorvel  -  プレイヤー1</translation>
    </message>
    <message>
        <source>Quorvel  -  Player 2</source>
        <translation>Quorvel  -  プレイヤー2</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>プレイヤー1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>プレイヤー2</translation>
    </message>
    <message>
        <source>You must select 5 cards to play</source>
        <translation>カードを5枚選んでください</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done</source>
        <translation>カードを 5 枚選んで「決定」を押してください</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>決定</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done.</source>
        <translation>カードを 5 枚選んで、決定を押してください。</translation>
    </message>
    <message>
        <source>The cards are still face down.</source>
        <translation>カードはまだ裏向きです。</translation>
    </message>
    <message>
        <source>5 cards are marked. Unmark one first.</source>
        <translation>5 枚に印が付いています。先に 1 枚外してください。</translation>
    </message>
    <message>
        <source>5 cards marked, press Done.</source>
        <translation>5 枚に印、決定を押してください。</translation>
    </message>
    <message>
        <source>1 card marked, 4 to go.</source>
        <translation>1 枚に印、あと 4 枚。</translation>
    </message>
    <message>
        <source>No card marked.</source>
        <translation>印の付いたカードはありません。</translation>
    </message>
    <message>
        <source>%1 cards marked, %2 to go.</source>
        <translation>%1 枚に印、あと %2 枚。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a mark: which card, then how many are marked.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Card %1 marked.</source>
        <translation>カード %1 に印を付けました。</translation>
    </message>
    <message>
        <source>Card %1 unmarked.</source>
        <translation>カード %1 の印を外しました。</translation>
    </message>
    <message>
        <source>Card %1, face down</source>
        <translation>カード %1、裏向き</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>カード %1、%2</translation>
    </message>
    <message>
        <source>The computer is choosing its cards.</source>
        <translation>コンピューターがカードを選んでいます。</translation>
    </message>
    <message>
        <source>Player 1, %1</source>
        <translation>プレイヤー 1、%1</translation>
    </message>
    <message>
        <source>Player 2, %1</source>
        <translation>プレイヤー 2、%1</translation>
    </message>
    <message>
        <source>Frame of card %1</source>
        <translation>カード %1 の枠</translation>
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
        <translation>Quorvel  -  統計</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>相手</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>勝ち</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>負け</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>ラウンド</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>ハンド</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>得点</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>連勝</translation>
    </message>
    <message>
        <source>Clear the record</source>
        <translation>記録を消去</translation>
    </message>
    <message>
        <source>Reset the record</source>
        <translation>記録をリセット</translation>
    </message>
    <message>
        <source>Keep the record</source>
        <translation>記録を残す</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>決定</translation>
    </message>
    <message>
        <source>%1: nothing played yet.</source>
        <translation>%1：まだ対戦がありません。</translation>
    </message>
    <message>
        <source>%1: %2 matches won, %3 lost; rounds %4 won, %5 lost; hands %6 won, %7 lost, %8 drawn; points %9 for, %10 against; longest winning streak %11.</source>
        <translation>%1：マッチ %2 勝 %3 敗、ラウンド %4 勝 %5 敗、ハンド %6 勝 %7 敗 %8 分、得点 %9、失点 %10、最長連勝 %11。</translation>
    </message>
    <message>
        <source>Statistics.</source>
        <translation>統計。</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <comment>yours and the opponent&apos;s</comment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Clear the whole record of matches? This cannot be undone.</source>
        <translation>マッチの記録をすべて消去しますか？元に戻せません。</translation>
    </message>
    <message>
        <source>The record cannot be kept: %1</source>
        <translation>記録を保存できません：%1</translation>
    </message>
    <message>
        <source>Rounds, hands and points: yours, then your opponent&apos;s. Streak: the most matches won in a row.</source>
        <translation>ラウンド・ハンド・得点：あなた、次に相手。連勝：続けて勝ったマッチの最多数。</translation>
    </message>
    <message>
        <source>The record has been cleared.</source>
        <translation>記録を消去しました。</translation>
    </message>
    <message>
        <source>The record has been kept.</source>
        <translation>記録はそのままです。</translation>
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
        <translation>ラウンド %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>決定</translation>
    </message>
    <message>
        <source>Against %1: %2 won, %3 lost</source>
        <translation>%1 との対戦：%2 勝 %3 敗</translation>
    </message>
    <message>
        <source>%1. Shows the statistics.</source>
        <translation>%1。統計を表示します。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences of the results read out: a name, each round, the total.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>Round %1, %2.</source>
        <translation>ラウンド %1、%2。</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>合計 %1。</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>The installed card database &quot;%1&quot; cannot be read: %2</source>
        <translation>インストールされたカードデータベース「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>The installed card database &quot;%1&quot; is damaged: %2</source>
        <translation>インストールされたカードデータベース「%1」が壊れています: %2</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is damaged: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel: カードデータベース「%1」が壊れています: %2 「%3」として退避し、「%4」から新しいコピーを作成しました。
</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is unreadable: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel: カードデータベース「%1」を読み込めません: %2 「%3」として退避し、「%4」から新しいコピーを作成しました。
</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: no space left on the disk that holds &quot;%2&quot; (%3 kB free, %4 kB needed). Make room there and start the game again.</source>
        <translation>カードデータベース「%1」を作成できません: 「%2」のあるディスクに空きがありません（空き %3 kB、必要 %4 kB）。空きを作ってからゲームを起動し直してください。</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made from &quot;%2&quot;: %3.</source>
        <translation>「%2」からカードデータベース「%1」を作成できません: %3。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: &quot;%2&quot; is a file, not a folder.</source>
        <translation>カードデータベース用のフォルダー「%1」を作成できません: 「%2」はフォルダーではなくファイルです。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: %2.</source>
        <translation>カードデータベース用のフォルダー「%1」を作成できません: %2。</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>ディスクに空きがありません</translation>
    </message>
    <message>
        <source>Your card database has no folder: neither XDG_DATA_HOME nor HOME names one, and your account has no home folder.</source>
        <translation>カードデータベースのフォルダーがありません: XDG_DATA_HOME も HOME も指定されておらず、アカウントにホームフォルダーもありません。</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be opened: no space left on the disk that holds &quot;%2&quot; (%3 kB free). Make room there and start the game again.</source>
        <translation>カードデータベース「%1」を開けません: 「%2」のあるディスクに空きがありません（空き %3 kB）。空きを作ってからゲームを起動し直してください。</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be read: %2</source>
        <translation>カードデータベース「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; is damaged (%2) and cannot be set aside as &quot;%3&quot;: %4.</source>
        <translation>カードデータベース「%1」が壊れていて（%2）、「%3」として退避できません: %4。</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: %2.</source>
        <translation>カードデータベース「%1」を作成できません: %2。</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Hint frame</source>
        <translation>ヒントの枠</translation>
    </message>
    <message>
        <source>Hint: card %1 on square %2</source>
        <translation>ヒント：カード %1 をマス %2 へ</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Games on the local network cannot be listed, because no Avahi daemon is running on this computer. Type the host&apos;s address instead.</source>
        <translation>Avahi サービスが動いていないため、LAN 内のゲームを一覧にできません。ホストのアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Type the host&apos;s address, such as 192.168.1.20 or mirela-pc.local.</source>
        <translation>ホストのアドレスを入力してください（例: 192.168.1.20 や mirela-pc.local）。</translation>
    </message>
    <message>
        <source>An address in brackets needs its closing bracket.</source>
        <translation>角かっこで囲んだアドレスに閉じかっこがありません。</translation>
    </message>
    <message>
        <source>After the bracketed address only a colon and a port may follow.</source>
        <translation>かっこで囲んだアドレスの後には、コロンとポート番号しか続けられません。</translation>
    </message>
    <message>
        <source>Brackets hold an IPv6 address.</source>
        <translation>角かっこで囲むのは IPv6 アドレスです。</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535.</source>
        <translation>ポートは 1 から 65535 までの数です。</translation>
    </message>
    <message>
        <source>“%1” is neither an address nor a computer&apos;s name.</source>
        <translation>「%1」はアドレスでもコンピューター名でもありません。</translation>
    </message>
    <message>
        <source>The other game sent a message that cannot be read. The network match is over.</source>
        <translation>相手のゲームから読み取れないメッセージが届きました。ネットワークマッチは終了しました。</translation>
    </message>
    <message>
        <source>The other game sent a message that is too large. The network match is over.</source>
        <translation>相手のゲームから大きすぎるメッセージが届きました。ネットワークマッチは終了しました。</translation>
    </message>
    <message>
        <source>The other game is another version of Quorvel. Both players need the same version to play together.</source>
        <translation>相手のゲームは別のバージョンの Quorvel です。一緒に遊ぶには、両方のプレイヤーが同じバージョンを使う必要があります。</translation>
    </message>
    <message>
        <source>The other game sent a message out of turn. The network match is over.</source>
        <translation>相手のゲームから順番外のメッセージが届きました。ネットワークマッチは終了しました。</translation>
    </message>
    <message>
        <source>The other game sent a move that the rules do not allow. The network match is over.</source>
        <translation>相手のゲームからルールで認められていない手が届きました。ネットワークマッチは終了しました。</translation>
    </message>
    <message>
        <source>The two games have different card lists. Both players need the same version of Quorvel to play together.</source>
        <translation>2 つのゲームのカードリストが異なります。一緒に遊ぶには、両方のプレイヤーが同じバージョンの Quorvel を使う必要があります。</translation>
    </message>
    <message>
        <source>The host is already playing with someone else.</source>
        <translation>ホストはすでに別の人と対戦中です。</translation>
    </message>
    <message>
        <source>%1 has not answered for too long. The network match is over.</source>
        <translation>%1 から長い間応答がありません。ネットワークマッチは終了しました。</translation>
    </message>
    <message>
        <source>The other game has not answered for too long. The network match is over.</source>
        <translation>相手のゲームから長い間応答がありません。ネットワークマッチは終了しました。</translation>
    </message>
    <message>
        <source>The other game sent far too many messages. The network match is over.</source>
        <translation>相手のゲームからあまりにも多くのメッセージが届きました。ネットワークマッチは終了しました。</translation>
    </message>
    <message>
        <source>The join code is wrong. Check it with the host and try again.</source>
        <translation>参加コードが違います。ホストに確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The program at this address is not a Quorvel game that can be joined.</source>
        <translation>このアドレスのプログラムは、参加できる Quorvel のゲームではありません。</translation>
    </message>
    <message>
        <source>No game answers at this address. Check the address and that the host is waiting for a player.</source>
        <translation>このアドレスで応答するゲームがありません。アドレスと、ホストがプレイヤーを待っているかを確認してください。</translation>
    </message>
    <message>
        <source>The connection to %1 was lost. The network match is over.</source>
        <translation>%1 との接続が切れました。ネットワークマッチは終了しました。</translation>
    </message>
    <message>
        <source>The connection to the other game was lost. The network match is over.</source>
        <translation>相手のゲームとの接続が切れました。ネットワークマッチは終了しました。</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 がゲームから退出しました。</translation>
    </message>
    <message>
        <source>The other player has left the game.</source>
        <translation>相手のプレイヤーがゲームから退出しました。</translation>
    </message>
    <message>
        <source>The other game heard nothing from this game for too long. The network match is over.</source>
        <translation>相手のゲームは、このゲームから長い間何も受け取っていません。ネットワークマッチは終了しました。</translation>
    </message>
    <message>
        <source>The other game could not accept a message from this game. The network match is over.</source>
        <translation>相手のゲームは、このゲームからのメッセージを受け付けられませんでした。ネットワークマッチは終了しました。</translation>
    </message>
    <message>
        <source>Someone tried to join with a wrong code and was turned away.</source>
        <translation>誰かが間違ったコードで参加しようとしたため、拒否しました。</translation>
    </message>
    <message>
        <source>A second player tried to join and was turned away.</source>
        <translation>2 人目のプレイヤーが参加しようとしたため、拒否しました。</translation>
    </message>
    <message>
        <source>A program that is not a Quorvel game tried to connect and was turned away.</source>
        <translation>Quorvel ではないプログラムが接続しようとしたため、拒否しました。</translation>
    </message>
    <message>
        <source>A player with another version of Quorvel tried to join and was turned away.</source>
        <translation>別のバージョンの Quorvel を使うプレイヤーが参加しようとしたため、拒否しました。</translation>
    </message>
    <message>
        <source>A player with a different card list tried to join and was turned away.</source>
        <translation>別のカードリストを持つプレイヤーが参加しようとしたため、拒否しました。</translation>
    </message>
    <message>
        <source>A connection that did not introduce itself in time was closed.</source>
        <translation>時間内に名乗らなかった接続を閉じました。</translation>
    </message>
    <message>
        <source>A connection that broke the rules of the conversation was closed.</source>
        <translation>通信の決まりに反した接続を閉じました。</translation>
    </message>
    <message>
        <source>The network match needs OpenSSL, which could not be loaded.</source>
        <translation>ネットワークマッチには OpenSSL が必要ですが、読み込めませんでした。</translation>
    </message>
    <message>
        <source>The game cannot wait for a player on port %1: %2</source>
        <translation>ポート %1 でプレイヤーを待つことができません: %2</translation>
    </message>
    <message>
        <source>A join code has no “%1”: it uses the digits 2 to 9 and the letters other than I and O.</source>
        <translation>参加コードに「%1」は含まれません。使うのは 2〜9 の数字と、I と O 以外の英字です。</translation>
    </message>
    <message>
        <source>A join code has ten letters and digits, such as K7QF-9M2T-XW.</source>
        <translation>参加コードは英数字 10 文字です（例: K7QF-9M2T-XW）。</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>画像「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>画像「%1」が空です。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be loaded: %2</source>
        <translation>画像「%1」を読み込めません: %2</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Choose 5 cards
then press Done</source>
        <extracomment>Painted on the selection window&apos;s prompt in two lines: the first large (room for about 180 x 36 pixels), the second small (180 x 19). Keep the line break.</extracomment>
        <translation>カードを5枚選び
「決定」を押してください</translation>
    </message>
    <message>
        <source>Player %1 begins</source>
        <extracomment>Painted on the plaque that shows who places the first card, 190 x 55 pixels of room; %1 is the player&apos;s number, 1 or 2.</extracomment>
        <translation>プレイヤー%1の先攻</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>The headings above the options window&apos;s name boxes (room for 288 x 32 pixels), and the plates of the main and selection windows that name each player&apos;s colour (121 x 29 pixels); %1 is 1 or 2.</extracomment>
        <translation>プレイヤー%1</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>The heading of the options window&apos;s choice of rules, painted between two gold lines (room for 288 x 29 pixels).</extracomment>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <extracomment>An option of the options window, right of its mark (room for 214 x 27 pixels).</extracomment>
        <translation>手札公開</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>手札非公開</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>基本ルール</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>基本コンボルール</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <extracomment>The heading of the results window, painted above a gold line (room for 431 x 38 pixels).</extracomment>
        <translation>成績</translation>
    </message>
    <message>
        <source>a duel of cards for two</source>
        <extracomment>The splash window&apos;s line under the game&apos;s name (room for 430 x 30 pixels).</extracomment>
        <translation>二人で遊ぶカード対決</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>A button of the options, message, results, statistics and help windows, and of the selection windows; painted on a face of 87 x 19 pixels.</extracomment>
        <translation>決定</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of the main and options windows (87 x 19 pixels).</extracomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>The heading of the statistics window, painted above a short gold line (room for 520 x 40 pixels).</extracomment>
        <translation>統計</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The statistics window&apos;s button that asks to empty the record of matches (87 x 19 pixels).</extracomment>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The statistics window&apos;s button that confirms emptying the record of matches (87 x 19 pixels).</extracomment>
        <translation>消去</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The statistics window&apos;s button that keeps the record of matches after all (87 x 19 pixels).</extracomment>
        <translation>残す</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The button of the network windows that gives up waiting for or joining a game (87 x 19 pixels).</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join window&apos;s button that connects to the host (87 x 19 pixels).</extracomment>
        <translation>参加</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Options of the window system (Qt):</source>
        <translation>ウィンドウシステムのオプション (Qt):</translation>
    </message>
    <message>
        <source>cannot show its windows: no display is set (the DISPLAY environment variable is empty).</source>
        <translation>ウィンドウを表示できません: ディスプレイが設定されていません (環境変数 DISPLAY が空です)。</translation>
    </message>
    <message>
        <source>cannot show its windows: the display &quot;%1&quot; cannot be reached.</source>
        <translation>ウィンドウを表示できません: ディスプレイ「%1」に接続できません。</translation>
    </message>
    <message>
        <source>cannot show its windows: there is no window system &quot;%1&quot; (there are: %2).</source>
        <translation>ウィンドウを表示できません: ウィンドウシステム「%1」はありません (利用できるもの: %2)。</translation>
    </message>
    <message>
        <source>cannot show its windows through &quot;%1&quot;: %2</source>
        <translation>「%1」でウィンドウを表示できません: %2</translation>
    </message>
</context>
<context>
    <name>PlayRules</name>
    <message>
        <source>Player %1&apos;s score overflows a 16-bit integer (%2 + %3).</source>
        <translation>プレイヤー%1 の得点が 16 ビット整数の範囲を超えました（%2 + %3）。</translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>%1 failed in the card database &quot;%2&quot;: %3</source>
        <translation>カードデータベース「%2」で%1に失敗しました: %3</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; does not exist.</source>
        <translation>カードデータベース「%1」が存在しません。</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be read.</source>
        <translation>カードデータベース「%1」を読み込めません。</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is read-only; the game keeps its cards in it and must be able to write it.</source>
        <translation>カードデータベース「%1」は読み取り専用です。ゲームはカードをここに保存するため、書き込めなければなりません。</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is empty.</source>
        <translation>カードデータベース「%1」が空です。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; of the card database is read-only; the game keeps its log of changes beside the database and must be able to write there.</source>
        <translation>カードデータベースのフォルダー「%1」は読み取り専用です。ゲームは変更ログをデータベースの隣に置くため、そこに書き込めなければなりません。</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be opened: %2</source>
        <translation>カードデータベース「%1」を開けません: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card database: %2</source>
        <translation>「%1」はカードデータベースではありません: %2</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be written (is its folder read-only?): %2</source>
        <translation>カードデータベース「%1」に書き込めません（フォルダーが読み取り専用ではありませんか）: %2</translation>
    </message>
    <message>
        <source>Setting up</source>
        <translation>準備</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Starting a save</source>
        <translation>保存の開始</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened: the card database is not open.</source>
        <translation>テーブル %1 を開けません: カードデータベースが開いていません。</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened in the card database &quot;%2&quot;: %3</source>
        <translation>カードデータベース「%2」のテーブル %1 を開けません: %3</translation>
    </message>
    <message>
        <source>Table %1 is not open.</source>
        <translation>テーブル %1 が開いていません。</translation>
    </message>
    <message>
        <source>Table %1: the search &quot;%2&quot; cannot be understood.</source>
        <translation>テーブル %1: 検索「%2」を解釈できません。</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>カードデータベースのテーブル %1 にフィールド %2 がありません。</translation>
    </message>
    <message>
        <source>Table %1: no current record for field %2 (the record searched for was not found).</source>
        <translation>テーブル %1: フィールド %2 の現在のレコードがありません（検索したレコードが見つかりませんでした）。</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds &quot;%4&quot; where a number belongs.</source>
        <translation>テーブル %1、レコード %2: フィールド %3 に数値の代わりに「%4」が入っています。</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4, beyond a 16-bit integer.</source>
        <translation>テーブル %1、レコード %2: フィールド %3 の値 %4 は 16 ビット整数の範囲を超えています。</translation>
    </message>
    <message>
        <source>Table %1 is read-only; field %2 cannot be written.</source>
        <translation>テーブル %1 は読み取り専用のため、フィールド %2 に書き込めません。</translation>
    </message>
    <message>
        <source>Saving a record of table %1</source>
        <translation>テーブル %1 のレコードの保存</translation>
    </message>
    <message>
        <source>Table %1: record %2 disappeared from the card database.</source>
        <translation>テーブル %1: レコード %2 がカードデータベースから消えました。</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>not a rich-text document</source>
        <translation>リッチテキスト文書ではありません</translation>
    </message>
    <message>
        <source>the document ends before all its groups are closed</source>
        <translation>すべてのグループが閉じる前に文書が終わっています</translation>
    </message>
    <message>
        <source>the document holds no text</source>
        <translation>文書にテキストがありません</translation>
    </message>
    <message>
        <source>groups are nested more than %1 deep</source>
        <translation>グループの入れ子が %1 段を超えています</translation>
    </message>
    <message>
        <source>the document text is cut off at 8 MB</source>
        <translation>文書のテキストは 8 MB で打ち切られました</translation>
    </message>
    <message>
        <source>the braces of the document do not balance</source>
        <translation>文書の中かっこが対応していません</translation>
    </message>
    <message>
        <source>the document is cut off at %1 paragraphs</source>
        <translation>文書は %1 段落で打ち切られました</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>The card database has no table %1 (%2).</source>
        <translation>カードデータベースにテーブル %1 がありません（%2）。</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>カードデータベースのテーブル %1 にフィールド %2 がありません。</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4 where a whole number from -32768 to 32767 belongs.</source>
        <translation>テーブル %1、レコード %2: フィールド %3 に -32768 から 32767 の整数の代わりに %4 が入っています。</translation>
    </message>
    <message>
        <source>Table AllCards: the card with fldAutoNumber %1 has fldID 0, which marks an empty slot.</source>
        <translation>テーブル AllCards: fldAutoNumber %1 のカードの fldID が 0 で、空きを表しています。</translation>
    </message>
    <message>
        <source>Table AllCards has no card with fldAutoNumber %1 (it must hold one card for every number from 1 to %2).</source>
        <translation>テーブル AllCards に fldAutoNumber %1 のカードがありません（1 から %2 までの各番号に 1 枚ずつ必要です）。</translation>
    </message>
    <message>
        <source>Table %1: the record of slot %2 is out of order (records must lie in ascending order of fldLocation).</source>
        <translation>テーブル %1: スロット %2 のレコードの順序が正しくありません（レコードは fldLocation の昇順に並ぶ必要があります）。</translation>
    </message>
    <message>
        <source>The card database cannot be read: %1</source>
        <translation>カードデータベースを読み込めません: %1</translation>
    </message>
    <message>
        <source>Table %1 of the card database has a trigger (&quot;%2&quot;); the game&apos;s tables must take its writes as they are.</source>
        <translation>カードデータベースのテーブル %1 にトリガー（「%2」）があります。ゲームのテーブルは書き込みをそのまま受け付けなければなりません。</translation>
    </message>
    <message>
        <source>%1 (card %2 of AllCards)</source>
        <translation>%1（AllCards のカード %2）</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>画像「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2.</source>
        <translation>画像「%1」を読み込めません: %2。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>画像「%1」は通常のファイルではありません（フォルダーです）。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>画像「%1」は通常のファイルではありません（パイプです）。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>画像「%1」は通常のファイルではありません（ソケットです）。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>画像「%1」は通常のファイルではありません（デバイスです）。</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>ルール説明「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2.</source>
        <translation>ルール説明「%1」を読み込めません: %2。</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>ルール説明「%1」は通常のファイルではありません（フォルダーです）。</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>ルール説明「%1」は通常のファイルではありません（パイプです）。</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>ルール説明「%1」は通常のファイルではありません（ソケットです）。</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>ルール説明「%1」は通常のファイルではありません（デバイスです）。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read.</source>
        <translation>画像「%1」を読み込めません。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>画像「%1」が空です。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture (JPEG or GIF).</source>
        <translation>ファイル「%1」は画像（JPEG または GIF）ではありません。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is truncated.</source>
        <translation>画像「%1」が途中で切れています。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read as a picture: %2</source>
        <translation>「%1」を画像として読み込めません: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to load (%2 x %3 pixels).</source>
        <translation>画像「%1」は大きすぎて読み込めません（%2 × %3 ピクセル）。</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>ロックファイル「%1」を開けません: %2。</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is not a regular file; remove it and start again.</source>
        <translation>ロックファイル「%1」は通常のファイルではありません。削除してから起動し直してください。</translation>
    </message>
    <message>
        <source>Quorvel is already running with the card database &quot;%1&quot;; only one game can use it at a time.</source>
        <translation>Quorvel はすでにカードデータベース「%1」で起動しています。同時に使えるゲームは 1 つだけです。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>Table %1 has no record for slot %2 (fldLocation = %2).</source>
        <translation>テーブル %1 にスロット %2 のレコードがありません（fldLocation = %2）。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A card game for two players who share one screen and one mouse.</source>
        <translation>1 つの画面と 1 つのマウスを 2 人で使うカードゲーム。</translation>
    </message>
    <message>
        <source>Let the computer play player 2 at &lt;level&gt;: easy, normal or hard.</source>
        <translation>コンピューターがプレイヤー2 を &lt;レベル&gt; で担当します: easy（やさしい）、normal（ふつう）、hard（むずかしい）。</translation>
    </message>
    <message>
        <source>level</source>
        <extracomment>The value of --computer in the help text, as in &quot;--computer &lt;level&gt;&quot;.</extracomment>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.
</source>
        <translation>オプションは「%1 --help」で確認できます。
</translation>
    </message>
    <message>
        <source>%1: unexpected argument &quot;%2&quot;; the game takes no file names.
%3</source>
        <translation>%1: 予期しない引数「%2」。このゲームはファイル名を受け付けません。
%3</translation>
    </message>
    <message>
        <source>%1: --computer takes easy, normal or hard, not &quot;%2&quot;
%3</source>
        <translation>%1: --computer には easy、normal、hard のいずれかを指定してください（「%2」は指定できません）
%3</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>アドレス: %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>ポート: %1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>参加コード: %1</translation>
    </message>
    <message>
        <source>Wait for a player on another computer, listening on &lt;port&gt; (47107 if none is given); the addresses, port and join code are also printed here.</source>
        <translation>別のコンピューターのプレイヤーを &lt;ポート&gt; で待ちます（指定がなければ 47107）。アドレス、ポート、参加コードはここにも表示されます。</translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The value of --host in the help text, as in &quot;--host[=&lt;port&gt;]&quot;.</extracomment>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Join the game of a player on another computer at &lt;address&gt; (with :port if it is not 47107); the join code is asked for.</source>
        <translation>別のコンピューターのプレイヤーのゲームに &lt;アドレス&gt; で参加します（47107 以外なら :ポート を付けます）。参加コードを尋ねます。</translation>
    </message>
    <message>
        <source>address</source>
        <extracomment>The value of --join in the help text, as in &quot;--join &lt;address&gt;&quot;.</extracomment>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>%1: only one of --computer, --host and --join can be given.
%2</source>
        <translation>%1: --computer、--host、--join はどれか一つだけ指定できます。
%2</translation>
    </message>
    <message>
        <source>%1: --host takes a port from 1 to 65535, not &quot;%2&quot;
%3</source>
        <translation>%1: --host には 1 から 65535 のポートを指定します。「%2」は使えません
%3</translation>
    </message>
    <message>
        <source>%1: --join takes the host&apos;s address, not &quot;%2&quot;: %3
%4</source>
        <translation>%1: --join にはホストのアドレスを指定します。「%2」は使えません: %3
%4</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>Computer (easy)</source>
        <translation>CPU（やさしい）</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>CPU（ふつう）</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>CPU（つよい）</translation>
    </message>
    <message>
        <source>A person</source>
        <translation>人間</translation>
    </message>
    <message>
        <source>A person (network)</source>
        <translation>人間（ネット）</translation>
    </message>
</context>
</TS>
