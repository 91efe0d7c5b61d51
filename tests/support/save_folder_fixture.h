// A game whose program folder and user's data folder lie in a fresh temporary folder: the
// place the saved-game tests write and read.
#pragma once

#include <gtest/gtest.h>

#include "support/game_fixture.h"
#include "support/temp_folder.h"

namespace kr::test {

class SaveFolderTest : public GameTest {
 protected:
  TempFolder folder;
  void SetUp() override {
    ASSERT_FALSE(folder.path().empty());
    platform.folder = folder.path();
    platform.userFolder = folder.path() + "/user";
  }
};

}  // namespace kr::test
