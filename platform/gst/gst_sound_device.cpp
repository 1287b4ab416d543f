#include "platform/gst/gst_sound_device.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>

#include "platform/gst/gst_api.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram {
namespace {

constexpr const char* kNoPlaybin =
    "Sound is not available: the GStreamer playback plug-in is missing";
constexpr const char* kNoAnswer = "The sound file did not open in time";
constexpr const char* kNotOpen = "No sound file is open";
constexpr const char* kMissingPrefix = " Missing: ";

// playbin's flags (GstPlayFlags, not in the core headers): audio only, with
// its own volume control. Video and subtitles in a file are ignored.
constexpr guint kPlayFlags = 0x02 | 0x10;

// After a failed state change GStreamer may post the error a moment later.
constexpr auto kErrorGrace = std::chrono::milliseconds(1000);
constexpr GstClockTime kStatePoll = 20 * GST_MSECOND;

bool KnownSoundType(const std::string& file) {
  const std::string type = UpperAscii(ExtractExtension(ExtractFileName(file)));
  return type == "WAV" || type == "MID" || type == "MP3" || type == "WMA";
}

std::string TakeErrorText(const gst::TGstApi& api, GError* error) {
  std::string text;
  if (error) {
    if (error->message) text = error->message;
    api.g_error_free(error);
  }
  return text.empty() ? err::kUnexpectedError : text;
}

}  // namespace

struct TGstSoundDevice::TImpl : std::enable_shared_from_this<TImpl> {
  // What GStreamer's threads report about one pipeline. The bus handler keeps
  // it alive through its own reference, so a late message never finds it gone.
  struct TWatch {
    const gst::TGstApi* api = nullptr;
    TGuiDispatcher* dispatcher = nullptr;
    std::weak_ptr<TImpl> owner;
    uint64_t pipeline_id = 0;

    std::mutex mutex;
    std::condition_variable changed;
    std::string error;         // the first error GStreamer reported
    std::string missing;       // the plug-in it found missing, if it said
    uint64_t start_token = 0;  // the running Start; 0 while none
    bool end_reported = false;
  };

  TImpl(TGuiDispatcher& dispatcher, TGstSoundOptions options)
      : dispatcher_(dispatcher), options_(std::move(options)) {}
  ~TImpl() { Release(); }

  bool Open(const std::string& file, std::string& error);
  bool Start(std::string& error);
  void Release();
  void Ended(uint64_t pipeline_id, uint64_t start_token, bool succeeded);

  static GstBusSyncReply OnBusMessage(GstBus* bus, GstMessage* message, gpointer data);
  static void DropWatch(gpointer data) { delete static_cast<std::shared_ptr<TWatch>*>(data); }
  static void ReportEnd(TWatch& watch, bool succeeded);

  bool WaitForState(GstStateChangeReturn result, std::string& error);
  std::string WatchError();

  TGuiDispatcher& dispatcher_;
  TGstSoundOptions options_;
  TSoundDeviceEvents* events_ = nullptr;
  const gst::TGstApi* api_ = nullptr;
  GstElement* pipeline_ = nullptr;
  GstBus* bus_ = nullptr;
  std::shared_ptr<TWatch> watch_;
  uint64_t pipeline_id_ = 0;  // the open pipeline's; 0 while none
  uint64_t last_pipeline_id_ = 0;
  uint64_t start_token_ = 0;
  uint64_t last_start_token_ = 0;
  bool played_ = false;
};

// Runs on whichever thread posted the message: only records and hands on.
GstBusSyncReply TGstSoundDevice::TImpl::OnBusMessage(GstBus*, GstMessage* message, gpointer data) {
  TWatch& watch = **static_cast<std::shared_ptr<TWatch>*>(data);
  const gst::TGstApi& api = *watch.api;
  switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ERROR: {
      GError* error = nullptr;
      gchar* debug = nullptr;
      api.gst_message_parse_error(message, &error, &debug);
      api.g_free(debug);
      std::string text = TakeErrorText(api, error);
      {
        std::lock_guard lock(watch.mutex);
        if (watch.error.empty()) {
          watch.error = std::move(text);
          if (!watch.missing.empty()) watch.error += kMissingPrefix + watch.missing;
        }
      }
      watch.changed.notify_all();
      ReportEnd(watch, false);
      break;
    }
    case GST_MESSAGE_ELEMENT: {
      const GstStructure* details = api.gst_message_get_structure(message);
      if (details && api.gst_structure_has_name(details, "missing-plugin")) {
        const gchar* name = api.gst_structure_get_string(details, "name");
        std::lock_guard lock(watch.mutex);
        if (watch.missing.empty()) watch.missing = name && *name ? name : "?";
      }
      break;
    }
    case GST_MESSAGE_EOS:
      ReportEnd(watch, true);
      break;
    default:
      break;
  }
  // Nobody reads the bus's queue: keep nothing in it.
  return GST_BUS_DROP;
}

void TGstSoundDevice::TImpl::ReportEnd(TWatch& watch, bool succeeded) {
  uint64_t token = 0;
  {
    std::lock_guard lock(watch.mutex);
    if (watch.start_token == 0 || watch.end_reported) return;
    watch.end_reported = true;
    token = watch.start_token;
  }
  watch.dispatcher->PostToGuiThread(
      [owner = watch.owner, id = watch.pipeline_id, token, succeeded] {
        if (auto impl = owner.lock()) impl->Ended(id, token, succeeded);
      });
}

void TGstSoundDevice::TImpl::Ended(uint64_t pipeline_id, uint64_t start_token, bool succeeded) {
  // A report that crossed a Close or a later Start belongs to nothing now.
  if (pipeline_id != pipeline_id_ || start_token != start_token_) return;
  start_token_ = 0;
  if (events_) events_->SoundEnded(succeeded);
}

std::string TGstSoundDevice::TImpl::WatchError() {
  std::lock_guard lock(watch_->mutex);
  return watch_->error;
}

// Waits until the pipeline has reached the state last asked for, GStreamer
// reported an error, or the time allowed has passed.
bool TGstSoundDevice::TImpl::WaitForState(GstStateChangeReturn result, std::string& error) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.OpenTimeoutMs);
  while (result == GST_STATE_CHANGE_ASYNC) {
    {
      std::lock_guard lock(watch_->mutex);
      if (!watch_->error.empty()) break;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      error = kNoAnswer;
      return false;
    }
    result = api_->gst_element_get_state(pipeline_, nullptr, nullptr, kStatePoll);
  }
  if (result == GST_STATE_CHANGE_FAILURE) {
    std::unique_lock lock(watch_->mutex);
    watch_->changed.wait_for(lock, kErrorGrace, [this] { return !watch_->error.empty(); });
  }
  error = WatchError();
  if (!error.empty()) return false;
  if (result == GST_STATE_CHANGE_FAILURE) {
    error = err::kUnexpectedError;
    return false;
  }
  return true;
}

bool TGstSoundDevice::TImpl::Open(const std::string& file, std::string& error) {
  Release();
  api_ = gst::LoadGstApi(options_.Library, error);
  if (!api_) return false;
  if (!KnownSoundType(file)) {
    error = err::kUnsupportedFormat;
    return false;
  }
  if (!FileExistsNotFolder(file)) {
    error = err::kFileNotFound;
    return false;
  }

  GError* gerror = nullptr;
  gchar* uri = api_->gst_filename_to_uri(file.c_str(), &gerror);
  if (!uri) {
    error = TakeErrorText(*api_, gerror);
    return false;
  }
  GstElement* sink = nullptr;
  if (!options_.AudioSink.empty()) {
    sink = api_->gst_parse_bin_from_description(options_.AudioSink.c_str(), TRUE, &gerror);
    if (!sink) {
      api_->g_free(uri);
      error = TakeErrorText(*api_, gerror);
      return false;
    }
    if (gerror) api_->g_error_free(gerror);  // a warning that came with a bin
  }
  pipeline_ = api_->gst_element_factory_make("playbin", nullptr);
  if (!pipeline_) {
    api_->g_free(uri);
    if (sink) api_->gst_object_unref(sink);
    error = kNoPlaybin;
    return false;
  }
  api_->g_object_set(pipeline_, "uri", uri, "flags", kPlayFlags, nullptr);
  api_->g_free(uri);
  if (sink) api_->g_object_set(pipeline_, "audio-sink", sink, nullptr);

  watch_ = std::make_shared<TWatch>();
  watch_->api = api_;
  watch_->dispatcher = &dispatcher_;
  watch_->owner = weak_from_this();
  watch_->pipeline_id = pipeline_id_ = ++last_pipeline_id_;
  bus_ = api_->gst_element_get_bus(pipeline_);
  api_->gst_bus_set_sync_handler(bus_, &OnBusMessage, new std::shared_ptr<TWatch>(watch_),
                                 &DropWatch);

  // Prerolling reads the file far enough to know that it can be played.
  if (!WaitForState(api_->gst_element_set_state(pipeline_, GST_STATE_PAUSED), error)) {
    Release();
    return false;
  }
  return true;
}

bool TGstSoundDevice::TImpl::Start(std::string& error) {
  if (!pipeline_) {
    error = kNotOpen;
    return false;
  }
  error = WatchError();
  if (!error.empty()) return false;
  if (played_) {
    // Played before: back to the start, prerolled and paused, so that no
    // end of the earlier run is left to report.
    if (!WaitForState(api_->gst_element_set_state(pipeline_, GST_STATE_PAUSED), error))
      return false;
    if (!api_->gst_element_seek_simple(
            pipeline_, GST_FORMAT_TIME,
            static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE), 0)) {
      error = err::kUnexpectedError;
      return false;
    }
    if (!WaitForState(api_->gst_element_get_state(pipeline_, nullptr, nullptr, 0), error))
      return false;
  }
  start_token_ = ++last_start_token_;
  {
    std::lock_guard lock(watch_->mutex);
    watch_->start_token = start_token_;
    watch_->end_reported = false;
  }
  played_ = true;
  if (api_->gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
    error = WatchError();
    if (error.empty()) error = err::kUnexpectedError;
    start_token_ = 0;
    std::lock_guard lock(watch_->mutex);
    watch_->start_token = 0;
    return false;
  }
  return true;
}

void TGstSoundDevice::TImpl::Release() {
  if (!pipeline_) return;
  {
    std::lock_guard lock(watch_->mutex);
    watch_->start_token = 0;
  }
  pipeline_id_ = 0;
  start_token_ = 0;
  played_ = false;
  // Returns once GStreamer's threads for this pipeline have stopped.
  api_->gst_element_set_state(pipeline_, GST_STATE_NULL);
  api_->gst_bus_set_sync_handler(bus_, nullptr, nullptr, nullptr);
  api_->gst_object_unref(bus_);
  api_->gst_object_unref(pipeline_);
  bus_ = nullptr;
  pipeline_ = nullptr;
  watch_.reset();
}

TGstSoundDevice::TGstSoundDevice(TGuiDispatcher& dispatcher, TGstSoundOptions options)
    : impl_(std::make_shared<TImpl>(dispatcher, std::move(options))) {}

TGstSoundDevice::~TGstSoundDevice() {
  impl_->events_ = nullptr;
  impl_->Release();
}

void TGstSoundDevice::SetEvents(TSoundDeviceEvents* events) {
  impl_->events_ = events;
}

bool TGstSoundDevice::Open(const std::string& file, std::string& error) {
  return impl_->Open(file, error);
}

bool TGstSoundDevice::Start(std::string& error) {
  return impl_->Start(error);
}

bool TGstSoundDevice::Close(std::string&) {
  impl_->Release();
  return true;
}

}  // namespace lumigram
