// The network game dialog and its sockets.
#pragma once

namespace kr {

class Game;

inline constexpr int kGamePort = 3666;
inline constexpr int kSecondPort = 666;

void hostClick(Game& g);  // "Засервить"
void joinClick(Game& g);  // "Присоединиться"
void setkaClose(Game& g);  // the dialog's close box
void closeSockets(Game& g);

}  // namespace kr

namespace kr {

void onConnectionRequest(Game& g, int listener, int requestId);
void onSocketError(Game& g, int socket);

}  // namespace kr
