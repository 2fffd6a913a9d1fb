#pragma once

// The game's random draws. Play uses a generator reseeded from the clock; tests and the
// driver put scripted draws in front of it.

#include <cstdint>
#include <deque>
#include <functional>
#include <random>

namespace volna {

class Random {
 public:
  virtual ~Random() = default;
  // A uniform draw in [0, 1).
  virtual double draw() = 0;
  // Reseeds from the clock, as every handler that draws does first.
  virtual void reseed() = 0;
};

// The smallest draw: every draw of the clocked generator is a multiple of it.
inline constexpr double kSmallestDraw = 1.0 / 16777216.0;  // 2^-24

// A formula that divides by a draw takes a draw of exactly 0 as the smallest positive one.
inline double divisorDraw(double r) { return r == 0 ? kSmallestDraw : r; }

// Draws with single-precision resolution (multiples of 2^-24), seeded from a clock.
class ClockedRandom : public Random {
 public:
  using Clock = std::function<std::uint64_t()>;
  explicit ClockedRandom(Clock clock);
  double draw() override;
  void reseed() override;

 private:
  Clock clock_;
  std::mt19937_64 engine_;
};

// Scripted draws first, in order; when none are left, the clocked generator.
// Reseeding does not clear the script.
class ScriptedRandom : public Random {
 public:
  explicit ScriptedRandom(Random& fallback) : fallback_(fallback) {}
  void push(double r) { script_.push_back(r); }
  std::size_t pending() const { return script_.size(); }
  double draw() override;
  void reseed() override {
    ++reseeds_;
    fallback_.reseed();
  }
  int reseeds() const { return reseeds_; }

 private:
  Random& fallback_;
  std::deque<double> script_;
  int reseeds_ = 0;
};

}  // namespace volna
