#include "platform/gl_show_window.h"

#include <QOpenGLContext>
#include <QOpenGLShaderProgram>
#include <QScreen>
#include <QSurfaceFormat>

#include "platform/input_router.h"

namespace kv {
namespace {

// A strip over the whole viewport; texture row 0 is the frame's top row.
// Bitmap32 words 0xAARRGGBB are the bytes B, G, R, A in memory: they are
// uploaded as RGBA (accepted by every GL flavour) and swizzled back here.
constexpr const char* kVertexShader = R"(
attribute vec2 position;
varying vec2 texCoord;
void main() {
  texCoord = vec2(position.x * 0.5 + 0.5, 0.5 - position.y * 0.5);
  gl_Position = vec4(position, 0.0, 1.0);
}
)";

constexpr const char* kFragmentShader = R"(
uniform sampler2D frame;
varying vec2 texCoord;
void main() {
  gl_FragColor = vec4(texture2D(frame, texCoord).bgr, 1.0);
}
)";

constexpr GLfloat kQuad[] = {-1.f, -1.f, 1.f, -1.f, -1.f, 1.f, 1.f, 1.f};


}  // namespace

GlShowWindow::GlShowWindow(InputRouter& router, QScreen* screen) : router_(router) {
  setSurfaceType(QSurface::OpenGLSurface);
  setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setTitle(QStringLiteral("fmKVScrSvr"));
  setScreen(screen);
  setGeometry(screen->geometry());
}

GlShowWindow::~GlShowWindow() {
  if (initialized_ && context_->makeCurrent(this)) {
    if (texture_ != 0) glDeleteTextures(1, &texture_);
    program_.reset();
    context_->doneCurrent();
  }
}

bool GlShowWindow::Init() {
  QSurfaceFormat format = requestedFormat();
  format.setSwapInterval(1);
  setFormat(format);
  create();
  context_ = std::make_unique<QOpenGLContext>();
  context_->setFormat(format);
  context_->setScreen(screen());
  if (!context_->create() || !context_->makeCurrent(this)) return false;
  initializeOpenGLFunctions();
  program_ = std::make_unique<QOpenGLShaderProgram>();
  if (!program_->addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader) ||
      !program_->addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader) || !program_->link()) {
    program_.reset();
    context_->doneCurrent();
    return false;
  }
  glGenTextures(1, &texture_);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  initialized_ = true;
  return true;
}

void GlShowWindow::Present(const Bitmap32& frame) {
  if (!initialized_) return;
  surface_ = frame;
  uploaded_ = false;
  Render();
}

bool GlShowWindow::event(QEvent* event) {
  if (router_.Dispatch(event)) return true;
  if (event->type() == QEvent::Close) {
    router_.HostClose();
    event->ignore();
    return true;
  }
  return QWindow::event(event);
}

void GlShowWindow::exposeEvent(QExposeEvent*) {
  if (isExposed()) Render();
}

void GlShowWindow::Render() {
  if (!initialized_ || !isExposed() || !context_->makeCurrent(this)) return;
  const qreal ratio = devicePixelRatio();
  glViewport(0, 0, static_cast<GLsizei>(width() * ratio), static_cast<GLsizei>(height() * ratio));
  glClearColor(0.f, 0.f, 0.f, 1.f);
  glClear(GL_COLOR_BUFFER_BIT);
  if (!surface_.Empty()) {
    glBindTexture(GL_TEXTURE_2D, texture_);
    if (!uploaded_) {
      glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
      if (surface_.Width() != textureWidth_ || surface_.Height() != textureHeight_) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, surface_.Width(), surface_.Height(), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     surface_.Bits());
        textureWidth_ = surface_.Width();
        textureHeight_ = surface_.Height();
      } else {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, textureWidth_, textureHeight_, GL_RGBA, GL_UNSIGNED_BYTE,
                        surface_.Bits());
      }
      uploaded_ = true;
    }
    program_->bind();
    program_->setUniformValue("frame", 0);
    const int position = program_->attributeLocation("position");
    program_->enableAttributeArray(position);
    program_->setAttributeArray(position, kQuad, 2);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    program_->disableAttributeArray(position);
    program_->release();
  }
  context_->swapBuffers(this);
}

}  // namespace kv
