// The stored captions of the shell's windows, from the game's texts.
#include "model/shell/windows.h"

#include "model/texts.h"

namespace kr {

MainMenu::MainMenu()
    : caption(text::kMainMenuTitle),
      title(coloured(Control::at(0, 12, 492, 100, text::kGameName), 0xF0C860)),
      newGameButton(Control::at(197, 130, 97, 41, text::kNewGame)),
      loadGameButton(Control::at(197, 178, 97, 41, text::kLoadGame)),
      networkGameButton(Control::at(197, 226, 97, 41, text::kNetworkGame)),
      exitButton(Control::at(197, 274, 97, 41, text::kExit)),
      aboutButton(Control::at(197, 322, 97, 41, text::kAbout)) {}

AboutBox::AboutBox()
    : caption(text::kAboutTitle),
      title(Control::at(96, 12, 288, 48, text::kGameName)),
      description(Control::at(96, 64, 288, 100, text::kAboutText)),
      okButton(Control::at(296, 172, 88, 28, text::kOk)) {}

Briefing::Briefing()
    : startButton(Control::at(0, 0, 169, 50, text::kStart, false)),
      loadButton(Control::at(0, 0, 169, 50, text::kLoadTerrain)),
      quitButton(Control::at(16, 0, 169, 50, text::kQuitBriefing)),
      nickPrompt(coloured(Control::at(0, 0, 193, 25, text::kNickPrompt, false), 0xFF0000)),
      nickBox(Control::at(0, 0, 193, 25, text::kDefaultNick, false)) {}

GameMenu::GameMenu()
    : restartButton(Control::at(0, 0, 145, 33, text::kRestart)),
      saveButton(Control::at(0, 33, 145, 33, text::kSave)),
      loadButton(Control::at(0, 66, 145, 33, text::kLoad)),
      notepadButton(Control::at(0, 99, 145, 33, text::kNotepad)),
      exitButton(Control::at(0, 132, 145, 33, text::kExit)),
      musicButton(Control::at(150, 0, 145, 33, text::kMusicOff, false)),
      trackButton(Control::at(150, 33, 145, 33, text::kSecondTrack, false)) {}

MessageBox::MessageBox()
    : caption(text::kMessageTitle),
      yesButton(coloured(Control::at(184, 112, 41, 17, text::kYes), 0, 0x80FF80)),
      noButton(coloured(Control::at(232, 112, 41, 17, text::kNo), 0, 0x80FFFF)) {}

}  // namespace kr
