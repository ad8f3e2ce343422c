// Files on the clipboard in the forms the Linux file managers write and read.
#include <gtest/gtest.h>

#include <map>

#include "browser/file_clipboard.h"

namespace zembo::browser {
namespace {

using Formats = std::map<std::string, std::string>;

std::optional<ClipboardFiles> Read(const Formats& formats) {
    return FilesOnClipboard([&](const std::string& type) -> std::optional<std::string> {
        auto it = formats.find(type);
        return it == formats.end() ? std::nullopt : std::optional<std::string>(it->second);
    });
}

TEST(FileClipboardTest, WhatIsPutIsWhatTheFileManagersReadAndComesBack) {
    const ClipboardFiles files{{"/tmp/a b/clip 1%.avi", "/tmp/\xC3\xA9#?.avi"}, true};
    Formats formats;
    for (const ClipboardFormat& f : ClipboardFormatsFor(files)) {
        formats[f.mimeType] = f.bytes;
    }
    const std::string uris = "file:///tmp/a%20b/clip%201%25.avi\nfile:///tmp/%C3%A9%23%3F.avi";
    EXPECT_EQ(formats, (Formats{
                           {"text/uri-list",
                            "file:///tmp/a%20b/clip%201%25.avi\r\n"
                            "file:///tmp/%C3%A9%23%3F.avi\r\n"},
                           {"x-special/gnome-copied-files", "cut\n" + uris},
                           {"x-special/mate-copied-files", "cut\n" + uris},
                           {"application/x-kde-cutselection", "1"},
                           {"text/plain", "/tmp/a b/clip 1%.avi\n/tmp/\xC3\xA9#?.avi"},
                       }));
    std::optional<ClipboardFiles> back = Read(formats);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->paths, files.paths);
    EXPECT_TRUE(back->cut);

    // KDE writes the list and a cut marker only; older Nautilus a text of its own.
    back = Read({{"text/uri-list",
                  "# a comment\r\nfile://localhost/a.avi\r\nhttps://x/b.avi\r\n"
                  "file:///c%2Cd.avi\r\n"},
                 {"application/x-kde-cutselection", "0"}});
    ASSERT_TRUE(back);
    EXPECT_EQ(back->paths, (std::vector<std::string>{"/a.avi", "/c,d.avi"}));
    EXPECT_FALSE(back->cut);
    back = Read({{"text/plain", "x-special/nautilus-clipboard\ncut\nfile:///a.avi\n"}});
    ASSERT_TRUE(back);
    EXPECT_EQ(back->paths, std::vector<std::string>{"/a.avi"});
    EXPECT_TRUE(back->cut);

    EXPECT_FALSE(Read({{"text/plain", "/a.avi"}}));
    EXPECT_FALSE(Read({{"text/uri-list", "https://x/b.avi\r\nfile://server/c.avi\r\n"}}));
}

}  // namespace
}  // namespace zembo::browser
