// save.dat: 149 lines of CP932 text, CR LF after each, in one fixed order. The writer and the
// reader share the layout below. A save is written to a temporary file and renamed over the
// old one, so a failed save never damages the previous game; a load checks every line before
// it changes anything.

#include "core/save.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/app.h"
#include "core/cp932.h"
#include "core/numbers.h"

namespace volna::save {

namespace {

enum class Kind {
  Text,     // a caption kept as it is (names, titles)
  Number,   // a caption that holds a number
  Counter,  // a whole number, restored as plain decimal text
  Flag,     // whether the label is shown
};

struct Entry {
  std::string field;
  Kind kind;
};

const std::vector<Entry>& layout() {
  static const std::vector<Entry> entries = [] {
    std::vector<Entry> e;
    auto add = [&](const std::string& window, std::initializer_list<const char*> controls, Kind kind) {
      for (const char* c : controls) e.push_back({window + "." + c, kind});
    };
    auto array = [&](const std::string& window, const char* control, int count, Kind kind) {
      for (int i = 0; i < count; ++i)
        e.push_back({window + "." + control + "(" + std::to_string(i) + ")", kind});
    };
    add("sutetasu", {"namae"}, Kind::Text);
    add("メイン", {"kin", "hp", "kokyu", "waza", "maryoku", "kansei", "senzai", "kane"}, Kind::Number);
    // Owned equipment, page by page; the armour of each slot before the weapon of the same slot.
    for (int page = 1; page <= 4; ++page)
      for (int slot = 0; slot < 8; ++slot)
        for (const char* kind : {"bohenkou", "buhenkou"})
          e.push_back({kind + std::to_string(page) + ".buki(" + std::to_string(slot) + ")", Kind::Flag});
    array("kurasu", "syouri", 4, Kind::Counter);
    add("kurasu", {"bigina", "nomaru", "ekisupato", "ekusutora", "supesyaru"}, Kind::Flag);
    array("matihazure", "syouri", 5, Kind::Counter);
    add("matihazure", {"doukutu", "kouzan", "jikken", "tika", "tenkai", "kobit"}, Kind::Flag);
    array("sikaku", "siken", 4, Kind::Counter);
    add("mahatu", {"ao", "doku", "mizu", "ha", "inseki", "bi"}, Kind::Number);
    add("bukai", {"tetu", "koutetu", "katai", "ayasii", "hikaru", "tenkai"}, Kind::Number);
    add("syutoku", {"raddo", "daren", "dare", "gio", "kathi", "pire", "bura", "fosyu"}, Kind::Flag);
    for (const char* t : {"kin", "waza", "ma", "kan"}) {
      e.push_back({std::string("sukiru.") + t + "hitugi", Kind::Number});
      e.push_back({std::string("sukiru.") + t + "reberu", Kind::Number});
      e.push_back({std::string("sukiru.") + t + "sukiru", Kind::Text});
    }
    add("sutetasu", {"ruigi", "ruiti"}, Kind::Number);
    add("sutetasu", {"ebougu", "ebuki"}, Kind::Text);
    add("sutetasu", {"bougyo", "kougeki"}, Kind::Number);
    add("bokai", {"tetu", "koutetu", "katai", "ayasii", "hikaru", "tenkai"}, Kind::Number);
    add("masiyou", {"raddo", "daren", "dare", "gio", "kathi", "pire", "bura", "fosyu"}, Kind::Flag);
    return e;
  }();
  return entries;
}

std::filesystem::path savePath(App& app) { return app.platform().programDirectory() / "save.dat"; }

std::string lineError(std::size_t line, const std::string& why) {
  return std::to_string(line) + "行目: " + why;
}

// The whole file as it would be written, or the reason it cannot be.
std::optional<std::string> encode(App& app, std::string& why) {
  std::string out;
  std::size_t line = 0;
  for (const Entry& e : layout()) {
    ++line;
    const Field f = app.field(e.field);
    if (e.kind == Kind::Flag) {
      out += f.visible() ? "#TRUE#" : "#FALSE#";
    } else {
      const std::string text = f.text();
      const auto bytes = toCp932(text);
      if (!bytes || text.find_first_of("\"\r\n") != std::string::npos) {
        why = lineError(line, e.field + " に記録できない文字があります。");
        return std::nullopt;
      }
      out += '"' + *bytes + '"';
    }
    out += "\r\n";
  }
  return out;
}

std::string systemError(const char* what) { return std::string(what) + "（" + std::strerror(errno) + "）"; }

// Writes the bytes next to the target, flushes them to disk and renames them over it.
bool replaceFile(const std::filesystem::path& target, const std::string& bytes, std::string& why) {
  std::string temp = (target.parent_path() / (target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    why = systemError("一時ファイルを作成できません");
    return false;
  }
  (void)::fchmod(fd, 0644);  // mkstemp's 0600 would hide the save from the player's other tools
  bool ok = true;
  std::size_t written = 0;
  while (ok && written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      why = systemError("書き込めません");
      ok = false;
    } else {
      written += static_cast<std::size_t>(n);
    }
  }
  if (ok && ::fsync(fd) != 0) {
    why = systemError("ディスクに書き出せません");
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    why = systemError("ファイルを閉じられません");
    ok = false;
  }
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    why = systemError("save.dat を置き換えられません");
    ok = false;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // The rename itself reaches the disk with the directory.
  const int dir = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

struct Value {
  std::string text;
  bool shown = false;
};

// Every value of the file, or the reason (with its line) why the file cannot be used.
std::optional<std::vector<Value>> decode(const std::string& bytes, std::string& why) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size() && lines.size() < layout().size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  if (lines.size() < layout().size()) {
    why = "行が足りません（" + std::to_string(lines.size()) + "行しかありません）。";
    return std::nullopt;
  }

  std::vector<Value> values;
  for (std::size_t i = 0; i < layout().size(); ++i) {
    const Entry& e = layout()[i];
    const std::string& raw = lines[i];
    const std::size_t line = i + 1;
    if (e.kind == Kind::Flag) {
      if (raw != "#TRUE#" && raw != "#FALSE#") {
        why = lineError(line, "#TRUE# か #FALSE# のはずです。");
        return std::nullopt;
      }
      values.push_back({"", raw == "#TRUE#"});
      continue;
    }
    if (raw.size() < 2 || raw.front() != '"' || raw.back() != '"' ||
        raw.find('"', 1) != raw.size() - 1) {
      why = lineError(line, "\"\" で囲まれた文字列のはずです。");
      return std::nullopt;
    }
    const auto text = fromCp932(raw.substr(1, raw.size() - 2));
    if (!text) {
      why = lineError(line, "文字コードが正しくありません。");
      return std::nullopt;
    }
    if (e.kind == Kind::Counter) {
      const auto n = strictNumber(*text);
      if (!n || *n != std::floor(*n)) {
        why = lineError(line, "整数のはずです。");
        return std::nullopt;
      }
      values.push_back({plainText(*n)});
    } else {
      if (e.kind == Kind::Number && !strictNumber(*text)) {
        why = lineError(line, "数値のはずです。");
        return std::nullopt;
      }
      values.push_back({*text});
    }
  }
  return values;
}

}  // namespace

std::vector<std::string> savedFields() {
  std::vector<std::string> fields;
  for (const Entry& e : layout()) fields.push_back(e.field);
  return fields;
}

void saveGame(App& app) {
  std::string why;
  const auto bytes = encode(app, why);
  if (!bytes || !replaceFile(savePath(app), *bytes, why)) {
    app.message(Icon::Exclamation, "封印失敗", "記録できませんでした。\r\n" + why);
    return;
  }
  app.message(Icon::Information, "封印完了", "記録しました。");
}

void continueGame(App& app, ui::Window& title) {
  app.message(Icon::Information, "確認", "データを読み込みます。");
  std::string why;
  std::optional<std::vector<Value>> values;
  std::error_code ec;
  const auto path = savePath(app);
  std::ifstream in(path, std::ios::binary);
  if (!std::filesystem::is_regular_file(path, ec)) {
    why = "save.dat が見つかりません。";
  } else if (!in) {
    why = "save.dat を開けません。";
  } else {
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    if (in.bad())
      why = "save.dat を読めません。";
    else
      values = decode(bytes, why);
  }
  if (!values) {
    app.message(Icon::Exclamation, "読込失敗", "データを読み込めませんでした。\r\n" + why);
    return;
  }

  for (std::size_t i = 0; i < layout().size(); ++i) {
    const Field f = app.field(layout()[i].field);
    if (layout()[i].kind == Kind::Flag)
      f.setVisible((*values)[i].shown);
    else
      f.setText((*values)[i].text);
  }
  ui::Window& main = app.window("メイン");
  app.placeLike(main, title);
  app.show(main);
  app.close(title);  // no close handler: the shutdown sequence does not run
}

}  // namespace volna::save
