#include "tools/TerminalProgress.h"

#include <iostream>

#include "tools/Platform.h"

namespace {
constexpr auto kQuietTime = std::chrono::seconds(1);
constexpr int kBarWidth = 40;
}  // namespace

TerminalProgress::TerminalProgress(std::string label)
    : label(std::move(label)), start(std::chrono::steady_clock::now()), enabled(ErrorStreamIsTerminal()) {}

TerminalProgress::~TerminalProgress() {
  if (shown) std::cerr << "\n" << std::flush;
}

void TerminalProgress::TilesDone(int done, int total) {
  if (!enabled || total <= 0) return;
  if (!shown && std::chrono::steady_clock::now() - start < kQuietTime) return;
  const int percent = done * 100 / total;
  if (percent == lastPercent) return;
  lastPercent = percent;
  shown = true;
  const int filled = done * kBarWidth / total;
  std::cerr << "\r" << label << " [" << std::string(static_cast<std::size_t>(filled), '#')
            << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << percent << "%"
            << std::flush;
}
