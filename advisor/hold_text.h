#pragma once

#include <cstdint>
#include <string>

#include "engine/card.h"
#include "engine/strategy_tables.h"

namespace tandora {

// Cards and holds as the advisor's windows name them: "10♥", "K♠", "Joker".
std::string cardText(Card card);
// The held cards of the hand in position order, blank between them; empty when nothing is held.
std::string heldCardsText(const Hand& hand, std::uint8_t heldMask);
// The dealt cards that a hold keeps, or what holding none of them means: for a list, and inside a sentence.
std::string holdText(const Hand& hand, std::uint8_t heldMask);
std::string holdPhrase(const Hand& hand, std::uint8_t heldMask);

// A hold's average return in credits for the whole bet.
double creditsOf(const HoldValue& hold);
// Credits with two decimals and thousands grouped: "4,000.00", "0.47".
std::string creditsText(double credits);
// A cost in credits as a sentence reads it: "4.50 credits", "less than 0.01 credits".
std::string costText(double credits);

// Characters as the eye counts them (UTF-8 code points), for columns of a fixed-pitch text.
std::size_t shownWidth(const std::string& text);
std::string padShownRight(const std::string& text, std::size_t width);
std::string padShownLeft(const std::string& text, std::size_t width);

} // namespace tandora
