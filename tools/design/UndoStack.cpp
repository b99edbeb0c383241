#include "UndoStack.h"

#include <utility>

namespace Tools {

void TUndoStack::Push(std::string before) {
  FUndo.push_back(std::move(before));
  if (FUndo.size() > kMaxSteps) FUndo.pop_front();
  FRedo.clear();
}

std::optional<std::string> TUndoStack::Undo(std::string now) {
  if (FUndo.empty()) return std::nullopt;
  std::string back = std::move(FUndo.back());
  FUndo.pop_back();
  FRedo.push_back(std::move(now));
  return back;
}

std::optional<std::string> TUndoStack::Redo(std::string now) {
  if (FRedo.empty()) return std::nullopt;
  std::string forward = std::move(FRedo.back());
  FRedo.pop_back();
  FUndo.push_back(std::move(now));
  return forward;
}

void TUndoStack::Clear() {
  FUndo.clear();
  FRedo.clear();
}

}  // namespace Tools
