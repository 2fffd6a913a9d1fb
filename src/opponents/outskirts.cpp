// The outskirts matihazure: six places with monsters; visit counters open the next place.

#include "core/app.h"
#include "opponents/opponents.h"

namespace volna::opponents {

using namespace ui;

const WindowDef& outskirtsWindow() {
  static const WindowDef def =
      WindowDef("matihazure", "街外れ")
          .add({
              Button("doukutu", "暗い洞窟", 4560, 360, 3615, 375).centred(),
              Button("kouzan", "閉ざされた鉱山", 4560, 1080, 3615, 375).centred().hidden(),
              Button("jikken", "狂気の実験室", 4560, 1800, 3615, 375).centred().hidden(),
              Button("tika", "地下大空洞", 4560, 2520, 3615, 375).centred().hidden(),
              Button("tenkai", "天界への扉", 4560, 3240, 3615, 375).centred().hidden(),
              Button("kobit", "こびっとの館", 8520, 360, 615, 3255).centred().hidden(),
              Label("syouri", "0", 120, 120, 255, 255).at(0).hidden(),
              Label("syouri", "0", 420, 120, 255, 255).at(1).hidden(),
              Label("syouri", "0", 720, 120, 255, 255).at(2).hidden(),
              Label("syouri", "0", 1020, 120, 255, 255).at(3).hidden(),
              Label("syouri", "0", 1320, 120, 255, 255).at(4).hidden(),
              Button("syosai", "ステータス確認", 600, 1440, 3255, 375)
                  .centred()
                  .hover("キャラクタの詳細ステータスを見ることが出来ます。")
                  .opens("sutetasu"),
              Button("modoru", "戻る", 600, 2520, 3255, 375).centred().hover("メイン画面に戻ります。").backTo("メイン"),
          });
  return def;
}

}  // namespace volna::opponents
