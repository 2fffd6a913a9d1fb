// The arena kurasu: five classes of fighters; bout counters open the next class.

#include "core/app.h"
#include "opponents/opponents.h"

namespace volna::opponents {

using namespace ui;

const WindowDef& arenaWindow() {
  static const WindowDef def =
      WindowDef("kurasu", "闘技場")
          .add({
              Button("bigina", "ビギナークラス", 4800, 360, 4215, 375).centred(),
              Button("nomaru", "ノーマルクラス", 4800, 1080, 4215, 375).centred().hidden(),
              Button("ekisupato", "エキスパートクラス", 4800, 1800, 4215, 375).centred().hidden(),
              Button("ekusutora", "エクストラクラス", 4800, 2520, 4215, 375).centred().hidden(),
              Button("supesyaru", "スペシャルクラス", 4800, 3240, 4215, 375).centred().hidden(),
              Label("syouri", "0", 120, 120, 255, 255).at(0).hidden(),
              Label("syouri", "0", 420, 120, 255, 255).at(1).hidden(),
              Label("syouri", "0", 720, 120, 255, 255).at(2).hidden(),
              Label("syouri", "0", 1020, 120, 255, 255).at(3).hidden(),
              Button("syosai", "ステータス確認", 600, 1440, 3255, 375).centred().opens("sutetasu"),
              Button("modoru", "戻る", 600, 2520, 3255, 375).centred().backTo("メイン"),
          });
  return def;
}

}  // namespace volna::opponents
