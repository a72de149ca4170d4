#include "platform/qt_message_box.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QString>

#include "base/text.h"

namespace kv {

void QtMessageBox::Show(const std::string& text) {
  WriteToStderr(text);
  if (QGuiApplication::instance() == nullptr) return;
  QMessageBox box(QMessageBox::Information, QStringLiteral(" "), QString::fromStdString(Cp1252ToUtf8(text)),
                  QMessageBox::Ok);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.exec();
}

}  // namespace kv
