#pragma once
// Clips made at run time with GStreamer itself: one second of a test pattern, 160x120 at 30
// frames a second, with a stereo tone. Used by the preview's tests and its benchmark.

#include <string>

namespace zembo::test {

enum class ClipKind {
    Avi,  // Motion JPEG and PCM
    Mp4,  // MPEG-4 part 2 and AAC
};

// Encodes a clip into path (whose name must need no quoting); on failure returns the reason.
// GStreamer is started here if nothing started it before.
std::string MakeClip(ClipKind kind, const std::string& path);

}  // namespace zembo::test
