#pragma once

// The save file is CP932 text; the game's own strings are UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace volna {

// nullopt when the text holds a character CP932 cannot encode (or is not valid UTF-8).
std::optional<std::string> toCp932(std::string_view utf8);
// nullopt when the bytes are not valid CP932.
std::optional<std::string> fromCp932(std::string_view bytes);
// Whether the text survives a trip through CP932 unchanged.
bool cp932RoundTrips(std::string_view utf8);

}  // namespace volna
