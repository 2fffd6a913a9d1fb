#pragma once

// volna-script's interpreter: one command in, one line out. See docs/driver.md.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/app.h"
#include "core/headless.h"
#include "core/random.h"

namespace volna::script {

class Driver {
 public:
  Driver(std::filesystem::path directory, std::optional<std::uint64_t> seed);

  // The answer to one input line, or nullopt for a blank line or a comment.
  std::optional<std::string> run(std::string_view line);

  App& app() { return app_; }
  HeadlessPlatform& platform() { return platform_; }
  ScriptedRandom& random() { return random_; }

 private:
  std::string action(std::string_view command, std::string_view rest);
  std::string query(std::string_view command, std::string_view rest);

  HeadlessPlatform platform_;
  ClockedRandom clocked_;
  ScriptedRandom random_;
  App app_;
};

// Backslash, CR and LF written as \\, \r and \n.
std::string escape(std::string_view text);
// The reverse, for the text argument of `type`.
std::string unescape(std::string_view text);

}  // namespace volna::script
