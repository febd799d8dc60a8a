#include "help/help_pages.h"

#include <cstdio>

#include "engine/game_rules.h"
#include "engine/known_pay_tables.h"
#include "engine/strategy_chart.h"
#include "engine/strategy_tables.h"
#include "platform/settings_keys.h"
#include "table/game_state.h"
#include "table/value_text.h"

namespace tandora {

namespace {

// The figures the pages state, from where the program keeps them, so that the help follows a change.
std::string figure(std::int64_t value) {
    return groupedNumber(value);
}

std::string deckSize(GameType game) {
    return figure(rulesFor(game).deck.count);
}

std::string cardsLeft(GameType game) {
    return figure(rulesFor(game).deck.count - HandSize);
}

std::string paysPerCoin(GameType game, HandCategory category) {
    const GameRules rules = rulesFor(game);
    return figure(handPays(category, game, rules.PayTable, 1));
}

// What each designed table returns to best play drawing from the cards left (exact), and as this table
// deals and draws: tandora-analyze simulate GAME --draw game --hands 10000000 (seed 1, five coins),
// with its 95 % interval.
struct TableDrawReturn {
    GameType game;
    double returnPercent;
    double ci95;
};
constexpr TableDrawReturn TableDrawReturns[] = {{GameType::JacksOrBetter85, 96.2081, 0.2709},
                                                {GameType::JacksOrBetter96, 98.4193, 0.2692},
                                                {GameType::DeucesWild, 97.6449, 0.3079},
                                                {GameType::JokerPoker, 98.9819, 0.3231}};

std::string percent(double value) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f%%", value);
    return text;
}

std::string drawReturnsTable() {
    std::string rows;
    for (const TableDrawReturn& measured : TableDrawReturns) {
        const PayTable designed = payTableFor(measured.game);
        double exact = 0;
        for (const KnownPayTable& known : knownPayTables(measured.game))
            if (known.table == designed)
                exact = known.returnPercent;
        rows += "<tr><td>" + payTableName(measured.game, designed) + "</td><td>" + percent(exact) +
                "</td><td>" + percent(measured.returnPercent) + " (&plusmn; " + percent(measured.ci95) +
                ")</td></tr>\n";
    }
    return "<table>\n<tr><th>Game</th><th>Cards left</th><th>This table</th></tr>\n" + rows + "</table>\n";
}

} // namespace

std::string welcomePage() {
    return R"(<h1>Welcome to Tandora</h1>
<p>Tandora is video poker: five-card draw poker played against a pay table instead of against other
players. You bet one to five coins, get five cards, keep the ones you like, replace the rest once, and are
paid by the table for the hand you end with. There is no opponent to beat; the only question is how good
your final hand is.</p>
<p>Four games are on offer, chosen from the <b>Options</b> menu:</p>
<ul>
<li><a href="help:jb85">8/5 Jacks or Better</a> and <a href="help:jb96">9/6 Jacks or Better</a>: the
classic game; any pair of jacks or higher pays.</li>
<li><a href="help:dw">Deuces Wild</a>: the four twos stand for any card you need.</li>
<li><a href="help:jp">Joker Poker</a>: a )" +
           deckSize(GameType::JokerPoker) + R"(-card deck with a joker that stands for any card.</li>
</ul>
<p>New to the game? Start with <a href="help:how-to-play">How to Play</a>, then look at
<a href="help:hands">the poker hands</a> and the <a href="help:strategy">holding strategy</a>.</p>
<p>Tandora plays for credits only. No money is ever bet, won or lost.</p>)";
}

std::string howToPlayPage() {
    return R"(<h1>How to Play</h1>
<h2>1. Choose a game</h2>
<p>Open the <b>Options</b> menu and click the game you want. The pay table at the top of the table
changes to that game's. You can change games between hands at any time; your credits stay.</p>
<h2>2. Add credits</h2>
<p>A new game starts with no credits, and the table says so. Click the <b>dollar sign</b> button at the
lower right (or press $), or choose
<b>Add Credits, Add Default</b>, to add credits ()" +
           figure(GameOptions{}.iDefaultPoints) + R"( at a time unless you change it). See
<a href="help:credits">Credits and the Bank</a>.</p>
<h2>3. Bet</h2>
<p>Each coin costs one credit. <b>Bet 1</b> adds one coin to the bet; the coin count shows under COINS
and the matching column of the pay table lights up. When the fifth coin (or your last credit) is bet,
the cards are dealt at once; otherwise press <b>Deal</b> when you are ready.</p>
<p><b>Play Max</b> bets five coins (or all your credits when you have fewer) and deals straight away.
Only a five-coin bet earns the large royal flush prize, so most players bet five.</p>
<h2>4. Hold</h2>
<p>Five cards are dealt face up. If they already make a paying hand, its name lights up on the pay table,
but nothing is paid yet. Click each card you want to keep, or the label under it: the label reads
<b>HELD</b>. Click again to change your mind. The keys 1 to 5 do the same for cards one to five.</p>
<h2>5. Draw</h2>
<p>The Deal button now reads <b>Draw</b>. Press it: every card you did not hold is replaced. Your final
hand is paid by the pay table for the coins you bet. The win shows under PAID and is added to your
CREDITS. GAME OVER shows that the hand is finished and you can bet again.</p>
<h2>6. Double or keep</h2>
<p>With the Double Up option on, every win offers a gamble to double it. Answer <b>No</b> to keep the
win as it is. See <a href="help:double-up">The Double Up</a>.</p>
<h2>7. When you are done</h2>
<p>Press <b>Cash Out</b> to put your credits into the credit bank, where they wait for another game, or
save the game with <b>Game, Save Game</b> and carry on later.</p>)";
}

std::string handsPage() {
    return R"(<h1>The Poker Hands</h1>
<p>From the best down. Only the best hand your five cards make is paid.</p>
<table border="1" cellspacing="0" cellpadding="4">
<tr><th>Hand</th><th>What it is</th><th>Example</th></tr>
<tr><td>Royal Flush</td><td>Ten, jack, queen, king and ace of one suit.</td><td>10&#9829; J&#9829; Q&#9829; K&#9829; A&#9829;</td></tr>
<tr><td>Straight Flush</td><td>Five cards in sequence, all of one suit.</td><td>5&#9827; 6&#9827; 7&#9827; 8&#9827; 9&#9827;</td></tr>
<tr><td>Four of a Kind</td><td>Four cards of the same rank.</td><td>9 9 9 9 K</td></tr>
<tr><td>Full House</td><td>Three of a kind and a pair together.</td><td>Q Q Q 4 4</td></tr>
<tr><td>Flush</td><td>Five cards of one suit, not in sequence.</td><td>2&#9830; 7&#9830; 9&#9830; J&#9830; K&#9830;</td></tr>
<tr><td>Straight</td><td>Five cards in sequence, of mixed suits. The ace may be high (10 J Q K A) or
low (A 2 3 4 5).</td><td>8 9 10 J Q</td></tr>
<tr><td>Three of a Kind</td><td>Three cards of the same rank.</td><td>7 7 7 K 2</td></tr>
<tr><td>Two Pair</td><td>Two different pairs.</td><td>J J 5 5 A</td></tr>
<tr><td>Jacks or Better</td><td>One pair of jacks, queens, kings or aces.</td><td>Q Q 9 6 3</td></tr>
</table>
<h2>Wild cards</h2>
<p>In <a href="help:dw">Deuces Wild</a> every two, and in <a href="help:jp">Joker Poker</a> the joker, is
wild: it becomes whatever card makes your hand best. Wild cards bring three more hands:</p>
<ul>
<li><b>Five of a Kind</b>: four cards of one rank and a wild card, such as 8 8 8 8 and the joker.</li>
<li><b>Royal Flush with a wild card</b>: a royal flush that needs the wild card to complete it. It pays
far less than a natural royal flush made without one.</li>
<li><b>Four Deuces</b> (Deuces Wild only): all four twos, whatever the fifth card.</li>
</ul>
<p>Wild games pay less for the common hands, because wild cards make them so much easier to get.
Deuces Wild starts paying at three of a kind, Joker Poker at a pair of kings.</p>
<p>The menu item <b>Help, Hands Defined</b> lists the hands of the game you are playing.</p>)";
}

std::string jacksOrBetterIntroduction() {
    const auto pays = [](GameType game) {
        return paysPerCoin(game, HandCategory::FullHouse) + " and " + paysPerCoin(game, HandCategory::Flush);
    };
    return R"(<p>The classic video poker game, played with an ordinary )" +
           deckSize(GameType::JacksOrBetter85) +
           R"(-card deck and no wild cards. The
smallest paying hand is a pair of jacks, queens, kings or aces; a lower pair pays nothing.</p>
<p>Tandora has two pay tables for it. They differ only in the full house and the flush: )" +
           pays(GameType::JacksOrBetter85) + R"( coins
for each coin bet in 8/5 Jacks or Better, )" +
           pays(GameType::JacksOrBetter96) + R"( in 9/6 Jacks or Better. Every other hand pays the
same.</p>)";
}

std::string royalBonusNote() {
    return R"(<p>Look at the royal flush row: bet five coins and it pays )" +
           figure(NaturalRoyalMaxBetPayout) +
           R"( credits, far more than five
times the one-coin prize. Betting fewer than five coins gives that bonus away.</p>)";
}

std::string jacksOrBetter85Closing() {
    return royalBonusNote() + R"(<p>If you like this game, try <a href="help:jb96">9/6 Jacks or Better</a>:
its richer full house and flush make it the kinder of the two.</p>)";
}

std::string jacksOrBetter96Closing() {
    return royalBonusNote() + R"(<p>Over a long session this table gives back more of what you bet than
<a href="help:jb85">8/5 Jacks or Better</a>, so it is the better choice of the two.</p>)";
}

std::string deucesWildIntroduction() {
    return R"(<p>All four twos (deuces) are wild: each one counts as whatever card makes your hand best.
Every deuce carries a WILD banner so that you can spot it at once.</p>
<p>Because wild cards make good hands common, the smallest paying hand is three of a kind. Two pair and
single pairs pay nothing. In return there are three extra hands: four deuces, a royal flush made with
deuces, and five of a kind.</p>)";
}

std::string jokerPokerIntroduction() {
    return R"(<p>The deck has )" + deckSize(GameType::JokerPoker) + " cards: the usual " +
           deckSize(GameType::JacksOrBetter85) +
           R"( and one joker. The joker is wild and counts as whatever
card makes your hand best.</p>
<p>The smallest paying hand is a pair of kings or aces; jacks and queens do not pay here. Two pair and
better pay as usual, and the joker brings two extra hands: five of a kind and a royal flush made with the
joker.</p>)";
}

std::string strategyPage() {
    return R"(<h1>Holding Strategy</h1>
<p>Luck decides single hands, but what you hold decides how well you do over many of them. The advice
below is the well-known basic strategy for each game, shortened for the table. Follow it and you will
avoid the costly mistakes; no strategy can promise a win.</p>
<p>The <a href="help:strategy-menu">Strategy menu</a> shows the exact best hold of every hand you are
dealt, and can warn you before a costly draw.</p>
<p>Two habits pay off in every game: bet five coins so that a royal flush earns its bonus, and never hold
an extra high card (a "kicker") next to a pair. It only takes away a chance to improve.</p>

<h2>Jacks or Better</h2>
<p>Go down the list and hold the first thing your hand has:</p>
<ol>
<li>A royal flush, straight flush or four of a kind.</li>
<li>Four cards to a royal flush, even when that means breaking up a flush, a straight or a high pair.</li>
<li>A full house, flush or straight; three of a kind (hold the three, draw two).</li>
<li>Four cards to a straight flush.</li>
<li>Two pair (hold both pairs, draw one).</li>
<li>A pair of jacks or better.</li>
<li>Three cards to a royal flush.</li>
<li>Four cards to a flush.</li>
<li>A low pair (twos to tens).</li>
<li>Four cards in a row that can be completed at either end, such as 6 7 8 9.</li>
<li>Two high cards (jack or better) of the same suit.</li>
<li>Three cards to a straight flush.</li>
<li>Two high cards of different suits; with three of them, hold the two lowest.</li>
<li>A ten with a jack, queen or king of the same suit.</li>
<li>One high card.</li>
<li>Nothing at all: draw five new cards.</li>
</ol>
<p class="tip">Two things new players often get wrong: a low pair is worth more than four cards to an
open straight, and four cards to a flush are worth more than a low pair.</p>

<h2>Deuces Wild</h2>
<p>Count your deuces first; what to hold depends on how many you have.</p>
<ul>
<li><b>Never throw a deuce away.</b></li>
<li><b>Four deuces:</b> hold them. The hand is already paid.</li>
<li><b>Three deuces:</b> hold only the deuces, unless they already make a royal flush or five of a
kind.</li>
<li><b>Two deuces:</b> keep four of a kind or better, or four cards to a royal flush; otherwise hold
just the two deuces.</li>
<li><b>One deuce:</b> keep four of a kind or better; hold four cards to a royal flush even over a full
house, a flush or a straight; otherwise keep any hand that already pays, or four cards to a straight
flush. In most other cases hold the deuce alone.</li>
<li><b>No deuces:</b> hold four cards to a royal flush even over a made flush or straight; otherwise keep
any paying hand. With two pair, hold just one of the pairs: two pair pays nothing here, and a single pair
with three new cards has the better chances. Keep any single pair; otherwise look for four cards to a
flush or a straight, and with nothing at all draw five new cards.</li>
</ul>

<h2>Joker Poker</h2>
<ul>
<li><b>Never throw the joker away.</b> The joker with any king or ace is already a paying pair.</li>
<li>Keep four cards to a royal flush ahead of a made flush, a straight or a pair of kings or aces.</li>
<li>Hold two pair as they are and draw one; a full house pays well.</li>
<li>Jacks and queens do not pay here, but a low pair of any rank is still worth more than a handful of
unrelated cards.</li>
<li>With the joker and nothing that goes with it, hold the joker alone and draw four.</li>
</ul>)";
}

std::string strategyMenuPage() {
    return R"(<h1>The Strategy Menu</h1>
<p>Tandora can tell you, for every hand you are dealt, exactly what each way of holding it is worth. All
of it is off until you ask for it; the game plays the same either way.</p>
<h2>What the numbers mean</h2>
<p>Five cards can be held in )" +
           figure(HoldCount) + R"( ways, from all five to none. For each way Tandora counts every possible
draw from the cards still in the deck: )" +
           cardsLeft(GameType::JacksOrBetter85) + " cards, or " + cardsLeft(GameType::JokerPoker) +
           " in Joker Poker, where the joker makes a " + deckSize(GameType::JokerPoker) + R"(-card
deck. It prices each final hand by the pay table for your bet and averages them. The result is the
<b>expected value</b> of the hold: what it pays back on average if the same hand were played again and
again. Nothing is guessed or sampled; every draw is counted. Values are shown in credits for your whole
bet and per coin bet. The best hold is the one worth the most; when two holds are worth exactly the same,
the one keeping more cards counts as the best.</p>
<p>This table draws as the classic game did: the card for each place refuses only the cards that were dealt
at that place and to its left, so a card you throw away from further right can come back. The advice here
counts that exactly: a hold is worth its value drawing from the cards left, mixed with its value when some
of your discards come back, in the proportions this table deals them. A casino machine draws only from the
cards left; the Strategy Chart is made for that draw.</p>
<p>The table's way costs a perfect player one to three percentage points, because a card you threw away can come back and
each place of the deal also refuses the cards the last hand had there and to its left. What each game
gives back to best play at five coins, drawing from the cards left (exact) and on this table (played out
over ten million hands):</p>
)" + drawReturnsTable() +
           R"(
<p>The bet matters: only five coins win )" +
           figure(NaturalRoyalMaxBetPayout) +
           R"( credits for a royal flush, so with fewer coins the best
hold is sometimes a different one.</p>
<h2>Show Best Hold</h2>
<p>After every deal the label under each card of the best hold reads <b>HOLD?</b>. You still decide:
click the cards you want as usual and their labels read HELD. Release one and its hint comes back. The
hints go as soon as you draw. When the best play is to draw five new cards, every label reads
<b>DRAW?</b>. Switching the option on in the middle of a hand shows the hints at once.</p>
<h2>Trainer</h2>
<p>When you press <b>Draw</b> (or D) with a hold that is worth less than the best one, the Trainer asks
first. It names the best hold, shows its cards and says how many credits your hold gives away on average.
<b>Draw Anyway</b> draws with your hold; <b>Change Hold</b> (also Enter or Escape) takes you back to the
dealt hand, untouched, to think again. A hold worth exactly as much as the best one is never questioned,
and the Trainer never asks on the deal or during a Double Up. Once the strategy chart of the game is made
(the Trainer starts making it when you switch it on), the question also names the chart's line for the
hand.</p>
<h2>Strategy Chart</h2>
<p><b>Strategy, Strategy Chart</b> shows a strategy chart you can learn and take to a casino: hand patterns
in the words players use, best first, up to )" +
           figure(ChartLines) + R"( lines. Hold the cards of the first line that fits your hand; where a
line fits more than one way, hold the higher cards. The chart is not written by hand: it is worked out from
the exact value of every hold of every deal for the game, the pay table and the bet in play, so that
playing it as written gives back as much as a chart of its length can. Below it stand its return played as
written and best play's. The sign &gt; marks the line for the hand on the table. Making a chart takes a
few seconds the first time for a game, table and bet.</p>
<h2>Hold Analysis</h2>
<p><b>Strategy, Hold Analysis</b> (Ctrl+H) lists the )" +
           figure(HoldCount) + R"( holds of the hand waiting for the draw, best
first, with their values; the sign &gt; marks the hold you have chosen so far. Between hands it shows
the last hand: what it was worth with the best hold, what your hold was worth, and what your choice cost.</p>
<h2>In the statistics</h2>
<p><b>Game, Current Game's Statistics</b> adds two lines to the statistics:</p>
<ul>
<li><b>Pay Table Return</b>: what the pay table of the game in play gives back over the long run, in
percent of every credit bet, when every hand is held the best way, for the bet in use (the coins of the
hand under way, otherwise of your last hand, or five before the first). Above 100% the game favours a
perfect player.</li>
<li><b>Cost of Holds</b>: the credits your holds have given away against the best holds in this game so
far, on average. It adds up at every draw, whether the Strategy options are on or not. It is not saved
in game files: a new game, and a game opened from a file, start it from zero.</li>
</ul>
<p>The Strategy options are remembered between sessions with your other options.</p>)";
}

std::string doubleUpPage() {
    return R"(<h1>The Double Up</h1>
<p>When the <b>Double Up</b> option is on (it is checked in the <b>Options</b> menu), every winning hand
offers you a gamble: double the win or lose it. A panel asks whether you want to double up.</p>
<ul>
<li>Click <b>No</b> (or press N) to keep the win as it is. It goes straight into your credits.</li>
<li>Click <b>Yes</b> (or press Y) to gamble it.</li>
</ul>
<h2>Playing the gamble</h2>
<p>The dealer's card is turned face up in the first place; the other four cards lie face down. Pick one
of the four by clicking it or its label, or with the keys 2 to 5. All four are then shown.</p>
<ul>
<li>Your card is <b>higher</b> than the dealer's: the win is doubled.</li>
<li>Your card is <b>lower</b>: the win is lost, and PAID shows 0.</li>
<li>The two cards are of <b>equal rank</b>: a push; you keep the win as it was.</li>
</ul>
<p>Only the ranks count, not the suits. Aces are high. In Deuces Wild a deuce counts as high as an
ace, and in Joker Poker the joker does.</p>
<p>A win can be doubled once. While the gamble is open the other buttons wait, and the game cannot be
saved.</p>
<p>The Double Up is close to an even bet: over time it hardly adds to your credits or takes from them,
it only makes them swing more. If you would rather not gamble, switch it off with <b>Options, Double Up</b>.</p>)";
}

std::string creditsPage() {
    const auto& choices = Settings::DefPointsChoices;
    return R"(<h1>Credits and the Bank</h1>
<p>Tandora is played for credits, never for money. The CREDITS display shows the credits of the game in
play. Adding credits stops at )" +
           figure(MaxGameCredits) + R"(; wins can take a game beyond that, up to )" +
           figure(MaxShownCredits) +
           R"(, the most the display shows. Near that, a hand that could win past it is not dealt until you cash
out some credits.</p>
<h2>Adding credits</h2>
<ul>
<li><b>Add Credits, Add Default</b> (Ctrl+A), or the <b>dollar sign</b> button: adds the default amount,
)" + figure(GameOptions{}.iDefaultPoints) +
           R"( credits unless you change it.</li>
<li><b>Add Credits, Change Default</b>: chooses how many credits Add Default adds, from )" +
           figure(choices[0]) + " to " + figure(choices[std::size(choices) - 1]) + R"(.</li>
<li><b>Add Credits, Add From Bank</b> (Ctrl+B): brings credits back from the credit bank into the
game. Tandora tells you how many the bank holds and how many you may take.</li>
</ul>
<p>Credits can be added between hands only. If a hand is under way, finish it first.</p>
<h2>The credit bank</h2>
<p>The credit bank keeps credits between games and between sessions. Press <b>Cash Out</b> (or C)
between hands to move every credit of the game into the bank. The bank holds up to )" +
           figure(MaxBankCredits) + R"( credits; a
cash out that would go past that is refused, and your credits stay in the game.</p>
<p>The bank belongs to you, not to a game: credits cashed out of one game can be added to any other
later. A new game starts with no credits, so cash out first if you want to keep the credits of the game
you are leaving (or save that game).</p>)";
}

std::string gameFilesPage() {
    return R"(<h1>Game Files</h1>
<p>A game can be saved and picked up again later, just as you left it: the game and options, the cards on
the table, the credits, the bet and the statistics. Game files end in <b>.tn2</b>. Files of Tandora 1.0
(<b>.tnd</b>) open as well.</p>
<ul>
<li><b>Game, New Game</b> (Ctrl+N): starts afresh, with no credits and empty statistics.</li>
<li><b>Game, Open Game</b> (Ctrl+O): opens a saved game.</li>
<li><b>Game, Save Game</b> (Ctrl+S) and <b>Save Game As</b>: save the game in play. A game cannot be
saved in the middle of a Double Up; finish the gamble first.</li>
<li>The games you opened last are listed near the bottom of the <b>Game</b> menu; click one to open it
again.</li>
<li><b>Game, Load Last Game on Startup</b>: when checked, Tandora opens the last game you played each
time it starts.</li>
</ul>
<p>Before a new game, another game or the end of the program replaces a game with unsaved changes,
Tandora asks whether to save it. The title bar shows the name of the game file, or [untitled] for a game
that has not been saved yet.</p>
<p>A double click on a saved game in the file manager opens it in Tandora; when Tandora is already
running, that copy comes to the front and opens the game, asking first about the one on the table.</p>
<p>A game played by a pay table of your own (<b>Options, Pay Table</b>) keeps that table in its file and
is paid by it when opened again; programs that know only the four games open it with the game's own
table.</p>
<p>The credit bank is not part of any game file: it stays with you whichever game you open.</p>)";
}

std::string statisticsPage() {
    return R"(<h1>Statistics</h1>
<p><b>Game, Current Game's Statistics</b> (Ctrl+G) shows how the game in play is going:</p>
<table border="1" cellspacing="0" cellpadding="4">
<tr><td>Hands Played</td><td>Hands played to the end (dealt and drawn).</td></tr>
<tr><td>Hands Won</td><td>Final hands that paid, also those whose Double Up was lost.</td></tr>
<tr><td>Odds</td><td>How often a hand wins: "1 in 2.50" means one win in every two and a half hands.</td></tr>
<tr><td>Credits Played</td><td>All credits bet.</td></tr>
<tr><td>Credits Won</td><td>All credits won, after any Double Up.</td></tr>
<tr><td>Return %</td><td>Credits won for every 100 credits bet. Above 100 you are ahead.</td></tr>
</table>
<p>Pay Table Return and Cost of Holds compare your play with the best play; see
<a href="help:strategy-menu">The Strategy Menu</a>.</p>
<p>Below them, each paying hand of the game in play is listed with how often you made it and its share of
all your wins.</p>
<p>The statistics belong to the game: they are saved in its game file, they stay when you switch between
the four games, and a new game starts them from zero. <b>Print</b> prints them (choose a PDF file in the
print dialog to keep a copy on disk) and <b>Save</b> writes them to a text file.</p>)";
}

std::string optionsPage() {
    return R"(<h1>Options</h1>
<ul>
<li><b>The four games</b>: choose the game to play. Games can be changed between hands only; credits
and statistics stay.</li>
<li><b>Pay Table...</b>: plays the game by another pay table, to practise the machine you meet in the
casino. The list holds the well-known tables of the game's family with their returns (Jacks or Better
9/6, 9/5, 8/6, 8/5, 7/5 and 6/5; Deuces Wild full pay, Not So Ugly, Illinois and 25/16/13; Joker Poker
20/7/5, 18/7/5, 17/7/5 and 16/7/5), or <b>Custom</b>: type what each row pays for one coin (a whole
number up to 10,000) and what a natural royal flush pays on five coins. While you type, the dialog works
out the table's exact return under best play, for the bet in use and for one coin; a pay it cannot take
is named on the line below. Nothing changes until <b>OK</b>, and only between hands. The table then pays
every hand, is painted on the game table, named in the title bar and a check mark here, and drives the
Strategy menu and the statistics' Pay Table Return. Choosing a game in this menu plays its own table
again.</li>
<li><b>Double Up</b>: offers the <a href="help:double-up">Double Up</a> gamble after every win. Uncheck it
to take every win as it comes.</li>
<li><b>Select Deck</b>: a red or a blue card back. Changing the deck starts a new game; Tandora asks
first, and offers to save the game in play.</li>
<li><b>Sound Effects</b>: switches the game's sounds on and off. Without a sound device Tandora tells
you so and stays silent.</li>
</ul>
<p>The <b>Strategy</b> menu holds two more options, <b>Show Best Hold</b> and <b>Trainer</b>; see
<a href="help:strategy-menu">The Strategy Menu</a>.</p>
<h2>The table's size</h2>
<p>The table can be drawn larger or smaller; every card, digit and letter is drawn anew at the size, sharp
on any screen, also on screens that double their pixels. Drag the window's edge and the table grows with
it, keeping its shape (any spare edge shows the cabinet's grey), or choose a size in the <b>View</b>
menu: <b>100 %</b> (the table's own size, Ctrl+0), <b>125 %</b>, <b>150 %</b>, <b>200 %</b>, or <b>Fit to
Screen</b>, the largest size the screen holds. <b>Larger</b> (Ctrl+Plus) and <b>Smaller</b> (Ctrl+Minus)
step through the listed sizes. A size too large for the screen becomes the largest that fits, and the
window always stays wholly on the screen. On its first start Tandora picks the largest listed size that
fits your screen comfortably; after that it keeps the size you last used. Dialogs taller than the screen
scroll, with their buttons always in reach.</p>
<p>Tandora remembers its options, the table's size, the window's place, the recent game files and the
credit bank between sessions. On Linux they are kept in <b>~/.config/Tandora/Tandora.ini</b>; on Windows in the registry
under <b>HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Tandora</b>. Deleting them starts Tandora
as on its first day, with an empty credit bank.</p>)";
}

std::string keyboardNotes() {
    return R"(<p>The Ctrl keys work from the menus at any time the menu item can be chosen. The play keys
work on the game table: digits hold cards (during a Double Up, 2 to 5 pick a card), letters work in
upper or lower case. <b>Help, Keyboard Shortcuts</b> (Ctrl+K) shows the same list in a small
window.</p>)";
}

} // namespace tandora
