#include "screens.h"

#include "battle/battle.h"
#include "equipment/equipment.h"
#include "hub/hub.h"
#include "opponents/opponents.h"
#include "school/school.h"
#include "training/training.h"

namespace volna {

const std::vector<const ui::WindowDef*>& allWindows() {
  static const std::vector<const ui::WindowDef*> windows = [] {
    std::vector<const ui::WindowDef*> w = {
        &hub::titleWindow(),
        &hub::setupWindow(),
        &hub::mainWindow(),
        &hub::statusWindow(),
        &hub::techniquesWindow(),
        &battle::battleWindow(),
        &battle::spiritWindow(),
        &battle::spellWindow(),
        &battle::resultWindow(),
        &opponents::arenaWindow(),
        &opponents::outskirtsWindow(),
        &training::trainingWindow(),
        &school::schoolWindow(),
        &school::examWindow(),
        &school::inventionWindow(),
        &equipment::weaponShopWindow(),
        &equipment::armourShopWindow(),
        &equipment::weaponDevelopmentWindow(),
        &equipment::armourDevelopmentWindow(),
    };
    for (int i = 0; i < 4; ++i) w.push_back(&school::licenceListWindow(i));
    for (int page = 1; page <= 4; ++page) {
      w.push_back(&equipment::weaponPageWindow(page));
      w.push_back(&equipment::armourPageWindow(page));
    }
    return w;
  }();
  return windows;
}

std::vector<std::string> shutdownOrder() {
  return {"メイン",       "設定",      "tukau",     "tokusyurisuto", "syutoku",     "sutetasu",
          "sukiru",       "sikaku",    "sento",     "nikourisuto",   "matihazure",  "masiyou",
          "mahatu",       "kurasu",    "kekka",     "itikourisuto",  "hojyorisuto", "gakko",
          "bukiya",       "bukai",     "buhenkou4", "buhenkou3",     "buhenkou2",   "buhenkou1",
          "bokai",        "bohenkou4", "bohenkou3", "bohenkou2",     "bohenkou1",   "boguya"};
}

}  // namespace volna
