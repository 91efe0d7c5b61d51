// The briefing and loading screen: the typed briefing over the background picture, the
// progress bar, the nickname box and the three buttons.
#include "ui/shell/briefing_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "model/game.h"
#include "model/persist/save_file.h"
#include "model/shell/briefing.h"
#include "model/shell/windows.h"
#include "model/texts.h"
#include "ui/game_ui.h"
#include "ui/shell/shell_look.h"
#include "ui/sprites/sprite_store.h"
#include "ui/widgets/control_sync.h"

namespace kr {

namespace {

// The border of the briefing picture around its parchment, in hundredths of its width.
constexpr int kParchmentBorder = 8;

QPushButton* makeButton(QWidget* parent, GameUi& ui, void (*handler)(Game&)) {
  auto* b = new QPushButton(parent);
  b->setFont(face(kTimesFace, 14, true));
  QObject::connect(b, &QPushButton::clicked, parent,
                   [&ui, handler] { ui.input([&ui, handler] { handler(ui.game); }); });
  return b;
}

QWidget* makeBar(QWidget* parent) {
  auto* bar = new QWidget(parent);
  bar->setAttribute(Qt::WA_TransparentForMouseEvents);
  return bar;
}

// A bar of the progress display: a plain rectangle of the control's background colour.
void syncBar(QWidget* bar, const Control& c) {
  syncGeometry(bar, c);
  syncColours(bar, c, true);
}

}  // namespace

BriefingWindow::BriefingWindow(GameUi& ui) : GameWindow(ui) {
  paintBlack(this);

  text_ = new QLabel(this);
  text_->setFont(face(kArialFace, 19.5, true, true));
  text_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  text_->setWordWrap(true);
  text_->setAttribute(Qt::WA_TransparentForMouseEvents);

  start_ = makeButton(this, ui, startClick);
  load_ = makeButton(this, ui, loadClick);
  quit_ = makeButton(this, ui, quitClick);

  barFrame_ = makeBar(this);
  barFill_ = makeBar(this);
  percent_ = new QLabel(this);
  percent_->setFont(face(kScriptFace, 18, true, true));
  percent_->setAlignment(Qt::AlignCenter);
  percent_->setAttribute(Qt::WA_TransparentForMouseEvents);

  nickLabel_ = new QLabel(this);
  nickLabel_->setFont(face(kArialFace, 12, true));
  nickLabel_->setAlignment(Qt::AlignCenter);
  nick_ = new QLineEdit(this);
  nick_->setFont(face(kArialFace, 11));
  nick_->setMaxLength(static_cast<int>(kNickLetters));
  connect(nick_, &QLineEdit::textEdited, this, [this](const QString& text) {
    ui_.input([this, text] { nickChange(ui_.game, text.toStdString()); });
  });
}

void BriefingWindow::sync() {
  const Game& g = ui_.game;
  const Briefing& m = model();
  place(QRect(0, 0, g.screenWidth, g.fullScreenHeight));
  syncLabel(text_, m.briefLabel);
  // The text keeps to the parchment, which the stretched picture leaves a border around.
  const int margin = text_->width() * kParchmentBorder / 100;
  if (text_->contentsMargins().left() != margin) text_->setContentsMargins(margin, 0, margin, 0);
  syncControl(start_, m.startButton);
  syncControl(load_, m.loadButton);
  syncControl(quit_, m.quitButton);
  syncBar(barFrame_, m.loadingBarFrame);
  syncBar(barFill_, m.loadingBar);
  syncLabel(percent_, m.loadingPercent);
  syncLabel(nickLabel_, m.nickPrompt);
  const bool nickComesUp = m.nickBox.visible && !nick_->isVisibleTo(this);
  syncControl(nick_, m.nickBox);
  if (nickComesUp) nick_->setFocus();  // ready for the player's name
  syncShown();
}

void BriefingWindow::paintEvent(QPaintEvent*) { background_.paint(this); }

}  // namespace kr
