// Title, name setup and main screen, played through the driver.

#include <gtest/gtest.h>

#include "play.h"
#include "screens.h"

namespace volna::testing {
namespace {

TEST(Title, StartsAloneWithAnEmptyHelpBoxAndExplainsOnHover) {
  Play play;
  EXPECT_EQ(play("shown"), "title");
  EXPECT_EQ(play("active"), "title");
  EXPECT_EQ(play("caption title.help"), "");
  EXPECT_EQ(play("caption title"), "タイトル画面");
  play.ok("move title.newgame");
  EXPECT_EQ(play("color title.newgame"), "#BEBEBE");
  EXPECT_EQ(play("caption title.help"),
            "データをロードせずにゲームを開始します。\\r\\nデータは１つしか作れませんのでご注意ください。");
  play.ok("move title");
  EXPECT_EQ(play("color title.newgame"), "#000000");
  EXPECT_EQ(play("caption title.help"), "ゲーム開始方法を選択してください。");
}

TEST(Title, NewGameOpensTheSetupWhereTheTitleStood) {
  Play play;
  play.ok("drag title 1234 567");
  play.ok("click title.newgame");
  EXPECT_EQ(play("shown"), "設定");
  EXPECT_EQ(play("exists title"), "false");
  EXPECT_EQ(play("geometry 設定"), "1234 567 9705 6585");
  EXPECT_EQ(play("caption 設定.help"),
            "設定する項目の上にマウスポインタを移動している間、そ\\r\\nの項目の説明が表示されます｡\\r\\n"
            "設定が終わったら右の完了をクリックしてください。\\r\\n");
  play.ok("move 設定");
  EXPECT_EQ(play("caption 設定.help"),
            "設定する項目の上にマウスポインタを移動している間、その項目の説明が表示されます｡ \\r\\n"
            "設定が終わったら右の完了をクリックしてください。");
}

TEST(Setup, RefusesNamesItCannotKeepAndChangesNothing) {
  const struct {
    const char* typed;  // driver escapes allowed
    const char* text;
  } refusals[] = {
      {"", "名前が入力されていません。"},
      {"a\"b", "名前に使えない文字が含まれています。"},
      {"two\\r\\nlines", "名前に使えない文字が含まれています。"},
      {"line\\n", "名前に使えない文字が含まれています。"},
      {"😀", "名前に使えない文字が含まれています。"},
      {"한글", "名前に使えない文字が含まれています。"},
  };
  for (const auto& r : refusals) {
    Play play;
    play.ok("click title.newgame");
    play.ok(std::string("type 設定.namae ") + r.typed);
    play.ok("click 設定.kanryo");
    EXPECT_EQ(play.msgbox(), std::string("exclamation|設定不足|") + r.text) << r.typed;
    EXPECT_EQ(play("shown"), "設定") << r.typed;
    EXPECT_EQ(play("exists メイン"), "false") << r.typed;
  }
}

TEST(Setup, AcceptsAnyOtherNameExactlyAndOpensTheMainScreenCentred) {
  for (const std::string& name : {std::string(" "), std::string("　ヴォルナ　"), std::string("a, b; c"),
                                  std::string("ＡＢＣ～①髙"), std::string(500, 'x')}) {
    Play play;
    play.ok("drag title 0 0");
    play.newGame(name);
    EXPECT_EQ(play.msgbox(), "none") << name;
    EXPECT_EQ(play("shown"), "メイン") << name;
    EXPECT_EQ(play.text("sutetasu.namae"), name);
    const ui::Rect screen = play.platform().screen();
    EXPECT_EQ(play("geometry メイン"),
              std::to_string((screen.width - ui::kClientWidth) / 2) + " " +
                  std::to_string((screen.height - ui::kClientHeight) / 2) + " 9705 6585");
  }
}

TEST(MainScreen, ANewGameStartsFromTheInitialValues) {
  Play play;
  play.newGame();
  const struct {
    const char* field;
    const char* value;
  } initial[] = {
      {"メイン.hp", "100"},     {"メイン.kokyu", "100"},     {"メイン.kin", "10"},
      {"メイン.waza", "10"},    {"メイン.maryoku", "10"},    {"メイン.kansei", "10"},
      {"メイン.senzai", "10"},  {"メイン.kane", "0"},        {"sutetasu.ebuki", "木刀"},
      {"sutetasu.kougeki", "16"}, {"sutetasu.ebougu", "普通の服"}, {"sutetasu.bougyo", "13"},
      {"sento.tan", "1"},
  };
  for (const auto& f : initial) EXPECT_EQ(play(std::string("caption ") + f.field), f.value) << f.field;
  EXPECT_EQ(play("exists sutetasu"), "true");  // created with the main screen
}

TEST(MainScreen, HelpTextsAndHighlights) {
  Play play;
  play.newGame();
  play.ok("move メイン.togijyo");
  play.ok("move メイン.Label8");  // a name label explains but is not highlighted
  EXPECT_EQ(play("color メイン.togijyo"), "#BEBEBE");
  EXPECT_EQ(play("color メイン.Label8"), "#000000");
  EXPECT_EQ(play("caption メイン.help"),
            "キャラクターが持つ潜在的な力です\\r\\n戦闘行動各種の安定度、経験獲得量に関係しています。");
  play.ok("move メイン.kin");  // value labels have no help
  EXPECT_EQ(play("caption メイン.help"),
            "キャラクターが持つ潜在的な力です\\r\\n戦闘行動各種の安定度、経験獲得量に関係しています。");
  play.ok("move メイン");
  EXPECT_EQ(play("color メイン.togijyo"), "#000000");
  EXPECT_EQ(play("caption メイン.help"),
            "目的に応じて左側の項目をクリックしてください。\\r\\n項目にマウスポインタを合わせると説明が表示されます。");
}

TEST(MainScreen, EachActivityOpensByScreenSwitchAtTheMainScreensPlace) {
  const struct {
    const char* button;
    const char* window;
    const char* back;
  } activities[] = {
      {"togijyo", "kurasu", "modoru"},   {"hazure", "matihazure", "modoru"},
      {"buki", "bukiya", "kyanseru"},    {"bougu", "boguya", "kyanseru"},
      {"kunren", "sukiru", "kyanseru"},  {"gakkou", "gakko", "kyanseru"},
  };
  Play play;
  play.newGame();
  play.ok("drag メイン 300 400");
  for (const auto& a : activities) {
    play.ok(std::string("click メイン.") + a.button);
    EXPECT_EQ(play("shown"), a.window);
    EXPECT_EQ(play(std::string("geometry ") + a.window), "300 400 9705 6585");
    play.ok(std::string("drag ") + a.window + " 10 20");
    play.set("sento.tan", "0");
    play.ok(std::string("click ") + a.window + "." + a.back);
    EXPECT_EQ(play("shown"), "メイン");
    EXPECT_EQ(play("geometry メイン"), "300 400 9705 6585");
    EXPECT_EQ(play.text("sento.tan"), "1") << "activation of the main screen";
  }
}

TEST(MainScreen, QuitEndsTheProgramWhateverWindowsExist) {
  Play play;
  play.newGame();
  for (const ui::WindowDef* def : allWindows())
    if (def->name != "title" && def->name != "設定") play("caption " + def->name);
  play.ok("click メイン.syuryo");
  EXPECT_EQ(play("running"), "false");
  EXPECT_EQ(play("shown"), "");
  EXPECT_EQ(play("click メイン.syuryo"), "error: the program has ended");
}

TEST(MainScreen, TheCloseBoxOfAnyGameWindowEndsTheProgram) {
  Play play;
  play.newGame();
  play.ok("click メイン.togijyo");
  play.ok("click kurasu.syosai");
  play.ok("close sutetasu");
  EXPECT_EQ(play("running"), "false");
}

TEST(Setup, ItsCloseBoxEndsTheProgramAsTheOnlyWindow) {
  Play play;
  play.ok("click title.newgame");
  play.ok("close 設定");
  EXPECT_EQ(play("running"), "false");
}

}  // namespace
}  // namespace volna::testing
