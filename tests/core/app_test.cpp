// The windowing mechanics on a small set of windows of their own, where each handler writes
// what it saw into a log.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app.h"
#include "core/headless.h"

namespace volna {
namespace {

using namespace ui;

std::vector<std::string> journal;

void note(App& app, Window& w) {
  std::string shown;
  for (Window* other : app.windows())
    if (other->shown) shown += " " + other->name();
  journal.push_back("activate " + w.name() + " with" + shown);
}

const WindowDef& mainDef() {
  static const WindowDef def = WindowDef("メイン", "main")
                                   .centred()
                                   .activated(note)
                                   .background("back to main")
                                   .add({
                                       Button("go", "go", 0, 0, 1000, 300).hover("to a").opens("a"),
                                       Button("other", "other", 0, 600, 1000, 300).hover("other"),
                                       Button("quit", "quit", 0, 1200, 1000, 300)
                                           .click([](App& app, Window&, Control&) { app.shutdown(); }),
                                   });
  return def;
}

const WindowDef& aDef() {
  static const WindowDef def =
      WindowDef("a", "a")
          .activated(note)
          .backgroundClicked([](App&, Window&) { journal.push_back("background"); })
          .add({
              Button("back", "back", 0, 0, 1000, 300).hover("to main").backTo("メイン"),
              Button("b", "b", 0, 600, 1000, 300).opens("b"),
              Label("label", "label", 2000, 0, 1000, 300)
                  .click([](App&, Window&, Control&) { journal.push_back("label"); }),
              Label("under", "under", 2000, 0, 1000, 300)
                  .click([](App&, Window&, Control&) { journal.push_back("under"); }),
              TextBox("box", 4000, 0, 1000, 300),
              Line("line", 6000, 0, 7000, 300),
          });
  return def;
}

const WindowDef& bDef() {
  static const WindowDef def = WindowDef("b", "b").activated(note).add({
      Button("back", "back", 0, 0, 1000, 300).backTo("a"),
      Button("discard", "discard", 0, 600, 1000, 300).click([](App& app, Window& w, Control&) {
        app.show(app.window("メイン"));
        app.close(w);
      }),
  });
  return def;
}

const WindowDef& titleDef() {
  static const WindowDef def = WindowDef("title", "title").centred().closeBoxOnlyCloses().add({
      Button("start", "start", 0, 0, 1000, 300).click([](App& app, Window& title, Control&) {
        app.close(title);  // the program must survive the moment with no window
        app.show(app.window("メイン"));
      }),
  });
  return def;
}

struct Mechanics : ::testing::Test {
  HeadlessPlatform platform;
  ClockedRandom clocked{[] { return std::uint64_t{7}; }};
  App app{platform, clocked, {&titleDef(), &mainDef(), &aDef(), &bDef()}, {"メイン", "b", "a"}};

  void SetUp() override {
    journal.clear();
    app.start();
    app.clickOn(app.window("title"), app.window("title").find("start"));
  }
  Window& w(const char* name) { return app.window(name); }
  void clickOn(const char* window, const char* control) {
    app.clickOn(w(window), w(window).find(control));
  }
};

TEST_F(Mechanics, WindowsAreCreatedOnFirstTouchAndActivatedWhenShown) {
  EXPECT_TRUE(app.running());
  EXPECT_EQ(app.existing("title"), nullptr);
  EXPECT_EQ(app.existing("a"), nullptr);
  EXPECT_EQ(journal, (std::vector<std::string>{"activate メイン with メイン"}));
  w("a");  // touched, not shown
  ASSERT_NE(app.existing("a"), nullptr);
  EXPECT_FALSE(app.existing("a")->shown);
}

TEST_F(Mechanics, ASwitchShowsTheNewWindowBeforeHidingTheOldAtTheMainScreensPlace) {
  app.moveWindow(w("メイン"), 1000, 2000);
  clickOn("メイン", "go");
  EXPECT_EQ(journal.back(), "activate a with メイン a");
  EXPECT_FALSE(w("メイン").shown);
  EXPECT_EQ(w("a").geometry.left, 1000);
  EXPECT_EQ(w("a").geometry.top, 2000);

  app.moveWindow(w("a"), 50, 60);
  clickOn("a", "b");  // the main screen's place, not a's
  EXPECT_EQ(w("b").geometry.left, 1000);
  EXPECT_EQ(w("b").geometry.top, 2000);

  app.moveWindow(w("b"), 70, 80);
  clickOn("b", "back");  // a return keeps a where it was hidden
  EXPECT_EQ(journal.back(), "activate a with a b");
  EXPECT_EQ(w("a").geometry.left, 50);
  EXPECT_FALSE(w("b").shown);
  EXPECT_EQ(app.active(), &w("a"));
}

TEST_F(Mechanics, HighlightsStayUntilThePointerReachesTheBackground) {
  Window& m = w("メイン");
  app.moveOver(m, m.find("go"));
  app.moveOver(m, m.find("other"));
  EXPECT_EQ(m.find("go")->back, kHighlight);
  EXPECT_EQ(m.find("other")->back, kHighlight);
  EXPECT_EQ(m.find("help")->text, "other");
  app.moveOver(m, nullptr);
  EXPECT_EQ(m.find("go")->back, kBlack);
  EXPECT_EQ(m.find("other")->back, kBlack);
  EXPECT_EQ(m.find("help")->text, "back to main");
}

TEST_F(Mechanics, AScreenWithoutDefaultHelpKeepsTheLastText) {
  clickOn("メイン", "go");
  Window& a = w("a");
  app.moveOver(a, a.find("back"));
  app.moveOver(a, nullptr);
  EXPECT_EQ(a.find("help")->text, "to main");
  EXPECT_EQ(a.find("back")->back, kBlack);
}

TEST_F(Mechanics, PointsFindTheTopmostEnabledLabelElseTheBackground) {
  clickOn("メイン", "go");
  Window& a = w("a");
  app.click(a, {2500, 100});
  EXPECT_EQ(journal.back(), "under");  // declared later, lies on top
  a.find("under")->enabled = false;
  app.click(a, {2500, 100});
  EXPECT_EQ(journal.back(), "label");
  a.find("label")->visible = false;
  app.click(a, {2500, 100});
  EXPECT_EQ(journal.back(), "background");
  journal.clear();
  app.click(a, {4500, 100});  // the text box takes the click
  app.click(a, {6500, 100});  // a line lets it through
  EXPECT_EQ(journal, (std::vector<std::string>{"background"}));
}

TEST_F(Mechanics, TheProgramEndsOnlyWhenNoWindowIsLeftAfterAnEvent) {
  clickOn("メイン", "go");
  clickOn("a", "b");
  clickOn("b", "discard");  // b goes away, メイン is shown again
  EXPECT_TRUE(app.running());
  EXPECT_EQ(app.existing("b"), nullptr);
  EXPECT_EQ(journal.back(), "activate メイン with メイン b");

  clickOn("メイン", "quit");
  EXPECT_FALSE(app.running());
  EXPECT_TRUE(app.windows().empty());
  clickOn("メイン", "go");  // touches a new window, but the ended program does nothing
  EXPECT_FALSE(app.running());
}

TEST_F(Mechanics, TheCloseBoxOfAGameWindowClosesEverything) {
  clickOn("メイン", "go");
  w("b");
  app.closeBox(w("a"));
  EXPECT_FALSE(app.running());
}

TEST(Start, TheTitleAloneEndsTheProgramWithItsCloseBox) {
  HeadlessPlatform platform;
  ClockedRandom clocked{[] { return std::uint64_t{7}; }};
  App app{platform, clocked, {&titleDef(), &mainDef()}, {"メイン"}};
  app.start();
  Window& title = app.window("title");
  EXPECT_TRUE(title.shown);
  const Rect screen = platform.screen();
  EXPECT_EQ(title.geometry.left, (screen.width - kClientWidth) / 2);
  EXPECT_EQ(title.geometry.top, (screen.height - kClientHeight) / 2);
  app.closeBox(title);
  EXPECT_FALSE(app.running());
}

}  // namespace
}  // namespace volna
