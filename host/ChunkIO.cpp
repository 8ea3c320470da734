#include "host/ChunkIO.h"

PostLoadCallback::~PostLoadCallback() = default;
int PostLoadCallback::Priority() { return 5; }
void PostLoadCallback::Abandon() {}

ISave::~ISave() = default;
ILoad::~ILoad() = default;
