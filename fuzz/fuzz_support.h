// What the fuzz targets share: reading a record from raw bytes and reporting
// a broken property.
//
// Each target turns libFuzzer's bytes into the input of one entry point of
// the program, runs it, and checks properties of what comes out. A broken
// property names itself on stderr and aborts, so that libFuzzer keeps the
// input that broke it as a crash artifact.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace shieldcalc::fuzz {

inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

// Reads values front to back from the fuzzer's bytes, as their bit patterns;
// what is missing at the end reads as zero bytes.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <class T> T next() {
        static_assert(std::is_trivially_copyable_v<T>);
        T value{};
        const std::size_t n = sizeof(T) < size_ ? sizeof(T) : size_;
        if (n > 0) {
            std::memcpy(&value, data_, n);
        }
        data_ += n;
        size_ -= n;
        return value;
    }

    std::string_view rest() const { return {reinterpret_cast<const char*>(data_), size_}; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

} // namespace shieldcalc::fuzz
