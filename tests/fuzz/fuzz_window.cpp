// Sequences of control actions and frames on the real window, offscreen. Each
// input byte pair is an action and its argument; an action byte with its top
// bit set runs a frame after the action. After every frame every rule of the
// signal state and the controls must hold; a broken one aborts.
#include <QApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "support/OffscreenScreen.h"
#include "reliability/WindowDriver.h"

namespace {

// Long enough for any interplay of a few controls, short enough to keep many
// inputs a second going through the frames.
constexpr std::size_t kMaxSteps = 64;

void Broken(const std::string& rule, std::size_t step)
{
    std::fprintf(stderr, "broken after step %zu: %s\n", step, rule.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    quorvane::testing::UseOffscreenScreen();
    // Never destroyed: libFuzzer leaves through exit() from within a run.
    new QApplication(*argc, *argv);
    return 0;
}

// A fresh window per input, so that any input found replays on its own.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using quorvane::testing::Action;
    auto form = std::make_unique<quorvane::MainWindow>();
    form->show();
    quorvane::testing::WindowDriver driver(*form);
    const std::size_t steps = std::min(size / 2, kMaxSteps);
    for (std::size_t step = 0; step < steps; ++step) {
        const std::uint8_t code = data[2 * step];
        const auto action = static_cast<Action>(code % quorvane::testing::kActionCount);
        std::string broken = driver.Do(action, data[2 * step + 1]);
        if (broken.empty() && action != Action::Tick && (code & 0x80))
            broken = driver.Tick();
        if (!broken.empty())
            Broken(broken, step);
    }
    driver.LetGo();
    return 0;
}
