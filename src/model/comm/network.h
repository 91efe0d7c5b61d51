// The network game dialog and its sockets.
#pragma once

#include <string>

namespace kr {

class Game;

inline constexpr int kGamePort = 3666;
inline constexpr int kSecondPort = 666;

void hostClick(Game& g);                               // "Засервить"
void addressChange(Game& g, const std::string& text);  // the player edits the address box
void joinClick(Game& g);                               // "Присоединиться"
void networkDialogClose(Game& g);                      // the dialog's close box
// Closes the battlefield window's sockets (its unload does this).
void closeSockets(Game& g);

// Socket events of the platform.
void onConnectionRequest(Game& g, int listener, int requestId);
void onSocketError(Game& g, int socket);
// The host's peer has gone: while the battlefield is up the next one to knock is taken.
void onPeerGone(Game& g, int socket);

}  // namespace kr
