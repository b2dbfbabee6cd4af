# Sourced by the scripts beside it: a display of its own for one run of Velmora, a sound server
# of its own when PulseAudio is installed, a home of its own, and the pupil's clicks. The script
# starts the program in the background and keeps its process id in $program. Positions are
# display pixels on the 1024 x 768 display, where every screen stands 210 pixels from the left
# edge and the test screens and the introduction 80 from the top.

session_need() {
  missing=""
  for tool in "$@"; do
    command -v "${tool%%:*}" >/dev/null || missing="$missing ${tool#*:}"
  done
  [ -z "$missing" ] && return 0
  echo "$(basename "$0") needs some Debian packages. Install them with:" >&2
  echo "  sudo apt-get install -y$missing" >&2
  exit 2
}

session_pids=""
session_cleanup() {
  for pid in $session_pids; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
}
trap session_cleanup EXIT

# A fresh home: whatever a run leaves there is easy to see, and nothing of the user's is read.
session_start() {
  # No "velmora" in the name: notrace looks for the program's name in every path opened.
  session_dir=$(mktemp -d "/tmp/$(basename "$0").XXXXXX")
  export HOME="$session_dir/home" XDG_RUNTIME_DIR="$session_dir/runtime"
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME WAYLAND_DISPLAY QT_QPA_PLATFORM

  display=""
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
  done
  [ -n "$display" ] || { echo "$(basename "$0"): no free display" >&2; exit 2; }
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$session_dir/xvfb.log" 2>&1 &
  session_pids="$session_pids $!"
  export DISPLAY="$display"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

  export SDL_AUDIODRIVER=dummy
  if command -v pulseaudio >/dev/null && command -v pactl >/dev/null; then
    pulseaudio -n --daemonize=no --exit-idle-time=-1 \
      --load="module-null-sink sink_name=velmora rate=48000 channels=1" \
      --load="module-native-protocol-unix" >"$session_dir/pulse.log" 2>&1 &
    session_pulse=$!
    session_pids="$session_pids $!"
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl set-default-sink velmora >/dev/null 2>&1 && SDL_AUDIODRIVER=pulseaudio
  fi
}

session_click() { xdotool mousemove "$1" "$2" click 1; }

# A picture of the display in the session's directory, to see afterwards where the run went.
session_shot() { command -v import >/dev/null && import -window root "$session_dir/$1.png"; }

# Waits until a window of Velmora is on the display, or says why not.
session_wait_for_program() {
  for _ in $(seq "$1"); do
    xdotool search --onlyvisible --classname velmora >/dev/null 2>&1 && return 0
    if ! kill -0 "$program" 2>/dev/null; then
      echo "velmora ended before showing a window" >&2
      return 1
    fi
    sleep 1
  done
  echo "no window of velmora after $1 s" >&2
  return 1
}

# Waits for the program to end by itself; its exit status goes to $status.
session_wait_for_end() {
  for _ in $(seq "$1"); do
    kill -0 "$program" 2>/dev/null || break
    sleep 1
  done
  if kill -0 "$program" 2>/dev/null; then
    echo "velmora still runs $1 s after Close" >&2
    kill "$program"
  fi
  wait "$program"
  status=$?
}

# The colour of one pixel of the display, as #RRGGBB.
session_colour() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    grep -o '#[0-9A-F]\{6\}' | head -1
}

# Waits until the pixel at x y shows the colour, or with "not" until it shows another one: the
# program takes its time when it runs under a tool, and a click made too early goes astray.
session_wait_colour() {
  for _ in $(seq 600); do
    if [ "${4:-}" = not ]; then [ "$(session_colour "$1" "$2")" != "$3" ] && return 0
    else [ "$(session_colour "$1" "$2")" = "$3" ] && return 0; fi
    sleep 0.1
  done
  echo "$(basename "$0"): the display did not change as expected at $1,$2" >&2
  session_shot stuck
  exit 1
}

# The controls the pupil clicks, and what to wait for after the clicks that change the screen:
# the colours of the start prompt (and of the comment in its place) and of the label that leads
# on, each looked at near its top left corner, where no letter stands.
prompt="336 318 #FFC080"
way_on="352 476 #FFFFC0"
menu_number() { session_click $((367 + 80 * ($1 - 1))) 60; }
close_button() { session_click 763 67; }
start_now() { session_click 475 453; session_wait_colour $prompt; }
start_prompt() { session_click 509 325; session_wait_colour $prompt not; }
prompt_shown() { session_wait_colour $prompt; }
right_word() { session_click 423 406; }
wrong_word() { session_click 607 406; }
feedback_over() { session_wait_colour $way_on; }
next_question() { session_click 511 485; session_wait_colour $way_on not; }
comment_shown() { session_click 511 485; session_wait_colour $prompt; }
