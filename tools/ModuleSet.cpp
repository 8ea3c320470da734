#include "tools/ModuleSet.h"

#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <ostream>
#include <sstream>

#include "frame/AboutValues.h"
#include "frame/OstrelClassDesc.h"
#include "host/SceneFile.h"
#include "tools/Text.h"

namespace {

constexpr const char* kModuleExtension = ".dlt";

using LibDescriptionFn = const wchar_t* (*)();
using LibNumberClassesFn = int (*)();
using LibClassDescFn = ClassDesc* (*)(int);
using LibVersionFn = ULONG (*)();
using CanAutoDeferFn = ULONG (*)();

template <class Fn>
Fn Export(DynamicLibrary& lib, const char* name) {
  return reinterpret_cast<Fn>(lib.Symbol(name));
}

// The about values, from whichever of the maker's descriptor bases the descriptor has.
void ReadAbout(ClassDesc* desc, ModuleRecord& record) {
  if (auto* about = dynamic_cast<OstrelClassDesc*>(desc)) {
    record.hasAbout = true;
    record.version = about->Version();
    record.buildDate = about->BuildDate().str();
  } else if (auto* base = dynamic_cast<OstrelBaseClassDesc*>(desc)) {
    record.hasAbout = true;
    record.version = base->Version();
    record.buildDate = base->BuildDate().str();
  }
}

}  // namespace

std::string SuperClassText(SClass_ID sclass) {
  switch (sclass) {
    case MATERIAL_CLASS_ID:
      return "material";
    case TEXMAP_CLASS_ID:
      return "texture map";
    case PARAMETER_BLOCK_CLASS_ID:
      return "parameter block";
    case TEXOUTPUT_CLASS_ID:
      return "texture output";
    default:
      return Hex(sclass, 4);
  }
}

std::string ClassIdText(const Class_ID& id) { return "(" + Hex(id.PartA()) + ", " + Hex(id.PartB()) + ")"; }

ModuleSet::~ModuleSet() {
  for (const ModuleRecord& r : records) {
    if (r.registeredHere) UnregisterClassDesc(r.desc);
  }
  // Unload in reverse order of loading.
  while (!libraries.empty()) libraries.pop_back();
}

bool ModuleSet::LoadFolder(const std::string& folder, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  std::vector<std::string> files;
  for (fs::directory_iterator it(fs::u8path(folder), ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& p = it->path();
    if (Lower(p.extension().u8string()) == kModuleExtension) files.push_back(p.filename().u8string());
  }
  if (ec) {
    error = "cannot read the plug-in folder " + folder + ": " + ec.message();
    return false;
  }
  std::sort(files.begin(), files.end());
  for (const std::string& f : files) LoadOne(folder, f);
  return true;
}

void ModuleSet::LoadOne(const std::string& folder, const std::string& file) {
  ModuleRecord record;
  record.file = file;
  auto skip = [&](std::string why) {
    record.reason = std::move(why);
    records.push_back(record);
  };
  const std::string path = (std::filesystem::u8path(folder) / std::filesystem::u8path(file)).u8string();
  std::string error;
  std::unique_ptr<DynamicLibrary> lib = OpenLibrary(path, error);
  if (!lib) return skip("cannot be loaded: " + error);

  const auto libVersion = Export<LibVersionFn>(*lib, "LibVersion");
  const auto libNumberClasses = Export<LibNumberClassesFn>(*lib, "LibNumberClasses");
  const auto libClassDesc = Export<LibClassDescFn>(*lib, "LibClassDesc");
  const auto libDescription = Export<LibDescriptionFn>(*lib, "LibDescription");
  const auto canAutoDefer = Export<CanAutoDeferFn>(*lib, "CanAutoDefer");
  const std::pair<const char*, bool> exports[] = {
      {"LibVersion", libVersion != nullptr},     {"LibNumberClasses", libNumberClasses != nullptr},
      {"LibClassDesc", libClassDesc != nullptr}, {"LibDescription", libDescription != nullptr},
      {"CanAutoDefer", canAutoDefer != nullptr},
  };
  for (const auto& e : exports) {
    if (!e.second) return skip(std::string("does not export ") + e.first);
  }

  // The host's order of questions.
  record.libVersion = libVersion();
  if (record.libVersion != kHostSdkVersion) {
    return skip("answers LibVersion " + Hex(record.libVersion) + ", not " + Hex(kHostSdkVersion));
  }
  record.numClasses = libNumberClasses();
  if (record.numClasses < 1)
    return skip("has no classes (LibNumberClasses " + std::to_string(record.numClasses) + ")");
  record.desc = libClassDesc(0);
  if (record.desc == nullptr) return skip("has no class descriptor (LibClassDesc(0) answers null)");
  if (const wchar_t* text = libDescription()) record.description = text;
  record.canAutoDefer = canAutoDefer();

  // The same module loaded a second time hands out the same descriptor; another module with the
  // same class would make scene files ambiguous.
  ClassDesc* other = FindClassDesc(record.desc->SuperClassID(), record.desc->ClassID());
  if (other != nullptr && other != record.desc) {
    return skip("class " + ClassIdText(record.desc->ClassID()) + " is already registered by " +
                ToUtf8(other->ClassName()));
  }
  ReadAbout(record.desc, record);
  if (other == nullptr) {
    RegisterClassDesc(record.desc);
    record.registeredHere = true;
  }
  record.loaded = true;
  records.push_back(record);
  libraries.push_back(std::move(lib));
}

ClassDesc* ModuleSet::Find(const std::string& name) const {
  const std::string wanted = Lower(name);
  for (const ModuleRecord& r : records) {
    if (!r.loaded) continue;
    const std::string stem = r.file.substr(0, r.file.size() - std::string(kModuleExtension).size());
    if (Lower(ToUtf8(r.desc->ClassName())) == wanted || Lower(ToUtf8(r.desc->InternalName())) == wanted ||
        Lower(stem) == wanted) {
      return r.desc;
    }
  }
  return nullptr;
}

void PrintModuleTable(const ModuleSet& modules, std::ostream& out) {
  const std::vector<std::string> header = {"file",   "description", "class",   "super class", "class id",
                                           "public", "category",    "version", "built"};
  std::vector<std::vector<std::string>> rows;
  for (const ModuleRecord& r : modules.Records()) {
    if (!r.loaded) continue;
    std::ostringstream version;
    if (r.hasAbout) version << std::fixed << std::setprecision(3) << r.version;
    rows.push_back({r.file, ToUtf8(r.description), ToUtf8(r.desc->ClassName()),
                    SuperClassText(r.desc->SuperClassID()), ClassIdText(r.desc->ClassID()),
                    r.desc->IsPublic() != 0 ? "yes" : "no", ToUtf8(r.desc->Category()),
                    r.hasAbout ? version.str() : "-", r.hasAbout ? ToUtf8(r.buildDate) : "-"});
  }
  std::vector<std::size_t> width(header.size());
  for (std::size_t c = 0; c < header.size(); ++c) {
    width[c] = header[c].size();
    for (const auto& row : rows) width[c] = std::max(width[c], row[c].size());
  }
  auto line = [&](const std::vector<std::string>& cells) {
    std::string text;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      text += cells[c];
      if (c + 1 < cells.size()) text += std::string(width[c] - cells[c].size() + 2, ' ');
    }
    out << text << "\n";
  };
  line(header);
  for (const auto& row : rows) line(row);
  for (const ModuleRecord& r : modules.Records()) {
    if (!r.loaded) out << "skipped " << r.file << ": " << r.reason << "\n";
  }
}
