// The look shared by the battlefield's right-hand panels.
#include "ui/battlefield/panel_frame.h"

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

}  // namespace kr
