// The weapon shop bukiya and the armour shop boguya: development, the change pages, back.

#include "core/app.h"
#include "equipment/equipment.h"

namespace volna::equipment {

using namespace ui;

const WindowDef& weaponShopWindow() {
  static const WindowDef def =
      WindowDef("bukiya", "武器屋")
          .add({
              Button("bukikaihatu", "武器を開発してもらう", 2640, 960, 4455, 375)
                  .centred()
                  .hover("手に入れた素材とお金を使って新たな武器を開発します。")
                  .opens("bukai"),
              Button("bukihenkou", "武器を変更する", 2640, 1920, 4455, 375)
                  .centred()
                  .hover("現在装備している武器を変更します。")
                  .opens("buhenkou1"),
              Button("kyanseru", "戻る", 2640, 2880, 4455, 375).centred().hover("メイン画面に戻ります。").backTo("メイン"),
          })
          .frame("Line", 1, 2280, 600, 7440, 3600);
  return def;
}

const WindowDef& armourShopWindow() {
  static const WindowDef def =
      WindowDef("boguya", "防具屋")
          .add({
              Button("bukikaihatu", "防具を開発してもらう", 2640, 960, 4455, 375)
                  .centred()
                  .hover("手に入れた素材とお金を使って新たな防具を開発します。")
                  .opens("bokai"),
              Button("bukihenkou", "防具を変更する", 2640, 1920, 4455, 375)
                  .centred()
                  .hover("現在装備している防具を変更します。")
                  .opens("bohenkou1"),
              Button("kyanseru", "戻る", 2640, 2880, 4455, 375).centred().hover("メイン画面に戻ります。").backTo("メイン"),
          })
          .frame("Line", 1, 2280, 600, 7440, 3600);
  return def;
}

}  // namespace volna::equipment
