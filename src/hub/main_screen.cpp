// The main screen メイン: the character's abilities and money, and the eight buttons from
// which every activity starts. Its place is the anchor of every screen opened later.

#include "core/app.h"
#include "core/save.h"
#include "hub/hub.h"

namespace volna::hub {

using namespace ui;

namespace {

void saveGame(App& app, Window&, Control&) { save::saveGame(app); }
void quit(App& app, Window&, Control&) { app.shutdown(); }

// The status window holds the name and several saved fields, so it exists with the main screen.
void created(App& app, Window&) { app.window("sutetasu"); }

// A fight relies on its turn marker being "1" when it starts.
void activated(App& app, Window&) { app.field("sento.tan").setText("1"); }

ControlDef command(std::string_view name, std::string_view caption, int left, int top) {
  return Button(name, caption, left, top, 2055, 375).centred();
}

ControlDef heading(std::string_view name, std::string_view caption, int top) {
  return Label(name, caption, 5760, top, 1335, 375).size(15.75);
}

ControlDef value(std::string_view name, std::string_view caption, int left, int top) {
  return Label(name, caption, left, top, kClientWidth - left, 375).size(15.75).grows();
}

}  // namespace

const WindowDef& mainWindow() {
  static const WindowDef def =
      WindowDef("メイン", "メイン画面")
          .centred()
          .created(created)
          .activated(activated)
          .background("目的に応じて左側の項目をクリックしてください。",
                      "項目にマウスポインタを合わせると説明が表示されます。")
          .add({
              command("togijyo", "闘技場", 480, 360)
                  .hover("闘技場で戦闘し、相手に勝てば経験、戦闘技術、魔術知識、賞金が手に入ります。",
                         "また、キャラクタの詳細ステータスを見ることも出来ます。")
                  .opens("kurasu"),
              command("buki", "武器屋", 480, 1440).hover("武器の開発と変更が行なえます。").opens("bukiya"),
              command("kunren", "訓練場", 480, 2520).hover("戦闘特技の習得が出来ます。").opens("sukiru"),
              command("kioku", "記憶封印", 480, 3600)
                  .hover("現在の状態を記録します。", "前に記録したデータに上書きしますので注意してください。")
                  .click(saveGame),
              command("hazure", "街外れ", 3120, 360)
                  .hover("町の外で戦闘し、敵に勝てば経験、戦闘技術、魔術知識、各種素材を手に入れることができます。",
                         "また、キャラクタの詳細ステータスを見ることも出来ます。")
                  .opens("matihazure"),
              command("bougu", "防具屋", 3120, 1440).hover("防具の開発と変更が行なえます。").opens("boguya"),
              command("gakkou", "魔術学校", 3120, 2520)
                  .hover("魔術発明や、魔術資格を受験することが出来ます。")
                  .opens("gakko"),
              command("syuryo", "終了", 3120, 3600).hover("ヴォルナを終了します。").click(quit),

              heading("Label2", "体力", 120)
                  .hover("キャラクターの体力です。", "戦闘中この値が０になると戦闘不能状態になったと見なされます。"),
              value("hp", "100", 8880, 240),
              heading("Label6", "呼吸", 600)
                  .hover("キャラクターの肺活量です。", "戦闘中この値が少なくなると耐えることしかできなくなります。"),
              value("kokyu", "100", 8880, 720),
              heading("Label1", "筋力", 1200)
                  .hover("キャラクターの筋力です。", "直接攻撃によって敵に与えるダメージや呼吸消費量に関係しています。"),
              value("kin", "10", 9045, 1200),
              heading("Label3", "技", 1680)
                  .hover("キャラクターの直接攻撃の技術です。",
                         "直接攻撃の命中率や呼吸消費量、戦闘技術獲得量に関係しています。"),
              value("waza", "10", 9045, 1680),
              heading("Label4", "魔力", 2160)
                  .hover("キャラクターの魔術を扱う力です。", "魔術によって敵に与えるダメージや呼吸消費量に関係しています。"),
              value("maryoku", "10", 9045, 2160),
              heading("Label7", "感性", 2640)
                  .hover("キャラクターの魔術を自在に操る力です。",
                         "魔術の成功率や呼吸消費量、魔術知識獲得量に関係しています。"),
              value("kansei", "10", 9045, 2640),
              heading("Label8", "潜在能力", 3120)
                  .hover("キャラクターが持つ潜在的な力です", "戦闘行動各種の安定度、経験獲得量に関係しています。"),
              value("senzai", "10", 9045, 3120),
              heading("Label10", "所持金", 3720)
                  .hover("キャラクターの所持金です。", "装備品の開発や購入、魔術資格受験時に必要となります。"),
              value("kane", "0", 9285, 3840),
          })
          .frame("Line", 1, 240, 120, 5400, 4200);
  return def;
}

}  // namespace volna::hub
