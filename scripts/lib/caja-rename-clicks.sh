# Caja renames a new item only in its active window: run with a window manager,
#   NIMBRA_WINDOW_MANAGER=openbox scripts/file-manager-screenshots.sh caja OUTPUT rename
# New ▸ Folder; Caja's reveal opens a window where the item is put into rename.
click 3 600 400
click 1 650 467
click 1 850 467; sleep 2.5; shot new-folder-rename
