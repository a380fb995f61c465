// Speed of the data file store on a large file: listing 10,000 plans (what the Open
// dialog does), loading one, and saving one (which rewrites the whole file safely).

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "plan/new_plan.h"
#include "plan/plan_file_io.h"
#include "plan/plan_file_store.h"
#include "platform/message_boxes.h"

namespace {

constexpr int kPlans = 10'000;

class SilentBoxes final : public platform::MessageBoxes {
  public:
    platform::MsgAnswer show(const platform::MessageBoxRequest&) override {
        return platform::MsgAnswer::Ok;
    }
};

// A data file of 10,000 plans in a temporary folder, made once for all benchmarks.
class LargeDataFile {
  public:
    LargeDataFile() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/debt-bench-XXXXXX";
        folder_ = ::mkdtemp(pattern.data());
        path_ = (folder_ / "Debts4.dat").string();
        std::ofstream out(path_, std::ios::binary);
        for (int k = 0; k < kPlans; ++k) {
            plan::TClientRec rec = plan::newPlan({}, {2027, 1, 15}, "");
            rec.PlanName.setText("Household plan number " + std::to_string(k));
            out.write(plan::recordBytes(rec).data(), plan::kClientRecSize);
        }
    }
    ~LargeDataFile() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    const std::string& path() const { return path_; }

  private:
    std::filesystem::path folder_;
    std::string path_;
};

const LargeDataFile& dataFile() {
    static const LargeDataFile file;
    return file;
}

void BM_ListPlans(benchmark::State& state) {
    const plan::PlanFileStore store(dataFile().path());
    for (auto _ : state) {
        auto list = store.LoadInClients();
        benchmark::DoNotOptimize(list.data());
        if (list.size() != kPlans)
            state.SkipWithError("wrong number of plans");
    }
    state.SetItemsProcessed(state.iterations() * kPlans);
}
BENCHMARK(BM_ListPlans)->Unit(benchmark::kMillisecond);

void BM_LoadOnePlan(benchmark::State& state) {
    const plan::PlanFileStore store(dataFile().path());
    plan::PlanState plans;
    for (auto _ : state) {
        if (store.GetTheClient(kPlans - 1, plans) != plan::LoadResult::Loaded) {
            state.SkipWithError("load failed");
        }
        benchmark::DoNotOptimize(plans.ActivePlan.Version.length);
    }
}
BENCHMARK(BM_LoadOnePlan)->Unit(benchmark::kMicrosecond);

void BM_SavePlanInPlace(benchmark::State& state) {
    const plan::PlanFileStore store(dataFile().path());
    SilentBoxes boxes;
    plan::PlanState plans;
    store.GetTheClient(5000, plans);
    plans.PlanIndex = 5000;
    for (auto _ : state) {
        if (!store.SaveAClient(plans, false, boxes, nullptr, "Zelvane")) {
            state.SkipWithError("save failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * kPlans *
                            static_cast<long long>(plan::kClientRecSize));
}
BENCHMARK(BM_SavePlanInPlace)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
