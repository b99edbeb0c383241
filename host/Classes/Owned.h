// What a control owns, and how it lets it go.
//
// A control holds each object it makes itself (a pen, a list, a timer) in a
// std::unique_ptr member, and the objects it takes over from callers (a clock's
// hands) in a TTakenOver. Its destructor frees them with FreeInOrder, in the order
// the control documents, before the inherited destructor runs: left to the
// members' own destruction they would go in reverse declaration order, and a
// subclass's objects must go before its base's.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <utility>

namespace Classes {

// N slots of objects taken over from callers. One object may sit in several slots;
// it is freed once, when no slot holds it any more or when the holder is reset.
template <typename T, std::size_t N>
class TTakenOver {
 public:
  TTakenOver() = default;
  TTakenOver(const TTakenOver&) = delete;
  TTakenOver& operator=(const TTakenOver&) = delete;
  ~TTakenOver() { FreeAll(); }

  T* operator[](std::size_t slot) const { return FSlots.at(slot); }

  // Puts `value` in `slot` and owns it from now on; the object the slot held is
  // freed unless another slot still holds it. A null value is ignored (false).
  bool Take(std::size_t slot, T* value) {
    if (value == nullptr) return false;
    T* replaced = std::exchange(FSlots.at(slot), value);
    if (replaced != value && !Holds(replaced)) delete replaced;
    return true;
  }

  // Frees every object held, in slot order, each once.
  void FreeAll() {
    for (T*& held : FSlots) {
      T* object = std::exchange(held, nullptr);
      if (object == nullptr) continue;
      std::replace(FSlots.begin(), FSlots.end(), object, static_cast<T*>(nullptr));
      delete object;
    }
  }

 private:
  bool Holds(const T* object) const {
    return std::find(FSlots.begin(), FSlots.end(), object) != FSlots.end();
  }

  std::array<T*, N> FSlots{};
};

template <typename T>
void FreeOwned(std::unique_ptr<T>& owned) {
  owned.reset();
}
template <typename T, std::size_t N>
void FreeOwned(TTakenOver<T, N>& owned) {
  owned.FreeAll();
}

// Frees owned objects (unique_ptr or TTakenOver members) in the order given.
template <typename... TOwner>
void FreeInOrder(TOwner&... owners) {
  (FreeOwned(owners), ...);
}

}  // namespace Classes
