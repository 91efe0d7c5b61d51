// The main menu window: the title over the background picture and five buttons.
#include "ui/shell/main_menu_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyle>

#include <optional>

#include "model/shell/main_menu.h"
#include "model/shell/windows.h"
#include "ui/game_ui.h"
#include "ui/shell/shell_look.h"
#include "ui/sprites/sprite_store.h"
#include "ui/widgets/caption_label.h"
#include "ui/widgets/control_sync.h"
#include "ui/widgets/wrap_button.h"

namespace kr {

namespace {

using Handler = void (*)(Game&);

QFont titleFace() { return face(kScriptFace, 60, true); }
constexpr Qt::Alignment kTitleAlignment = Qt::AlignCenter;

// The title of the first menu, drawn while the program sets up.
struct PreparedTitle {
  CaptionLook look;
  std::shared_future<QImage> picture;
};
std::optional<PreparedTitle> preparedTitle;
constexpr std::array<Handler, 5> kActions{newGameClick, loadGameClick, networkGameClick, exitClick,
                                          aboutClick};

}  // namespace

MainMenuWindow::MainMenuWindow(GameUi& ui) : GameWindow(ui) {
  title_ = new CaptionLabel(this);
  title_->setFont(titleFace());
  title_->setAlignment(kTitleAlignment);
  title_->setAttribute(Qt::WA_TransparentForMouseEvents);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    auto* b = new WrapButton(this);
    b->setFont(face(kDialogFace, 8));
    const Handler action = kActions[i];
    connect(b, &QAbstractButton::clicked, this,
            [this, action] { ui_.input([this, action] { action(ui_.game); }); });
    buttons_[i] = b;
  }
  if (preparedTitle) {
    title_->usePrepared(preparedTitle->look, preparedTitle->picture);
    preparedTitle.reset();
  }
}

void MainMenuWindow::prepareFirstFrame() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const MainMenu menu;
  // The title's face needs the list of the system's fonts, which the buttons need too before
  // they can be measured: it is read first (the font database is shared by all threads).
  const CaptionLook title{
      QString::fromStdString(menu.title.caption),
      titleFace(),
      rgbColor(menu.title.foreColor),
      QStyle::visualAlignment(QGuiApplication::layoutDirection(), kTitleAlignment),
      pixelRect(menu.title).size(),
      screen->devicePixelRatio(),
      qRound(screen->logicalDotsPerInchY())};
  preparedTitle = PreparedTitle{title, prepareCaption(title)};
  // The background is needed once the window is shown: only the part the menu shows.
  SpriteStore::instance().prepare(
      QString::fromLatin1(kBackground), screen->devicePixelRatio(),
      QSize(static_cast<int>(menu.width), static_cast<int>(menu.height)));
}

void MainMenuWindow::sync() {
  const MainMenu& m = model();
  place(centredOnScreen(ui_.game, static_cast<int>(m.width), static_cast<int>(m.height)));
  syncLabel(title_, m.title);
  const std::array<const Control*, 5> controls{&m.newGameButton, &m.loadGameButton,
                                               &m.networkGameButton, &m.exitButton, &m.aboutButton};
  for (std::size_t i = 0; i < buttons_.size(); ++i) syncControl(buttons_[i], *controls[i]);
  syncShown();
}

void MainMenuWindow::paintEvent(QPaintEvent*) { background_.paint(this); }

}  // namespace kr
