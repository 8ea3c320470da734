#pragma once
// What the host program needs from the operating system, one implementation per platform.
#include <memory>
#include <string>

// A loaded shared library (a .dlt module).
class DynamicLibrary {
 public:
  virtual ~DynamicLibrary() = default;  // unloads the library
  // The address of an exported function, or null.
  virtual void* Symbol(const char* name) = 0;
};

// Loads the library at `path`; null with `error` set when the system refuses it.
std::unique_ptr<DynamicLibrary> OpenLibrary(const std::string& path, std::string& error);

// The folder that holds the running program.
std::string ExecutableFolder();

// Whether standard error shows on a terminal.
bool ErrorStreamIsTerminal();
