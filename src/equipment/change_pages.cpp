// The eight change pages: four of weapons (buhenkou1..4) and four of armour (bohenkou1..4).
// An item is owned exactly when its name label buki(i) is shown.

#include <array>
#include <string>

#include "core/app.h"
#include "equipment/catalogue.h"
#include "equipment/equipment.h"

namespace volna::equipment {

using namespace ui;

namespace {

WindowDef page(bool weapons, int n) {
  const std::string prefix = weapons ? "buhenkou" : "bohenkou";
  WindowDef def(prefix + std::to_string(n), weapons ? "武器変更" : "防具変更");
  std::vector<ControlDef> rows;
  for (int slot = 0; slot < kSlots; ++slot) {
    const Item& item = weapons ? weapon(n, slot) : armour(n, slot);
    const int left = slot < 4 ? 480 : 5040;
    const int top = 240 + 840 * (slot % 4);
    ControlDef name = Button("buki", item.name, left, top, 4095, 375).at(slot).size(14.25);
    for (auto line : item.hover) name.help.emplace_back(line);
    if (!(n == 1 && slot == 0)) name.visible = false;  // only the first item is owned at start
    rows.push_back(std::move(name));
    const std::string number = std::to_string(slot + 1);
    rows.push_back(Label("bu" + number, weapons ? "攻" : "防", left + 2640, top + 360, 375, 375));
    rows.push_back(Label("bukou" + number, item.value, left + 3120, top + 360, 975, 375));
  }
  rows.push_back(Button("kyanseru", "戻る", 480, 3720, 1815, 375)
                     .centred()
                     .hover(weapons ? "武器屋に戻ります。" : "防具屋に戻ります。")
                     .backTo(weapons ? "bukiya" : "boguya"));
  if (n > 1)
    rows.push_back(Button("bumae1", "前へ", 3960, 3720, 1815, 375)
                       .centred()
                       .hover("前のリストに戻ります。")
                       .backTo(prefix + std::to_string(n - 1)));
  if (n < kPages)
    rows.push_back(Button("butugi1", "次へ", 7440, 3720, 1815, 375)
                       .centred()
                       .hover("次のリストに進みます。")
                       .opens(prefix + std::to_string(n + 1)));
  return std::move(def).add(std::move(rows)).frame("Line", 1, 240, 120, 9480, 3600);
}

}  // namespace

const WindowDef& weaponPageWindow(int n) {
  static const std::array<WindowDef, kPages> pages = {page(true, 1), page(true, 2), page(true, 3),
                                                      page(true, 4)};
  return pages.at(n - 1);
}

const WindowDef& armourPageWindow(int n) {
  static const std::array<WindowDef, kPages> pages = {page(false, 1), page(false, 2),
                                                      page(false, 3), page(false, 4)};
  return pages.at(n - 1);
}

}  // namespace volna::equipment
