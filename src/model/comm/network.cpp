// The network game: hosting and joining from the dialog, and the game connection's events.
// Nothing is ever sent: each side plays its own copy of level 100.
#include "model/comm/network.h"

#include "model/game.h"

namespace kr {

namespace {

void reportConnectFailure(Game& g) {
  g.platform.systemMessage(kConnectFailedMessage, MessageIcon::None);
}

// Puts a fresh socket in a slot of the battlefield, closing what the slot held.
void replaceSocket(Game& g, SocketId& slot, SocketId fresh) {
  if (slot != 0) g.platform.close(slot);
  slot = fresh;
}

// The dialog closes and the briefing of level 100 opens.
void leaveDialog(Game& g) {
  g.unloadSetka();
  g.form2().window.show();
}

}  // namespace

void hostClick(Game& g) {
  // Reaching the battlefield's socket loads the battlefield: level setup for level 100.
  Form1& f = g.form1();
  replaceSocket(g, f.Win1, g.platform.listen(kGamePort));
  f.Win1Accepted = false;
  if (f.Win1 == 0) reportConnectFailure(g);  // the port is taken, say
  leaveDialog(g);
}

void joinClick(Game& g) {
  const std::string address = g.setka().Text1.caption;
  if (address.empty() || address == kAddressPrompt) return;
  Form1& f = g.form1();
  replaceSocket(g, f.Win1, g.platform.connect(address, kGamePort));
  replaceSocket(g, f.ChatKlientWin, g.platform.connect(address, kSecondPort));
  leaveDialog(g);
  g.JoinedNetworkGame = true;
}

void setkaClose(Game& g) { g.end(); }

void closeSockets(Game& g) {
  if (!g.form1Loaded()) return;
  Form1& f = g.form1();
  replaceSocket(g, f.Win1, 0);
  replaceSocket(g, f.ChatKlientWin, 0);
  f.Win1Accepted = false;
}

void onConnectionRequest(Game& g, int listener, int requestId) {
  if (!g.form1Loaded()) return;
  Form1& f = g.form1();
  // The host takes one peer; Win1 is that connection from then on.
  if (listener == 0 || listener != f.Win1 || f.Win1Accepted) return;
  g.platform.accept(listener, requestId);
  f.Win1Accepted = true;
}

void onSocketError(Game& g, int socket) {
  if (!g.form1Loaded()) return;
  // Only the game connection reports; the second connection fails silently.
  if (socket != 0 && socket == g.form1().Win1) reportConnectFailure(g);
}

}  // namespace kr
