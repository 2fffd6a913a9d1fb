// The spirit screen tukau: spirit points turned into stamina or breath. Discarded after
// every use.

#include "battle/battle.h"
#include "core/app.h"

namespace volna::battle {

using namespace ui;

const WindowDef& spiritWindow() {
  static const WindowDef def = WindowDef("tukau", "気合を使う").add({
      Label("label1", "気合をいくつ使うか決めてください。", 480, 240, 8655, 375),
      Label("Label3", "使う気合数", 480, 960, 2055, 375),
      List("tukaukazu", 2640, 960, 1455, 375),
      Label("Label2", "現在の気合数", 4800, 960, 2055, 375),
      Label("kiai", "0", 7080, 960, 1455, 375),
  });
  return def;
}

}  // namespace volna::battle
