// The spell screen masiyou: a button for every learned spell. The buttons' visibility is
// the saved learned flags. Leaving by キャンセル keeps the player's turn; the help text stays
// when the pointer returns to the background.

#include "battle/battle.h"
#include "core/app.h"

namespace volna::battle {

using namespace ui;

const WindowDef& spellWindow() {
  static const WindowDef def =
      WindowDef("masiyou", "使用魔術選択")
          .add({
              Label("Label14", "習得魔術", 3840, 240, 2175, 375).size(14.25).centred(),
              Button("raddo", "ラッド", 1200, 840, 3135, 375).centred().hidden(),
              Button("gio", "ギオラッド", 5280, 840, 3135, 375).centred().hidden(),
              Button("daren", "ダレン", 1200, 1560, 3135, 375).centred().hidden(),
              Button("dare", "ダレッティーラ", 5280, 1560, 3135, 375).centred().hidden(),
              Button("bura", "ブラス", 1200, 2280, 3135, 375).centred().hidden(),
              Button("kathi", "カティール", 5280, 2280, 3135, 375).centred().hidden(),
              Button("pire", "ピレッド", 1200, 3000, 3135, 375).centred().hidden(),
              Button("fosyu", "フォッシュ", 5280, 3000, 3135, 375).centred().hidden(),
              Button("kyanseru", "キャンセル", 7440, 3720, 1695, 375)
                  .centred()
                  .hover("魔術を使うのをやめます。")
                  .backTo("sento"),
          })
          .frame("Line", 5, 960, 720, 8640, 3540);
  return def;
}

}  // namespace volna::battle
