// Persistent objects, components and their ownership, events, and the class registry.
//
// Ownership: a component created with an owner is owned by it; the owner destroys
// its components (the last created first) when it is destroyed. A component without
// an owner belongs to whoever holds it, normally in a std::unique_ptr. Destroying an
// owned component early removes it from its owner's list.
#pragma once

#include <functional>
#include <string>
#include <string_view>
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

class TComponent : public TPersistent {
  TOLLEN_CLASS(TComponent)
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
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

  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;  // owned: destroyed with this component
  std::string FName;
  std::int64_t FTag = 0;
};

// Stored forms name classes; only registered classes can be created by name.
void RegisterClass(System::TClass cls);
System::TClass GetClass(std::string_view name);  // null when unknown

}  // namespace Classes
