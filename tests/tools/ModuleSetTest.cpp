// The module loader against the real modules and a folder of broken ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "RenderTestSupport.h"
#include "host/SceneFile.h"
#include "tools/Commands.h"
#include "tools/ModuleSet.h"
#include "tools/Platform.h"
#include "tools/Text.h"

namespace fs = std::filesystem;

namespace {

const ModuleRecord* RecordOf(const ModuleSet& set, const std::string& file) {
  for (const ModuleRecord& r : set.Records()) {
    if (r.file == file) return &r;
  }
  return nullptr;
}

// A scratch folder removed again at the end of the test.
struct ScratchFolder {
  fs::path path;
  explicit ScratchFolder(const std::string& name) : path(fs::temp_directory_path() / name) {
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

}  // namespace

TEST(ModuleSet, LoadsTheFourRealModulesWithTheirDescriptorValues) {
  ReleaseRealModules();
  ModuleSet set;
  std::string error;
  ASSERT_TRUE(set.LoadFolder(ExecutableFolder(), error)) << error;
  struct Expected {
    const char* file;
    const char* className;
    SClass_ID sclass;
    Class_ID cid;
    int isPublic;
    bool about;
  };
  const Expected table[] = {
      {"clamp.dlt", "Color Clamp", MATERIAL_CLASS_ID, Class_ID(0x6E134CA5, 0x714F791E), 1, true},
      {"Penumbrix.dlt", "Penumbrix", TEXMAP_CLASS_ID, Class_ID(0x49BB437F, 0x2CE82CFD), 0, true},
      {"Filamesh.dlt", "Filamesh", TEXMAP_CLASS_ID, Class_ID(0x749A397B, 0x41FA3843), 1, true},
      {"Facetor.dlt", "Facetor Material", MATERIAL_CLASS_ID, Class_ID(0x7F6967DF, 0x58B22385), 1, false},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.file);
    const ModuleRecord* r = RecordOf(set, e.file);
    ASSERT_NE(r, nullptr);
    ASSERT_TRUE(r->loaded) << r->reason;
    EXPECT_EQ(r->libVersion, 0x52083400u);
    EXPECT_EQ(r->numClasses, 1);
    EXPECT_EQ(r->canAutoDefer, 1u);
    EXPECT_EQ(ToUtf8(r->desc->ClassName()), e.className);
    EXPECT_EQ(r->desc->SuperClassID(), e.sclass);
    EXPECT_EQ(r->desc->ClassID(), e.cid);
    EXPECT_EQ(r->desc->IsPublic(), e.isPublic);
    EXPECT_EQ(r->hasAbout, e.about);
    if (e.about) EXPECT_EQ(ToUtf8(r->buildDate), "Mar 11 2018");
    // Registered, so a scene file can create the class.
    EXPECT_EQ(FindClassDesc(e.sclass, e.cid), r->desc);
  }
  EXPECT_EQ(set.Find("color clamp"), RecordOf(set, "clamp.dlt")->desc);
  EXPECT_EQ(set.Find("FACETOR"), RecordOf(set, "Facetor.dlt")->desc);
  EXPECT_EQ(set.Find("nothing"), nullptr);
}

// Every broken module is reported with its reason and skipped; the good one still loads.
TEST(ModuleSet, SkipsBrokenModulesAndLoadsTheRest) {
  // A copy of a loaded module is another module with the same class; start from none loaded.
  ReleaseRealModules();
  ScratchFolder folder("ostrel-broken-modules");
  const fs::path fixtures = fs::u8path(OSTREL_FIXTURE_DIR);
  fs::copy_file(fs::path(ExecutableFolder()) / "Filamesh.dlt", folder.path / "Filamesh.dlt");
  fs::copy_file(fixtures / "WrongVersion.dlt", folder.path / "WrongVersion.dlt");
  fs::copy_file(fixtures / "NoDescriptor.dlt", folder.path / "NoDescriptor.dlt");
  std::ofstream(folder.path / "Garbage.dlt", std::ios::binary) << "this is not a module";
  std::ofstream(folder.path / "readme.txt") << "not a module either, and not a .dlt";

  ModuleSet set;
  std::string error;
  ASSERT_TRUE(set.LoadFolder(folder.path.u8string(), error)) << error;
  ASSERT_EQ(set.Records().size(), 4u);

  struct Case {
    const char* file;
    bool loaded;
    const char* reasonPart;
  };
  const Case cases[] = {
      {"Filamesh.dlt", true, ""},
      {"Garbage.dlt", false, "cannot be loaded"},
      {"WrongVersion.dlt", false, "answers LibVersion 0x12345678, not 0x52083400"},
      {"NoDescriptor.dlt", false, "has no class descriptor"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const ModuleRecord* r = RecordOf(set, c.file);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->loaded, c.loaded);
    EXPECT_NE(r->reason.find(c.reasonPart), std::string::npos) << r->reason;
  }

  // The command prints the good module in the table and each broken one with its reason.
  std::ostringstream out, err;
  EXPECT_EQ(RunOstrel({"modules", folder.path.u8string()}, out, err), 0);
  const std::string text = out.str();
  EXPECT_NE(text.find("Filamesh.dlt"), std::string::npos) << text;
  EXPECT_NE(text.find("(0x749A397B, 0x41FA3843)"), std::string::npos) << text;
  EXPECT_NE(text.find("skipped Garbage.dlt: cannot be loaded"), std::string::npos) << text;
  EXPECT_NE(text.find("skipped WrongVersion.dlt: answers LibVersion"), std::string::npos) << text;
  EXPECT_NE(text.find("skipped NoDescriptor.dlt: has no class descriptor"), std::string::npos) << text;
}

TEST(ModuleSet, AMissingFolderIsAnErrorNotACrash) {
  std::ostringstream out, err;
  EXPECT_NE(RunOstrel({"modules", "/no/such/folder/anywhere"}, out, err), 0);
  EXPECT_NE(err.str().find("cannot read the plug-in folder"), std::string::npos) << err.str();
}
