// A teacher's whole set: 200 variants of the double stub drawn for one group, with their
// worksheets, the key (each variant's construction drawn and its steps) and the Moodle quiz,
// all in memory as --exercises makes them before writing. The goal: under 2 s.
#include "exercises/Documents.h"
#include "exercises/Exercise.h"
#include "exercises/Moodle.h"

#include <benchmark/benchmark.h>

namespace {

void ExercisesWithFiles(benchmark::State& state) {
    exercises::TAsk ask;
    ask.Group = "ИВТ-21";
    ask.Kind = exercises::TKind::DoubleStub;
    ask.Count = exercises::kMostVariants;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const exercises::TExerciseSet set = exercises::MakeExercises(ask);
        bytes = exercises::WorksheetsPdf(set).size() + exercises::KeyPdf(set).size() +
                exercises::MoodleXml(set).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = double(bytes);
}

BENCHMARK(ExercisesWithFiles)->Unit(benchmark::kMillisecond);

} // namespace
