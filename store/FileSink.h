#pragma once
// Where a producer writes the bytes of a file, in order.

#include <string_view>

class TFileSink {
public:
    virtual ~TFileSink() = default;
    // All of the bytes, or an exception.
    virtual void Write(std::string_view bytes) = 0;
    // Drops every byte written so far: the file starts again empty.
    virtual void Rewind() = 0;
};
