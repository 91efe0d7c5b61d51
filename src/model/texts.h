// Every text the game shows the player, grouped by where it appears (the buildings' own in
// building_texts.h). The texts themselves are in texts.cpp: changing one recompiles that
// file alone, and adding one recompiles only the files that include this header. A sentence with
// values in it is a template: fillIn (text.h) puts the values in place of {1}, {2}, ..., so a
// translation may put them in another order.
#pragma once

#include "model/building_texts.h"
#include "model/translation.h"

namespace kr::text {

extern const Text kGameName;
extern const Text kDefaultNick;

// The main menu and the about box.
extern const Text kMainMenuTitle;
extern const Text kNewGame;
extern const Text kLoadGame;
extern const Text kNetworkGame;
extern const Text kExit;
extern const Text kAbout;
extern const Text kAboutTitle;
extern const Text kOk;
extern const Text kAboutText;

// The briefing and loading screen.
extern const Text kStart;
extern const Text kLoadTerrain;
extern const Text kQuitBriefing;
extern const Text kNickPrompt;
extern const Text kLoadedAll;
extern const Text kPercentSuffix;
extern const Text kBriefingLevel1;
extern const Text kBriefingLevel2;
extern const Text kGoalLevel1;
extern const Text kGoalLevel2;

// The battlefield's panels.
extern const Text kBuildFrame;
extern const Text kUnderConstruction;
extern const Text kResourcesFrame;
extern const Text kEnergyTitle;
extern const Text kMetalTitle;
extern const Text kWoodTitle;
extern const Text kMinimapFrame;
extern const Text kPowerSwitchStored;
extern const Text kSwitchOn;
extern const Text kSwitchOff;

// The chat box and its console commands.
extern const Text kDeveloperNick;
extern const Text kChatLine;          // {1} the nickname, {2} what was typed
extern const Text kDeveloperModeOn;   // {1} the nickname
extern const Text kDeveloperModeOff;  // {1} the nickname
extern const Text kResourcesAdded;    // {1} the nickname
extern const Text kNotepadLine;       // {1} the line brought back

// The game menu and its questions.
extern const Text kRestart;
extern const Text kSave;
extern const Text kLoad;
extern const Text kNotepad;
extern const Text kMusicOff;
extern const Text kMusicOn;
extern const Text kSecondTrack;  // the track switch, to the second track
extern const Text kFirstTrack;   // the track switch, back to the first
extern const Text kSure;
extern const Text kSureToLoad;
extern const Text kSureToExit;

// The game's message box.
extern const Text kMessageTitle;
extern const Text kYes;
extern const Text kNo;
// In Cyrillic letters: the "Нет" button's caption when it is the only answer.
extern const Text kOkAnswer;
extern const Text kCongratulations;
extern const Text kLevelPassed;

// The saved game.
extern const Text kLevelSaved;   // {1} the nickname, {2} the level
extern const Text kLoadedLevel;  // {1} the level
extern const Text kLoadedSuccessfully;
extern const Text kLoadFailed;
extern const Text kSaveFailed;

// The notepad and the network dialog.
extern const Text kBackToMenu;
extern const Text kNetworkDialogTitle;  // the title the player sees
extern const Text kNetworkGameTitle;
extern const Text kHost;
extern const Text kJoin;
extern const Text kAddressPrompt;
extern const Text kDefaultAddress;
extern const Text kConnectFailed;

}  // namespace kr::text
