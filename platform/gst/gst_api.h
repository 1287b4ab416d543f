#pragma once
// The GStreamer functions the sound device calls, looked up at run time. The
// viewer has to start on machines without GStreamer, so nothing links against
// it: the library is opened on first use, and its absence is an error text,
// not a missing-library failure at start-up. The headers are used for the
// types only; the table's entries take their types from the declarations.

#include <gst/gst.h>

#include <string>

namespace lumigram::gst {

struct TGstApi {
  // GLib and GObject: reached through the library's own dependencies.
  decltype(&::g_free) g_free;
  decltype(&::g_error_free) g_error_free;
  decltype(&::g_object_set) g_object_set;

  decltype(&::gst_init_check) gst_init_check;
  decltype(&::gst_element_factory_make) gst_element_factory_make;
  decltype(&::gst_parse_bin_from_description) gst_parse_bin_from_description;
  decltype(&::gst_filename_to_uri) gst_filename_to_uri;
  decltype(&::gst_element_set_state) gst_element_set_state;
  decltype(&::gst_element_get_state) gst_element_get_state;
  decltype(&::gst_element_seek_simple) gst_element_seek_simple;
  decltype(&::gst_element_get_bus) gst_element_get_bus;
  decltype(&::gst_bus_set_sync_handler) gst_bus_set_sync_handler;
  decltype(&::gst_object_unref) gst_object_unref;
  decltype(&::gst_message_parse_error) gst_message_parse_error;
  decltype(&::gst_message_get_structure) gst_message_get_structure;
  decltype(&::gst_structure_has_name) gst_structure_has_name;
  decltype(&::gst_structure_get_string) gst_structure_get_string;
};

// The table for the library of that name, opened and initialised on the first
// call and kept for the life of the process; nullptr with a text saying why
// sound is not available. Any thread.
const TGstApi* LoadGstApi(const std::string& library, std::string& error);

}  // namespace lumigram::gst
