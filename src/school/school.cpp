// The magic school gakko: invention, licence exams, back.

#include "core/app.h"
#include "school/school.h"

namespace volna::school {

using namespace ui;

const WindowDef& schoolWindow() {
  static const WindowDef def =
      WindowDef("gakko", "魔術学校")
          .add({
              Button("hatumei", "魔術発明する", 2730, 1200, 4230, 375)
                  .centred()
                  .hover("各種素材と知識を駆使して新たな魔術を発明します。")
                  .opens("mahatu"),
              Button("jyuken", "魔術資格試験を受験する", 2760, 2160, 4095, 375)
                  .centred()
                  .hover("魔術資格を得ることで、魔術を発明するヒントを得ます。", "知識と受験料が必要です。")
                  .opens("sikaku"),
              Button("kyanseru", "戻る", 2760, 3120, 4095, 375).centred().hover("メイン画面に戻ります。").backTo("メイン"),
          })
          .frame("Line", 1, 2280, 840, 7440, 3840);
  return def;
}

}  // namespace volna::school
