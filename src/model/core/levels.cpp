// The rows of the level table.
#include "model/core/levels.h"

#include <array>

#include "model/texts.h"

namespace kr {

namespace {

constexpr std::array kLevels{
    Level{.number = kFirstLevel,
          .goal = text::kGoalLevel1,
          .briefing = text::kBriefingLevel1,
          .terrain = kFirstMissionGround,
          .winsOnStocks = true,
          .asksName = true,
          .stocksGift = true,
          .loadable = true},
    Level{.number = 2,
          .goal = text::kGoalLevel2,
          .briefing = text::kBriefingLevel2,
          .terrain = kBorderGround,
          .unlocksPalette = true,
          .enemy = true,
          .botStartsWithMission = true,
          .botResumesAfterMenu = true,
          .loadable = true},
    // Reached only from a saved game: the ground of its own, no briefing, no new goal.
    Level{.number = 3,
          .terrain = kThirdLevelGround,
          .unlocksPalette = true,
          .enemy = true,
          .botStartsWithMission = true,
          .botResumesAfterMenu = true,
          .loadable = true},
    Level{.number = kNetworkLevel,
          .terrain = kBorderGround,
          .unlocksPalette = true,
          .enemy = true,
          .botResumesAfterMenu = true},
};

constexpr Level kUnknownLevel{};

}  // namespace

const Level& levelRules(int number) {
  for (const Level& level : kLevels)
    if (level.number == number) return level;
  return kUnknownLevel;
}

}  // namespace kr
