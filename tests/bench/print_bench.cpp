// Printing a job of 100 design forms, every fourth with a notes page, to a
// PDF file: the stored designs are reloaded, laid out and painted, and the
// file written, as one print job does.

#include <benchmark/benchmark.h>

#include "database/database_file.h"
#include "database/design_store.h"
#include "engine/design_run.h"
#include "engine/design_state.h"
#include "print/design_form.h"
#include "print/printer_surface.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

constexpr int kDesigns = 100;

engine::DesignState SampleDesign(int number)
{
    engine::DesignState state;
    engine::ResetDesignData(state, engine::DefaultValues{});
    auto &d = state.CurrentDesign;
    d.JobCode = "JOB " + std::to_string(number / 20);
    d.JobSection = "SECTION " + std::to_string(number / 5 % 4);
    d.SignPos = "CH " + std::to_string(number);
    d.NumFrontSigns = 2;
    d.SignCode[1] = "R1-" + std::to_string(number);
    d.SignCode[2] = "G9-" + std::to_string(number);
    d.FrontSignWidth[1] = 1200 + 10 * number;
    d.FrontSignDepth[1] = 900;
    d.FrontSignWidth[2] = 2400;
    d.FrontSignDepth[2] = 1200;
    d.FrontSignClearance[2] = 100;
    d.BkgndColour[1] = static_cast<int16_t>(number % 11);
    d.BkgndColour[2] = 2;
    d.NumBackSigns = number % 2;
    d.BackSignWidth = 1800;
    d.BackSignDepth = 1000;
    d.SignOnLeft = number % 3 == 0 ? -1 : 0;
    d.SegLength[1] = 2000;
    d.SegDeltaHeight[1] = -500;
    d.SegLength[2] = 4000;
    d.SegDeltaHeight[2] = 300;
    d.RoadHeight = 2000;
    d.DistFromKerb = 1500;
    d.WindRegion = 2;
    d.SoilType = 3;
    d.CollisionRisk = 1;
    if (number % 4 == 0)
        d.Notes = "Services nearby: locate before digging.\r\nFootings checked on site.\r\nSecond visit booked.";
    engine::RunDesign(state);
    engine::RedesignWithMorePosts(state);
    return state;
}

struct PrintFixture {
    QTemporaryDir dir;
    std::vector<database::StoredDesignKey> keys;

    PrintFixture()
    {
        database::CurrentDatabasePath = dir.filePath(QStringLiteral("orlen.mdb"));
        if (!database::OpenCurrentDatabase())
            throw std::runtime_error("cannot create the benchmark database");
        auto &db = *database::CurrentDatabase();
        (void)db.exec(QStringLiteral("PRAGMA synchronous=OFF"), {});
        for (int i = 0; i < kDesigns; ++i) {
            const auto state = SampleDesign(i);
            const auto key = database::KeyOf(state.CurrentDesign);
            if (!database::SaveSignDesign(db, state, key).ok())
                throw std::runtime_error("cannot fill the benchmark database");
            keys.push_back(key);
        }
        (void)db.exec(QStringLiteral("PRAGMA synchronous=FULL"), {});
    }
};

void HundredDesignFormsToPdf(benchmark::State &bench)
{
    static PrintFixture fixture;
    auto &db = *database::CurrentDatabase();
    const QString pdf = fixture.dir.filePath(QStringLiteral("forms.pdf"));
    int pages = 0;
    for (auto _ : bench) {
        QFile::remove(pdf);
        const auto surface = print::PrinterSurface::ForPdf(pdf);
        const print::PrintJobResult result = print::PrintDesignForms(*surface, db, fixture.keys);
        if (!result.ok) {
            bench.SkipWithError(result.message.toStdString().c_str());
            break;
        }
        pages = result.pages;
    }
    bench.counters["pages"] = pages;
    bench.counters["kB"] = static_cast<double>(QFile(pdf).size()) / 1024.0;
}

} // namespace

BENCHMARK(HundredDesignFormsToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    database::CloseCurrentDatabase();
    return 0;
}
