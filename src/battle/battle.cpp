// The battle screen sento: the working values of one fight, the player's weapon attack and
// endurance, and the background click that closes a finished fight or lets the opponent act.

#include <cmath>
#include <string>

#include "battle/battle.h"
#include "core/app.h"
#include "opponents/rosters.h"

namespace volna::battle {

using namespace ui;

namespace {

constexpr const char* kCommands[] = {"kougeki", "mazyutu", "kiaitukau", "taeru"};
constexpr const char* kNewLine = "\r\n";

Field at(App& app, std::string_view control) { return app.field("sento", control); }
double number(App& app, std::string_view control) { return at(app, control).number(); }
double strict(App& app, std::string_view control) { return at(app, control).strict(); }
void put(App& app, std::string_view control, double value) { at(app, control).setNumber(value); }
void say(App& app, const std::string& text) { at(app, "help").setText(text); }

// The weapon attack's breath cost grows with attack and strength, shrinks with technique and
// always stays below half the full breath.
void activated(App& app, Window&) {
  at(app, "namae").setText(app.field("sutetasu.namae").text());
  const double kin = app.field("メイン.kin").strict();
  const double waza = app.field("メイン.waza").number();
  const double cost = floorInt((2 * number(app, "kou") + 20 * kin) / (waza / 10 + 5) + 10);
  const double breath = app.field("メイン.kokyu").strict();
  // A technique of exactly -50 divides by zero; a cost without bounds is simply capped.
  put(app, "syohi", std::isfinite(cost) && !(breath / 2 < cost) ? cost : breath / 2 - 1);
}

// The pointer back on the background restores the attack button's own caption.
void backgroundMoved(App& app, Window&) { at(app, "kougeki").setText("武器攻撃"); }

// The end of every fight leaves the screen ready for the next one.
void resetFight(App& app) {
  at(app, "ehp").setText(strForm(0));
  at(app, "hp").setText(app.field("メイン.hp").text());
  at(app, "kokyu").setText(app.field("メイン.kokyu").text());
  at(app, "kou").setText(app.field("sutetasu.kougeki").text());
  at(app, "bou").setText(app.field("sutetasu.bougyo").text());
  at(app, "kiai").setText("0");
  at(app, "ekiai").setText("0");
  say(app, "行動を選んでください。");
  at(app, "tan").setText("1");
  setCommandsEnabled(app, true);
}

void add(const Field& f, double amount) { f.setNumber(f.number() + amount); }

// Each gain is its base plus a bonus that is usually 0 and grows as the draw nears 0.
void gain(App& app, std::string_view ability, int base, std::string_view into) {
  const double value = app.field("メイン", ability).number();
  const double r = divisorDraw(app.random().draw());
  app.field("kekka", into).setNumber(floorInt(value / (r * 200)) + base);
}

void payReward(App& app, const std::string& opponent) {
  const opponents::Reward* reward = opponents::rewardFor(opponent);
  if (!reward) return;
  gain(app, "senzai", reward->experience, "keiken");
  gain(app, "waza", reward->technique, "gizyutu");
  gain(app, "kansei", reward->knowledge, "tisiki");
  if (reward->loot.empty()) {
    app.field("kekka.senri").setText(reward->prizeText);
    add(app.field("メイン.kane"), reward->prize);
    return;
  }
  const auto rows = reward->rowByDraw.size();
  auto d = static_cast<std::size_t>(floorInt(app.random().draw() * static_cast<double>(rows)));
  if (d >= rows) d = rows - 1;
  const opponents::Loot& row = reward->loot.at(static_cast<std::size_t>(reward->rowByDraw[d]));
  app.field("kekka.senri").setText(row.text);
  add(app.field("mahatu", row.magic), row.magicAmount);
  // The smithing materials are kept on both development screens, always alike.
  add(app.field("bukai", row.smithing), row.smithingAmount);
  add(app.field("bokai", row.smithing), row.smithingAmount);
}

// What one opponent attack does; `strong` doubles the damage before it is floored.
void opponentAttack(App& app, bool strong) {
  const double ekou = number(app, "ekou");
  const double r1 = app.random().draw();
  const double bou = number(app, "bou");
  const double r2 = app.random().draw();
  double raw = ekou * (3 * r1 + 1) - (3 * r2 + 1) * bou;
  if (strong) raw = 2 * raw;
  double damage = floorInt(raw);
  if (damage < 0) damage = 0;
  put(app, "hp", number(app, "hp") - damage);
  put(app, "ekiai", number(app, "ekiai") + 1);
  const std::string name = at(app, "enamae").text();
  std::string text = name + (strong ? "の強力な一撃が炸裂！！" : "の攻撃！！") + kNewLine +
                     strForm(damage) + "のダメージを受けた！！";
  if (strict(app, "hp") <= 0) text += std::string(kNewLine) + "戦闘不能になってしまった・・・。";
  say(app, text);
  put(app, "ekokyu", number(app, "ekokyu") - ekou);
}

void opponentRecovers(App& app) {
  const double r = app.random().draw();
  const double v = number(app, "ekou") + floorInt(r * 10);
  put(app, "ekokyu", number(app, "ekokyu") + v);
  const std::string name = at(app, "enamae").text();
  say(app, name + "は呼吸を整えた。" + kNewLine + name + "の呼吸が" + strForm(v) + "回復した");
}

// Each spirit point restores a twentieth of the full stamina and breath, without a cap.
void opponentSpirit(App& app) {
  const std::string name = at(app, "enamae").text();
  if (number(app, "ekiai") > 0) {
    put(app, "ekokyu",
        floorInt(number(app, "ekokyu") + number(app, "ekiai") / 20 * number(app, "mekokyu")));
    put(app, "ehp", floorInt(number(app, "ehp") + number(app, "ekiai") / 20 * number(app, "mehp")));
    at(app, "ekiai").setText("0");
    say(app, name + "は気合を使った！" + kNewLine + name + "の体力と呼吸が回復した！");
  } else if (number(app, "ekou") < number(app, "ekokyu")) {
    say(app, name + "は攻撃を外した！");
    put(app, "ekokyu", number(app, "ekokyu") - number(app, "ekou"));
  } else {
    opponentRecovers(app);
  }
}

void opponentTurn(App& app) {
  app.random().reseed();
  if (strict(app, "tan") != 0 || !(number(app, "ehp") > 0)) return;
  const double d = floorInt(app.random().draw() * 10);
  if (d >= 5 && d <= 6) {
    opponentSpirit(app);
  } else if (number(app, "ekou") < number(app, "ekokyu")) {
    opponentAttack(app, d >= 7);
  } else {
    // Too short of breath to attack: the opponent breathes instead.
    opponentRecovers(app);
  }
  at(app, "tan").setText("1");
  if (strict(app, "tan") == 1) setCommandsEnabled(app, true);
  if (strict(app, "hp") < 0) {
    at(app, "hp").setText("0");
    setCommandsEnabled(app, false);
  }
}

// Closes a finished fight: a victory (which takes priority) pays and opens the result screen,
// a defeat returns to the main screen at no cost. Nothing happens while both sides stand.
void closeFinishedFight(App& app, Window& sento) {
  if (number(app, "ehp") <= 0) {
    resetFight(app);
    payReward(app, at(app, "enamae").text());
    app.show(app.window("kekka"));
    app.hide(sento);
  } else if (strict(app, "hp") <= 0) {
    resetFight(app);
    app.show(app.window("メイン"));
    app.hide(sento);
  }
}

void backgroundClicked(App& app, Window& sento) {
  closeFinishedFight(app, sento);
  opponentTurn(app);
}

void weaponAttack(App& app, Window& sento, Control&) {
  // Stamina left at exactly 0 by the opponent still leaves the commands enabled; the fight is
  // lost all the same, so the attack closes it as the next background click would.
  if (strict(app, "hp") == 0) {
    closeFinishedFight(app, sento);
    return;
  }
  app.random().reseed();
  const double breath = number(app, "kokyu");
  const double kin = app.field("メイン.kin").number();
  const double r1 = app.random().draw();
  const double waza = app.field("メイン.waza").number();
  const double r2 = app.random().draw();
  const double kou = number(app, "kou");
  const double r3 = app.random().draw();
  const bool myTurn = strict(app, "tan") == 1;
  const bool enoughBreath = breath > number(app, "syohi");

  // Both scores use only the player's own values; technique is what lifts the attack score.
  const double attack = floorInt((5 * kou + kin / 3) / (5 * r1 + 1) + (5 * r2 + 1) * waza);
  const double guard = (kin / 3 + 5 * kou + kin) / (5 * r3 + 1);

  if (myTurn && enoughBreath && guard <= attack) {
    const double strength = app.field("メイン.kin").number();
    const double senzai = app.field("メイン.senzai").number();
    const double r4 = app.random().draw();
    const double ebou = number(app, "ebou");
    const double r5 = app.random().draw();
    const double power = number(app, "kou");
    double damage =
        floorInt(3 * power + strength / 3 - senzai / (3 * r4 + 1) - (3 * r5 + 1) * ebou);
    if (damage <= 0) damage = 0;
    put(app, "ehp", number(app, "ehp") - damage);
    put(app, "kokyu", number(app, "kokyu") - number(app, "syohi"));
    put(app, "kiai", number(app, "kiai") + 1);
    at(app, "tan").setText("0");
    say(app, at(app, "enamae").text() + "に" + strForm(damage) + "のダメージを与えた。");
  } else if (myTurn && enoughBreath) {
    say(app, "攻撃に失敗してしまった。");
    put(app, "kokyu", number(app, "kokyu") - number(app, "syohi"));
    at(app, "tan").setText("0");
  }

  if (strict(app, "tan") == 1 && number(app, "kokyu") <= number(app, "syohi"))
    say(app, "攻撃を行なうだけの呼吸が整っていません。");
  if (number(app, "ehp") <= 0) at(app, "ehp").setText(strForm(0));
  if (strict(app, "tan") == 0) setCommandsEnabled(app, false);
}

void endure(App& app, Window&, Control&) {
  endTurn(app);
  put(app, "kiai", number(app, "kiai") + 1);
  put(app, "kokyu", strict(app, "kokyu") + floorInt(app.field("メイン.kokyu").number() * 0.1));
  say(app, at(app, "namae").text() + "はじっと耐えて呼吸を整え、気合を溜めた。");
}

void useSpirit(App& app, Window& sento, Control&) {
  if (strict(app, "kiai") == 0) {
    say(app, "気合がたまっていません。");
    return;
  }
  app.field("tukau.kiai").setText(at(app, "kiai").text());
  app.screenSwitch(sento, "tukau");
}

ControlDef command(std::string_view name, std::string_view caption, int top) {
  return Button(name, caption, 240, top, 2055, 375).centred();
}

// A heading or a value of the fight: one line of 14.25-point text.
ControlDef cell(std::string_view name, std::string_view caption, int left, int top, int width) {
  return Label(name, caption, left, top, width, 375).size(14.25);
}

}  // namespace

void setCommandsEnabled(App& app, bool enabled) {
  for (const char* c : kCommands) at(app, c).setEnabled(enabled);
}

void endTurn(App& app) {
  at(app, "tan").setText("0");
  setCommandsEnabled(app, false);
}

const WindowDef& battleWindow() {
  static const WindowDef def =
      WindowDef("sento", "戦闘")
          .activated(activated)
          .backgroundClicked(backgroundClicked)
          .backgroundMoved(backgroundMoved)
          .add({
              command("kougeki", "武器攻撃", 360).click(weaponAttack),
              command("mazyutu", "魔術", 1080).opens("masiyou"),
              command("kiaitukau", "気合を使う", 1800).click(useSpirit),
              command("taeru", "耐える", 2520).click(endure),
              Label("Label9", "武器攻撃消費呼吸", 240, 3240, 2055, 255),
              cell("syohi", "0", 240, 3600, 2055),
              cell("namae", "名前", 2640, 240, 3255).size(15.75),
              cell("Label2", "体力", 2640, 960, 855),
              cell("hp", "100", 3600, 960, 2175),
              cell("Label6", "呼吸", 2640, 1560, 855),
              cell("kokyu", "100", 3600, 1560, 2175),
              cell("Label1", "気合", 2640, 2160, 855),
              cell("kiai", "0", 3600, 2160, 2175),
              cell("Label7", "攻", 2640, 2880, 375),
              cell("kou", "16", 3120, 2880, 1095),
              cell("label10", "防", 4320, 2880, 375),
              cell("bou", "13", 4800, 2880, 1095),
              cell("enamae", "敵の名前", 6000, 240, 3255).size(15.75),
              Label("tan", "1", 9360, 240, 255, 255).hidden(),
              cell("Label3", "体力", 6000, 960, 855),
              Label("mehp", "100", 6960, 720, 2415, 255).hidden(),
              cell("ehp", "100", 6960, 960, 2415),
              cell("Label5", "呼吸", 6000, 1560, 855),
              Label("mekokyu", "100", 6960, 1320, 2415, 255).hidden(),
              cell("ekokyu", "100", 6960, 1560, 2415),
              cell("Label8", "気合", 6000, 2160, 855),
              cell("ekiai", "0", 6960, 2160, 2415),
              cell("Label4", "攻", 6000, 2880, 375),
              cell("ekou", "0", 6480, 2880, 1095),
              cell("label", "防", 7680, 2880, 375),
              cell("ebou", "0", 8160, 2880, 1095),
          })
          .frame("Line", 1, 120, 240, 2415, 3015);
  return def;
}

}  // namespace volna::battle
