<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CardEdges</name>
    <message>
        <source>north %1, east %2, south %3, west %4</source>
        <extracomment>A card&apos;s four edge values as a screen reader speaks them.</extracomment>
        <translation>上 %1，右 %2，下 %3，左 %4</translation>
    </message>
</context>
<context>
    <name>ComputerChoice</name>
    <message>
        <source>Computer (easy)</source>
        <translation>电脑（简单）</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>电脑（普通）</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>电脑（困难）</translation>
    </message>
    <message>
        <source>Host a game on the network…</source>
        <translation>在网络上创建游戏…</translation>
    </message>
    <message>
        <source>Join a game on the network…</source>
        <translation>加入网络上的游戏…</translation>
    </message>
</context>
<context>
    <name>Fatal</name>
    <message>
        <source>Quorvel cannot continue.

%1</source>
        <translation>Quorvel 无法继续运行。

%1</translation>
    </message>
    <message>
        <source>Quorvel: fatal error: %1
</source>
        <translation>Quorvel：严重错误：%1
</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Window %1 is already shown modally.</source>
        <translation>窗口 %1 已经以模态方式显示。</translation>
    </message>
</context>
<context>
    <name>FrmHelp</name>
    <message>
        <source>Quorvel  -  Help</source>
        <translation>Quorvel  -  帮助</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>游戏规则</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>找不到游戏规则“%1”。</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取游戏规则“%1”：%2</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be shown: %2</source>
        <translation>无法显示游戏规则“%1”：%2</translation>
    </message>
    <message>
        <source>Quorvel help</source>
        <translation>Quorvel 帮助</translation>
    </message>
</context>
<context>
    <name>FrmHostGame</name>
    <message>
        <source>Quorvel  -  Host a game</source>
        <translation>Quorvel  -  创建游戏</translation>
    </message>
    <message>
        <source>Waiting for a player</source>
        <translation>正在等待玩家</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>加入码</translation>
    </message>
    <message>
        <source>Players on this network see the game as &quot;%1&quot;.</source>
        <translation>此网络上的玩家看到的游戏名为“%1”。</translation>
    </message>
    <message>
        <source>Tell the other player one of these addresses and the join code.</source>
        <translation>请把其中一个地址和加入码告诉对方。</translation>
    </message>
    <message>
        <source>Host a game on the network</source>
        <translation>在网络上创建游戏</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>地址：%1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>加入码：%1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>FrmJoinGame</name>
    <message>
        <source>Quorvel  -  Join a game</source>
        <translation>Quorvel  -  加入游戏</translation>
    </message>
    <message>
        <source>Join a game on the network</source>
        <translation>加入网络上的游戏</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>加入码</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>你的名字</translation>
    </message>
    <message>
        <source>Games on the local network</source>
        <translation>局域网中的游戏</translation>
    </message>
    <message>
        <source>Type the host&apos;s address and the join code it shows, or choose a game above.</source>
        <translation>请输入主机的地址和它显示的加入码，或在上方选择一个游戏。</translation>
    </message>
    <message>
        <source>No game found yet.</source>
        <translation>尚未找到游戏。</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Type your name as the host will see it.</source>
        <translation>请输入你的名字，主机将看到这个名字。</translation>
    </message>
    <message>
        <source>Joining the game at %1…</source>
        <translation>正在加入 %1 的游戏…</translation>
    </message>
    <message>
        <source>The host&apos;s address, with a colon and the port if it is not the usual one.</source>
        <translation>主机的地址；如果端口不是通常的端口，请加上冒号和端口号。</translation>
    </message>
    <message>
        <source>The ten letters and digits the host shows.</source>
        <translation>主机显示的十个字母和数字。</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>已发牌。%1 先手。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a placement (a capture, whose turn it is).</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Get ready for the next hand</source>
        <translation>准备下一局</translation>
    </message>
    <message>
        <source>Round %1 cannot be recorded: a match has rounds 1 to 5.</source>
        <translation>无法记录第 %1 回合：一场比赛只有第 1 到第 5 回合。</translation>
    </message>
    <message>
        <source>%1 won this round.  Ready for next round</source>
        <translation>%1 赢得本回合。  准备下一回合</translation>
    </message>
    <message>
        <source>A match total overflows a 16-bit integer.</source>
        <translation>比赛总分超出了 16 位整数的范围。</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
 wins with %2</source>
        <extracomment>The message ending a match: the winner&apos;s name, a line break, the winner&apos;s total.</extracomment>
        <translation>%1<byte value="xd"/>
 以 %2 分获胜</translation>
    </message>
    <message>
        <source>Square %1, empty</source>
        <translation>第 %1 格，空</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>玩家1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>玩家2</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>%1 先手</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Show statistics</source>
        <translation>显示统计</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Not your turn.</source>
        <translation>还没轮到你。</translation>
    </message>
    <message>
        <source>Not your card.</source>
        <translation>这不是你的卡牌。</translation>
    </message>
    <message>
        <source>Card %1 is played.</source>
        <translation>卡牌 %1 已打出。</translation>
    </message>
    <message>
        <source>Square %1 is taken.</source>
        <translation>格 %1 已被占用。</translation>
    </message>
    <message>
        <source>%1 to play.</source>
        <translation>轮到 %1。</translation>
    </message>
    <message>
        <source>Score %1 to %2.</source>
        <translation>得分 %1 比 %2。</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>电脑</translation>
    </message>
    <message>
        <source>Square %1, red card, %2</source>
        <translation>格 %1，红色卡牌，%2</translation>
    </message>
    <message>
        <source>Square %1, blue card, %2</source>
        <translation>格 %1，蓝色卡牌，%2</translation>
    </message>
    <message>
        <source>%1, card %2, face down</source>
        <translation>%1，卡牌 %2，背面朝上</translation>
    </message>
    <message>
        <source>%1, card %2, played</source>
        <translation>%1，卡牌 %2，已打出</translation>
    </message>
    <message>
        <source>%1, card %2, %3</source>
        <translation>%1，卡牌 %2，%3</translation>
    </message>
    <message>
        <source>Card %1, face down.</source>
        <translation>卡牌 %1，背面朝上。</translation>
    </message>
    <message>
        <source>Card %1, %2.</source>
        <translation>卡牌 %1，%2。</translation>
    </message>
    <message>
        <source>%1 placed on square %2.</source>
        <translation>%1 放在格 %2。</translation>
    </message>
    <message>
        <source>Placed on square %1.</source>
        <translation>已放在格 %1。</translation>
    </message>
    <message>
        <source>Took square %1.</source>
        <translation>夺取格 %1。</translation>
    </message>
    <message>
        <source>Took squares %1.</source>
        <translation>夺取格 %1。</translation>
    </message>
    <message>
        <source>No card to place.</source>
        <translation>没有可放的卡牌。</translation>
    </message>
    <message>
        <source>Pick a card first.</source>
        <translation>请先选一张卡牌。</translation>
    </message>
    <message>
        <source>Your cards are still face down.</source>
        <translation>你的卡牌仍背面朝上。</translation>
    </message>
    <message>
        <source>%1, frame of card %2</source>
        <translation>%1，卡牌 %2 的边框</translation>
    </message>
    <message>
        <source>Player 1, red, %1</source>
        <translation>玩家 1，红方，%1</translation>
    </message>
    <message>
        <source>Player 2, blue, %1</source>
        <translation>玩家 2，蓝方，%1</translation>
    </message>
    <message>
        <source>Score of %1, %2</source>
        <translation>%1 的得分，%2</translation>
    </message>
    <message>
        <source>%1, round light %2, lit</source>
        <translation>%1，回合灯 %2，亮</translation>
    </message>
    <message>
        <source>%1, round light %2, not lit</source>
        <translation>%1，回合灯 %2，未亮</translation>
    </message>
    <message>
        <source>Hints are given only against the computer.</source>
        <translation>只有与电脑对战时才有提示。</translation>
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
        <translation>准备下一回合</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Close this message first.</source>
        <translation>请先关闭此消息。</translation>
    </message>
</context>
<context>
    <name>FrmOptions</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <translation>明牌</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <translation>暗牌</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <translation>基本规则</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <translation>基本连锁规则</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Player 1 name</source>
        <translation>玩家 1 的名字</translation>
    </message>
    <message>
        <source>Player 2 name</source>
        <translation>玩家 2 的名字</translation>
    </message>
    <message>
        <source>Has a list of the computer&apos;s levels and of network games, opened with Alt+Down.</source>
        <translation>有电脑难度和网络游戏的列表，按 Alt+下 打开。</translation>
    </message>
</context>
<context>
    <name>FrmPlayer</name>
    <message>
        <source>Quorvel  -  Player 1</source>
        <translation>Quorvel  -  玩家1</translation>
    </message>
    <message>
        <source>Quorvel  -  Player 2</source>
        <translation>Quorvel  -  玩家2</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>玩家1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>玩家2</translation>
    </message>
    <message>
        <source>You must select 5 cards to play</source>
        <translation>必须选择 5 张牌才能开始</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done</source>
        <translation>选择 5 张牌，然后按“完成”</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Choose 5 cards, then press Done.</source>
        <translation>选 5 张卡牌，然后按完成。</translation>
    </message>
    <message>
        <source>The cards are still face down.</source>
        <translation>卡牌仍背面朝上。</translation>
    </message>
    <message>
        <source>5 cards are marked. Unmark one first.</source>
        <translation>已标记 5 张卡牌。请先取消一张。</translation>
    </message>
    <message>
        <source>5 cards marked, press Done.</source>
        <translation>已标记 5 张，请按完成。</translation>
    </message>
    <message>
        <source>1 card marked, 4 to go.</source>
        <translation>已标记 1 张，还差 4 张。</translation>
    </message>
    <message>
        <source>No card marked.</source>
        <translation>没有标记卡牌。</translation>
    </message>
    <message>
        <source>%1 cards marked, %2 to go.</source>
        <translation>已标记 %1 张，还差 %2 张。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins the sentences said after a mark: which card, then how many are marked.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Card %1 marked.</source>
        <translation>已标记卡牌 %1。</translation>
    </message>
    <message>
        <source>Card %1 unmarked.</source>
        <translation>已取消标记卡牌 %1。</translation>
    </message>
    <message>
        <source>Card %1, face down</source>
        <translation>卡牌 %1，背面朝上</translation>
    </message>
    <message>
        <source>Card %1, %2</source>
        <translation>卡牌 %1，%2</translation>
    </message>
    <message>
        <source>The computer is choosing its cards.</source>
        <translation>电脑正在选卡牌。</translation>
    </message>
    <message>
        <source>Player 1, %1</source>
        <translation>玩家 1，%1</translation>
    </message>
    <message>
        <source>Player 2, %1</source>
        <translation>玩家 2，%1</translation>
    </message>
    <message>
        <source>Frame of card %1</source>
        <translation>卡牌 %1 的边框</translation>
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
        <translation>Quorvel  -  统计</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>对手</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>胜</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>负</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>回合</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>局</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>连胜</translation>
    </message>
    <message>
        <source>Clear the record</source>
        <translation>清除记录</translation>
    </message>
    <message>
        <source>Reset the record</source>
        <translation>重置记录</translation>
    </message>
    <message>
        <source>Keep the record</source>
        <translation>保留记录</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>%1: nothing played yet.</source>
        <translation>%1：尚未进行任何对局。</translation>
    </message>
    <message>
        <source>%1: %2 matches won, %3 lost; rounds %4 won, %5 lost; hands %6 won, %7 lost, %8 drawn; points %9 for, %10 against; longest winning streak %11.</source>
        <translation>%1：比赛胜 %2 负 %3；回合胜 %4 负 %5；局胜 %6 负 %7 平 %8；得分 %9，失分 %10；最长连胜 %11。</translation>
    </message>
    <message>
        <source>Statistics.</source>
        <translation>统计。</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <comment>yours and the opponent&apos;s</comment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Clear the whole record of matches? This cannot be undone.</source>
        <translation>清除全部比赛记录？此操作无法撤销。</translation>
    </message>
    <message>
        <source>The record cannot be kept: %1</source>
        <translation>无法保存记录：%1</translation>
    </message>
    <message>
        <source>Rounds, hands and points: yours, then your opponent&apos;s. Streak: the most matches won in a row.</source>
        <translation>回合、局和得分：先是你的，然后是对手的。连胜：连续获胜的最多比赛数。</translation>
    </message>
    <message>
        <source>The record has been cleared.</source>
        <translation>记录已清除。</translation>
    </message>
    <message>
        <source>The record has been kept.</source>
        <translation>记录已保留。</translation>
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
        <translation>第 %1 回合</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总分</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <translation>比赛成绩</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Against %1: %2 won, %3 lost</source>
        <translation>对阵 %1：胜 %2，负 %3</translation>
    </message>
    <message>
        <source>%1. Shows the statistics.</source>
        <translation>%1。显示统计。</translation>
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
        <translation>回合 %1，%2。</translation>
    </message>
    <message>
        <source>Total %1.</source>
        <translation>总计 %1。</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>The installed card database &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取已安装的卡牌数据库“%1”：%2</translation>
    </message>
    <message>
        <source>The installed card database &quot;%1&quot; is damaged: %2</source>
        <translation>已安装的卡牌数据库“%1”已损坏：%2</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is damaged: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel：你的卡牌数据库“%1”已损坏：%2 已将其另存为“%3”，并从“%4”重新复制了一份。
</translation>
    </message>
    <message>
        <source>Quorvel: your card database &quot;%1&quot; is unreadable: %2 It has been set aside as &quot;%3&quot; and a fresh copy made from &quot;%4&quot;.
</source>
        <translation>Quorvel：你的卡牌数据库“%1”无法读取：%2 已将其另存为“%3”，并从“%4”重新复制了一份。
</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: no space left on the disk that holds &quot;%2&quot; (%3 kB free, %4 kB needed). Make room there and start the game again.</source>
        <translation>无法创建你的卡牌数据库“%1”：存放“%2”的磁盘空间不足（剩余 %3 kB，需要 %4 kB）。请腾出空间后重新启动游戏。</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made from &quot;%2&quot;: %3.</source>
        <translation>无法从“%2”创建你的卡牌数据库“%1”：%3。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: &quot;%2&quot; is a file, not a folder.</source>
        <translation>无法创建存放卡牌数据库的文件夹“%1”：“%2”是文件，不是文件夹。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for your card database cannot be made: %2.</source>
        <translation>无法创建存放卡牌数据库的文件夹“%1”：%2。</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>磁盘空间不足</translation>
    </message>
    <message>
        <source>Your card database has no folder: neither XDG_DATA_HOME nor HOME names one, and your account has no home folder.</source>
        <translation>你的卡牌数据库没有文件夹：XDG_DATA_HOME 和 HOME 都没有指定，你的账户也没有主文件夹。</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be opened: no space left on the disk that holds &quot;%2&quot; (%3 kB free). Make room there and start the game again.</source>
        <translation>无法打开你的卡牌数据库“%1”：存放“%2”的磁盘空间不足（剩余 %3 kB）。请腾出空间后重新启动游戏。</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取你的卡牌数据库“%1”：%2</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; is damaged (%2) and cannot be set aside as &quot;%3&quot;: %4.</source>
        <translation>你的卡牌数据库“%1”已损坏（%2），且无法另存为“%3”：%4。</translation>
    </message>
    <message>
        <source>Your card database &quot;%1&quot; cannot be made: %2.</source>
        <translation>无法创建你的卡牌数据库“%1”：%2。</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Hint frame</source>
        <translation>提示框</translation>
    </message>
    <message>
        <source>Hint: card %1 on square %2</source>
        <translation>提示：卡牌 %1 放在格 %2</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Games on the local network cannot be listed, because no Avahi daemon is running on this computer. Type the host&apos;s address instead.</source>
        <translation>这台电脑未运行 Avahi 服务，无法列出局域网中的游戏。请直接输入主机地址。</translation>
    </message>
    <message>
        <source>Type the host&apos;s address, such as 192.168.1.20 or mirela-pc.local.</source>
        <translation>请输入主机的地址，例如 192.168.1.20 或 mirela-pc.local。</translation>
    </message>
    <message>
        <source>An address in brackets needs its closing bracket.</source>
        <translation>方括号中的地址缺少右方括号。</translation>
    </message>
    <message>
        <source>After the bracketed address only a colon and a port may follow.</source>
        <translation>方括号地址之后只能跟冒号和端口。</translation>
    </message>
    <message>
        <source>Brackets hold an IPv6 address.</source>
        <translation>方括号中应为 IPv6 地址。</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535.</source>
        <translation>端口是 1 到 65535 之间的数字。</translation>
    </message>
    <message>
        <source>“%1” is neither an address nor a computer&apos;s name.</source>
        <translation>“%1”既不是地址，也不是计算机名称。</translation>
    </message>
    <message>
        <source>The other game sent a message that cannot be read. The network match is over.</source>
        <translation>对方游戏发来一条无法读取的消息。网络比赛已结束。</translation>
    </message>
    <message>
        <source>The other game sent a message that is too large. The network match is over.</source>
        <translation>对方游戏发来的消息过大。网络比赛已结束。</translation>
    </message>
    <message>
        <source>The other game is another version of Quorvel. Both players need the same version to play together.</source>
        <translation>对方的游戏是另一个版本的 Quorvel。双方需要使用相同的版本才能一起游戏。</translation>
    </message>
    <message>
        <source>The other game sent a message out of turn. The network match is over.</source>
        <translation>对方游戏在不该发送时发来了消息。网络比赛已结束。</translation>
    </message>
    <message>
        <source>The other game sent a move that the rules do not allow. The network match is over.</source>
        <translation>对方游戏发来了规则不允许的一步。网络比赛已结束。</translation>
    </message>
    <message>
        <source>The two games have different card lists. Both players need the same version of Quorvel to play together.</source>
        <translation>两个游戏的卡牌列表不同。双方需要使用相同版本的 Quorvel 才能一起游戏。</translation>
    </message>
    <message>
        <source>The host is already playing with someone else.</source>
        <translation>主机已经在和其他人游戏了。</translation>
    </message>
    <message>
        <source>%1 has not answered for too long. The network match is over.</source>
        <translation>%1 太久没有回应。网络比赛已结束。</translation>
    </message>
    <message>
        <source>The other game has not answered for too long. The network match is over.</source>
        <translation>对方游戏太久没有回应。网络比赛已结束。</translation>
    </message>
    <message>
        <source>The other game sent far too many messages. The network match is over.</source>
        <translation>对方游戏发来的消息太多了。网络比赛已结束。</translation>
    </message>
    <message>
        <source>The join code is wrong. Check it with the host and try again.</source>
        <translation>加入码错误。请向主机核对后重试。</translation>
    </message>
    <message>
        <source>The program at this address is not a Quorvel game that can be joined.</source>
        <translation>该地址上的程序不是可加入的 Quorvel 游戏。</translation>
    </message>
    <message>
        <source>No game answers at this address. Check the address and that the host is waiting for a player.</source>
        <translation>该地址上没有游戏应答。请检查地址，并确认主机正在等待玩家。</translation>
    </message>
    <message>
        <source>The connection to %1 was lost. The network match is over.</source>
        <translation>与 %1 的连接已断开。网络比赛已结束。</translation>
    </message>
    <message>
        <source>The connection to the other game was lost. The network match is over.</source>
        <translation>与对方游戏的连接已断开。网络比赛已结束。</translation>
    </message>
    <message>
        <source>%1 has left the game.</source>
        <translation>%1 已离开游戏。</translation>
    </message>
    <message>
        <source>The other player has left the game.</source>
        <translation>对方玩家已离开游戏。</translation>
    </message>
    <message>
        <source>The other game heard nothing from this game for too long. The network match is over.</source>
        <translation>对方游戏太久没有收到本游戏的任何消息。网络比赛已结束。</translation>
    </message>
    <message>
        <source>The other game could not accept a message from this game. The network match is over.</source>
        <translation>对方游戏无法接受本游戏发出的消息。网络比赛已结束。</translation>
    </message>
    <message>
        <source>Someone tried to join with a wrong code and was turned away.</source>
        <translation>有人用错误的加入码尝试加入，已被拒绝。</translation>
    </message>
    <message>
        <source>A second player tried to join and was turned away.</source>
        <translation>第二位玩家尝试加入，已被拒绝。</translation>
    </message>
    <message>
        <source>A program that is not a Quorvel game tried to connect and was turned away.</source>
        <translation>一个不是 Quorvel 游戏的程序尝试连接，已被拒绝。</translation>
    </message>
    <message>
        <source>A player with another version of Quorvel tried to join and was turned away.</source>
        <translation>一位使用其他版本 Quorvel 的玩家尝试加入，已被拒绝。</translation>
    </message>
    <message>
        <source>A player with a different card list tried to join and was turned away.</source>
        <translation>一位卡牌列表不同的玩家尝试加入，已被拒绝。</translation>
    </message>
    <message>
        <source>A connection that did not introduce itself in time was closed.</source>
        <translation>一个未及时表明身份的连接已被关闭。</translation>
    </message>
    <message>
        <source>A connection that broke the rules of the conversation was closed.</source>
        <translation>一个违反通信规则的连接已被关闭。</translation>
    </message>
    <message>
        <source>The network match needs OpenSSL, which could not be loaded.</source>
        <translation>网络比赛需要 OpenSSL，但无法加载。</translation>
    </message>
    <message>
        <source>The game cannot wait for a player on port %1: %2</source>
        <translation>游戏无法在端口 %1 上等待玩家：%2</translation>
    </message>
    <message>
        <source>A join code has no “%1”: it uses the digits 2 to 9 and the letters other than I and O.</source>
        <translation>加入码中没有“%1”：它只使用数字 2 到 9 以及除 I 和 O 以外的字母。</translation>
    </message>
    <message>
        <source>A join code has ten letters and digits, such as K7QF-9M2T-XW.</source>
        <translation>加入码由十个字母和数字组成，例如 K7QF-9M2T-XW。</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>找不到图片“%1”。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>图片“%1”是空的。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be loaded: %2</source>
        <translation>无法加载图片“%1”：%2</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Choose 5 cards
then press Done</source>
        <extracomment>Painted on the selection window&apos;s prompt in two lines: the first large (room for about 180 x 36 pixels), the second small (180 x 19). Keep the line break.</extracomment>
        <translation>选择 5 张牌
然后按“完成”</translation>
    </message>
    <message>
        <source>Player %1 begins</source>
        <extracomment>Painted on the plaque that shows who places the first card, 190 x 55 pixels of room; %1 is the player&apos;s number, 1 or 2.</extracomment>
        <translation>玩家%1先手</translation>
    </message>
    <message>
        <source>Player %1</source>
        <extracomment>The headings above the options window&apos;s name boxes (room for 288 x 32 pixels), and the plates of the main and selection windows that name each player&apos;s colour (121 x 29 pixels); %1 is 1 or 2.</extracomment>
        <translation>玩家%1</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>The heading of the options window&apos;s choice of rules, painted between two gold lines (room for 288 x 29 pixels).</extracomment>
        <translation>规则</translation>
    </message>
    <message>
        <source>Open Hand</source>
        <extracomment>An option of the options window, right of its mark (room for 214 x 27 pixels).</extracomment>
        <translation>明牌</translation>
    </message>
    <message>
        <source>Closed Hand</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>暗牌</translation>
    </message>
    <message>
        <source>Basic Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>基本规则</translation>
    </message>
    <message>
        <source>Basic Combo Rules</source>
        <extracomment>An option of the options window, right of its mark (214 x 27 pixels).</extracomment>
        <translation>基本连锁规则</translation>
    </message>
    <message>
        <source>Game Stats</source>
        <extracomment>The heading of the results window, painted above a gold line (room for 431 x 38 pixels).</extracomment>
        <translation>比赛成绩</translation>
    </message>
    <message>
        <source>a duel of cards for two</source>
        <extracomment>The splash window&apos;s line under the game&apos;s name (room for 430 x 30 pixels).</extracomment>
        <translation>双人卡牌对决</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>A button of the options, message, results, statistics and help windows, and of the selection windows; painted on a face of 87 x 19 pixels.</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of the main and options windows (87 x 19 pixels).</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>选项</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of the main window (87 x 19 pixels).</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Statistics</source>
        <extracomment>The heading of the statistics window, painted above a short gold line (room for 520 x 40 pixels).</extracomment>
        <translation>统计</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The statistics window&apos;s button that asks to empty the record of matches (87 x 19 pixels).</extracomment>
        <translation>重置</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The statistics window&apos;s button that confirms emptying the record of matches (87 x 19 pixels).</extracomment>
        <translation>清除</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>The statistics window&apos;s button that keeps the record of matches after all (87 x 19 pixels).</extracomment>
        <translation>保留</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The button of the network windows that gives up waiting for or joining a game (87 x 19 pixels).</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The join window&apos;s button that connects to the host (87 x 19 pixels).</extracomment>
        <translation>加入</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Options of the window system (Qt):</source>
        <translation>窗口系统选项 (Qt)：</translation>
    </message>
    <message>
        <source>cannot show its windows: no display is set (the DISPLAY environment variable is empty).</source>
        <translation>无法显示窗口：未设置显示器（环境变量 DISPLAY 为空）。</translation>
    </message>
    <message>
        <source>cannot show its windows: the display &quot;%1&quot; cannot be reached.</source>
        <translation>无法显示窗口：无法连接显示器“%1”。</translation>
    </message>
    <message>
        <source>cannot show its windows: there is no window system &quot;%1&quot; (there are: %2).</source>
        <translation>无法显示窗口：没有窗口系统“%1”（可用的有：%2）。</translation>
    </message>
    <message>
        <source>cannot show its windows through &quot;%1&quot;: %2</source>
        <translation>无法通过“%1”显示窗口：%2</translation>
    </message>
</context>
<context>
    <name>PlayRules</name>
    <message>
        <source>Player %1&apos;s score overflows a 16-bit integer (%2 + %3).</source>
        <translation>玩家%1 的得分超出了 16 位整数的范围（%2 + %3）。</translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>%1 failed in the card database &quot;%2&quot;: %3</source>
        <translation>卡牌数据库“%2”中的%1失败：%3</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; does not exist.</source>
        <translation>卡牌数据库“%1”不存在。</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be read.</source>
        <translation>无法读取卡牌数据库“%1”。</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is read-only; the game keeps its cards in it and must be able to write it.</source>
        <translation>卡牌数据库“%1”是只读的；游戏把卡牌保存在其中，必须能够写入。</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is empty.</source>
        <translation>卡牌数据库“%1”是空的。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; of the card database is read-only; the game keeps its log of changes beside the database and must be able to write there.</source>
        <translation>卡牌数据库所在的文件夹“%1”是只读的；游戏把更改日志放在数据库旁边，必须能够在那里写入。</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be opened: %2</source>
        <translation>无法打开卡牌数据库“%1”：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card database: %2</source>
        <translation>“%1”不是卡牌数据库：%2</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be written (is its folder read-only?): %2</source>
        <translation>无法写入卡牌数据库“%1”（它的文件夹是否只读？）：%2</translation>
    </message>
    <message>
        <source>Setting up</source>
        <translation>初始化</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Starting a save</source>
        <translation>开始保存</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened: the card database is not open.</source>
        <translation>无法打开表 %1：卡牌数据库未打开。</translation>
    </message>
    <message>
        <source>Table %1 cannot be opened in the card database &quot;%2&quot;: %3</source>
        <translation>无法打开卡牌数据库“%2”中的表 %1：%3</translation>
    </message>
    <message>
        <source>Table %1 is not open.</source>
        <translation>表 %1 未打开。</translation>
    </message>
    <message>
        <source>Table %1: the search &quot;%2&quot; cannot be understood.</source>
        <translation>表 %1：无法理解查找条件“%2”。</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>卡牌数据库的表 %1 没有字段 %2。</translation>
    </message>
    <message>
        <source>Table %1: no current record for field %2 (the record searched for was not found).</source>
        <translation>表 %1：字段 %2 没有当前记录（未找到所查找的记录）。</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds &quot;%4&quot; where a number belongs.</source>
        <translation>表 %1，记录 %2：字段 %3 应为数字，却是“%4”。</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4, beyond a 16-bit integer.</source>
        <translation>表 %1，记录 %2：字段 %3 的值 %4 超出了 16 位整数的范围。</translation>
    </message>
    <message>
        <source>Table %1 is read-only; field %2 cannot be written.</source>
        <translation>表 %1 是只读的；无法写入字段 %2。</translation>
    </message>
    <message>
        <source>Saving a record of table %1</source>
        <translation>保存表 %1 的记录</translation>
    </message>
    <message>
        <source>Table %1: record %2 disappeared from the card database.</source>
        <translation>表 %1：记录 %2 已从卡牌数据库中消失。</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>not a rich-text document</source>
        <translation>不是 RTF 文档</translation>
    </message>
    <message>
        <source>the document ends before all its groups are closed</source>
        <translation>文档在所有组闭合之前就结束了</translation>
    </message>
    <message>
        <source>the document holds no text</source>
        <translation>文档中没有文字</translation>
    </message>
    <message>
        <source>groups are nested more than %1 deep</source>
        <translation>组的嵌套超过了 %1 层</translation>
    </message>
    <message>
        <source>the document text is cut off at 8 MB</source>
        <translation>文档文字在 8 MB 处被截断</translation>
    </message>
    <message>
        <source>the braces of the document do not balance</source>
        <translation>文档的花括号不配对</translation>
    </message>
    <message>
        <source>the document is cut off at %1 paragraphs</source>
        <translation>文档在 %1 段处被截断</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>The card database has no table %1 (%2).</source>
        <translation>卡牌数据库没有表 %1（%2）。</translation>
    </message>
    <message>
        <source>Table %1 of the card database has no field %2.</source>
        <translation>卡牌数据库的表 %1 没有字段 %2。</translation>
    </message>
    <message>
        <source>Table %1, record %2: field %3 holds %4 where a whole number from -32768 to 32767 belongs.</source>
        <translation>表 %1，记录 %2：字段 %3 应为 -32768 到 32767 之间的整数，却是 %4。</translation>
    </message>
    <message>
        <source>Table AllCards: the card with fldAutoNumber %1 has fldID 0, which marks an empty slot.</source>
        <translation>表 AllCards：fldAutoNumber 为 %1 的卡牌的 fldID 为 0，表示空位。</translation>
    </message>
    <message>
        <source>Table AllCards has no card with fldAutoNumber %1 (it must hold one card for every number from 1 to %2).</source>
        <translation>表 AllCards 中没有 fldAutoNumber 为 %1 的卡牌（从 1 到 %2 的每个编号都必须有一张牌）。</translation>
    </message>
    <message>
        <source>Table %1: the record of slot %2 is out of order (records must lie in ascending order of fldLocation).</source>
        <translation>表 %1：第 %2 个位置的记录顺序不对（记录必须按 fldLocation 升序排列）。</translation>
    </message>
    <message>
        <source>The card database cannot be read: %1</source>
        <translation>无法读取卡牌数据库：%1</translation>
    </message>
    <message>
        <source>Table %1 of the card database has a trigger (&quot;%2&quot;); the game&apos;s tables must take its writes as they are.</source>
        <translation>卡牌数据库的表 %1 有触发器（“%2”）；游戏的表必须原样接受写入。</translation>
    </message>
    <message>
        <source>%1 (card %2 of AllCards)</source>
        <translation>%1（AllCards 的第 %2 张牌）</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is missing.</source>
        <translation>找不到图片“%1”。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read: %2.</source>
        <translation>无法读取图片“%1”：%2。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>图片“%1”不是普通文件（是文件夹）。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>图片“%1”不是普通文件（是管道）。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>图片“%1”不是普通文件（是套接字）。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>图片“%1”不是普通文件（是设备）。</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is missing.</source>
        <translation>找不到游戏规则“%1”。</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; cannot be read: %2.</source>
        <translation>无法读取游戏规则“%1”：%2。</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a folder).</source>
        <translation>游戏规则“%1”不是普通文件（是文件夹）。</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a pipe).</source>
        <translation>游戏规则“%1”不是普通文件（是管道）。</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a socket).</source>
        <translation>游戏规则“%1”不是普通文件（是套接字）。</translation>
    </message>
    <message>
        <source>The rules document &quot;%1&quot; is not a regular file (it is a device).</source>
        <translation>游戏规则“%1”不是普通文件（是设备）。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read.</source>
        <translation>无法读取图片“%1”。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is empty.</source>
        <translation>图片“%1”是空的。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture (JPEG or GIF).</source>
        <translation>文件“%1”不是图片（JPEG 或 GIF）。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is truncated.</source>
        <translation>图片“%1”不完整。</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read as a picture: %2</source>
        <translation>无法把“%1”作为图片读取：%2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large to load (%2 x %3 pixels).</source>
        <translation>图片“%1”太大，无法加载（%2 × %3 像素）。</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>无法打开锁文件“%1”：%2。</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; is not a regular file; remove it and start again.</source>
        <translation>锁文件“%1”不是普通文件；请删除它后重新启动。</translation>
    </message>
    <message>
        <source>Quorvel is already running with the card database &quot;%1&quot;; only one game can use it at a time.</source>
        <translation>Quorvel 已在使用卡牌数据库“%1”运行；同一时间只能有一个游戏使用它。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>无法读取文件。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件是空的。</translation>
    </message>
    <message>
        <source>Table %1 has no record for slot %2 (fldLocation = %2).</source>
        <translation>表 %1 没有第 %2 个位置的记录（fldLocation = %2）。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A card game for two players who share one screen and one mouse.</source>
        <translation>两名玩家共用一个屏幕和一只鼠标的卡牌游戏。</translation>
    </message>
    <message>
        <source>Let the computer play player 2 at &lt;level&gt;: easy, normal or hard.</source>
        <translation>让电脑以 &lt;难度&gt; 担任玩家2：easy（简单）、normal（普通）或 hard（困难）。</translation>
    </message>
    <message>
        <source>level</source>
        <extracomment>The value of --computer in the help text, as in &quot;--computer &lt;level&gt;&quot;.</extracomment>
        <translation>难度</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.
</source>
        <translation>运行“%1 --help”查看选项。
</translation>
    </message>
    <message>
        <source>%1: unexpected argument &quot;%2&quot;; the game takes no file names.
%3</source>
        <translation>%1：意外的参数“%2”；本游戏不接受文件名。
%3</translation>
    </message>
    <message>
        <source>%1: --computer takes easy, normal or hard, not &quot;%2&quot;
%3</source>
        <translation>%1：--computer 只接受 easy、normal 或 hard，不接受“%2”
%3</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>地址：%1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>端口：%1</translation>
    </message>
    <message>
        <source>Join code: %1</source>
        <translation>加入码：%1</translation>
    </message>
    <message>
        <source>Wait for a player on another computer, listening on &lt;port&gt; (47107 if none is given); the addresses, port and join code are also printed here.</source>
        <translation>在 &lt;端口&gt; 上等待另一台电脑上的玩家（未指定时为 47107）；地址、端口和加入码也会打印在这里。</translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The value of --host in the help text, as in &quot;--host[=&lt;port&gt;]&quot;.</extracomment>
        <translation>端口</translation>
    </message>
    <message>
        <source>Join the game of a player on another computer at &lt;address&gt; (with :port if it is not 47107); the join code is asked for.</source>
        <translation>加入另一台电脑上位于 &lt;地址&gt; 的玩家的游戏（端口不是 47107 时加上 :端口）；会要求输入加入码。</translation>
    </message>
    <message>
        <source>address</source>
        <extracomment>The value of --join in the help text, as in &quot;--join &lt;address&gt;&quot;.</extracomment>
        <translation>地址</translation>
    </message>
    <message>
        <source>%1: only one of --computer, --host and --join can be given.
%2</source>
        <translation>%1：--computer、--host 和 --join 只能指定其中一个。
%2</translation>
    </message>
    <message>
        <source>%1: --host takes a port from 1 to 65535, not &quot;%2&quot;
%3</source>
        <translation>%1：--host 需要 1 到 65535 之间的端口，而不是“%2”
%3</translation>
    </message>
    <message>
        <source>%1: --join takes the host&apos;s address, not &quot;%2&quot;: %3
%4</source>
        <translation>%1：--join 需要主机的地址，而不是“%2”：%3
%4</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>Computer (easy)</source>
        <translation>电脑（简单）</translation>
    </message>
    <message>
        <source>Computer (normal)</source>
        <translation>电脑（普通）</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>电脑（困难）</translation>
    </message>
    <message>
        <source>A person</source>
        <translation>真人</translation>
    </message>
    <message>
        <source>A person (network)</source>
        <translation>真人（网络）</translation>
    </message>
</context>
</TS>
