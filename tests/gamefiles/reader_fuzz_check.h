#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tandora::testing_support {

// Feeds one file after another to the game files' reader on a game in play, and checks that each is
// either refused with the game and the table untouched, or applied whole, holding only what play can leave
// and shown without a complaint; and that the writer's file of every accepted one reads back the same.
class ReaderFuzzCheck {
public:
    ReaderFuzzCheck();
    ~ReaderFuzzCheck();
    // Empty when the file was handled soundly, otherwise what went wrong.
    std::string check(std::string_view bytes);

    std::uint64_t accepted = 0;
    std::uint64_t refused = 0;

private:
    struct Table;
    std::unique_ptr<Table> table_;
    std::uint64_t sinceFresh_ = 0;
};

// Valid files the mutations start from: every game, card backs, a file without hand counts.
std::vector<std::string> fuzzSeeds();

} // namespace tandora::testing_support
