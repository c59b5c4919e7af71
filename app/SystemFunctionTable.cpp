#include "app/SystemFunctionTable.h"

#include <cstring>

#include "common/FatalRuntimeError.h"
#include "common/SystemTexts.h"

namespace {

const char* const kUsualLibraries[] = {"Kernel32.dll", "Gdi32.dll", "User32.dll",
                                       "Advapi32.dll", "Mpr.dll",   "Shell32.dll"};

template <typename Function>
Function as(FARPROC address) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

}  // namespace

SystemFunctionTable& systemFunctions() {
    static SystemFunctionTable table;
    return table;
}

SystemFunctionTable::SystemFunctionTable()
    : entries_{{"GetWindowLongA", "", nullptr, nullptr},
               {"SetWindowLongA", "", nullptr, nullptr},
               {"SetLayeredWindowAttributes", "", nullptr, nullptr},
               {"DwmExtendFrameIntoClientArea", "DwmApi.dll", nullptr, nullptr},
               {"PostMessageA", "", nullptr, nullptr}} {}

HMODULE loadSystemLibrary(const char* name) {
    // A name with a drive or a full path is the caller's own choice.
    if (std::strchr(name, ':') != nullptr) return LoadLibraryA(name);
    char directory[MAX_PATH];
    const UINT length = GetSystemDirectoryA(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    AnsiText path(directory, length);
    path += '\\';
    path += name;
    return LoadLibraryA(path.c_str());
}

void restrictDllSearchToSystem() {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleA("Kernel32.dll");
    if (kernel == nullptr) return;
    auto setDefault = as<SetDefaultDllDirectoriesFunction>(GetProcAddress(kernel, "SetDefaultDllDirectories"));
    if (setDefault != nullptr) setDefault(0x00000800 /* LOAD_LIBRARY_SEARCH_SYSTEM32 */);
}

FARPROC SystemFunctionTable::bind(SystemFunction function) {
    Entry& e = entries_[static_cast<int>(function)];
    if (e.address != nullptr) return e.address;

    if (e.library[0] == '\0') {
        for (const char* library : kUsualLibraries) {
            HMODULE module = loadSystemLibrary(library);
            if (module == nullptr) continue;
            FARPROC address = GetProcAddress(module, e.function);
            if (address != nullptr) {
                e.module = module;
                e.address = address;
                return address;
            }
            FreeLibrary(module);
        }
        FatalRuntimeError(formatText(texts::kExportMissingNoLibraryFormat, e.function), 0);
    }

    HMODULE module = loadSystemLibrary(e.library);
    FARPROC address = module != nullptr ? GetProcAddress(module, e.function) : nullptr;
    if (address == nullptr) {
        if (module != nullptr) FreeLibrary(module);
        FatalRuntimeError(formatText(texts::kExportMissingFormat, e.library, e.function), 0);
    }
    e.module = module;
    e.address = address;
    return address;
}

void SystemFunctionTable::releaseModules() {
    for (Entry& e : entries_) {
        if (e.module != nullptr) FreeLibrary(e.module);
        e.module = nullptr;
        e.address = nullptr;
    }
}

LONG SystemFunctionTable::getWindowLongA(HWND window, int index) {
    using Fn = LONG(WINAPI*)(HWND, int);
    return as<Fn>(bind(SystemFunction::GetWindowLongA))(window, index);
}

LONG SystemFunctionTable::setWindowLongA(HWND window, int index, LONG value) {
    using Fn = LONG(WINAPI*)(HWND, int, LONG);
    return as<Fn>(bind(SystemFunction::SetWindowLongA))(window, index, value);
}

BOOL SystemFunctionTable::setLayeredWindowAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags) {
    using Fn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    return as<Fn>(bind(SystemFunction::SetLayeredWindowAttributes))(window, key, alpha, flags);
}

HRESULT SystemFunctionTable::dwmExtendFrameIntoClientArea(HWND window, const GlassMargins* margins) {
    using Fn = HRESULT(WINAPI*)(HWND, const GlassMargins*);
    return as<Fn>(bind(SystemFunction::DwmExtendFrameIntoClientArea))(window, margins);
}

BOOL SystemFunctionTable::postMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    using Fn = BOOL(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
    return as<Fn>(bind(SystemFunction::PostMessageA))(window, message, wParam, lParam);
}
