// SPDX-License-Identifier: GPL-2.0-or-later
// A program that links the engine and nothing else. Starts a copy of the
// SOURCEs into DESTINATION and either leaves the event loop while the copy
// worker is still busy, waiting on the question whether to replace a file
// ("question") or moving data ("transfer"), answers the question with Yes
// and waits for the end ("answer"), or is killed at the question
// ("killed"). Exits with 3 when an engine thread still runs once the event
// loop has ended, with 4 when an answered copy did not go through.
#include "engine/TL09Engine.h"
#include "engine/copy/CopyJob.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <csignal>
#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: copy_at_exit question|transfer|answer|killed DESTINATION SOURCE...\n");
        return 2;
    }
    QFileInfoList sources;
    for (const QString &source : arguments.mid(3))
        sources << QFileInfo(source);
    TL09Engine engine;
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &engine, &TL09Engine::stopThreads);
    const std::unique_ptr<CopyJob> job(
        engine.makeCopy({ sources, HostMode, arguments.at(2), PicturesMode }, nullptr));
    const QString mode = arguments.at(1);
    bool asked = false;
    bool arrived = false;
    if (mode == QLatin1String("answer")) {
        QObject::connect(job.get(), &CopyJob::questionAsked, job.get(), [&](const CopyQuestion &question) {
            asked = question.kind == AskOverwrite && !question.overwrite.existing.isEmpty();
            job->answer(AnswerYes);
        });
        QObject::connect(job.get(), &CopyJob::finished, &application, [&](bool ok) {
            arrived = ok;
            QCoreApplication::quit();
        });
    } else if (mode == QLatin1String("killed")) {
        QObject::connect(job.get(), &CopyJob::questionAsked, [] { std::raise(SIGKILL); });
    } else if (mode == QLatin1String("question")) {
        QObject::connect(job.get(), &CopyJob::questionAsked, &application, &QCoreApplication::quit);
    } else {
        QObject::connect(job.get(), &CopyJob::progressChanged, &application, &QCoreApplication::quit);
    }
    if (!job->start())
        return 2;
    application.exec();
    if (engine.isRunning() || job->findChild<AsyncCopy *>()->isRunning())
        return 3;
    return mode == QLatin1String("answer") && !(asked && arrived) ? 4 : 0;
}
