#include "platform/gst/gst_api.h"

#include <dlfcn.h>

#include <map>
#include <memory>
#include <mutex>

namespace lumigram::gst {
namespace {

constexpr const char* kNotInstalled = "Sound is not available: GStreamer is not installed";
constexpr const char* kTooOld = "Sound is not available: GStreamer is too old";
constexpr const char* kNoStart = "Sound is not available: GStreamer did not start";

template <class F>
bool Resolve(void* library, const char* name, F& entry) {
  entry = reinterpret_cast<F>(::dlsym(library, name));
  return entry != nullptr;
}

bool ResolveAll(void* library, TGstApi& api) {
#define LUMIGRAM_RESOLVE(name) Resolve(library, #name, api.name)
  return LUMIGRAM_RESOLVE(g_free) && LUMIGRAM_RESOLVE(g_error_free) &&
         LUMIGRAM_RESOLVE(g_object_set) && LUMIGRAM_RESOLVE(gst_init_check) &&
         LUMIGRAM_RESOLVE(gst_element_factory_make) &&
         LUMIGRAM_RESOLVE(gst_parse_bin_from_description) &&
         LUMIGRAM_RESOLVE(gst_filename_to_uri) && LUMIGRAM_RESOLVE(gst_element_set_state) &&
         LUMIGRAM_RESOLVE(gst_element_get_state) && LUMIGRAM_RESOLVE(gst_element_seek_simple) &&
         LUMIGRAM_RESOLVE(gst_element_get_bus) && LUMIGRAM_RESOLVE(gst_bus_set_sync_handler) &&
         LUMIGRAM_RESOLVE(gst_object_unref) && LUMIGRAM_RESOLVE(gst_message_parse_error) &&
         LUMIGRAM_RESOLVE(gst_message_get_structure) && LUMIGRAM_RESOLVE(gst_structure_has_name) &&
         LUMIGRAM_RESOLVE(gst_structure_get_string);
#undef LUMIGRAM_RESOLVE
}

}  // namespace

const TGstApi* LoadGstApi(const std::string& library, std::string& error) {
  static std::mutex mutex;
  // Loaded libraries stay, tables included: GStreamer cannot be shut down and
  // started again, and a device destroyed late at exit may still use one.
  static auto& loaded = *new std::map<std::string, std::unique_ptr<TGstApi>>;

  std::lock_guard lock(mutex);
  if (auto found = loaded.find(library); found != loaded.end()) return found->second.get();

  void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    error = kNotInstalled;
    return nullptr;
  }
  auto api = std::make_unique<TGstApi>();
  if (!ResolveAll(handle, *api)) {
    ::dlclose(handle);
    error = kTooOld;
    return nullptr;
  }
  GError* init_error = nullptr;
  if (!api->gst_init_check(nullptr, nullptr, &init_error)) {
    error = kNoStart;
    if (init_error) {
      if (init_error->message && *init_error->message)
        error = std::string(kNoStart) + ": " + init_error->message;
      api->g_error_free(init_error);
    }
    // A half-initialised GStreamer stays loaded; unloading it is not safe.
    return nullptr;
  }
  return loaded.emplace(library, std::move(api)).first->second.get();
}

}  // namespace lumigram::gst
