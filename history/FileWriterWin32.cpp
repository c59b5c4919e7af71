#include "history/FileWriterWin32.h"

#include <windows.h>

#include "common/FatalRuntimeError.h"

AnsiText systemErrorText(unsigned long errorCode) {
    char* buffer = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, errorCode, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    AnsiText text;
    if (length > 0 && buffer != nullptr) text.assign(buffer, length);
    if (buffer != nullptr) LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
    if (text.empty()) text = "Windows error " + decimalText(static_cast<int32_t>(errorCode));
    return text;
}

namespace {

WriteResult failure(DWORD errorCode) {
    WriteResult result;
    result.written = false;
    result.systemErrorText = systemErrorText(errorCode);
    return result;
}

// Writes all bytes to a new file at path and flushes them to the disk.
DWORD writeAndFlush(const AnsiText& path, const AnsiText& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD error = ERROR_SUCCESS;
    if (!bytes.empty()) {
        DWORD written = 0;
        if (bytes.size() > 0xFFFFFFFFu) {
            error = ERROR_FILE_TOO_LARGE;
        } else if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
            error = GetLastError();
        } else if (written != bytes.size()) {
            error = ERROR_DISK_FULL;
        }
    }
    if (error == ERROR_SUCCESS && !FlushFileBuffers(file)) error = GetLastError();
    if (!CloseHandle(file) && error == ERROR_SUCCESS) error = GetLastError();
    return error;
}

}  // namespace

WriteResult Win32FileWriter::writeWholeFile(const AnsiText& path, const AnsiText& bytes) {
    if (path.empty()) return failure(ERROR_INVALID_NAME);

    // Windows refuses to replace a read-only file, but a rename under an
    // administrator on some systems does not: ask the file itself first.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return failure(ERROR_ACCESS_DENIED);
        if (attributes & FILE_ATTRIBUTE_READONLY) return failure(ERROR_ACCESS_DENIED);
    }

    const AnsiText temporary = path + ".saving";
    DWORD error = writeAndFlush(temporary, bytes);
    if (error == ERROR_SUCCESS &&
        !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != ERROR_SUCCESS) {
        DeleteFileA(temporary.c_str());
        return failure(error);
    }
    WriteResult result;
    result.written = true;
    return result;
}
