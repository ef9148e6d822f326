#ifndef QX_FUZZ_FUZZ_SUPPORT_H
#define QX_FUZZ_FUZZ_SUPPORT_H

#include <cstdio>
#include <cstdlib>
#include <string>

namespace qx {

// Ends the run as a finding, naming the property that failed, unless it holds.
inline void Require(bool holds, const std::string& property) {
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n", property.c_str());
    std::abort();
}

}  // namespace qx

#endif  // QX_FUZZ_FUZZ_SUPPORT_H
