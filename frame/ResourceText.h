#pragma once
// Texts of the module's string table.

// The text of string `id` in the module's one shared buffer of 256 wide characters, or null
// before process attach or for an id the table lacks. A second call overwrites the first
// caller's text, so callers copy what they keep. User-interface thread only.
const wchar_t* LoadResourceText(int id);
