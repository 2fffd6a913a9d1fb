#pragma once

// The one save slot: save.dat in the program's directory.

#include <string>
#include <vector>

namespace volna {
class App;
namespace ui {
class Window;
}
}  // namespace volna

namespace volna::save {

// The saved fields in file order, one a line.
std::vector<std::string> savedFields();

// 記憶封印: writes every saved field and reports with a message box.
void saveGame(App& app);
// つづきから: reads every saved field, applies them and opens the main screen in the title
// window's place.
void continueGame(App& app, ui::Window& title);

}  // namespace volna::save
