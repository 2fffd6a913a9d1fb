// The detailed status screen sutetasu: name, points, equipment and money. Several of its
// labels are saved fields themselves; the screen only shows them.

#include "core/app.h"
#include "hub/hub.h"

namespace volna::hub {

using namespace ui;

namespace {

// The money shown here is a copy of the main screen's.
void activated(App& app, Window&) { app.field("sutetasu.kane").setText(app.field("メイン.kane").text()); }

}  // namespace

const WindowDef& statusWindow() {
  static const WindowDef def =
      WindowDef("sutetasu", "詳細ステータス")
          .activated(activated)
          .background("設定する項目の上にマウスポインタを移動している間、その項目の説明が表示されます｡",
                      "戦闘特技、魔術及び取得した魔術資格は習得技術をクリックすることで見ることが出来ます。 ",
                      "能力値確認が終わったら左下の戻るをクリックしてください｡ ")
          .add({
              Label("Label2", "名前", 480, 360, 735, 375).hover("キャラクターの名前です。"),
              Label("namae", "", 1440, 360, 3255, 375),
              Label("Label10", "戦闘技術", 480, 1080, 1935, 375)
                  .hover("現在獲得している戦闘技術です。", "戦闘に勝つと獲得することが出来ます。",
                         "戦闘特技を身につける時必要になります。"),
              Label("ruigi", "0", 1200, 1560, 3735, 375)
                  .hover("現在獲得している戦闘技術です。", "戦闘に勝つと獲得することが出来ます。",
                         "戦闘特技を身につける時必要になります。"),
              Label("Label9", "魔術知識", 480, 2160, 1935, 375)
                  .hover("現在獲得している魔術知識です。", "戦闘に勝つと獲得することが出来ます。",
                         "魔術発明や魔術資格取得に必要です。"),
              Label("ruiti", "0", 1200, 2640, 3735, 375)
                  .hover("現在獲得している魔術知識です。", "戦闘に勝つと獲得することが出来ます。",
                         "魔術発明や魔術資格取得に必要です。"),
              Label("Label13", "装備武器", 5400, 240, 1455, 375),
              Label("ebuki", "木刀", 5280, 720, 4095, 375)
                  .hover("現在装備している武器の名前です。", "武器屋で開発、変更できます。"),
              Label("Label4", "攻撃力", 5400, 1320, 1455, 375),
              Label("kougeki", "16", 7080, 1320, 2415, 375).hover("装備している武器の攻撃力です。"),
              Label("Label14", "装備防具", 5400, 1920, 1455, 375),
              Label("ebougu", "普通の服", 5280, 2400, 4095, 375)
                  .hover("現在装備している防具の名前です。", "防具屋で開発、変更できます。"),
              Label("Label3", "防御力", 5400, 3000, 1455, 375),
              Label("bougyo", "13", 7080, 3000, 2415, 375),
              Label("Label1", "所持金", 5760, 3720, 1335, 375)
                  .hover("キャラクターの所持金です。", "装備品の開発や購入、魔術資格受験時に必要となります。"),
              Label("kane", "0", 9285, 3840, 165, 315).grows(),
              Button("modoru", "戻る", 600, 3600, 1455, 375).centred().hover("メイン画面に戻ります。").backTo("メイン"),
              Button("gizyutu", "魔術・特技", 2640, 3600, 2295, 375)
                  .centred()
                  .hover("習得した戦闘特技のレベル、魔術を見ることが出来ます。")
                  .opens("syutoku"),
          })
          .frame("Line", 1, 120, 3360, 5280, 4200);
  return def;
}

}  // namespace volna::hub
