// volna-script: plays the game without a display, one command a line on standard input.

#include <cstdlib>
#include <iostream>
#include <string>

#include "driver.h"

namespace {

int usage() {
  std::cerr << "usage: volna-script [--dir DIR] [--seed N] < commands.txt\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path dir = ".";
  std::optional<std::uint64_t> seed;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--dir" || arg == "--seed") && i + 1 < argc) {
      const std::string value = argv[++i];
      if (arg == "--dir") {
        dir = value;
      } else {
        char* end = nullptr;
        const unsigned long long n = std::strtoull(value.c_str(), &end, 10);
        if (value.empty() || *end != '\0' || value[0] == '-') return usage();
        seed = n;
      }
    } else {
      return usage();
    }
  }
  volna::script::Driver driver(dir, seed);
  std::string line;
  while (std::getline(std::cin, line)) {
    if (auto out = driver.run(line)) std::cout << *out << std::endl;
  }
  return 0;
}
