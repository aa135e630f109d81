#pragma once
// The Nautilus extension API, a C header: GLib first, then the header inside extern "C".

#include <gio/gio.h>

extern "C" {
#include <nautilus-extension.h>
}
