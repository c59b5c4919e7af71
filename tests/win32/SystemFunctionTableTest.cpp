// Binding the system functions by name, from the system directory only.
#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <string>

#include "WinTestText.h"
#include "app/SystemFunctionTable.h"
#include "app/WindowSetUp.h"

namespace {

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string moduleName(HMODULE module) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    return lower(path);
}

std::string systemDirectory() {
    char path[MAX_PATH] = {};
    GetSystemDirectoryA(path, MAX_PATH);
    return lower(path);
}

TEST(SystemFunctionTable, BindsEachEntryOnceFromItsLibrary) {
    SystemFunctionTable table;
    const struct {
        SystemFunction function;
        const char* module;
    } table_[] = {
        {SystemFunction::GetWindowLongA, "user32.dll"},
        {SystemFunction::SetWindowLongA, "user32.dll"},
        {SystemFunction::SetLayeredWindowAttributes, "user32.dll"},
        {SystemFunction::DwmExtendFrameIntoClientArea, "dwmapi.dll"},
        {SystemFunction::PostMessageA, "user32.dll"},
    };
    for (const auto& row : table_) {
        EXPECT_EQ(table.entry(row.function).address, nullptr);
        FARPROC address = table.bind(row.function);
        ASSERT_NE(address, nullptr);
        EXPECT_EQ(table.bind(row.function), address);  // stays bound
        const std::string name = moduleName(table.entry(row.function).module);
        EXPECT_EQ(name, systemDirectory() + "\\" + row.module);
    }
    table.releaseModules();
    EXPECT_EQ(table.entry(SystemFunction::PostMessageA).module, nullptr);
}

TEST(SystemFunctionTable, CallsGoThroughToTheSystem) {
    SystemFunctionTable table;
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    const LONG style = table.getWindowLongA(window, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_EX_TOOLWINDOW);
    table.setWindowLongA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(table.setLayeredWindowAttributes(window, RGB(2, 3, 4), 255, LWA_COLORKEY));
    COLORREF key = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, nullptr, &flags));
    EXPECT_EQ(key, RGB(2, 3, 4));
    EXPECT_EQ(flags & LWA_COLORKEY, static_cast<DWORD>(LWA_COLORKEY));
    EXPECT_TRUE(table.postMessageA(window, WM_APP, 1, 2));
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, window, WM_APP, WM_APP, PM_REMOVE));
    DestroyWindow(window);
    table.releaseModules();
}

// A DwmApi.dll dropped beside the exe or in the current folder is never
// the one loaded.
TEST(LoadSystemLibrary, IgnoresADllBesideTheProgram) {
    char exePath[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exePath, MAX_PATH);
    std::string planted = exePath;
    planted = planted.substr(0, planted.rfind('\\')) + "\\DwmApi.dll";
    const std::string decoy = systemDirectory() + "\\version.dll";
    ASSERT_TRUE(CopyFileA(decoy.c_str(), planted.c_str(), FALSE));
    HMODULE module = loadSystemLibrary("DwmApi.dll");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(moduleName(module), systemDirectory() + "\\dwmapi.dll");
    EXPECT_NE(GetProcAddress(module, "DwmExtendFrameIntoClientArea"), nullptr);
    FreeLibrary(module);
    DeleteFileA(planted.c_str());
}

TEST(LowerRightPlace, SitsNinePixelsPastTheRightEdge) {
    const struct {
        int width, height;
        LONG left, top;
    } table[] = {{1920, 1080, 1539, 826}, {1024, 768, 643, 514}, {300, 200, -81, -54}, {381, 254, 0, 0}};
    for (const auto& row : table) {
        const POINT place = lowerRightPlace(row.width, row.height);
        EXPECT_EQ(place.x, row.left) << row.width;
        EXPECT_EQ(place.y, row.top) << row.height;
    }
}

}  // namespace
