// The history of an editing session: each step that changed a picture, with
// the pictures it left, so that any step can be gone back to; and the recipe
// steps of all of them, so that the result can be made again from the
// original files. Pictures beyond the memory budget go to the working
// folder; past the disk budget the oldest steps can no longer be gone back
// to (their recipe steps stay), never the current one.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "session/history/session_state.h"
#include "session/history/stored_picture.h"
#include "session/recipe/recipe.h"

namespace pixmora {

struct HistoryBudget {
  size_t memoryBytes;  // pictures kept in memory
  size_t diskBytes;    // pictures kept in the working folder
};

// A share of this machine's memory and of the working folder's free space.
HistoryBudget DefaultHistoryBudget(const std::string& workingFolder);

class History {
 public:
  struct Entry {
    std::string name;               // "Grayscale", "Open image A a.png"
    std::string details;            // what it read: "strength 0.7, image B b.png"
    std::vector<RecipeStep> steps;  // what it did
  };

  History(std::string workingFolder, HistoryBudget budget);

  // The state after start-up and the steps that made it (the start pattern
  // and shape opened); the history starts over.
  void Start(const SessionState& state, std::vector<RecipeStep> steps);
  // A step taken from the current position, made of one recipe step or
  // more (a chained command and its hand-on): the steps after it (those
  // undone) go. May put older pictures into files, or drop the oldest steps.
  void Record(const std::string& name, const std::string& details, std::vector<RecipeStep> steps,
              const SessionState& state);

  size_t Position() const { return position_; }
  size_t FirstReachable() const { return first_; }
  const std::vector<Entry>& Entries() const { return entries_; }
  bool CanUndo() const { return position_ > first_; }
  bool CanRedo() const { return position_ + 1 < entries_.size(); }

  // The state of entry index (FirstReachable() .. Entries().size() - 1),
  // which becomes the position; fails when a picture of it cannot be read
  // back (the position then stays).
  Result<SessionState> GoTo(size_t index);
  // The same without moving.
  Result<SessionState> PeekState(size_t index);
  // The step at the position taken again another way (with other values):
  // it takes that step's place, and the steps after it go.
  void ReplaceCurrent(const std::string& name, const std::string& details, std::vector<RecipeStep> steps,
                      const SessionState& state);

  // The steps from the start to the position.
  Recipe RecipeToHere() const;
  // Where a picture came from by the position: its file's name, "the result"
  // when a result was handed on, empty when it was never opened.
  std::string SourceOf(Slot slot) const;
  // Another memory budget: pictures beyond it go to files at once.
  void SetMemoryBudget(size_t bytes);
  // What the last Record had to give up, for a status note (empty if nothing).
  const std::string& Note() const { return note_; }

 private:
  using StoredState = std::array<std::shared_ptr<StoredPicture>, kSlotCount>;
  struct Geometry {
    int width = 0, height = 0;
  };
  StoredState Store(const SessionState& state);
  std::shared_ptr<StoredPicture> OldestInMemory() const;
  void KeepWithinBudget();
  size_t Bytes(bool inMemory) const;

  std::string folder_;
  HistoryBudget budget_;
  std::vector<Entry> entries_;
  std::vector<StoredState> states_;  // empty for an entry no longer reachable
  std::vector<std::array<Geometry, kSlotCount>> sizes_;
  std::vector<std::optional<Selection>> selections_;
  size_t position_ = 0;
  size_t first_ = 0;
  int files_ = 0;
  std::string note_;
};

}  // namespace pixmora
