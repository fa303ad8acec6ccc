// The voice of Speech Dispatcher, through libspeechd. Every libspeechd call talks over a socket
// and waits for the daemon's answer, so none of them runs on the game's thread: a worker thread
// opens the connection and hands the lines over one by one, while the game only puts lines into
// the pending queue. A slow or hung daemon holds up the worker alone, and the walking messages
// that pile up meanwhile collapse into the newest. Walking messages go as priority "text", which
// the daemon itself replaces with a newer one and interrupts for a "message", the priority of a
// talk's lines, which it queues in order.
#include <libspeechd.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/speech/PendingSpeech.h"
#include "platform/system/ProgramName.h"

namespace platform {

namespace {

// How long the game's end waits for the worker to let go of the daemon before leaving it behind.
constexpr std::chrono::milliseconds kClosingWait{500};

// What the game's thread and the worker share; the worker keeps it alive past the voice when the
// daemon holds it up at the game's end.
struct Shared {
  std::mutex lock;
  std::condition_variable changed;
  PendingSpeech pending;
  bool hush = false;
  bool closing = false;
  bool dead = false;  // no daemon answers: lines are dropped as they come
  bool finished = false;
};

// Turns libspeechd's malloc'ed error text into a string and frees it.
std::string TakeError(char* error, const char* otherwise) {
  std::string text = error ? error : otherwise;
  std::free(error);
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

SPDConnection* Connect(std::string& reason) {
  char* error = nullptr;
  SPDConnectionAddress* address = spd_get_default_address(&error);
  if (!address) {
    reason = TakeError(error, "no address");
    return nullptr;
  }
  // A service the player points at with SPEECHD_ADDRESS is the one to use; only the desktop's
  // default one is started when it is not running yet, as every other client of it does.
  const bool autospawn = std::getenv("SPEECHD_ADDRESS") == nullptr;
  SPDConnection* connection =
      spd_open2(kProgramName, "main", nullptr, SPD_MODE_SINGLE, address, autospawn, &error);
  SPDConnectionAddress__free(address);
  if (!connection) reason = TakeError(error, "cannot connect");
  return connection;
}

void Work(std::shared_ptr<Shared> shared, std::function<void(const std::string&)> unavailable) {
  std::string reason;
  SPDConnection* connection = Connect(reason);
  std::unique_lock<std::mutex> held(shared->lock);
  if (!connection) {
    shared->dead = true;
    shared->pending.Clear();
    held.unlock();
    if (unavailable) unavailable(reason);
    held.lock();
  }
  std::string language;
  while (connection) {
    shared->changed.wait(
        held, [&] { return shared->closing || shared->hush || !shared->pending.Empty(); });
    if (shared->closing) break;
    const bool hush = std::exchange(shared->hush, false);
    const auto line = shared->pending.Take();
    held.unlock();
    bool answered = !hush || spd_cancel(connection) == 0;
    if (answered && line && line->Language != language) {
      answered = spd_set_language(connection, line->Language.c_str()) == 0;
      language = line->Language;
    }
    if (answered && line) {
      answered =
          spd_say(connection, line->Walking ? SPD_TEXT : SPD_MESSAGE, line->Text.c_str()) >= 0;
    }
    held.lock();
    if (!answered) {
      shared->dead = true;
      shared->pending.Clear();
      held.unlock();
      if (unavailable) unavailable("the connection broke");
      spd_close(connection);
      connection = nullptr;
      held.lock();
    }
  }
  held.unlock();
  if (connection) spd_close(connection);
  held.lock();
  shared->finished = true;
  shared->changed.notify_all();
}

class SpeechdVoice : public Voice {
 public:
  explicit SpeechdVoice(std::function<void(const std::string&)> unavailable)
      : shared_(std::make_shared<Shared>()), worker_(Work, shared_, std::move(unavailable)) {}

  ~SpeechdVoice() override {
    std::unique_lock<std::mutex> held(shared_->lock);
    shared_->closing = true;
    shared_->changed.notify_all();
    const bool finished =
        shared_->changed.wait_for(held, kClosingWait, [&] { return shared_->finished; });
    held.unlock();
    if (finished) {
      worker_.join();
    } else {
      worker_.detach();
    }
  }

  void Speak(const Utterance& utterance) override {
    const std::lock_guard<std::mutex> held(shared_->lock);
    if (shared_->dead) return;
    shared_->pending.Add(utterance);
    shared_->changed.notify_all();
  }

  void Hush() override {
    const std::lock_guard<std::mutex> held(shared_->lock);
    shared_->pending.Clear();
    shared_->hush = true;
    shared_->changed.notify_all();
  }

 private:
  std::shared_ptr<Shared> shared_;
  std::thread worker_;
};

}  // namespace

std::unique_ptr<Voice> OpenVoice(std::function<void(const std::string&)> unavailable) {
  return std::make_unique<SpeechdVoice>(std::move(unavailable));
}

}  // namespace platform
