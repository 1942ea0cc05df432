// The stored-design lists over a file of 10,000 designs in 100 jobs (10
// sections of 10 sign positions each, 11,100 items): the storage dialog's
// browser refilled from the file, the print job selection dialog's two trees
// (collapsed, and every design selected and expanded) and the sign order
// form's opening. Each measure includes the paint that follows. The file is
// made once per run, before the measurements.

#include "widget_bench_main.h"

#include "database/database_file.h"
#include "database/default_values.h"
#include "database/ui/design_browser.h"
#include "engine/design_run.h"
#include "print/print_selection.h"
#include "print/ui/print_selection_dialog.h"
#include "print/ui/sign_order_form_dialog.h"
#include "tests/common/many_designs.h"
#include "tests/common/sample_designs.h"

#include <QApplication>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

constexpr int kJobs = 100;
constexpr int kSections = 10;
constexpr int kPositions = 10;

struct ListFixture {
    QTemporaryDir dir;

    ListFixture()
    {
        database::CurrentDatabasePath = dir.filePath(QStringLiteral("orlen.mdb"));
        if (!database::OpenCurrentDatabase())
            throw std::runtime_error("cannot create the benchmark database");
        engine::DesignState design;
        engine::ResetDesignData(design, database::CurrentDefaultValues());
        testing_support::FillSimpleSign(design.CurrentDesign);
        engine::RunDesign(design);
        engine::RedesignWithMorePosts(design);
        auto &db = *database::CurrentDatabase();
        const QString failure = testing_support::StoreManyDesigns(db, design, kJobs, kSections, kPositions);
        if (!failure.isEmpty())
            throw std::runtime_error(failure.toStdString());
        // Every design selected for printing, for the selected tree and the
        // order form.
        std::vector<database::StoredDesignKey> keys;
        if (!database::ReadActiveStoredSigns(db, keys).ok() || keys.size() != kJobs * kSections * kPositions)
            throw std::runtime_error("the benchmark database lists " + std::to_string(keys.size()) + " designs");
        for (std::size_t i = 0; i < keys.size(); i += kSections * kPositions)
            if (!print::MarkSignsSelected(db, database::JobLevel, keys[i]).ok())
                throw std::runtime_error("cannot select the designs");
    }
};

ListFixture &Lists()
{
    static ListFixture fixture;
    return fixture;
}

void FillTenThousandStoredDesigns(benchmark::State &bench)
{
    Lists();
    database::DesignBrowser browser;
    browser.resize(320, 480);
    browser.show();
    QApplication::processEvents();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(browser.FillStoredSignsOutline());
        QApplication::processEvents();
    }
    bench.counters["designs"] = browser.signPositionCount();
}
BENCHMARK(FillTenThousandStoredDesigns)->Unit(benchmark::kMillisecond);

// One of the print job selection dialog's two trees refilled: `fill` is the
// dialog's fill, `outline` the tree it fills.
template <typename Fill, typename Outline>
void FillPrintSelectionTree(benchmark::State &bench, Fill fill, Outline outline)
{
    Lists();
    print::Form11 form(0, {});
    form.show();
    QApplication::processEvents();
    for (auto _ : bench) {
        benchmark::DoNotOptimize((form.*fill)());
        QApplication::processEvents();
    }
    bench.counters["designs"] = (form.*outline)()->signPositionCount();
    form.hide();
}

void PrintSelectionDesignTree(benchmark::State &bench)
{
    FillPrintSelectionTree(bench, &print::Form11::FillDesignOutline, &print::Form11::Outline1);
}
BENCHMARK(PrintSelectionDesignTree)->Unit(benchmark::kMillisecond);

void PrintSelectionSelectedTreeExpanded(benchmark::State &bench)
{
    FillPrintSelectionTree(bench, &print::Form11::FillSelectedOutline, &print::Form11::Outline2);
}
BENCHMARK(PrintSelectionSelectedTreeExpanded)->Unit(benchmark::kMillisecond);

// The order form fills its list, and its order rows, on every opening.
void SignOrderFormOpening(benchmark::State &bench)
{
    Lists();
    print::Form10 form(*database::CurrentDatabase(), {});
    for (auto _ : bench) {
        form.show();
        QApplication::processEvents();
        form.hide();
    }
    bench.counters["designs"] = form.outline()->signPositionCount();
}
BENCHMARK(SignOrderFormOpening)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    bench_support::RunWidgetBenchmarks(argc, argv);
    database::CloseCurrentDatabase();
    return 0;
}
