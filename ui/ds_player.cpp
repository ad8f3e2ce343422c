#include "ui/ds_player.h"

#include <gst/gst.h>

namespace zembo::ui {

// Which player a bus message belongs to. The bus calls on the player's streaming threads, where
// nothing may change the player's state, so the error goes to the user-interface thread as a
// queued call; a call left queued when the player is gone is dropped with it.
struct BusTicket {
    DSplayer* player;
    unsigned generation;

    static GstBusSyncReply OnMessage(GstBus*, GstMessage* message, gpointer data) {
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
            const BusTicket ticket = *static_cast<const BusTicket*>(data);
            QMetaObject::invokeMethod(
                ticket.player, [ticket] { ticket.player->EndAfterError(ticket.generation); },
                Qt::QueuedConnection);
        }
        // Nobody reads this bus: whatever came is done with here. A dropped message is the
        // handler's to free; kept, it would keep the player it names alive.
        gst_message_unref(message);
        return GST_BUS_DROP;
    }
};

DSplayer::DSplayer(PlayerSetup setup) : setup_(std::move(setup)) {}

DSplayer::~DSplayer() {
    TakeDown();
}

void DSplayer::PreviewClip(const std::string& name) {
    TakeDown();
    if (!gstReady_) {
        GError* error = nullptr;
        if (!gst_init_check(nullptr, nullptr, &error)) {
            const std::string why = error != nullptr ? error->message : "";
            g_clear_error(&error);
            throw PreviewUnavailable("GStreamer cannot start: " + why);
        }
        gstReady_ = true;
    }
    GstElement* graph = gst_element_factory_make(setup_.player.c_str(), nullptr);
    if (graph == nullptr) {
        throw PreviewUnavailable("no " + setup_.player);
    }
    DSsource.Graph = GST_ELEMENT(gst_object_ref_sink(graph));
    ++generation_;

    // The path's bytes as they are, whatever their encoding; a name that is not an absolute
    // path (a virtual item such as "Computer") has no URI and nothing to play.
    gchar* uri = g_filename_to_uri(name.c_str(), nullptr, nullptr);
    DSsource.FileName = uri != nullptr ? uri : "";
    g_free(uri);
    if (DSsource.FileName.empty()) {
        TakeDown();
        return;
    }
    g_object_set(graph, "uri", DSsource.FileName.c_str(), nullptr);
    if (setup_.videoSink) {
        g_object_set(graph, "video-sink", setup_.videoSink(), nullptr);
    }
    if (setup_.audioSink) {
        g_object_set(graph, "audio-sink", setup_.audioSink(), nullptr);
    }
    GstBus* bus = gst_element_get_bus(graph);
    gst_bus_set_sync_handler(bus, &BusTicket::OnMessage, new BusTicket{this, generation_},
                             [](gpointer ticket) { delete static_cast<BusTicket*>(ticket); });
    gst_object_unref(bus);

    // A missing file or a folder fails here at once; anything else fails later on the bus.
    if (gst_element_set_state(graph, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        TakeDown();
    }
}

void DSplayer::TakeDown() {
    GstElement* graph = DSsource.Graph;
    if (graph == nullptr) {
        return;
    }
    // Joins the streaming threads and closes the sink's window.
    gst_element_set_state(graph, GST_STATE_NULL);
    GstBus* bus = gst_element_get_bus(graph);
    gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
    gst_object_unref(bus);
    DSsource.Graph = nullptr;
    gst_object_unref(graph);  // the player and its sinks are freed here
}

void DSplayer::EndAfterError(unsigned generation) {
    if (generation == generation_) {
        TakeDown();
    }
}

}  // namespace zembo::ui

zembo::ui::ClipPreview* zembo_make_clip_preview() {
    return new zembo::ui::DSplayer();
}
