# Where Dolphin 22.12 puts its view and menus, as scripts/file-manager-screenshots.sh sees them.
click 1 324 187
click 3 324 187; shot file-menu
click 1 400 430; shot send-to-submenu
click 1 760 430; sleep 1.5; shot zipped
click 3 600 450; shot background-menu
click 1 660 618; shot new-submenu
click 1 960 618; sleep 1.5; shot new-folder
