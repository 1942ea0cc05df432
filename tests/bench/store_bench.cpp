// The design store with thousands of stored designs: saving over a stored
// design, loading one (with its design run), reading one for printing, and
// opening the file. The database is filled once, before the measurements.

#include <benchmark/benchmark.h>

#include "database/database_file.h"
#include "database/design_store.h"
#include "engine/design_run.h"
#include "engine/design_state.h"

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

constexpr int kStoredDesigns = 10000;

engine::DesignState SampleDesign(int number)
{
    engine::DesignState state;
    engine::ResetDesignData(state, engine::DefaultValues{});
    auto &d = state.CurrentDesign;
    d.JobCode = "JOB " + std::to_string(number / 100);
    d.JobSection = "SECTION " + std::to_string(number / 10 % 10);
    d.SignPos = "CH " + std::to_string(number);
    d.NumFrontSigns = 2;
    d.SignCode[1] = "R1-" + std::to_string(number);
    d.SignCode[2] = "G9-" + std::to_string(number);
    d.FrontSignWidth[1] = 1200;
    d.FrontSignDepth[1] = 900;
    d.FrontSignWidth[2] = 2400;
    d.FrontSignDepth[2] = 1200;
    d.SegLength[1] = 2000;
    d.SegDeltaHeight[1] = -500;
    d.SegLength[2] = 4000;
    d.Notes = "Stored for the store benchmark.";
    engine::RunDesign(state);
    engine::RedesignWithMorePosts(state);
    return state;
}

struct StoreFixture {
    QTemporaryDir dir;
    engine::DesignState sample = SampleDesign(kStoredDesigns / 2);

    StoreFixture()
    {
        database::CurrentDatabasePath = dir.filePath(QStringLiteral("orlen.mdb"));
        if (!database::OpenCurrentDatabase())
            throw std::runtime_error("cannot create the benchmark database");
        auto &db = *database::CurrentDatabase();
        // Filling only: the measured saves below run with the normal settings.
        (void)db.exec(QStringLiteral("PRAGMA synchronous=OFF"), {});
        for (int i = 0; i < kStoredDesigns; ++i) {
            const auto state = SampleDesign(i);
            if (!database::SaveSignDesign(db, state, database::KeyOf(state.CurrentDesign)).ok())
                throw std::runtime_error("cannot fill the benchmark database");
        }
        (void)db.exec(QStringLiteral("PRAGMA synchronous=FULL"), {});
    }
};

StoreFixture &Store()
{
    static StoreFixture fixture;
    return fixture;
}

void SaveOverStoredDesign(benchmark::State &bench)
{
    auto &store = Store();
    auto &db = *database::CurrentDatabase();
    const auto key = database::KeyOf(store.sample.CurrentDesign);
    for (auto _ : bench) {
        auto result = database::SaveSignDesign(db, store.sample, key);
        benchmark::DoNotOptimize(result);
    }
}

void LoadStoredDesign(benchmark::State &bench)
{
    auto &store = Store();
    auto &db = *database::CurrentDatabase();
    const auto key = database::KeyOf(store.sample.CurrentDesign);
    engine::DesignState state;
    for (auto _ : bench) {
        auto result = database::LoadSignDesign(db, state, engine::DefaultValues{}, key);
        benchmark::DoNotOptimize(result);
    }
}

void ReadStoredDesignForPrinting(benchmark::State &bench)
{
    auto &store = Store();
    auto &db = *database::CurrentDatabase();
    const auto key = database::KeyOf(store.sample.CurrentDesign);
    engine::DesignState state;
    for (auto _ : bench) {
        auto result = database::ReadStoredDesign(db, state, key);
        benchmark::DoNotOptimize(result);
    }
}

void OpenDatabaseFile(benchmark::State &bench)
{
    Store();
    for (auto _ : bench) {
        database::CloseCurrentDatabase();
        benchmark::DoNotOptimize(database::OpenCurrentDatabase());
    }
}

} // namespace

BENCHMARK(SaveOverStoredDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadStoredDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadStoredDesignForPrinting)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenDatabaseFile)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    database::CloseCurrentDatabase();
    return 0;
}
