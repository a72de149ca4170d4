#include "platform/raster_show_window.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>
#include <cstring>

#include "platform/frame_copy.h"
#include "platform/input_router.h"

namespace kv {

RasterShowWindow::RasterShowWindow(InputRouter& router, QScreen* screen) : router_(router), store_(this) {
  setSurfaceType(QSurface::RasterSurface);
  setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setTitle(QStringLiteral("fmKVScrSvr"));
  setScreen(screen);
  const QRect geometry = screen->geometry();
  setGeometry(geometry);
  canvas_.SetSize(geometry.width(), geometry.height(), 0xFF000000u);
  canvasImage_ = QImage(reinterpret_cast<const uchar*>(canvas_.Bits()), canvas_.Width(), canvas_.Height(),
                        canvas_.Stride() * 4, QImage::Format_RGB32);
  store_.resize(geometry.size());
}

void RasterShowWindow::Present(int32_t x, int32_t y, const Bitmap32& frame) {
  const CopiedArea a = CopyAt(frame, x, y, canvas_);
  if (a.Empty()) return;
  Flush(QRect(a.left, a.top, a.right - a.left, a.bottom - a.top));
}

void RasterShowWindow::ClearToBlack() {
  canvas_.Fill(0xFF000000u);
  Flush(QRect(0, 0, canvas_.Width(), canvas_.Height()));
}

void RasterShowWindow::Capture(Bitmap32& target) const { CopyTopLeft(canvas_, target); }

bool RasterShowWindow::event(QEvent* event) {
  if (router_.Dispatch(event)) return true;
  if (event->type() == QEvent::Close) {
    router_.HostClose();
    event->ignore();
    return true;
  }
  return QWindow::event(event);
}

void RasterShowWindow::exposeEvent(QExposeEvent*) {
  if (isExposed()) Flush(QRect(0, 0, width(), height()));
}

void RasterShowWindow::resizeEvent(QResizeEvent* event) { store_.resize(event->size()); }

void RasterShowWindow::Flush(const QRect& rect) {
  if (!isExposed()) return;
  const QRect area = rect.intersected(QRect(QPoint(0, 0), store_.size()));
  if (area.isEmpty()) return;
  store_.beginPaint(area);
  {
    QPainter painter(store_.paintDevice());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (!canvasImage_.rect().contains(area)) painter.fillRect(area, Qt::black);
    painter.drawImage(area.topLeft(), canvasImage_, area);
  }
  store_.endPaint();
  store_.flush(area);
}

}  // namespace kv
