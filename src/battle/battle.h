#pragma once

#include "core/ui/table.h"

namespace volna::battle {

const ui::WindowDef& battleWindow();  // sento
const ui::WindowDef& spiritWindow();  // tukau
const ui::WindowDef& spellWindow();   // masiyou
const ui::WindowDef& resultWindow();  // kekka

}  // namespace volna::battle
