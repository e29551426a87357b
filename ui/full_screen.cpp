#include "ui/full_screen.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>

namespace ui {

FullScreenView::FullScreenView(QWidget* game, std::function<void()> on_close)
    : on_close_(std::move(on_close)) {
  setWindowTitle(game->windowTitle());
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setBackgroundBrush(Qt::black);
  setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing |
                 QPainter::TextAntialiasing);
  auto* scene = new QGraphicsScene(this);
  proxy_ = scene->addWidget(game);
  setScene(scene);
}

FullScreenView::~FullScreenView() {
  // Detached first: a proxy deletes the widget it still holds.
  if (proxy_) proxy_->setWidget(nullptr);
}

void FullScreenView::fit() {
  if (!proxy_) return;
  scene()->setSceneRect(proxy_->boundingRect());
  fitInView(proxy_, Qt::KeepAspectRatio);
}

void FullScreenView::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  fit();
}

void FullScreenView::closeEvent(QCloseEvent* event) {
  event->accept();
  if (on_close_) on_close_();
}

}  // namespace ui
