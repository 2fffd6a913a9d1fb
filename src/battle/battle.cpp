// The battle screen sento: the working values of one fight.

#include "battle/battle.h"
#include "core/app.h"

namespace volna::battle {

using namespace ui;

const WindowDef& battleWindow() {
  static const WindowDef def = WindowDef("sento", "戦闘").add({
      Button("kougeki", "武器攻撃", 240, 360, 2055, 375),
      Button("mazyutu", "魔術", 240, 1080, 2055, 375),
      Button("kiaitukau", "気合を使う", 240, 1800, 2055, 375),
      Button("taeru", "耐える", 240, 2520, 2055, 375),
      Label("Label9", "武器攻撃消費呼吸", 240, 3240, 2055, 255),
      Label("syohi", "0", 240, 3600, 2055, 375),
      Label("namae", "名前", 2640, 240, 3255, 375),
      Label("Label2", "体力", 2640, 960, 855, 375),
      Label("hp", "100", 3600, 960, 2175, 375),
      Label("Label6", "呼吸", 2640, 1560, 855, 375),
      Label("kokyu", "100", 3600, 1560, 2175, 375),
      Label("Label1", "気合", 2640, 2160, 855, 375),
      Label("kiai", "0", 3600, 2160, 2175, 375),
      Label("Label7", "攻", 2640, 2880, 375, 375),
      Label("kou", "16", 3120, 2880, 1095, 375),
      Label("label10", "防", 4320, 2880, 375, 375),
      Label("bou", "13", 4800, 2880, 1095, 375),
      Label("enamae", "敵の名前", 6000, 240, 3255, 375),
      Label("tan", "1", 9360, 240, 255, 255).hidden(),
      Label("Label3", "体力", 6000, 960, 855, 375),
      Label("mehp", "100", 6960, 720, 2415, 255).hidden(),
      Label("ehp", "100", 6960, 960, 2415, 375),
      Label("Label5", "呼吸", 6000, 1560, 855, 375),
      Label("mekokyu", "100", 6960, 1320, 2415, 255).hidden(),
      Label("ekokyu", "100", 6960, 1560, 2415, 375),
      Label("Label8", "気合", 6000, 2160, 855, 375),
      Label("ekiai", "0", 6960, 2160, 2415, 375),
      Label("Label4", "攻", 6000, 2880, 375, 375),
      Label("ekou", "0", 6480, 2880, 1095, 375),
      Label("label", "防", 7680, 2880, 375, 375),
      Label("ebou", "0", 8160, 2880, 1095, 375),
  });
  return def;
}

}  // namespace volna::battle
