#include "tests/gamefiles/reader_fuzz_check.h"

#include <algorithm>

#include "tests/gamefiles/fake_table.h"
#include "tests/gamefiles/game_file_samples.h"

namespace tandora::testing_support {

namespace {

constexpr const char* Path = "/fuzz/game.tn2";
// The fakes keep every message shown; a fresh table now and then keeps memory flat.
constexpr std::uint64_t InputsPerTable = 10000;

// Whether play could have left the game as the record holds it: credits the counter shows, a win one hand
// can pay under its table, doubled, counts the next win adds to, a dealt hand with a bet.
bool playCouldLeave(const GameFileRecord& r) {
    const HandCounts counts = r.HandCounts.value_or(HandCounts{});
    const std::int64_t largestWin = 2 * largestHandPay(r.game, r.payTable.value_or(payTableFor(r.game)));
    return r.vPoints <= MaxShownCredits && r.PaidAmount <= largestWin &&
           std::all_of(counts.begin(), counts.end(),
                       [](std::int64_t c) { return c >= 0 && c <= MaxStatistic; }) &&
           (r.HandState != HandStates::Dealt || r.CoinsBet > 0);
}

} // namespace

// A game in play to open the files on: the sample's Deuces Wild hand after the deal.
struct ReaderFuzzCheck::Table : FakeTable {
    Table() {
        f.files.put(Path, fileOf(sampleLines()));
        (void)files.OpenOrSaveFile(Path, FileMode::Read);
    }
};

ReaderFuzzCheck::ReaderFuzzCheck() : table_(std::make_unique<Table>()) {}
ReaderFuzzCheck::~ReaderFuzzCheck() = default;

std::string ReaderFuzzCheck::check(std::string_view bytes) {
    if (++sinceFresh_ == InputsPerTable) {
        table_ = std::make_unique<Table>();
        sinceFresh_ = 0;
    }
    Table& t = *table_;
    const auto record = parseGameFile(bytes);
    if (record && parseGameFile(writeGameFile(*record)) != record)
        return "the written file of an accepted record reads back differently";

    const std::string before = stateText(t.s);
    const HandCounts countsBefore = t.s.HandCounts;
    t.f.files.put(Path, std::string(bytes));
    t.f.log.clear();
    const bool loaded = t.files.OpenOrSaveFile(Path, FileMode::Read);
    if (loaded != record.has_value())
        return "the reader and the check of the whole file disagree";
    if (!loaded) {
        ++refused;
        if (stateText(t.s) != before)
            return "a refused file changed the game";
        if (t.f.log.size() != 3 || t.f.log.lines()[2].rfind("message Open Game: ", 0) != 0)
            return "a refused file changed the table:\n" + t.f.log.textFrom(0);
        return {};
    }
    ++accepted;
    if (!playCouldLeave(*record))
        return "an accepted file holds a game play never leaves";
    if (!t.f.log.matching("message").empty())
        return "the table refused an accepted file's values:\n" + t.f.log.textFrom(0);
    // The file's buttons are checked but not applied: the table follows from the game it holds.
    GameFileRecord expected = *record;
    expected.HandCounts = record->HandCounts.value_or(countsBefore);
    expected.buttons = t.buttons();
    expected.dealFace = t.s.HandState == HandStates::BetweenHands;
    if (recordOf(t.s, t.buttons()) != expected || t.s.bChange)
        return "an accepted file was not applied whole";
    const TableScene& shown = t.f.view.scene();
    if (shown != deriveTable(t.s))
        return "the table does not show the opened game";
    for (std::size_t i = 0; i < HandSize; ++i) {
        if (shown.cards[i] != (record->Hand ? (*record->Hand)[i] : CardBackCode) ||
            shown.labels[i] != (record->Held[i] ? HoldLabel::Held : HoldLabel::Empty))
            return "the table does not show the file's cards and holds";
    }
    return {};
}

std::vector<std::string> fuzzSeeds() {
    std::vector<std::string> seeds{fileOf(sampleLines())};
    auto withoutCounts = sampleLines();
    withoutCounts.resize(29);
    seeds.push_back(fileOf(withoutCounts));
    const char* games[] = {"JacksOrBetter", "JacksOrBetter96", "JokerPoker"};
    const char* hands[] = {"0,0,0,0,0", "13,26,39,52,1", "0,7,20,33,46"};
    for (int i = 0; i < 3; ++i) {
        auto lines = sampleLines();
        lines[0] = std::string("GamePlay=") + games[i];
        lines[5] = std::string("CurrHand=") + hands[i];
        lines[9] = std::string(i == 0 ? "2" : "1");
        lines[11] = std::string(i == 0 ? "Deal" : "Draw");
        lines[14] = std::string(i == 1 ? "Won 4000" : "Won ");
        seeds.push_back(fileOf(lines));
    }
    // A table of the player's own, on line 43.
    auto ownTable = sampleLines();
    ownTable[14] = "Won 9000";
    ownTable.emplace_back("PayTable=250,200,25,15,9,900,3,2,2,1,4000");
    seeds.push_back(fileOf(ownTable));
    return seeds;
}

} // namespace tandora::testing_support
