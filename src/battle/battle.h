#pragma once

#include "core/ui/table.h"

namespace volna::battle {

const ui::WindowDef& battleWindow();  // sento
const ui::WindowDef& spiritWindow();  // tukau
const ui::WindowDef& spellWindow();   // masiyou
const ui::WindowDef& resultWindow();  // kekka

// The four commands of the battle screen, enabled exactly while the player may act.
void setCommandsEnabled(App& app, bool enabled);
// Every command that is carried out hands the turn to the opponent: the turn flag goes to
// "0" and the commands wait for the next background click.
void endTurn(App& app);

}  // namespace volna::battle
