// The four licence lists: each shows the recipes of two spells. Fixed captions only.

#include <array>

#include "core/app.h"
#include "school/school.h"

namespace volna::school {

using namespace ui;

namespace {

struct Material {
  const char* name;
  const char* count;
};

struct Recipe {
  const char* spell;
  std::vector<std::string> description;
  std::vector<Material> materials;
  const char* knowledge;
};

struct List {
  const char* window;
  const char* caption;
  Recipe first, second;
  bool helpOnBackground;  // the first-class list writes its back text on the background
};

WindowDef list(const List& l) {
  std::vector<ControlDef> rows = {
      Label("nikou", l.caption, 360, 360, 3975, 375).size(14.25),
      Label("Label2", "必要な材料", 4560, 360, 1815, 375),
      Label("Label5", "必要な知識", 7440, 360, 1815, 375),
  };
  int number = 8;
  auto recipe = [&](const Recipe& r, const char* nameLabel, const char* knowledgeLabel, int top) {
    ControlDef name = Label(nameLabel, r.spell, 360, top, 3495, 375).size(14.25);
    name.help = r.description;
    rows.push_back(std::move(name));
    rows.push_back(Label(knowledgeLabel, r.knowledge, 7440, top, 1815, 375));
    for (const auto& m : r.materials) {
      rows.push_back(Label("Label" + std::to_string(number++), m.name, 4080, top, 2055, 375));
      rows.push_back(Label("Label" + std::to_string(number++), m.count, 6240, top, 855, 375));
      top += 360;
    }
  };
  recipe(l.first, "Label1", "Label6", 1200);
  number = 16;  // Label15 is the second spell's knowledge
  recipe(l.second, "Label7", "Label15", 2520);
  ControlDef back = Button("kyanseru", "戻る", 3480, 3600, 2775, 375).centred().backTo("sikaku");
  if (!l.helpOnBackground) back.help = {"魔術資格試験に戻ります。"};
  rows.push_back(std::move(back));
  WindowDef def = WindowDef(l.window, l.caption).add(std::move(rows));
  if (l.helpOnBackground) def.backgroundHelp = std::vector<std::string>{"魔術資格試験に戻ります。"};
  return def;
}

const std::array<List, 4> kLists = {{
    {"nikourisuto", "第二種攻撃魔術リスト",
     {"ラッド", {"敵にダメージを与える魔術です。", "防御力を無視してダメージを与えます。"}, {{"青い液体", "3"}, {"天然水", "2"}}, "200"},
     {"ダレン", {"敵の呼吸を乱れさせる魔術です。"}, {{"青い液体", "5"}, {"毒草", "4"}}, "600"},
     false},
    {"itikourisuto", "第一種攻撃魔術リスト",
     {"ギオラッド", {"敵に強力なダメージを与える魔術です。", "防御力を無視してダメージを与えます。"},
      {{"青い液体", "21"}, {"天然水", "14"}, {"隕石のかけら", "4"}}, "3000"},
     {"ダレッティーラ", {"敵の呼吸を激しく乱れさせる魔術です。"},
      {{"天然水", "30"}, {"隕石のかけら", "10"}, {"大樹の葉", "8"}}, "4500"},
     true},
    {"hojyorisuto", "補助魔術リスト",
     {"ブラス", {"自分の攻撃力を上げる魔術です。", "攻撃力が上昇する分消費呼吸量が大きくなることに注意しましょう。"},
      {{"大樹の葉", "13"}, {"隕石のかけら", "11"}, {"謎の微生物", "3"}}, "7000"},
     {"カティール", {"自分の防御力を上げる魔術です。"}, {{"青い液体", "32"}, {"毒草", "28"}, {"謎の微生物", "5"}}, "9000"},
     false},
    {"tokusyurisuto", "特殊魔術リスト",
     {"ピレッド", {"敵から体力を吸い取る魔術です。", "防御力を無視してダメージを与えます。"},
      {{"青い液体", "31"}, {"隕石のかけら", "20"}, {"謎の微生物", "16"}}, "12000"},
     {"フォッシュ", {"一気に気合を溜める魔術です。"}, {{"天然水", "43"}, {"毒草", "39"}, {"謎の微生物", "21"}}, "20000"},
     false},
}};

}  // namespace

const WindowDef& licenceListWindow(int licence) {
  static const std::array<WindowDef, 4> lists = {list(kLists[0]), list(kLists[1]), list(kLists[2]),
                                                 list(kLists[3])};
  return lists.at(licence);
}

}  // namespace volna::school
