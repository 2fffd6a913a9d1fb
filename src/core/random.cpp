#include "core/random.h"

namespace volna {

ClockedRandom::ClockedRandom(Clock clock) : clock_(std::move(clock)), engine_(clock_()) {}

double ClockedRandom::draw() {
  return static_cast<double>(engine_() >> 40) * kSmallestDraw;
}

void ClockedRandom::reseed() { engine_.seed(clock_()); }

double ScriptedRandom::draw() {
  if (script_.empty()) return fallback_.draw();
  const double r = script_.front();
  script_.pop_front();
  return r;
}

}  // namespace volna
