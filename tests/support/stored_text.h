// Compares a text the test made with the one stored under tests/model/data. After an
// intended change, running with KREPOSTAN_UPDATE_EXPECTED=1 stores the new text instead.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace kr::test {

inline void expectStoredText(const std::string& file, const std::string& got) {
  const std::string path = std::string(KREPOSTAN_TEST_DATA) + "/" + file;
  if (std::getenv("KREPOSTAN_UPDATE_EXPECTED")) {
    std::ofstream(path) << got;
    GTEST_SKIP() << "stored a new " << file << " in " << path;
  }
  std::ifstream in(path);
  ASSERT_TRUE(in) << "nothing stored at " << path;
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(got, expected.str());
}

}  // namespace kr::test
