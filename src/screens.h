#pragma once

#include <string>
#include <vector>

#include "core/ui/table.h"

namespace volna {

// The tables of all 31 windows of the game.
const std::vector<const ui::WindowDef*>& allWindows();

// The order in which the shutdown sequence closes the game's windows. The title window is
// not in it: while it is open it is the only window.
std::vector<std::string> shutdownOrder();

}  // namespace volna
