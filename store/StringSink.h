#pragma once
// A file sink that collects the bytes in a string.

#include "FileSink.h"

#include <string>

class TStringSink : public TFileSink {
public:
    void Write(std::string_view bytes) override { bytes_.append(bytes); }
    void Rewind() override { bytes_.clear(); }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};
