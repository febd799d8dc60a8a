#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "engine/game_type.h"
#include "engine/hand_category.h"
#include "platform/controls.h"
#include "platform/table_scene.h"

// Readable values in failure messages and test names instead of byte dumps.
namespace tandora {

void PrintTo(const Rect& rect, std::ostream* os);
void PrintTo(GameType game, std::ostream* os);
void PrintTo(HandCategory category, std::ostream* os);
// The scene's cards, labels, buttons and counters on one line.
void PrintTo(const TableScene& scene, std::ostream* os);

namespace testing_support {

// Names a parameterised case after its row's name member.
struct RowName {
    template <typename Row> std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

// Names a case of a suite over the four games: Jb85, Jb96, Dw, Jp.
std::string gameName(const ::testing::TestParamInfo<GameType>& info);

} // namespace testing_support

} // namespace tandora
