// Factories blinking between their two pictures.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/clock/timer_rule.h"
#include "model/core/world.h"

namespace kr {

class Game;
struct BuildingKind;

// The slots that hold a factory of an animated kind, in slot order. A tick looks again only
// at the slots whose objects changed since it last looked (every rule that changes a slot
// stamps it, see Battlefield::objectChanged), so an idle base costs nothing to find.
class AnimatedSlots {
 public:
  struct Entry {
    int slot;
    std::array<std::string_view, 2> frames;  // the kind's pictures of phase 1 and 2
    // The picture the slot is known to show while its stamp is still `stamp`: the last one
    // a tick gave it or found on it. Saves comparing names on every tick.
    const char* picture = nullptr;
    std::uint64_t stamp = 0;
  };
  // Catches up with the slots stamped since the last look.
  void update(const Battlefield& f);
  // The pictures the tick gave are the tick's own changes: no need to look at them again.
  void noteOwnChanges(const Battlefield& f) { seen_ = f.newestStamp; }
  std::vector<Entry>& entries() { return entries_; }

 private:
  void list();

  std::array<const BuildingKind*, kSlots> kinds_{};
  std::vector<Entry> entries_;
  std::uint64_t seen_ = 0;
};

// Phase 1 shows the first pictures and hands over to phase 2, phase 2 the second ones.
// Without a list of its own, the tick finds the factories afresh.
void animationTick(Game& g, int phase);
void animationTick(Game& g, int phase, AnimatedSlots& animated);
// The two phase timers: each picture shows for 200 ms. Both run from the start; each stops
// itself and starts the other. The in-game menu pauses them.
extern const WindowTimer<Battlefield> kAnimationPhase1Timer;
extern const WindowTimer<Battlefield> kAnimationPhase2Timer;

}  // namespace kr
