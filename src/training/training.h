#pragma once

#include "core/ui/table.h"

namespace volna::training {

const ui::WindowDef& trainingWindow();  // sukiru

}  // namespace volna::training
