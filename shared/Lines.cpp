#include "Lines.h"

bool MemorySource::Next(unsigned char& byte) {
    if (pos_ >= size_) return false;
    byte = (unsigned char)data_[pos_++];
    return true;
}

void MemorySource::Back() {
    if (pos_ > 0) pos_--;
}

Text ReadLine(ByteSource& source) {
    Text line;
    unsigned char c;
    while (source.Next(c)) {
        if (c == 10 || c == 0) break;
        if (c == 13) {
            unsigned char after;
            if (source.Next(after) && after != 10) source.Back();
            break;
        }
        if (line.size() < kTextLimit) line.AppendByte(c);
    }
    return line;
}
