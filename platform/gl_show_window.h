#pragma once

#include <QOpenGLFunctions>
#include <QWindow>
#include <memory>

#include "image/bitmap32.h"

class QOpenGLContext;
class QOpenGLShaderProgram;

namespace kv {

class InputRouter;

// The scaled full-screen surface: a borderless OpenGL window over one
// screen. Each frame is uploaded as a texture and drawn stretched over the
// whole window, so the GPU does the scaling. The last frame is kept for
// exposes and captures.
class GlShowWindow final : public QWindow, protected QOpenGLFunctions {
 public:
  GlShowWindow(InputRouter& router, QScreen* screen);
  ~GlShowWindow() override;

  // Creates the GL context and the drawing resources. False when no context
  // can be made or made current; the window is then unusable.
  bool Init();
  bool Initialized() const { return initialized_; }

  // The surface takes the frame's size and content and shows it scaled.
  void Present(const Bitmap32& frame);
  const Bitmap32& Surface() const { return surface_; }

 protected:
  bool event(QEvent* event) override;
  void exposeEvent(QExposeEvent* event) override;

 private:
  void Render();

  InputRouter& router_;
  std::unique_ptr<QOpenGLContext> context_;
  std::unique_ptr<QOpenGLShaderProgram> program_;
  GLuint texture_ = 0;
  int32_t textureWidth_ = 0;
  int32_t textureHeight_ = 0;
  bool initialized_ = false;
  bool uploaded_ = false;
  Bitmap32 surface_;
};

}  // namespace kv
