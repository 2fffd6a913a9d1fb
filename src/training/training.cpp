// The training ground sukiru: technique titles, levels and the points the next training
// needs, all saved fields.

#include "core/app.h"
#include "training/training.h"

namespace volna::training {

using namespace ui;

namespace {

void refreshPoints(App& app, Window& w) { w.control("ruigi").text = app.field("sutetasu.ruigi").text(); }

struct Technique {
  const char* title;
  const char* needed;
  const char* level;
  const char* start;
};

}  // namespace

const WindowDef& trainingWindow() {
  static const WindowDef def = [] {
    const Technique techniques[] = {{"kinsukiru", "kinhitugi", "kinreberu", "虚弱体質"},
                                    {"wazasukiru", "wazahitugi", "wazareberu", "未熟な剣技"},
                                    {"masukiru", "mahitugi", "mareberu", "無知の人"},
                                    {"kansukiru", "kanhitugi", "kanreberu", "鈍感"}};
    std::vector<ControlDef> rows = {
        Label("label1", "必要な技術", 4320, 240, 1935, 375),
        Label("Label2", "技術レベル", 6600, 240, 1935, 375),
    };
    int top = 720;
    for (const auto& t : techniques) {
      rows.push_back(Button(t.title, t.start, 480, top, 3495, 375).centred());
      rows.push_back(Label(t.needed, "100", 4320, top, 1935, 375));
      rows.push_back(Label(t.level, "1", 6600, top, 1935, 375));
      top += 600;
    }
    rows.push_back(Label("Label10", "残り戦闘技術", 4320, 3480, 2175, 375));
    rows.push_back(Label("ruigi", "0", 6600, 3480, 2655, 375));
    rows.push_back(Button("kyanseru", "戻る", 480, 3480, 2055, 375).centred().hover("メイン画面に戻ります。").backTo("メイン"));
    return WindowDef("sukiru", "訓練場").activated(refreshPoints).add(std::move(rows)).frame("Line", 1, 240, 600, 4080, 3120);
  }();
  return def;
}

}  // namespace volna::training
