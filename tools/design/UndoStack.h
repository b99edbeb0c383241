// Undo and redo over snapshots of a form's text.
//
// Every change the designer makes is kept as the text the form had before it.
// Undoing hands back that text and keeps the text of now for redoing; a new
// change forgets what could be redone. The oldest steps go once more than
// kMaxSteps are kept, so a long session holds a bounded history.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace Tools {

class TUndoStack {
 public:
  static constexpr std::size_t kMaxSteps = 500;

  // A change was made; `before` is the text the form had until then.
  void Push(std::string before);
  // The text to go back to, given the text of now; nothing when there is no step.
  std::optional<std::string> Undo(std::string now);
  std::optional<std::string> Redo(std::string now);
  bool CanUndo() const { return !FUndo.empty(); }
  bool CanRedo() const { return !FRedo.empty(); }
  void Clear();

 private:
  std::deque<std::string> FUndo;
  std::vector<std::string> FRedo;
};

}  // namespace Tools
