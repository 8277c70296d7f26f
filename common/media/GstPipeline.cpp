#include <gst/gst.h>

#include "common/media/GstPipeline.h"

namespace ztv {

QString runGstPipeline(const QString& description) {
    gst_init(nullptr, nullptr);
    GError* error = nullptr;
    GstElement* pipeline = gst_parse_launch(description.toUtf8().constData(), &error);
    if (!pipeline) {
        const QString text = QString::fromUtf8(error ? error->message : "no pipeline");
        g_clear_error(&error);
        return text;
    }
    g_clear_error(&error);  // a warning about an unused property, if any
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus* bus = gst_element_get_bus(pipeline);
    GstMessage* message = gst_bus_timed_pop_filtered(
        bus, 60 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    QString result;
    if (!message) {
        result = QStringLiteral("timed out");
    } else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
        gst_message_parse_error(message, &error, nullptr);
        result = QString::fromUtf8(error ? error->message : "error");
        g_clear_error(&error);
    }
    if (message) {
        gst_message_unref(message);
    }
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return result;
}

bool gstHasElement(const char* name) {
    gst_init(nullptr, nullptr);
    GstElementFactory* factory = gst_element_factory_find(name);
    if (factory) {
        gst_object_unref(factory);
    }
    return factory != nullptr;
}

}  // namespace ztv
