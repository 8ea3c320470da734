#pragma once
// The host's undo system. Changes made while holding are recorded as restore objects; an
// accepted hold becomes one named entry in the history.
#include <memory>
#include <vector>

#include "host/MaxHeap.h"
#include "host/MaxTypes.h"

class HOSTAPI RestoreObj : public MaxHeapOperators {
 public:
  virtual ~RestoreObj();
  virtual void Restore(int isUndo) = 0;  // back to the state before the change
  virtual void Redo() = 0;               // forward to the state after it
  virtual int Size();
  virtual void EndHold();
  virtual WStr Description();
};

class HOSTAPI Hold {
 public:
  Hold();
  Hold(const Hold&) = delete;
  Hold& operator=(const Hold&) = delete;
  ~Hold();

  void Begin();  // nests: only the outermost Accept or Cancel ends the hold
  void Accept(const wchar_t* name);
  void Cancel();  // restores the recorded changes at once; leaves no entry
  BOOL Holding();
  void Put(RestoreObj* rob);  // takes ownership; deleted at once when not holding
  void Suspend();
  void Resume();
  BOOL Restoring();  // true while an undo or redo runs

  // The history, as the host's Edit menu shows it; entry 0 is the newest.
  BOOL Undo();
  BOOL Redo();
  int NumUndoEntries() const;
  int NumRedoEntries() const;
  WStr UndoEntryName(int i) const;
  WStr RedoEntryName(int i) const;
  void ClearHistory();

 private:
  struct Entry;
  std::vector<Entry*> undoStack;
  std::vector<Entry*> redoStack;
  std::vector<RestoreObj*> pending;
  std::vector<std::size_t> marks;  // size of `pending` at each open Begin
  int level = 0;
  int suspended = 0;
  bool restoring = false;
};

extern HOSTAPI Hold theHold;
