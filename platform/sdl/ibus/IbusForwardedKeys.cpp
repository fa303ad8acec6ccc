#include "platform/sdl/ibus/IbusForwardedKeys.h"

#include <SDL.h>
#include <ibus.h>

#include <atomic>
#include <cstring>

#include "platform/sdl/ibus/IbusKeys.h"
#include "platform/system/Messages.h"

namespace platform {

struct IbusForwardedKeys::Bus {
  GDBusConnection* connection = nullptr;
  guint filter = 0;
  uint32_t eventType = 0;
  std::string daemon;                // the IBus daemon's unique name on its bus
  std::atomic<bool> focused{false};  // whether the game's window has the keyboard focus
  std::string focusedContext;        // the context IBus named as focused since the focus came
};

namespace {

constexpr char kContextInterface[] = "org.freedesktop.IBus.InputContext";

// Runs on GDBus's reader thread for every message of the connection; `data` is the Bus. Only the
// daemon itself sends keys back: any other program on the bus can send a signal of the same name,
// and none of them may type into the game. Keys sent back while the window has no focus were
// meant for another program.
GDBusMessage* QueueForwardedKey(GDBusConnection*, GDBusMessage* message, gboolean incoming,
                                gpointer data) {
  const auto& bus = *static_cast<const IbusForwardedKeys::Bus*>(data);
  if (!incoming || g_dbus_message_get_message_type(message) != G_DBUS_MESSAGE_TYPE_SIGNAL ||
      g_strcmp0(g_dbus_message_get_interface(message), kContextInterface) != 0 ||
      g_strcmp0(g_dbus_message_get_member(message), "ForwardKeyEvent") != 0 ||
      g_strcmp0(g_dbus_message_get_sender(message), bus.daemon.c_str()) != 0 || !bus.focused) {
    return message;
  }
  GVariant* body = g_dbus_message_get_body(message);
  if (!body || !g_variant_is_of_type(body, G_VARIANT_TYPE("(uuu)"))) return message;
  guint32 keysym = 0, keycode = 0, state = 0;
  g_variant_get(body, "(uuu)", &keysym, &keycode, &state);
  const char* path = g_dbus_message_get_path(message);
  SDL_Event event{};
  event.type = bus.eventType;
  event.user.data1 =
      new ForwardedKey{keysym, state, (state & IBUS_RELEASE_MASK) != 0, path ? path : ""};
  if (SDL_PushEvent(&event) != 1) delete static_cast<ForwardedKey*>(event.user.data1);
  return message;
}

}  // namespace

Result<std::unique_ptr<IbusForwardedKeys>> IbusForwardedKeys::Listen(uint32_t eventType) {
  std::unique_ptr<IbusForwardedKeys> keys(new IbusForwardedKeys());
  if (Result<void> listening = keys->Connect(eventType); !listening) return listening.Error();
  return keys;
}

IbusForwardedKeys::IbusForwardedKeys() : bus_(std::make_unique<Bus>()) {}

Result<void> IbusForwardedKeys::Connect(uint32_t eventType) {
  bus_->eventType = eventType;
  ibus_init();
  const gchar* address = ibus_get_address();
  if (!address) return Problem{_("no IBus daemon is running")};
  GError* error = nullptr;
  bus_->connection = g_dbus_connection_new_for_address_sync(
      address,
      static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                        G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
      nullptr, nullptr, &error);
  if (!bus_->connection) {
    Problem problem{Format(_("cannot reach IBus: %s"), error->message)};
    g_error_free(error);
    return problem;
  }
  GVariant* owner = g_dbus_connection_call_sync(
      bus_->connection, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
      "GetNameOwner", g_variant_new("(s)", "org.freedesktop.IBus"), G_VARIANT_TYPE("(s)"),
      G_DBUS_CALL_FLAGS_NONE, 2000, nullptr, &error);
  if (!owner) {
    Problem problem{Format(_("cannot find the IBus daemon on its bus: %s"), error->message)};
    g_error_free(error);
    return problem;
  }
  const gchar* daemon = nullptr;
  g_variant_get(owner, "(&s)", &daemon);
  bus_->daemon = daemon;
  g_variant_unref(owner);
  bus_->filter =
      g_dbus_connection_add_filter(bus_->connection, QueueForwardedKey, bus_.get(), nullptr);
  // The signals go to the program that owns the input context; eavesdropping lets this
  // connection see them too.
  GVariant* reply = g_dbus_connection_call_sync(
      bus_->connection, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
      "AddMatch",
      g_variant_new("(s)",
                    "type='signal',interface='org.freedesktop.IBus.InputContext',"
                    "member='ForwardKeyEvent',eavesdrop='true'"),
      nullptr, G_DBUS_CALL_FLAGS_NONE, 2000, nullptr, &error);
  if (!reply) {
    Problem problem{Format(_("IBus does not show the keys it sends back: %s"), error->message)};
    g_error_free(error);
    return problem;
  }
  g_variant_unref(reply);
  return {};
}

IbusForwardedKeys::~IbusForwardedKeys() {
  if (!bus_->connection) return;
  g_dbus_connection_remove_filter(bus_->connection, bus_->filter);
  g_dbus_connection_close_sync(bus_->connection, nullptr, nullptr);
  g_object_unref(bus_->connection);
}

ForwardedKey IbusForwardedKeys::Take(void* eventData) {
  std::unique_ptr<ForwardedKey> key(static_cast<ForwardedKey*>(eventData));
  return std::move(*key);
}

void IbusForwardedKeys::SetWindowFocused(bool focused) {
  bus_->focused = focused;
  bus_->focusedContext.clear();
}

bool IbusForwardedKeys::IsFocusedContext(const std::string& context) {
  if (!bus_->connection || !bus_->focused) return false;
  if (context == bus_->focusedContext) return true;
  GVariant* reply = g_dbus_connection_call_sync(
      bus_->connection, "org.freedesktop.IBus", "/org/freedesktop/IBus", "org.freedesktop.IBus",
      "CurrentInputContext", nullptr, G_VARIANT_TYPE("(o)"), G_DBUS_CALL_FLAGS_NONE, 500, nullptr,
      nullptr);
  if (!reply) return false;
  const gchar* path = nullptr;
  g_variant_get(reply, "(&o)", &path);
  bus_->focusedContext = path;
  g_variant_unref(reply);
  return context == bus_->focusedContext;
}

std::optional<KeyStroke> StrokeOfKeysym(uint32_t keysym, uint32_t state) {
  const ShiftState shift = ((state & IBUS_SHIFT_MASK) ? kShift : 0) |
                           ((state & IBUS_MOD1_MASK) ? kAlt : 0) |
                           ((state & IBUS_CONTROL_MASK) ? kCtrl : 0);
  // A printable keysym is the character typed, whatever Shift says.
  if (keysym >= 0x20 && keysym <= 0x7E) {
    auto stroke = StrokeForChar(static_cast<char>(keysym));
    if (stroke) stroke->Shift = shift;
    return stroke;
  }
  if (keysym >= IBUS_KEY_F1 && keysym <= IBUS_KEY_F12) {
    return StrokeOfKey(static_cast<uint16_t>(vk::F1 + (keysym - IBUS_KEY_F1)), shift);
  }
  if (const auto game = GameCodeOf(kIbusKeys, keysym)) return StrokeOfKey(*game, shift);
  return std::nullopt;
}

}  // namespace platform
