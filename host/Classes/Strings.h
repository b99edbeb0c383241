// TStrings and TStringList: an ordered list of strings, the host's way.
//
// A sorted list keeps its strings in order as they are added (case-insensitive, as
// the host compares); Duplicates says what adding an existing string to a sorted
// list does. OnChange fires after every change, Assign included.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Classes.h"

namespace Classes {

enum class TDuplicates { dupIgnore, dupAccept, dupError };
using enum TDuplicates;

class EStringListError : public SysUtils::Exception {
 public:
  using Exception::Exception;
};

class TStrings : public TPersistent {
  TOLLEN_CLASS(TStrings)
 public:
  virtual int Count() const = 0;
  virtual const std::string& Get(int index) const = 0;
  virtual int Add(const std::string& s) = 0;
  virtual void Insert(int index, const std::string& s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  const std::string& operator[](int index) const { return Get(index); }
  void Append(const std::string& s) { Add(s); }
  virtual int IndexOf(std::string_view s) const;
  // The lines joined, each ended by CR LF.
  std::string Text() const;
  void Assign(const TPersistent* source) override;
  std::vector<std::string> ToVector() const;

 protected:
  // Between these, a series of changes reports once.
  virtual void BeginUpdate() {}
  virtual void EndUpdate() {}
};

class TStringList : public TStrings {
  TOLLEN_CLASS(TStringList)
 public:
  TStringList() = default;

  int Count() const override { return static_cast<int>(FItems.size()); }
  const std::string& Get(int index) const override;
  int Add(const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;
  int IndexOf(std::string_view s) const override;
  // Where `s` is or would go in a sorted list; true when found.
  bool Find(std::string_view s, int& index) const;

  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates value) { FDuplicates = value; }
  int Capacity() const { return static_cast<int>(FItems.capacity()); }
  // Below the count it is ignored; otherwise the storage holds exactly that many.
  void SetCapacity(int value);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void BeginUpdate() override;
  void EndUpdate() override;

 private:
  void Changing();
  void Changed();
  void CheckIndex(int index, int count) const;

  std::vector<std::string> FItems;
  bool FSorted = false;
  TDuplicates FDuplicates = dupIgnore;
  int FUpdateCount = 0;
};

int CompareText(std::string_view a, std::string_view b);

}  // namespace Classes
