#pragma once

// The system functions the tool calls by name, bound at their first call
// and kept bound until the process ends.  A function that cannot be bound
// ends the process with a fatal report.
#include <windows.h>

enum class SystemFunction : int {
    GetWindowLongA = 0,
    SetWindowLongA = 1,
    SetLayeredWindowAttributes = 2,
    DwmExtendFrameIntoClientArea = 3,
    PostMessageA = 4,
};

// The glass margins DwmExtendFrameIntoClientArea takes.
struct GlassMargins {
    int cxLeftWidth;
    int cxRightWidth;
    int cyTopHeight;
    int cyBottomHeight;
};

class SystemFunctionTable {
public:
    struct Entry {
        const char* function;
        const char* library;  // empty: searched in the usual system libraries
        FARPROC address;
        HMODULE module;
    };
    static constexpr int kEntryCount = 5;

    SystemFunctionTable();

    LONG getWindowLongA(HWND window, int index);
    LONG setWindowLongA(HWND window, int index, LONG value);
    BOOL setLayeredWindowAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags);
    HRESULT dwmExtendFrameIntoClientArea(HWND window, const GlassMargins* margins);
    BOOL postMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Binds the entry if it is not bound yet; the address, never null.
    FARPROC bind(SystemFunction function);
    const Entry& entry(SystemFunction function) const { return entries_[static_cast<int>(function)]; }
    // Frees the modules the entries came from, at normal termination.
    void releaseModules();

private:
    Entry entries_[kEntryCount];
};

// The process's one table.
SystemFunctionTable& systemFunctions();

// Loads a library from the system directory only, never from the folder the
// exe stands in or the current directory.
HMODULE loadSystemLibrary(const char* name);

// Restricts the process's own DLL search to the system directory, where the
// platform offers that.
void restrictDllSearchToSystem();
