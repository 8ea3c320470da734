#include "tests/scene/SceneTestClasses.h"

#include <new>

#include "host/ChunkIO.h"
#include "host/ClassDesc.h"
#include "host/ParamBlockPLCB.h"
#include "host/SceneFile.h"

namespace {

int live = 0;

template <class T>
class TestDesc : public ClassDesc {
 public:
  TestDesc(SClass_ID sclass, Class_ID cid) : sclass(sclass), cid(cid) {}
  int IsPublic() override { return 0; }
  void* Create(BOOL) override { return new (std::nothrow) T; }
  const wchar_t* ClassName() override { return L"test class"; }
  SClass_ID SuperClassID() override { return sclass; }
  Class_ID ClassID() override { return cid; }
  const wchar_t* Category() override { return L""; }

 private:
  SClass_ID sclass;
  Class_ID cid;
};

IOResult writeAll(ISave* isave, const void* buf, ULONG n) {
  ULONG written = 0;
  const IOResult r = isave->Write(buf, n, &written);
  return r == IO_OK && written == n ? IO_OK : IO_ERROR;
}

IOResult readAll(ILoad* iload, void* buf, ULONG n) {
  ULONG got = 0;
  const IOResult r = iload->Read(buf, n, &got);
  return r == IO_OK && got == n ? IO_OK : IO_ERROR;
}

const ParamBlockDescID kNodeLayout[] = {
    {TYPE_FLOAT, nullptr, TRUE, 1}, {TYPE_RGBA, nullptr, TRUE, 2}, {TYPE_INT, nullptr, FALSE, 3}};
const ParamVersionDesc kOldVersions[] = {{kVersion1Layout, 8, 1}};
const ParamVersionDesc kCurrentVersion = {kVersion2Layout, 10, 2};

}  // namespace

const ParamBlockDescID kVersion1Layout[8] = {{TYPE_FLOAT, nullptr, TRUE, 1}, {TYPE_FLOAT, nullptr, TRUE, 2},
                                             {TYPE_FLOAT, nullptr, TRUE, 3}, {TYPE_FLOAT, nullptr, TRUE, 4},
                                             {TYPE_FLOAT, nullptr, TRUE, 5}, {TYPE_FLOAT, nullptr, TRUE, 6},
                                             {TYPE_RGBA, nullptr, TRUE, 7},  {TYPE_RGBA, nullptr, TRUE, 8}};
const ParamBlockDescID kVersion2Layout[10] = {
    {TYPE_FLOAT, nullptr, TRUE, 10}, {TYPE_RGBA, nullptr, TRUE, 8},  {TYPE_FLOAT, nullptr, TRUE, 1},
    {TYPE_FLOAT, nullptr, TRUE, 2},  {TYPE_FLOAT, nullptr, TRUE, 3}, {TYPE_FLOAT, nullptr, TRUE, 4},
    {TYPE_FLOAT, nullptr, TRUE, 5},  {TYPE_FLOAT, nullptr, TRUE, 6}, {TYPE_RGBA, nullptr, TRUE, 7},
    {TYPE_FLOAT, nullptr, TRUE, 9}};

int LiveTestObjects() { return live; }

TestNode::TestNode() {
  ++live;
  ReplaceReference(0, CreateParameterBlock(kNodeLayout, 3, 1), TRUE);
}
TestNode::~TestNode() {
  DeleteAllRefsFromMe();
  --live;
}

IParamBlock* TestNode::Block() {
  ReferenceTarget* t = slots[0];
  return t != nullptr && t->SuperClassID() == PARAMETER_BLOCK_CLASS_ID ? static_cast<IParamBlock*>(t)
                                                                       : nullptr;
}

RefTargetHandle TestNode::GetReference(int i) { return i >= 0 && i < kSlots ? slots[i] : nullptr; }
void TestNode::SetReference(int i, RefTargetHandle t) {
  if (i >= 0 && i < kSlots) slots[i] = t;
}

IOResult TestNode::Save(ISave* isave) {
  isave->BeginChunk(NODE_INFO_CHUNK);
  isave->BeginChunk(NODE_TAG_CHUNK);
  const unsigned char bytes[4] = {static_cast<unsigned char>(tag), static_cast<unsigned char>(tag >> 8),
                                  static_cast<unsigned char>(tag >> 16),
                                  static_cast<unsigned char>(tag >> 24)};
  if (writeAll(isave, bytes, 4) != IO_OK) return IO_ERROR;
  isave->EndChunk();
  isave->BeginChunk(NODE_LABEL_CHUNK);
  isave->WriteWString(label.c_str());
  isave->EndChunk();
  isave->EndChunk();
  if (!blob.empty()) {
    isave->BeginChunk(NODE_BLOB_CHUNK);
    if (writeAll(isave, blob.data(), static_cast<ULONG>(blob.size())) != IO_OK) return IO_ERROR;
    isave->EndChunk();
  }
  return IO_OK;
}

IOResult TestNode::Load(ILoad* iload) {
  IOResult r;
  while ((r = iload->OpenChunk()) == IO_OK) {
    IOResult inner = IO_OK;
    switch (iload->CurChunkID()) {
      case NODE_INFO_CHUNK:
        while (inner == IO_OK && (inner = iload->OpenChunk()) == IO_OK) {
          if (iload->CurChunkID() == NODE_TAG_CHUNK) {
            unsigned char b[4] = {};
            inner = readAll(iload, b, 4);
            tag = static_cast<int>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<unsigned>(b[3]) << 24));
          } else if (iload->CurChunkID() == NODE_LABEL_CHUNK) {
            WStr s;
            inner = iload->ReadWStringChunk(s);
            label = s.str();
          }
          if (inner == IO_OK) inner = iload->CloseChunk();
        }
        if (inner == IO_END) inner = IO_OK;
        break;
      case NODE_BLOB_CHUNK:
        blob.resize(iload->CurChunkLength());
        inner = readAll(iload, blob.data(), static_cast<ULONG>(blob.size()));
        break;
      default:
        break;
    }
    if (inner != IO_OK) return inner;
    if ((r = iload->CloseChunk()) != IO_OK) return r;
  }
  return r == IO_END ? IO_OK : r;
}

TestLeaf::TestLeaf() { ++live; }
TestLeaf::~TestLeaf() { --live; }

IOResult TestLeaf::Save(ISave* isave) {
  isave->BeginChunk(LEAF_VALUE_CHUNK);
  const IOResult r = writeAll(isave, &value, sizeof value);  // both builds are little-endian
  isave->EndChunk();
  return r;
}

IOResult TestLeaf::Load(ILoad* iload) {
  IOResult r;
  while ((r = iload->OpenChunk()) == IO_OK) {
    if (iload->CurChunkID() == LEAF_VALUE_CHUNK && readAll(iload, &value, sizeof value) != IO_OK)
      return IO_ERROR;
    if ((r = iload->CloseChunk()) != IO_OK) return r;
  }
  return r == IO_END ? IO_OK : r;
}

VersionedNode::VersionedNode() {
  ++live;
  ReplaceReference(0, CreateParameterBlock(kVersion2Layout, 10, 2), TRUE);
}
VersionedNode::~VersionedNode() {
  DeleteAllRefsFromMe();
  --live;
}

void VersionedNode::SetReference(int i, RefTargetHandle t) {
  if (i == 0)
    block = t != nullptr && t->SuperClassID() == PARAMETER_BLOCK_CLASS_ID ? static_cast<IParamBlock*>(t)
                                                                          : nullptr;
}

IOResult VersionedNode::Load(ILoad* iload) {
  iload->RegisterPostLoadCallback(new ParamBlockPLCB(kOldVersions, 1, &kCurrentVersion, this, 0));
  return IO_OK;
}

void RegisterSceneTestClasses() {
  static TestDesc<TestNode> node(TEST_NODE_SUPER, TEST_NODE_CLASS);
  static TestDesc<TestLeaf> leaf(TEST_LEAF_SUPER, TEST_LEAF_CLASS);
  static TestDesc<VersionedNode> versioned(TEST_NODE_SUPER, TEST_VERSIONED_CLASS);
  RegisterClassDesc(&node);
  RegisterClassDesc(&leaf);
  RegisterClassDesc(&versioned);
}
