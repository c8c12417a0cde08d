#include "ui/window/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace quorvane {

namespace {

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Classroom demonstration of analogue modulation."));
    // Qt's own help option would bring --help-all and Qt's options with it.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();

    // Qt's own handlers would exit from inside the parser; returning lets the
    // caller unwind normally and keeps the exit codes in one place.
    if (!parser.parse(arguments)) {
        Print(stderr, QStringLiteral("quorvane: %1\n").arg(parser.errorText()));
        return {CommandLine::Outcome::Exit, 2};
    }
    if (!parser.positionalArguments().isEmpty()) {
        Print(stderr, QStringLiteral("quorvane: %1\n")
                          .arg(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                                   .arg(parser.positionalArguments().constFirst())));
        return {CommandLine::Outcome::Exit, 2};
    }
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        return {CommandLine::Outcome::Exit, 0};
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("quorvane %1\n").arg(QCoreApplication::applicationVersion()));
        return {CommandLine::Outcome::Exit, 0};
    }
    return {};
}

} // namespace quorvane
