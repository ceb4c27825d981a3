// Every operation loads and saves the whole data file, so load and save time bound every
// access test and logon. Sizes: a small office up to a large site.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "EIniFile/TEIniFile.h"

namespace {

std::string BenchFile(int Entries) {
  const auto Path = std::filesystem::temp_directory_path() /
                    ("quorsec-bench-" + std::to_string(Entries) + ".dat");
  std::filesystem::remove(Path);
  TEIniFile Store(Path.string(), "bench key");
  for (int I = 1; I <= Entries; ++I) {
    Store.AddItem("User_" + std::to_string(I % 50), "Action" + std::to_string(I), "File_&Open");
  }
  Store.Release();
  return Path.string();
}

void BM_Load(benchmark::State &State) {
  const std::string Path = BenchFile(static_cast<int>(State.range(0)));
  for (auto _ : State) {
    TEIniFile Store(Path, "bench key");
    benchmark::DoNotOptimize(Store.ReadString("User_7", "Action7", ""));
  }
  std::filesystem::remove(Path);
}
BENCHMARK(BM_Load)->Arg(100)->Arg(1000)->Arg(10000);

void BM_LoadChangeSave(benchmark::State &State) {
  const std::string Path = BenchFile(static_cast<int>(State.range(0)));
  int Round = 0;
  for (auto _ : State) {
    TEIniFile Store(Path, "bench key");
    Store.WriteInteger("Main", "Round", ++Round);
    Store.Release();
  }
  std::filesystem::remove(Path);
}
BENCHMARK(BM_LoadChangeSave)->Arg(100)->Arg(1000)->Arg(10000);

}  // namespace
