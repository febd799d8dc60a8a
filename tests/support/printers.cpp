#include "printers.h"

#include <cctype>

#include "tests/support/fake_platform.h"

namespace tandora {

void PrintTo(const Rect& rect, std::ostream* os) {
    *os << rect.left << "," << rect.top << " " << rect.width << "x" << rect.height;
}

void PrintTo(const ControlRef& control, std::ostream* os) {
    *os << testing_support::refName(control);
}

void PrintTo(const MenuRef& item, std::ostream* os) {
    *os << testing_support::refName(item);
}

void PrintTo(GameType game, std::ostream* os) {
    *os << gameCode(game);
}

void PrintTo(HandCategory category, std::ostream* os) {
    *os << categoryName(category);
}

namespace testing_support {

std::string gameName(const ::testing::TestParamInfo<GameType>& info) {
    std::string name(gameCode(info.param));
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

} // namespace testing_support

} // namespace tandora
