// The invention screen mahatu. Holds the six magic material counts.

#include "core/app.h"
#include "school/school.h"

namespace volna::school {

using namespace ui;

namespace {

void refreshKnowledge(App& app, Window& w) { w.control("tisiki").text = app.field("sutetasu.ruiti").text(); }

}  // namespace

const WindowDef& inventionWindow() {
  static const WindowDef def =
      WindowDef("mahatu", "魔術発明")
          .activated(refreshKnowledge)
          .add({
              Label("jyuken", "使う材料と知識の量を決めてください。", 480, 120, 8655, 375).size(14.25),
              Label("Label4", "材料名", 480, 600, 1815, 375),
              Label("Label5", "所持数", 2400, 600, 975, 375),
              Label("Label6", "使う数", 3480, 600, 1095, 375),
              Label("Label8", "材料名", 5040, 600, 1815, 375),
              Label("Label9", "所持数", 6960, 600, 975, 375),
              Label("Label10", "使う数", 8040, 600, 1095, 375),
              Label("Label14", "青い液体", 480, 1080, 1815, 375),
              Label("ao", "0", 2400, 1080, 975, 375),
              TextBox("tukauao", 3480, 1080, 1095, 375),
              Label("Label12", "毒草", 480, 1680, 1815, 375),
              Label("doku", "0", 2400, 1680, 975, 375),
              TextBox("tukaudoku", 3480, 1680, 1095, 375),
              Label("Label1", "隕石のかけら", 480, 2280, 1815, 375),
              Label("inseki", "0", 2400, 2280, 975, 375),
              TextBox("tukauinseki", 3480, 2280, 1095, 375),
              Label("kabek16", "天然水", 5040, 1080, 1815, 375),
              Label("mizu", "0", 6960, 1080, 975, 375),
              TextBox("tukaumizu", 8040, 1080, 1095, 375),
              Label("label", "大樹の葉", 5040, 1680, 1815, 375),
              Label("ha", "0", 6960, 1680, 975, 375),
              TextBox("tukauha", 8040, 1680, 1095, 375),
              Label("Label7", "謎の微生物", 5040, 2280, 1815, 375),
              Label("bi", "0", 6960, 2280, 975, 375),
              TextBox("tukaubi", 8040, 2280, 1095, 375),
              Label("Label3", "現在の知識量", 480, 3000, 2175, 375),
              Label("tisiki", "0", 480, 3480, 2175, 375),
              Label("Label2", "使う知識量", 3000, 3000, 2175, 375),
              TextBox("tukautisiki", 3000, 3480, 2175, 375),
              Button("kyanseru", "戻る", 6720, 3600, 2175, 375).centred().hover("魔術学校に戻ります。").backTo("gakko"),
          });
  return def;
}

}  // namespace volna::school
