// RecordList: the owned, growable, 1-based list that window records keep their entries in.
#pragma once
#include <cstddef>
#include <utility>
#include <vector>

namespace skin {

// Positions run from 1 to Count(); 0 means "none" everywhere in the engine. A new list holds
// one all-zero entry, which the first real element takes over (TakeEntry), so code that walks
// a list must expect entries whose window is 0.
template <class T>
class RecordList {
public:
    RecordList() : items_(1) {}

    int Count() const { return static_cast<int>(items_.size()); }
    bool Contains(int position) const { return position >= 1 && position <= Count(); }

    // The entry at `position`; the position must be valid (see Contains).
    T& At(int position) { return items_[static_cast<std::size_t>(position - 1)]; }
    const T& At(int position) const { return items_[static_cast<std::size_t>(position - 1)]; }

    // The entry at `position`, or null when there is none: for positions read from window
    // properties, which other code can change.
    T* Find(int position) { return Contains(position) ? &At(position) : nullptr; }
    const T* Find(int position) const { return Contains(position) ? &At(position) : nullptr; }

    // The entry a new element goes into: the lone placeholder when the list holds exactly one
    // entry and `isEmpty` says it is unused, else a new all-zero entry at the end. Returns its
    // position.
    template <class IsEmpty>
    int TakeEntry(IsEmpty isEmpty) {
        if (items_.size() == 1 && isEmpty(items_.front())) return 1;
        items_.emplace_back();
        return Count();
    }

    // The same, for element types that name their window through EntryWindow(entry).
    int TakeEntry() {
        return TakeEntry([](const T& entry) { return EntryWindow(entry) == nullptr; });
    }

    // Appends `item` and returns its position.
    int Append(T item) {
        items_.push_back(std::move(item));
        return Count();
    }

    // Leaves the list with no entries at all (not even the placeholder).
    void Clear() { items_.clear(); }

    // Removes the entry at `position`; the entries after it move down by one.
    void RemoveAt(int position) {
        if (Contains(position)) items_.erase(items_.begin() + (position - 1));
    }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<T> items_;
};

}  // namespace skin
