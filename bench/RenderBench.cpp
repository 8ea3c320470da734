// Render throughput per plug-in through its loaded module: samples per second on 1 and 2
// threads, then the speed-up from 1 to 2 threads (the target is at least 1.8).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "host/SceneFile.h"
#include "tools/Jobs.h"
#include "tools/ModuleSet.h"
#include "tools/Platform.h"
#include "tools/Renderer.h"

namespace {

ModuleSet& Modules() {
  static ModuleSet* modules = [] {
    auto* m = new ModuleSet();
    std::string error;
    if (!m->LoadFolder(ExecutableFolder(), error)) std::fprintf(stderr, "%s\n", error.c_str());
    return m;
  }();
  return *modules;
}

std::map<std::string, double>& Rates() {
  static std::map<std::string, double> rates;
  return rates;
}

void RenderDemo(benchmark::State& state, std::size_t which) {
  DemoJob demo = DemoJobs()[which];
  SceneHolder holder;
  std::string error;
  RenderJob* job = BuildJob(Modules(), demo.spec, holder, error);
  if (job == nullptr) {
    state.SkipWithError(error.c_str());
    return;
  }
  RenderSettings settings;
  settings.width = 240;
  settings.height = 180;
  settings.threads = static_cast<int>(state.range(0));
  Frame frame(BuildLayout(job->layout), job->Materials(), settings);
  long long samples = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(frame.Render());
    samples += frame.SamplesTaken();
  }
  state.counters["samples/s"] = benchmark::Counter(static_cast<double>(samples), benchmark::Counter::kIsRate);
  state.counters["threads"] = static_cast<double>(settings.threads);
}

// Keeps the rates so that the speed-up can be reported after the runs.
class ScalingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      auto it = run.counters.find("samples/s");
      if (it != run.counters.end()) Rates()[run.benchmark_name()] = it->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<DemoJob> demos = DemoJobs();
  for (std::size_t i = 0; i < demos.size(); ++i) {
    benchmark::RegisterBenchmark(("Render/" + demos[i].spec.plugin).c_str(),
                                 [i](benchmark::State& s) { RenderDemo(s, i); })
        ->Arg(1)
        ->Arg(2)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
  benchmark::Initialize(&argc, argv);
  ScalingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const DemoJob& d : demos) {
    const std::string base = "Render/" + d.spec.plugin;
    const auto one = Rates().find(base + "/1/real_time");
    const auto two = Rates().find(base + "/2/real_time");
    if (one == Rates().end() || two == Rates().end() || one->second <= 0.0) continue;
    std::printf("%-24s 1 -> 2 threads: %.2fx (target 1.8x)\n", d.spec.plugin.c_str(),
                two->second / one->second);
  }
  benchmark::Shutdown();
  return 0;
}
