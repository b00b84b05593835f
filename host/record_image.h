// Host records as the host lays them out: bytes, with each member put at the
// offset the host's documentation gives. The stand-in builds every record it
// hands the module this way, not through the module's own declarations in
// shell/host_api.h, so that a module whose declarations drift from the
// host's layout calls or reads the wrong member here, as it would in the
// host, instead of agreeing with us by construction.
#pragma once

#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <type_traits>

namespace vexil_host {

// What fills a slot the module must never call.
using TrapFunc = void (*)();

// Reports that the module reached a member it must never use, naming it,
// and stops the program: no answer could be right, and going on would hide
// the fault behind whatever the wrong answer did next.
[[noreturn]] void ModuleMisuse(const char *what);

// Stops the program when the module handed over less than a whole record of
// `size` bytes, where the build can tell: under AddressSanitizer the bytes
// past a smaller record are poisoned. (A copy of the record would not tell:
// the compiler expands it without checks.)
void ExpectWholeRecord(const void *record, size_t size, const char *what);

// Reads a member of a record at `offset`, as the host reads its own records.
template <typename T>
T ReadMember(const void *record, size_t offset) {
    static_assert(std::is_trivially_copyable_v<T>);
    T value;
    std::memcpy(&value, static_cast<const unsigned char *>(record) + offset, sizeof value);
    return value;
}

template <size_t Size>
class RecordImage {
  public:
    RecordImage() { std::memset(bytes_, 0, Size); }

    template <typename T>
    void Put(size_t offset, T value) {
        static_assert(std::is_trivially_copyable_v<T>);
        if (offset + sizeof value > Size) throw std::logic_error("a member put past the end of its record");
        std::memcpy(bytes_ + offset, &value, sizeof value);
    }

    void *Address() { return bytes_; }
    template <typename Record>
    Record *As() {
        return reinterpret_cast<Record *>(bytes_);
    }

  private:
    alignas(8) unsigned char bytes_[Size];
};

}  // namespace vexil_host
