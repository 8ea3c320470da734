#pragma once
// Reference graphs by object index, as the scene file stores them.
#include <vector>

// An object that lies on a reference loop, or -1 when the graph has none. `refs[i]` lists the
// objects that object i references; entries outside the graph are ignored.
int FindReferenceLoop(const std::vector<std::vector<int>>& refs);
