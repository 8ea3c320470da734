#pragma once
// The Filamesh module's string table, written once for both builds (see frame/StringTable.h).
#define IDS_STRANDEL 4

#define FILAMESH_STRINGS(X) X(IDS_STRANDEL, "Strandel")
