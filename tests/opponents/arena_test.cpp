// The arena kurasu: drawing the opponent, what goes into the battle screen, the bout counters
// that open the next class, and the screen's navigation and help.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include "play.h"

namespace volna::testing {
namespace {

// The largest double below 1, and the largest draw the clocked generator can make.
const double kBelowOne = std::nextafter(1.0, 0.0);
const double kLargestDraw = 1.0 - kSmallestDraw;

// A new game on the main screen.
struct Game : Play {
  Game() { newGame(); }
};

// The arena opened from the main screen, whichever screen the last bout left shown.
void open(Play& play) {
  App& app = play.app();
  if (ui::Window* battle = app.existing("sento")) app.hide(*battle);
  app.show(app.window("メイン"));
  play.ok("click メイン.togijyo");
}

void enter(Play& play, const std::string& button, double r) {
  open(play);
  play.draws({r});
  play.ok("click kurasu." + button);
}

void openAllClasses(Play& play) {
  for (const char* b : {"nomaru", "ekisupato", "ekusutora", "supesyaru"})
    play.field(std::string("kurasu.") + b).setVisible(true);
}

std::string counter(int i) { return "kurasu.syouri(" + std::to_string(i) + ")"; }

std::string counters(Play& play) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += play.text(counter(i)) + ",";
  return s;
}

std::string openClasses(Play& play) {
  std::string s;
  for (const char* b : {"bigina", "nomaru", "ekisupato", "ekusutora", "supesyaru"})
    if (play.field(std::string("kurasu.") + b).visible()) s += std::string(b) + " ";
  return s;
}

TEST(Arena, StartsWithOnlyTheBeginnerClassAndHiddenCounters) {
  Game play;
  play.ok("click メイン.togijyo");
  EXPECT_EQ(play("caption kurasu"), "闘技場");
  EXPECT_EQ(openClasses(play), "bigina ");
  EXPECT_EQ(counters(play), "0,0,0,0,");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(play("visible kurasu.syouri(" + std::to_string(i) + ")"), "false");
  EXPECT_EQ(play("caption kurasu.help"), "");
  EXPECT_EQ(play("visible kurasu.Line8"), "true");
  // Hidden classes cannot be entered.
  EXPECT_EQ(play("click kurasu.nomaru").rfind("error", 0), 0u);
  EXPECT_EQ(play("shown"), "kurasu");
}

TEST(Arena, HoverHelpHighlightsAndTheBackgroundClearsEveryButton) {
  Game play;
  const struct {
    const char* control;
    const char* help;
  } hovers[] = {
      {"bigina", "ザルグ入門者用のクラスです。\\r\\nザルグのイロハを学びましょう。"},
      {"nomaru", "ある程度戦闘になれたザルグン達のクラスです。\\r\\nザルグする楽しさを教えてくれるでしょう。"},
      {"ekisupato", "戦闘を知り尽くしたザルグン達のクラスです。\\r\\nザルグの極意を叩きこまれることでしょう。"},
      {"ekusutora",
       "もはや戦うことなしでは生きられないザルグン達のクラスです。\\r\\n狂気ともいえる強さを見せつけてくれるでしょう。"},
      {"supesyaru", "いまだ謎に包まれたクラスです。\\r\\n異形と化した者や、異世界の者もいるという噂が流れています。"},
      {"syosai", "キャラクタの詳細ステータスを見ることが出来ます。"},
      {"modoru", "メイン画面に戻ります。"},
  };
  play.ok("click メイン.togijyo");
  openAllClasses(play);
  for (const auto& h : hovers) {
    play.ok(std::string("move kurasu.") + h.control);
    EXPECT_EQ(play(std::string("color kurasu.") + h.control), "#BEBEBE") << h.control;
    EXPECT_EQ(play("caption kurasu.help"), h.help) << h.control;
  }
  play.ok("move kurasu");
  for (const auto& h : hovers) EXPECT_EQ(play(std::string("color kurasu.") + h.control), "#000000") << h.control;
  EXPECT_EQ(play("caption kurasu.help"),
            "闘技場で闘います。\\r\\n闘いたいクラスを右から選んでください。\\r\\nステータスの確認も出来ます。");
}

TEST(Arena, TheDrawPicksTheFighterAndItsValuesGoIntoTheBattleAsWritten) {
  Game play;
  const struct {
    const char* button;
    double r;
    const char* name;
    const char* stamina;
    const char* breath;
    const char* attack;
    const char* defence;
  } bouts[] = {
      {"bigina", 0, "ケイ", "50", "50", "10", "5"},
      {"bigina", 0.5, "ササ", "30", "40", "7", "8"},
      {"bigina", kLargestDraw, "コウ", "40", "100", "6", "30"},
      {"bigina", kBelowOne, "コウ", "40", "100", "6", "30"},
      {"nomaru", 0, "デューレン", "150", "200", "40", "35"},
      {"nomaru", 7.5 / 11, "レッティーナ", "600", "150", "20", "40"},
      {"nomaru", kBelowOne, "ベレッタ", "450", "350", "40", "45"},
      {"ekisupato", 0, "コスターニャ", "900", "700", "100", "70"},
      {"ekisupato", 6.0 / 7 - 0.001, "フォックス", "1100", "600", "80", "30"},
      {"ekisupato", 6.0 / 7 + 0.001, "クレスター", "950", "1000", "70", "70"},
      {"ekisupato", kBelowOne, "クレスター", "950", "1000", "70", "70"},
      {"ekusutora", 0, "シリョウ", "1800", "1500", "350", "200"},
      {"ekusutora", 0.5, "シドー", "2000", "1900", "150", "250"},
      {"ekusutora", kBelowOne, "トラスト", "1900", "2300", "250", "200"},
      {"supesyaru", 0, "ネリガルーラ", "7000", "6000", "500", "600"},
      {"supesyaru", 0.25, "リリパッパ", "10000", "3700", "800", "400"},
      {"supesyaru", kLargestDraw, "オロチ", "8888", "8888", "888", "888"},
      {"supesyaru", kBelowOne, "オロチ", "8888", "8888", "888", "888"},
  };
  openAllClasses(play);
  for (const auto& b : bouts) {
    const std::string where = std::string(b.button) + " r=" + std::to_string(b.r);
    enter(play, b.button, b.r);
    EXPECT_EQ(play("shown"), "sento") << where;
    EXPECT_EQ(play.text("sento.enamae"), b.name) << where;
    EXPECT_EQ(play.text("sento.ehp"), b.stamina) << where;
    EXPECT_EQ(play.text("sento.mehp"), b.stamina) << where;
    EXPECT_EQ(play.text("sento.ekokyu"), b.breath) << where;
    EXPECT_EQ(play.text("sento.mekokyu"), b.breath) << where;
    EXPECT_EQ(play.text("sento.ekou"), b.attack) << where;
    EXPECT_EQ(play.text("sento.ebou"), b.defence) << where;
  }
  EXPECT_EQ(play.random().pending(), 0u);
}

TEST(Arena, CopiesThePlayersValuesAsTheyStandAndTouchesNoOtherBattleField) {
  Game play;
  // Text that a conversion would rewrite: the arena neither heals, checks nor reformats.
  play.set("メイン.hp", "-3.5");
  play.set("メイン.kokyu", "0105");
  play.set("sutetasu.kougeki", "+16");
  play.set("sutetasu.bougyo", " 13");
  open(play);
  // Whatever the last fight left on the battle screen stays as it was.
  play.set("sento.kiai", "7");
  play.set("sento.ekiai", "3");
  play.set("sento.tan", "0");
  play.set("sento.help", "前の戦闘");
  play.field("sento.kougeki").setEnabled(false);
  using Snapshot = std::map<std::string, std::tuple<std::string, bool, bool>>;
  auto snapshot = [&] {
    Snapshot s;
    for (const auto& c : play.app().window("sento").controls())
      s[c.def->name + "(" + std::to_string(c.def->index) + ")"] = {c.text, c.visible, c.enabled};
    return s;
  };
  Snapshot before = snapshot();

  play.draws({0.1});
  play.ok("click kurasu.bigina");

  EXPECT_EQ(play.text("sento.hp"), "-3.5");
  EXPECT_EQ(play.text("sento.kokyu"), "0105");
  EXPECT_EQ(play.text("sento.kou"), "+16");
  EXPECT_EQ(play.text("sento.bou"), " 13");
  EXPECT_EQ(play.text("メイン.hp"), "-3.5");
  Snapshot after = snapshot();
  // Written by the arena, or by the battle screen's own activation.
  for (const char* written : {"enamae", "ehp", "mehp", "ekokyu", "mekokyu", "ekou", "ebou", "hp", "kokyu", "kou",
                              "bou", "namae", "syohi"}) {
    before.erase(std::string(written) + "(-1)");
    after.erase(std::string(written) + "(-1)");
  }
  EXPECT_EQ(after, before);
  EXPECT_EQ(play.text("sento.tan"), "0");
}

TEST(Arena, ReseedsBeforeItDraws) {
  Game play;
  open(play);
  const int reseeds = play.random().reseeds();
  // The headless clock counts up from the seed: the arena's reseed takes the next value.
  const std::uint64_t next = play.platform().clock() + 1;
  ClockedRandom expected([next] { return next; });
  const std::string fighter[] = {"ケイ", "ショウ", "テッド", "ダンカン", "ゴラン", "ササ",
                                 "ヌーク", "コイス", "エナン", "ジョイ", "コウ"};
  const auto d = static_cast<int>(std::floor(expected.draw() * 11));
  play.ok("click kurasu.bigina");
  EXPECT_EQ(play.random().reseeds(), reseeds + 1);
  EXPECT_EQ(play.text("sento.enamae"), fighter[d]);
}

TEST(Arena, TheTenthBeginnerBoutOpensTheNormalClassWhateverTheOutcome) {
  Game play;
  for (int bout = 1; bout <= 9; ++bout) enter(play, "bigina", 0);
  EXPECT_EQ(counters(play), "9,0,0,0,");
  EXPECT_EQ(openClasses(play), "bigina ");
  enter(play, "bigina", 0);
  EXPECT_EQ(counters(play), "10,0,0,0,");
  EXPECT_EQ(openClasses(play), "bigina nomaru ");
  // Counting goes on past the threshold; the class stays open.
  enter(play, "bigina", 0);
  EXPECT_EQ(counters(play), "11,0,0,0,");
  EXPECT_EQ(openClasses(play), "bigina nomaru ");
  // Leaving and coming back keeps the counters and the open classes.
  open(play);
  play.ok("click kurasu.syosai");
  play.ok("click sutetasu.modoru");
  play.ok("click メイン.togijyo");
  play.ok("click kurasu.modoru");
  play.ok("click メイン.togijyo");
  EXPECT_EQ(counters(play), "11,0,0,0,");
  EXPECT_EQ(openClasses(play), "bigina nomaru ");
}

TEST(Arena, EachCountedClassOpensTheNextAtItsThreshold) {
  const struct {
    const char* button;
    int index;  // of its counter
    int threshold;
    const char* reveals;
  } classes[] = {
      {"bigina", 0, 10, "nomaru"},
      {"nomaru", 1, 15, "ekisupato"},
      {"ekisupato", 2, 20, "ekusutora"},
      {"ekusutora", 3, 20, "supesyaru"},
  };
  for (const auto& k : classes) {
    SCOPED_TRACE(k.button);
    Game play;
    play.field(std::string("kurasu.") + k.button).setVisible(true);
    const std::string mine = counter(k.index);
    const std::string next = std::string("kurasu.") + k.reveals;
    play.set(mine, std::to_string(k.threshold - 2));
    enter(play, k.button, 0);
    EXPECT_EQ(play.text(mine), std::to_string(k.threshold - 1));
    EXPECT_FALSE(play.field(next).visible());
    enter(play, k.button, 0);
    EXPECT_EQ(play.text(mine), std::to_string(k.threshold));
    EXPECT_TRUE(play.field(next).visible());
    enter(play, k.button, 0);
    EXPECT_EQ(play.text(mine), std::to_string(k.threshold + 1));
    EXPECT_TRUE(play.field(next).visible());
    // Only this class's counter moved.
    int moved = 0;
    for (int i = 0; i < 4; ++i) moved += play.text(counter(i)) != "0";
    EXPECT_EQ(moved, 1);
  }
}

TEST(Arena, TheSpecialClassCountsNothingAndOpensNothing) {
  Game play;
  play.field("kurasu.supesyaru").setVisible(true);
  for (int i = 0; i < 4; ++i) play.set(counter(i), std::to_string(30 + i));
  enter(play, "supesyaru", 0.9);
  EXPECT_EQ(play.text("sento.enamae"), "オロチ");
  EXPECT_EQ(counters(play), "30,31,32,33,");
  EXPECT_EQ(openClasses(play), "bigina supesyaru ");
}

TEST(Arena, AHandEditedCounterNeverStopsABout) {
  Game play;
  const struct {
    const char* stored;
    const char* after;
    bool opensNormal;
  } cases[] = {
      {"abc", "1", false},      {"", "1", false},          {"9.5", "10", true},     {" 9 ", "10", true},
      {"-3", "-2", false},      {"32767", "32768", true},  {"4e4", "40001", true},   {"1e999", "1", false},
      {"-40000", "-39999", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("stored \"") + c.stored + "\"");
    play.field("kurasu.nomaru").setVisible(false);
    play.set("kurasu.syouri(0)", c.stored);
    enter(play, "bigina", 0);
    EXPECT_EQ(play("shown"), "sento");
    EXPECT_EQ(play.msgbox(), "none");
    EXPECT_EQ(play.text("kurasu.syouri(0)"), c.after);
    EXPECT_EQ(play.field("kurasu.nomaru").visible(), c.opensNormal);
  }
}

TEST(Arena, TheBattleOpensWhereTheMainScreenIsEvenIfTheArenaWasMoved) {
  Game play;
  play.ok("drag メイン 300 400");
  play.ok("click メイン.togijyo");
  play.ok("drag kurasu 10 20");
  play.draws({0});
  play.ok("click kurasu.bigina");
  EXPECT_EQ(play("shown"), "sento");
  EXPECT_EQ(play("active"), "sento");
  EXPECT_EQ(play("geometry sento"), "300 400 9705 6585");
  EXPECT_EQ(play("geometry kurasu"), "10 20 9705 6585");
}

TEST(Arena, StatusCheckOpensAtTheMainScreensPlaceAndItsBackLeadsToTheMainScreen) {
  Game play;
  play.ok("drag メイン 300 400");
  play.ok("click メイン.togijyo");
  play.ok("drag kurasu 10 20");
  play.ok("click kurasu.syosai");
  EXPECT_EQ(play("shown"), "sutetasu");
  EXPECT_EQ(play("geometry sutetasu"), "300 400 9705 6585");
  play.ok("click sutetasu.modoru");
  EXPECT_EQ(play("shown"), "メイン");
  EXPECT_EQ(play("geometry メイン"), "300 400 9705 6585");
}

}  // namespace
}  // namespace volna::testing
