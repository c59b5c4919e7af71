#pragma once

#include <string>

#include "HexBytes.h"
#include "common/AnsiText.h"

// Test texts are written in UTF-8; the tool works in code page 936.
AnsiText gbk(const std::string& utf8);
