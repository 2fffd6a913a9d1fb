// The result screen: the experience is distributed exactly, or not at all.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fight.h"

namespace volna::testing {
namespace {

const char* const kBoxes[] = {"puratai", "purakokyu", "purakin", "purawaza", "purama", "purakan", "purasen"};
const char* const kAbilities[] = {"hp", "kokyu", "kin", "waza", "maryoku", "kansei", "senzai"};

// A won fight against ケイ whose gains are then set to the given ones.
void win(Play& play, const char* experience) {
  play.newGame();
  startFight(play);
  play.set("sento.ehp", "0");
  play.draws({0.5, 0.5, 0.5});
  play.ok("click sento");
  ASSERT_EQ(play("shown"), "kekka");
  play.set("kekka.keiken", experience);
  play.set("kekka.gizyutu", "40");
  play.set("kekka.tisiki", "45");
}

std::vector<std::string> abilities(Play& play) {
  std::vector<std::string> out;
  for (const char* a : kAbilities) out.push_back(play.text(std::string("メイン.") + a));
  return out;
}

TEST(Result, ShowsTheAbilitiesOfTheMainScreenWhenActivated) {
  Play play;
  play.newGame();
  play.set("メイン.waza", "12.5");
  play.set("メイン.senzai", "-3");
  startFight(play);
  play.set("sento.ehp", "0");
  play.draws({0.5, 0.5, 0.5});
  play.ok("click sento");
  EXPECT_EQ(play("shown"), "kekka");
  for (const char* a : kAbilities)
    EXPECT_EQ(play.text(std::string("kekka.") + a), play.text(std::string("メイン.") + a)) << a;
  for (const char* b : kBoxes) EXPECT_EQ(play.text(std::string("kekka.") + b), "") << b;
}

TEST(Result, TheAmountsMustAddUpExactlyToTheExperience) {
  // Abilities start at 100, 100 and 10 for the other five.
  const struct {
    const char* experience;
    std::vector<const char*> boxes;  // puratai .. purasen
    std::vector<const char*> after;  // nothing: refused
  } cases[] = {
      {"10", {"", "", "", "", "", "", ""}, {}},
      {"10", {"", "", "10", "", "", "", ""}, {"100", "100", "20", "10", "10", "10", "10"}},
      {"10", {"", "", "15", "-5", "", "", ""}, {"100", "100", "25", "5", "10", "10", "10"}},
      {"10", {"2.5", "7.5", "", "", "", "", ""}, {"102.5", "107.5", "10", "10", "10", "10", "10"}},
      {"10", {"", "", "", "", "12個", "-2", ""}, {"100", "100", "10", "10", "22", "8", "10"}},
      {"10", {" +3", "abc", "", "", "", "", "7"}, {"103", "100", "10", "10", "10", "10", "17"}},
      {"10", {"", "", "9", "", "", "", ""}, {}},
      {"10", {"", "", "11", "", "", "", ""}, {}},
      {"10", {"", "", "", "", "", "", "10.000001"}, {}},
      {"0", {"", "", "", "", "", "", ""}, {"100", "100", "10", "10", "10", "10", "10"}},
      {"0", {"-40", "40", "", "", "", "", ""}, {"60", "140", "10", "10", "10", "10", "10"}},
      // Amounts that are no longer numbers are refused, whatever they would add up to.
      {"10", {"", "", "1e400", "", "", "", ""}, {}},
      {"0", {"", "", "1e400", "-1e400", "", "", ""}, {}},
      {"0", {"", "", "1.7e308", "", "1.7e308", "-1.7e308", "-1.7e308"}, {}},
      {"0", {"", "", "1e308", "-1e308", "", "", ""}, {"100", "100", "1E+308", "-1E+308", "10", "10", "10"}},
  };
  for (const auto& c : cases) {
    Play play;
    win(play, c.experience);
    std::string what = c.experience;
    for (std::size_t i = 0; i < 7; ++i) {
      play.ok(std::string("type kekka.") + kBoxes[i] + " " + c.boxes[i]);
      what += std::string(" [") + c.boxes[i] + "]";
    }
    const std::vector<std::string> before = abilities(play);
    play.ok("click kekka.kanryo");
    if (c.after.empty()) {
      EXPECT_EQ(play("shown"), "kekka") << what;
      EXPECT_EQ(play.text("kekka.help"), "経験が正しく振り分けられていません。") << what;
      EXPECT_EQ(abilities(play), before) << what;
      for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(play.text(std::string("kekka.") + kBoxes[i]), c.boxes[i]) << what;
      EXPECT_EQ(play.text("sutetasu.ruigi"), "0") << what;
      EXPECT_EQ(play.text("sutetasu.ruiti"), "0") << what;
    } else {
      EXPECT_EQ(play("shown"), "メイン") << what;
      EXPECT_EQ(play("exists kekka"), "false") << what;
      EXPECT_EQ(abilities(play), std::vector<std::string>(c.after.begin(), c.after.end())) << what;
      EXPECT_EQ(play.text("sutetasu.ruigi"), "40") << what;
      EXPECT_EQ(play.text("sutetasu.ruiti"), "45") << what;
      EXPECT_EQ(play.text("sento.hp"), c.after[0]) << what;
      EXPECT_EQ(play.text("sento.kokyu"), c.after[1]) << what;
    }
  }
}

TEST(Result, AnAbilityThatWouldOverflowIsRefused) {
  Play play;
  win(play, "0");
  play.set("メイン.kin", "1.7e308");
  play.ok("type kekka.purakin 1.7e308");
  play.ok("type kekka.purawaza -1.7e308");
  play.ok("click kekka.kanryo");
  EXPECT_EQ(play.text("kekka.help"), "経験が正しく振り分けられていません。");
  EXPECT_EQ(play.text("メイン.kin"), "1.7e308");
  EXPECT_EQ(play.text("メイン.waza"), "10");
  EXPECT_EQ(play("shown"), "kekka");
}

TEST(Result, PointsAccumulateOverVictoriesAndTheScreenStartsAfreshEachTime) {
  Play play;
  win(play, "10");
  play.ok("type kekka.purakin 10");
  play.ok("click kekka.kanryo");
  startFight(play, {"名無し", "50", "50", "10", "5"});
  play.set("sento.ehp", "0");
  play.ok("click sento");  // a name in no table: the screen keeps its start values
  EXPECT_EQ(play.text("kekka.keiken"), "0");
  EXPECT_EQ(play.text("kekka.gizyutu"), "0");
  EXPECT_EQ(play.text("kekka.purakin"), "");
  EXPECT_EQ(play.text("kekka.kin"), "20");
  play.set("kekka.gizyutu", "7");
  play.set("kekka.tisiki", "2.5");
  play.ok("click kekka.kanryo");
  EXPECT_EQ(play.text("sutetasu.ruigi"), "47");
  EXPECT_EQ(play.text("sutetasu.ruiti"), "47.5");
}

TEST(Result, HoverHelp) {
  Play play;
  win(play, "10");
  const struct {
    const char* control;
    const char* help;  // nullptr: highlighted, help unchanged
  } cases[] = {
      {"Label3", "獲得した経験を能力に振り分けることが出来ます。"},
      {"label1", "獲得した戦闘技術です。\\r\\n戦闘特技を習得するのに必要です。"},
      {"Label2", "獲得した魔術知識です。\\r\\n魔術発明、魔術資格取得に必要です。"},
      {"senri", "今回の戦闘に勝利して獲得した物です。"},
      {"kanryo", nullptr},
  };
  for (const auto& c : cases) {
    const std::string before = play("caption kekka.help");
    play.ok(std::string("move kekka.") + c.control);
    EXPECT_EQ(play("caption kekka.help"), c.help ? c.help : before) << c.control;
    EXPECT_EQ(play(std::string("color kekka.") + c.control), c.help ? "#000000" : "#BEBEBE") << c.control;
  }
  play.ok("move kekka");
  EXPECT_EQ(play("color kekka.kanryo"), "#000000");
  EXPECT_EQ(play("caption kekka.help"), "獲得経験を各能力値に振り分けてください。");
}

}  // namespace
}  // namespace volna::testing
