#include "printers.h"

#include <cctype>

#include "tests/support/fake_platform.h"

namespace tandora {

void PrintTo(const Rect& rect, std::ostream* os) {
    *os << rect.left << "," << rect.top << " " << rect.width << "x" << rect.height;
}

void PrintTo(GameType game, std::ostream* os) {
    *os << gameCode(game);
}

void PrintTo(HandCategory category, std::ostream* os) {
    *os << categoryName(category);
}

void PrintTo(const TableScene& scene, std::ostream* os) {
    testing_support::Transcript lines;
    testing_support::FakeTableView view(lines);
    view.show(scene);
    for (const std::string& line : lines.lines())
        *os << line << "; ";
}

namespace testing_support {

std::string gameName(const ::testing::TestParamInfo<GameType>& info) {
    std::string name(gameCode(info.param));
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

} // namespace testing_support

} // namespace tandora
