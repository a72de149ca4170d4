#pragma once

#include "base/message_box.h"

namespace kv {

// Message boxes as modal QMessageBox dialogs with one OK button; the text
// also goes to stderr. Needs a QtApplication.
class QtMessageBox final : public MessageBox {
 public:
  void Show(const std::string& text) override;
};

}  // namespace kv
