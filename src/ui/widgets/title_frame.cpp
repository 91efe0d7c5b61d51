// The title bar, close box and border of the game's framed windows.
#include "ui/widgets/title_frame.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace kr {

namespace {

constexpr QColor kTitleBlue(0, 0, 128);
constexpr QColor kBorderGrey(64, 64, 64);

void fill(QWidget* w, const QColor& colour) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, colour);
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

}  // namespace

TitleFrame::TitleFrame(QWidget* window, std::function<void()> onClose)
    : QObject(window), window_(window) {
  fill(window, kBorderGrey);
  bar_ = new QWidget(window);
  fill(bar_, kTitleBlue);
  bar_->installEventFilter(this);
  title_ = new QLabel(bar_);
  QFont titleFont = title_->font();
  titleFont.setBold(true);
  title_->setFont(titleFont);
  QPalette titlePal = title_->palette();
  titlePal.setColor(QPalette::WindowText, Qt::white);
  title_->setPalette(titlePal);
  title_->setAttribute(Qt::WA_TransparentForMouseEvents);
  close_ = new QToolButton(bar_);
  close_->setIcon(window->style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  close_->setFocusPolicy(Qt::NoFocus);
  close_->setAutoRaise(false);
  connect(close_, &QToolButton::clicked, this, [onClose = std::move(onClose)] { onClose(); });
  body_ = new QWidget(window);
  // The body keeps the ordinary window colour of the desktop's style.
  body_->setAutoFillBackground(true);
  body_->setPalette(window->style()->standardPalette());
}

QSize TitleFrame::outerSize(QSize body) {
  return {FrameSize::outerWidth(body.width()), FrameSize::outerHeight(body.height())};
}

void TitleFrame::sync(const QString& title, QSize body, QSize screen) {
  if (title_->text() != title) title_->setText(title);
  const QRect bar(kBorder, kBorder, body.width(), kTitleHeight);
  if (bar_->geometry() != bar) bar_->setGeometry(bar);
  title_->setGeometry(6, 0, std::max(0, bar.width() - kTitleHeight - 8), kTitleHeight);
  close_->setGeometry(bar.width() - kTitleHeight + 2, 2, kTitleHeight - 4, kTitleHeight - 4);
  const QRect inside(FrameSize::bodyLeft, FrameSize::bodyTop, body.width(), body.height());
  if (body_->geometry() != inside) body_->setGeometry(inside);
  const QSize outer = outerSize(body);
  if (window_->size() != outer) window_->resize(outer);
  if (window_->isHidden()) {
    const QPoint middle((screen.width() - outer.width()) / 2,
                        (screen.height() - outer.height()) / 2);
    if (window_->pos() != middle) window_->move(middle);
  } else {
    // Where the player left it, as far inside a screen grown smaller as a drag keeps it.
    const QPoint kept = keptInside(window_->pos(), outer, screen);
    if (window_->pos() != kept) window_->move(kept);
  }
}

QPoint TitleFrame::keptInside(QPoint at, QSize outer, QSize screen) {
  return {std::clamp(at.x(), 0, std::max(0, screen.width() - outer.width())),
          std::clamp(at.y(), 0, std::max(0, screen.height() - kTitleHeight))};
}

bool TitleFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched != bar_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* e = static_cast<QMouseEvent*>(event);
      if (e->button() != Qt::LeftButton) return false;
      grip_ = window_->mapFromGlobal(e->globalPosition().toPoint());
      dragging_ = true;
      return true;
    }
    case QEvent::MouseMove: {
      if (!dragging_) return false;
      const auto* e = static_cast<QMouseEvent*>(event);
      const QWidget* within = window_->parentWidget();
      // The title bar stays inside the game's window, where the player can take it again.
      window_->move(keptInside(within->mapFromGlobal(e->globalPosition().toPoint()) - grip_,
                               window_->size(), within->size()));
      return true;
    }
    case QEvent::MouseButtonRelease: dragging_ = false; return true;
    default: return false;
  }
}

}  // namespace kr
