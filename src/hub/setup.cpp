// The name setup window 設定: the player names the character.

#include "core/app.h"
#include "core/cp932.h"
#include "hub/hub.h"

namespace volna::hub {

using namespace ui;

namespace {

// The save file keeps the name between unescaped double quotes, one line, in CP932; a name
// that cannot be written that way could never be read back.
bool savable(const std::string& name) {
  return name.find_first_of("\"\r\n") == std::string::npos && cp932RoundTrips(name);
}

void finish(App& app, Window& setup, Control&) {
  const std::string name = setup.control("namae").text;
  if (name.empty()) {
    app.message(Icon::Exclamation, "設定不足", "名前が入力されていません。");
    return;
  }
  if (!savable(name)) {
    app.message(Icon::Exclamation, "設定不足", "名前に使えない文字が含まれています。");
    return;
  }
  app.field("sutetasu.namae").setText(name);
  app.close(setup);  // no close handler; the program goes on because メイン opens next
  app.show(app.window("メイン"));
}

}  // namespace

const WindowDef& setupWindow() {
  static const WindowDef def =
      WindowDef("設定", "設定",
                "設定する項目の上にマウスポインタを移動している間、そ\r\n"
                "の項目の説明が表示されます｡\r\n"
                "設定が終わったら右の完了をクリックしてください。\r\n")
          .closeBoxOnlyCloses()
          .background("設定する項目の上にマウスポインタを移動している間、その項目の説明が表示されます｡ ",
                      "設定が終わったら右の完了をクリックしてください。")
          .add({
              Label("Label1", "プレイヤーの名前を決めてください。", 945, 240, 6975, 495).size(21.75),
              Label("Label2", "名前", 960, 1440, 975, 495)
                  .size(21.75)
                  .hover("プレイヤーの名前を設定します。", "途中で変更することが可能です。"),
              TextBox("namae", 2280, 1440, 2895, 495).size(21.75),
              Button("kanryo", "設定完了", 6600, 3240, 2055, 495)
                  .size(21.75)
                  .centred()
                  .hover("入力が完了したらここをクリックしてください。")
                  .click(finish),
          })
          .frame("Line", 5, 6360, 3000, 8880, 3960);
  return def;
}

}  // namespace volna::hub
