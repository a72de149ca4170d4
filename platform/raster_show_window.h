#pragma once

#include <QBackingStore>
#include <QImage>
#include <QWindow>

#include "image/bitmap32.h"

namespace kv {

class InputRouter;

// A borderless window covering one screen, drawn by Qt's raster painting.
// It keeps a copy of everything it shows (its canvas, black at the start),
// so the picture survives exposes and can be captured. Input goes to the
// router; closing it by the window manager asks the host to end the show.
class RasterShowWindow final : public QWindow {
 public:
  RasterShowWindow(InputRouter& router, QScreen* screen);

  int32_t CanvasWidth() const { return canvas_.Width(); }
  int32_t CanvasHeight() const { return canvas_.Height(); }

  // An opaque copy of `frame` with its top-left corner at (x, y); the parts
  // off the canvas are clipped.
  void Present(int32_t x, int32_t y, const Bitmap32& frame);
  void ClearToBlack();
  // Copies the canvas rectangle (0, 0, target size) into target; black where
  // the canvas ends.
  void Capture(Bitmap32& target) const;

 protected:
  bool event(QEvent* event) override;
  void exposeEvent(QExposeEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Flush(const QRect& rect);

  InputRouter& router_;
  QBackingStore store_;
  Bitmap32 canvas_;
  QImage canvasImage_;  // wraps canvas_ without copying
};

}  // namespace kv
