// The package's own unit: the entry points the host calls by their plain names,
// the same code under decorated names, and the unit's public procedures.
#include "Exports.h"
#include "PackageInfo.h"
#include "Tollenspiegel.h"

namespace Tollenspiegel::Exports {

namespace {

constexpr auto kEntries = std::array{
    Plain<"Initialize", &::Initialize>(),
    Plain<"Finalize", &::Finalize>(),
    Plain<"@GetPackageInfoTable", &GetPackageInfoTable>(),
    Procedure<"Tollenspiegel", "Initialize", &::Initialize>(),
    Procedure<"Tollenspiegel", "Finalize", &::Finalize>(),
    Procedure<"Tollenspiegel", "GetPackageInfoTable", &GetPackageInfoTable>(),
    Procedure<"Tollenspiegel", "#Initialization", &DllEntryPoint>(),
    Procedure<"Tollenspiegel", "RegisterClasses", &RegisterClasses>(),
    Procedure<"Tollenspiegel", "StartAnimations", &StartAnimations>(),
};

}  // namespace

constinit const TExportTable kTollenspiegel = kEntries;

}  // namespace Tollenspiegel::Exports
