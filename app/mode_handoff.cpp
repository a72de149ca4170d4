#include "app/mode_handoff.h"

#include "app/window_wait.h"
#include "base/message_box.h"

namespace kv {

void HandOverShow(TKVCProject&) { Messages().Show("The show mode is not built yet."); }

void HandOverConfiguration(TKVCProject&) { Messages().Show("The configuration mode is not built yet."); }

void HandOverPreview(TKVCProject&, uint64_t window) { WaitForWindowVisible(window); }

}  // namespace kv
