// The list of the game's windows: each one's model, accessor, handlers, timers and Qt window.
#pragma once

#include <type_traits>

// Every window of the game, one row each, in stacking order: a window further down comes up
// over the ones above it. A row gives
//   the model type, which is also the window's name ("Battlefield"),
//   the short accessor (game.battlefield(), ui.battlefield()),
//   the load handler, run once the model has been built afresh (nullptr: none),
//   the unload handler, run before the model goes (nullptr: none),
//   the Qt window class that draws it (only named here: the model never sees Qt).
// A window's timers are declared beside their rules (WindowTimer<W>, model/clock/timer_rule.h):
// they start as it loads, before its load handler, and end with it.
//
// Why a macro: it is the one kind of list from which C++ makes both types and member names.
// Game and GameUi expand it into their short accessors and, on the Qt side, into the window
// classes; everything else works through the type list GameWindows below and ordinary
// templates (Game::load<W>(), forEachWindow). A new window is a new row here.
//
// clang-format off
#define KR_GAME_WINDOWS(X)                                                                 \
  X(Battlefield,   battlefield,   battlefieldLoad, battlefieldUnload, BattlefieldWindow)   \
  X(Briefing,      briefing,      briefingLoad,    nullptr,           BriefingWindow)      \
  X(Backdrop,      backdrop,      backdropLoad,    nullptr,           BackdropWindow)      \
  X(GameMenu,      gameMenu,      gameMenuLoad,    nullptr,           GameMenuWindow)      \
  X(Notepad,       notepad,       nullptr,         nullptr,           NotepadWindow)       \
  X(MainMenu,      mainMenu,      mainMenuLoad,    nullptr,           MainMenuWindow)      \
  X(AboutBox,      about,         nullptr,         nullptr,           AboutWindow)         \
  X(NetworkDialog, networkDialog, nullptr,         nullptr,           NetworkDialogWindow) \
  X(MessageBox,    messageBox,    messageBoxLoad,  nullptr,           MessageBoxWindow)
// clang-format on

namespace kr {

// The window models, declared only: a file that reads a window includes its model's header
// (model/core/world.h, model/shell/windows.h, model/comm/windows.h).
#define KR_DECLARE_WINDOW_MODEL(Model, ...) struct Model;
KR_GAME_WINDOWS(KR_DECLARE_WINDOW_MODEL)
#undef KR_DECLARE_WINDOW_MODEL

// A list of window model types.
template <class... W>
struct WindowList {};

namespace detail {
// Drops the first type: the list is spelt "void, Battlefield, Briefing, ..." so that every
// row can bring its own leading comma.
template <class Skipped, class... W>
struct ListAfterFirst {
  using type = WindowList<W...>;
};
}  // namespace detail

// The game's windows as types, in the list's order.
#define KR_WINDOW_AFTER_COMMA(Model, ...) , Model
using GameWindows = detail::ListAfterFirst<void KR_GAME_WINDOWS(KR_WINDOW_AFTER_COMMA)>::type;
#undef KR_WINDOW_AFTER_COMMA

// A window's name: its model type's name, as in "Battlefield".
template <class W>
inline constexpr const char* kWindowName = nullptr;
#define KR_WINDOW_NAME(Model, ...) \
  template <>                      \
  inline constexpr const char* kWindowName<Model> = #Model;
KR_GAME_WINDOWS(KR_WINDOW_NAME)
#undef KR_WINDOW_NAME

// Calls f(std::type_identity<W>{}) for every window W, in the list's order.
template <class F>
void forEachWindow(F&& f) {
  [&f]<class... W>(WindowList<W...>) { (f(std::type_identity<W>{}), ...); }(GameWindows{});
}

}  // namespace kr
