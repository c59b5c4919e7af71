// Times the finished Deruveza.exe from the outside against the floor program,
// the least code that does the same job, and says whether the product stays
// within its targets:
//
//   e2e_bench <Deruveza.exe> <floor.exe> <word list>
//
// Each program gets a scratch folder under %TEMP% with a copy of its exe and
// of the word list as 配置.ini.  The programs run one after the other, never
// both at once, as only one of them can hold F1.  Figures: start-up to a
// visible window, F1 to the last character in a window of this program,
// memory after the presses, and for the product alone F1 with a long history
// and the CPU it uses while idle.
//
// The word list should hold one double-byte character per item, so that the
// floor's names have a known length (six bytes); the product's name is read
// from its name box.  Windows are driven with the W functions, texts read
// with the A ones, as code page 936 bytes.  A target that is missed is
// reported and is no failure; the exit code is 1 only when some figure could
// not be measured.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/ControlIds.h"

namespace {

constexpr int kStarts = 10;
constexpr int kWarmUpPresses = 5;
constexpr int kPresses = 100;
constexpr int kHistoryLines = 1000;
constexpr DWORD kIdleMs = 10000;
constexpr double kStartTimeoutMs = 20000;
constexpr double kPressTimeoutMs = 5000;
constexpr double kExitTimeoutMs = 10000;
// How long a message to another process's window may take.
constexpr UINT kSendTimeoutMs = 5000;
// Surname, symbol and given name of one double-byte character each.
constexpr size_t kFloorNameBytes = 6;
// The product's name is at least as long as the floor's.
constexpr size_t kShortestName = 6;

// The targets.
constexpr double kMaxStartRatio = 1.1;
constexpr double kMaxPressRatio = 1.1;
constexpr double kMaxExtraPrivateBytes = 1024.0 * 1024.0;
constexpr double kMaxHistoryRatio = 1.5;

bool g_incomplete = false;

void cannotMeasure(const char* program, const char* what) {
    std::printf("%s: cannot measure: %s (error %lu)\n", program, what, GetLastError());
    g_incomplete = true;
}

// ---- Clock and messages ---------------------------------------------------

double clockMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

void drainMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// One polling step: about a millisecond, or less when a message comes.
void waitStep() { MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT); }

// Dispatches this thread's messages for the given time, waking only when
// one comes.  (Under Wine, waking every few milliseconds here costs the
// other programs' processes CPU time too.)
void pumpFor(double milliseconds) {
    const double end = clockMs() + milliseconds;
    for (;;) {
        drainMessages();
        const double left = end - clockMs();
        if (left <= 0) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left) + 1, QS_ALLINPUT);
    }
}

// ---- Texts ----------------------------------------------------------------

// A window's text as code page 936 bytes; also for other processes' windows.
std::string textOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length))
        return std::string();
    // The length may count characters where the text has two bytes each.
    std::vector<char> buffer(static_cast<size_t>(length) * 2 + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied))
        return std::string();
    return std::string(buffer.data(), std::min<size_t>(static_cast<size_t>(copied), buffer.size() - 1));
}

// ---- Statistics -----------------------------------------------------------

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Nearest rank: the smallest value that at least 90 % of them do not pass.
double percentile90(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t rank = (values.size() * 9 + 9) / 10;
    return values[rank - 1];
}

// ---- Scratch folders ------------------------------------------------------

std::wstring fileNameOf(const std::wstring& path) {
    const size_t cut = path.find_last_of(L"\\/");
    return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

class ScratchFolder {
public:
    // A folder under %TEMP% with the exe (under its own name) and the word
    // list as 配置.ini.
    ScratchFolder(const std::wstring& exe, const std::wstring& wordList, const wchar_t* tag) {
        wchar_t temp[MAX_PATH];
        const DWORD length = GetTempPathW(MAX_PATH, temp);
        if (length == 0 || length >= MAX_PATH) return;
        const std::wstring folder =
            std::wstring(temp) + L"deruveza-bench-" + std::to_wstring(GetCurrentProcessId()) + L"-" + tag;
        if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return;
        folder_ = folder;
        const std::wstring copy = folder + L"\\" + fileNameOf(exe);
        if (!CopyFileW(exe.c_str(), copy.c_str(), FALSE)) return;
        if (!CopyFileW(wordList.c_str(), (folder + L"\\配置.ini").c_str(), FALSE)) return;
        exe_ = copy;
    }

    ~ScratchFolder() {
        if (folder_.empty()) return;
        // The exe's image may stay locked for a moment after its process ends.
        for (int attempt = 0; attempt < 50; ++attempt) {
            WIN32_FIND_DATAW found;
            HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
            if (search != INVALID_HANDLE_VALUE) {
                do {
                    const std::wstring name = found.cFileName;
                    if (name != L"." && name != L"..") DeleteFileW((folder_ + L"\\" + name).c_str());
                } while (FindNextFileW(search, &found));
                FindClose(search);
            }
            if (RemoveDirectoryW(folder_.c_str())) return;
            pumpFor(20);
        }
    }

    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool ready() const { return !exe_.empty(); }
    const std::wstring& folder() const { return folder_; }
    const std::wstring& exe() const { return exe_; }

private:
    std::wstring folder_;
    std::wstring exe_;
};

// ---- One run of a program -------------------------------------------------

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findVisibleWindow(HWND window, LPARAM context) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

class Run {
public:
    explicit Run(const ScratchFolder& folder) : folder_(folder) {}

    ~Run() {
        if (process_ == nullptr) return;
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, static_cast<DWORD>(kExitTimeoutMs));
        }
        CloseHandle(process_);
    }

    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    // Starts the program and waits until a top-level window of it is
    // visible; the milliseconds from CreateProcessW on, or nothing when no
    // window came.
    std::optional<double> start() {
        std::wstring commandLine = L"\"" + folder_.exe() + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        const double begin = clockMs();
        if (!CreateProcessW(folder_.exe().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder_.folder().c_str(), &startup, &info))
            return std::nullopt;
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        processId_ = info.dwProcessId;
        for (;;) {
            drainMessages();
            WindowSearch search = {processId_, nullptr};
            EnumWindows(findVisibleWindow, reinterpret_cast<LPARAM>(&search));
            const double now = clockMs();
            if (search.found != nullptr) {
                window_ = search.found;
                return now - begin;
            }
            if (now - begin > kStartTimeoutMs || WaitForSingleObject(process_, 0) != WAIT_TIMEOUT)
                return std::nullopt;
            waitStep();
        }
    }

    // WM_CLOSE to its window, then waits for the process to end.
    bool close() {
        if (window_ == nullptr || !PostMessageW(window_, WM_CLOSE, 0, 0)) return false;
        const double begin = clockMs();
        while (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            if (clockMs() - begin > kExitTimeoutMs) return false;
            drainMessages();
            waitStep();
        }
        return true;
    }

    // Returns once the program has handled everything sent to it so far.
    bool settle() const {
        DWORD_PTR result = 0;
        return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) != 0;
    }

    // Takes the process's top-level window of this class as its window;
    // false when there is none.
    bool useWindowOfClass(const wchar_t* className) {
        for (HWND window = FindWindowExW(nullptr, nullptr, className, nullptr); window != nullptr;
             window = FindWindowExW(nullptr, window, className, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId_) {
                window_ = window;
                return true;
            }
        }
        return false;
    }

    HANDLE process() const { return process_; }
    DWORD processId() const { return processId_; }
    HWND window() const { return window_; }

private:
    const ScratchFolder& folder_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

// ---- The window the names are typed into ----------------------------------

class Target {
public:
    Target() {
        HINSTANCE module = GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = module;
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = L"DeruvezaBenchTarget";
        if (!RegisterClassExW(&windowClass)) return;
        // Clear of both programs' windows: the floor's at the upper left, the
        // product's at the lower right.
        window_ = CreateWindowExW(WS_EX_TOPMOST, L"DeruvezaBenchTarget", L"Bench target",
                                  WS_POPUP | WS_BORDER | WS_VISIBLE, 760, 420, 400, 160, nullptr, nullptr, module,
                                  nullptr);
        if (window_ == nullptr) return;
        edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 20, 20, 360, 40,
                                window_, nullptr, module, nullptr);
        pumpFor(50);
    }

    ~Target() {
        if (window_ != nullptr) DestroyWindow(window_);
    }

    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;

    bool created() const { return edit_ != nullptr; }
    void clear() const { SetWindowTextW(edit_, L""); }

    std::string text() const {
        char buffer[256];
        const int length = GetWindowTextA(edit_, buffer, sizeof buffer);
        return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
    }

    // Puts the mouse over the edit, for the programs' F1 to type into it.
    bool pointAt() const {
        RECT frame = {};
        GetWindowRect(edit_, &frame);
        const POINT centre = {(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
        if (!SetCursorPos(centre.x, centre.y)) return false;
        const double begin = clockMs();
        POINT now = {};
        while (clockMs() - begin < 2000) {
            if (GetCursorPos(&now) && now.x == centre.x && now.y == centre.y && WindowFromPoint(centre) == edit_)
                return true;
            pumpFor(5);
        }
        return false;
    }

private:
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

bool pressF1() {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_F1;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(VK_F1, MAPVK_VK_TO_VSC));
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

// One F1: the milliseconds from the key press until the target shows the
// whole name, taken when its text last changed.  The floor's name has
// kFloorNameBytes bytes.  The product's is the one in its name box, which it
// fills before it types; asking for it blocks this thread until the product
// has finished with the press, and meanwhile no character would be seen
// arriving, so the box is only asked once the target has been still for
// kQuietMs.  Nothing on time-out.
std::optional<double> timePress(const Run& run, const Target& target, HWND nameBox) {
    constexpr double kQuietMs = 25;
    target.clear();
    drainMessages();
    std::string seen;
    double changedAt = 0;
    bool asked = false;
    const double begin = clockMs();
    if (!pressF1()) return std::nullopt;
    std::optional<double> elapsed;
    while (!elapsed) {
        drainMessages();
        const double now = clockMs();
        const std::string text = target.text();
        if (text != seen) {
            seen = text;
            changedAt = now;
            asked = false;
        }
        if (nameBox == nullptr) {
            if (seen.size() >= kFloorNameBytes) elapsed = changedAt - begin;
        } else if (seen.size() >= kShortestName && !asked && now - changedAt >= kQuietMs) {
            asked = true;
            if (textOf(nameBox) == seen) elapsed = changedAt - begin;
        }
        if (!elapsed) {
            if (now - begin > kPressTimeoutMs) return std::nullopt;
            waitStep();
        }
    }
    // The next press starts when the program has finished with this one.
    if (!run.settle()) return std::nullopt;
    drainMessages();
    return elapsed;
}

// Warm-up presses, then the timed ones; empty when one did not arrive.
std::vector<double> timePresses(const Run& run, const Target& target, HWND nameBox) {
    std::vector<double> times;
    for (int i = 0; i < kWarmUpPresses + kPresses; ++i) {
        const std::optional<double> elapsed = timePress(run, target, nameBox);
        if (!elapsed) return std::vector<double>();
        if (i >= kWarmUpPresses) times.push_back(*elapsed);
    }
    return times;
}

// ---- Measuring one program ------------------------------------------------

struct Figures {
    std::optional<double> startMs;
    std::optional<double> pressMedianMs;
    std::optional<double> pressP90Ms;
    std::optional<double> privateBytes;
    std::optional<double> workingSetBytes;
    std::optional<double> longHistoryMedianMs;
    std::optional<double> idleCpuMs;
};

double cpuMsOf(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
    const auto ticks = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 10000.0;
}

// kHistoryLines lines "N：name" joined by CR LF, in code page 936.
std::string longHistory(const std::string& name) {
    std::string text;
    for (int n = 1; n <= kHistoryLines; ++n) {
        if (n > 1) text += "\r\n";
        text += std::to_string(n);
        text += "\xA3\xBA";  // ：
        text += name;
    }
    return text;
}

Figures measure(const char* label, const std::wstring& exe, const std::wstring& wordList, bool isProduct,
                const Target& target) {
    Figures figures;
    ScratchFolder folder(exe, wordList, isProduct ? L"product" : L"floor");
    if (!folder.ready()) {
        cannotMeasure(label, "copying the exe and the word list into a scratch folder");
        return figures;
    }

    // 1. Start-up to a visible window.
    std::vector<double> starts;
    for (int i = 0; i < kStarts; ++i) {
        Run run(folder);
        const std::optional<double> elapsed = run.start();
        if (!elapsed) {
            cannotMeasure(label, "start-up: no visible window");
            break;
        }
        starts.push_back(*elapsed);
        if (!run.close()) {
            cannotMeasure(label, "start-up: the program did not end after WM_CLOSE");
            break;
        }
    }
    if (starts.size() == static_cast<size_t>(kStarts)) {
        figures.startMs = median(starts);
        std::printf("%s: start-up median %.2f ms over %d starts\n", label, *figures.startMs, kStarts);
    }

    // The rest in one run.
    Run run(folder);
    if (!run.start()) {
        cannotMeasure(label, "no visible window");
        return figures;
    }
    HWND nameBox = nullptr;
    HWND historyBox = nullptr;
    if (isProduct) {
        if (!run.useWindowOfClass(DERUVEZA_MAIN_CLASS)) {
            cannotMeasure(label, "no main window");
            return figures;
        }
        nameBox = GetDlgItem(run.window(), kIdNameBox);
        historyBox = GetDlgItem(run.window(), kIdHistoryBox);
        if (nameBox == nullptr || historyBox == nullptr) {
            cannotMeasure(label, "the name box or the history box is not there");
            return figures;
        }
    }
    if (!target.pointAt()) {
        cannotMeasure(label, "the mouse cannot be put over the target");
        return figures;
    }

    // 2. F1 to the last character in the target.
    const std::vector<double> presses = timePresses(run, target, nameBox);
    if (presses.empty()) {
        cannotMeasure(label, "F1: the name did not arrive in the target");
    } else {
        figures.pressMedianMs = median(presses);
        figures.pressP90Ms = percentile90(presses);
        std::printf("%s: F1 median %.2f ms, 90th percentile %.2f ms over %d presses\n", label,
                    *figures.pressMedianMs, *figures.pressP90Ms, kPresses);

        // 3. Memory after the presses.
        HANDLE query = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, run.processId());
        PROCESS_MEMORY_COUNTERS_EX counters = {};
        counters.cb = sizeof counters;
        if (query != nullptr && GetProcessMemoryInfo(query, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                                     sizeof counters)) {
            // Both count the process's commit charge; Wine 8 leaves
            // PrivateUsage at zero and fills in only PagefileUsage.
            SIZE_T privateBytes = counters.PrivateUsage;
            if (privateBytes == 0) {
                privateBytes = counters.PagefileUsage;
                std::printf("%s: PrivateUsage is 0, private bytes taken from PagefileUsage\n", label);
            }
            if (privateBytes == 0) cannotMeasure(label, "private bytes: both counters are 0");
            else figures.privateBytes = static_cast<double>(privateBytes);
            figures.workingSetBytes = static_cast<double>(counters.WorkingSetSize);
        } else {
            cannotMeasure(label, "GetProcessMemoryInfo");
        }
        if (query != nullptr) CloseHandle(query);
    }

    if (isProduct) {
        // 4. F1 with a long history.
        const std::string name = textOf(nameBox);
        const std::string history = longHistory(name.empty() ? std::string("\xD5\xC5\xD8\xBC\xB7\xE7") : name);
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(historyBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(history.c_str()),
                                 SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) ||
            textOf(historyBox) != history) {
            cannotMeasure(label, "the history box did not take the long history");
        } else {
            const std::vector<double> longPresses = timePresses(run, target, nameBox);
            if (longPresses.empty()) {
                cannotMeasure(label, "F1 with a long history: the name did not arrive in the target");
            } else {
                figures.longHistoryMedianMs = median(longPresses);
                std::printf("%s: F1 median %.2f ms with %d lines of history\n", label, *figures.longHistoryMedianMs,
                            kHistoryLines);
            }
        }

        // 5. CPU while idle.
        const double before = cpuMsOf(run.process());
        pumpFor(kIdleMs);
        const double after = cpuMsOf(run.process());
        if (before < 0 || after < 0) {
            cannotMeasure(label, "GetProcessTimes");
        } else {
            figures.idleCpuMs = after - before;
            std::printf("%s: %.1f ms of CPU in %lu s idle\n", label, *figures.idleCpuMs, kIdleMs / 1000);
        }
    }

    if (!run.close()) cannotMeasure(label, "the program did not end after WM_CLOSE");
    return figures;
}

// ---- Report ---------------------------------------------------------------

std::optional<double> ratioOf(const std::optional<double>& a, const std::optional<double>& b) {
    if (!a || !b || *b == 0) return std::nullopt;
    return *a / *b;
}

std::optional<double> scaled(const std::optional<double>& value, double by) {
    if (!value) return std::nullopt;
    return *value * by;
}

std::string cell(const std::optional<double>& value, const char* format) {
    if (!value) return "n/a";
    char text[64];
    std::snprintf(text, sizeof text, format, *value);
    return text;
}

void figureRow(const char* name, const std::optional<double>& product, const std::optional<double>& floor,
               const char* format, bool withFloor = true) {
    std::printf("%-34s %12s %12s %14s\n", name, cell(product, format).c_str(),
                withFloor ? cell(floor, format).c_str() : "-",
                withFloor ? cell(ratioOf(product, floor), "%.3f").c_str() : "-");
}

void targetRow(const char* name, const std::optional<double>& measured, double limit, const char* format) {
    const char* verdict = !measured ? "n/a" : *measured <= limit ? "PASS" : "MISS";
    std::printf("%-40s %12s %12s  %s\n", name, cell(measured, format).c_str(), cell(limit, format).c_str(), verdict);
}

void report(const Figures& product, const Figures& floor) {
    constexpr double kKb = 1.0 / 1024.0;
    std::printf("\n%-34s %12s %12s %14s\n", "figure", "product", "floor", "product/floor");
    figureRow("start-up to visible, median (ms)", product.startMs, floor.startMs, "%.2f");
    figureRow("F1 to last character, median (ms)", product.pressMedianMs, floor.pressMedianMs, "%.2f");
    figureRow("F1 to last character, 90th pct (ms)", product.pressP90Ms, floor.pressP90Ms, "%.2f");
    figureRow("private bytes (KB)", scaled(product.privateBytes, kKb), scaled(floor.privateBytes, kKb), "%.0f");
    figureRow("working set (KB)", scaled(product.workingSetBytes, kKb), scaled(floor.workingSetBytes, kKb), "%.0f");
    figureRow("F1 at 1,000 lines, median (ms)", product.longHistoryMedianMs, std::nullopt, "%.2f", false);
    std::printf("%-34s %12s %12s %14s\n", "  ... to F1 at none", "", "-",
                cell(ratioOf(product.longHistoryMedianMs, product.pressMedianMs), "%.3f").c_str());
    figureRow("CPU in 10 s idle (ms)", product.idleCpuMs, std::nullopt, "%.1f", false);

    std::optional<double> extraPrivate;
    if (product.privateBytes && floor.privateBytes) extraPrivate = *product.privateBytes - *floor.privateBytes;
    std::printf("\n%-40s %12s %12s  %s\n", "target", "measured", "limit", "verdict");
    targetRow("F1 median / floor's F1 median", ratioOf(product.pressMedianMs, floor.pressMedianMs), kMaxPressRatio,
              "%.3f x");
    targetRow("start-up median / floor's start-up", ratioOf(product.startMs, floor.startMs), kMaxStartRatio,
              "%.3f x");
    targetRow("private bytes - floor's (MB)", scaled(extraPrivate, 1.0 / (1024.0 * 1024.0)),
              kMaxExtraPrivateBytes / (1024.0 * 1024.0), "%+.2f MB");
    targetRow("F1 at 1,000 lines / F1 at none", ratioOf(product.longHistoryMedianMs, product.pressMedianMs),
              kMaxHistoryRatio, "%.3f x");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc != 4) {
        std::fprintf(stderr, "usage: e2e_bench <Deruveza.exe> <floor.exe> <word list>\n");
        return 2;
    }
    Target target;
    if (!target.created()) {
        cannotMeasure("bench", "the target window cannot be made");
        return 1;
    }
    const Figures product = measure("product", argv[1], argv[3], true, target);
    const Figures floor = measure("floor", argv[2], argv[3], false, target);
    report(product, floor);
    if (g_incomplete) std::printf("\nsome figures could not be measured\n");
    return g_incomplete ? 1 : 0;
}
