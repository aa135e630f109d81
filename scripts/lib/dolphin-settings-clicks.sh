# Dolphin 22.12's settings, its Context Menu page: the plugin listed and switched on.
click 1 950 16; click 1 964 344; click 1 617 419; sleep 3
# No window manager: the dialog is placed and sized here.
dialog=$(xdotool search --onlyvisible --pid "$fm_pid" | tail -1)
xdotool windowmove "$dialog" 100 40 windowsize "$dialog" 900 700; sleep 1
click 1 171 345; sleep 1; shot context-menu-settings
