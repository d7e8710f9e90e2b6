#include "Text.h"

#include <stdlib.h>
#include <string.h>

Text::Text(Text&& other) noexcept
    : data_(other.data_), size_(other.size_), capacity_(other.capacity_), overflowed_(other.overflowed_) {
    other.data_ = nullptr;
    other.size_ = other.capacity_ = 0;
    other.overflowed_ = false;
}

Text::~Text() { free(data_); }

Text& Text::operator=(const Text& other) {
    if (this != &other) {
        Clear();
        Append(other);
        overflowed_ = other.overflowed_;
    }
    return *this;
}

Text& Text::operator=(Text&& other) noexcept {
    if (this != &other) {
        free(data_);
        data_ = other.data_;
        size_ = other.size_;
        capacity_ = other.capacity_;
        overflowed_ = other.overflowed_;
        other.data_ = nullptr;
        other.size_ = other.capacity_ = 0;
        other.overflowed_ = false;
    }
    return *this;
}

void Text::Clear() {
    size_ = 0;
    overflowed_ = false;
    if (data_) data_[0] = 0;
}

bool Text::Reserve(size_t n) {
    if (n + 1 <= capacity_) return true;
    size_t cap = capacity_ ? capacity_ : 32;
    while (cap < n + 1) cap *= 2;
    if (cap > kTextLimit + 1) cap = kTextLimit + 1;
    char* p = (char*)realloc(data_, cap);
    if (!p) return false;
    data_ = p;
    capacity_ = cap;
    return true;
}

Text& Text::Append(const char* s) { return s ? Append(s, strlen(s)) : *this; }

Text& Text::Append(const char* s, size_t n) {
    if (!s) return *this;
    const void* zero = memchr(s, 0, n);
    if (zero) n = (const char*)zero - s;
    if (n > kTextLimit - size_) {
        n = kTextLimit - size_;
        overflowed_ = true;
    }
    if (n == 0) return *this;
    if (!Reserve(size_ + n)) {
        overflowed_ = true;
        return *this;
    }
    memmove(data_ + size_, s, n);
    size_ += n;
    data_[size_] = 0;
    return *this;
}

Text& Text::AppendByte(unsigned char c) {
    char b = (char)c;
    return Append(&b, 1);
}

Text operator+(const Text& a, const Text& b) {
    Text t(a);
    t.Append(b);
    return t;
}

bool TextsEqual(const Text& a, const Text& b) {
    return a.size() == b.size() && memcmp(a.c_str(), b.c_str(), a.size()) == 0;
}

Text Trimmed(const Text& t) {
    size_t begin = 0, end = t.size();
    while (begin < end && t[begin] == ' ') begin++;
    while (end > begin && t[end - 1] == ' ') end--;
    return Text(t.c_str() + begin, end - begin);
}

int AsNumber(const Text& t) {
    const char* p = t.c_str();
    while (*p == ' ') p++;
    bool minus = false;
    if (*p == '-') {
        minus = true;
        p++;
    } else if (*p == '+') {
        p++;
    }
    unsigned int value = 0;
    for (; *p >= '0' && *p <= '9'; p++) value = value * 10u + (unsigned int)(*p - '0');
    if (minus) value = 0u - value;
    return (int)value;
}

Text AsText(int n) {
    char buf[16];
    char* p = buf + sizeof buf;
    *--p = 0;
    unsigned int u = n < 0 ? 0u - (unsigned int)n : (unsigned int)n;
    do {
        *--p = (char)('0' + u % 10u);
        u /= 10u;
    } while (u);
    if (n < 0) *--p = '-';
    return Text(p);
}

int WrappingSum(int a, int b) { return (int)((unsigned int)a + (unsigned int)b); }

// Everything after one optional leading quote, cut at the next quote.
static Text CutAtQuote(const char* s, size_t n) {
    const void* q = memchr(s, '"', n);
    return Text(s, q ? (size_t)((const char*)q - s) : n);
}

static const char* SkipLeadingQuote(const Text& path) {
    return path.c_str() + (path.size() && path[0] == '"' ? 1 : 0);
}

Text FolderPart(const Text& path) {
    const char* s = SkipLeadingQuote(path);
    const char* last = strrchr(s, '\\');
    if (!last) return Text();
    return CutAtQuote(s, (size_t)(last - s) + 1);
}

Text FilePart(const Text& path) {
    const char* s = SkipLeadingQuote(path);
    const char* last = strrchr(s, '\\');
    const char* name = last ? last + 1 : s;
    return CutAtQuote(name, strlen(name));
}

Text ExtensionPart(const Text& path) {
    const char* s = path.c_str();
    for (size_t i = path.size(); i-- > 0;) {
        if (s[i] == '\\') break;
        if (s[i] == '.') return CutAtQuote(s + i + 1, path.size() - i - 1);
    }
    return Text();
}
