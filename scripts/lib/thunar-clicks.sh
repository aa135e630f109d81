# Where Thunar 4.18 puts its view and menus, as scripts/file-manager-screenshots.sh sees them.
# Thunar's own Send To plugin comes first; ours follows Rename….
click 1 212 145
click 3 212 145; shot file-menu
click 1 280 393; shot send-to-submenu
click 1 530 393; sleep 1.5; shot zipped
click 3 600 400; shot background-menu
click 1 640 493; shot new-submenu
click 1 850 493; sleep 3; shot new-folder-rename
