#pragma once

#include <functional>
#include <memory>

class QApplication;

namespace kv {

// The process's application object: one QApplication, its title a single
// blank. Create it once, early in main, and keep it for the whole run.
class QtApplication {
 public:
  QtApplication(int& argc, char** argv);
  ~QtApplication();
  QtApplication(const QtApplication&) = delete;
  QtApplication& operator=(const QtApplication&) = delete;

  // Handles every event that is pending now, then returns.
  static void ProcessMessages();

  // The modal loop: handles one pending event at a time and, whenever the
  // queue is empty, calls `idle`. When idle returns true it is called again
  // as soon as the queue is empty again; false lets the loop wait for the next
  // event. Returns once `done` is true (tested after every event and pass).
  static void RunModalLoop(const std::function<bool()>& idle, const std::function<bool()>& done);

 private:
  std::unique_ptr<QApplication> app_;
};

}  // namespace kv
