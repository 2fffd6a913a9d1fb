// The spirit screen tukau: spirit points turned into stamina or breath. Discarded after
// every use and built afresh on the next opening.

#include <string>

#include "battle/battle.h"
#include "core/app.h"

namespace volna::battle {

using namespace ui;

namespace {

// More counts than this are never needed at once (each point restores a tenth of a full
// value) and would only make an endless list; the rest stays for the next use.
constexpr int kMostCounts = 9999;

// The list offers every count from 1 to the spirit gathered; nothing is chosen yet.
void activated(App&, Window& tukau) {
  Control& list = tukau.control("tukaukazu");
  const double spirit = leadingNumber(tukau.control("kiai").text);
  list.items.clear();
  for (int n = 1; n <= kMostCounts && n <= spirit; ++n) list.items.push_back(std::to_string(n));
  list.text.clear();
}

void backToBattle(App& app, Window& tukau) {
  app.show(app.window("sento"));
  app.close(tukau);
}

// Each point restores a tenth of one full value, or a twentieth of both; nothing caps it.
enum class Into { Stamina, Breath, Both };

void convert(App& app, Window& tukau, Into into) {
  const std::string& chosen = tukau.control("tukaukazu").text;
  if (chosen.empty()) {
    app.setHelp(tukau, "気合を使う数が設定されていません。");
    return;
  }
  const double n = leadingNumber(chosen);
  const Field hp = app.field("sento.hp");
  const Field breath = app.field("sento.kokyu");
  const double fullHp = app.field("メイン.hp").number();
  const double fullBreath = app.field("メイン.kokyu").number();
  const char* message = "";
  switch (into) {
    case Into::Stamina:
      hp.setNumber(floorInt(hp.number() + n / 10 * fullHp));
      message = "気合を使って体力を回復した。";
      break;
    case Into::Breath:
      breath.setNumber(floorInt(breath.number() + n / 10 * fullBreath));
      message = "気合を使って呼吸を整えました。";
      break;
    case Into::Both:
      breath.setNumber(floorInt(breath.number() + n / 20 * fullBreath));
      hp.setNumber(floorInt(hp.number() + n / 20 * fullHp));
      message = "気合を使って体力と呼吸を回復した。";
      break;
  }
  const Field spirit = app.field("sento.kiai");
  spirit.setNumber(spirit.number() - n);
  endTurn(app);
  app.field("sento.help").setText(message);
  backToBattle(app, tukau);
}

ControlDef conversion(std::string_view name, std::string_view caption, int left) {
  return Button(name, caption, left, 2400, 2655, 375).centred();
}

}  // namespace

const WindowDef& spiritWindow() {
  static const WindowDef def =
      WindowDef("tukau", "気合を使う")
          .activated(activated)
          .background("気合を使う数を選び、どう使うかを決めてください。",
                      "気合を使うのをやめる場合はキャンセルをクリックしてください。")
          .add({
              Label("label1", "気合をいくつ使うか決めてください。", 480, 240, 8655, 375).size(14.25),
              Label("Label3", "使う気合数", 480, 960, 2055, 375).size(14.25),
              List("tukaukazu", 2640, 960, 1455, 375),
              Label("Label2", "現在の気合数", 4800, 960, 2055, 375).size(14.25),
              Label("kiai", "0", 7080, 960, 1455, 375).size(14.25),
              Label("Label4", "気合をどう使うか決めてください。", 480, 1680, 8655, 375).size(14.25),
              conversion("taihenkan", "体力変換", 480)
                  .hover("気合を体力に変えて回復します。")
                  .click([](App& app, Window& w, Control&) { convert(app, w, Into::Stamina); }),
              conversion("kokyuhenkan", "呼吸変換", 3480)
                  .hover("気合を呼吸に変えて回復します。")
                  .click([](App& app, Window& w, Control&) { convert(app, w, Into::Breath); }),
              conversion("ryohenkan", "両方に変換", 6480)
                  .hover("気合を体力、呼吸両方に変えて回復します。", "片方に変換するより回復量は低くなります。")
                  .click([](App& app, Window& w, Control&) { convert(app, w, Into::Both); }),
              Button("kyanseru", "キャンセル", 3480, 3240, 2655, 375)
                  .centred()
                  .hover("気合を使うのをやめます。")
                  .click([](App& app, Window& w, Control&) { backToBattle(app, w); }),
          })
          .frame("Line", 1, 360, 2280, 9255, 3840);
  return def;
}

}  // namespace volna::battle
