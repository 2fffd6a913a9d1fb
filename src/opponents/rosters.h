#pragma once

// Everyone the player can fight: the five arena classes with their rosters, the five
// outskirts places with their monsters, and こびっと; and what beating each of them pays.
// A victory finds its reward by the opponent's name (rewardFor).

#include <string_view>
#include <vector>

namespace volna::opponents {

struct Fighter {
  std::string_view name;
  int stamina;
  int breath;
  int attack;
  int defence;
};

// One row of a monster's spoils: a magic material (on mahatu) and a smithing material
// (on bukai and bokai), each with its amount, and the text the result screen shows.
struct Loot {
  std::string_view text;
  std::string_view magic;
  int magicAmount;
  std::string_view smithing;
  int smithingAmount;
};

struct Reward {
  int experience;  // E
  int technique;   // T
  int knowledge;   // K
  // Arena fighters: the prize text and the money added.
  std::string_view prizeText;
  int prize;
  // Monsters: the loot rows, and for each loot draw d = Int(r × rowByDraw.size()) the row.
  std::vector<Loot> loot;
  std::vector<int> rowByDraw;
};

struct ArenaClass {
  std::string_view button;  // kurasu.<button>
  std::string_view name;
  int counter;    // kurasu.syouri(counter); -1: the class counts no bouts
  int threshold;  // bouts that reveal the next class
  std::string_view reveals;
  Reward reward;
  std::vector<Fighter> roster;  // drawn by d = Int(r × roster size)
};

struct Place {
  std::string_view button;  // matihazure.<button>
  std::string_view name;
  int counter;  // matihazure.syouri(counter)
  int threshold;
  std::string_view reveals;
  Reward reward;
  std::vector<Fighter> monsters;  // first, second, third
};

const std::vector<ArenaClass>& arenaClasses();
const std::vector<Place>& places();
// The monster a place's draw d = Int(r × 8) meets: 0, 3, 4, 5 the first; 1, 6, 7 the
// second; 2 the third.
const Fighter& monsterFor(const Place& place, int draw);
const Fighter& kobit();
const Reward& kobitReward();

// What beating the opponent of this name pays; nullptr for a name in no table.
const Reward* rewardFor(std::string_view name);

}  // namespace volna::opponents
