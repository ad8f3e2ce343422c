#pragma once
// The desktop's data folders for a test process: a private one first, holding the patch file type
// as the editor installs it, ahead of the system's. Set before the first use of the MIME
// database, which reads them once per process.

#include "tests/support/temp_dir.h"

namespace zembo::test {

class DesktopData {
  public:
    DesktopData();
    DesktopData(const DesktopData&) = delete;
    DesktopData& operator=(const DesktopData&) = delete;

  private:
    TempDir dir_;
};

}  // namespace zembo::test
