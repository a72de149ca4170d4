#include "base/message_box.h"

#include <cstdio>

namespace kv {
namespace {

class StderrMessageBox final : public MessageBox {
 public:
  void Show(const std::string& text) override { WriteToStderr(text); }
};

StderrMessageBox g_default;
MessageBox* g_current = &g_default;

}  // namespace

MessageBox& Messages() { return *g_current; }
void SetMessages(MessageBox* box) { g_current = box ? box : &g_default; }

void WriteToStderr(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

}  // namespace kv
