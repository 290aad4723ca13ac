/* startup_messages: prints each X11 startup notification message sent to the
 * root window of DISPLAY (as a launcher hears them), one per line, until
 * killed. Prints "ready" once it listens. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <xcb/xcb.h>

static xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
  xcb_atom_t result = reply ? reply->atom : XCB_ATOM_NONE;
  free(reply);
  return result;
}

int main(void) {
  xcb_connection_t* c = xcb_connect(NULL, NULL);
  if (xcb_connection_has_error(c)) {
    fprintf(stderr, "startup_messages: no X display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const xcb_atom_t begin = atom(c, "_NET_STARTUP_INFO_BEGIN");
  const xcb_atom_t more = atom(c, "_NET_STARTUP_INFO");
  const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(c);
  printf("ready\n");
  fflush(stdout);
  char message[4096];
  size_t length = 0;
  xcb_generic_event_t* event;
  while ((event = xcb_wait_for_event(c)) != NULL) {
    if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
      const xcb_client_message_event_t* m = (const xcb_client_message_event_t*)event;
      if (m->type == begin) length = 0;
      if ((m->type == begin || m->type == more) && length + 20 < sizeof message) {
        memcpy(message + length, m->data.data8, 20);
        length += 20;
        if (memchr(m->data.data8, '\0', 20) != NULL) {
          printf("%s\n", message);
          fflush(stdout);
          length = 0;
        }
      }
    }
    free(event);
  }
  return 0;
}
