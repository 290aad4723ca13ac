/* wait_map: runs a program and reports when its first top-level window is mapped.
 *
 *   wait_map [-n TITLE] [-t SECONDS] [-k] -- PROGRAM [ARGS...]
 *
 * Selects SubstructureNotify on the root window before it starts PROGRAM, so no
 * map can be missed, then forks and execs PROGRAM (exec it through env(1) to set
 * its environment: the pid stays the same). On the first MapNotify of a child
 * of the root window whose _NET_WM_PID is PROGRAM's pid (and, with -n, whose
 * WM_NAME is exactly TITLE) it prints one line:
 *
 *   <milliseconds from fork to the map> <wall-clock time of the map, s.ns> <pid>
 *
 * and exits 0, leaving PROGRAM running; with -k it ends PROGRAM first (SIGTERM).
 * PROGRAM's standard output goes to wait_map's standard error, so that a caller
 * reading wait_map's output does not wait for PROGRAM to end.
 * Exits 1 when PROGRAM ends or -t SECONDS (default 30) pass without such a map.
 */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double seconds_of(const struct timespec* t) {
  return t->tv_sec + t->tv_nsec / 1e9;
}

static double monotonic_now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return seconds_of(&t);
}

/* The _NET_WM_PID of a window, or -1. */
static long window_pid(Display* display, Window window, Atom pid_atom) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = NULL;
  long pid = -1;
  if (XGetWindowProperty(display, window, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format,
                         &count, &after, &data) == Success &&
      data != NULL && format == 32 && count == 1) {
    pid = (long)*(unsigned long*)data;
  }
  if (data != NULL) XFree(data);
  return pid;
}

static int title_matches(Display* display, Window window, const char* title) {
  char* name = NULL;
  int same;
  if (title == NULL) return 1;
  if (!XFetchName(display, window, &name) || name == NULL) return 0;
  same = strcmp(name, title) == 0;
  XFree(name);
  return same;
}

static int ignore_x_errors(Display* display, XErrorEvent* error) {
  (void)display;
  (void)error; /* a window may be gone before its properties are read */
  return 0;
}

static void usage(void) {
  fprintf(stderr, "usage: wait_map [-n TITLE] [-t SECONDS] [-k] -- PROGRAM [ARGS...]\n");
  exit(2);
}

int main(int argc, char** argv) {
  const char* title = NULL;
  double timeout = 30;
  int kill_after = 0, option;
  while ((option = getopt(argc, argv, "+n:t:k")) != -1) {
    if (option == 'n')
      title = optarg;
    else if (option == 't')
      timeout = atof(optarg);
    else if (option == 'k')
      kill_after = 1;
    else
      usage();
  }
  if (optind >= argc) usage();

  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "wait_map: cannot open the display\n");
    return 1;
  }
  XSetErrorHandler(ignore_x_errors);
  Window root = DefaultRootWindow(display);
  Atom pid_atom = XInternAtom(display, "_NET_WM_PID", False);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const double started = monotonic_now();
  const pid_t child = fork();
  if (child < 0) {
    perror("wait_map: fork");
    return 1;
  }
  if (child == 0) {
    close(ConnectionNumber(display));
    dup2(STDERR_FILENO, STDOUT_FILENO);
    execvp(argv[optind], argv + optind);
    fprintf(stderr, "wait_map: cannot run %s: %s\n", argv[optind], strerror(errno));
    _exit(127);
  }

  const int fd = ConnectionNumber(display);
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type != MapNotify || event.xmap.event != root) continue;
      const double mapped = monotonic_now();
      struct timespec wall;
      clock_gettime(CLOCK_REALTIME, &wall);
      if (window_pid(display, event.xmap.window, pid_atom) != child) continue;
      if (!title_matches(display, event.xmap.window, title)) continue;
      printf("%.1f %ld.%09ld %d\n", (mapped - started) * 1000.0, (long)wall.tv_sec, wall.tv_nsec,
             (int)child);
      fflush(stdout);
      if (kill_after) {
        kill(child, SIGTERM);
        waitpid(child, NULL, 0);
      }
      return 0;
    }
    if (waitpid(child, NULL, WNOHANG) == child) {
      fprintf(stderr, "wait_map: %s ended before mapping a window\n", argv[optind]);
      return 1;
    }
    const double left = started + timeout - monotonic_now();
    if (left <= 0) {
      fprintf(stderr, "wait_map: no window mapped within %.0f s\n", timeout);
      kill(child, SIGTERM);
      waitpid(child, NULL, 0);
      return 1;
    }
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    struct timeval wait = {0, 50000};
    select(fd + 1, &readable, NULL, NULL, &wait);
  }
}
