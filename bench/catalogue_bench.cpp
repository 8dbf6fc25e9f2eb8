// The catalogue reads its strings afresh at every call; these measure what that costs on the
// paths the joke window takes.
#include <benchmark/benchmark.h>

#include "catalogue/catalogue.h"
#include "platform/resources.h"
#include "resources/tralalino_resources.h"

namespace {

int CountAllJokes() {
    HInstance = &TralalinoResources();
    int total = 0;
    CountJokes(total, [](int, const AnsiString&) {});
    return total;
}

// Stepping through the collection: one lookup per joke number.
void BM_LocateEveryJoke(benchmark::State& state) {
    int total = CountAllJokes();
    for (auto _ : state) {
        for (int number = 1; number <= total; ++number) {
            benchmark::DoNotOptimize(LocateJoke(number));
        }
    }
    state.SetItemsProcessed(state.iterations() * total);
}
BENCHMARK(BM_LocateEveryJoke);

// A tray-menu category jump: its first joke number, then the joke's two strings.
void BM_CategoryJump(benchmark::State& state) {
    CountAllJokes();
    for (auto _ : state) {
        for (int category = 0; category < CategoryCount; ++category) {
            benchmark::DoNotOptimize(FirstJokeNumber(category));
            benchmark::DoNotOptimize(LoadCatalogueString(FirstStringId(category)));
            benchmark::DoNotOptimize(LoadCatalogueString(FirstStringId(category) + 1));
        }
    }
    state.SetItemsProcessed(state.iterations() * CategoryCount);
}
BENCHMARK(BM_CategoryJump);

// The start-up walk that fills the tray menu.
void BM_CountJokes(benchmark::State& state) {
    CountAllJokes();
    for (auto _ : state) {
        int total = 0;
        CountJokes(total,
                   [](int, const AnsiString& caption) { benchmark::DoNotOptimize(caption); });
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_CountJokes);

}  // namespace
