# Real Nautilus in a session of its own: a private HOME, an X server (Xvfb), a
# session bus, and the extension folder Nautilus loads replaced by one we choose
# (a bind mount in a private mount namespace, so the machine's own modules and
# files stay as they are). Sourced by the scripts that look at Nautilus; needs
# root (for the mount namespace), Xvfb, xdotool and ImageMagick's import.

nautilus_extension_dir=$(pkg-config --variable=extensiondir libnautilus-extension-4)

# Re-runs the calling script in a private mount namespace unless it runs in one.
nautilus_enter_namespace() {
  if [[ -z ${NIMBRA_IN_NAMESPACE:-} ]]; then
    NIMBRA_IN_NAMESPACE=1 exec unshare --mount --propagation private -- "$0" "$@"
  fi
}

# Builds the module and what it runs (plus any targets given) in the default build.
nautilus_build_module() {
  cmake --preset default >/dev/null
  cmake --build --preset default --target nimbra-nautilus nimbra-zip nimbra_extension_resources "$@" >/dev/null
}

# A fresh private HOME (with Desktop and Documents) and runtime folder; sets $session.
nautilus_session_prepare() {
  session=$(mktemp -d /tmp/nimbra-session-XXXXXX)
  mkdir -p "$session/home/Desktop" "$session/home/Documents" "$session/run"
  chmod 700 "$session/run"
  export HOME=$session/home XDG_CONFIG_HOME=$session/home/.config XDG_DATA_HOME=$session/home/.local/share \
    XDG_CACHE_HOME=$session/home/.cache XDG_RUNTIME_DIR=$session/run
  export GDK_BACKEND=x11 NO_AT_BRIDGE=1 GTK_A11Y=none
}

# An X server and a session bus of the session's own: sets $DISPLAY,
# $DBUS_SESSION_BUS_ADDRESS, $xvfb_pid and $bus_pid.
session_display_and_bus() {
  # Xvfb picks a display nobody uses and says which.
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$session/display" >"$session/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [[ -s $session/display ]] && break; sleep 0.1; done
  export DISPLAY=:$(<"$session/display")
  eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | {
    read -r address; read -r pid; echo "export DBUS_SESSION_BUS_ADDRESS='$address'; bus_pid=$pid"; })"
}

# nautilus_session_start MODULE_FOLDER FOLDER_TO_SHOW: Nautilus loads the modules in
# MODULE_FOLDER (an empty one: none) and shows the folder. Sets $nautilus_pid.
nautilus_session_start() {
  local modules=$1 folder=$2
  mount --bind "$modules" "$nautilus_extension_dir"
  session_display_and_bus
  nautilus --new-window "$folder" >"$session/nautilus.log" 2>&1 &
  nautilus_pid=$!
  for _ in $(seq 100); do xdotool search --onlyvisible --class nautilus >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 6  # the first directory load and our warm-up
}

nautilus_session_stop() {  # also when the session never started (an early exit)
  [[ -n ${session:-} ]] || return 0
  kill ${nautilus_pid:-} ${bus_pid:-} ${xvfb_pid:-} 2>/dev/null || true
  wait ${nautilus_pid:-} ${xvfb_pid:-} 2>/dev/null || true
  umount "$nautilus_extension_dir" 2>/dev/null || true
  rm -rf "$session"
}

# nautilus_click BUTTON X Y, then a moment for the menu or its effect.
nautilus_click() {
  xdotool mousemove "$2" "$3" click "$1"
  sleep 1.2
}

nautilus_screenshot() { import -window root "$1"; }

# Prints the window of the companion app (titled "Nimbra") once it shows, and waits a
# moment for its first drawing.
app_window() {
  local window=
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Nimbra$' 2>/dev/null | head -1) && [[ -n $window ]] && break
    sleep 0.1
  done
  sleep 1.5
  echo "$window"
}
