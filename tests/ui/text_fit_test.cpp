// Every text line of the demo world fits its box in the window, measured with
// the window's own widgets and fonts: the location descriptions, replies and
// the back room's texts in the location memo, the intro texts in the intro
// memo, and each item as the viewer shows it (wrapped, within its height).
#include <QApplication>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>

#include "support/game_fixture.h"
#include "ui/control_widgets.h"
#include "ui/look.h"
#include "ui/widget_sync.h"

namespace {

using Lines = std::vector<std::string>;

QApplication& app() {
  static int argc = 1;
  static char name[] = "text_fit_test";
  static char* argv[] = {name, nullptr};
  static QApplication* instance = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* a = new QApplication(argc, argv);
    ui::install_font_substitutions();
    return a;
  }();
  return *instance;
}

// A memo of the window as the window makes it, holding the given lines.
class Box {
 public:
  Box(const form::Control& design, const Lines& lines) : control_(design) {
    control_.lines = lines;
    control_.left = control_.top = 0;
    control_.visible = true;
    parent_.resize(control_.width, control_.height);
    bound_.control = &control_;
    bound_.widget = ui::create_widget(control_, &parent_);
    ui::sync_widget(bound_);
    parent_.show();
    QApplication::processEvents();
  }
  QPlainTextEdit& memo() const { return *static_cast<QPlainTextEdit*>(bound_.widget); }
  // The width a line may take without being broken or cut.
  int room() const {
    return memo().viewport()->width() - 2 * static_cast<int>(memo().document()->documentMargin());
  }
  // The lines wider than the box.
  Lines too_wide() const {
    QFontMetrics metrics(memo().font());
    Lines wide;
    for (const std::string& line : control_.lines)
      if (metrics.horizontalAdvance(QString::fromStdString(line)) > room()) wide.push_back(line);
    return wide;
  }
  // Whether the whole text shows without scrolling down.
  bool fits_height() const { return memo().verticalScrollBar()->maximum() == 0; }
  // How many lines the last line of text takes, wrapped.
  int last_line_rows() const { return memo().document()->lastBlock().layout()->lineCount(); }

 private:
  bool started_ = (app(), true);  // before any widget
  form::Control control_;
  QWidget parent_;
  ui::BoundControl bound_;
};

class TextFit : public GameTest {
 protected:
  void SetUp() override { use_demo_data(); }
  const form::Control& design(const std::string& name) { return game->form[name]; }

  // The description lines of every location and the back room's two texts.
  Lines location_texts() {
    Lines lines;
    for (int n = 1; n <= 13; ++n) {
      Lines file = read_lines("Data\\Levels\\Locations\\" + std::to_string(n) + ".loc");
      lines.insert(lines.end(), file.begin() + std::min<size_t>(43, file.size()), file.end());
    }
    for (const char* text : {"dead.loc", "done.loc"}) {
      Lines file = read_lines(std::string("Data\\Levels\\Locations\\") + text);
      lines.insert(lines.end(), file.begin(), file.end());
    }
    return lines;
  }
  // The reply lines of every conversation (after each block's level line).
  Lines replies() {
    Lines lines;
    for (const char* talk : {"starosta.tlk", "znaharka.tlk", "lsttalk.tlk"}) {
      Lines file = read_lines(std::string("Data\\Levels\\Talks\\") + talk);
      for (size_t i = 4; i < file.size(); ++i) {
        if (file[i].starts_with(";")) {
          i += 1;  // the block's level
          continue;
        }
        lines.push_back(file[i]);
      }
    }
    return lines;
  }
  Lines intro_texts() {
    Lines lines;
    for (int n = 1; n <= 5; ++n) {
      Lines file = read_lines("Data\\Intro\\" + std::to_string(n) + ".txt");
      lines.insert(lines.end(), file.begin(), file.end());
    }
    return lines;
  }
};

TEST_F(TextFit, EveryLocationTextAndReplyFitsTheLocationMemo) {
  Lines lines = location_texts();
  Lines talk = replies();
  lines.insert(lines.end(), talk.begin(), talk.end());
  ASSERT_GT(lines.size(), 60u);
  EXPECT_EQ(Box(design("LocMemo"), lines).too_wide(), Lines{});
}

TEST_F(TextFit, TheGeneratorsBudgetsLieWithinTheBoxes) {
  // demo/fit_text.py breaks lines at these widths (font file metrics).
  EXPECT_GE(Box(design("LocMemo"), {}).room(), 328);
  EXPECT_GE(Box(design("Memo1"), {}).room(), 152);
  EXPECT_GE(Box(design("Memo4"), {}).room(), 480);
}

TEST_F(TextFit, EveryIntroLineFitsTheIntroText) {
  Lines lines = intro_texts();
  ASSERT_GE(lines.size(), 10u);
  EXPECT_EQ(Box(design("Memo4"), lines).too_wide(), Lines{});
}

TEST_F(TextFit, ALineMadeTooLongIsFound) {
  Lines lines = location_texts();
  std::string longer = lines[0] + " И еще несколько слов сверху.";
  lines.push_back(longer);
  EXPECT_EQ(Box(design("LocMemo"), lines).too_wide(), Lines{longer});
  std::string intro = intro_texts()[0] + " И еще несколько слов, чтобы не влезло.";
  EXPECT_EQ(Box(design("Memo4"), {intro}).too_wide(), Lines{intro});
}

// Each item as the viewer shows it: the viewer wraps; an item's description
// takes at most two lines, and every item but a weapon (whose own lines fill
// the box) shows whole without scrolling.
TEST_F(TextFit, EveryItemShowsWholeInTheViewer) {
  Lines file = read_lines("Data\\Objects\\items.dat");
  ASSERT_GE(file.size(), 16u * 20);
  for (size_t i = 0; i + 15 < file.size(); i += 16) {
    const std::string& name = file[i + 1];
    SCOPED_TRACE(name);
    game->showitem(name, std::stoi(file[i + 5]), 100);
    Box viewer(design("Memo1"), game->form["Memo1"].lines);
    EXPECT_LE(viewer.last_line_rows(), 2);
    if (file[i + 9] != "gun") {
      EXPECT_TRUE(viewer.fits_height());
    }
  }
  // A description made longer no longer fits.
  game->showitem(file[1], 1, 100);
  Lines shown = game->form["Memo1"].lines;
  shown.back() += " Очень длинное описание предмета, которое никак не поместится.";
  EXPECT_GT(Box(design("Memo1"), shown).last_line_rows(), 2);
}

}  // namespace
