/* Asks the Wayland compositor of WAYLAND_DISPLAY for an activation token, as
 * a launcher does before it starts a program, and prints it on stdout.
 *
 *   activation_token [--surface]
 *
 * Plain, the request names no surface. With --surface it first shows a small
 * window of its own and waits until the compositor makes it the active one:
 * a compositor that hands tokens only to the focused client then grants it.
 * It then keeps that window until it is killed, as a launcher stays on the
 * screen while the program it started comes up: KWin withdraws a token once
 * another window becomes active.
 * Exits 1 with a message when there is no compositor, no xdg_activation_v1,
 * or no answer within five seconds. */
#define _POSIX_C_SOURCE 200809L

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>
#include <wayland-client.h>

#include "xdg-activation-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

enum { kSide = 16, kWaitMs = 5000 };

struct state {
  struct wl_registry* registry;
  struct wl_compositor* compositor;
  struct wl_shm* shm;
  struct xdg_wm_base* wm_base;
  struct xdg_activation_v1* activation;
  struct wl_surface* surface;
  struct xdg_surface* xdg_surface;
  struct xdg_toplevel* toplevel;
  struct wl_buffer* buffer;
  struct xdg_activation_token_v1* request;
  int configured;
  int active;
  int answered;
  char* token;
};

static void on_global(void* data, struct wl_registry* registry, uint32_t name,
                      const char* interface, uint32_t version) {
  struct state* s = data;
  (void)version;
  if (strcmp(interface, wl_compositor_interface.name) == 0)
    s->compositor = wl_registry_bind(registry, name, &wl_compositor_interface, 1);
  else if (strcmp(interface, wl_shm_interface.name) == 0)
    s->shm = wl_registry_bind(registry, name, &wl_shm_interface, 1);
  else if (strcmp(interface, xdg_wm_base_interface.name) == 0)
    s->wm_base = wl_registry_bind(registry, name, &xdg_wm_base_interface, 1);
  else if (strcmp(interface, xdg_activation_v1_interface.name) == 0)
    s->activation = wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1);
}

static void on_global_remove(void* data, struct wl_registry* registry, uint32_t name) {
  (void)data, (void)registry, (void)name;
}

static const struct wl_registry_listener registry_listener = {on_global, on_global_remove};

static void on_ping(void* data, struct xdg_wm_base* base, uint32_t serial) {
  (void)data;
  xdg_wm_base_pong(base, serial);
}

static const struct xdg_wm_base_listener wm_base_listener = {on_ping};

static void on_surface_configure(void* data, struct xdg_surface* surface, uint32_t serial) {
  struct state* s = data;
  xdg_surface_ack_configure(surface, serial);
  s->configured = 1;
}

static const struct xdg_surface_listener surface_listener = {on_surface_configure};

static void on_toplevel_configure(void* data, struct xdg_toplevel* toplevel, int32_t width,
                                  int32_t height, struct wl_array* states) {
  struct state* s = data;
  const uint32_t* state;
  (void)toplevel, (void)width, (void)height;
  s->active = 0;
  wl_array_for_each(state, states) {
    if (*state == XDG_TOPLEVEL_STATE_ACTIVATED) s->active = 1;
  }
}

static void on_toplevel_close(void* data, struct xdg_toplevel* toplevel) {
  (void)data, (void)toplevel;
}

static const struct xdg_toplevel_listener toplevel_listener = {.configure = on_toplevel_configure,
                                                               .close = on_toplevel_close};

static void on_token_done(void* data, struct xdg_activation_token_v1* token, const char* text) {
  struct state* s = data;
  (void)token;
  s->token = strdup(text);
  s->answered = 1;
}

static const struct xdg_activation_token_v1_listener token_listener = {on_token_done};

static long now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000L + t.tv_nsec / 1000000L;
}

/* Dispatches events until *flag is set; 0 then, -1 after kWaitMs or on error. */
static int wait_for(struct wl_display* display, const int* flag) {
  const long end = now_ms() + kWaitMs;
  while (!*flag) {
    struct pollfd fd = {wl_display_get_fd(display), POLLIN, 0};
    if (wl_display_dispatch_pending(display) < 0 || wl_display_flush(display) < 0) return -1;
    if (*flag) break;
    const long left = end - now_ms();
    if (left <= 0 || poll(&fd, 1, (int)left) <= 0) return -1;
    if (wl_display_dispatch(display) < 0) return -1;
  }
  return 0;
}

/* A kSide x kSide grey buffer in shared memory. */
static struct wl_buffer* grey_buffer(struct wl_shm* shm) {
  const int stride = kSide * 4, size = stride * kSide;
  char name[] = "/tmp/activation-token-XXXXXX";
  const int fd = mkstemp(name);
  if (fd < 0) return NULL;
  unlink(name);
  void* pixels = ftruncate(fd, size) == 0
                     ? mmap(NULL, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)
                     : MAP_FAILED;
  if (pixels == MAP_FAILED) {
    close(fd);
    return NULL;
  }
  memset(pixels, 0x80, size);
  munmap(pixels, size);
  struct wl_shm_pool* pool = wl_shm_create_pool(shm, fd, size);
  struct wl_buffer* buffer =
      wl_shm_pool_create_buffer(pool, 0, kSide, kSide, stride, WL_SHM_FORMAT_XRGB8888);
  wl_shm_pool_destroy(pool);
  close(fd);
  return buffer;
}

/* Maps a small window titled "activation token" and waits until it is active. */
static int show_active_window(struct wl_display* display, struct state* s) {
  if (!s->compositor || !s->shm || !s->wm_base) {
    fprintf(stderr, "activation_token: the compositor offers no xdg-shell windows\n");
    return -1;
  }
  xdg_wm_base_add_listener(s->wm_base, &wm_base_listener, s);
  s->surface = wl_compositor_create_surface(s->compositor);
  s->xdg_surface = xdg_wm_base_get_xdg_surface(s->wm_base, s->surface);
  xdg_surface_add_listener(s->xdg_surface, &surface_listener, s);
  s->toplevel = xdg_surface_get_toplevel(s->xdg_surface);
  xdg_toplevel_add_listener(s->toplevel, &toplevel_listener, s);
  xdg_toplevel_set_title(s->toplevel, "activation token");
  wl_surface_commit(s->surface);
  if (wait_for(display, &s->configured) < 0) {
    fprintf(stderr, "activation_token: the window was never configured\n");
    return -1;
  }
  s->buffer = grey_buffer(s->shm);
  if (!s->buffer) {
    fprintf(stderr, "activation_token: no shared memory: %s\n", strerror(errno));
    return -1;
  }
  wl_surface_attach(s->surface, s->buffer, 0, 0);
  wl_surface_commit(s->surface);
  if (wait_for(display, &s->active) < 0) {
    fprintf(stderr, "activation_token: the window never became active\n");
    return -1;
  }
  return 0;
}

/* Prints a token; 0 when there is one, 1 otherwise. */
static int ask_for_token(struct wl_display* display, struct state* s, int with_surface) {
  s->registry = wl_display_get_registry(display);
  wl_registry_add_listener(s->registry, &registry_listener, s);
  wl_display_roundtrip(display);
  if (!s->activation) {
    fprintf(stderr, "activation_token: the compositor offers no xdg_activation_v1\n");
    return 1;
  }
  if (with_surface && show_active_window(display, s) < 0) return 1;
  s->request = xdg_activation_v1_get_activation_token(s->activation);
  xdg_activation_token_v1_add_listener(s->request, &token_listener, s);
  if (s->surface) xdg_activation_token_v1_set_surface(s->request, s->surface);
  xdg_activation_token_v1_commit(s->request);
  if (wait_for(display, &s->answered) < 0 || !s->token) {
    fprintf(stderr, "activation_token: no token within %d ms\n", kWaitMs);
    return 1;
  }
  printf("%s\n", s->token);
  fflush(stdout);
  if (with_surface) {
    while (wl_display_dispatch(display) >= 0) {
    }
  }
  return 0;
}

static void release(struct state* s) {
  free(s->token);
  if (s->request) xdg_activation_token_v1_destroy(s->request);
  if (s->toplevel) xdg_toplevel_destroy(s->toplevel);
  if (s->xdg_surface) xdg_surface_destroy(s->xdg_surface);
  if (s->surface) wl_surface_destroy(s->surface);
  if (s->buffer) wl_buffer_destroy(s->buffer);
  if (s->activation) xdg_activation_v1_destroy(s->activation);
  if (s->wm_base) xdg_wm_base_destroy(s->wm_base);
  if (s->shm) wl_shm_destroy(s->shm);
  if (s->compositor) wl_compositor_destroy(s->compositor);
  if (s->registry) wl_registry_destroy(s->registry);
}

int main(int argc, char** argv) {
  const int with_surface = argc == 2 && strcmp(argv[1], "--surface") == 0;
  if (argc > 2 || (argc == 2 && !with_surface)) {
    fprintf(stderr, "usage: activation_token [--surface]\n");
    return 2;
  }
  struct wl_display* display = wl_display_connect(NULL);
  if (!display) {
    fprintf(stderr, "activation_token: no Wayland compositor to connect to\n");
    return 1;
  }
  struct state s = {0};
  const int status = ask_for_token(display, &s, with_surface);
  release(&s);
  wl_display_disconnect(display);
  return status;
}
