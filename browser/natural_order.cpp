#include "browser/natural_order.h"

#include <cstddef>
#include <cstring>

#include "platform/ascii_text.h"

namespace zembo::browser {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

unsigned char Folded(char c) {
    return static_cast<unsigned char>(platform::AsciiLower(c));
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

}  // namespace

int NaturalCompare(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    int tieBreak = 0;  // first difference that the main order ignores: case, leading zeros
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            std::size_t si = i;
            std::size_t sj = j;
            while (i < a.size() && IsDigit(a[i])) {
                ++i;
            }
            while (j < b.size() && IsDigit(b[j])) {
                ++j;
            }
            std::size_t zi = si;
            std::size_t zj = sj;
            while (zi + 1 < i && a[zi] == '0') {
                ++zi;
            }
            while (zj + 1 < j && b[zj] == '0') {
                ++zj;
            }
            const std::size_t li = i - zi;
            const std::size_t lj = j - zj;
            if (li != lj) {
                return li < lj ? -1 : 1;
            }
            if (int c = std::memcmp(a.data() + zi, b.data() + zj, li); c != 0) {
                return Sign(c);
            }
            if (tieBreak == 0 && (i - si) != (j - sj)) {
                tieBreak = (i - si) < (j - sj) ? -1 : 1;
            }
            continue;
        }
        const unsigned char fa = Folded(a[i]);
        const unsigned char fb = Folded(b[j]);
        if (fa != fb) {
            return fa < fb ? -1 : 1;
        }
        if (tieBreak == 0 && a[i] != b[j]) {
            tieBreak = static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
        }
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) {
        return i < a.size() ? 1 : -1;
    }
    return tieBreak;
}

}  // namespace zembo::browser
