#include "core/cp932.h"

#include <cerrno>
#include <iconv.h>

namespace volna {

namespace {

std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  std::string input(in);
  char* src = input.data();
  std::size_t srcLeft = input.size();
  char buf[256];
  bool ok = true;
  while (srcLeft > 0) {
    char* dst = buf;
    std::size_t dstLeft = sizeof buf;
    const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buf, dst);
    if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
      ok = false;
      break;
    }
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

}  // namespace

std::optional<std::string> toCp932(std::string_view utf8) { return convert("CP932", "UTF-8", utf8); }

std::optional<std::string> fromCp932(std::string_view bytes) {
  return convert("UTF-8", "CP932", bytes);
}

bool cp932RoundTrips(std::string_view utf8) {
  auto encoded = toCp932(utf8);
  if (!encoded) return false;
  auto back = fromCp932(*encoded);
  return back && *back == utf8;
}

}  // namespace volna
