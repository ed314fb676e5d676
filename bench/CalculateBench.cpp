// Speed of one full design calculation (goal: under 0.3 us), of the default case and over a
// fixed set of 600 generated walls of every shape, one wall per iteration.
#include "GeneratedWalls.h"
#include "calc/DesignResult.h"
#include "model/BarTable.h"
#include "model/RTData.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CalculateDefaultCase(benchmark::State& state) {
    LoadBarTable(TARVO_BIN_DIR "/reinf.txt");
    CRTData c;
    CDesignResult r;
    for (auto _ : state) {
        c.Calculate(r);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CalculateDefaultCase);

void BM_CalculateGeneratedWall(benchmark::State& state) {
    LoadBarTable(TARVO_BIN_DIR "/reinf.txt");
    std::vector<CRTData> walls = GeneratedWalls(600);
    CDesignResult r;
    std::size_t i = 0;
    for (auto _ : state) {
        walls[i].Calculate(r);
        benchmark::DoNotOptimize(r);
        i = i + 1 == walls.size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_CalculateGeneratedWall);

} // namespace
