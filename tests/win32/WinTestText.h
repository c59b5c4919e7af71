#pragma once

#include <string>

#include "HexBytes.h"
#include "common/AnsiText.h"

// Test texts are written in UTF-8; the tool works in code page 936.
AnsiText gbk(const std::string& utf8);
std::wstring wide(const std::string& utf8);

// A fresh folder under the temporary directory, removed with its files when
// the object goes.  path() has no trailing backslash.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& utf8Name = "deruveza-test");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const AnsiText& path() const { return path_; }
    AnsiText file(const std::string& utf8Name) const { return path_ + "\\" + gbk(utf8Name); }

private:
    AnsiText path_;
};

// A whole file's bytes, written or read; false when that failed.
bool writeBytes(const AnsiText& path, const std::string& bytes);
bool readBytes(const AnsiText& path, std::string& bytes);
bool writeBytes(const std::wstring& path, const std::string& bytes);
bool readBytes(const std::wstring& path, std::string& bytes);
bool fileExists(const AnsiText& path);
