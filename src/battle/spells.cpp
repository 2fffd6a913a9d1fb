// The spell screen masiyou: a button for every learned spell. The buttons' visibility is
// the saved learned flags.

#include "battle/battle.h"
#include "core/app.h"

namespace volna::battle {

using namespace ui;

const WindowDef& spellWindow() {
  static const WindowDef def = WindowDef("masiyou", "使用魔術選択").add({
      Label("Label14", "習得魔術", 3840, 240, 2175, 375),
      Button("raddo", "ラッド", 1200, 840, 3135, 375).hidden(),
      Button("gio", "ギオラッド", 5280, 840, 3135, 375).hidden(),
      Button("daren", "ダレン", 1200, 1560, 3135, 375).hidden(),
      Button("dare", "ダレッティーラ", 5280, 1560, 3135, 375).hidden(),
      Button("bura", "ブラス", 1200, 2280, 3135, 375).hidden(),
      Button("kathi", "カティール", 5280, 2280, 3135, 375).hidden(),
      Button("pire", "ピレッド", 1200, 3000, 3135, 375).hidden(),
      Button("fosyu", "フォッシュ", 5280, 3000, 3135, 375).hidden(),
  });
  return def;
}

}  // namespace volna::battle
