// One running copy of the game on a desktop: the first start takes the game's name on the
// session bus; a later start asks that copy to bring its window to the front and ends.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

namespace kr {

// The game's name on the session bus and the object that answers there, as the desktop's
// application interface (org.freedesktop.Application) names them.
inline constexpr char kBusName[] = "ru.krepostan.Krepostan";
inline constexpr char kBusPath[] = "/ru/krepostan/Krepostan";

class OneCopy {
 public:
  enum class Start {
    First,     // this copy holds the game's name: it is the one running copy
    Raised,    // another copy holds it and has brought its window to the front
    Unraised,  // another copy holds it but did not answer
    Alone,     // no session bus (or the offscreen platform): copies cannot meet
  };

  // Once the QApplication exists: takes the game's name, or asks the copy that holds it to
  // bring its window to the front, handing on this start's activation token
  // (XDG_ACTIVATION_TOKEN on Wayland, DESKTOP_STARTUP_ID on X11).
  OneCopy();
  ~OneCopy();
  Start start() const { return start_; }

  // The window a later start brings to the front.
  void setWindow(QWidget* window);

 private:
  class Answer;
  Start start_ = Start::Alone;
  std::unique_ptr<Answer> answer_;
};

// Brings the game's window to the front with the keyboard, out of the task bar if it was
// minimised. On Wayland the desktop lets it come forward with the token a launcher gave
// (empty: Qt asks for one itself); on X11 the request bears the X server's current time, so
// that the window manager takes it for the player's own.
void bringToFront(QWidget* window, const QString& activationToken);

}  // namespace kr
