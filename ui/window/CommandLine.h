#pragma once

#include <QStringList>

namespace quorvane {

// What the command line asks for. Parsed before any window system is touched,
// so that --help and --version work on a machine without a display.
struct CommandLine {
    enum class Outcome { run, exit };
    Outcome outcome = Outcome::run;
    int exitCode = 0;
};

CommandLine parseCommandLine(const QStringList& arguments);

} // namespace quorvane
