#pragma once
// Small reference targets for scene-file tests and the fuzzer: a node with a parameter block,
// three free slots and nested chunks of its own, a leaf of another super class, and a node
// whose block is versioned and converted after loading.
#include <string>
#include <vector>

#include "host/ParamBlock.h"
#include "host/Reference.h"

constexpr SClass_ID TEST_NODE_SUPER = 0x7E50;
constexpr SClass_ID TEST_LEAF_SUPER = 0x7E51;
constexpr Class_ID TEST_NODE_CLASS(0x7E570001, 0x00000001);
constexpr Class_ID TEST_LEAF_CLASS(0x7E570002, 0x00000001);
constexpr Class_ID TEST_VERSIONED_CLASS(0x7E570003, 0x00000001);

// The node's own chunks: 0x0500 holds 0x0501 (tag, i32) and 0x0502 (label, string); 0x0503 a blob.
constexpr USHORT NODE_INFO_CHUNK = 0x0500;
constexpr USHORT NODE_TAG_CHUNK = 0x0501;
constexpr USHORT NODE_LABEL_CHUNK = 0x0502;
constexpr USHORT NODE_BLOB_CHUNK = 0x0503;
constexpr USHORT LEAF_VALUE_CHUNK = 0x0600;

// Objects of the classes below now alive; a failed load must leave it where it was.
int LiveTestObjects();

class TestNode : public ReferenceTarget {
 public:
  static constexpr int kSlots = 4;  // 0: parameter block, 1..3: any target
  TestNode();  // always makes a default block, the way plug-ins ignoring the loading flag do
  ~TestNode() override;

  int tag = 0;
  std::wstring label;
  std::vector<unsigned char> blob;

  IParamBlock* Block();
  void SetRef(int i, ReferenceTarget* t) { ReplaceReference(i, t, TRUE); }

  Class_ID ClassID() override { return TEST_NODE_CLASS; }
  SClass_ID SuperClassID() override { return TEST_NODE_SUPER; }
  void GetClassName(WStr& s) override { s = L"Test Node"; }
  int NumRefs() override { return kSlots; }
  RefTargetHandle GetReference(int i) override;
  IOResult Save(ISave* isave) override;
  IOResult Load(ILoad* iload) override;

 protected:
  void SetReference(int i, RefTargetHandle t) override;

 private:
  ReferenceTarget* slots[kSlots] = {};
};

class TestLeaf : public ReferenceTarget {
 public:
  TestLeaf();
  ~TestLeaf() override;
  float value = 0.0f;
  Class_ID ClassID() override { return TEST_LEAF_CLASS; }
  SClass_ID SuperClassID() override { return TEST_LEAF_SUPER; }
  void GetClassName(WStr& s) override { s = L"Test Leaf"; }
  IOResult Save(ISave* isave) override;
  IOResult Load(ILoad* iload) override;
};

// Its block has ten parameters in version 2, in another order than the eight of version 1.
extern const ParamBlockDescID kVersion1Layout[8];
extern const ParamBlockDescID kVersion2Layout[10];

class VersionedNode : public ReferenceTarget {
 public:
  VersionedNode();
  ~VersionedNode() override;
  IParamBlock* Block() { return block; }
  void SetBlock(IParamBlock* b) { ReplaceReference(0, b, TRUE); }
  Class_ID ClassID() override { return TEST_VERSIONED_CLASS; }
  SClass_ID SuperClassID() override { return TEST_NODE_SUPER; }
  void GetClassName(WStr& s) override { s = L"Versioned Node"; }
  int NumRefs() override { return 1; }
  RefTargetHandle GetReference(int i) override { return i == 0 ? block : nullptr; }
  IOResult Load(ILoad* iload) override;  // registers the block's conversion

 protected:
  void SetReference(int i, RefTargetHandle t) override;

 private:
  IParamBlock* block = nullptr;
};

void RegisterSceneTestClasses();
