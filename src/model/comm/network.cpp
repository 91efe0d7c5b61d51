// The network game: hosting and joining from the dialog, and the game connection's events.
// Nothing is ever sent: each side plays its own copy of level 100.
#include "model/comm/network.h"

#include "model/comm/windows.h"
#include "model/core/world.h"
#include "model/game.h"
#include "model/input.h"
#include "model/shell/windows.h"
#include "model/texts.h"

namespace kr {

namespace {

void reportConnectFailure(Game& g) {
  g.platform.systemMessage(text::kConnectFailed, MessageIcon::None);
}

// Puts a fresh socket in a slot of the battlefield, closing what the slot held.
void replaceSocket(Game& g, SocketId& slot, SocketId fresh) {
  if (slot != 0) g.platform.close(slot);
  slot = fresh;
}

// The dialog closes and the briefing of level 100 opens.
void leaveDialog(Game& g) {
  g.unload<NetworkDialog>();
  g.load<Briefing>().window.show();
}

}  // namespace

void hostClick(Game& g) {
  if (!canClick(g, &NetworkDialog::hostButton)) return;
  // Reaching the battlefield's socket loads the battlefield: level setup for level 100.
  Battlefield& f = g.load<Battlefield>();
  replaceSocket(g, f.gameSocket, g.platform.listen(kGamePort));
  f.peerAccepted = false;
  leaveDialog(g);
  // The port is taken, say: told over the briefing, now on the screen.
  if (f.gameSocket == 0) reportConnectFailure(g);
}

void addressChange(Game& g, const std::string& text) {
  if (!canClick(g, &NetworkDialog::addressBox)) return;
  g.networkDialog().addressBox.caption = text;
}

void joinClick(Game& g) {
  if (!canClick(g, &NetworkDialog::joinButton)) return;
  const std::string address = g.networkDialog().addressBox.caption;
  if (address.empty() || address == text::kAddressPrompt) return;
  // Reaching the battlefield's sockets loads the battlefield, as hosting does.
  Battlefield& f = g.load<Battlefield>();
  replaceSocket(g, f.gameSocket, g.platform.connect(address, kGamePort));
  replaceSocket(g, f.secondSocket, g.platform.connect(address, kSecondPort));
  leaveDialog(g);
  g.joinedNetworkGame = true;
}

void networkDialogClose(Game& g) { g.end(); }

void closeSockets(Game& g) {
  if (!g.loaded<Battlefield>()) return;
  Battlefield& f = g.battlefield();
  replaceSocket(g, f.gameSocket, 0);
  replaceSocket(g, f.secondSocket, 0);
  f.peerAccepted = false;
}

void onConnectionRequest(Game& g, int listener, int requestId) {
  if (!g.loaded<Battlefield>()) return;
  Battlefield& f = g.battlefield();
  // The host takes one peer; gameSocket is that connection from then on.
  if (listener == 0 || listener != f.gameSocket || f.peerAccepted) return;
  g.platform.accept(listener, requestId);
  f.peerAccepted = true;
}

void onSocketError(Game& g, int socket) {
  if (!g.loaded<Battlefield>()) return;
  // Only the game connection reports; the second connection fails silently.
  if (socket != 0 && socket == g.battlefield().gameSocket) reportConnectFailure(g);
}

void onPeerGone(Game& g, int socket) {
  if (!g.loaded<Battlefield>()) return;
  Battlefield& f = g.battlefield();
  // A peer that came and went (a port scan knocks like that) must not keep the one place:
  // the host, still listening, takes the next one that knocks.
  if (socket == 0 || socket != f.gameSocket || !f.peerAccepted) return;
  f.peerAccepted = false;
}

}  // namespace kr
