// Persistent objects, components and their ownership, events, and the class registry.
//
// Ownership: a component created with an owner is owned by it; the owner destroys
// its components (the last created first) when it is destroyed. A component without
// an owner belongs to whoever holds it, normally in a std::unique_ptr. Destroying an
// owned component early removes it from its owner's list.
//
// Names: the components one owner holds have names unique without regard to the
// case of ASCII letters (an empty name is no name). The owner keeps them in an
// index, so FindComponent takes the same time among 10 or 100,000 components;
// SetName refuses a name another component of the same owner has.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "SysUtils.h"
#include "System.h"

namespace Classes {

using System::TObject;

// A handler bound to an object's method, as the host's method pointers: empty, a
// callable set from code, or a published method bound by name (the name is what
// form files store).
template <typename... Args>
class TEvent {
 public:
  using Handler = std::function<void(Args...)>;
  TEvent() = default;
  template <typename F>
  requires std::is_constructible_v<Handler, F> TEvent(
      F&& handler, std::string methodName = {})  // NOLINT: implicit as a method pointer is
      : FHandler(std::forward<F>(handler)), FMethodName(std::move(methodName)) {}
  TEvent(std::nullptr_t) {}  // NOLINT

  explicit operator bool() const { return static_cast<bool>(FHandler); }
  void operator()(Args... args) const {
    if (FHandler) FHandler(args...);
  }
  const std::string& MethodName() const { return FMethodName; }

 private:
  Handler FHandler;
  std::string FMethodName;
};

using TNotifyEvent = TEvent<TObject*>;

// An object whose attributes can be copied from another with Assign.
class TPersistent : public TObject {
  TOLLEN_CLASS(TPersistent)
 public:
  // Copies `source`'s attributes into this object. The default asks the source to
  // assign itself (AssignTo); a pair that cannot be copied raises EConvertError.
  virtual void Assign(const TPersistent* source);

 protected:
  virtual void AssignTo(TPersistent& dest) const;
};

enum class TComponentStateFlag { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = System::TSet<TComponentStateFlag>;
using enum TComponentStateFlag;

enum class TOperation { opInsert, opRemove };

class EComponentError : public SysUtils::Exception {
 public:
  using Exception::Exception;
};

class TComponent : public TPersistent {
  TOLLEN_CLASS(TComponent)
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  // Raises EComponentError when the owner has another component of that name.
  void SetName(const std::string& name);
  std::int64_t Tag() const { return FTag; }
  void SetTag(std::int64_t tag) { FTag = tag; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents.at(index); }
  TComponent* FindComponent(std::string_view name) const;

  const TComponentState& ComponentState() const { return FComponentState; }
  // Marks this component and everything it owns as being in the designer.
  void SetDesigning(bool designing);
  void SetLoading(bool loading);

  // Called once the stored properties have been read.
  virtual void Loaded();

  // Stored forms nest a component under its parent component; a control takes
  // that as its Parent.
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent*) {}

 protected:
  virtual void Notification(TComponent* component, TOperation operation);
  TComponentState FComponentState;

 private:
  void RemoveComponent(TComponent* component);

  // Case-insensitive hashing and comparison of names, as SysUtils::SameText.
  struct TNameHash {
    std::size_t operator()(std::string_view name) const;
  };
  struct TNameEqual {
    bool operator()(std::string_view a, std::string_view b) const;
  };

  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;  // owned: destroyed with this component
  // The named ones among FComponents; each key views its component's FName.
  std::unordered_map<std::string_view, TComponent*, TNameHash, TNameEqual> FNames;
  std::string FName;
  std::int64_t FTag = 0;
};

// Stored forms name classes; only registered classes can be created by name.
void RegisterClass(System::TClass cls);
System::TClass GetClass(std::string_view name);  // null when unknown

}  // namespace Classes
