#pragma once

#include "core/ui/table.h"

namespace volna::school {

const ui::WindowDef& schoolWindow();        // gakko
const ui::WindowDef& examWindow();          // sikaku
const ui::WindowDef& inventionWindow();     // mahatu
const ui::WindowDef& licenceListWindow(int licence);  // 0 nikourisuto .. 3 tokusyurisuto

}  // namespace volna::school
