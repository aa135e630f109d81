# Where Nemo 5.6 puts its view and menus, as scripts/file-manager-screenshots.sh sees them.
# Its reveal opens a window of its own, placed over the first.
click 1 245 155
click 3 245 155; shot file-menu
click 1 320 402; shot send-to-submenu
click 1 620 402; sleep 1.5; shot zipped
click 3 600 400; shot background-menu
click 1 680 468; shot new-submenu
click 1 880 468; sleep 1.5; shot new-folder
