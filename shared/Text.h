// Text values: zero-terminated ANSI byte strings of at most 63,999 bytes.
// Both programs keep every setting, number and path as text, so this is the
// one string type of the shared code. It uses the C heap only (no libstdc++
// runtime), which keeps the player small.
#pragma once
#include <stddef.h>

constexpr size_t kTextLimit = 63999;

class Text {
public:
    Text() = default;
    Text(const char* s) { Append(s); }
    Text(const char* s, size_t n) { Append(s, n); }
    Text(const Text& other) { Append(other); }
    Text(Text&& other) noexcept;
    ~Text();
    Text& operator=(const Text& other);
    Text& operator=(Text&& other) noexcept;

    const char* c_str() const { return data_ ? data_ : ""; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    unsigned char operator[](size_t i) const { return (unsigned char)data_[i]; }
    // True when some append was cut at the text limit.
    bool Overflowed() const { return overflowed_; }

    // Appending stops at a zero byte (a text cannot hold one) and at the limit.
    Text& Append(const char* s);
    Text& Append(const char* s, size_t n);
    Text& Append(const Text& t) { return Append(t.c_str(), t.size()); }
    Text& AppendByte(unsigned char c);
    Text& operator+=(const Text& t) { return Append(t); }
    Text& operator+=(const char* s) { return Append(s); }
    void Clear();

private:
    bool Reserve(size_t n);
    char* data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
    bool overflowed_ = false;
};

Text operator+(const Text& a, const Text& b);

// Same length and same bytes; case-sensitive, nothing ignored.
bool TextsEqual(const Text& a, const Text& b);
inline bool operator==(const Text& a, const Text& b) { return TextsEqual(a, b); }
inline bool operator!=(const Text& a, const Text& b) { return !TextsEqual(a, b); }

// Leading and trailing spaces (code 32 only) removed.
Text Trimmed(const Text& t);

// The text-to-number rule: optional leading spaces, one optional sign, then
// decimal digits up to the first other byte, wrapping modulo 2^32.
int AsNumber(const Text& t);
// The number-to-text rule: plain decimal, "-" for negatives.
Text AsText(int n);
// 32-bit signed sum that wraps instead of overflowing.
int WrappingSum(int a, int b);

// Path rules: only the backslash separates folders.
Text FolderPart(const Text& path);
Text FilePart(const Text& path);
Text ExtensionPart(const Text& path);
