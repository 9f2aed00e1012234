#include "protocol/line_input.h"

#include <cstdio>

bool ReadLine(char* buffer) {
    size_t length = 0;
    buffer[0] = '\0';
    for (;;) {
        const int c = std::getchar();
        if (c == EOF) {
            if (length == 0 || std::ferror(stdin)) {
                buffer[0] = '\0';
                return false;
            }
            break;
        }
        if (c == '\n') {
            if (length > 0 && buffer[length - 1] == '\r') --length;
            break;
        }
        if (length == LINE_BUFFER_SIZE - 1) {
            buffer[0] = '\0';
            return false;
        }
        buffer[length++] = static_cast<char>(c);
    }
    buffer[length] = '\0';
    return true;
}
