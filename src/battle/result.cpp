// The result screen kekka: the gains of the last victory, and the distribution of the
// experience over the seven abilities. Discarded after every accepted distribution.

#include <array>
#include <cmath>

#include "battle/battle.h"
#include "core/app.h"

namespace volna::battle {

using namespace ui;

namespace {

// Each ability row: the value label (a copy of the same-named one on メイン) and its box.
struct Row {
  const char* ability;
  const char* box;
};
constexpr std::array<Row, 7> kRows = {{
    {"hp", "puratai"},
    {"kokyu", "purakokyu"},
    {"kin", "purakin"},
    {"waza", "purawaza"},
    {"maryoku", "purama"},
    {"kansei", "purakan"},
    {"senzai", "purasen"},
}};

void activated(App& app, Window& kekka) {
  for (const Row& r : kRows) kekka.control(r.ability).text = app.field("メイン", r.ability).text();
}

// Experience goes one for one onto the abilities, and only as a whole: the amounts must add
// up exactly to what was gained. Negative and fractional amounts are fine.
void complete(App& app, Window& kekka, Control&) {
  std::array<double, kRows.size()> amount{};
  for (std::size_t i = 0; i < kRows.size(); ++i)
    amount[i] = leadingNumber(kekka.control(kRows[i].box).text);
  const auto& [tai, kokyu, kin, waza, ma, kan, sen] = amount;
  const double sum = kokyu + kin + waza + ma + kan + sen + tai;

  std::array<double, kRows.size()> raised{};
  bool finite = std::isfinite(sum);
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    raised[i] = app.field("メイン", kRows[i].ability).number() + amount[i];
    finite = finite && std::isfinite(raised[i]);
  }
  // Amounts too large for any number would leave an ability that can never be written back.
  if (!finite || leadingNumber(kekka.control("keiken").text) != sum) {
    app.setHelp(kekka, "経験が正しく振り分けられていません。");
    return;
  }

  for (std::size_t i = 0; i < kRows.size(); ++i)
    app.field("メイン", kRows[i].ability).setNumber(raised[i]);
  const Field technique = app.field("sutetasu.ruigi");
  technique.setNumber(technique.number() + leadingNumber(kekka.control("gizyutu").text));
  const Field knowledge = app.field("sutetasu.ruiti");
  knowledge.setNumber(knowledge.number() + leadingNumber(kekka.control("tisiki").text));
  app.field("sento.hp").setText(app.field("メイン.hp").text());
  app.field("sento.kokyu").setText(app.field("メイン.kokyu").text());

  app.show(app.window("メイン"));
  app.close(kekka);
}

ControlDef gainHeading(std::string_view name, std::string_view caption, int top) {
  return Label(name, caption, 480, top, 2535, 375).size(14.25);
}

ControlDef gain(std::string_view name, int top) {
  return Label(name, "0", 480, top, 2535, 375).size(14.25);
}

// One ability row on the right half: name, current value, "＋", the amount to add.
std::vector<ControlDef> row(std::string_view heading, std::string_view caption,
                            std::string_view value, std::string_view initial,
                            std::string_view plus, std::string_view box, int top) {
  std::vector<ControlDef> rows;
  rows.push_back(Label(heading, caption, 3480, top, 1695, 375).size(14.25));
  rows.push_back(Label(value, initial, 5280, top, 1455, 375).size(14.25));
  rows.push_back(Label(plus, "＋", 6840, top, 375, 375).size(14.25));
  rows.push_back(TextBox(box, 7320, top, 1815, 375));
  return rows;
}

}  // namespace

const WindowDef& resultWindow() {
  static const WindowDef def =
      WindowDef("kekka", "戦闘結果")
          .activated(activated)
          .background("獲得経験を各能力値に振り分けてください。")
          .add({
              gainHeading("Label3", "獲得経験", 360).hover("獲得した経験を能力に振り分けることが出来ます。"),
              gain("keiken", 840),
              gainHeading("label1", "獲得戦闘技術", 1440)
                  .hover("獲得した戦闘技術です。", "戦闘特技を習得するのに必要です。"),
              gain("gizyutu", 1920),
              gainHeading("Label2", "獲得魔術知識", 2520)
                  .hover("獲得した魔術知識です。", "魔術発明、魔術資格取得に必要です。"),
              gain("tisiki", 3000),
          })
          .add(row("Label4", "体力", "hp", "100", "Label12", "puratai", 240))
          .add(row("Label6", "呼吸", "kokyu", "100", "Label13", "purakokyu", 720))
          .add(row("Label5", "筋力", "kin", "10", "Label14", "purakin", 1200))
          .add(row("Label7", "技", "waza", "10", "Label15", "purawaza", 1680))
          .add(row("Label8", "魔力", "maryoku", "10", "Label16", "purama", 2160))
          .add(row("Label9", "感性", "kansei", "10", "Label17", "purakan", 2640))
          .add(row("Label10", "潜在能力", "senzai", "10", "Label18", "purasen", 3120))
          .add({
              Label("Label11", "戦利品", 480, 3720, 1095, 375).size(14.25),
              Label("senri", "謎の微生物　１００　天界の石　１００", 1680, 3720, 5535, 375)
                  .size(14.25)
                  .hover("今回の戦闘に勝利して獲得した物です。"),
              Button("kanryo", "完了", 7560, 3720, 1575, 375).centred().click(complete),
          })
          .frame("Line", 5, 7440, 3600, 9255, 4200);
  return def;
}

}  // namespace volna::battle
