#pragma once

#include "core/ui/table.h"

namespace volna::opponents {

const ui::WindowDef& arenaWindow();      // kurasu
const ui::WindowDef& outskirtsWindow();  // matihazure

}  // namespace volna::opponents
