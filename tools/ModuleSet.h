#pragma once
// Loads plug-in modules the way the host does and registers their classes for scene files.
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "host/ClassDesc.h"
#include "tools/Platform.h"

struct ModuleRecord {
  std::string file;  // file name inside the folder
  bool loaded = false;
  bool registeredHere = false;  // false when another set had already registered this same module
  std::string reason;           // why the module was skipped
  ULONG libVersion = 0;
  int numClasses = 0;
  ClassDesc* desc = nullptr;
  std::wstring description;
  ULONG canAutoDefer = 0;
  bool hasAbout = false;  // the descriptor offers the maker's about values
  float version = 0.0f;
  std::wstring buildDate;
};

class ModuleSet {
 public:
  ModuleSet() = default;
  ModuleSet(const ModuleSet&) = delete;
  ModuleSet& operator=(const ModuleSet&) = delete;
  // Unregisters the descriptors, then unloads. Every object a module made must be gone by then.
  ~ModuleSet();

  // Loads every .dlt in `folder`, in file-name order. False only when the folder cannot be read.
  bool LoadFolder(const std::string& folder, std::string& error);
  const std::vector<ModuleRecord>& Records() const { return records; }
  // A loaded class by its class name, internal name or module file name (without .dlt), in
  // any letter case; null when none matches.
  ClassDesc* Find(const std::string& name) const;

 private:
  void LoadOne(const std::string& folder, const std::string& file);
  std::vector<ModuleRecord> records;
  std::vector<std::unique_ptr<DynamicLibrary>> libraries;  // loaded modules, in load order
};

// The module table: file, description, class, super class, class id, public, category, version
// and build date, then each skipped module with its reason.
void PrintModuleTable(const ModuleSet& modules, std::ostream& out);
std::string SuperClassText(SClass_ID sclass);
std::string ClassIdText(const Class_ID& id);
