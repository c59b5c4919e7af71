#pragma once

#include <string>

#include "common/AnsiText.h"

// Test texts are written in UTF-8; the tool works in code page 936.
AnsiText gbk(const std::string& utf8);
// "D5 C5 ..." for failure messages and death-test patterns.
std::string hexBytes(const AnsiText& bytes);
