#pragma once
// `ostrel scene info`: the object graph of a scene file.
#include <iosfwd>
#include <string>

// Prints every object of the file with its class, references, parameter values and the chunks of
// its own data. False with `error` set when the file cannot be read or is not a sound scene.
bool PrintSceneInfo(const std::string& path, std::ostream& out, std::string& error);
