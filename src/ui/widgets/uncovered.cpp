// What covers a widget: its visible children, and at each level up to its window the
// visible siblings stacked after it, which are drawn over it.
#include "ui/widgets/uncovered.h"

#include <QWidget>

namespace kr {

QRegion uncovered(const QWidget* widget) {
  QRegion shown(widget->rect());
  for (const QObject* child : widget->children())
    if (const auto* w = qobject_cast<const QWidget*>(child); w && !w->isWindow() && w->isVisible())
      shown -= w->geometry();
  for (const QWidget* level = widget; !level->isWindow() && level->parentWidget();
       level = level->parentWidget()) {
    const QWidget* parent = level->parentWidget();
    const QPoint toWidget = widget->mapFrom(parent, QPoint(0, 0));
    shown &= parent->rect().translated(toWidget);
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(level)) + 1; i < siblings.size(); ++i)
      if (const auto* w = qobject_cast<const QWidget*>(siblings[i]);
          w && !w->isWindow() && w->isVisible())
        shown -= w->geometry().translated(toWidget);
  }
  return shown;
}

}  // namespace kr
