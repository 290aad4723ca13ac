// The X11 startup notification messages: text sent to the root window in
// client messages of 20 bytes, the first of type _NET_STARTUP_INFO_BEGIN, the
// rest _NET_STARTUP_INFO, ended by a nul byte.
#include "gui/platform/startup_notification.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kChunkBytes = 20;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
      nullptr);
  xcb_atom_t atom = XCB_ATOM_NONE;
  if (reply != nullptr) atom = reply->atom;
  std::free(reply);
  return atom;
}

// A value with a space, a quote or a backslash is quoted.
QByteArray Quoted(QByteArray value) {
  if (!value.contains(' ') && !value.contains('"') && !value.contains('\\')) return value;
  value.replace('\\', "\\\\").replace('"', "\\\"");
  return '"' + value + '"';
}

void SendMessage(xcb_connection_t* connection, xcb_window_t root, xcb_window_t messenger,
                 const QByteArray& text) {
  const xcb_atom_t begin = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
  const xcb_atom_t more = Atom(connection, "_NET_STARTUP_INFO");
  const std::size_t length = static_cast<std::size_t>(text.size()) + 1;  // with the nul
  for (std::size_t offset = 0; offset < length; offset += kChunkBytes) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 8;
    event.window = messenger;
    event.type = offset == 0 ? begin : more;
    const std::size_t count = std::min(kChunkBytes, static_cast<std::size_t>(text.size()) - offset);
    std::memcpy(event.data.data8, text.constData() + offset, count);
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                   reinterpret_cast<const char*>(&event));
  }
}

}  // namespace

QByteArray X11StartupId() {
  return qgetenv("DESKTOP_STARTUP_ID");
}

void EndStartupNotification(const QByteArray& startupId) {
  auto* x11 =
      qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || startupId.isEmpty()) return;
  xcb_connection_t* connection = x11->connection();
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  // The messages come from a window of the program's own, as launchers expect.
  const xcb_window_t messenger = xcb_generate_id(connection);
  const uint32_t overrideRedirect = 1;
  xcb_create_window(connection, XCB_COPY_FROM_PARENT, messenger, root, -100, -100, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT,
                    &overrideRedirect);
  SendMessage(connection, root, messenger, "remove: ID=" + Quoted(startupId));
  xcb_destroy_window(connection, messenger);
  xcb_flush(connection);
}
