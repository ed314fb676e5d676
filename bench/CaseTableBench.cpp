// Speed of the case overview: building the table of a site's fifty walls (every case
// calculated, every cell formatted), as the window does at each change, and writing its CSV
// and JSON (goal: a few milliseconds, well below a repaint).
#include "doc/CaseTable.h"
#include "doc/CaseTableWriters.h"
#include "model/BarTable.h"

#include <benchmark/benchmark.h>

namespace {

std::vector<CRTData> FiftyWalls() {
    LoadBarTable(TARVO_BIN_DIR "/reinf.txt");
    std::vector<CRTData> walls(50);
    for (std::size_t i = 0; i < walls.size(); ++i)
        walls[i].m_H1 = 1.0 + 0.05 * static_cast<double>(i);
    return walls;
}

void BM_BuildCaseTable(benchmark::State& state) {
    const std::vector<CRTData> walls = FiftyWalls();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildCaseTable(walls));
}
BENCHMARK(BM_BuildCaseTable)->Unit(benchmark::kMicrosecond);

void BM_WriteCsvAndJson(benchmark::State& state) {
    const CCaseTable table = BuildCaseTable(FiftyWalls());
    for (auto _ : state) {
        benchmark::DoNotOptimize(CaseTableCsv(table));
        benchmark::DoNotOptimize(CaseTableJson(table));
    }
}
BENCHMARK(BM_WriteCsvAndJson)->Unit(benchmark::kMicrosecond);

} // namespace
