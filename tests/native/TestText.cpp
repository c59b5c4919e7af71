#include "TestText.h"

#include <iconv.h>

#include <stdexcept>

AnsiText gbk(const std::string& utf8) {
    iconv_t cd = iconv_open("CP936", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP936 converter");
    std::string in = utf8;
    std::string out(in.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<size_t>(-1)) throw std::runtime_error("text not in code page 936: " + utf8);
    out.resize(out.size() - outLeft);
    return out;
}

