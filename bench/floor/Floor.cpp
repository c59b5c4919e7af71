// The least program that does Deruveza's job, as a yardstick for its speed
// and memory: one small window, F1 registered, three values read with the
// profile reader, one item of each picked and posted as bytes to the window
// under the cursor.  No history, no pictures, no checks.
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string directoryOfExe() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text = path;
    return text.substr(0, text.rfind('\\'));
}

std::string iniPath;
unsigned state = 1;

std::string pickOne(const char* key) {
    std::vector<char> buffer(1 << 16);
    // Section 配置 and the keys 姓, 名, 符 in code page 936.
    GetPrivateProfileStringA("\xC5\xE4\xD6\xC3", key, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                             iniPath.c_str());
    std::vector<std::string> items;
    std::string value = buffer.data(), item;
    for (size_t i = 0; i < value.size();) {
        if (i + 1 < value.size() && static_cast<unsigned char>(value[i]) == 0xA1 &&
            static_cast<unsigned char>(value[i + 1]) == 0xA2) {
            items.push_back(item);
            item.clear();
            i += 2;
        } else if (static_cast<unsigned char>(value[i]) >= 0x80 && i + 1 < value.size()) {
            item.append(value, i, 2);
            i += 2;
        } else {
            item += value[i++];
        }
    }
    if (!item.empty()) items.push_back(item);
    if (items.empty()) return std::string();
    state = state * 214013u + 2531011u;
    return items[((state >> 16) & 0x7FFF) % items.size()];
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) {
        state = GetTickCount();
        const std::string name = pickOne("\xD0\xD5") + pickOne("\xB7\xFB") + pickOne("\xC3\xFB");
        POINT at;
        GetCursorPos(&at);
        HWND target = WindowFromPoint(at);
        for (unsigned char byte : name) PostMessageA(target, WM_CHAR, byte, 0);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    iniPath = directoryOfExe() + "\\\xC5\xE4\xD6\xC3.ini";
    WNDCLASSW wc = {};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"DeruvezaFloor";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(WS_EX_TOPMOST, L"DeruvezaFloor", L"Floor", WS_CAPTION | WS_SYSMENU, 100, 100, 390,
                                  248, nullptr, nullptr, instance, nullptr);
    RegisterHotKey(window, 1, 0, VK_F1);
    ShowWindow(window, SW_SHOW);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
