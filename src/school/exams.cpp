// The licence exam screen sikaku. siken(i) holds "1" once licence i is passed.

#include "core/app.h"
#include "school/school.h"

namespace volna::school {

using namespace ui;

const WindowDef& examWindow() {
  static const WindowDef def =
      WindowDef("sikaku", "魔術資格試験")
          .add({
              Label("label1", "合格に必要な知識", 5160, 120, 2535, 375),
              Label("Label2", "受験料", 7800, 120, 1455, 375),
              Label("siken", "0", 6120, 3600, 255, 255).at(0).hidden(),
              Label("siken", "0", 6840, 3600, 255, 255).at(1).hidden(),
              Label("siken", "0", 7560, 3600, 255, 255).at(2).hidden(),
              Label("siken", "0", 8280, 3600, 255, 255).at(3).hidden(),
              Button("kyanseru", "戻る", 720, 3480, 4095, 375).centred().backTo("gakko"),
          })
          .frame("Line", 1, 480, 360, 5040, 4080);
  return def;
}

}  // namespace volna::school
