// ostrel: loads the plug-in modules the way the host does and renders scenes with them.
#include <iostream>
#include <string>
#include <vector>

#include "tools/Commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return RunOstrel(args, std::cout, std::cerr);
}
