// Every text the game shows the player, grouped by where it appears. The texts themselves
// are in texts.cpp: changing one recompiles that file alone. A sentence with values in it
// is a template: fillIn (text.h) puts the values in place of {1}, {2}, ..., so a
// translation may put them in another order.
#pragma once

namespace kr::text {

extern const char kGameName[];
extern const char kDefaultNick[];

// The main menu and the about box.
extern const char kMainMenuTitle[];
extern const char kNewGame[];
extern const char kLoadGame[];
extern const char kNetworkGame[];
extern const char kExit[];
extern const char kAbout[];
extern const char kAboutTitle[];
extern const char kOk[];
extern const char kAboutText[];

// The briefing and loading screen.
extern const char kStart[];
extern const char kLoadTerrain[];
extern const char kQuitBriefing[];
extern const char kNickPrompt[];
extern const char kLoadedAll[];
extern const char kPercentSuffix[];
extern const char kBriefingLevel1[];
extern const char kBriefingLevel2[];
extern const char kGoalLevel1[];
extern const char kGoalLevel2[];

// The battlefield's panels.
extern const char kBuildFrame[];
extern const char kUnderConstruction[];
extern const char kResourcesFrame[];
extern const char kEnergyTitle[];
extern const char kMetalTitle[];
extern const char kWoodTitle[];
extern const char kMinimapFrame[];
extern const char kPowerSwitchStored[];
extern const char kSwitchOn[];
extern const char kSwitchOff[];

// The buildings: palette captions (a label, then the price), tooltips on the map, and the
// inspection panel's name and effect lines.
extern const char kPaletteCaption[];  // {1} the item, {2} energy, {3} metal, {4} wood
extern const char kEffectEnergy[];    // {1} the effect: "+20", "-50" or kNoEffect
extern const char kEffectMetal[];
extern const char kEffectWood[];
extern const char kNoEffect[];
extern const char kAccumulatorLabel[];
extern const char kAccumulatorTooltip[];
extern const char kAccumulatorName[];
extern const char kMetalWorksLabel[];
extern const char kMetalWorksTooltip[];
extern const char kMetalWorksName[];
extern const char kWoodWorksLabel[];
extern const char kWoodWorksTooltip[];
extern const char kWoodWorksName[];
extern const char kLocatorLabel[];
extern const char kLocatorTooltip[];
extern const char kLocatorName[];
extern const char kTankFactoryLabel[];
extern const char kTankFactoryTooltip[];
extern const char kTankFactoryName[];
extern const char kTankLabel[];
extern const char kConverterTooltip[];
extern const char kConverterName[];
extern const char kHeadquartersName[];

// The chat box and its console commands.
extern const char kDeveloperNick[];
extern const char kChatLine[];          // {1} the nickname, {2} what was typed
extern const char kDeveloperModeOn[];   // {1} the nickname
extern const char kDeveloperModeOff[];  // {1} the nickname
extern const char kResourcesAdded[];    // {1} the nickname
extern const char kNotepadLine[];       // {1} the line brought back

// The game menu and its questions.
extern const char kRestart[];
extern const char kSave[];
extern const char kLoad[];
extern const char kNotepad[];
extern const char kMusicOff[];
extern const char kMusicOn[];
extern const char kSecondTrack[];  // the track switch, to the second track
extern const char kFirstTrack[];   // the track switch, back to the first
extern const char kSure[];
extern const char kSureToLoad[];
extern const char kSureToExit[];

// The game's message box.
extern const char kMessageTitle[];
extern const char kYes[];
extern const char kNo[];
// In Cyrillic letters: the "Нет" button's caption when it is the only answer.
extern const char kOkAnswer[];
extern const char kCongratulations[];
extern const char kLevelPassed[];

// The saved game.
extern const char kLevelSaved[];   // {1} the nickname, {2} the level
extern const char kLoadedLevel[];  // {1} the level
extern const char kLoadedSuccessfully[];
extern const char kLoadFailed[];
extern const char kSaveFailed[];

// The notepad and the network dialog.
extern const char kBackToMenu[];
extern const char kNetworkDialogTitle[];  // the title the player sees
extern const char kNetworkGameTitle[];
extern const char kHost[];
extern const char kJoin[];
extern const char kAddressPrompt[];
extern const char kDefaultAddress[];
extern const char kConnectFailed[];

}  // namespace kr::text
