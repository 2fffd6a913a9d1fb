#include "driver.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "screens.h"

namespace volna::script {

using ui::Control;
using ui::Kind;
using ui::Window;

namespace {

// Reported as "error: ..." with nothing changed.
struct Refusal : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::pair<std::string_view, std::string_view> firstWord(std::string_view s) {
  const auto space = s.find(' ');
  if (space == std::string_view::npos) return {s, {}};
  return {s.substr(0, space), s.substr(space + 1)};
}

struct Name {
  std::string window;
  std::string control;  // empty: the window itself
  int index = -1;
};

Name parseName(std::string_view text) {
  Name n;
  const auto dot = text.find('.');
  n.window = std::string(text.substr(0, dot));
  if (dot == std::string_view::npos) return n;
  std::string_view c = text.substr(dot + 1);
  if (!c.empty() && c.back() == ')') {
    const auto open = c.find('(');
    if (open == std::string_view::npos) throw Refusal("bad name: " + std::string(text));
    const std::string_view digits = c.substr(open + 1, c.size() - open - 2);
    auto [p, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n.index);
    if (ec != std::errc() || p != digits.data() + digits.size() || n.index < 0 || digits.empty())
      throw Refusal("bad index: " + std::string(text));
    c = c.substr(0, open);
  }
  if (c.empty()) throw Refusal("bad name: " + std::string(text));
  n.control = std::string(c);
  return n;
}

std::string hex(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (unsigned char b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

std::string colour(ui::Color c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.r, c.g, c.b);
  return buf;
}

const char* kindName(Kind k) {
  switch (k) {
    case Kind::Label: return "a label";
    case Kind::TextBox: return "a text box";
    case Kind::List: return "a list";
    case Kind::Line: return "a line";
  }
  return "a control";
}

}  // namespace

std::string escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += "\\\\";
    else if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

std::string unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char next = text[i + 1];
      if (next == 'r' || next == 'n' || next == '\\') {
        out += next == 'r' ? '\r' : next == 'n' ? '\n' : '\\';
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

Driver::Driver(std::filesystem::path directory, std::optional<std::uint64_t> seed)
    : platform_(std::move(directory), seed),
      clocked_([this] { return platform_.clock(); }),
      random_(clocked_),
      app_(platform_, random_, allWindows(), shutdownOrder()) {
  app_.start();
}

std::optional<std::string> Driver::run(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.empty() || line.front() == '#') return std::nullopt;
  const auto [command, rest] = firstWord(line);
  static const std::vector<std::string_view> actions = {"click", "move", "type",  "choose",
                                                        "close", "drag", "rng"};
  static const std::vector<std::string_view> queries = {
      "caption", "visible", "enabled", "color", "items", "shown",
      "exists",  "active",  "geometry", "msgbox", "running", "file"};
  try {
    for (auto a : actions)
      if (command == a) return action(command, rest);
    for (auto q : queries)
      if (command == q) return query(command, rest);
    return "error: unknown command: " + std::string(command);
  } catch (const Refusal& e) {
    return std::string("error: ") + e.what();
  } catch (const std::exception& e) {
    return std::string("error: ") + e.what();
  }
}

std::string Driver::action(std::string_view command, std::string_view rest) {
  if (!app_.running()) throw Refusal("the program has ended");

  if (command == "rng") {
    std::vector<double> draws;
    std::string_view r = rest;
    while (!r.empty()) {
      auto [word, tail] = firstWord(r);
      r = tail;
      const auto v = strictNumber(word);
      if (!v || *v < 0 || *v >= 1) throw Refusal("not a draw in [0, 1): " + std::string(word));
      draws.push_back(*v);
    }
    if (draws.empty()) throw Refusal("rng needs at least one draw");
    for (double d : draws) random_.push(d);
    return "ok";
  }

  auto [target, argument] = firstWord(rest);
  if (target.empty()) throw Refusal(std::string(command) + " needs a window");
  const Name name = parseName(target);
  if (!app_.knows(name.window)) throw Refusal("unknown window: " + name.window);
  Window* w = app_.existing(name.window);
  if (!w || !w->shown) throw Refusal("window not shown: " + name.window);

  if (command == "close" || command == "drag") {
    if (!name.control.empty()) throw Refusal(std::string(command) + " takes a window, not a control");
    if (command == "close") {
      if (!argument.empty()) throw Refusal("close takes only a window");
      app_.closeBox(*w);
      return "ok";
    }
    auto [leftText, topText] = firstWord(argument);
    const auto left = strictNumber(leftText);
    const auto top = strictNumber(topText);
    if (!left || !top || *left != static_cast<int>(*left) || *top != static_cast<int>(*top))
      throw Refusal("drag needs LEFT and TOP in whole twips");
    app_.moveWindow(*w, static_cast<int>(*left), static_cast<int>(*top));
    return "ok";
  }

  if ((command == "click" || command == "move") && name.control.empty()) {
    if (!argument.empty()) throw Refusal(std::string(command) + " takes only a name");
    if (command == "click")
      app_.clickOn(*w, nullptr);
    else
      app_.moveOver(*w, nullptr);
    return "ok";
  }
  if (name.control.empty()) throw Refusal(std::string(command) + " needs a control");
  Control* c = w->find(name.control, name.index);
  if (!c) throw Refusal("unknown control: " + std::string(target));
  if (!c->visible) throw Refusal("control hidden: " + std::string(target));
  if (!c->enabled) throw Refusal("control disabled: " + std::string(target));

  if (command == "click") {
    if (!argument.empty()) throw Refusal("click takes only a name");
    if (c->kind() != Kind::Label) throw Refusal(std::string(target) + " is " + kindName(c->kind()) + ", not a label");
    app_.clickOn(*w, c);
  } else if (command == "move") {
    if (!argument.empty()) throw Refusal("move takes only a name");
    if (c->kind() == Kind::Line) throw Refusal(std::string(target) + " is a line");
    app_.moveOver(*w, c);
  } else if (command == "type") {
    if (c->kind() != Kind::TextBox) throw Refusal(std::string(target) + " is " + kindName(c->kind()) + ", not a text box");
    app_.editText(*w, *c, unescape(argument));
  } else {  // choose
    if (c->kind() != Kind::List) throw Refusal(std::string(target) + " is " + kindName(c->kind()) + ", not a list");
    std::size_t i = 0;
    while (i < c->items.size() && c->items[i] != argument) ++i;
    if (i == c->items.size()) throw Refusal("no such item: " + std::string(argument));
    app_.chooseItem(*w, *c, i);
  }
  return "ok";
}

std::string Driver::query(std::string_view command, std::string_view rest) {
  if (command == "shown" || command == "active" || command == "msgbox" || command == "running" ||
      command == "file") {
    if (!rest.empty()) throw Refusal(std::string(command) + " takes no argument");
    if (command == "running") return app_.running() ? "true" : "false";
    if (command == "active") return app_.active() ? app_.active()->name() : "";
    if (command == "shown") {
      std::string out;
      for (Window* w : app_.windows())
        if (w->shown) {
          if (!out.empty()) out += ' ';
          out += w->name();
        }
      return out;
    }
    if (command == "msgbox") {
      auto& boxes = platform_.boxes();
      if (boxes.empty()) return "none";
      const RecordedBox b = boxes.front();
      boxes.pop_front();
      return std::string(b.icon == Icon::Information ? "information" : "exclamation") + "|" +
             escape(b.title) + "|" + escape(b.text);
    }
    std::ifstream in(platform_.programDirectory() / "save.dat", std::ios::binary);
    if (!in) return "none";
    return hex(std::string(std::istreambuf_iterator<char>(in), {}));
  }

  if (rest.empty() || rest.find(' ') != std::string_view::npos)
    throw Refusal(std::string(command) + " takes one name");
  const Name name = parseName(rest);
  if (!app_.knows(name.window)) throw Refusal("unknown window: " + name.window);
  if (command == "exists") {
    if (!name.control.empty()) throw Refusal("exists takes a window");
    return app_.existing(name.window) ? "true" : "false";
  }
  // Every other query touches the window, which only a running game can do.
  if (!app_.running()) throw Refusal("the program has ended");
  if (name.control.empty()) {
    Window& w = app_.window(name.window);
    if (command == "caption") return escape(w.caption());
    if (command == "geometry") {
      const ui::Rect& g = w.geometry;
      return std::to_string(g.left) + " " + std::to_string(g.top) + " " + std::to_string(g.width) +
             " " + std::to_string(g.height);
    }
    throw Refusal(std::string(command) + " needs a control");
  }
  if (command == "geometry") throw Refusal("geometry takes a window");
  Window& w = app_.window(name.window);
  Control* c = w.find(name.control, name.index);
  if (!c) throw Refusal("unknown control: " + std::string(rest));
  if (command == "caption") {
    if (c->kind() == Kind::Line) throw Refusal(std::string(rest) + " is a line");
    return escape(c->text);
  }
  if (command == "visible") return c->visible ? "true" : "false";
  if (command == "enabled") return c->enabled ? "true" : "false";
  if (command == "color") return colour(c->back);
  // items
  if (c->kind() != Kind::List) throw Refusal(std::string(rest) + " is " + kindName(c->kind()) + ", not a list");
  std::string out;
  for (std::size_t i = 0; i < c->items.size(); ++i) {
    if (i) out += '|';
    out += escape(c->items[i]);
  }
  return out;
}

}  // namespace volna::script
