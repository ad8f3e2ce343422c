#pragma once
// The file each chunk of clips goes into when patches are built from the command line.

#include <string>

namespace zembo::cli {

// chunk 1: first as given. Chunk n from 2 on: "_n" inserted before the extension of first's
// file name (the text from its last "."), or appended when the file name has no extension; a
// "." that opens the file name starts no extension. "/shows/set.zbk" 3 -> "/shows/set_3.zbk",
// "/shows/set" 2 -> "/shows/set_2".
std::string ChunkFileName(const std::string& first, int chunk);

}  // namespace zembo::cli
