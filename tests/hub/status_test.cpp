// The detailed status screen and the acquired-techniques screen.

#include <gtest/gtest.h>

#include "play.h"

namespace volna::testing {
namespace {

// The status screen, opened from the arena as the player reaches it.
void openStatus(Play& play) {
  play.newGame();
  play.ok("click メイン.togijyo");
  play.ok("click kurasu.syosai");
  ASSERT_EQ(play("shown"), "sutetasu");
}

TEST(Status, ShowsTheMoneyOfTheMomentAndAlwaysReturnsToTheMainScreen) {
  Play play;
  openStatus(play);
  EXPECT_EQ(play("caption sutetasu.namae"), "テスト");
  EXPECT_EQ(play("caption sutetasu.kane"), "0");
  play.ok("click sutetasu.modoru");
  EXPECT_EQ(play("shown"), "メイン");
  play.set("メイン.kane", "2500");
  play.ok("click メイン.hazure");
  play.ok("click matihazure.syosai");
  EXPECT_EQ(play("caption sutetasu.kane"), "2500");  // refreshed on activation
  play.ok("click sutetasu.modoru");
  EXPECT_EQ(play("shown"), "メイン");
}

TEST(Status, HelpTextsKeepTheirExactEndings) {
  Play play;
  openStatus(play);
  play.ok("move sutetasu");
  EXPECT_EQ(play("caption sutetasu.help"),
            "設定する項目の上にマウスポインタを移動している間、その項目の説明が表示されます｡\\r\\n"
            "戦闘特技、魔術及び取得した魔術資格は習得技術をクリックすることで見ることが出来ます。 \\r\\n"
            "能力値確認が終わったら左下の戻るをクリックしてください｡ ");
  play.ok("move sutetasu.ruiti");
  EXPECT_EQ(play("color sutetasu.ruiti"), "#000000");
  EXPECT_EQ(play("caption sutetasu.help"),
            "現在獲得している魔術知識です。\\r\\n戦闘に勝つと獲得することが出来ます。\\r\\n魔術発明や魔術資格取得に必要です。");
  play.ok("move sutetasu.bougyo");  // no help of its own: the text stays
  EXPECT_EQ(play("caption sutetasu.help"),
            "現在獲得している魔術知識です。\\r\\n戦闘に勝つと獲得することが出来ます。\\r\\n魔術発明や魔術資格取得に必要です。");
}

TEST(Techniques, OpensAtTheMainScreensPlaceWithTheLevelsOfTheMoment) {
  Play play;
  openStatus(play);
  play.ok("click sutetasu.modoru");
  play.ok("drag メイン 100 200");
  play.ok("click メイン.togijyo");
  play.ok("click kurasu.syosai");
  play.ok("drag sutetasu 900 900");
  play.set("sukiru.wazareberu", "7");
  play.ok("click sutetasu.gizyutu");
  EXPECT_EQ(play("shown"), "syutoku");
  EXPECT_EQ(play("geometry syutoku"), "100 200 9705 6585");
  EXPECT_EQ(play("caption syutoku.wazareberu"), "7");
  EXPECT_EQ(play("caption syutoku.kinreberu"), "1");
  play.ok("click syutoku.kyanseru");
  EXPECT_EQ(play("shown"), "sutetasu");
  EXPECT_EQ(play("geometry sutetasu"), "900 900 9705 6585");
}

TEST(Techniques, OnlyLearnedSpellsAreShownAndExplained) {
  Play play;
  openStatus(play);
  play.ok("click sutetasu.gizyutu");
  for (const char* spell : {"raddo", "daren", "gio", "dare", "bura", "kathi", "pire", "fosyu"})
    EXPECT_EQ(play(std::string("visible syutoku.") + spell), "false") << spell;
  EXPECT_EQ(play("move syutoku.raddo"), "error: control hidden: syutoku.raddo");
  play.field("syutoku.bura").setVisible(true);
  play.ok("move syutoku.bura");
  play.ok("move syutoku");  // no default help: the spell's text stays
  EXPECT_EQ(play("caption syutoku.help"),
            "自分の攻撃力を上げる魔術です。\\r\\n攻撃力が上昇する分消費呼吸量が大きくなることに注意しましょう。");
  EXPECT_EQ(play("color syutoku.bura"), "#000000");
}

}  // namespace
}  // namespace volna::testing
