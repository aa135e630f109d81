# Real Nemo, Caja, Thunar or Dolphin in a session of its own, as
# scripts/lib/nautilus-session.sh does for Nautilus: a private HOME, Xvfb, a
# session bus, and the file manager's extension folder replaced by one we choose (a
# bind mount in the private mount namespace nautilus_enter_namespace makes). Needs
# root, Xvfb, xdotool and ImageMagick.
source scripts/lib/nautilus-session.sh

# fm_host HOST: sets $extension_dir, $command and $module (the built file) for
# nemo, caja, thunar or dolphin.
fm_host() {
  module=build/default/lib/libnimbra-$1.so
  case $1 in
    nemo) extension_dir=$(pkg-config --variable=extensiondir libnemo-extension) command=(nemo --no-desktop) ;;
    caja) extension_dir=$(pkg-config --variable=extensiondir libcaja-extension) command=(caja --no-desktop) ;;
    thunar) extension_dir=$(pkg-config --variable=extensionsdir thunarx-3) command=(thunar) ;;
    dolphin)
      extension_dir=$(/usr/lib/qt5/bin/qmake -query QT_INSTALL_PLUGINS)/kf5/kfileitemaction command=(dolphin --new-window)
      module=build/default/lib/nimbra-dolphin.so
      unset SUDO_USER  # Dolphin refuses to run under sudo, not as root itself
      ;;
    *) echo "not a file manager we have a module for here: $1" >&2; return 2 ;;
  esac
  module=$PWD/$module
}

# Builds the host's module and what it runs in the default build.
fm_build_module() {
  cmake --preset default >/dev/null
  cmake --build --preset default --target "nimbra-$1" nimbra-zip nimbra_extension_resources >/dev/null
}

# fm_session_start MODULE_FOLDER FOLDER_TO_SHOW, after fm_host and
# nautilus_session_prepare: the file manager loads the modules in MODULE_FOLDER
# (an empty one: none) and shows the folder in a 1000 x 700 window at the top
# left. Sets $fm_pid. With $NIMBRA_WINDOW_MANAGER (say openbox) that window
# manager runs too and the window is made the active one, as on a desktop.
fm_session_start() {
  local modules=$1 folder=$2
  mkdir -p "$extension_dir"  # a file manager without extensions of its own may lack it
  mount --bind "$modules" "$extension_dir"
  session_display_and_bus
  "${command[@]}" "$folder" >"$session/fm.log" 2>&1 &
  fm_pid=$!
  for _ in $(seq 100); do xdotool search --onlyvisible --pid "$fm_pid" >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 5  # the first directory load and our warm-up
  local window
  window=$(xdotool search --onlyvisible --pid "$fm_pid" | tail -1)
  # No window manager: the window is placed here.
  xdotool windowmove "$window" 0 0 windowsize "$window" 1000 700
  sleep 1
  if [[ -n ${NIMBRA_WINDOW_MANAGER:-} ]]; then
    $NIMBRA_WINDOW_MANAGER >"$session/wm.log" 2>&1 &
    wm_pid=$!
    sleep 1.5
    xdotool windowactivate "$window"
    sleep 0.5
  fi
}

fm_session_stop() {  # also when the session never started (an early exit)
  [[ -n ${session:-} ]] || return 0
  kill ${fm_pid:-} ${wm_pid:-} ${bus_pid:-} ${xvfb_pid:-} 2>/dev/null || true
  wait ${fm_pid:-} ${xvfb_pid:-} 2>/dev/null || true
  umount "$extension_dir" 2>/dev/null || true
  rm -rf "$session"
}
