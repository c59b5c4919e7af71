#include "Harness.h"

#include <cstdio>
#include <vector>

#include "ToolPath.h"
#include "app/ControlIds.h"

namespace e2e {

namespace {

constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kTargetClass[] = L"DeruvezaTestTarget";
// The static control that holds a message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;
// How long WM_GETTEXT to a window of another process may take.
constexpr UINT kSendTimeoutMs = 2000;

bool processIsAlive(HANDLE process) { return process != nullptr && WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }

DWORD ownerProcess(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::wstring environmentValue(const wchar_t* name) {
    wchar_t value[1024];
    const DWORD length = GetEnvironmentVariableW(name, value, 1024);
    if (length == 0 || length >= 1024) return std::wstring();
    return std::wstring(value, length);
}

std::wstring tempDirectory() {
    wchar_t temp[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    std::wstring path(temp, length < MAX_PATH ? length : 0);
    if (!path.empty() && path.back() == L'\\') path.pop_back();
    return path;
}

std::string lastErrorText(const char* what) {
    return std::string(what) + " failed, error " + std::to_string(GetLastError());
}

bool sendInputs(INPUT* inputs, UINT count) { return SendInput(count, inputs, sizeof(INPUT)) == count; }

INPUT mouseInput(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// The thread of the window under the point, and whether it holds the mouse.
bool pointOwnerHasCapture(POINT at) {
    HWND hit = WindowFromPoint(at);
    if (hit == nullptr) return false;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(hit, nullptr), &info) && info.hwndCapture != nullptr;
}

}  // namespace

// ---- Texts ----------------------------------------------------------------

AnsiText ansiText(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
    AnsiText bytes(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

AnsiText windowTextA(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length))
        return AnsiText();
    // The length may count characters where the text has two bytes each.
    std::vector<char> buffer(static_cast<size_t>(length) * 2 + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied))
        return AnsiText();
    return AnsiText(buffer.data(), copied < buffer.size() ? static_cast<size_t>(copied) : buffer.size() - 1);
}

std::wstring className(HWND window) {
    wchar_t name[256];
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

// ---- Waiting --------------------------------------------------------------

void pumpFor(DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return;
        const DWORD left = static_cast<DWORD>(deadline - now);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < kPollStepMs ? left : kPollStepMs, QS_ALLINPUT);
    }
}

bool waitUntil(const std::function<bool()>& predicate, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (GetTickCount64() < deadline) {
        if (predicate()) return true;
        pumpFor(kPollStepMs);
    }
    return predicate();
}

// ---- The tool -------------------------------------------------------------

std::wstring toolExePath() {
    const std::wstring chosen = environmentValue(L"DERUVEZA_TOOL_EXE");
    return chosen.empty() ? wide(DERUVEZA_DIST_EXE_UTF8) : chosen;
}

RunningTool::RunningTool(const std::optional<AnsiText>& profileBytes) {
    static int runs = 0;
    const std::wstring temp = tempDirectory();
    const std::wstring stem = temp + L"\\德鲁维扎测试-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    for (int attempt = 0; attempt < 1000 && folder_.empty(); ++attempt) {
        const std::wstring candidate = stem + std::to_wstring(++runs);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) folder_ = candidate;
        else if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    if (folder_.empty()) {
        error_ = lastErrorText("CreateDirectoryW under the temporary folder");
        return;
    }

    const std::wstring exe = fileInFolder(L"Deruveza.exe");
    if (!CopyFileW(toolExePath().c_str(), exe.c_str(), FALSE)) {
        error_ = lastErrorText("copying the tool's exe") + " (is dist/Deruveza.exe built? scripts/build makes it)";
        return;
    }
    if (profileBytes && !writeBytes(fileInFolder(L"配置.ini"), *profileBytes)) {
        error_ = lastErrorText("writing 配置.ini");
        return;
    }

    // Started from the temporary folder, not its own: the tool must find its
    // files from its own path.
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, temp.c_str(),
                        &startup, &info)) {
        error_ = lastErrorText("CreateProcessW");
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
}

RunningTool::~RunningTool() {
    if (process_ != nullptr) {
        if (processIsAlive(process_)) {
            // Take the mouse off the tool while it still runs: under Wine a
            // process that dies with the cursor over its window leaves
            // later processes reading the cursor where it was then.
            HWND window = findMainWindow();
            RECT frame = {};
            POINT cursor = {};
            if (window != nullptr && GetWindowRect(window, &frame) && GetCursorPos(&cursor) &&
                PtInRect(&frame, cursor)) {
                moveCursor(POINT{frame.left - 200, frame.top - 200});
                pumpFor(150);
            }
            TerminateProcess(process_, 0xDEAD);
            WaitForSingleObject(process_, kDefaultTimeoutMs);
        }
        CloseHandle(process_);
    }
    removeFolder();
}

bool RunningTool::isRunning() const { return processIsAlive(process_); }

void RunningTool::removeFolder() {
    if (folder_.empty()) return;
    // The exe's image may stay locked for a moment after the process ends.
    waitUntil(
        [this] {
            WIN32_FIND_DATAW found;
            HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
            if (search != INVALID_HANDLE_VALUE) {
                do {
                    const std::wstring name = found.cFileName;
                    if (name == L"." || name == L"..") continue;
                    const std::wstring full = fileInFolder(name);
                    SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileW(full.c_str());
                } while (FindNextFileW(search, &found));
                FindClose(search);
            }
            return RemoveDirectoryW(folder_.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
                   GetLastError() == ERROR_PATH_NOT_FOUND;
        },
        2000);
    folder_.clear();
}

HWND RunningTool::findMainWindow() const {
    if (processId_ == 0) return nullptr;
    for (HWND window = FindWindowExW(nullptr, nullptr, DERUVEZA_MAIN_CLASS, nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, DERUVEZA_MAIN_CLASS, nullptr)) {
        if (ownerProcess(window) == processId_) return window;
    }
    return nullptr;
}

bool RunningTool::waitForMainWindow(DWORD timeoutMs) {
    mainWindow_ = nullptr;
    if (process_ == nullptr) return false;
    waitUntil(
        [this] {
            HWND window = findMainWindow();
            if (window != nullptr && IsWindowVisible(window)) mainWindow_ = window;
            return mainWindow_ != nullptr || !isRunning();
        },
        timeoutMs);
    return mainWindow_ != nullptr;
}

HWND RunningTool::control(int id) const {
    HWND main = mainWindow_ != nullptr ? mainWindow_ : findMainWindow();
    return main != nullptr ? GetDlgItem(main, id) : nullptr;
}

AnsiText RunningTool::controlText(int id) const {
    HWND window = control(id);
    return window != nullptr ? windowTextA(window) : AnsiText();
}

bool RunningTool::close() const {
    HWND main = mainWindow_ != nullptr ? mainWindow_ : findMainWindow();
    return main != nullptr && PostMessageW(main, WM_CLOSE, 0, 0);
}

std::optional<DWORD> RunningTool::waitForExit(DWORD timeoutMs) const {
    if (process_ == nullptr) return std::nullopt;
    if (!waitUntil([this] { return !isRunning(); }, timeoutMs)) return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_, &code)) return std::nullopt;
    return code;
}

// ---- Message boxes --------------------------------------------------------

namespace {

struct BoxSearch {
    DWORD processId;
    const AnsiText* caption;  // null: any caption
    HWND found;
    int count;
};

BOOL CALLBACK visitTopLevel(HWND window, LPARAM context) {
    BoxSearch* search = reinterpret_cast<BoxSearch*>(context);
    if (ownerProcess(window) != search->processId || !IsWindowVisible(window) || className(window) != kDialogClass)
        return TRUE;
    if (search->caption != nullptr && windowTextA(window) != *search->caption) return TRUE;
    ++search->count;
    if (search->found == nullptr) search->found = window;
    return TRUE;
}

struct StaticSearch {
    HWND found;
};

BOOL CALLBACK visitChild(HWND child, LPARAM context) {
    StaticSearch* search = reinterpret_cast<StaticSearch*>(context);
    if (_wcsicmp(className(child).c_str(), L"Static") == 0 && GetWindowTextLengthW(child) > 0) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND findMessageBox(DWORD processId, const AnsiText& caption) {
    BoxSearch search = {processId, &caption, nullptr, 0};
    EnumWindows(visitTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitForMessageBox(DWORD processId, const AnsiText& caption, DWORD timeoutMs) {
    HWND box = nullptr;
    waitUntil([&] { return (box = findMessageBox(processId, caption)) != nullptr; }, timeoutMs);
    return box;
}

int countMessageBoxes(DWORD processId) {
    BoxSearch search = {processId, nullptr, nullptr, 0};
    EnumWindows(visitTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

AnsiText messageBoxText(HWND box) {
    HWND text = GetDlgItem(box, kMessageBoxTextId);
    if (text == nullptr || _wcsicmp(className(text).c_str(), L"Static") != 0) {
        // Not where the usual dialog keeps it: the first static with a text.
        StaticSearch search = {nullptr};
        EnumChildWindows(box, visitChild, reinterpret_cast<LPARAM>(&search));
        text = search.found;
    }
    return text != nullptr ? windowTextA(text) : AnsiText();
}

std::vector<int> visibleButtons(HWND box) {
    std::vector<int> ids;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(className(child).c_str(), L"Button") == 0 && IsWindowVisible(child))
            ids.push_back(GetDlgCtrlID(child));
    }
    return ids;
}

bool pressOk(HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    return PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
}

bool sameReportText(const AnsiText& shown, const AnsiText& expected) {
    if (shown == expected) return true;
    const AnsiText lineBreak = "\r\n";
    return expected.size() >= lineBreak.size() &&
           expected.compare(expected.size() - lineBreak.size(), lineBreak.size(), lineBreak) == 0 &&
           shown == expected.substr(0, expected.size() - lineBreak.size());
}

// ---- Input ----------------------------------------------------------------

bool pressKey(WORD virtualKey) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return sendInputs(inputs, 2);
}

// A mouse event that carries its own place on the screen, so the system
// need not rely on where it believes the cursor is.
INPUT mouseAt(POINT at, DWORD flags) {
    INPUT input = mouseInput(flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    const long long width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((at.x * 65536LL + width / 2) / width);
    input.mi.dy = static_cast<LONG>((at.y * 65536LL + height / 2) / height);
    return input;
}

bool moveCursor(POINT at) {
    // A real move, as a mouse would report it, so every process, not only
    // this one, sees the cursor where it now is; then the exact place.
    INPUT move = mouseAt(at, 0);
    if (!sendInputs(&move, 1)) return false;
    pumpFor(kPollStepMs);
    if (!SetCursorPos(at.x, at.y)) return false;
    return waitUntil(
        [&] {
            POINT now = {};
            return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
        },
        2000);
}

bool clickAt(POINT at) {
    if (!moveCursor(at)) return false;
    pumpFor(kPollStepMs);
    INPUT inputs[2] = {mouseAt(at, MOUSEEVENTF_LEFTDOWN), mouseAt(at, MOUSEEVENTF_LEFTUP)};
    return sendInputs(inputs, 2);
}

bool pressAndReleaseAt(POINT pressAt, POINT releaseAt) {
    if (!moveCursor(pressAt)) return false;
    pumpFor(kPollStepMs);
    INPUT down = mouseAt(pressAt, MOUSEEVENTF_LEFTDOWN);
    if (!sendInputs(&down, 1)) return false;
    // The release goes wherever the mouse is held: let the window below
    // take the press, and with it the mouse, before moving away.
    waitUntil([&] { return pointOwnerHasCapture(pressAt); }, 500);
    const bool moved = moveCursor(releaseAt);
    pumpFor(kPollStepMs);
    INPUT up = mouseAt(releaseAt, MOUSEEVENTF_LEFTUP);
    return sendInputs(&up, 1) && moved;
}

POINT centreOf(HWND window) {
    RECT frame = {};
    GetWindowRect(window, &frame);
    return POINT{(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
}

// ---- A window of the test program -----------------------------------------

TargetWindow::TargetWindow() {
    HINSTANCE module = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kTargetClass;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return;

    window_ = CreateWindowExW(WS_EX_TOPMOST, kTargetClass, L"测试目标", WS_POPUP | WS_BORDER | WS_VISIBLE, kLeft,
                              kTop, kWidth, kHeight, nullptr, nullptr, module, nullptr);
    if (window_ == nullptr) return;
    edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, kEditLeft, kEditTop,
                            kEditWidth, kEditHeight, window_, nullptr, module, nullptr);
    pumpFor(kPollStepMs);
}

TargetWindow::~TargetWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
    pumpFor(kPollStepMs);
}

}  // namespace e2e
