#include "Classes/Strings.h"

#include <algorithm>
#include <cctype>

namespace Classes {

int CompareText(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    int x = std::toupper(static_cast<unsigned char>(a[i]));
    int y = std::toupper(static_cast<unsigned char>(b[i]));
    if (x != y) return x - y;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

// ---- TStrings ----

System::TClass TStrings::StaticClass() {
  static const System::TClassInfo info{"TStrings", TPersistent::StaticClass()};
  return &info;
}

int TStrings::IndexOf(std::string_view s) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareText(Get(i), s) == 0) return i;
  return -1;
}

std::string TStrings::Text() const {
  std::string out;
  for (int i = 0; i < Count(); ++i) out += Get(i) + "\r\n";
  return out;
}

std::vector<std::string> TStrings::ToVector() const {
  std::vector<std::string> out;
  for (int i = 0; i < Count(); ++i) out.push_back(Get(i));
  return out;
}

void TStrings::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TStrings*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  std::vector<std::string> lines = other->ToVector();  // the source may be this list
  struct TUpdate {
    TStrings& List;
    explicit TUpdate(TStrings& l) : List(l) { List.BeginUpdate(); }
    ~TUpdate() { List.EndUpdate(); }
  } update(*this);
  Clear();
  for (const std::string& s : lines) Add(s);
}

// ---- TStringList ----

System::TClass TStringList::StaticClass() {
  static const System::TClassInfo info{"TStringList", TStrings::StaticClass()};
  return &info;
}

void TStringList::CheckIndex(int index, int count) const {
  if (index < 0 || index >= count)
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& TStringList::Get(int index) const {
  CheckIndex(index, Count());
  return FItems[static_cast<std::size_t>(index)];
}

bool TStringList::Find(std::string_view s, int& index) const {
  auto it = std::lower_bound(
      FItems.begin(), FItems.end(), s,
      [](const std::string& a, std::string_view b) { return CompareText(a, b) < 0; });
  index = static_cast<int>(it - FItems.begin());
  return it != FItems.end() && CompareText(*it, s) == 0;
}

int TStringList::IndexOf(std::string_view s) const {
  if (!FSorted) return TStrings::IndexOf(s);
  int index = 0;
  return Find(s, index) ? index : -1;
}

int TStringList::Add(const std::string& s) {
  int index = Count();
  if (FSorted) {
    if (Find(s, index)) {
      if (FDuplicates == dupIgnore) return index;
      if (FDuplicates == dupError) throw EStringListError("String list does not allow duplicates");
      while (index < Count() && CompareText(FItems[static_cast<std::size_t>(index)], s) == 0)
        ++index;
    }
  }
  Changing();
  FItems.insert(FItems.begin() + index, s);
  Changed();
  return index;
}

void TStringList::Insert(int index, const std::string& s) {
  if (FSorted) throw EStringListError("Operation not allowed on sorted string list");
  CheckIndex(index, Count() + 1);
  Changing();
  FItems.insert(FItems.begin() + index, s);
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count());
  Changing();
  FItems.erase(FItems.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  FItems.clear();
  Changed();
}

void TStringList::SetSorted(bool value) {
  if (FSorted == value) return;
  if (value) {
    Changing();
    std::stable_sort(FItems.begin(), FItems.end(), [](const std::string& a, const std::string& b) {
      return CompareText(a, b) < 0;
    });
    FSorted = true;
    Changed();
  } else {
    FSorted = false;
  }
}

void TStringList::SetCapacity(int value) {
  if (value < Count()) return;
  auto wanted = static_cast<std::size_t>(value);
  if (wanted > FItems.capacity()) {
    FItems.reserve(wanted);
  } else if (wanted < FItems.capacity()) {
    std::vector<std::string> exact;
    exact.reserve(wanted);
    std::move(FItems.begin(), FItems.end(), std::back_inserter(exact));
    FItems.swap(exact);
  }
}

void TStringList::BeginUpdate() {
  if (FUpdateCount == 0) Changing();
  ++FUpdateCount;
}

void TStringList::EndUpdate() {
  if (--FUpdateCount == 0) Changed();
}

void TStringList::Changing() {
  if (FUpdateCount == 0) OnChanging(this);
}

void TStringList::Changed() {
  if (FUpdateCount == 0) OnChange(this);
}

}  // namespace Classes
