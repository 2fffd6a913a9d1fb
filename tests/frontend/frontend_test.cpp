// The desktop front-end with real Qt events: pointer moves, clicks, typing, list choices,
// window moves and close boxes must reach the model, and the windows must show what the
// model holds, pixel for pixel where it matters.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "core/app.h"
#include "core/random.h"
#include "frontend/qt/desktop.h"
#include "frontend/qt/fonts.h"
#include "frontend/qt/platform.h"
#include "screens.h"

namespace volna::qt {
namespace {

using namespace ui;

// A running game on the desktop, with the real windows or a set of its own.
struct Game {
  QtPlatform platform;
  ClockedRandom random{[this] { return platform.clock(); }};
  App app;
  Desktop desktop;
  bool ended = false;

  explicit Game(const std::vector<const WindowDef*>& windows = allWindows(),
                std::vector<std::string> order = shutdownOrder())
      : app(platform, random, windows, std::move(order)), desktop(app, platform) {
    desktop.onEnded([this] { ended = true; });
    app.start();
    desktop.sync();
  }

  WindowWidget& widget(const char* name) {
    WindowWidget* w = desktop.widget(name);
    if (!w) throw std::runtime_error(std::string("no Qt window for ") + name);
    return *w;
  }
  const ControlDef& def(const char* window, const char* control) {
    return *app.window(window).def().find(control);
  }
  // The middle of a control, in the window's pixels.
  QPoint middle(const char* window, const char* control) {
    const Rect r = def(window, control).rect;
    return {int(std::lround((r.left + r.width / 2.0) / 15)),
            int(std::lround((r.top + r.height / 2.0) / 15))};
  }
  void move(const char* window, QPoint at) { QTest::mouseMove(&widget(window), at); }
  void move(const char* window, const char* control) { move(window, middle(window, control)); }
  void click(const char* window, QPoint at) {
    QTest::mouseClick(&widget(window), Qt::LeftButton, {}, at);
  }
  void click(const char* window, const char* control) { click(window, middle(window, control)); }
  std::string text(const char* path) { return app.field(path).text(); }

  void newGame(const QString& name) {
    click("title", "newgame");
    type(widget("設定").child("namae"), name);
    click("設定", "kanryo");
  }
  // Japanese text arrives from the input method as a committed string.
  static void type(QWidget* box, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
  }
};

// A place on every window where nothing is declared (left of the help box, below the rest).
const QPoint kEmpty(8, 430);

// Whole pixels a twip rectangle touches, clipped to the client area.
QRect touched(const QRectF& r) {
  const QRect p(QPoint(int(std::floor(r.left())), int(std::floor(r.top()))),
                QPoint(int(std::ceil(r.right())) - 1, int(std::ceil(r.bottom())) - 1));
  return p.intersected(QRect(0, 0, 647, 439));
}
QRect touched(const Rect& r) {
  return touched(QRectF(r.left / 15.0, r.top / 15.0, r.width / 15.0, r.height / 15.0));
}

int count(const QImage& image, const QRect& area, QRgb colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      n += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
  return n;
}

const QRgb kWhitePixel = qRgb(255, 255, 255);
const QRgb kGreyPixel = qRgb(190, 190, 190);
const QRgb kBlackPixel = qRgb(0, 0, 0);

TEST(Fonts, TheTablesFontsAreDrawnWithTheirStandIns) {
  EXPECT_EQ(QFontInfo(fontFor({std::string(kGothic), 18})).family(), kGothicStandIn);
  EXPECT_EQ(QFontInfo(fontFor({std::string(kBrush), 72})).family(), kBrushStandIn);
  EXPECT_EQ(fontFor({std::string(kGothic), 21.75}).pixelSize(), 29);  // 21.75 pt = 435 twips
}

// Each screen as the player reaches it: its labels where its table puts them, white text,
// the frame, and black everywhere nothing is declared; then a highlighted button.
struct Screen {
  const char* id;  // for the test's name
  const char* window;
  const char* button;  // hovered: light grey, and its help in the help box
};

void PrintTo(const Screen& s, std::ostream* os) { *os << s.id; }

class Screens : public ::testing::TestWithParam<Screen> {};

TEST_P(Screens, RenderTheirTablesAndHighlightUnderThePointer) {
  const Screen screen = GetParam();
  Game game;
  if (std::string(screen.window) != "title") game.click("title", "newgame");
  if (std::string(screen.window) == "メイン") {
    Game::type(game.widget("設定").child("namae"), "勇者");
    game.click("設定", "kanryo");
  }
  ASSERT_EQ(game.app.active(), &game.app.window(screen.window));
  WindowWidget& widget = game.widget(screen.window);
  ASSERT_TRUE(widget.isVisible());
  EXPECT_EQ(widget.windowTitle().toStdString(), game.app.window(screen.window).caption());
  EXPECT_EQ(widget.size(), QSize(647, 439));

  const QImage image = widget.grab().toImage();
  QImage declared(image.size(), QImage::Format_Mono);
  declared.fill(0);
  auto mark = [&](const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) declared.setPixel(x, y, 1);
  };
  for (const Control& c : game.app.window(screen.window).controls()) {
    const ControlDef& d = *c.def;
    if (d.kind == Kind::Line) {
      const QRect line =
          QRect(QPoint(std::min(d.rect.left, d.endX) / 15, std::min(d.rect.top, d.endY) / 15),
                QPoint(std::max(d.rect.left, d.endX) / 15, std::max(d.rect.top, d.endY) / 15));
      EXPECT_GT(count(image, line, kWhitePixel), 0) << d.name;
      mark(line.adjusted(-2, -2, 2, 2).intersected(image.rect()));
    } else if (d.kind == Kind::Label) {
      Rect r = d.rect;
      if (d.autoSize) r.width = kClientWidth - r.left;
      const QRect area = touched(r);
      if (c.visible && !c.text.empty()) {
        EXPECT_GT(count(image, area, kWhitePixel), 3) << d.name;
      }
      mark(area);
    } else {
      mark(touched(d.rect).adjusted(-1, -1, 1, 1).intersected(image.rect()));
    }
  }
  int stray = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!declared.pixelIndex(x, y) && (image.pixel(x, y) & 0xffffff) != (kBlackPixel & 0xffffff))
        ++stray;
  EXPECT_EQ(stray, 0) << "pixels drawn where nothing is declared";

  game.move(screen.window, screen.button);
  const QImage lit = widget.grab().toImage();
  const QRect button = touched(game.def(screen.window, screen.button).rect).adjusted(1, 1, -1, -1);
  EXPECT_GT(count(lit, button, kGreyPixel), button.width() * button.height() / 2);
  EXPECT_EQ(widget.cursor().shape(), Qt::PointingHandCursor);
  const std::string help = game.app.window(screen.window).control("help").text;
  EXPECT_FALSE(help.empty());
  auto* box = static_cast<QPlainTextEdit*>(widget.child("help"));
  EXPECT_EQ(box->toPlainText(), displayText(help));
}

INSTANTIATE_TEST_SUITE_P(Desktop, Screens,
                         ::testing::Values(Screen{"title", "title", "newgame"},
                                           Screen{"setup", "設定", "kanryo"},
                                           Screen{"main", "メイン", "togijyo"}),
                         [](const auto& info) { return std::string(info.param.id); });

TEST(Title, TheBrushWordIsWhole) {
  // The stand-in brush font is wider than the one the title was laid out for; all four
  // characters must still stand on one line inside the label.
  Game game;
  const QImage image = game.widget("title").grab().toImage();
  const QRect label = touched(game.def("title", "togijyo").rect);
  int first = label.right(), last = label.left();
  for (int x = label.left(); x <= label.right(); ++x)
    if (count(image, QRect(x, label.top(), 1, label.height()), kWhitePixel) > 0) {
      first = std::min(first, x);
      last = std::max(last, x);
    }
  EXPECT_GT(last - first, label.width() * 4 / 5);  // wrapped, it spans less than 3/4
}

TEST(MainScreen, GrowingMoneyStaysInsideTheWindow) {
  Game game;
  game.newGame("テスト");
  game.app.field("メイン.kane").setText("1234567");
  game.desktop.sync();
  const QImage image = game.widget("メイン").grab().toImage();
  const QRect row = touched(game.def("メイン", "kane").rect);
  // The digits move left of the label's own start instead of running out of the window.
  EXPECT_GT(count(image, QRect(row.left() - 60, row.top(), 60, row.height()), kWhitePixel), 0);
}

TEST(Pointer, HoverHighlightsAndTheBackgroundClearsAgain) {
  Game game;
  game.move("title", "newgame");
  EXPECT_EQ(game.app.window("title").control("newgame").back, kHighlight);
  EXPECT_EQ(
      game.text("title.help"),
      "データをロードせずにゲームを開始します。\r\nデータは１つしか作れませんのでご注意ください。");
  game.move("title", kEmpty);
  EXPECT_EQ(game.app.window("title").control("newgame").back, kBlack);
  EXPECT_EQ(game.text("title.help"), "ゲーム開始方法を選択してください。");
  EXPECT_EQ(game.widget("title").cursor().shape(), Qt::ArrowCursor);
  const QImage image = game.widget("title").grab().toImage();
  const QRect button = touched(game.def("title", "newgame").rect);
  EXPECT_LT(count(image, button, kGreyPixel), button.width() * button.height() / 20);
}

// --- a window set of the tests' own, to reach every kind of control ---

std::vector<std::string> journal;

void note(const char* what) { journal.push_back(what); }

const WindowDef& testTitle() {
  static const WindowDef def =
      WindowDef("title", "試験")
          .centred()
          .closeBoxOnlyCloses()
          .backgroundClicked([](App&, Window&) { note("background"); })
          .add({
              Button("on", "on", 150, 150, 1500, 300).click([](App&, Window&, Control&) {
                note("on");
              }),
              Button("off", "off", 150, 600, 1500, 300)
                  .disabled()
                  .click([](App&, Window&, Control&) { note("off"); }),
              Button("gone", "gone", 150, 1050, 1500, 300)
                  .hidden()
                  .click([](App&, Window&, Control&) { note("gone"); }),
              Button("info", "info", 2250, 150, 1500, 300).click([](App& app, Window& w, Control&) {
                w.control("entry").text = "前";
                app.message(Icon::Information, "お知らせ", "一行目\r\n二行目");
                w.control("entry").text = "後";
              }),
              Button("warn", "warn", 2250, 600, 1500, 300).click([](App& app, Window& w, Control&) {
                w.control("entry").text = "前";
                app.message(Icon::Exclamation, "注意", "<b>だめ</b>");
                w.control("entry").text = "後";
              }),
              Button("renew", "renew", 2250, 1050, 1500, 300)
                  .click([](App& app, Window&, Control&) {
                    if (Window* b = app.existing("b")) app.close(*b);  // discarded and rebuilt
                    app.show(app.window("b"));
                  }),
              TextBox("entry", 4500, 150, 1500, 300).hover("箱"),
              List("pick", 4500, 600, 1500, 300),
          });
  return def;
}

const WindowDef& testB() {
  static const WindowDef def = WindowDef("b", "b");
  return def;
}

struct Own : ::testing::Test {
  Game game{{&testTitle(), &testB()}, {"b"}};
  void SetUp() override { journal.clear(); }
};

TEST_F(Own, ClicksReachTheTopmostEnabledLabelElseTheBackground) {
  const struct {
    const char* control;
    const char* reached;
  } cases[] = {{"on", "on"}, {"off", "background"}, {"gone", "background"}};
  for (const auto& c : cases) {
    journal.clear();
    game.click("title", c.control);
    EXPECT_EQ(journal, std::vector<std::string>{c.reached}) << c.control;
  }
  // Pressed on a label and released elsewhere is no click.
  journal.clear();
  QTest::mousePress(&game.widget("title"), Qt::LeftButton, {}, game.middle("title", "on"));
  QTest::mouseRelease(&game.widget("title"), Qt::LeftButton, {}, kEmpty);
  EXPECT_TRUE(journal.empty());
}

TEST_F(Own, MessageBoxesShowTheSyncedStateAndTheHandlerGoesOnAfterOk) {
  const struct {
    const char* button;
    QMessageBox::Icon icon;
    const char* title;
    const char* text;
  } cases[] = {{"info", QMessageBox::Information, "お知らせ", "一行目\n二行目"},
               {"warn", QMessageBox::Warning, "注意", "<b>だめ</b>"}};
  for (const auto& c : cases) {
    struct Seen {
      QMessageBox::Icon icon{};
      QString title, text, entry;
      Qt::TextFormat format{};
      int buttons = 0;
    } seen;
    bool answered = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || answered) return;
      answered = true;
      seen = {
          box->icon(),       box->windowTitle(),
          box->text(),       static_cast<QLineEdit*>(game.widget("title").child("entry"))->text(),
          box->textFormat(), int(box->buttons().size())};
      box->button(QMessageBox::Ok)->click();
    });
    poll.start(10);
    game.click("title", c.button);
    poll.stop();
    ASSERT_TRUE(answered) << c.button;
    EXPECT_EQ(seen.icon, c.icon);
    EXPECT_EQ(seen.title, QString::fromUtf8(c.title));
    EXPECT_EQ(seen.text, QString::fromUtf8(c.text));
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_EQ(seen.entry, "前");  // on screen while the box waits
    EXPECT_EQ(static_cast<QLineEdit*>(game.widget("title").child("entry"))->text(), "後");
  }
}

TEST_F(Own, TextBoxesAndTheListAreBoundBothWays) {
  auto* entry = static_cast<QLineEdit*>(game.widget("title").child("entry"));
  QTest::mouseMove(entry, QPoint(5, 5));  // the box's own pointer moves reach the model too
  EXPECT_EQ(game.text("title.help"), "箱");
  // Composing with an input method changes nothing until the text is committed.
  QInputMethodEvent compose("ゆうしゃ", {});
  QApplication::sendEvent(entry, &compose);
  EXPECT_EQ(game.text("title.entry"), "");
  QInputMethodEvent commit;
  commit.setCommitString("勇者");
  QApplication::sendEvent(entry, &commit);
  EXPECT_EQ(game.text("title.entry"), "勇者");
  QTest::keyClicks(entry, "ab");
  EXPECT_EQ(game.text("title.entry"), "勇者ab");

  Control& pick = game.app.window("title").control("pick");
  pick.items = {"1", "2", "3"};
  pick.text = "2";
  game.desktop.sync();
  auto* list = static_cast<QComboBox*>(game.widget("title").child("pick"));
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->currentText(), "2");
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(pick.text, "3");
  pick.items = {"9"};
  pick.text = "";
  game.desktop.sync();
  EXPECT_EQ(list->count(), 1);
  EXPECT_EQ(list->currentIndex(), -1);

  pick.visible = false;
  game.app.window("title").control("entry").text = "書き換え";
  game.desktop.sync();
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(entry->text(), "書き換え");
}

TEST_F(Own, ADiscardedWindowComesBackAsANewQtWindow) {
  game.click("title", "renew");
  QPointer<WindowWidget> first = &game.widget("b");
  EXPECT_TRUE(first->isVisible());
  game.click("title", "renew");
  WindowWidget& second = game.widget("b");
  EXPECT_NE(&second, first.data());
  EXPECT_TRUE(second.isVisible());
  EXPECT_TRUE(first.isNull() || first->isHidden());
}

// --- the game's own windows ---

TEST(Geometry, StartsCentredAndAMovedMainScreenIsWhereTheNextScreenOpens) {
  Game game;
  const Rect screen = game.platform.screen();
  const Window& title = game.app.window("title");
  EXPECT_EQ(title.geometry.left, screen.left + (screen.width - kClientWidth) / 2);
  EXPECT_EQ(game.widget("title").pos(), QPoint(int(std::lround(title.geometry.left / 15.0)),
                                               int(std::lround(title.geometry.top / 15.0))));

  game.newGame("勇者");
  WindowWidget& main = game.widget("メイン");
  main.move(40, 30);  // as the player drags it
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return game.app.window("メイン").geometry.left == 600; }, 2000));
  EXPECT_EQ(game.app.window("メイン").geometry.top, 450);

  game.click("メイン", "togijyo");
  WindowWidget& arena = game.widget("kurasu");
  EXPECT_TRUE(arena.isVisible());
  EXPECT_FALSE(main.isVisible());
  EXPECT_EQ(arena.pos(), QPoint(40, 30));
  EXPECT_EQ(game.app.window("kurasu").geometry.left, 600);
}

TEST(Game, ANewGameReachesTheMainScreenAndEndsWithTheQuitButton) {
  Game game;
  QPointer<WindowWidget> title = &game.widget("title");
  game.click("title", "newgame");
  EXPECT_TRUE(title.isNull() || title->isHidden());
  QPointer<WindowWidget> setup = &game.widget("設定");
  EXPECT_TRUE(setup->isVisible());
  EXPECT_EQ(static_cast<QPlainTextEdit*>(setup->child("help"))->toPlainText(),
            displayText(game.text("設定.help")));
  Game::type(setup->child("namae"), "勇者");
  game.click("設定", "kanryo");
  EXPECT_EQ(game.text("sutetasu.namae"), "勇者");
  EXPECT_TRUE(setup.isNull() || setup->isHidden());
  QPointer<WindowWidget> main = &game.widget("メイン");
  EXPECT_TRUE(main->isVisible());
  for (const char* value : {"hp", "kokyu", "kin", "waza", "maryoku", "kansei", "senzai", "kane"}) {
    const QRect area = touched(game.def("メイン", value).rect);
    EXPECT_GT(count(main->grab().toImage(), area, kWhitePixel), 3) << value;
  }

  game.click("メイン", "syuryo");
  EXPECT_FALSE(game.app.running());
  EXPECT_TRUE(game.ended);
  EXPECT_TRUE(main.isNull() || main->isHidden());
}

TEST(Game, TheCloseBoxEndsTheProgram) {
  for (bool inGame : {false, true}) {
    Game game;
    if (inGame) game.newGame("勇者");
    QPointer<WindowWidget> shown = &game.widget(inGame ? "メイン" : "title");
    shown->close();
    EXPECT_FALSE(game.app.running()) << inGame;
    EXPECT_TRUE(game.ended);
    EXPECT_TRUE(shown.isNull() || shown->isHidden());
  }
}

}  // namespace
}  // namespace volna::qt
