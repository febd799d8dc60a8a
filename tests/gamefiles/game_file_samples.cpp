#include "tests/gamefiles/game_file_samples.h"

#include <sstream>

namespace tandora::testing_support {

std::vector<std::string> splitAt(char bar, std::string_view text) {
    std::vector<std::string> parts;
    for (std::size_t at; (at = text.find(bar)) != std::string_view::npos; text.remove_prefix(at + 1))
        parts.emplace_back(text.substr(0, at));
    parts.emplace_back(text);
    return parts;
}

std::vector<std::string> sampleLines() {
    return splitAt('|', "GamePlay=DeucesWild|DoubleUp=False|WhatDeck=Blue|SoundEff=True|DefPoint=40|" // 1-5
                        "CurrHand=2,15,30,44,52|CurScore=1234|567|800|1|True|Draw|5|False|Won 0|"     // 6-15
                        "False|True|Hold All|||True|321|123|890|"                                     // 16-24
                        "True|True|False|False|False|"                                                // 25-29
                        " 1 | 2 | 3 | 4 | 5 | 6 | 7 | 8 | 9 | 10 | 11 | 12 | 2147483647 ");           // 30-42
}

GameState sampleState() {
    GameState s;
    s.setGame(GameType::DeucesWild);
    s.options = {.LoadLastGame = false,
                 .DoubleUpOn = false,
                 .SoundEffects = true,
                 .deck = Deck::Blue,
                 .iDefaultPoints = 40};
    s.Hand = {2, 15, 30, 44, 52};
    s.Held = {true, true, false, false, false};
    s.HandState = HandStates::Dealt;
    s.CoinsBet = 5;
    s.vPoints = 1234;
    s.vAmtPlayed = 567;
    s.CreditsIn = 800;
    s.vHandsPlayed = 321;
    s.vHandsWon = 123;
    s.vAmtWon = 890;
    s.HandCounts = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 2147483647};
    return s;
}

std::string fileOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text.append(line).append("\r\n");
    return text;
}

std::string stateText(const GameState& s) {
    std::ostringstream out;
    const GameOptions& o = s.options;
    out << "game " << gameCode(s.game()) << "\noptions " << o.LoadLastGame << o.DoubleUpOn << o.SoundEffects
        << static_cast<int>(o.deck) << " " << o.iDefaultPoints << "\nhand";
    for (std::size_t i = 0; i < s.Hand.size(); ++i)
        out << " " << s.Hand[i] << (s.Held[i] ? "H" : "");
    out << "\neval";
    for (const auto e : s.eval.EvalHand)
        out << " " << e;
    out << " wild " << s.eval.WildCount << "\ntable " << s.HandState << " " << s.CoinsBet << " "
        << s.PaidAmount << " " << s.vPoints << "\nstats " << s.vHandsPlayed << " " << s.vHandsWon << " "
        << s.vAmtPlayed << " " << s.vAmtWon << " " << s.CreditsIn << "\ncounts";
    for (const auto c : s.HandCounts)
        out << " " << c;
    out << "\nflags " << s.SoundOn << s.bChange << s.DoubleUpOffered << s.DoubleUpPending << s.Restarting
        << " " << s.PendingAction << "\nshown " << toInt(s.WinStrip) << " " << s.CoinColumn << " "
        << s.GameOverShown << " " << s.LastCoinsBet << " " << s.DoubleUpPick << " "
        << s.HoldHints.value_or(255) << "\nfile " << s.GameFile << "|" << s.GameTitle << "\nrecent";
    for (std::size_t i = 0; i < s.RecentPaths.size(); ++i)
        out << " " << s.RecentPaths[i] << "|" << s.RecentTitles[i];
    out << "\nscreen " << s.TwipsPerPixelX << " " << s.TwipsPerPixelY << " " << s.AlreadyRunning << "\n";
    return out.str();
}

} // namespace tandora::testing_support
