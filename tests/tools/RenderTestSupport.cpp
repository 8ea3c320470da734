#include "RenderTestSupport.h"

#include <gtest/gtest.h>

#include "tools/Platform.h"

namespace {
// Never destroyed at exit: the host's class registry may be gone by then.
ModuleSet* realModules = nullptr;
}  // namespace

const ModuleSet& RealModules() {
  if (!realModules) {
    realModules = new ModuleSet();
    std::string error;
    EXPECT_TRUE(realModules->LoadFolder(ExecutableFolder(), error)) << error;
  }
  return *realModules;
}

void ReleaseRealModules() {
  delete realModules;
  realModules = nullptr;
}

Image RenderJobNow(RenderJob& job, int threads, std::unique_ptr<Frame>* frame) {
  RenderSettings settings;
  settings.width = job.width;
  settings.height = job.height;
  settings.time = job.time;
  settings.threads = threads;
  auto f = std::make_unique<Frame>(BuildLayout(job.layout), job.Materials(), settings);
  Image image = f->Render();
  if (frame != nullptr) *frame = std::move(f);
  return image;
}

std::unique_ptr<RenderedJob> RenderSpec(const JobSpec& spec, int threads) {
  auto r = std::make_unique<RenderedJob>();
  std::string error;
  r->job = BuildJob(RealModules(), spec, r->holder, error);
  EXPECT_NE(r->job, nullptr) << spec.plugin << ": " << error;
  if (r->job != nullptr) r->image = RenderJobNow(*r->job, threads, &r->frame);
  return r;
}
