// The union of many rectangles as one region.
#pragma once

#include <QRect>
#include <QRegion>
#include <vector>

namespace kr {

// Built in pairs: adding rectangles to a region one at a time costs a pass over all it
// holds for each, which a base of factories changing together makes slow.
inline QRegion unite(const std::vector<QRect>& rects) {
  std::vector<QRegion> parts(rects.begin(), rects.end());
  for (std::size_t step = 1; step < parts.size(); step *= 2)
    for (std::size_t i = 0; i + step < parts.size(); i += 2 * step) parts[i] += parts[i + step];
  return parts.empty() ? QRegion() : parts.front();
}

}  // namespace kr
