#include <benchmark/benchmark.h>

#include "pricing/option.h"
#include "test_support/reference_option.h"

namespace qx {
namespace {

void BM_ClosedFormCall(benchmark::State& state) {
    const Option option = ReferenceOption(OptionType::kCall);
    for (auto _ : state) benchmark::DoNotOptimize(option.FairValue());
}
BENCHMARK(BM_ClosedFormCall);

void BM_ClosedFormPut(benchmark::State& state) {
    const Option option = ReferenceOption(OptionType::kPut);
    for (auto _ : state) benchmark::DoNotOptimize(option.FairValue());
}
BENCHMARK(BM_ClosedFormPut);

void BM_LatticePut(benchmark::State& state) {
    const Option option = ReferenceOption(OptionType::kPut, 0, static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(option.FairValue());
}
BENCHMARK(BM_LatticePut)->Arg(25)->Arg(100);

// range(0) is the lattice steps; 0 is the closed form.
void BM_Theta(benchmark::State& state) {
    const Option option = ReferenceOption(OptionType::kCall, 0, static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(option.Theta(false));
}
BENCHMARK(BM_Theta)->Arg(0)->Arg(25)->Arg(100);

void BM_ImpliedVolatility(benchmark::State& state) {
    Option option = ReferenceOption(OptionType::kCall);
    option.SetPrice(10.45);
    for (auto _ : state) benchmark::DoNotOptimize(option.ImpliedVolatility());
}
BENCHMARK(BM_ImpliedVolatility);

}  // namespace
}  // namespace qx
