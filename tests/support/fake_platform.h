// A platform for tests: records every call and answers from values the test sets.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/platform/platform.h"
#include "model/platform/random_draws.h"
#include "model/text.h"

namespace kr::test {

class FakePlatform : public Platform {
 public:
  struct Message {
    std::string text;
    MessageIcon icon;
  };
  struct Connect {
    std::string host;
    int port;
  };

  std::vector<std::string> sounds;
  std::vector<Message> messages;
  // Called as each system message comes up, for tests that look at the screen then.
  std::function<void()> atMessage;
  bool endCalled = false;
  Point cursor{400, 400};
  Size usable{1280, 984};
  Size full{1280, 1024};
  // Every character of a chat text stands this wide, unless a measure is given.
  float chatLetterWidth = 16;
  std::function<float(const std::string&)> chatWidth;
  std::vector<std::uint32_t> seeds;
  // Draws handed out by random() in order; once empty, a fixed 0.5.
  std::deque<float> draws;
  float fallbackDraw = 0.5f;
  // With the generator on, draws past the queue come from a generator that seedRandom seeds.
  bool useGenerator = false;
  RandomDraws generator;  // the game's own draws
  // Neither folder can be created, not even by root: a test that saves the game gives it
  // a temporary folder of its own instead of writing into the machine's folders.
  std::string folder = "/game";
  std::string userFolder = "/dev/null/krepostan";
  SocketEvents* sink = nullptr;
  std::vector<int> listens;
  std::vector<Connect> connects;
  std::vector<std::pair<SocketId, int>> accepts;
  std::vector<SocketId> closed;
  bool listenFails = false;
  SocketId nextSocket = 1;

  void playSound(const std::string& path) override { sounds.push_back(path); }
  void systemMessage(const std::string& text, MessageIcon icon) override {
    if (atMessage) atMessage();
    messages.push_back({text, icon});
  }
  void endProgram() override { endCalled = true; }
  Point cursorPos() override { return cursor; }
  Size usableScreen() override { return usable; }
  Size fullScreen() override { return full; }
  float chatTextWidth(const std::string& text) override {
    return chatWidth ? chatWidth(text) : chatLetterWidth * static_cast<float>(textLength(text));
  }
  void seedRandom(std::uint32_t seed) override {
    seeds.push_back(seed);
    generator.seed(seed);
  }
  float random() override {
    if (draws.empty() && useGenerator) return generator.next();
    if (draws.empty()) return fallbackDraw;
    const float d = draws.front();
    draws.pop_front();
    return d;
  }
  std::uint32_t defaultSeed() override { return 327680; }
  std::uint32_t secondsSinceMidnight() override { return 43200; }
  std::string programFolder() override { return folder; }
  std::string soundFolder() override { return folder; }
  std::string userDataFolder() override { return userFolder; }
  void setSocketEvents(SocketEvents* s) override { sink = s; }
  SocketId listen(int port) override {
    listens.push_back(port);
    return listenFails ? 0 : nextSocket++;
  }
  SocketId connect(const std::string& host, int port) override {
    connects.push_back({host, port});
    return nextSocket++;
  }
  void accept(SocketId listener, int requestId) override {
    accepts.push_back({listener, requestId});
  }
  void close(SocketId socket) override { closed.push_back(socket); }

  // The file names of the sounds played, without the folder.
  std::vector<std::string> soundNames() const {
    std::vector<std::string> names;
    for (const auto& s : sounds) names.push_back(s.substr(s.find_last_of('/') + 1));
    return names;
  }
};

}  // namespace kr::test
