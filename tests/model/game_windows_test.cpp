// Loading, getting and unloading the game's windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/core/world.h"
#include "model/cues.h"
#include "model/game.h"
#include "model/shell/windows.h"
#include "support/fake_platform.h"
#include "support/shell_steps.h"

namespace kr::test {
namespace {

TEST(GameWindowsDeathTest, GettingAWindowThatIsNotLoadedStopsWithItsName) {
  forEachWindow([]<class W>(std::type_identity<W>) {
    FakePlatform platform;
    Game game(platform);
    EXPECT_DEATH(game.window<W>(), std::string("the ") + kWindowName<W> + " window is used")
        << kWindowName<W>;
  });
}

TEST(GameWindows, LoadRunsTheLoadHandlerOnlyWhenTheWindowComesIn) {
  FakePlatform platform;
  Game game(platform);
  startProgram(game);  // reads the 1280 × 984 screen
  MessageBox& box = game.load<MessageBox>();
  EXPECT_EQ(box.left, 500);  // centred by its load handler
  box.left = 7;
  box.captionBar.caption = "Уверены?";
  EXPECT_EQ(&game.load<MessageBox>(), &box);
  EXPECT_EQ(box.left, 7);
  game.unload<MessageBox>();
  EXPECT_FALSE(game.loaded<MessageBox>());
  const MessageBox& fresh = game.load<MessageBox>();
  EXPECT_EQ(fresh.left, 500);
  EXPECT_EQ(fresh.captionBar.caption, "");
  // Loaded again, the window is where it was: a reference taken before reaches it.
  EXPECT_EQ(&fresh, &box);
  EXPECT_EQ(box.left, 500);
}

TEST(GameWindows, UnloadingEndsTheWindowsTimers) {
  FakePlatform platform;
  Game game(platform);
  toBriefing(game);  // the briefing over its hidden battlefield: both own timers
  const std::uint64_t fired = game.clock.fired();
  game.clock.advanceBy(100);
  ASSERT_GT(game.clock.fired(), fired);  // the animation, the progress display, ...
  platform.sounds.clear();
  game.unload<Battlefield>();
  game.unload<Briefing>();
  EXPECT_FALSE(game.loaded<Battlefield>());
  EXPECT_FALSE(game.loaded<Briefing>());
  // No window left has timers: nothing fires any more.
  const std::uint64_t firedBefore = game.clock.fired();
  game.clock.advanceBy(10000);
  EXPECT_EQ(game.clock.fired(), firedBefore);
  EXPECT_EQ(platform.soundNames(), std::vector<std::string>{cue::kWhoosh});  // the battlefield's
}

TEST(GameWindows, OnceTheGameHasEndedTheBattlefieldStaysLoaded) {
  FakePlatform platform;
  Game game(platform);
  toBriefing(game);
  game.end();
  platform.sounds.clear();
  game.unload<Battlefield>();
  EXPECT_TRUE(game.loaded<Battlefield>());
  EXPECT_TRUE(platform.sounds.empty());  // its unload handler did not run
  // The briefing has no unload handler: it goes all the same.
  game.unload<Briefing>();
  EXPECT_FALSE(game.loaded<Briefing>());
}

}  // namespace
}  // namespace kr::test
