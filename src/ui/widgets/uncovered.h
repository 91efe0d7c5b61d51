// Where a widget shows in its window: its rectangle less what its ancestors cut off and what
// the widgets stacked over it cover.
#pragma once

#include <QRegion>

class QWidget;

namespace kr {

// In the widget's own pixels. Every visible widget over it counts as covering all of its
// rectangle, see-through or not.
QRegion uncovered(const QWidget* widget);

}  // namespace kr
