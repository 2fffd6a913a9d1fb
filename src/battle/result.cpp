// The result screen kekka: the gains of the last victory. Discarded after every accepted
// distribution.

#include "battle/battle.h"
#include "core/app.h"

namespace volna::battle {

using namespace ui;

const WindowDef& resultWindow() {
  static const WindowDef def = WindowDef("kekka", "戦闘結果").add({
      Label("Label3", "獲得経験", 480, 360, 2535, 375),
      Label("keiken", "0", 480, 840, 2535, 375),
      Label("label1", "獲得戦闘技術", 480, 1440, 2535, 375),
      Label("gizyutu", "0", 480, 1920, 2535, 375),
      Label("Label2", "獲得魔術知識", 480, 2520, 2535, 375),
      Label("tisiki", "0", 480, 3000, 2535, 375),
      Label("Label11", "戦利品", 480, 3720, 1095, 375),
      Label("senri", "謎の微生物　１００　天界の石　１００", 1680, 3720, 5055, 375),
  });
  return def;
}

}  // namespace volna::battle
