// Feeds arbitrary bytes to the scene reader through a file, as the player does.
#include <cstdio>
#include <string>
#include <unistd.h>

#include "scene/project.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/kv_fuzz_scene_" + std::to_string(::getpid()) + ".kvp";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  kv::TProject project;
  project.LoadFromFile(path);
  return 0;
}
