// Speed of the whole clipboard text of a case, the sheet as text lines as the copy command
// builds it (goal: under 10 us for the default case).
#include "GeneratedWalls.h"
#include "model/BarTable.h"
#include "model/RTData.h"

#include <benchmark/benchmark.h>

namespace {

void SheetText(CRTData& c) {
    c.m_strSheet.clear();
    c.DrawSheet(nullptr, 0, 0, 0, 0);
    benchmark::DoNotOptimize(c.m_strSheet.data());
}

void BM_SheetTextDefaultCase(benchmark::State& state) {
    LoadBarTable(TARVO_BIN_DIR "/reinf.txt");
    CRTData c;
    for (auto _ : state)
        SheetText(c);
}
BENCHMARK(BM_SheetTextDefaultCase)->Unit(benchmark::kMicrosecond);

void BM_SheetTextGeneratedWall(benchmark::State& state) {
    LoadBarTable(TARVO_BIN_DIR "/reinf.txt");
    std::vector<CRTData> walls = GeneratedWalls(600);
    std::size_t i = 0;
    for (auto _ : state) {
        SheetText(walls[i]);
        i = i + 1 == walls.size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_SheetTextGeneratedWall)->Unit(benchmark::kMicrosecond);

} // namespace
