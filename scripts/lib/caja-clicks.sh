# Where Caja 1.26 puts its view and menus, as scripts/file-manager-screenshots.sh sees them.
click 1 245 155
click 3 245 155; shot file-menu
click 1 300 402; shot send-to-submenu
click 1 560 402; sleep 1.5; shot zipped
click 3 600 400; shot background-menu
click 1 650 467; shot new-submenu
click 1 850 467; sleep 1.5; shot new-folder
