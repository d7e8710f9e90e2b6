#include "FormLogic.h"

int CentredStart(int screenSize, int windowSize) {
    int room = screenSize < windowSize ? windowSize : screenSize;
    return room / 2 - windowSize / 2;
}

bool DialogFilter(const char* filter, char* out, size_t outBytes) {
    size_t length = 0;
    while (filter[length]) ++length;
    if (outBytes < length + 2) {
        for (size_t i = 0; i < outBytes && i < 2; ++i) out[i] = '\0';
        return false;
    }
    for (size_t i = 0; i < length; ++i) out[i] = filter[i] == '|' ? '\0' : filter[i];
    out[length] = '\0';
    out[length + 1] = '\0';
    return true;
}

int NextTabStop(const bool* canTakeFocus, int count, int current, bool backwards) {
    if (count <= 0) return -1;
    if (current < -1 || current >= count) current = -1;
    int step = backwards ? count - 1 : 1;  // moving back is moving forward count-1 times
    int at = current;
    if (at == -1) at = backwards ? 0 : count - 1;  // so that the first step lands on an end
    for (int tried = 0; tried < count; ++tried) {
        at = (at + step) % count;
        if (canTakeFocus[at]) return at;
    }
    return -1;
}
