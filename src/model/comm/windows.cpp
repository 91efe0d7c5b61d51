// The stored captions of the notepad and the network dialog, from the game's texts.
#include "model/comm/windows.h"

#include "model/texts.h"

namespace kr {

Notepad::Notepad() : backButton(Control::at(0, 133, 145, 33, text::kBackToMenu)) {}

NetworkDialog::NetworkDialog()
    : caption(text::kNetworkDialogTitle),
      title(Control::at(0, 24, 499, 41, text::kNetworkGameTitle)),
      hostButton(Control::at(161, 96, 177, 49, text::kHost)),
      addressPrompt(Control::at(24, 192, 451, 25, text::kAddressPrompt)),
      addressBox(Control::at(129, 224, 241, 25, text::kDefaultAddress)),
      joinButton(Control::at(161, 272, 177, 49, text::kJoin)) {}

}  // namespace kr
