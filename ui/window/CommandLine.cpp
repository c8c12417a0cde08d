#include "ui/window/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace quorvane {

namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
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
        print(stderr, QStringLiteral("quorvane: %1\n").arg(parser.errorText()));
        return {CommandLine::Outcome::exit, 2};
    }
    if (!parser.positionalArguments().isEmpty()) {
        print(stderr, QStringLiteral("quorvane: %1\n")
                          .arg(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                                   .arg(parser.positionalArguments().constFirst())));
        return {CommandLine::Outcome::exit, 2};
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return {CommandLine::Outcome::exit, 0};
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("quorvane %1\n").arg(QCoreApplication::applicationVersion()));
        return {CommandLine::Outcome::exit, 0};
    }
    return {};
}

} // namespace quorvane
