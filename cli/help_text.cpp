#include "cli/help_text.h"

namespace zembo::cli {

std::string VersionText() {
    return std::string("zembo-patch ") + ZEMBO_VERSION + "\n";
}

std::string HelpText() {
    return "Usage: zembo-patch COMMAND ARGUMENT... [OPTION...]\n"
           "Reads, checks, packages and builds Zembo patch files (.zbk), as the Zembo Patch\n"
           "Editor does, without its window. Nothing is written into the editor's settings.\n"
           "\n"
           "Commands:\n"
           "  list PATCH [--json]\n"
           "      Every filled slot, one a line: slot, source system, clip, matte (TAB between).\n"
           "      In the values, TAB, CR, LF and \\ are written as \\t, \\r, \\n and \\\\.\n"
           "  check PATCH [--json]\n"
           "      Every clip and alpha matte looked for as it stands, then with its \\ read as /;\n"
           "      a relative one beside the patch, never in the current folder. One line a file:\n"
           "      ok|missing|unreadable, slot, clip|matte, value, path found or looked at last.\n"
           "  package SOURCE NEW [--absolute]\n"
           "      Saves SOURCE self-contained as NEW: copies of its clips and mattes go into\n"
           "      the folders NAME_clips and NAME_mattes beside NEW (NAME: NEW without \".zbk\"),\n"
           "      named by relative values, or by absolute ones with --absolute. Prints the\n"
           "      progress and, when a file could not be found or copied, the copy report.\n"
           "  new OUT [--restrict-15] [--force] CLIP...\n"
           "      Writes the clips into patches of 16 (15 with --restrict-15): OUT, then OUT\n"
           "      with _2, _3, ... before its extension (OUT.zbk, OUT_2.zbk, OUT_3.zbk). A clip\n"
           "      ending in exactly \".avi\" plays through ssVFW, any other through ssDS.\n"
           "      Prints the files written. Writes nothing when one of these files is a CLIP or\n"
           "      a file that is neither empty nor a patch (unless --force), or when a CLIP\n"
           "      cannot be stored in a patch (over 2047 bytes, a line break).\n"
           "\n"
           "Options:\n"
           "  --json         one JSON document (an array of slots) instead of the lines; a text\n"
           "                 that is not valid UTF-8 comes with a member of its name and \"Hex\"\n"
           "                 holding its bytes as hex digits\n"
           "  --absolute     absolute values in the new patch\n"
           "  --restrict-15  15 clips a patch in place of 16\n"
           "  --force        new: write into OUT all the same\n"
           "  --help, -h     this text\n"
           "  --version      the version\n"
           "  --             every later argument is a file name, even one starting with \"-\"\n"
           "\n"
           "Relative paths on the command line are taken from the current folder.\n"
           "\n"
           "Exit status: 0 done; 1 check found a file missing or unreadable, or package left\n"
           "entries in its copy report; 2 the command could not run or stopped on an error\n"
           "(one line on standard error).\n";
}

}  // namespace zembo::cli
