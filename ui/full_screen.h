#pragma once
// Full-screen play: the game's window, unchanged, shown on the whole screen
// and scaled to fit with its aspect kept (black bars fill the rest). Mouse
// clicks are mapped back to the window's own coordinates.
#include <QGraphicsView>
#include <functional>

class QGraphicsProxyWidget;

namespace ui {

class FullScreenView : public QGraphicsView {
 public:
  // Takes the top-level window `game` into a full-screen view; on_close runs
  // when the player closes the view.
  FullScreenView(QWidget* game, std::function<void()> on_close);
  // Gives the window back as a top-level window of its own (hidden).
  ~FullScreenView() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void fit();
  QGraphicsProxyWidget* proxy_ = nullptr;
  std::function<void()> on_close_;
};

}  // namespace ui
