// The weapon and armour development screens bukai and bokai. They share their layout; each
// keeps one copy of the six smithing material counts, which are one quantity (every change
// to one copy changes the other in the same step).

#include "core/app.h"
#include "equipment/equipment.h"

namespace volna::equipment {

using namespace ui;

namespace {

void refreshMoney(App& app, Window& w) { w.control("kane").text = app.field("メイン.kane").text(); }

WindowDef development(std::string_view name, std::string_view caption, std::string_view shop) {
  struct Row {
    const char* nameLabel;
    const char* material;
    const char* count;
    const char* entry;
  };
  const Row rows[] = {{"tetu1", "鉄", "tetu", "tukautetu"},
                      {"koutetu1", "鋼鉄", "koutetu", "tukaukou"},
                      {"katai1", "硬い金属", "katai", "tukaukatai"},
                      {"ayasii1", "妖しい石", "ayasii", "tukauaya"},
                      {"hikaru1", "光る石", "hikaru", "tukauhikaru"},
                      {"tenkai1", "天界の石", "tenkai", "tukautenkai"}};
  std::vector<ControlDef> controls = {
      Label("jyuken", "使う材料を決めてください。", 480, 120, 8655, 375).size(14.25),
      Label("Label4", "材料名", 480, 600, 1815, 375),
      Label("Label5", "所持数", 2400, 600, 975, 375),
      Label("Label6", "使う数", 3480, 600, 1095, 375),
      Label("Label8", "材料名", 5040, 600, 1815, 375),
      Label("Label9", "所持数", 6960, 600, 975, 375),
      Label("Label10", "使う数", 8040, 600, 1095, 375),
  };
  for (int i = 0; i < 6; ++i) {
    const int left = i < 3 ? 480 : 5040;
    const int top = 1080 + 600 * (i % 3);
    controls.push_back(Label(rows[i].nameLabel, rows[i].material, left, top, 1815, 375));
    controls.push_back(Label(rows[i].count, "0", left + 1920, top, 975, 375));
    controls.push_back(TextBox(rows[i].entry, left + 3000, top, 1095, 375));
  }
  controls.push_back(Label("Label3", "現在の所持金", 480, 3000, 2175, 375));
  controls.push_back(Label("kane", "0", 480, 3480, 2175, 375));
  controls.push_back(Label("Label2", "使うお金", 3000, 3000, 2175, 375));
  controls.push_back(TextBox("tukaukane", 3000, 3480, 2175, 375));
  controls.push_back(Button("kyanseru", "戻る", 6720, 3600, 2175, 375).centred().backTo(shop));
  return WindowDef(name, caption).activated(refreshMoney).add(std::move(controls));
}

}  // namespace

const WindowDef& weaponDevelopmentWindow() {
  static const WindowDef def = development("bukai", "武器開発", "bukiya");
  return def;
}

const WindowDef& armourDevelopmentWindow() {
  static const WindowDef def = development("bokai", "防具開発", "boguya");
  return def;
}

}  // namespace volna::equipment
