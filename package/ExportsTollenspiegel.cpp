// The package's own unit: the entry points the host calls by their plain names,
// the same code under decorated names, and the unit's public procedures.
#include "Exports.h"
#include "PackageInfo.h"
#include "Tollenspiegel.h"

namespace Tollenspiegel::Exports {

namespace {

using U = TUnitExports<"Tollenspiegel">;

constexpr auto kEntries = std::array{
    Plain<"Initialize", &::Initialize>(),
    Plain<"Finalize", &::Finalize>(),
    Plain<"@GetPackageInfoTable", &GetPackageInfoTable>(),
    U::Procedure<"Initialize", &::Initialize>(),
    U::Procedure<"Finalize", &::Finalize>(),
    U::Procedure<"GetPackageInfoTable", &GetPackageInfoTable>(),
    U::Procedure<"#Initialization", &DllEntryPoint>(),
    U::Procedure<"RegisterClasses", &RegisterClasses>(),
    U::Procedure<"StartAnimations", &StartAnimations>(),
};

}  // namespace

constinit const TExportTable kTollenspiegel = kEntries;

}  // namespace Tollenspiegel::Exports
