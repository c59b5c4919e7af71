#pragma once

// The exit routine: registered once at start-up, run once at normal
// termination, cancelled by a fatal report so that it never runs after one.
using ExitRoutine = void (*)();
void registerExitRoutine(ExitRoutine routine);
void cancelExitRoutine();
// Runs the routine if it is registered and not cancelled, at most once.
void runExitRoutine();

// While one of the tool's reports is open the thread sits in the report's
// modal loop, which still dispatches hotkeys and clicks; the handlers ask
// this first and do nothing while a report is up.
bool reportIsOpen();

class ReportScope {
public:
    ReportScope();
    ~ReportScope();
    ReportScope(const ReportScope&) = delete;
    ReportScope& operator=(const ReportScope&) = delete;
};
