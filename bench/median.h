#pragma once
// The median of a benchmark's rounds: one slow round on a busy machine does not move it.

#include <algorithm>
#include <vector>

namespace zembo::bench {

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace zembo::bench
