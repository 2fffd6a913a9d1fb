// The acquired-techniques screen syutoku: the four technique levels and the learned spells.
// The spell labels are the saved learned flags (shown = learned).

#include "core/app.h"
#include "hub/hub.h"

namespace volna::hub {

using namespace ui;

namespace {

void activated(App& app, Window& w) {
  for (const char* level : {"kinreberu", "wazareberu", "mareberu", "kanreberu"})
    w.control(level).text = app.field("sukiru", level).text();
}

ControlDef spell(std::string_view name, std::string_view caption, int left, int top) {
  return Label(name, caption, left, top, 2175, 375).size(14.25).hidden();
}

ControlDef row(std::string_view name, std::string_view caption, int top) {
  return Label(name, caption, 6240, top, 1335, 375);
}

ControlDef level(std::string_view name, int top) { return Label(name, "1", 7920, top, 1455, 375); }

}  // namespace

const WindowDef& techniquesWindow() {
  static const WindowDef def =
      WindowDef("syutoku", "習得魔術・特技")
          .activated(activated)
          .add({
              Label("Label14", "習得魔術", 1920, 120, 2175, 375).size(14.25),
              spell("raddo", "ラッド", 480, 840).hover("敵にダメージを与える魔術です。", "防御力を無視してダメージを与えます。"),
              spell("daren", "ダレン", 480, 1680).hover("敵の呼吸を乱れさせる魔術です。"),
              spell("bura", "ブラス", 480, 2520)
                  .hover("自分の攻撃力を上げる魔術です。",
                         "攻撃力が上昇する分消費呼吸量が大きくなることに注意しましょう。"),
              spell("pire", "ピレッド", 480, 3360).hover("敵から体力を吸い取る魔術です。", "防御力を無視してダメージを与えます。"),
              spell("gio", "ギオラッド", 3240, 840)
                  .hover("敵に強力なダメージを与える魔術です。", "防御力を無視してダメージを与えます。"),
              spell("dare", "ダレッティーラ", 3240, 1680).hover("敵の呼吸を激しく乱れさせる魔術です。"),
              spell("kathi", "カティール", 3240, 2520).hover("自分の防御力を上げる魔術です。"),
              spell("fosyu", "フォッシュ", 3240, 3360).hover("一気に気合を溜める魔術です。"),
              Label("Label9", "技術レベル", 7920, 240, 1575, 255),
              row("Label10", "筋力特技", 720),
              row("Label11", "技特技", 1200),
              row("Label12", "魔力特技", 1680),
              row("Label13", "感性特技", 2160),
              level("kinreberu", 720),
              level("wazareberu", 1200),
              level("mareberu", 1680),
              level("kanreberu", 2160),
              Button("kyanseru", "戻る", 7920, 3600, 1215, 375)
                  .centred()
                  .hover("詳細ステータス画面に戻ります。")
                  .backTo("sutetasu"),
          })
          .frame("Line", 5, 7680, 3480, 9360, 4080);
  return def;
}

}  // namespace volna::hub
