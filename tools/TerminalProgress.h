#pragma once
// A progress bar on standard error for renders that take longer than a second.
#include <chrono>
#include <string>

#include "tools/Renderer.h"

class TerminalProgress : public ProgressSink {
 public:
  explicit TerminalProgress(std::string label);
  ~TerminalProgress() override;
  void TilesDone(int done, int total) override;

 private:
  std::string label;
  std::chrono::steady_clock::time_point start;
  bool enabled;
  bool shown = false;
  int lastPercent = -1;
};
