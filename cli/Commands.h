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

}  // namespace radio::cli
