#include "tests/support/test_clips.h"

#include <gst/gst.h>

namespace zembo::test {
namespace {

// libav's MPEG-4 encoder hands out frames without time stamps; a muxer then writes a video track
// without length. Each frame gets its time from its number, inside the encoder's own segment.
GstPadProbeReturn Restamp(GstPad* pad, GstPadProbeInfo* info, gpointer data) {
    guint64& frame = *static_cast<guint64*>(data);
    GstClockTime start = 0;
    if (GstEvent* event = gst_pad_get_sticky_event(pad, GST_EVENT_SEGMENT, 0)) {
        const GstSegment* segment = nullptr;
        gst_event_parse_segment(event, &segment);
        start = segment->start;
        gst_event_unref(event);
    }
    GstBuffer* buffer = gst_buffer_make_writable(gst_pad_probe_info_get_buffer(info));
    const GstClockTime at = gst_util_uint64_scale(frame, GST_SECOND, 30);
    GST_BUFFER_PTS(buffer) = GST_BUFFER_DTS(buffer) = start + at;
    GST_BUFFER_DURATION(buffer) = gst_util_uint64_scale(frame + 1, GST_SECOND, 30) - at;
    ++frame;
    GST_PAD_PROBE_INFO_DATA(info) = buffer;
    return GST_PAD_PROBE_OK;
}

std::string Description(ClipKind kind, const std::string& path) {
    const std::string video =
        "videotestsrc num-buffers=30 ! video/x-raw,width=160,height=120,framerate=30/1 ! ";
    const std::string audio = "audiotestsrc num-buffers=10 samplesperbuffer=4410 ! ";
    if (kind == ClipKind::Avi) {
        return video + "jpegenc ! mux. " + audio +
               "audio/x-raw,rate=44100,channels=2,format=S16LE ! mux. avimux name=mux ! "
               "filesink location=\"" +
               path + "\"";
    }
    return video + "avenc_mpeg4 name=venc ! mux. " + audio +
           "audioconvert ! avenc_aac ! mux. mp4mux name=mux ! filesink location=\"" + path + "\"";
}

}  // namespace

std::string MakeClip(ClipKind kind, const std::string& path) {
    GError* error = nullptr;
    if (!gst_init_check(nullptr, nullptr, &error)) {
        const std::string why = error->message;
        g_clear_error(&error);
        return why;
    }
    GstElement* pipeline = gst_parse_launch(Description(kind, path).c_str(), &error);
    if (pipeline == nullptr || error != nullptr) {
        const std::string why = error != nullptr ? error->message : "cannot build the encoder";
        g_clear_error(&error);
        if (pipeline != nullptr) {
            gst_object_unref(pipeline);
        }
        return why;
    }
    guint64 frame = 0;
    if (GstElement* encoder = gst_bin_get_by_name(GST_BIN(pipeline), "venc")) {
        GstPad* src = gst_element_get_static_pad(encoder, "src");
        gst_pad_add_probe(src, GST_PAD_PROBE_TYPE_BUFFER, Restamp, &frame, nullptr);
        gst_object_unref(src);
        gst_object_unref(encoder);
    }
    GstBus* bus = gst_element_get_bus(pipeline);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstMessage* end = gst_bus_timed_pop_filtered(
        bus, 20 * GST_SECOND, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    std::string why = end == nullptr ? "the encoder did not finish" : "";
    if (end != nullptr && GST_MESSAGE_TYPE(end) == GST_MESSAGE_ERROR) {
        gst_message_parse_error(end, &error, nullptr);
        why = error->message;
        g_clear_error(&error);
    }
    if (end != nullptr) {
        gst_message_unref(end);
    }
    // The muxer writes its index on the way down.
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(bus);
    gst_object_unref(pipeline);
    return why;
}

}  // namespace zembo::test
