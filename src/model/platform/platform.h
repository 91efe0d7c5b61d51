// What the game asks of the outside world: sound, dialogs, screen, pointer, randomness,
// the program's folders and TCP connections. The program uses the Qt implementation;
// tests use a fake that records every call.
#pragma once

#include <cstdint>
#include <string>

namespace kr {

struct Point {
  int x = 0;
  int y = 0;
};

struct Size {
  int width = 0;
  int height = 0;
};

enum class MessageIcon { None, Critical };

// A socket handle given out by the platform; 0 is "no socket".
using SocketId = int;

// Receives the events of the platform's sockets, always on the game's one thread.
class SocketEvents {
 public:
  virtual ~SocketEvents() = default;
  // A peer asks to connect to a listening socket.
  virtual void connectionRequest(SocketId listener, int requestId) = 0;
  // Connecting, listening or an established connection failed. A peer that closes its
  // end is no error.
  virtual void socketError(SocketId socket) = 0;
  // The peer accepted on a listener has gone: it closed its end, reset the connection, or
  // had gone already when it was accepted. The id stays open until closed.
  virtual void peerGone(SocketId socket) = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Starts playing a sound file asynchronously on the one sound channel: whatever plays
  // is stopped. A missing or unplayable file plays the default cue instead.
  virtual void playSound(const std::string& path) = 0;

  // The platform's standard message box with an OK button; it does not block the game.
  virtual void systemMessage(const std::string& text, MessageIcon icon) = 0;

  // Ends the program at once.
  virtual void endProgram() = 0;

  // The pointer's position in screen pixels.
  virtual Point cursorPos() = 0;
  // The client area a maximised window gets (without task bars), and the whole screen.
  virtual Size usableScreen() = 0;
  virtual Size fullScreen() = 0;
  // How wide a line of text stands in the chat box's face, in screen pixels.
  virtual float chatTextWidth(const std::string& text) = 0;

  // A uniform random source in [0, 1), single precision.
  virtual void seedRandom(std::uint32_t seed) = 0;
  virtual float random() = 0;
  // The platform's default seed and the seconds since midnight, for seeding.
  virtual std::uint32_t defaultSeed() = 0;
  virtual std::uint32_t secondsSinceMidnight() = 0;

  // The folder the program lives in (no trailing separator); the saved game goes there when
  // the folder is writable.
  virtual std::string programFolder() = 0;
  // The folder the sound files live in (no trailing separator): beside the program in the
  // build folder, in the game's data folder in an installed copy.
  virtual std::string soundFolder() = 0;
  // A folder of the user's own for data, used when the program's folder is not writable;
  // empty when the player has none (no whole path for a home).
  virtual std::string userDataFolder() = 0;

  // TCP. Handles stay valid until closed; events arrive through the sink.
  virtual void setSocketEvents(SocketEvents* sink) = 0;
  // Listens on a port on every interface; 0 when the listen cannot start (the port is
  // taken, say), and no event follows then.
  virtual SocketId listen(int port) = 0;
  // Connects in the background; failure is reported as an error event, never from inside
  // this call.
  virtual SocketId connect(const std::string& host, int port) = 0;
  // Accepts a pending connection request of a listening socket: the listener's id stands
  // for the accepted connection too from then on. The listening goes on: whoever knocks
  // later waits behind the accepted peer (a few at most, the longest waiting turned away
  // first) and, should that peer go, the first one still there takes its place without a
  // word to the game. Whatever a peer sends is read and thrown away. When the peer goes, or
  // has gone already, with nobody waiting behind it, a peerGone event for the listener's id
  // follows and the next request may be accepted.
  virtual void accept(SocketId listener, int requestId) = 0;
  virtual void close(SocketId socket) = 0;
};

}  // namespace kr
