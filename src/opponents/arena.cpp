// The arena kurasu: five classes of fighters; bout counters open the next class.

#include <algorithm>
#include <string>

#include "core/app.h"
#include "opponents/opponents.h"
#include "opponents/rosters.h"

namespace volna::opponents {

using namespace ui;

namespace {

// Bouts counted so far. Only this screen and loading a save write the counter, so anything
// odd here was edited by hand: text that is no number counts as no bouts, a number counts as
// its whole part. A bout is never refused over this bookkeeping.
double boutsSoFar(const Field& counter) {
  const std::optional<double> v = strictNumber(counter.text());
  return v ? floorInt(*v) : 0;
}

const ArenaClass& classOf(const Control& button) {
  const auto& classes = arenaClasses();
  const auto it = std::find_if(classes.begin(), classes.end(),
                               [&](const ArenaClass& k) { return k.button == button.def->name; });
  return it != classes.end() ? *it : classes.front();
}

// One fighter of the class at random, the bout counted, the player's values copied, and on to
// the battle.
void enterClass(App& app, Window& arena, Control& button) {
  const ArenaClass& klass = classOf(button);

  app.random().reseed();
  const auto n = static_cast<int>(klass.roster.size());
  // Keeps the index inside the roster whatever a scripted draw holds.
  const int d = std::clamp(static_cast<int>(floorInt(app.random().draw() * n)), 0, n - 1);
  const Fighter& f = klass.roster[static_cast<std::size_t>(d)];
  app.field("sento.enamae").setText(f.name);
  app.field("sento.ehp").setNumber(f.stamina);
  app.field("sento.mehp").setNumber(f.stamina);
  app.field("sento.ekokyu").setNumber(f.breath);
  app.field("sento.mekokyu").setNumber(f.breath);
  app.field("sento.ekou").setNumber(f.attack);
  app.field("sento.ebou").setNumber(f.defence);

  if (klass.counter >= 0) {
    const Field counter = app.field("kurasu", "syouri", klass.counter);
    const double bouts = boutsSoFar(counter) + 1;
    counter.setNumber(bouts);
    if (bouts >= klass.threshold) app.field("kurasu", std::string(klass.reveals)).setVisible(true);
  }

  app.field("sento.hp").setText(app.field("メイン.hp").text());
  app.field("sento.kokyu").setText(app.field("メイン.kokyu").text());
  app.field("sento.kou").setText(app.field("sutetasu.kougeki").text());
  app.field("sento.bou").setText(app.field("sutetasu.bougyo").text());

  app.screenSwitch(arena, "sento");
}

ControlDef classButton(std::string_view name, std::string_view caption, int row) {
  return Button(name, caption, 4800, 360 + 720 * row, 4215, 375).centred().click(enterClass);
}

}  // namespace

const WindowDef& arenaWindow() {
  static const WindowDef def =
      WindowDef("kurasu", "闘技場")
          .background("闘技場で闘います。", "闘いたいクラスを右から選んでください。",
                      "ステータスの確認も出来ます。")
          .add({
              classButton("bigina", "ビギナークラス", 0)
                  .hover("ザルグ入門者用のクラスです。", "ザルグのイロハを学びましょう。"),
              classButton("nomaru", "ノーマルクラス", 1)
                  .hidden()
                  .hover("ある程度戦闘になれたザルグン達のクラスです。", "ザルグする楽しさを教えてくれるでしょう。"),
              classButton("ekisupato", "エキスパートクラス", 2)
                  .hidden()
                  .hover("戦闘を知り尽くしたザルグン達のクラスです。", "ザルグの極意を叩きこまれることでしょう。"),
              classButton("ekusutora", "エクストラクラス", 3)
                  .hidden()
                  .hover("もはや戦うことなしでは生きられないザルグン達のクラスです。",
                         "狂気ともいえる強さを見せつけてくれるでしょう。"),
              classButton("supesyaru", "スペシャルクラス", 4)
                  .hidden()
                  .hover("いまだ謎に包まれたクラスです。",
                         "異形と化した者や、異世界の者もいるという噂が流れています。"),
              // Bout counters of the first four classes; never shown.
              Label("syouri", "0", 120, 120, 255, 255).at(0).hidden(),
              Label("syouri", "0", 420, 120, 255, 255).at(1).hidden(),
              Label("syouri", "0", 720, 120, 255, 255).at(2).hidden(),
              Label("syouri", "0", 1020, 120, 255, 255).at(3).hidden(),
              Button("syosai", "ステータス確認", 600, 1440, 3255, 375)
                  .centred()
                  .hover("キャラクタの詳細ステータスを見ることが出来ます。")
                  .opens("sutetasu"),
              Button("modoru", "戻る", 600, 2520, 3255, 375)
                  .centred()
                  .hover("メイン画面に戻ります。")
                  .backTo("メイン"),
          })
          .frame("Line", 1, 360, 1200, 4095, 3135)
          .frame("Line", 5, 4560, 120, 9255, 3855);
  return def;
}

}  // namespace volna::opponents
