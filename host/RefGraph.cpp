#include "host/RefGraph.h"

#include <cstddef>
#include <utility>

int FindReferenceLoop(const std::vector<std::vector<int>>& refs) {
  // Depth first without recursion: a chain of references is as deep as the file is long.
  enum : char { kUnseen, kOnPath, kDone };
  const int n = static_cast<int>(refs.size());
  std::vector<char> state(refs.size(), kUnseen);
  std::vector<std::pair<int, std::size_t>> path;  // object, next reference to follow
  for (int start = 0; start < n; ++start) {
    if (state[static_cast<std::size_t>(start)] != kUnseen) continue;
    state[static_cast<std::size_t>(start)] = kOnPath;
    path.emplace_back(start, 0);
    while (!path.empty()) {
      auto& [node, next] = path.back();
      const auto& out = refs[static_cast<std::size_t>(node)];
      if (next == out.size()) {
        state[static_cast<std::size_t>(node)] = kDone;
        path.pop_back();
        continue;
      }
      const int to = out[next++];
      if (to < 0 || to >= n) continue;
      if (state[static_cast<std::size_t>(to)] == kOnPath) return to;
      if (state[static_cast<std::size_t>(to)] == kUnseen) {
        state[static_cast<std::size_t>(to)] = kOnPath;
        path.emplace_back(to, 0);
      }
    }
  }
  return -1;
}
