// nimbra-bus-recorder OUTPUT_FILE
//
// Stands in for the desktop on a test's session bus: owns
// org.freedesktop.FileManager1 and Thunar's org.xfce.FileManager, and listens to
// the extension's notifications, appending one line per event to OUTPUT_FILE:
//   ready                      the names are owned and the listener active
//   reveal <uri>               for each URI of a ShowItems call
//   rename <uri>               for each RenameFile call
//   select <folder-uri> <name> for each DisplayFolderAndSelect call
//   signal <name>              for each notification
// Exits with status 0 on SIGTERM, 1 when the bus or the name is unavailable.

#include <fcntl.h>
#include <gio/gio.h>
#include <glib-unix.h>
#include <unistd.h>

#include <string>

namespace {

const char* output = nullptr;
GMainLoop* loop = nullptr;
int status = 0;

void append(const std::string& line) {
  // One write per line with O_APPEND: a reader never sees half of one.
  const std::string text = line + "\n";
  const int fd = ::open(output, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0 || ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) status = 1;
  if (fd >= 0) ::close(fd);
}

void onShowItems(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*, GVariant* parameters,
                 GDBusMethodInvocation* invocation, gpointer) {
  GVariantIter* uris = nullptr;
  const gchar* uri = nullptr;
  g_variant_get(parameters, "(as&s)", &uris, nullptr);
  while (g_variant_iter_next(uris, "&s", &uri)) append(std::string("reveal ") + uri);
  g_variant_iter_free(uris);
  g_dbus_method_invocation_return_value(invocation, nullptr);
}

void onThunarCall(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* method, GVariant* parameters,
                  GDBusMethodInvocation* invocation, gpointer) {
  const gchar *uri = nullptr, *name = nullptr;
  if (g_str_equal(method, "RenameFile")) {
    g_variant_get(parameters, "(&s&s&s)", &uri, nullptr, nullptr);
    append(std::string("rename ") + uri);
  } else {
    g_variant_get(parameters, "(&s&s&s&s)", &uri, &name, nullptr, nullptr);
    append(std::string("select ") + uri + " " + name);
  }
  g_dbus_method_invocation_return_value(invocation, nullptr);
}

void onPosted(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*, GVariant* parameters, gpointer) {
  const gchar* name = nullptr;
  if (g_variant_is_of_type(parameters, G_VARIANT_TYPE("(s)"))) g_variant_get(parameters, "(&s)", &name);
  append(std::string("signal ") + (name ? name : "with bad arguments"));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  output = argv[1];
  loop = g_main_loop_new(nullptr, FALSE);
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
  if (!bus) return 1;
  // Our own bus going away ends the recording, not the process by SIGTERM.
  g_dbus_connection_set_exit_on_close(bus, FALSE);

  GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(R"(<node><interface name="org.freedesktop.FileManager1">
    <method name="ShowItems"><arg type="as" direction="in"/><arg type="s" direction="in"/></method>
    </interface><interface name="org.xfce.FileManager">
    <method name="RenameFile"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="s" direction="in"/></method>
    <method name="DisplayFolderAndSelect"><arg type="s" direction="in"/><arg type="s" direction="in"/>
      <arg type="s" direction="in"/><arg type="s" direction="in"/></method>
    </interface></node>)", nullptr);
  const GDBusInterfaceVTable showItems{onShowItems, nullptr, nullptr, {}};
  g_dbus_connection_register_object(bus, "/org/freedesktop/FileManager1", node->interfaces[0], &showItems, nullptr,
                                    nullptr, nullptr);
  const GDBusInterfaceVTable thunar{onThunarCall, nullptr, nullptr, {}};
  g_dbus_connection_register_object(bus, "/org/xfce/FileManager", node->interfaces[1], &thunar, nullptr, nullptr, nullptr);
  g_bus_own_name_on_connection(bus, "org.xfce.FileManager", G_BUS_NAME_OWNER_FLAGS_DO_NOT_QUEUE, nullptr, nullptr,
                               nullptr, nullptr);
  // Subscribing sends the match rule before the name request below, and the bus
  // handles a connection's messages in order: once the name is ours, so is the match.
  g_dbus_connection_signal_subscribe(bus, nullptr, "ai.corvane.nimbra.Notifications", "Posted", "/ai/corvane/nimbra",
                                     nullptr, G_DBUS_SIGNAL_FLAGS_NONE, onPosted, nullptr, nullptr);
  g_bus_own_name_on_connection(
      bus, "org.freedesktop.FileManager1", G_BUS_NAME_OWNER_FLAGS_DO_NOT_QUEUE,
      [](GDBusConnection*, const gchar*, gpointer) { append("ready"); },
      [](GDBusConnection*, const gchar*, gpointer) {
        status = 1;
        g_main_loop_quit(loop);
      },
      nullptr, nullptr);
  g_unix_signal_add(
      SIGTERM,
      [](gpointer) {
        g_main_loop_quit(loop);
        return gboolean(G_SOURCE_CONTINUE);
      },
      nullptr);
  g_main_loop_run(loop);
  g_dbus_node_info_unref(node);
  g_object_unref(bus);
  return status;
}
