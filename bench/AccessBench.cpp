// The cost a host pays for every question it asks: load the whole file, search the user's and
// the groups' lists. Hosts ask once per menu command after each logon.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "EIniFile/TEIniFile.h"
#include "Quorsec/NumberedList.h"
#include "Quorsec/SchemaNames.h"
#include "Quorsec/SecurityRules.h"

namespace {

// Users each holding a few own grants and three groups of 20 actions.
std::string SiteFile(int Users) {
  const auto Path = std::filesystem::temp_directory_path() /
                    ("quorsec-access-bench-" + std::to_string(Users) + ".dat");
  std::filesystem::remove(Path);
  TEIniFile Store(Path.string(), "bench key");
  for (int G = 0; G < 10; ++G) {
    const std::string Group = "Group" + std::to_string(G);
    AppendToList(Store, Schema::MainSection, Lists::Groups, {Group});
    for (int A = 0; A < 20; ++A) {
      AppendToList(Store, Schema::GroupSection(Group), Lists::Actions,
                   {"Menu_Item" + std::to_string(G * 20 + A)});
    }
  }
  for (int U = 0; U < Users; ++U) {
    const std::string User = "user" + std::to_string(U);
    AddUser(Store, User, "pw", false);
    AppendToList(Store, Schema::UserSection(User), Lists::Actions, {"Own_A", "Own_B"});
    AppendToList(Store, Schema::UserSection(User), Lists::Groups,
                 {"Group" + std::to_string(U % 10), "Group" + std::to_string((U + 3) % 10),
                  "Group" + std::to_string((U + 7) % 10)});
  }
  Store.Release();
  return Path.string();
}

void BM_AccessTestDenied(benchmark::State &State) {
  const std::string Path = SiteFile(static_cast<int>(State.range(0)));
  for (auto _ : State) {
    TEIniFile Store(Path, "bench key");
    benchmark::DoNotOptimize(UserMayPerform(Store, "user1", "Not_Granted"));
  }
  std::filesystem::remove(Path);
}
BENCHMARK(BM_AccessTestDenied)->Arg(10)->Arg(100)->Arg(500);

}  // namespace
