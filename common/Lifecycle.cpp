#include "common/Lifecycle.h"

namespace {
ExitRoutine exitRoutine = nullptr;
int openReports = 0;
}  // namespace

void registerExitRoutine(ExitRoutine routine) { exitRoutine = routine; }

void cancelExitRoutine() { exitRoutine = nullptr; }

void runExitRoutine() {
    ExitRoutine routine = exitRoutine;
    exitRoutine = nullptr;
    if (routine != nullptr) routine();
}

bool reportIsOpen() { return openReports > 0; }

ReportScope::ReportScope() { ++openReports; }

ReportScope::~ReportScope() { --openReports; }
