#pragma once

// The end-to-end harness: runs the finished Deruveza.exe as its own process
// and looks at it, types at it and clicks on it from the outside, the way a
// user's desktop would.  Windows are found and driven with the W functions;
// texts are read with the A functions, so they arrive as code page 936
// bytes, the same bytes the tool works in.
//
// Everything here waits by polling in short steps while pumping this
// thread's messages: the test program owns windows of its own (TargetWindow)
// that must keep processing what the tool posts to them.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "WinTestText.h"
#include "common/AnsiText.h"

namespace e2e {

// How long a wait lasts before it gives up, and the polling step.
constexpr DWORD kDefaultTimeoutMs = 10000;
constexpr DWORD kPollStepMs = 15;

// ---- Texts ----------------------------------------------------------------

// Test texts are written in UTF-8 and turned into code page 936 bytes by
// gbk(); hexBytes() shows bytes readably.  Shared with the Win32 tests.
using ::gbk;
using ::hexBytes;
using ::readBytes;
using ::writeBytes;
using ::wide;

// A wide text in the system's ANSI code page, as the tool would hold it.
AnsiText ansiText(const std::wstring& text);

// A window's text as code page 936 bytes; works for windows of other
// processes too (WM_GETTEXT with a time-out, so a hung window cannot hang
// the test).
AnsiText windowTextA(HWND window);
std::wstring className(HWND window);

// ---- Waiting --------------------------------------------------------------

// Dispatches this thread's messages for the given time.
void pumpFor(DWORD milliseconds);
// Pumps until the predicate holds or the time is up; true when it held.  The
// predicate is asked once more at the end, so a last-moment change counts.
bool waitUntil(const std::function<bool()>& predicate, DWORD timeoutMs = kDefaultTimeoutMs);

// ---- The tool -------------------------------------------------------------

// The path of the finished exe the tests run: DERUVEZA_TOOL_EXE from the
// environment when set, otherwise the dist exe the build tree names.
std::wstring toolExePath();

// One run of the tool.  The constructor copies the exe (and, when given,
// a 配置.ini with exactly the given bytes) into a fresh scratch folder whose
// name has Chinese characters in it, and starts it from another working
// directory, so the tool must find its folder from its own path.  The
// destructor kills the process if it still runs and removes the folder.
class RunningTool {
public:
    explicit RunningTool(const std::optional<AnsiText>& profileBytes = std::nullopt);
    ~RunningTool();
    RunningTool(const RunningTool&) = delete;
    RunningTool& operator=(const RunningTool&) = delete;

    // False when the folder could not be made or the process not started;
    // error() says why.
    bool started() const { return process_ != nullptr; }
    const std::string& error() const { return error_; }
    DWORD processId() const { return processId_; }
    bool isRunning() const;

    // The scratch folder (no trailing backslash) and a file in it.
    const std::wstring& folder() const { return folder_; }
    std::wstring fileInFolder(const std::wstring& name) const { return folder_ + L"\\" + name; }

    // The tool's top-level window of class DERUVEZA_MAIN_CLASS, visible or
    // not; null when there is none (yet).
    HWND findMainWindow() const;
    // Waits until the main window is visible; false when it does not come
    // or the process ends first.  mainWindow() is valid after it.
    bool waitForMainWindow(DWORD timeoutMs = kDefaultTimeoutMs);
    HWND mainWindow() const { return mainWindow_; }

    // A child control of the main window by its ID (app/ControlIds.h).
    HWND control(int id) const;
    AnsiText controlText(int id) const;

    // Posts WM_CLOSE to the main window.
    bool close() const;
    // The exit code once the process has ended; nothing on time-out.
    std::optional<DWORD> waitForExit(DWORD timeoutMs = kDefaultTimeoutMs) const;

private:
    void removeFolder();

    std::wstring folder_;
    std::string error_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND mainWindow_ = nullptr;
};

// ---- Message boxes --------------------------------------------------------

// A visible message box (class #32770) of the process with exactly this
// caption (code page 936 bytes); null when there is none.
HWND findMessageBox(DWORD processId, const AnsiText& caption);
HWND waitForMessageBox(DWORD processId, const AnsiText& caption, DWORD timeoutMs = kDefaultTimeoutMs);
// Every visible top-level window of the process of class #32770.
int countMessageBoxes(DWORD processId);
// The text of the box's message, code page 936 bytes.
AnsiText messageBoxText(HWND box);
// The IDs of the box's visible buttons, in their order.
std::vector<int> visibleButtons(HWND box);
// Presses the box's OK button.
bool pressOk(HWND box);

// A message box may show its text without the last line break; the rest
// must be byte for byte the same.
bool sameReportText(const AnsiText& shown, const AnsiText& expected);

// ---- Input ----------------------------------------------------------------

// SendInput, as the keyboard and the mouse would.  They do not wait: follow
// them with waitUntil for what they should cause.
bool pressKey(WORD virtualKey);
bool moveCursor(POINT at);
bool clickAt(POINT at);
// Left button down at one point, moved to the other, released there.
bool pressAndReleaseAt(POINT pressAt, POINT releaseAt);

// The screen point at the centre of a window.
POINT centreOf(HWND window);

// ---- A window of the test program -----------------------------------------

// A topmost top-level Unicode window owned by the test program, with one
// Unicode EDIT child.  Put the cursor over the edit (editCentre) and the
// tool's F1 types into it; the driver thread must pump meanwhile.
class TargetWindow {
public:
    // The frame and the edit's client-relative place.
    static constexpr int kLeft = 300, kTop = 200, kWidth = 500, kHeight = 240;
    static constexpr int kEditLeft = 20, kEditTop = 20, kEditWidth = 400, kEditHeight = 60;

    TargetWindow();
    ~TargetWindow();
    TargetWindow(const TargetWindow&) = delete;
    TargetWindow& operator=(const TargetWindow&) = delete;

    bool created() const { return edit_ != nullptr; }
    HWND window() const { return window_; }
    HWND edit() const { return edit_; }
    POINT editCentre() const { return centreOf(edit_); }
    // The edit's text as code page 936 bytes.
    AnsiText text() const { return windowTextA(edit_); }
    void clear() const { SetWindowTextW(edit_, L""); }

private:
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

}  // namespace e2e
