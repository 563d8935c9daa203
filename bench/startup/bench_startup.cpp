// SPDX-License-Identifier: GPL-2.0-or-later
// Time from exec to the main window's first frame, and where it goes: runs
// OpaloSync, a bare window of the same size and any other builds of OpaloSync
// given in turn, reads the start-up trace each writes on standard error, and
// prints the median of every step.
#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVector>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

struct Program
{
    QString label;
    QString path;
    QStringList steps; // in the order of their first appearance
    QHash<QString, QVector<double>> stepTimes; // milliseconds spent in each step
    QVector<double> totals; // milliseconds from exec to the first frame
};

const QString firstFrame = QStringLiteral("first frame");

qint64 now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(QVector<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One start to the first frame; false when the program did not get there.
bool runOnce(Program &program, const QTemporaryDir &runtime, bool counted)
{
    static const QRegularExpression mark(QStringLiteral("startup: ([^:\\n]+) at (\\d+)"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("opalo.startup.debug=true"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setReadChannel(QProcess::StandardError);
    const qint64 started = now();
    process.start(program.path, QStringList());
    QString output;
    qint64 previous = started;
    bool shown = false;
    while (!shown && process.waitForReadyRead(20000)) {
        output += QString::fromLocal8Bit(process.readAllStandardError());
        shown = output.contains(firstFrame);
    }
    process.kill();
    process.waitForFinished();
    QDir(runtime.path()).removeRecursively();
    QDir().mkpath(runtime.path());
    if (!shown) {
        std::fprintf(
            stderr, "%s did not show its window:\n%s\n", qPrintable(program.label), qPrintable(output));
        return false;
    }
    if (!counted)
        return true;
    auto matches = mark.globalMatch(output);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QString step = match.captured(1);
        const qint64 at = match.captured(2).toLongLong();
        if (!program.steps.contains(step))
            program.steps.append(step);
        program.stepTimes[step].append(double(at - previous) / 1e6);
        previous = at;
        if (step == firstFrame) {
            program.totals.append(double(at - started) / 1e6);
            break;
        }
    }
    return true;
}

void report(const Program &program)
{
    std::printf("%s: median %.1f ms from exec to the first frame (%d runs)\n", qPrintable(program.label),
        median(program.totals), int(program.totals.size()));
    for (const QString &step : program.steps)
        std::printf("  %-22s +%7.1f ms\n", qPrintable(step), median(program.stepTimes.value(step)));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: %s ROUNDS OPALOSYNC BARE_WINDOW [OTHER_OPALOSYNC ...]\n", argv[0]);
        return 2;
    }
    const int rounds = arguments.at(1).toInt();
    QVector<Program> programs;
    for (const QString &path : arguments.mid(2))
        programs.append({ path, path, {}, {}, {} });
    programs[0].label = QStringLiteral("OpaloSync");
    programs[1].label = QStringLiteral("bare window");
    QTemporaryDir runtime;

    // Uncounted rounds first, so that all run from a warm cache.
    for (int round = -2; round < rounds; ++round) {
        for (Program &program : programs) {
            if (!runOnce(program, runtime, round >= 0))
                return 1;
        }
    }
    std::printf("Each step's time is the median of the time since the step before; \"main\" is the\n"
                "time from exec to main(): loading and linking the libraries.\n");
    for (const Program &program : qAsConst(programs))
        report(program);
    const double ours = median(programs[0].totals);
    const double bare = median(programs[1].totals);
    std::printf(
        "OpaloSync / bare window: %.2f; OpaloSync beyond the bare window: %.1f ms; target: under 300 ms\n",
        ours / bare, ours - bare);
    return 0;
}
