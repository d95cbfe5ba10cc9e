// Filling the validation result dialog: two tabs of 200 messages in 40 groups
// (slips, forms, cross-form and spouse-return groups). Runs offscreen.
#include "dlgvalidationmsgs.h"
#include "validationmessagegroup.h"
#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr int kGroups = 40;
constexpr int kMessagesPerGroup = 5;

std::vector<std::unique_ptr<ValidationMessageGroup>> makeGroups(QList<ValidationMessageGroup *> &list)
{
    std::vector<std::unique_ptr<ValidationMessageGroup>> owned;
    for (int g = 0; g < kGroups; ++g) {
        const int kind = g < 15 ? 1 : g < 36 ? 2 : g < 38 ? 4 : 5;
        auto group = std::make_unique<ValidationMessageGroup>(kind, kind == 1 ? 1 + g % 20 : kind == 2 ? 1 + g : 0);
        for (int m = 0; m < kMessagesPerGroup; ++m)
            group->messages << CString(QStringLiteral("Message %1 of group %2: a field needs a look before filing.")
                                           .arg(m + 1)
                                           .arg(g + 1));
        list << group.get();
        owned.push_back(std::move(group));
    }
    return owned;
}

void BM_SetMessagesTwoTabs(benchmark::State &state)
{
    QList<ValidationMessageGroup *> person, spouse;
    const auto ownedA = makeGroups(person);
    const auto ownedB = makeGroups(spouse);
    DlgValidationMsgs dlg(nullptr);
    for (auto _ : state)
        dlg.setMessages(QStringLiteral("Anne Lindqvist"), person, true, QStringLiteral("Ben Lindqvist"), spouse);
    state.counters["messages"] = 2 * kGroups * kMessagesPerGroup;
}
BENCHMARK(BM_SetMessagesTwoTabs)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
