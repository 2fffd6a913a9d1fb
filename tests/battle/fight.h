#pragma once

// A fight set up the way the arena and the outskirts prepare one: the opponent's values and
// the player's current ones written into the battle screen, then a screen switch to it from
// the main screen.

#include <string>

#include "play.h"

namespace volna::testing {

struct Opponent {
  std::string name = "ケイ";
  std::string stamina = "50";
  std::string breath = "50";
  std::string attack = "10";
  std::string defence = "5";
};

inline void startFight(Play& play, const Opponent& o = {}) {
  play.set("sento.enamae", o.name);
  play.set("sento.ehp", o.stamina);
  play.set("sento.mehp", o.stamina);
  play.set("sento.ekokyu", o.breath);
  play.set("sento.mekokyu", o.breath);
  play.set("sento.ekou", o.attack);
  play.set("sento.ebou", o.defence);
  play.set("sento.hp", play.text("メイン.hp"));
  play.set("sento.kokyu", play.text("メイン.kokyu"));
  play.set("sento.kou", play.text("sutetasu.kougeki"));
  play.set("sento.bou", play.text("sutetasu.bougyo"));
  play.app().screenSwitch(play.app().window("メイン"), "sento");
}

// The enabled state of the four commands, in screen order, as "1" and "0".
inline std::string commands(Play& play) {
  std::string out;
  for (const char* c : {"kougeki", "mazyutu", "kiaitukau", "taeru"})
    out += play.field(std::string("sento.") + c).enabled() ? "1" : "0";
  return out;
}

}  // namespace volna::testing
