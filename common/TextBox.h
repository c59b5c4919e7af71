#pragma once

#include "common/AnsiText.h"

// A control that holds a text: reading gives its whole current text,
// writing replaces all of it.
class TextBox {
public:
    virtual AnsiText text() const = 0;
    virtual void setText(const AnsiText& text) = 0;

protected:
    ~TextBox() = default;
};
