// Reading, writing and reporting registers of growing size, and the sort.
#include <benchmark/benchmark.h>

#include "register/data_file_format.h"
#include "reminder/report.h"

namespace {

// A register of people spread over the year, with names in no order.
BirthdayList SampleRegister(std::int64_t count) {
    BirthdayList list;
    for (std::int64_t i = 0; i < count; i++) {
        BirthdayRecord& record = AppendRecord(list);
        record.Name = "Person " + FormatNumber(static_cast<std::int32_t>((i * 7919) % 100003));
        record.Day = static_cast<std::int8_t>(1 + i % 28);
        record.Month = static_cast<std::int8_t>(1 + i / 28 % 12);
        record.Year = static_cast<std::int16_t>(1930 + i % 90);
    }
    return list;
}

void ReadRegister(benchmark::State& state) {
    std::string bytes = FormatDataFile(SampleRegister(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ParseDataFile(bytes));
    state.SetComplexityN(state.range(0));
}

void WriteRegister(benchmark::State& state) {
    BirthdayList list = SampleRegister(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(FormatDataFile(list));
    state.SetComplexityN(state.range(0));
}

void ReportRegister(benchmark::State& state) {
    BirthdayList list = SampleRegister(state.range(0));
    DateValue today = MakeDate(2026, 12, 6, 8, 0, 0);
    for (auto _ : state) benchmark::DoNotOptimize(ReminderReport(list, today));
    state.SetComplexityN(state.range(0));
}

void SortUnsortedRegister(benchmark::State& state) {
    BirthdayList unsorted = SampleRegister(state.range(0));
    for (auto _ : state) {
        BirthdayList list = unsorted;
        SortRegister(list);
        benchmark::DoNotOptimize(list);
    }
}

BENCHMARK(ReadRegister)->Arg(1000)->Arg(10000)->Complexity();
BENCHMARK(WriteRegister)->Arg(1000)->Arg(10000)->Complexity();
BENCHMARK(ReportRegister)->Arg(1000)->Arg(10000)->Complexity();
BENCHMARK(SortUnsortedRegister)->Arg(1000);

} // namespace

BENCHMARK_MAIN();
