// Reading, writing, reporting and sorting registers of 1,000 and 10,000 people.
#include <benchmark/benchmark.h>

#include "register/data_file_format.h"
#include "reminder/report.h"

namespace {

// People spread over the year, with names in no order.
BirthdayList SampleRegister(const benchmark::State& state) {
    BirthdayList list;
    for (std::int32_t i = 0; i < state.range(0); i++)
        AppendRecord(list) = {"Person " + FormatNumber(i * 7919 % 100003), std::int8_t(1 + i % 28),
                              std::int8_t(1 + i / 28 % 12), std::int16_t(1930 + i % 90)};
    return list;
}

void Read(benchmark::State& state) {
    std::string bytes = FormatDataFile(SampleRegister(state));
    for (auto _ : state) benchmark::DoNotOptimize(ParseDataFile(bytes));
}

void Write(benchmark::State& state) {
    BirthdayList list = SampleRegister(state);
    for (auto _ : state) benchmark::DoNotOptimize(FormatDataFile(list));
}

void Report(benchmark::State& state) {
    BirthdayList list = SampleRegister(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReminderReport(list, MakeDate(2026, 12, 6, 8, 0, 0)));
}

void Sort(benchmark::State& state) {
    BirthdayList unsorted = SampleRegister(state);
    for (auto _ : state) {
        BirthdayList list = unsorted;
        SortRegister(list);
        benchmark::DoNotOptimize(list);
    }
}

BENCHMARK(Read)->Arg(1000)->Arg(10000);
BENCHMARK(Write)->Arg(1000)->Arg(10000);
BENCHMARK(Report)->Arg(1000)->Arg(10000);
BENCHMARK(Sort)->Arg(1000)->Arg(10000);

} // namespace

BENCHMARK_MAIN();
