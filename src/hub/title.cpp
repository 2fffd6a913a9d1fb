// The title window: the only window at start; a new game or the saved one.

#include "core/app.h"
#include "core/save.h"
#include "hub/hub.h"

namespace volna::hub {

using namespace ui;

namespace {

void newGame(App& app, Window& title, Control&) {
  Window& setup = app.window("設定");
  app.placeLike(setup, title);
  app.show(setup);
  app.close(title);  // no close handler: the shutdown sequence does not run
}

void continueGame(App& app, Window& title, Control&) { save::continueGame(app, title); }

}  // namespace

const WindowDef& titleWindow() {
  static const WindowDef def =
      WindowDef("title", "タイトル画面")
          .centred()
          .closeBoxOnlyCloses()
          .background("ゲーム開始方法を選択してください。")
          .add({
              Label("togijyo", "ヴォルナ", 2400, 360, 5055, 1455).family(kBrush).size(72).centred(),
              Button("newgame", "はじめから", 3600, 2640, 2655, 375)
                  .centred()
                  .hover("データをロードせずにゲームを開始します。",
                         "データは１つしか作れませんのでご注意ください。")
                  .click(newGame),
              Button("continue", "つづきから", 3600, 3360, 2655, 375)
                  .centred()
                  .hover("前回の続きからゲームを開始します。")
                  .click(continueGame),
          })
          .frame("Line", 1, 3360, 2280, 6480, 4080);
  return def;
}

}  // namespace volna::hub
