// Sequences of control actions and ticks on the real window, offscreen: no
// sequence may crash or leave the signal state unsound.
#include <QApplication>
#include <cstdint>
#include <cstdlib>

#include "reliability/FormInvariants.h"
#include "reliability/Student.h"

namespace {

quorvane::Form1& Window()
{
    static int argc = 1;
    static char name[] = "fuzz_form";
    static char* argv[] = {name, nullptr};
    // Never destroyed: the fuzzer exits from within a run, after Qt's own
    // globals may already be gone.
    static const bool platform = qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto* app = new QApplication(argc, argv);
    static auto* form = new quorvane::Form1();
    (void)platform;
    (void)app;
    return *form;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quorvane::Form1& form = Window();
    quorvane::testing::Student student(form);
    std::size_t next = 0;
    const auto random = [&]() -> unsigned { return next < size ? data[next++] : 0u; };
    while (next < size) {
        const unsigned ticks = random() % 4;
        for (unsigned tick = 0; tick < ticks; ++tick) {
            form.Timer1_Timer();
            if (!quorvane::testing::StateIsSound(form.State()))
                std::abort();
        }
        student.Act(random);
    }
    return 0;
}
