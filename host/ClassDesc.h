#pragma once
// Class descriptors: how a module tells the host about its plug-in class and makes instances.
#include "host/MaxHeap.h"
#include "host/MaxTypes.h"

class FPInterface;

// The host's category texts for texture maps.
#define TEXMAP_CAT_2D L"2D maps"
#define TEXMAP_CAT_3D L"3D maps"
#define TEXMAP_CAT_COMP L"Compositors"
#define TEXMAP_CAT_COLMOD L"Color Mods"

class HOSTAPI ClassDesc : public MaxHeapOperators {
public:
  ClassDesc();
  ClassDesc(const ClassDesc&) = delete;
  ClassDesc& operator=(const ClassDesc&) = delete;
  virtual ~ClassDesc();

  virtual int IsPublic() = 0;
  virtual void* Create(BOOL loading = FALSE) = 0;
  virtual const wchar_t* ClassName() = 0;
  virtual SClass_ID SuperClassID() = 0;
  virtual Class_ID ClassID() = 0;
  virtual const wchar_t* Category() = 0;
  virtual BOOL OkToCreate();
  virtual const wchar_t* InternalName();  // host default: null
  virtual HINSTANCE HInstance();          // host default: null
  virtual int NumParamBlockDescs();

  // The published-interface table. Like the host's, a bad index throws TabOutOfRangeException.
  int NumInterfaces() const { return interfaces.Count(); }
  FPInterface* GetInterfaceAt(int i) { return interfaces[i]; }
  void AddInterface(FPInterface* fp) { interfaces.Append(fp); }

private:
  Tab<FPInterface*> interfaces;
};

// The descriptor of the parameter-block-2 system; its defaults need no plug-in code.
class HOSTAPI ClassDesc2 : public ClassDesc {
public:
  ClassDesc2();
  ~ClassDesc2() override;
  int NumParamBlockDescs() override;
  BOOL IsAutoParamBlock();  // FALSE: no parameter-block-2 descriptions are registered
  void ResetClassParams(BOOL fileReset);
};
