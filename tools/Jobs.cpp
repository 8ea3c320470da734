#include "tools/Jobs.h"

#include "host/StdMat.h"
#include "tools/ParamAccess.h"

namespace {

// A bright, glossy look whose highlights a colour limit visibly flattens.
void ShowcaseLook(StdMat* m) {
  m->SetDiffuse(Color(0.85f, 0.38f, 0.2f), 0);
  m->SetAmbient(Color(0.85f, 0.38f, 0.2f), 0);
  m->SetSpecular(Color(1.0f, 1.0f, 1.0f), 0);
  m->SetGlossiness(0.45f, 0);
  m->SetShinStr(1.6f, 0);
}

void GroundLook(StdMat* m) {
  m->SetDiffuse(Color(0.62f, 0.62f, 0.6f), 0);
  m->SetAmbient(Color(0.62f, 0.62f, 0.6f), 0);
}

StdMat* AsStdMat(Mtl* m) {
  return m != nullptr && m->ClassID() == DMTL_CLASS_ID ? static_cast<StdMat*>(m) : nullptr;
}

}  // namespace

bool MapSlotFromName(const std::string& name, MapSlot& slot) {
  if (name == "diffuse") return slot = MapSlot::kDiffuse, true;
  if (name == "selfillum") return slot = MapSlot::kSelfIllum, true;
  if (name == "flat") return slot = MapSlot::kFlat, true;
  return false;
}

RenderJob* BuildJob(const ModuleSet& modules, const JobSpec& spec, SceneHolder& holder, std::string& error) {
  ClassDesc* desc = modules.Find(spec.plugin);
  if (desc == nullptr) {
    error = "no loaded plug-in is called \"" + spec.plugin + "\"";
    return nullptr;
  }
  const SClass_ID sclass = desc->SuperClassID();
  if (sclass != MATERIAL_CLASS_ID && sclass != TEXMAP_CLASS_ID) {
    error = "\"" + spec.plugin + "\" is neither a material nor a texture map";
    return nullptr;
  }
  auto* job = new (std::nothrow) RenderJob();
  if (job == nullptr) {
    error = "out of memory";
    return nullptr;
  }
  holder.Add(job);
  job->layout =
      spec.hasLayout ? spec.layout : (sclass == MATERIAL_CLASS_ID ? LayoutId::kSample : LayoutId::kObjects);
  job->width = spec.width;
  job->height = spec.height;
  job->time = spec.time;
  const SceneLayout layout = BuildLayout(job->layout);
  job->SetSlotCount(layout.slots);

  auto* plugin = static_cast<ReferenceTarget*>(static_cast<MtlBase*>(desc->Create(FALSE)));
  if (plugin == nullptr) {
    error = "the plug-in could not be created";
    return nullptr;
  }
  Mtl* main = nullptr;
  if (sclass == MATERIAL_CLASS_ID) {
    main = static_cast<Mtl*>(static_cast<MtlBase*>(plugin));
    if (StdMat* source = AsStdMat(main->NumSubMtls() > 0 ? main->GetSubMtl(0) : nullptr))
      ShowcaseLook(source);
  } else {
    StdMat* carrier = NewDefaultStdMat();
    if (carrier == nullptr) {
      plugin->DeleteThis();
      error = "out of memory";
      return nullptr;
    }
    auto* map = static_cast<Texmap*>(static_cast<MtlBase*>(plugin));
    const MapSlot slot = spec.hasSlot ? spec.slot : MapSlot::kDiffuse;
    carrier->SetSubTexmap(slot == MapSlot::kSelfIllum ? ID_SI : ID_DI, map);
    if (slot == MapSlot::kFlat) {
      carrier->SetSelfIllum(1.0f, 0);
      carrier->SetShinStr(0.0f, 0);
    }
    main = carrier;
  }
  job->SetMaterial(0, main);
  for (int s = 1; s < layout.slots; ++s) {
    StdMat* other = NewDefaultStdMat();
    if (other == nullptr) continue;
    if (job->layout == LayoutId::kPair) {
      ShowcaseLook(other);
    } else {
      GroundLook(other);
    }
    job->SetMaterial(s, other);
  }
  for (const std::string& assignment : spec.sets) {
    if (!SetParameter(plugin, assignment, spec.time, error)) return nullptr;
  }
  return job;
}

std::vector<DemoJob> DemoJobs() {
  std::vector<DemoJob> jobs;
  JobSpec penumbrix;
  penumbrix.plugin = "Penumbrix";
  penumbrix.hasLayout = true;
  penumbrix.layout = LayoutId::kShadow;
  penumbrix.hasSlot = true;
  penumbrix.slot = MapSlot::kFlat;
  // Dark deep blue, Lit warm; the thresholds put the ground where one light arrives half way
  // between, where both arrive (nearly) fully lit.
  penumbrix.sets = {"Color 1=0.05,0.09,0.3", "Color 2=1,0.8,0.45", "#0=0.1", "#1=0.85"};
  jobs.push_back({"penumbrix.png", penumbrix});

  JobSpec filamesh;
  filamesh.plugin = "Filamesh";
  filamesh.hasLayout = true;
  filamesh.layout = LayoutId::kObjects;
  filamesh.sets = {"Wire Color=0.05,0.12,0.3", "Center Color=1,0.95,0.85", "Width=0.08"};
  jobs.push_back({"filamesh.png", filamesh});

  JobSpec clamp;
  clamp.plugin = "Color Clamp";
  clamp.hasLayout = true;
  clamp.layout = LayoutId::kPair;
  // High limits on (#7), well under the highlights of the source on the left.
  clamp.sets = {"#3=200", "#4=150", "#5=120", "#7=1"};
  jobs.push_back({"clamp.png", clamp});

  JobSpec facetor;
  facetor.plugin = "Facetor Material";
  facetor.hasLayout = true;
  facetor.layout = LayoutId::kObjects;
  jobs.push_back({"facetor.png", facetor});

  for (DemoJob& j : jobs) {
    j.spec.width = 480;
    j.spec.height = 360;
  }
  return jobs;
}
