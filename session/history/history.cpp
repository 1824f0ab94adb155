#include "session/history/history.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <set>

#include "core/paths_and_text.h"
#include "session/captions/window_captions.h"

namespace pixmora {

namespace {

constexpr size_t kGiB = size_t{1} << 30;

// Empties states [from, end) of states, their pictures let go of on the files' thread.
template <class State>
void LetGoLater(std::vector<State>& states, size_t from, size_t end) {
  std::vector<std::shared_ptr<StoredPicture>> shares;
  for (size_t i = from; i < end && i < states.size(); ++i)
    for (auto& stored : states[i])
      if (stored) shares.push_back(std::move(stored));
  StoredPicture::LetGoLater(std::move(shares));
}

}  // namespace

HistoryBudget DefaultHistoryBudget(const std::string& workingFolder) {
  const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
  const size_t memory = pages > 0 && pageSize > 0 ? size_t(pages) * size_t(pageSize) : 4 * kGiB;
  struct statvfs fs {};
  const size_t free = statvfs(workingFolder.c_str(), &fs) == 0 ? size_t(fs.f_bavail) * fs.f_frsize : 0;
  // An eighth of the memory (at most 2 GiB: twenty 24-megapixel results);
  // half of the free space, at most 8 GiB.
  return {std::min(memory / 8, 2 * kGiB), std::min(free / 2, 8 * kGiB)};
}

History::History(std::string workingFolder, HistoryBudget budget)
    : folder_(std::move(workingFolder)), budget_(budget) {}

void History::Start(const SessionState& state, std::vector<RecipeStep> steps) {
  entries_ = {Entry{Translate("Start"), "", std::move(steps)}};
  LetGoLater(states_, 0, states_.size());
  states_.clear();
  sizes_.clear();
  selections_ = {state.selection};
  states_.push_back(Store(state));
  sizes_.emplace_back();
  for (size_t i = 0; i < state.size(); ++i) sizes_.back()[i] = {state[i].width, state[i].height};
  position_ = first_ = 0;
  note_.clear();
}

History::StoredState History::Store(const SessionState& state) {
  // A picture some state holds already is shared, not stored twice.
  std::map<const PixelBuffer*, std::shared_ptr<StoredPicture>> known;
  for (const StoredState& s : states_)
    for (const auto& stored : s)
      if (stored && stored->Identity()) known[stored->Identity()] = stored;
  StoredState stored;
  for (size_t i = 0; i < state.size(); ++i) {
    if (!state[i].picture) continue;
    auto& slot = known[state[i].picture.get()];
    if (!slot) slot = std::make_shared<StoredPicture>(state[i].picture);
    stored[i] = slot;
  }
  return stored;
}

void History::Record(const std::string& name, const std::string& details, std::vector<RecipeStep> steps,
                     const SessionState& state) {
  entries_.resize(position_ + 1);
  LetGoLater(states_, position_ + 1, states_.size());
  states_.resize(position_ + 1);
  sizes_.resize(position_ + 1);
  selections_.resize(position_ + 1);
  entries_.push_back(Entry{name, details, std::move(steps)});
  selections_.push_back(state.selection);
  states_.push_back(Store(state));
  sizes_.emplace_back();
  for (size_t i = 0; i < state.size(); ++i) sizes_.back()[i] = {state[i].width, state[i].height};
  position_ = entries_.size() - 1;
  note_.clear();
  KeepWithinBudget();
}

void History::SetMemoryBudget(size_t bytes) {
  budget_.memoryBytes = bytes;
  note_.clear();
  KeepWithinBudget();
}

size_t History::Bytes(bool inMemory) const {
  std::set<const StoredPicture*> counted;
  size_t bytes = 0;
  for (const StoredState& s : states_)
    for (const auto& stored : s)
      if (stored && stored->InMemory() == inMemory && counted.insert(stored.get()).second)
        bytes += stored->Bytes();
  return bytes;
}

std::shared_ptr<StoredPicture> History::OldestInMemory() const {
  const StoredState& current = states_[position_];
  for (size_t i = first_; i < states_.size(); ++i)
    for (const auto& stored : states_[i])
      if (stored && stored->InMemory() &&
          std::find(current.begin(), current.end(), stored) == current.end())
        return stored;
  return nullptr;
}

void History::KeepWithinBudget() {
  // Oldest first, pictures the current state does not show go to files;
  // when the files are full too, the oldest step gives its pictures up.
  size_t dropped = 0;
  while (Bytes(true) > budget_.memoryBytes) {
    const std::shared_ptr<StoredPicture> oldest = OldestInMemory();
    if (!oldest) break;
    // Without a working folder the files would land in the current folder.
    if (!folder_.empty() && Bytes(false) + oldest->Bytes() <= budget_.diskBytes &&
        oldest->MoveToFile(folder_ + "history-" + std::to_string(++files_) + ".raw"))
      continue;
    if (first_ >= position_) break;
    LetGoLater(states_, first_, first_ + 1);
    ++first_;
    ++dropped;
  }
  if (dropped > 0) {
    note_ = Translate("The history keeps no pictures for its oldest steps any more (%1): they can no longer be "
                      "undone");
    if (const size_t at = note_.find("%1"); at != std::string::npos) note_.replace(at, 2, std::to_string(dropped));
    note_ += folder_.empty() ? " (" + Translate("there is no working folder to keep them in") + ")." : ".";
  }
}

Result<SessionState> History::PeekState(size_t index) {
  if (index < first_ || index >= entries_.size())
    return std::unexpected(UsageFailure("the history keeps no pictures for that step"));
  SessionState state;
  for (size_t i = 0; i < state.size(); ++i) {
    const auto& stored = states_[index][i];
    const Result<Picture> picture = stored ? stored->Get() : nullptr;
    if (!picture) return std::unexpected(picture.error());
    state[i] = {*picture, sizes_[index][i].width, sizes_[index][i].height};
  }
  state.selection = selections_[index];
  return state;
}

Result<SessionState> History::GoTo(size_t index) {
  Result<SessionState> state = PeekState(index);
  if (state) position_ = index;
  return state;
}

void History::ReplaceCurrent(const std::string& name, const std::string& details,
                             std::vector<RecipeStep> steps, const SessionState& state) {
  if (position_ == 0) return;  // the start is no step to take again
  --position_;
  Record(name, details, std::move(steps), state);
}

Recipe History::RecipeToHere() const {
  Recipe recipe;
  for (size_t i = 0; i <= position_ && i < entries_.size(); ++i)
    recipe.steps.insert(recipe.steps.end(), entries_[i].steps.begin(), entries_[i].steps.end());
  return recipe;
}

std::string History::SourceOf(Slot slot) const {
  const Recipe recipe = RecipeToHere();
  for (auto it = recipe.steps.rbegin(); it != recipe.steps.rend(); ++it) {
    if (!it->PutsPicture() || it->slot != slot) continue;
    return it->kind == RecipeStep::Kind::HandOn ? "the result" : BaseName(it->file);
  }
  return "";
}

}  // namespace pixmora
