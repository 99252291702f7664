#pragma once

#include <QStringList>

namespace radio::cli {

// Each returns the exit status, or throws UsageError / CommandFailure.
int runNew(const QStringList& arguments);
int runShow(const QStringList& arguments);
int runRead(const QStringList& arguments);
int runWrite(const QStringList& arguments);
int runPorts(const QStringList& arguments);
int runPrint(const QStringList& arguments);
int runExport(const QStringList& arguments);
int runImport(const QStringList& arguments);
// Exit status 0 when the images are equal, 1 when they differ, 2 when one cannot be read.
int runDiff(const QStringList& arguments);

}  // namespace radio::cli
