// The clip preview on real GStreamer, with sinks that neither show nor sound, on clips made at run
// time.
#include <gst/gst.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>

#include "tests/support/preview_fixture.h"
#include "tests/support/temp_dir.h"

namespace zembo::test {
namespace {

class Preview : public testing::Test, protected TestPlayer {
  protected:
    TempDir dir;
};

std::string PathOfUri(const std::string& uri) {
    gchar* path = g_filename_from_uri(uri.c_str(), nullptr, nullptr);
    std::string bytes = path != nullptr ? path : "";
    g_free(path);
    return bytes;
}

TEST_F(Preview, EachKindPlaysWithItsFramesAtTheSinksAndOnePlayerAtATime) {
    for (ClipKind kind : {ClipKind::Avi, ClipKind::Mp4}) {
        const std::string& clip = TestClip(kind);
        SCOPED_TRACE(clip);
        player.PreviewClip(clip);
        ASSERT_TRUE(Playing());
        EXPECT_TRUE(FramesAtSinks());
        EXPECT_EQ(player.Source().FileName, "file://" + clip);
    }
    // The first player went with the second preview: stopped, and freed with its sinks.
    EXPECT_EQ(Made(), 2);
    EXPECT_TRUE(WaitUntil([this] { return Alive() == 1; }));
}

TEST_F(Preview, WhatCannotBePlayedLeavesNothingPlaying) {
    WriteFile(dir / "noise.avi", std::string(64 * 1024, '\x5a'));
    const std::string names[] = {dir.Path(), dir / "missing.avi", dir / "noise.avi", "Computer",
                                 ""};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        player.PreviewClip(TestClip(ClipKind::Avi));
        ASSERT_TRUE(Playing());
        player.PreviewClip(name);
        EXPECT_TRUE(WaitNothingPlays());
    }
}

TEST_F(Preview, ANameOfAnyBytesAndLengthPlays) {
    std::string folder = dir.Path();
    while (folder.size() < 300) {
        folder += "/a folder with a long name";
    }
    std::filesystem::create_directories(folder);
    const std::string odd = folder + "/take #1 %20 \xE9t\xE9.avi";  // Latin-1, not UTF-8
    std::filesystem::copy_file(TestClip(ClipKind::Avi), odd);
    player.PreviewClip(odd);
    ASSERT_TRUE(Playing());
    EXPECT_TRUE(FramesAtSinks());
    EXPECT_EQ(PathOfUri(player.Source().FileName), odd);
}

TEST_F(Preview, AnErrorWhilePlayingEndsThatPreviewQuietly) {
    auto closeWindow = [this] {
        GstElement* sink = nullptr;
        g_object_get(player.Source().Graph, "video-sink", &sink, nullptr);
        GError* error = g_error_new_literal(GST_RESOURCE_ERROR, GST_RESOURCE_ERROR_NOT_FOUND,
                                            "Output window was closed");
        gst_element_post_message(sink, gst_message_new_error(GST_OBJECT(sink), error, nullptr));
        g_error_free(error);
        gst_object_unref(sink);
    };
    player.PreviewClip(TestClip(ClipKind::Avi));
    ASSERT_TRUE(Playing());
    // The error of a player already replaced leaves the new one alone.
    closeWindow();
    player.PreviewClip(TestClip(ClipKind::Mp4));
    QCoreApplication::processEvents();
    ASSERT_TRUE(Playing());

    closeWindow();
    EXPECT_TRUE(WaitNothingPlays());
}

TEST(PreviewModule, TheFirstPlaceThatHasItGivesThePlayer) {
    EXPECT_THROW(ui::LoadClipPreview({"/nowhere/libzembo-preview.so"}), ui::PreviewUnavailable);
    const auto preview =
        ui::LoadClipPreview({"/nowhere/libzembo-preview.so", ZEMBO_PREVIEW_MODULE_PATH});
    EXPECT_NE(dynamic_cast<ui::DSplayer*>(preview.get()), nullptr);
}

}  // namespace
}  // namespace zembo::test
