#pragma once
// Shared by the host program's tests: the real modules, loaded once, and renders of jobs.
#include <memory>
#include <string>

#include "host/SceneFile.h"
#include "tools/Jobs.h"
#include "tools/ModuleSet.h"
#include "tools/Renderer.h"

// The real modules from the folder of the test program (the build's bin folder).
const ModuleSet& RealModules();
// Unloads them again, for tests that load modules themselves; no object of theirs may be alive.
void ReleaseRealModules();

// A job with its materials, its frame and its image.
struct RenderedJob {
  SceneHolder holder;
  RenderJob* job = nullptr;
  std::unique_ptr<Frame> frame;
  Image image;
};

// Builds and renders `spec`; fails the current test (and leaves `job` null) when it cannot.
std::unique_ptr<RenderedJob> RenderSpec(const JobSpec& spec, int threads = 2);
// Renders an existing job.
Image RenderJobNow(RenderJob& job, int threads, std::unique_ptr<Frame>* frame = nullptr);
