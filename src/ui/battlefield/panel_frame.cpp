// The look shared by the battlefield's right-hand panels.
#include "ui/battlefield/panel_frame.h"

#include <QPainter>

#include "ui/widgets/control_sync.h"

namespace kr {

PanelFrame::PanelFrame(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setLineWidth(2);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(212, 208, 200));
  pal.setColor(QPalette::WindowText, Qt::black);
  setPalette(pal);
}

QLabel* PanelFrame::addLabel(bool bold) {
  auto* l = new QLabel(this);
  QFont f = l->font();
  f.setBold(bold);
  l->setFont(f);
  l->setAttribute(Qt::WA_TransparentForMouseEvents);
  return l;
}

void PanelFrame::syncDividers(std::span<const Control> lines) {
  std::vector<QRect> now;
  for (const Control& c : lines)
    if (c.visible) now.push_back(pixelRect(c));
  if (now == dividers_) return;
  for (const QRect& r : dividers_) update(r);
  for (const QRect& r : now) update(r);
  dividers_ = std::move(now);
}

void PanelFrame::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  // Etched into the panel: a shadow line with a light line under it.
  QPainter p(this);
  const QPalette& pal = palette();
  for (const QRect& r : dividers_) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), pal.color(QPalette::Dark));
    p.fillRect(QRect(r.left(), r.top() + 1, r.width(), 1), pal.color(QPalette::Light));
  }
}

}  // namespace kr
