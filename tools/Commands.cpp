#include "tools/Commands.h"

#include <filesystem>
#include <ostream>

#include "host/SceneFile.h"
#include "tools/Jobs.h"
#include "tools/ModuleSet.h"
#include "tools/Platform.h"
#include "tools/PngFile.h"
#include "tools/Renderer.h"
#include "tools/SceneInfo.h"
#include "tools/TerminalProgress.h"
#include "tools/Text.h"

const char* const kOstrelUsage =
    "usage: ostrel modules [DIR]\n"
    "       ostrel render PLUGIN [OPTIONS]\n"
    "       ostrel demo [--out DIR] [--modules DIR] [--threads N]\n"
    "       ostrel scene save FILE PLUGIN [OPTIONS]\n"
    "       ostrel scene load FILE [--out FILE.png] [--modules DIR] [--threads N]\n"
    "       ostrel scene info FILE [--modules DIR]\n"
    "options:\n"
    "  --set NAME=VALUE   a block parameter by its name (or #INDEX=VALUE); VALUE is a number,\n"
    "                     on/off or r,g,b; may be repeated\n"
    "  --size WxH         image size in pixels (default 320x240)\n"
    "  --time TICKS       the frame time, 4800 ticks a second (default 0)\n"
    "  --out PATH         the PNG to write (render: render.png; demo: the folder, out)\n"
    "  --layout NAME      sample, shadow, objects or pair\n"
    "  --map-slot NAME    how a texture map is shown: diffuse, selfillum or flat\n"
    "  --threads N        render threads (default: one per core)\n"
    "  --modules DIR      the plug-in folder (default: the folder of this program)\n";

namespace {

struct Options {
  std::vector<std::string> positional;
  JobSpec spec;
  std::string out;
  std::string modules;
  int threads = 0;
};

bool ParseSize(const std::string& text, int& w, int& h) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return false;
  try {
    std::size_t used = 0;
    w = std::stoi(text.substr(0, x), &used);
    if (used != x) return false;
    h = std::stoi(text.substr(x + 1), &used);
    if (used != text.size() - x - 1) return false;
  } catch (const std::exception&) {
    return false;
  }
  return w >= 1 && h >= 1 && w <= kMaxImageSide && h <= kMaxImageSide;
}

bool ParseInt(const std::string& text, int& v) {
  try {
    std::size_t used = 0;
    v = std::stoi(text, &used);
    return used == text.size();
  } catch (const std::exception&) {
    return false;
  }
}

bool ParseOptions(const std::vector<std::string>& args, std::size_t first, Options& o, std::string& error) {
  for (std::size_t i = first; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0) {
      o.positional.push_back(a);
      continue;
    }
    if (i + 1 >= args.size()) {
      error = a + " needs a value";
      return false;
    }
    const std::string& v = args[++i];
    if (a == "--set") {
      o.spec.sets.push_back(v);
    } else if (a == "--size") {
      if (!ParseSize(v, o.spec.width, o.spec.height)) {
        error = "--size wants WxH, each 1 to " + std::to_string(kMaxImageSide);
        return false;
      }
    } else if (a == "--time") {
      if (!ParseInt(v, o.spec.time)) return error = "--time wants a number of ticks", false;
    } else if (a == "--out") {
      o.out = v;
    } else if (a == "--layout") {
      if (!LayoutFromName(v, o.spec.layout)) return error = "unknown layout \"" + v + "\"", false;
      o.spec.hasLayout = true;
    } else if (a == "--map-slot") {
      if (!MapSlotFromName(v, o.spec.slot)) return error = "unknown map slot \"" + v + "\"", false;
      o.spec.hasSlot = true;
    } else if (a == "--threads") {
      if (!ParseInt(v, o.threads) || o.threads < 1) return error = "--threads wants a positive number", false;
    } else if (a == "--modules") {
      o.modules = v;
    } else {
      error = "unknown option " + a;
      return false;
    }
  }
  return true;
}

bool LoadModules(ModuleSet& modules, const std::string& folder, std::ostream& err) {
  std::string error;
  if (!modules.LoadFolder(folder.empty() ? ExecutableFolder() : folder, error)) {
    err << "ostrel: " << error << "\n";
    return false;
  }
  for (const ModuleRecord& r : modules.Records()) {
    if (!r.loaded) err << "ostrel: skipped " << r.file << ": " << r.reason << "\n";
  }
  return true;
}

void RegisterOwnClasses() {
  ClassDesc* job = RenderJobClassDesc();
  if (FindClassDesc(job->SuperClassID(), job->ClassID()) == nullptr) RegisterClassDesc(job);
}

bool RenderTo(RenderJob& job, int threads, const std::string& path, const std::string& label,
              std::ostream& out, std::ostream& err) {
  RenderSettings settings;
  settings.width = job.width;
  settings.height = job.height;
  settings.time = job.time;
  settings.threads = threads;
  Frame frame(BuildLayout(job.layout), job.Materials(), settings);
  Image image;
  {
    TerminalProgress progress(label);
    image = frame.Render(&progress);
  }
  std::string error;
  if (!WritePng(path, image, error)) {
    err << "ostrel: " << error << "\n";
    return false;
  }
  out << "wrote " << path << " (" << job.width << "x" << job.height << ", " << LayoutName(job.layout)
      << ")\n";
  return true;
}

int Modules(const Options& o, std::ostream& out, std::ostream& err) {
  ModuleSet modules;
  std::string error;
  const std::string folder = o.positional.empty() ? ExecutableFolder() : o.positional[0];
  if (!modules.LoadFolder(folder, error)) {
    err << "ostrel: " << error << "\n";
    return 1;
  }
  PrintModuleTable(modules, out);
  return 0;
}

int Render(Options& o, std::ostream& out, std::ostream& err) {
  if (o.positional.size() != 1) {
    err << "ostrel: render wants one plug-in\n" << kOstrelUsage;
    return 2;
  }
  ModuleSet modules;
  if (!LoadModules(modules, o.modules, err)) return 1;
  o.spec.plugin = o.positional[0];
  SceneHolder holder;
  std::string error;
  RenderJob* job = BuildJob(modules, o.spec, holder, error);
  if (job == nullptr) {
    err << "ostrel: " << error << "\n";
    return 1;
  }
  return RenderTo(*job, o.threads, o.out.empty() ? "render.png" : o.out, "render", out, err) ? 0 : 1;
}

int Demo(const Options& o, std::ostream& out, std::ostream& err) {
  ModuleSet modules;
  if (!LoadModules(modules, o.modules, err)) return 1;
  const std::string folder = o.out.empty() ? "out" : o.out;
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::u8path(folder), ec);
  if (ec) {
    err << "ostrel: cannot create " << folder << ": " << ec.message() << "\n";
    return 1;
  }
  int failures = 0;
  for (const DemoJob& d : DemoJobs()) {
    SceneHolder holder;
    std::string error;
    RenderJob* job = BuildJob(modules, d.spec, holder, error);
    if (job == nullptr) {
      err << "ostrel: " << d.file << ": " << error << "\n";
      ++failures;
      continue;
    }
    const std::string path = (std::filesystem::u8path(folder) / d.file).u8string();
    if (!RenderTo(*job, o.threads, path, d.spec.plugin, out, err)) ++failures;
  }
  return failures == 0 ? 0 : 1;
}

int Scene(Options& o, std::ostream& out, std::ostream& err) {
  if (o.positional.size() < 2) {
    err << "ostrel: scene wants save, load or info and a file\n" << kOstrelUsage;
    return 2;
  }
  const std::string verb = o.positional[0];
  const std::string file = o.positional[1];
  ModuleSet modules;
  if (!LoadModules(modules, o.modules, err)) return 1;
  RegisterOwnClasses();
  std::string error;
  if (verb == "info") {
    if (!PrintSceneInfo(file, out, error)) {
      err << "ostrel: " << error << "\n";
      return 1;
    }
    return 0;
  }
  SceneHolder holder;
  if (verb == "save") {
    if (o.positional.size() != 3) {
      err << "ostrel: scene save wants a file and a plug-in\n";
      return 2;
    }
    o.spec.plugin = o.positional[2];
    RenderJob* job = BuildJob(modules, o.spec, holder, error);
    if (job == nullptr) {
      err << "ostrel: " << error << "\n";
      return 1;
    }
    if (!o.out.empty() && !RenderTo(*job, o.threads, o.out, "render", out, err)) return 1;
    if (!SaveSceneFile(file, {job}, error)) {
      err << "ostrel: " << error << "\n";
      return 1;
    }
    out << "saved " << file << "\n";
    return 0;
  }
  if (verb == "load") {
    if (!LoadSceneFile(file, holder, error)) {
      err << "ostrel: " << error << "\n";
      return 1;
    }
    ReferenceTarget* root = holder.NumRefs() > 0 ? holder.GetReference(0) : nullptr;
    if (root == nullptr || root->ClassID() != RENDER_JOB_CLASS_ID) {
      err << "ostrel: " << file << ": not a scene saved by ostrel (its first object is no render job)\n";
      return 1;
    }
    auto* job = static_cast<RenderJob*>(root);
    return RenderTo(*job, o.threads, o.out.empty() ? "render.png" : o.out, "render", out, err) ? 0 : 1;
  }
  err << "ostrel: unknown scene command \"" << verb << "\"\n";
  return 2;
}

}  // namespace

int RunOstrel(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "help") {
    (args.empty() ? err : out) << kOstrelUsage;
    return args.empty() ? 2 : 0;
  }
  Options o;
  std::string error;
  if (!ParseOptions(args, 1, o, error)) {
    err << "ostrel: " << error << "\n";
    return 2;
  }
  const std::string& command = args[0];
  if (command == "modules") return Modules(o, out, err);
  if (command == "render") return Render(o, out, err);
  if (command == "demo") return Demo(o, out, err);
  if (command == "scene") return Scene(o, out, err);
  err << "ostrel: unknown command \"" << command << "\"\n" << kOstrelUsage;
  return 2;
}
