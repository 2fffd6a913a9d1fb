#pragma once

#include "core/ui/table.h"

namespace volna::equipment {

const ui::WindowDef& weaponShopWindow();            // bukiya
const ui::WindowDef& armourShopWindow();            // boguya
const ui::WindowDef& weaponPageWindow(int page);    // buhenkou1 .. buhenkou4
const ui::WindowDef& armourPageWindow(int page);    // bohenkou1 .. bohenkou4
const ui::WindowDef& weaponDevelopmentWindow();     // bukai
const ui::WindowDef& armourDevelopmentWindow();     // bokai

}  // namespace volna::equipment
