// The driver's contract (docs/driver.md): one line out for every command, errors change nothing.

#include <gtest/gtest.h>

#include <fstream>

#include "play.h"

namespace volna::testing {
namespace {

TEST(Driver, AnswersTheExampleOfItsPage) {
  Play play;
  const char* script[][2] = {
      {"# a new game", nullptr},
      {"click title.newgame", "ok"},
      {"type 設定.namae テスト", "ok"},
      {"click 設定.kanryo", "ok"},
      {"shown", "メイン"},
      {"caption メイン.hp", "100"},
      {"move メイン.togijyo", "ok"},
      {"color メイン.togijyo", "#BEBEBE"},
      {"caption メイン.help",
       "闘技場で戦闘し、相手に勝てば経験、戦闘技術、魔術知識、賞金が手に入ります。\\r\\n"
       "また、キャラクタの詳細ステータスを見ることも出来ます。"},
  };
  for (auto& [command, answer] : script) {
    if (!answer) continue;
    EXPECT_EQ(play(command), answer) << command;
  }
}

TEST(Driver, RefusesWhatCannotBeDoneAndChangesNothing) {
  Play play;
  const char* refusals[][2] = {
      {"jump title", "error: unknown command: jump"},
      {"click nowhere.x", "error: unknown window: nowhere"},
      {"click title.nothing", "error: unknown control: title.nothing"},
      {"click メイン.togijyo", "error: window not shown: メイン"},
      {"click title.help", "error: title.help is a text box, not a label"},
      {"type title.newgame x", "error: title.newgame is a label, not a text box"},
      {"choose title.help x", "error: title.help is a text box, not a list"},
      {"items title.help", "error: title.help is a text box, not a list"},
      {"rng 1", "error: not a draw in [0, 1): 1"},
      {"rng 0.5 x", "error: not a draw in [0, 1): x"},
      {"drag title 1.5 2", "error: drag needs LEFT and TOP in whole twips"},
      {"geometry title.help", "error: geometry takes a window"},
  };
  for (auto& [command, answer] : refusals) EXPECT_EQ(play(command), answer) << command;
  EXPECT_EQ(play("exists メイン"), "false");
  EXPECT_EQ(play.random().pending(), 0u);

  play.newGame();
  play.ok("click メイン.togijyo");
  EXPECT_EQ(play("click kurasu.nomaru"), "error: control hidden: kurasu.nomaru");
  play.set("sento.tan", "0");
  play.field("kurasu.syosai").setEnabled(false);
  EXPECT_EQ(play("click kurasu.syosai"), "error: control disabled: kurasu.syosai");
  EXPECT_EQ(play("shown"), "kurasu");
}

TEST(Driver, QueriesTouchWindowsButExistsAndShownDoNot) {
  Play play;
  EXPECT_EQ(play("exists sento"), "false");
  EXPECT_EQ(play("shown"), "title");
  EXPECT_EQ(play("visible sento.tan"), "false");
  EXPECT_EQ(play("exists sento"), "true");
  EXPECT_EQ(play("shown"), "title");
  EXPECT_EQ(play("caption sento"), "戦闘");
  EXPECT_EQ(play("caption kurasu.syouri(2)"), "0");
  EXPECT_EQ(play("visible buhenkou1.buki(0)"), "true");
  EXPECT_EQ(play("visible buhenkou3.buki(5)"), "false");
  EXPECT_EQ(play("enabled sento.kougeki"), "true");
  EXPECT_EQ(play("items tukau.tukaukazu"), "");
  EXPECT_EQ(play("active"), "title");
  EXPECT_EQ(play("running"), "true");
  EXPECT_EQ(play("file"), "none");
}

TEST(Driver, TextArgumentsUnescapeAndAnswersEscape) {
  Play play;
  play.ok("click title.newgame");
  play.ok("type 設定.namae a\\\\b\\r\\nc d");
  EXPECT_EQ(play.text("設定.namae"), "a\\b\r\nc d");
  EXPECT_EQ(play("caption 設定.namae"), "a\\\\b\\r\\nc d");
  play.ok("type 設定.namae ");
  EXPECT_EQ(play.text("設定.namae"), "");
  play.ok("click 設定.kanryo");
  EXPECT_EQ(play.msgbox(), "exclamation|設定不足|名前が入力されていません。");
  EXPECT_EQ(play.msgbox(), "none");
}

TEST(Driver, ScriptedDrawsComeFirstThenTheSeededGenerator) {
  Play play;
  play.ok("rng 0.25 0 0.999");
  EXPECT_EQ(play.random().draw(), 0.25);
  play.random().reseed();
  EXPECT_EQ(play.random().draw(), 0);
  EXPECT_EQ(play.random().draw(), 0.999);
  const double r = play.random().draw();
  EXPECT_GE(r, 0);
  EXPECT_LT(r, 1);
  EXPECT_EQ(r * 16777216, static_cast<double>(static_cast<long long>(r * 16777216)));
}

TEST(Driver, TheSameSeedRepeatsTheSameDraws) {
  TempDir dir;
  script::Driver a(dir.path(), 42), b(dir.path(), 42);
  for (int i = 0; i < 5; ++i) {
    a.random().reseed();
    b.random().reseed();
    EXPECT_EQ(a.random().draw(), b.random().draw());
  }
}

TEST(Driver, FileShowsTheSaveBytesAsHex) {
  TempDir dir;
  std::ofstream(dir.path() / "save.dat", std::ios::binary) << std::string("\"A\"\r\n\x82\xa0", 7);
  Play play(dir.path());
  EXPECT_EQ(play("file"), "2241220d0a82a0");
}

}  // namespace
}  // namespace volna::testing
