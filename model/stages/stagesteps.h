#pragma once
#include "calctrace.h"
#include <cstddef>

// A calculation stage as a list of named steps. The runner records "stage N: <step>"
// for each step it runs (see calctrace.h), so the steps themselves trace nothing.
//
//     class Stage2Steps {
//         void totalIncome();
//         ...
//     };
//     const StageStep<Stage2Steps> kStage2[] = {{"total income", &Stage2Steps::totalIncome}, ...};
//     runStageSteps("stage 2", kStage2, steps);
template <class Steps>
struct StageStep
{
    const char *name;
    void (Steps::*run)();
};

namespace calctrace {
inline void recordStep(const char *stage, const char *step)
{
    if (QStringList *s = sink())
        s->append(QString::fromLatin1(stage) + QLatin1String(": ") + QString::fromLatin1(step));
}
} // namespace calctrace

template <class Steps, std::size_t N>
void runStageSteps(const char *stage, const StageStep<Steps> (&steps)[N], Steps &owner)
{
    for (const StageStep<Steps> &step : steps) {
        calctrace::recordStep(stage, step.name);
        (owner.*step.run)();
    }
}
