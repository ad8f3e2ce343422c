#include "cli/chunk_names.h"

namespace zembo::cli {

std::string ChunkFileName(const std::string& first, int chunk) {
    if (chunk <= 1) {
        return first;
    }
    const std::size_t nameStart = first.rfind('/') == std::string::npos ? 0 : first.rfind('/') + 1;
    std::size_t dot = first.rfind('.');
    if (dot == std::string::npos || dot <= nameStart) {
        dot = first.size();
    }
    std::string name = first;
    name.insert(dot, "_" + std::to_string(chunk));
    return name;
}

}  // namespace zembo::cli
