// save.dat: what 記憶封印 writes and つづきから reads back, and what neither may damage.

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <sys/resource.h>

#include "core/save.h"
#include "play.h"

namespace volna::testing {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

std::vector<std::string> splitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0, end;
  while ((end = bytes.find("\r\n", start)) != std::string::npos) {
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string out;
  for (const auto& l : lines) out += l + end;
  return out;
}

// Every saved field as the file keeps it: the caption, or the visibility of a flag.
std::vector<std::string> snapshot(Play& play) {
  std::vector<std::string> values;
  for (const auto& f : save::savedFields())
    values.push_back(play.text(f) + (play.field(f).visible() ? "|shown" : "|hidden"));
  return values;
}

void saveNewGame(const fs::path& dir) {
  Play play(dir);
  play.newGame();
  play.ok("click メイン.kioku");
  ASSERT_EQ(play.msgbox(), "information|封印完了|記録しました。");
}

// A continue that must be refused: the title stays and nothing was applied.
void expectRefused(const fs::path& dir, const std::string& reason) {
  Play play(dir);
  play.ok("drag title 111 222");
  play.ok("click title.continue");
  EXPECT_EQ(play.msgbox(), "information|確認|データを読み込みます。");
  EXPECT_EQ(play.msgbox(), "exclamation|読込失敗|データを読み込めませんでした。\\r\\n" + reason);
  EXPECT_EQ(play("shown"), "title");
  EXPECT_EQ(play("exists メイン"), "false");
  EXPECT_EQ(play("exists sutetasu"), "false");
  play.newGame();  // a new game remains possible
  EXPECT_EQ(play("caption メイン.kin"), "10");
}

TEST(Save, AGameWithProgressComesBackExactly) {
  TempDir dir;
  std::vector<std::string> before;
  {
    Play play(dir.path());
    play.newGame("　名前 with spaces, 日本語 ");
    const char* changes[][2] = {
        {"メイン.kin", "25.5"},      {"メイン.waza", "-3"},        {"メイン.kane", "123456"},
        {"kurasu.syouri(0)", "40000"}, {"kurasu.syouri(3)", "7"},   {"matihazure.syouri(4)", "20"},
        {"sikaku.siken(2)", "1"},    {"mahatu.bi", "0.25"},       {"bukai.tenkai", "9"},
        {"bokai.tenkai", "9"},       {"sukiru.kinreberu", "12"},  {"sukiru.kinsukiru", "普通の体"},
        {"sutetasu.ruigi", "1E+20"}, {"sutetasu.ebuki", "名刀　旋風"}, {"sutetasu.kougeki", "57"},
    };
    for (auto& [field, value] : changes) play.set(field, value);
    for (const char* flag : {"kurasu.nomaru", "kurasu.supesyaru", "matihazure.kobit", "buhenkou2.buki(0)",
                             "bohenkou4.buki(7)", "syutoku.dare", "masiyou.dare"})
      play.field(flag).setVisible(true);
    play.field("buhenkou1.buki(0)").setVisible(false);
    play.ok("click メイン.kioku");
    EXPECT_EQ(play.msgbox(), "information|封印完了|記録しました。");
    EXPECT_EQ(play("shown"), "メイン");
    before = snapshot(play);
  }
  ASSERT_EQ(before.size(), 149u);

  Play play(dir.path());
  play.ok("drag title 111 222");
  play.ok("click title.continue");
  EXPECT_EQ(play.msgbox(), "information|確認|データを読み込みます。");
  EXPECT_EQ(play.msgbox(), "none");
  EXPECT_EQ(play("shown"), "メイン");
  EXPECT_EQ(play("exists title"), "false");
  EXPECT_EQ(play("geometry メイン"), "111 222 9705 6585");
  EXPECT_EQ(play("running"), "true");
  EXPECT_EQ(snapshot(play), before);
}

TEST(Save, ASecondSaveReplacesTheFirstCompletely) {
  TempDir dir;
  saveNewGame(dir.path());
  Play play(dir.path());
  play.newGame("別の名前");
  play.ok("click メイン.kioku");
  const auto lines = splitLines(readFile(dir.path() / "save.dat"));
  ASSERT_EQ(lines.size(), 149u);
  EXPECT_EQ(lines[0], "\"\x95\xca\x82\xcc\x96\xbc\x91\x4f\"");  // 別の名前 in CP932
  for (const auto& entry : fs::directory_iterator(dir.path()))
    EXPECT_EQ(entry.path().filename(), "save.dat");  // no temporary file left behind
}

TEST(Save, EachCopyOfAMaterialOrSpellComesFromItsOwnLine) {
  TempDir dir;
  saveNewGame(dir.path());
  auto lines = splitLines(readFile(dir.path() / "save.dat"));
  lines[103] = "\"5\"";       // bukai.tetu
  lines[135] = "\"7\"";       // bokai.tetu
  lines[141] = "#TRUE#";      // masiyou.raddo, while syutoku.raddo stays hidden
  writeFile(dir.path() / "save.dat", joinLines(lines, "\n"));  // LF alone reads as well
  Play play(dir.path());
  play.ok("click title.continue");
  EXPECT_EQ(play("shown"), "メイン");
  EXPECT_EQ(play("caption bukai.tetu"), "5");
  EXPECT_EQ(play("caption bokai.tetu"), "7");
  EXPECT_EQ(play("visible masiyou.raddo"), "true");
  EXPECT_EQ(play("visible syutoku.raddo"), "false");
}

TEST(Save, CountersAreWholeNumbersOfAnySizeRestoredAsPlainText) {
  const struct {
    const char* line;
    const char* restored;
  } counters[] = {{"\"3\"", "3"}, {"\"40000\"", "40000"}, {"\" 007 \"", "7"}, {"\"-2\"", "-2"}};
  for (const auto& c : counters) {
    TempDir dir;
    saveNewGame(dir.path());
    auto lines = splitLines(readFile(dir.path() / "save.dat"));
    lines[73] = c.line;  // kurasu.syouri(0)
    writeFile(dir.path() / "save.dat", joinLines(lines));
    Play play(dir.path());
    play.ok("click title.continue");
    EXPECT_EQ(play("caption kurasu.syouri(0)"), c.restored) << c.line;
  }
}

TEST(Save, AFileThatCannotBeReadChangesNothing) {
  const struct {
    int line;  // 1-based line to replace; 0: the whole file is `bytes`
    std::string bytes;
    std::string reason;
  } damages[] = {
      {0, "", "行が足りません（0行しかありません）。"},
      {0, "\"テスト\"\r\n", "行が足りません（1行しかありません）。"},
      {1, "テスト", "1行目: \"\" で囲まれた文字列のはずです。"},
      {1, "\"a\"b\"", "1行目: \"\" で囲まれた文字列のはずです。"},
      {1, "\"\x82\x20\"", "1行目: 文字コードが正しくありません。"},
      {2, "\"abc\"", "2行目: 数値のはずです。"},
      {10, "#true#", "10行目: #TRUE# か #FALSE# のはずです。"},
      {11, "\"#TRUE#\"", "11行目: #TRUE# か #FALSE# のはずです。"},
      {74, "\"3.5\"", "74行目: 整数のはずです。"},
      {97, "\"x\"", "97行目: 整数のはずです。"},
  };
  for (const auto& d : damages) {
    TempDir dir;
    saveNewGame(dir.path());
    auto lines = splitLines(readFile(dir.path() / "save.dat"));
    if (d.line == 0) {
      writeFile(dir.path() / "save.dat", d.bytes);
    } else {
      lines[d.line - 1] = d.bytes;
      writeFile(dir.path() / "save.dat", joinLines(lines));
    }
    SCOPED_TRACE(d.reason);
    expectRefused(dir.path(), d.reason);
  }
  TempDir empty;
  expectRefused(empty.path(), "save.dat が見つかりません。");
}

// A save that fails leaves the previous file exactly as it was and no temporary file.
void expectSaveFails(Play& play, const fs::path& dir, const std::string& before) {
  play.ok("click メイン.kioku");
  const std::string box = play.msgbox();
  EXPECT_EQ(box.rfind("exclamation|封印失敗|記録できませんでした。\\r\\n", 0), 0u) << box;
  EXPECT_EQ(play.msgbox(), "none");
  EXPECT_EQ(readFile(dir / "save.dat"), before);
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++files;
  EXPECT_EQ(files, 1);
  EXPECT_EQ(play("shown"), "メイン");
}

TEST(Save, AFailedWriteLeavesTheOldFileIntact) {
  TempDir dir;
  saveNewGame(dir.path());
  const std::string before = readFile(dir.path() / "save.dat");
  Play play(dir.path());
  play.newGame("新しい");

  // The disk refuses the bytes: a file size limit below the size of a save.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  expectSaveFails(play, dir.path(), before);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  // A text the file could not hold is refused before anything is written.
  play.set("sutetasu.ebuki", "\"quoted\"");
  expectSaveFails(play, dir.path(), before);
}

TEST(Save, NothingCanBeSavedOverADirectory) {
  TempDir dir;
  fs::create_directory(dir.path() / "save.dat");
  writeFile(dir.path() / "save.dat" / "keep", "x");
  Play play(dir.path());
  play.newGame();
  play.ok("click メイン.kioku");
  const std::string box = play.msgbox();
  EXPECT_EQ(box.rfind("exclamation|封印失敗|記録できませんでした。\\r\\n", 0), 0u) << box;
  EXPECT_EQ(readFile(dir.path() / "save.dat" / "keep"), "x");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace volna::testing
