#include "calc/SubnetTable.h"

#include <benchmark/benchmark.h>

namespace {

void GoodAddress(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::BuildSubnetRows("192.168.1.10"));
    }
}
BENCHMARK(GoodAddress);

void RejectedFourthPart(benchmark::State& state) {
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(calc::BuildSubnetRows("10.0.0.5/24"));
        } catch (const calc::EConvertError& error) {
            benchmark::DoNotOptimize(error.what());
        }
    }
}
BENCHMARK(RejectedFourthPart);

} // namespace

BENCHMARK_MAIN();
