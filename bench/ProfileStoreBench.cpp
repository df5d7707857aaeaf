// Start-up reads Config.data and Profile.data and every apply saves both: these must stay
// instant for a user with many profiles.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "data/FixedText.h"
#include "data/ProfileDefaults.h"
#include "data/ProfileStore.h"
#include "support/QuietProfileUi.h"

namespace {

struct Fixture {
    explicit Fixture(int profiles)
        : dir(std::filesystem::temp_directory_path() /
              ("corvane-bench-" + std::to_string(std::random_device{}()))),
          working(std::make_unique<tagSTATEBLOCK>()),
          store(
              list, *working, [this] { return dir / ""; }, u"Profile ", ui) {
        std::filesystem::create_directories(dir);
        ResetStateDefaults(*working, u"Profile ");
        for (int i = 0; i < profiles; ++i) {
            tagPROFILE& p = list.Append(working->profiles[0]);
            WriteFixedText(p.name, u"Profile " + DecimalU16(i + 1));
        }
    }
    ~Fixture() { std::filesystem::remove_all(dir); }

    std::filesystem::path dir;
    QuietProfileUi ui;
    ProfileList list;
    std::unique_ptr<tagSTATEBLOCK> working;
    ProfileStore store;
};

void BM_SaveProfileList(benchmark::State& state) {
    Fixture f(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.store.SaveProfileList());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 60300);
}
BENCHMARK(BM_SaveProfileList)->Arg(3)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_LoadProfileList(benchmark::State& state) {
    Fixture f(static_cast<int>(state.range(0)));
    f.store.SaveProfileList();
    for (auto _ : state) {
        f.list.Clear();
        f.store.LoadProfileList();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 60300);
}
BENCHMARK(BM_LoadProfileList)->Arg(3)->Arg(50)->Unit(benchmark::kMillisecond);

// Naming a copy walks the list once per candidate: many numbered copies is the worst case.
void BM_UniqueNameWithManyCopies(benchmark::State& state) {
    Fixture f(0);
    for (int i = 0; i < state.range(0); ++i) {
        tagPROFILE& p = f.list.Append(f.working->profiles[0]);
        WriteFixedText(p.name, u"Gaming_" + DecimalU16(i + 1));
    }
    f.list.Append(f.working->profiles[0]);
    WriteFixedText(f.list.At(f.list.Size() - 1).name, u"Gaming");
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.list.UniqueName(u"Gaming", u"Gaming"));
    }
}
BENCHMARK(BM_UniqueNameWithManyCopies)->Arg(10)->Arg(100);

}  // namespace
