#pragma once
// Render jobs: a plug-in from a loaded module in one of the scene layouts, with its parameters.
#include <string>
#include <vector>

#include "host/SceneFile.h"
#include "tools/ModuleSet.h"
#include "tools/RenderJob.h"

// How a texture map meets the renderer: through a standard material, in its diffuse slot (lit),
// its self-illumination slot (glowing by the map's mono value), or in its diffuse slot with the
// material fully self-illuminated and without highlight, so each sample shows the map's colour.
enum class MapSlot { kDiffuse, kSelfIllum, kFlat };
bool MapSlotFromName(const std::string& name, MapSlot& slot);

struct JobSpec {
  std::string plugin;             // class name, internal name or module file name
  std::vector<std::string> sets;  // NAME=VALUE or #INDEX=VALUE, applied in order
  bool hasLayout = false;         // otherwise by super class: materials "sample", maps "objects"
  LayoutId layout = LayoutId::kSample;
  bool hasSlot = false;  // otherwise kDiffuse
  MapSlot slot = MapSlot::kDiffuse;
  int width = 320;
  int height = 240;
  TimeValue time = 0;
};

// Makes the job and its materials, kept alive by `holder`. Null with `error` set on failure.
RenderJob* BuildJob(const ModuleSet& modules, const JobSpec& spec, SceneHolder& holder, std::string& error);

struct DemoJob {
  const char* file;  // PNG name inside the output folder
  JobSpec spec;
};
// One preview per plug-in.
std::vector<DemoJob> DemoJobs();
