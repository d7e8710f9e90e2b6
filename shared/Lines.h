// The line reading rule, over any source of bytes: a line ends at CR, LF,
// CR LF, a zero byte or the end of the data; LF CR ends two lines. Reading at
// the end gives the empty text, again and again. A line longer than the text
// limit is cut there, and the rest of that line is skipped, so the lines that
// follow stay where they are.
#pragma once
#include "Text.h"

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // False at the end of the data (or when reading fails).
    virtual bool Next(unsigned char& byte) = 0;
    // Steps back over the byte that Next gave last.
    virtual void Back() = 0;
};

class MemorySource : public ByteSource {
public:
    MemorySource(const char* data, size_t size) : data_(data), size_(size) {}
    bool Next(unsigned char& byte) override;
    void Back() override;

private:
    const char* data_;
    size_t size_;
    size_t pos_ = 0;
};

Text ReadLine(ByteSource& source);
