#include "host/Hold.h"

#include <algorithm>

struct Hold::Entry {
  WStr name;
  std::vector<RestoreObj*> records;  // in the order the changes were made

  ~Entry() {
    for (RestoreObj* r : records) delete r;
  }
};

Hold theHold;

RestoreObj::~RestoreObj() = default;
int RestoreObj::Size() { return 1; }
void RestoreObj::EndHold() {}
WStr RestoreObj::Description() { return WStr(L""); }

namespace {

// Marks an undo or redo in progress, so that the writes it makes are not recorded again.
class RestoringScope {
 public:
  explicit RestoringScope(bool& flag) : flag(flag), previous(flag) { flag = true; }
  RestoringScope(const RestoringScope&) = delete;
  RestoringScope& operator=(const RestoringScope&) = delete;
  ~RestoringScope() { flag = previous; }

 private:
  bool& flag;
  bool previous;
};

template <class T>
void deleteEntries(std::vector<T*>& entries) {
  for (T* e : entries) delete e;
  entries.clear();
}

}  // namespace

Hold::Hold() = default;

Hold::~Hold() {
  ClearHistory();
  for (RestoreObj* r : pending) delete r;
  pending.clear();
}

void Hold::Begin() {
  marks.push_back(pending.size());
  level = static_cast<int>(marks.size());
}

// An inner Accept hands its records to the enclosing hold; the outermost one makes the entry.
void Hold::Accept(const wchar_t* name) {
  if (marks.empty()) return;
  marks.pop_back();
  level = static_cast<int>(marks.size());
  if (!marks.empty() || pending.empty()) return;

  auto* entry = new Entry;
  entry->name = WStr(name);
  entry->records.swap(pending);
  for (RestoreObj* r : entry->records) r->EndHold();
  deleteEntries(redoStack);
  undoStack.push_back(entry);
}

// Undoes, newest first, what was recorded since the matching Begin, and forgets it.
void Hold::Cancel() {
  if (marks.empty()) return;
  const std::size_t mark = std::min(marks.back(), pending.size());
  marks.pop_back();
  level = static_cast<int>(marks.size());

  std::vector<RestoreObj*> undone(pending.begin() + static_cast<std::ptrdiff_t>(mark), pending.end());
  pending.resize(mark);
  {
    RestoringScope scope(restoring);
    for (auto it = undone.rbegin(); it != undone.rend(); ++it) (*it)->Restore(FALSE);
  }
  for (RestoreObj* r : undone) delete r;
}

BOOL Hold::Holding() { return (!marks.empty() && suspended == 0 && !restoring) ? TRUE : FALSE; }

void Hold::Put(RestoreObj* rob) {
  if (rob == nullptr) return;
  if (Holding()) {
    pending.push_back(rob);
  } else {
    delete rob;
  }
}

void Hold::Suspend() { ++suspended; }

void Hold::Resume() {
  if (suspended > 0) --suspended;
}

BOOL Hold::Restoring() { return restoring ? TRUE : FALSE; }

BOOL Hold::Undo() {
  if (undoStack.empty() || !marks.empty() || restoring) return FALSE;
  Entry* entry = undoStack.back();
  undoStack.pop_back();
  {
    RestoringScope scope(restoring);
    for (auto it = entry->records.rbegin(); it != entry->records.rend(); ++it) (*it)->Restore(TRUE);
  }
  redoStack.push_back(entry);
  return TRUE;
}

BOOL Hold::Redo() {
  if (redoStack.empty() || !marks.empty() || restoring) return FALSE;
  Entry* entry = redoStack.back();
  redoStack.pop_back();
  {
    RestoringScope scope(restoring);
    for (RestoreObj* r : entry->records) r->Redo();
  }
  undoStack.push_back(entry);
  return TRUE;
}

int Hold::NumUndoEntries() const { return static_cast<int>(undoStack.size()); }
int Hold::NumRedoEntries() const { return static_cast<int>(redoStack.size()); }

WStr Hold::UndoEntryName(int i) const {
  if (i < 0 || i >= NumUndoEntries()) return WStr(L"");
  return undoStack[undoStack.size() - 1 - static_cast<std::size_t>(i)]->name;
}

WStr Hold::RedoEntryName(int i) const {
  if (i < 0 || i >= NumRedoEntries()) return WStr(L"");
  return redoStack[redoStack.size() - 1 - static_cast<std::size_t>(i)]->name;
}

void Hold::ClearHistory() {
  deleteEntries(undoStack);
  deleteEntries(redoStack);
}
