// The battle screen: its activation, the player's weapon attack and endurance, the
// opponent's turn, and the background click that closes a fight and pays for a victory.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battle/battle.h"
#include "fight.h"

namespace volna::testing {
namespace {

// A game with a fight under way on the player's turn; one sentinel draw stands behind the
// scripted ones, so that `exactly` can tell how many draws a handler took.
struct Fight {
  Play play;
  explicit Fight(const Opponent& o = {}) {
    play.newGame();
    startFight(play, o);
  }
  void script(const std::vector<double>& draws) {
    for (double r : draws) play.random().push(r);
    play.random().push(0.123);
  }
  bool tookExactlyTheScript() { return play.random().pending() == 1; }
};

TEST(BattleScreen, ActivationCopiesTheNameAndComputesTheCappedBreathCost) {
  const struct {
    const char* kin;
    const char* waza;
    const char* kokyu;
    const char* cost;
  } cases[] = {
      {"10", "10", "100", "48"},    // Int(232 ÷ 6 + 10)
      {"20", "10", "100", "49"},    // 82 is over half the breath: 100 ÷ 2 − 1
      {"20", "10", "105", "51.5"},  // the cap is not rounded
      {"10", "40", "100", "35"},    // technique lowers the cost: Int(232 ÷ 9 + 10)
      {"10", "-50", "100", "49"},   // a divisor of 0 gives no bound: capped
      {"0", "-50", "100", "49"},
  };
  for (const auto& c : cases) {
    Play play;
    play.newGame("ヴォルナ");
    play.set("メイン.kin", c.kin);
    play.set("メイン.waza", c.waza);
    play.set("メイン.kokyu", c.kokyu);
    startFight(play);
    EXPECT_EQ(play.text("sento.syohi"), c.cost) << c.kin << " " << c.waza << " " << c.kokyu;
    EXPECT_EQ(play.text("sento.namae"), "ヴォルナ");
  }
}

TEST(BattleScreen, CommandsHighlightWithoutHelpAndTheBackgroundRestoresThem) {
  Fight f;
  Play& play = f.play;
  play.set("sento.help", "前の行動");
  for (const char* c : {"kougeki", "mazyutu", "kiaitukau", "taeru"}) {
    play.ok(std::string("move sento.") + c);
    EXPECT_EQ(play(std::string("color sento.") + c), "#BEBEBE");
  }
  EXPECT_EQ(play.text("sento.help"), "前の行動");
  play.set("sento.kougeki", "別の文字");
  play.ok("move sento");
  for (const char* c : {"kougeki", "mazyutu", "kiaitukau", "taeru"})
    EXPECT_EQ(play(std::string("color sento.") + c), "#000000") << c;
  EXPECT_EQ(play.text("sento.kougeki"), "武器攻撃");
  EXPECT_EQ(play.text("sento.help"), "前の行動");
}

TEST(WeaponAttack, HitFailureAndRefusal) {
  // Strength 10, technique 10, attack 16, potential 10: breath cost 48. The opponent ケイ has
  // 50 stamina.
  const struct {
    const char* what;
    const char* kin;
    const char* waza;
    const char* kokyu;
    const char* ehp;
    const char* ebou;
    std::vector<double> draws;
    const char* help;
    const char* ehpAfter;
    const char* kokyuAfter;
    const char* kiai;
    const char* tan;
    const char* commands;
  } cases[] = {
      // A = Int(83.3 ÷ 2 + 2 × 10) = 61, G = 93.3 ÷ 4 = 23.3; D = Int(48 + 3.3 − 10 ÷ 2.5 − 1.6 × 5) = 39.
      {"hit", "10", "10", "100", "50", "5", {0.2, 0.2, 0.6, 0.5, 0.2},
       "ケイに 39のダメージを与えた。", "11", "52", "1", "0", "0000"},
      // With no luck either way A = Int(93.3) = 93 and G = 93.3: the guard wins.
      {"guard wins", "10", "10", "100", "50", "5", {0, 0, 0},
       "攻撃に失敗してしまった。", "50", "52", "0", "0", "0000"},
      // Strength 9: G = 92; technique 9 gives A = 92 (a hit), technique 8 gives 91.
      {"guard equal to attack", "9", "9", "100", "50", "5", {0, 0, 0, 0, 0},
       "ケイに 36のダメージを与えた。", "14", "55", "1", "0", "0000"},
      {"guard one above", "9", "8", "100", "50", "5", {0, 0, 0},
       "攻撃に失敗してしまった。", "50", "54", "0", "0", "0000"},
      {"damage floors at 0", "10", "10", "100", "50", "100", {0, 0, 0.5, 0, 0},
       "ケイに 0のダメージを与えた。", "50", "52", "1", "0", "0000"},
      {"opponent beaten", "10", "10", "100", "10", "0", {0, 0, 0.5, 0, 0},
       "ケイに 41のダメージを与えた。", " 0", "52", "1", "0", "0000"},
      {"breath equal to the cost", "10", "10", "48", "50", "5", {0, 0, 0.5},
       "攻撃を行なうだけの呼吸が整っていません。", "50", "48", "0", "1", "1111"},
      {"one breath more", "10", "10", "49", "50", "5", {0, 0, 0.5, 0, 0},
       "ケイに 36のダメージを与えた。", "14", "1", "1", "0", "0000"},
  };
  for (const auto& c : cases) {
    Play play;
    play.newGame();
    play.set("メイン.kin", c.kin);
    play.set("メイン.waza", c.waza);
    Opponent o;
    o.stamina = c.ehp;
    o.defence = c.ebou;
    startFight(play, o);
    play.set("sento.kokyu", c.kokyu);
    for (double r : c.draws) play.random().push(r);
    const int reseeds = play.random().reseeds();
    play.ok("click sento.kougeki");
    EXPECT_EQ(play.random().pending(), 0u) << c.what;
    EXPECT_EQ(play.random().reseeds(), reseeds + 1) << c.what;
    EXPECT_EQ(play.text("sento.help"), c.help) << c.what;
    EXPECT_EQ(play.text("sento.ehp"), c.ehpAfter) << c.what;
    EXPECT_EQ(play.text("sento.kokyu"), c.kokyuAfter) << c.what;
    EXPECT_EQ(play.text("sento.kiai"), c.kiai) << c.what;
    EXPECT_EQ(play.text("sento.tan"), c.tan) << c.what;
    EXPECT_EQ(commands(play), c.commands) << c.what;
    EXPECT_EQ(play("shown"), "sento") << c.what;
  }
}

TEST(WeaponAttack, AtExactlyNoStaminaLosesTheFightAndTheGameGoesOn) {
  Fight f;
  Play& play = f.play;
  play.set("sento.hp", "0");
  play.set("sento.kiai", "2");
  f.script({});
  play.ok("click sento.kougeki");
  EXPECT_TRUE(f.tookExactlyTheScript());
  EXPECT_EQ(play("running"), "true");
  EXPECT_EQ(play("shown"), "メイン");
  EXPECT_EQ(play("exists sento"), "true");
  EXPECT_EQ(play.text("sento.hp"), "100");
  EXPECT_EQ(play.text("sento.kiai"), "0");
  EXPECT_EQ(play.text("sento.help"), "行動を選んでください。");
  EXPECT_EQ(play.text("kekka.keiken"), "0") << "a defeat pays nothing";
}

TEST(Endure, GathersSpiritAndATenthOfTheFullBreathWithoutACap) {
  const struct {
    const char* full;
    const char* before;
    const char* after;
  } cases[] = {{"100", "50", "60"}, {"95", "50", "59"}, {"100", "100", "110"}};
  for (const auto& c : cases) {
    Fight f;
    Play& play = f.play;
    play.set("メイン.kokyu", c.full);
    play.set("sento.kokyu", c.before);
    play.set("sento.kiai", "2");
    play.ok("click sento.taeru");
    EXPECT_EQ(play.text("sento.kokyu"), c.after) << c.full << " " << c.before;
    EXPECT_EQ(play.text("sento.kiai"), "3");
    EXPECT_EQ(play.text("sento.tan"), "0");
    EXPECT_EQ(commands(play), "0000");
    EXPECT_EQ(play.text("sento.help"), "テストはじっと耐えて呼吸を整え、気合を溜めた。");
  }
}

TEST(TurnCycle, ABackgroundClickOnThePlayersTurnChangesNothing) {
  Fight f;
  Play& play = f.play;
  play.set("sento.kiai", "1");
  play.set("sento.ekiai", "2");
  std::vector<std::string> before;
  const ui::Window& sento = play.app().window("sento");
  for (const auto& c : sento.controls()) before.push_back(c.text + (c.enabled ? "+" : "-"));
  f.script({});
  play.ok("click sento");
  std::vector<std::string> after;
  for (const auto& c : sento.controls()) after.push_back(c.text + (c.enabled ? "+" : "-"));
  EXPECT_EQ(after, before);
  EXPECT_TRUE(f.tookExactlyTheScript());
  EXPECT_EQ(play("shown"), "sento");
}

TEST(TurnCycle, TheOpponentActsOnceItsTurnIsDue) {
  // Player: stamina 100, defence 13. ケイ here: attack 20, breath 50 of 50, stamina 30 of 50.
  const struct {
    const char* what;
    const char* ekou;
    const char* ekokyu;
    const char* ekiai;
    const char* hp;
    std::vector<double> draws;
    const char* hpAfter;
    const char* ehpAfter;
    const char* ekokyuAfter;
    const char* ekiaiAfter;
    const char* help;
    const char* commands;
  } cases[] = {
      // Int(20 × 2.5 − 2.5 × 13) = Int(17.5)
      {"plain attack", "20", "50", "0", "100", {0, 0.5, 0.5}, "83", "30", "30", "1",
       "ケイの攻撃！！\r\n 17のダメージを受けた！！", "1111"},
      {"plain attack, damage below 0", "20", "50", "1", "100", {0.49, 0, 0.9}, "100", "30", "30", "2",
       "ケイの攻撃！！\r\n 0のダメージを受けた！！", "1111"},
      // Doubled before the floor: Int(35), not 2 × 17.
      {"strong attack", "20", "50", "0", "100", {0.7, 0.5, 0.5}, "65", "30", "30", "1",
       "ケイの強力な一撃が炸裂！！\r\n 35のダメージを受けた！！", "1111"},
      {"stamina left at exactly 0", "20", "50", "0", "35", {0.99, 0.5, 0.5}, "0", "30", "30", "1",
       "ケイの強力な一撃が炸裂！！\r\n 35のダメージを受けた！！\r\n戦闘不能になってしまった・・・。", "1111"},
      {"stamina below 0", "20", "50", "0", "10", {0.3, 0.5, 0.5}, "0", "30", "30", "1",
       "ケイの攻撃！！\r\n 17のダメージを受けた！！\r\n戦闘不能になってしまった・・・。", "0000"},
      // 50 + 3 ÷ 20 × 50 = 57.5 and 30 + 7.5
      {"spirit", "20", "50", "3", "100", {0.5}, "100", "37", "57", "0",
       "ケイは気合を使った！\r\nケイの体力と呼吸が回復した！", "1111"},
      {"spirit without any: a miss", "20", "50", "0", "100", {0.69}, "100", "30", "30", "0",
       "ケイは攻撃を外した！", "1111"},
      {"spirit without any or breath", "50", "50", "0", "100", {0.6, 0.35}, "100", "30", "103", "0",
       "ケイは呼吸を整えた。\r\nケイの呼吸が 53回復した", "1111"},
      {"plain attack without breath", "50", "50", "0", "100", {0, 0.99}, "100", "30", "109", "0",
       "ケイは呼吸を整えた。\r\nケイの呼吸が 59回復した", "1111"},
      {"strong attack without breath", "60", "50", "1", "100", {0.8, 0}, "100", "30", "110", "1",
       "ケイは呼吸を整えた。\r\nケイの呼吸が 60回復した", "1111"},
  };
  for (const auto& c : cases) {
    Opponent o;
    o.attack = c.ekou;
    o.breath = c.ekokyu;
    Fight f(o);
    Play& play = f.play;
    play.set("sento.ehp", "30");
    play.set("sento.ekiai", c.ekiai);
    play.set("sento.hp", c.hp);
    play.set("sento.tan", "0");
    battle::setCommandsEnabled(play.app(), false);
    f.script(c.draws);
    const int reseeds = play.random().reseeds();
    play.ok("click sento");
    EXPECT_TRUE(f.tookExactlyTheScript()) << c.what;
    EXPECT_EQ(play.random().reseeds(), reseeds + 1) << c.what;
    EXPECT_EQ(play.text("sento.hp"), c.hpAfter) << c.what;
    EXPECT_EQ(play.text("sento.ehp"), c.ehpAfter) << c.what;
    EXPECT_EQ(play.text("sento.ekokyu"), c.ekokyuAfter) << c.what;
    EXPECT_EQ(play.text("sento.ekiai"), c.ekiaiAfter) << c.what;
    EXPECT_EQ(play.text("sento.help"), c.help) << c.what;
    EXPECT_EQ(play.text("sento.tan"), "1") << c.what;
    EXPECT_EQ(commands(play), c.commands) << c.what;
    EXPECT_EQ(play("shown"), "sento") << c.what;
  }
}

TEST(TurnCycle, AnEndedFightIsClosedByTheNextClickAndLeavesTheScreenReady) {
  const struct {
    const char* what;
    const char* ehp;
    const char* hp;
    const char* tan;
    const char* shown;
  } cases[] = {
      {"victory", " 0", "40", "0", "kekka"},
      {"victory beyond 0", "-12", "40", "0", "kekka"},
      {"victory has priority", " 0", "0", "0", "kekka"},
      {"defeat below 0", "30", "-5", "1", "メイン"},
      {"defeat at exactly 0", "30", "0", "1", "メイン"},
      {"defeat on the opponent's turn", "30", "-5", "0", "メイン"},
  };
  for (const auto& c : cases) {
    Fight f;
    Play& play = f.play;
    play.set("sutetasu.kougeki", "30");
    play.set("sutetasu.bougyo", "25");
    play.set("メイン.hp", "120");
    play.set("メイン.kokyu", "110");
    play.set("sento.ehp", c.ehp);
    play.set("sento.hp", c.hp);
    play.set("sento.kokyu", "3");
    play.set("sento.kou", "99");
    play.set("sento.bou", "98");
    play.set("sento.kiai", "4");
    play.set("sento.ekiai", "5");
    play.set("sento.help", "前の行動");
    play.set("sento.tan", c.tan);
    if (std::string(c.tan) == "0") battle::setCommandsEnabled(play.app(), false);
    const bool won = std::string(c.shown) == "kekka";
    f.script(won ? std::vector<double>{0.5, 0.5, 0.5} : std::vector<double>{});
    play.ok("click sento");
    EXPECT_TRUE(f.tookExactlyTheScript()) << c.what;
    EXPECT_EQ(play("shown"), c.shown) << c.what;
    EXPECT_EQ(play.text("sento.ehp"), " 0") << c.what;
    EXPECT_EQ(play.text("sento.hp"), "120") << c.what;
    EXPECT_EQ(play.text("sento.kokyu"), "110") << c.what;
    EXPECT_EQ(play.text("sento.kou"), "30") << c.what;
    EXPECT_EQ(play.text("sento.bou"), "25") << c.what;
    EXPECT_EQ(play.text("sento.kiai"), "0") << c.what;
    EXPECT_EQ(play.text("sento.ekiai"), "0") << c.what;
    EXPECT_EQ(play.text("sento.help"), "行動を選んでください。") << c.what;
    EXPECT_EQ(play.text("sento.tan"), "1") << c.what;
    EXPECT_EQ(commands(play), "1111") << c.what;
    EXPECT_EQ(play.text("kekka.keiken"), won ? "10" : "0") << c.what;
  }
}

TEST(TurnCycle, AFightRunsFromTheFirstCommandToTheNextFight) {
  Fight f({"ダンカン", "20", "40", "20", "3"});
  Play& play = f.play;
  play.draws({0, 0, 0.5, 0, 0});  // a hit of Int(48 + 3.3 − 10 − 3) = 38
  play.ok("click sento.kougeki");
  EXPECT_EQ(play.text("sento.ehp"), " 0");
  EXPECT_EQ(play("click sento.taeru"), "error: control disabled: sento.taeru");
  play.draws({0.5, 0.5, 0.5});
  play.ok("click sento");  // a victory: the opponent does not act
  EXPECT_EQ(play("shown"), "kekka");
  EXPECT_EQ(play.text("メイン.kane"), "100");
  EXPECT_EQ(play.text("kekka.senri"), "勝利賞金　１００");
  play.ok("type kekka.purakin 10");
  play.ok("click kekka.kanryo");
  EXPECT_EQ(play("shown"), "メイン");

  startFight(play, {"ケイ", "50", "50", "10", "5"});
  EXPECT_EQ(play("shown"), "sento");
  EXPECT_EQ(play.text("sento.syohi"), "49");  // strength 20 now: Int(432 ÷ 6 + 10) = 82, capped
  play.draws({0, 0, 0});
  play.ok("click sento.kougeki");
  EXPECT_EQ(play.text("sento.tan"), "0");
}

TEST(Rewards, ChosenByTheOpponentsName) {
  const struct {
    const char* name;
    std::vector<double> draws;  // bonus draws for experience, technique, knowledge; loot
    const char* keiken;
    const char* gizyutu;
    const char* tisiki;
    const char* senri;
    const char* kane;
  } cases[] = {
      // Potential 1000, technique 200, sensitivity 3000: bonuses Int(x ÷ 100) at draws of 0.5.
      {"ケイ", {0.5, 0.5, 0.5}, "20", "42", "70", "勝利賞金　１００", "100"},
      {"ベレッタ", {0.5, 0.5, 0.5}, "40", "102", "130", "勝利賞金　５００", "500"},
      {"クレスター", {0.5, 0.5, 0.5}, "60", "202", "230", "勝利賞金　１０００", "1000"},
      {"トラスト", {0.5, 0.5, 0.5}, "110", "502", "530", "勝利賞金　２０００", "2000"},
      {"オロチ", {0.5, 0.5, 0.5}, "310", "1002", "1030", "勝利賞金　５０００", "5000"},
      // A draw of exactly 0 counts as 2^-24: Int(1000 × 2^24 ÷ 200) = 83886080.
      {"ケイ", {0, 0.99, 0.999}, "83886090", "41", "55", "勝利賞金　１００", "100"},
      {"盗賊の頭", {0.5, 0.5, 0.5, 0.1}, "30", "72", "100", "青い液体　１　鉄　１", "0"},
      {"ゴーレム", {0.5, 0.5, 0.5, 0.5}, "50", "152", "180", "天然水　３ 硬い金属　１", "0"},
      {"キマイラ", {0.5, 0.5, 0.5, 0.7}, "80", "352", "380", "大樹の葉　１　硬い金属　３", "0"},
      {"バク", {0.5, 0.5, 0.5, 0.9}, "160", "702", "730", "隕石のかけら　３　光る石　３", "0"},
      {"リヴァイアサン", {0.5, 0.5, 0.5, 0}, "510", "2002", "2030", "謎の微生物　３　天界の石　３", "0"},
      {"こびっと", {0.5, 0.5, 0.5, 0.15}, "3010", "5002", "5030", "青い液体　１００　鉄　１００", "0"},
      {"名無し", {}, "0", "0", "0", "謎の微生物　１００　天界の石　１００", "0"},
      {"ケイ ", {}, "0", "0", "0", "謎の微生物　１００　天界の石　１００", "0"},
  };
  for (const auto& c : cases) {
    Fight f({c.name, "50", "50", "10", "5"});
    Play& play = f.play;
    play.set("メイン.senzai", "1000");
    play.set("メイン.waza", "200");
    play.set("メイン.kansei", "3000");
    play.set("sento.ehp", "-1");
    f.script(c.draws);
    play.ok("click sento");
    EXPECT_TRUE(f.tookExactlyTheScript()) << c.name;
    EXPECT_EQ(play("shown"), "kekka") << c.name;
    EXPECT_EQ(play.text("kekka.keiken"), c.keiken) << c.name;
    EXPECT_EQ(play.text("kekka.gizyutu"), c.gizyutu) << c.name;
    EXPECT_EQ(play.text("kekka.tisiki"), c.tisiki) << c.name;
    EXPECT_EQ(play.text("kekka.senri"), c.senri) << c.name;
    EXPECT_EQ(play.text("メイン.kane"), c.kane) << c.name;
  }
}

TEST(Rewards, LootRowsByTheDrawOnMahatuAndBothSmithingCopies) {
  struct Row {
    const char* senri;
    const char* magic;
    const char* magicCount;
    const char* smithing;
    const char* smithingCount;
  };
  const Row a = {"青い液体　１　鉄　１", "ao", "6", "tetu", "3"};
  const Row b = {"青い液体　３ 鋼鉄　１", "ao", "8", "koutetu", "3"};
  const Row c = {"天然水　１　鉄　３", "mizu", "6", "tetu", "5"};
  const Row d = {"天然水　３　鋼鉄　３", "mizu", "8", "koutetu", "5"};
  const Row kobitLast = {"謎の微生物　１００　天界の石　１００", "bi", "105", "tenkai", "102"};
  const Row kobitFifth = {"隕石のかけら　１００　光る石　１００", "inseki", "105", "hikaru", "102"};
  const struct {
    const char* name;
    double draw;
    Row row;
  } cases[] = {
      {"下っ端盗賊", 0, d},          {"下っ端盗賊", 0.1, a},     {"盗賊幹部", 0.4999, a},
      {"盗賊幹部", 0.5, b},          {"盗賊の頭", 0.6999, b},    {"盗賊の頭", 0.7, c},
      {"下っ端盗賊", 0.8999, c},     {"下っ端盗賊", 0.9, d},     {"下っ端盗賊", 0.99999, d},
      {"こびっと", 0, kobitLast},    {"こびっと", 0.85, kobitFifth}, {"こびっと", 0.86, kobitLast},
  };
  for (const auto& k : cases) {
    Fight f({k.name, "50", "50", "10", "5"});
    Play& play = f.play;
    for (const char* m : {"ao", "mizu", "doku", "ha", "inseki", "bi"}) play.set(std::string("mahatu.") + m, "5");
    for (const char* s : {"tetu", "koutetu", "katai", "ayasii", "hikaru", "tenkai"}) {
      play.set(std::string("bukai.") + s, "2");
      play.set(std::string("bokai.") + s, "2");
    }
    play.set("sento.ehp", "0");
    f.script({0.5, 0.5, 0.5, k.draw});
    play.ok("click sento");
    const std::string what = std::string(k.name) + " " + std::to_string(k.draw);
    EXPECT_TRUE(f.tookExactlyTheScript()) << what;
    EXPECT_EQ(play.text("kekka.senri"), k.row.senri) << what;
    EXPECT_EQ(play.text(std::string("mahatu.") + k.row.magic), k.row.magicCount) << what;
    EXPECT_EQ(play.text(std::string("bukai.") + k.row.smithing), k.row.smithingCount) << what;
    EXPECT_EQ(play.text(std::string("bokai.") + k.row.smithing), k.row.smithingCount) << what;
    int unchanged = 0;
    for (const char* m : {"ao", "mizu", "doku", "ha", "inseki", "bi"})
      unchanged += play.text(std::string("mahatu.") + m) == "5";
    for (const char* s : {"tetu", "koutetu", "katai", "ayasii", "hikaru", "tenkai"})
      unchanged += play.text(std::string("bukai.") + s) == "2" && play.text(std::string("bokai.") + s) == "2";
    EXPECT_EQ(unchanged, 10) << what << ": only the row's two materials change";
    EXPECT_EQ(play.text("メイン.kane"), "0") << what;
  }
}

}  // namespace
}  // namespace volna::testing
