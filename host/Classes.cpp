#include "Classes.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "TypInfo.h"

namespace Classes {

// ---- TPersistent ----

System::TClass TPersistent::StaticClass() {
  static const System::TClassInfo info{"TPersistent", TObject::StaticClass()};
  return &info;
}

void TPersistent::Assign(const TPersistent* source) {
  if (source == nullptr)
    throw SysUtils::EConvertError("Cannot assign a nil to a " + std::string(ClassName()));
  source->AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& dest) const {
  throw SysUtils::EConvertError("Cannot assign a " + std::string(ClassName()) + " to a " +
                                std::string(dest.ClassName()));
}

// ---- TComponent ----

namespace {
const TypInfo::TPropTable& ComponentProps() {
  static const TypInfo::TPropTable table{{
      TypInfo::Prop<&TComponent::Name, &TComponent::SetName>(
          "Name", {.Help = "the component's name, by which its form and the form file know it"}),
      TypInfo::Prop<&TComponent::Tag, &TComponent::SetTag>(
          "Tag", {.Default = 0, .Help = "a number free for the program's own use"}),
  }};
  return table;
}
}  // namespace

System::TClass TComponent::StaticClass() {
  static const System::TClassInfo info{"TComponent", TPersistent::StaticClass(), nullptr,
                                       &ComponentProps()};
  return &info;
}

TComponent::TComponent(TComponent* owner) : FOwner(owner) {
  if (!FOwner) return;
  FOwner->FComponents.push_back(this);
  // What a designed component owns is designed too, from its constructor on.
  if (FOwner->FComponentState.Contains(csDesigning)) FComponentState.Include(csDesigning);
}

TComponent::~TComponent() {
  FComponentState.Include(csDestroying);
  FNames.clear();  // the keys view names about to go
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    FComponents.pop_back();
    last->FOwner = nullptr;
    delete last;  // the owner list is the owner
  }
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find(FComponents.begin(), FComponents.end(), component);
  if (it != FComponents.end()) FComponents.erase(it);
  auto named = FNames.find(component->FName);
  if (named != FNames.end() && named->second == component) FNames.erase(named);
  Notification(component, TOperation::opRemove);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  for (TComponent* c : FComponents)
    if (c != component) c->Notification(component, operation);
}

std::size_t TComponent::TNameHash::operator()(std::string_view name) const {
  std::size_t hash = 14695981039346656037u;  // FNV-1a over the lower-case letters
  for (char ch : name) {
    hash ^= static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(ch)));
    hash *= 1099511628211u;
  }
  return hash;
}

bool TComponent::TNameEqual::operator()(std::string_view a, std::string_view b) const {
  return SysUtils::SameText(a, b);
}

void TComponent::SetName(const std::string& name) {
  if (name == FName) return;
  if (FOwner == nullptr) {
    FName = name;
    return;
  }
  auto& names = FOwner->FNames;
  TComponent* other = FOwner->FindComponent(name);
  if (other != nullptr && other != this)
    throw EComponentError("A component named " + name + " already exists");
  if (!FName.empty()) names.erase(FName);
  FName = name;
  if (!FName.empty()) names.emplace(FName, this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  auto it = FNames.find(name);
  return it == FNames.end() ? nullptr : it->second;
}

void TComponent::SetDesigning(bool designing) {
  if (designing)
    FComponentState.Include(csDesigning);
  else
    FComponentState.Exclude(csDesigning);
  for (TComponent* c : FComponents) c->SetDesigning(designing);
}

void TComponent::SetLoading(bool loading) {
  if (loading)
    FComponentState.Include(csLoading);
  else
    FComponentState.Exclude(csLoading);
}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

// ---- class registry ----

namespace {
std::map<std::string, System::TClass, std::less<>>& Registry() {
  static std::map<std::string, System::TClass, std::less<>> registry;
  return registry;
}
std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return out;
}
}  // namespace

void RegisterClass(System::TClass cls) { Registry()[Lower(cls->Name)] = cls; }

System::TClass GetClass(std::string_view name) {
  auto it = Registry().find(Lower(name));
  return it == Registry().end() ? nullptr : it->second;
}

}  // namespace Classes
