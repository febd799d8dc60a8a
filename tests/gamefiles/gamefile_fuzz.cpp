// Seeded mutation fuzzing of the game file reader, run by ctest; no fuzzing engine needed.
//   gamefile_fuzz [inputs] [seed]     (defaults: 1000000 inputs, seed 1)
//   gamefile_fuzz --write-seeds DIR   the valid files mutations start from, as a libFuzzer corpus
// Every input must be refused with the game untouched, or applied whole; the first one that is not is
// printed and the program fails.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "tests/gamefiles/game_file_samples.h"
#include "tests/gamefiles/reader_fuzz_check.h"

namespace {

using tandora::testing_support::fileOf;
using tandora::testing_support::fuzzSeeds;
using tandora::testing_support::ReaderFuzzCheck;
using tandora::testing_support::splitAt;

// Values that sit on the reader's edges, for lines and numbers.
const std::vector<std::string> Tokens = [] {
    std::vector<std::string> tokens = splitAt(
        '|', "True|False|true|TRUE|Held|held|x|| |Deal|Draw|deal|Won |WON 7|Won -5|Won-5|Won 8000|Won 8001|"
             "0|1|2|3|5|6|-1|-0|+1|1.5|1e3|52|53|99|8000|8001|32767|32768|99999|100000|2147483648|"
             "999999999999999|1000000000000000|99999999999999999999| 7 |\t8\t|GamePlay=JokerPoker|"
             "GamePlay=DeucesWild|GamePlay=JacksOrBetter96|GamePlay=jokerpoker|DoubleUp=True|WhatDeck=Blue|"
             "WhatDeck=Red|SoundEff=False|DefPoint=5|DefPoint=400|DefPoint=3|DefPoint=7|CurrHand=0,0,0,0,0|"
             "CurrHand=0,13,26,39,52|CurrHand=1,2,3,4,53|CurrHand=1,1,2,3,4|CurrHand=1,2,3,4|"
             "CurrHand= 1, 2, 3, 4, 5|CurScore=99999|CurScore=100000|CurScore=-1|CurScore=|"
             "Hold All|\xC3\xA9");
    tokens.push_back(std::string(81, 'x'));
    return tokens;
}();
const std::string InterestingBytes = std::string(" ,-+.0123456789\r\n\tTtFfWwDdHhe", 29) + '\0' + "\xff\xc3";

class Mutator {
public:
    explicit Mutator(std::uint64_t seed) : random_(seed), seeds_(fuzzSeeds()) {}

    std::string next() {
        std::string bytes = seeds_[below(seeds_.size())];
        for (std::size_t n = 1 + below(4); n > 0; --n)
            mutate(bytes);
        return bytes;
    }

private:
    std::size_t below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(random_() % n); }
    const std::string& token() { return Tokens[below(Tokens.size())]; }

    static std::vector<std::string> split(const std::string& bytes) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(bytes.substr(start, end - start));
        if (start < bytes.size())
            lines.push_back(bytes.substr(start));
        return lines;
    }
    void mutate(std::string& bytes) {
        std::vector<std::string> lines = split(bytes);
        const std::size_t at = below(bytes.size());
        const std::size_t line = below(lines.size());
        const std::size_t op = below(13);
        if ((op <= 1 || op == 7) && !bytes.empty()) {
            // A bit flipped, an edge byte, or the letter case.
            bytes[at] = op == 0   ? static_cast<char>(bytes[at] ^ (1 << below(8)))
                        : op == 1 ? InterestingBytes[below(InterestingBytes.size())]
                                  : static_cast<char>(bytes[at] ^ 0x20);
            return;
        }
        switch (op) {
        case 2: bytes.insert(at, 1 + below(3), static_cast<char>(random_())); return;
        case 3: bytes.erase(at, 1 + below(8)); return;
        case 4: bytes.resize(at); return;
        case 5: {
            const std::size_t end = bytes.find("\r\n", at);
            if (end != std::string::npos)
                bytes.replace(end, 2, std::vector<const char*>{"\n", "\r", "\n\r", "\r\n\r\n"}[below(4)]);
            return;
        }
        case 6: {
            const std::string& other = seeds_[below(seeds_.size())];
            bytes = bytes.substr(0, at) + other.substr(std::min(at, other.size()));
            return;
        }
        default: break;
        }
        if (lines.empty())
            return;
        switch (below(5)) {
        case 0: lines[line] = token(); break;
        case 1: {
            // A number of the line replaced, whatever its key.
            std::string& text = lines[line];
            const std::size_t digits = text.find_first_of("0123456789");
            if (digits != std::string::npos)
                text.replace(digits, text.find_first_not_of("0123456789", digits) - digits, token());
            break;
        }
        case 2: lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line)); break;
        case 3:
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(line), lines[below(lines.size())]);
            break;
        default: std::swap(lines[line], lines[below(lines.size())]); break;
        }
        bytes = fileOf(lines);
    }

    std::mt19937_64 random_;
    std::vector<std::string> seeds_;
};

// The file with its control bytes and all beyond ASCII escaped.
std::string printable(const std::string& bytes) {
    std::string text;
    for (const unsigned char ch : bytes) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, ch == '\n' || (ch >= 0x20 && ch < 0x7F) ? "%c" : "\\x%02X",
                      ch);
        text += escaped;
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--write-seeds") {
        const std::vector<std::string> seeds = fuzzSeeds();
        for (std::size_t i = 0; i < seeds.size(); ++i)
            std::ofstream(std::string(argv[2]) + "/seed" + std::to_string(i) + ".tn2", std::ios::binary)
                << seeds[i];
        return 0;
    }
    const unsigned long long inputs = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    Mutator mutator(seed);
    ReaderFuzzCheck check;
    const std::vector<std::string> seeds = fuzzSeeds();
    for (unsigned long long n = 0; n < inputs; ++n) {
        // The files mutations start from come first: games play leaves, each to be applied whole.
        const std::string bytes = n < seeds.size() ? seeds[n] : mutator.next();
        std::string failure = check.check(bytes);
        if (failure.empty() && n < seeds.size() && check.refused > 0)
            failure = "a valid game file was refused";
        if (!failure.empty()) {
            std::printf("input %llu (seed %llu): %s\n--- file ---\n%s\n", n, seed, failure.c_str(),
                        printable(bytes).c_str());
            return 1;
        }
    }
    std::printf("%llu inputs (seed %llu): %llu applied whole, %llu refused with the game untouched\n", inputs,
                seed, static_cast<unsigned long long>(check.accepted),
                static_cast<unsigned long long>(check.refused));
    return 0;
}
