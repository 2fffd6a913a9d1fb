// The spirit screen reached by 気合を使う, and the spell screen reached by 魔術 (leaving it).

#include <gtest/gtest.h>

#include <string>

#include "fight.h"

namespace volna::testing {
namespace {

struct SpiritScreen : ::testing::Test {
  Play play;
  void SetUp() override {
    play.newGame();
    play.ok("drag メイン 300 400");
    startFight(play);
    play.ok("drag sento 10 20");
  }
  void open(const char* spirit) {
    play.set("sento.kiai", spirit);
    play.ok("click sento.kiaitukau");
  }
};

TEST_F(SpiritScreen, WithoutSpiritItDoesNotOpen) {
  play.ok("click sento.kiaitukau");
  EXPECT_EQ(play.text("sento.help"), "気合がたまっていません。");
  EXPECT_EQ(play("shown"), "sento");
  EXPECT_EQ(play("exists tukau"), "false");
  EXPECT_EQ(play.text("sento.tan"), "1");
}

TEST_F(SpiritScreen, OpensAtTheMainScreensPlaceWithTheCountsOnOffer) {
  open("3");
  EXPECT_EQ(play("shown"), "tukau");
  EXPECT_EQ(play("geometry tukau"), "300 400 9705 6585");
  EXPECT_EQ(play.text("tukau.kiai"), "3");
  EXPECT_EQ(play("items tukau.tukaukazu"), "1|2|3");
  EXPECT_EQ(play("caption tukau.tukaukazu"), "");
  // Only the listed counts can be taken, so the spirit can never fall below zero.
  EXPECT_EQ(play("choose tukau.tukaukazu 4"), "error: no such item: 4");
  EXPECT_EQ(play("type tukau.tukaukazu 9"), "error: tukau.tukaukazu is a list, not a text box");
}

TEST_F(SpiritScreen, AConversionNeedsACount) {
  open("2");
  for (const char* b : {"taihenkan", "kokyuhenkan", "ryohenkan"}) {
    play.ok(std::string("click tukau.") + b);
    EXPECT_EQ(play.text("tukau.help"), "気合を使う数が設定されていません。") << b;
    EXPECT_EQ(play("shown"), "tukau") << b;
  }
  EXPECT_EQ(play.text("sento.kiai"), "2");
}

TEST_F(SpiritScreen, ConversionsEndTheTurnAndDiscardTheScreen) {
  const struct {
    const char* button;
    const char* count;
    const char* hp;
    const char* kokyu;
    const char* message;
  } cases[] = {
      // Full stamina 120 and breath 90; the fight stands at 40 and 30, with 3 spirit.
      {"taihenkan", "1", "52", "30", "気合を使って体力を回復した。"},
      {"taihenkan", "3", "76", "30", "気合を使って体力を回復した。"},
      {"kokyuhenkan", "1", "40", "39", "気合を使って呼吸を整えました。"},
      {"kokyuhenkan", "3", "40", "57", "気合を使って呼吸を整えました。"},
      {"ryohenkan", "1", "46", "34", "気合を使って体力と呼吸を回復した。"},  // 30 + 4.5, floored
      {"ryohenkan", "3", "58", "43", "気合を使って体力と呼吸を回復した。"},
  };
  for (const auto& c : cases) {
    Play p;
    p.newGame();
    p.set("メイン.hp", "120");
    p.set("メイン.kokyu", "90");
    startFight(p);
    p.set("sento.hp", "40");
    p.set("sento.kokyu", "30");
    p.set("sento.kiai", "3");
    p.set("sento.syohi", "stale");
    p.ok("click sento.kiaitukau");
    p.ok(std::string("choose tukau.tukaukazu ") + c.count);
    p.ok(std::string("click tukau.") + c.button);
    const std::string what = std::string(c.button) + " " + c.count;
    EXPECT_EQ(p.text("sento.hp"), c.hp) << what;
    EXPECT_EQ(p.text("sento.kokyu"), c.kokyu) << what;
    EXPECT_EQ(p.text("sento.kiai"), std::to_string(3 - std::stoi(c.count))) << what;
    EXPECT_EQ(p.text("sento.help"), c.message) << what;
    EXPECT_EQ(p.text("sento.tan"), "0") << what;
    EXPECT_EQ(commands(p), "0000") << what;
    EXPECT_EQ(p("shown"), "sento") << what;
    EXPECT_EQ(p("exists tukau"), "false") << what;
    EXPECT_EQ(p.text("sento.syohi"), "44") << what << ": the battle screen was activated again";
  }
}

TEST_F(SpiritScreen, CancelKeepsTheTurnAndTheSpiritAndTheScreenIsBuiltAfresh) {
  open("3");
  play.ok("choose tukau.tukaukazu 2");
  play.ok("click tukau.kyanseru");
  EXPECT_EQ(play("shown"), "sento");
  EXPECT_EQ(play("exists tukau"), "false");
  EXPECT_EQ(play.text("sento.kiai"), "3");
  EXPECT_EQ(play.text("sento.tan"), "1");
  EXPECT_EQ(commands(play), "1111");

  play.ok("click sento.taeru");  // one more point; the turn passes and comes back
  play.draws({0.5});
  play.ok("click sento");
  play.ok("click sento.kiaitukau");
  EXPECT_EQ(play("items tukau.tukaukazu"), "1|2|3|4");
  EXPECT_EQ(play("caption tukau.tukaukazu"), "");
}

TEST_F(SpiritScreen, AnEnormousStoreOffersABoundedList) {
  open("1000000");
  EXPECT_EQ(play.field("tukau.tukaukazu").control().items.size(), 9999u);
  play.ok("choose tukau.tukaukazu 9999");
  play.ok("click tukau.kokyuhenkan");
  EXPECT_EQ(play.text("sento.kiai"), "990001");
}

TEST_F(SpiritScreen, HoverHelp) {
  open("1");
  const struct {
    const char* control;
    const char* help;
  } cases[] = {
      {"taihenkan", "気合を体力に変えて回復します。"},
      {"kokyuhenkan", "気合を呼吸に変えて回復します。"},
      {"ryohenkan", "気合を体力、呼吸両方に変えて回復します。\\r\\n片方に変換するより回復量は低くなります。"},
      {"kyanseru", "気合を使うのをやめます。"},
  };
  for (const auto& c : cases) {
    play.ok(std::string("move tukau.") + c.control);
    EXPECT_EQ(play(std::string("color tukau.") + c.control), "#BEBEBE");
    EXPECT_EQ(play("caption tukau.help"), c.help);
  }
  play.ok("move tukau");
  for (const auto& c : cases) EXPECT_EQ(play(std::string("color tukau.") + c.control), "#000000");
  EXPECT_EQ(play("caption tukau.help"),
            "気合を使う数を選び、どう使うかを決めてください。\\r\\n"
            "気合を使うのをやめる場合はキャンセルをクリックしてください。");
}

TEST(SpellScreen, OpensAtTheMainScreensPlaceAndCancelKeepsTheTurn) {
  Play play;
  play.newGame();
  play.ok("drag メイン 300 400");
  startFight(play);
  play.ok("drag sento 50 60");
  play.ok("click sento.mazyutu");
  EXPECT_EQ(play("shown"), "masiyou");
  EXPECT_EQ(play("geometry masiyou"), "300 400 9705 6585");
  EXPECT_EQ(play("click masiyou.raddo"), "error: control hidden: masiyou.raddo");

  play.ok("move masiyou.kyanseru");
  EXPECT_EQ(play("color masiyou.kyanseru"), "#BEBEBE");
  EXPECT_EQ(play("caption masiyou.help"), "魔術を使うのをやめます。");
  play.ok("move masiyou");
  EXPECT_EQ(play("color masiyou.kyanseru"), "#000000");
  EXPECT_EQ(play("caption masiyou.help"), "魔術を使うのをやめます。");

  play.set("sento.kou", "40");  // as a spell might have raised it
  play.ok("click masiyou.kyanseru");
  EXPECT_EQ(play("shown"), "sento");
  EXPECT_EQ(play("geometry sento"), "50 60 9705 6585");
  EXPECT_EQ(play("exists masiyou"), "true");
  EXPECT_EQ(play.text("sento.tan"), "1");
  EXPECT_EQ(commands(play), "1111");
  EXPECT_EQ(play.text("sento.syohi"), "49") << "activation runs again: Int(280 ÷ 6 + 10) = 56, capped";
}

}  // namespace
}  // namespace volna::testing
