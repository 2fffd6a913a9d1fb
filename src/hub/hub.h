#pragma once

#include "core/ui/table.h"

namespace volna::hub {

const ui::WindowDef& titleWindow();      // title
const ui::WindowDef& setupWindow();      // 設定
const ui::WindowDef& mainWindow();       // メイン
const ui::WindowDef& statusWindow();     // sutetasu
const ui::WindowDef& techniquesWindow(); // syutoku

}  // namespace volna::hub
