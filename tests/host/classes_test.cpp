#include "Classes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Classes::TComponent;

// Records its own destruction in a shared log.
class TLogged : public TComponent {
 public:
  TLogged(TComponent* owner, std::string name, std::vector<std::string>& log)
      : TComponent(owner), FLog(log) {
    SetName(name);
  }
  ~TLogged() override { FLog.push_back(Name()); }

 private:
  std::vector<std::string>& FLog;
};

TEST(Component, OwnerDestroysItsComponentsLastCreatedFirst) {
  std::vector<std::string> log;
  {
    auto owner = std::make_unique<TComponent>(nullptr);
    new TLogged(owner.get(), "a", log);
    auto* b = new TLogged(owner.get(), "b", log);
    new TLogged(b, "b1", log);
    new TLogged(owner.get(), "c", log);
    EXPECT_EQ(owner->ComponentCount(), 3);
    EXPECT_EQ(owner->FindComponent("B"), b);
  }
  // b's own destructor runs before it frees what it owns.
  EXPECT_EQ(log, (std::vector<std::string>{"c", "b", "b1", "a"}));
}

TEST(Component, DestroyingAnOwnedComponentLeavesItsOwnersList) {
  std::vector<std::string> log;
  auto owner = std::make_unique<TComponent>(nullptr);
  std::unique_ptr<TLogged> early(new TLogged(owner.get(), "early", log));
  new TLogged(owner.get(), "late", log);
  early.reset();
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(owner->Components(0)->Name(), "late");
  owner.reset();
  EXPECT_EQ(log, (std::vector<std::string>{"early", "late"}));
}

TEST(Component, DesigningReachesEverythingOwned) {
  TComponent owner(nullptr);
  auto* child = new TComponent(&owner);
  auto* grandchild = new TComponent(child);
  owner.SetDesigning(true);
  EXPECT_TRUE(grandchild->ComponentState().Contains(Classes::csDesigning));
  owner.SetDesigning(false);
  EXPECT_FALSE(child->ComponentState().Contains(Classes::csDesigning));
}

TEST(Component, LoadedEndsTheLoadingState) {
  TComponent c(nullptr);
  c.SetLoading(true);
  EXPECT_TRUE(c.ComponentState().Contains(Classes::csLoading));
  c.Loaded();
  EXPECT_FALSE(c.ComponentState().Contains(Classes::csLoading));
}

TEST(Persistent, AssigningUnrelatedClassesRaisesAConvertError) {
  Classes::TPersistent a, b;
  try {
    a.Assign(&b);
    FAIL() << "no exception";
  } catch (const SysUtils::EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TPersistent to a TPersistent");
  }
  EXPECT_THROW(a.Assign(nullptr), SysUtils::EConvertError);
}

TEST(Event, CallsItsHandlerAndKeepsTheMethodName) {
  int calls = 0;
  Classes::TNotifyEvent empty;
  EXPECT_FALSE(empty);
  empty(nullptr);  // calling an empty event does nothing
  Classes::TNotifyEvent bound([&](System::TObject*) { ++calls; }, "Form1Click");
  bound(nullptr);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(bound.MethodName(), "Form1Click");
}

TEST(ClassRegistry, FindsRegisteredClassesByNameIgnoringCase) {
  Classes::RegisterClass(TComponent::StaticClass());
  EXPECT_EQ(Classes::GetClass("tcomponent"), TComponent::StaticClass());
  EXPECT_EQ(Classes::GetClass("TNoSuchThing"), nullptr);
  EXPECT_TRUE(TComponent::StaticClass()->InheritsFrom(System::TObject::StaticClass()));
  EXPECT_FALSE(System::TObject::StaticClass()->InheritsFrom(TComponent::StaticClass()));
}

}  // namespace

// The owner's name index follows every change of its list: renames, early
// destruction, and names that differ only in case.
TEST(Component, NamesAreFoundThroughRenamesAndRemovals) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Alfa");
  b->SetName("Beta");
  a->SetName("Gamma");  // frees "Alfa"
  b->SetName("BETA");   // its own name in other letters
  delete b;
  auto* c = new TComponent(&owner);
  c->SetName("alfa");
  const std::vector<std::pair<std::string, TComponent*>> expected = {
      {"gamma", a}, {"ALFA", c}, {"Beta", nullptr}, {"", nullptr}, {"Alfa2", nullptr}};
  for (const auto& [name, component] : expected)
    EXPECT_EQ(owner.FindComponent(name), component) << name;
}

TEST(Component, ANameTakenInTheSameOwnerIsRefused) {
  TComponent owner(nullptr), other(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  auto* elsewhere = new TComponent(&other);
  a->SetName("Knop");
  elsewhere->SetName("KNOP");  // another owner: no clash
  try {
    b->SetName("knop");
    FAIL() << "no exception";
  } catch (const Classes::EComponentError& e) {
    EXPECT_STREQ(e.what(), "A component named knop already exists");
  }
  EXPECT_EQ(b->Name(), "");
  EXPECT_EQ(owner.FindComponent("Knop"), a);
  b->SetName("");  // any number may go without a name
  new TComponent(&owner);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
}
