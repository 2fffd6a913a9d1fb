#pragma once

// A game played through the driver's interpreter: the same commands as volna-script, plus
// direct access to the state for setting up a situation and checking the result.

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "driver.h"

namespace volna::testing {

// A fresh, empty directory under the system's temporary directory, removed afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

class Play {
 public:
  // Plays in a directory of its own, so a save never touches anything else.
  Play() : driver_(dir_.path(), 1) {}
  explicit Play(const std::filesystem::path& dir) : driver_(dir, 1) {}

  // The driver's answer to one command.
  std::string operator()(std::string_view command) { return driver_.run(command).value_or(""); }
  // A command that must be carried out.
  void ok(std::string_view command) { EXPECT_EQ((*this)(command), "ok") << command; }

  Field field(std::string_view path) { return driver_.app().field(path); }
  std::string text(std::string_view path) { return field(path).text(); }
  void set(std::string_view path, std::string_view text) { field(path).setText(text); }
  void draws(std::initializer_list<double> rs) {
    for (double r : rs) random().push(r);
  }
  // Takes the oldest message box as "icon|title|text", or "none".
  std::string msgbox() { return (*this)("msgbox"); }

  // From the title to the main screen with a new character.
  void newGame(std::string_view name = "テスト") {
    ok("click title.newgame");
    ok("type 設定.namae " + std::string(name));
    ok("click 設定.kanryo");
  }

  App& app() { return driver_.app(); }
  HeadlessPlatform& platform() { return driver_.platform(); }
  ScriptedRandom& random() { return driver_.random(); }

 private:
  TempDir dir_;
  script::Driver driver_;
};

}  // namespace volna::testing
