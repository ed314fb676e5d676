// Speed of one full design calculation of the default case (goal: well under 1 us).
#include "BarTable.h"
#include "DesignResult.h"
#include "RTData.h"

#include <benchmark/benchmark.h>

static void BM_CalculateDefaultCase(benchmark::State& state) {
    LoadBarTable(TARVO_BIN_DIR "/reinf.txt");
    CRTData c;
    CDesignResult r;
    for (auto _ : state) {
        c.Calculate(r);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CalculateDefaultCase);
